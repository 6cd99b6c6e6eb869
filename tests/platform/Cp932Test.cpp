#include "platform/Cp932.h"

#include <gtest/gtest.h>

namespace {

struct Pair {
  QByteArray bytes;
  QString text;
};

class Cp932RoundTrip : public testing::TestWithParam<Pair> {};

TEST_P(Cp932RoundTrip, DecodesAndEncodes) {
  EXPECT_EQ(DecodeCp932(GetParam().bytes), GetParam().text);
  EXPECT_EQ(EncodeCp932(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, Cp932RoundTrip,
    testing::Values(Pair{"\x81\x7B", QString(QChar(0xFF0B))}, Pair{"\x81\x7C", QString(QChar(0xFF0D))},
                    Pair{"\x81\x7E", QString(QChar(0x00D7))}, Pair{"\x81\x40", QString(QChar(0x3000))},
                    // 0x5C stays a backslash, unlike the plain Shift-JIS table
                    Pair{"a\\b", QStringLiteral("a\\b")}, Pair{"\xDA", QStringLiteral("ﾚ")},
                    Pair{"\x8f\x8a\x97\x76\x8e\x9e\x8a\xd4", QStringLiteral("所要時間")}, Pair{"", QString()}));

struct Invalid {
  QByteArray bytes;
  QString text;
};

class Cp932InvalidBytes : public testing::TestWithParam<Invalid> {};

TEST_P(Cp932InvalidBytes, BecomeReplacementCharactersAndDecodingGoesOn) {
  EXPECT_EQ(DecodeCp932(GetParam().bytes), GetParam().text);
}

const QChar kBad(0xFFFD);

INSTANTIATE_TEST_SUITE_P(Cases, Cp932InvalidBytes,
                         testing::Values(Invalid{"\xFF", QString(kBad)},
                                         Invalid{"a\xFD" "b", QStringLiteral("a") + kBad + QStringLiteral("b")},
                                         // a lead byte cut off at the end
                                         Invalid{"ab\x81", QStringLiteral("ab") + kBad},
                                         // a lead byte followed by no valid trail byte keeps the next one
                                         Invalid{"\x81 1", QString(kBad) + QStringLiteral(" 1")},
                                         Invalid{"\xFF\xFF\x81\x7B", QString(kBad) + kBad + QChar(0xFF0B)}));

TEST(Cp932, LongInputCrossesTheConversionBuffer) {
  QByteArray bytes;
  for (int i = 0; i < 2000; ++i) bytes += "\x81\x7B";
  bytes += "\xFF";
  QString text = DecodeCp932(bytes);
  ASSERT_EQ(text.size(), 2001);
  EXPECT_EQ(text.back(), kBad);
  EXPECT_EQ(EncodeCp932(text.left(2000)), bytes.left(4000));
}

TEST(Cp932, CharacterWithoutCp932FormEncodesAsQuestionMark) {
  EXPECT_EQ(EncodeCp932(QStringLiteral("a") + QChar(0x20AC) + QStringLiteral("b")), "a?b");
  EXPECT_EQ(EncodeCp932(QString::fromUcs4(U"\U0001F600x")), "?x");
}

}  // namespace

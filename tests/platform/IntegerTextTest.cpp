#include "platform/IntegerText.h"

#include <gtest/gtest.h>

namespace {

struct Good {
  QByteArray text;
  int value;
};

class IntegerAccepted : public testing::TestWithParam<Good> {};

TEST_P(IntegerAccepted, Converts) {
  EXPECT_EQ(StrToInt(GetParam().text), GetParam().value);
  EXPECT_EQ(StrToInt(QString::fromLatin1(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Cases, IntegerAccepted,
                         testing::Values(Good{"0", 0}, Good{"7", 7}, Good{"007", 7}, Good{"  12", 12},
                                         Good{"-3", -3}, Good{"+15", 15}, Good{" -0", 0},
                                         Good{"2147483647", 2147483647}, Good{"-2147483648", -2147483647 - 1},
                                         Good{"00000000000000000001", 1}));

class IntegerRejected : public testing::TestWithParam<QByteArray> {};

TEST_P(IntegerRejected, RaisesTheConversionErrorWithTheWholeText) {
  const QByteArray& text = GetParam();
  EXPECT_FALSE(TryStrToInt(text).has_value());
  try {
    StrToInt(text);
    FAIL() << text.constData();
  } catch (const ConvertError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("'") + QString::fromLatin1(text) + QStringLiteral("' は整数ではありません"));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, IntegerRejected,
                         testing::Values("", " ", "-", "+", "1.5", "12 ", "1 2", "\t5", "--1", "+-1", "abc",
                                         "1a", "$10", "0x10", "2147483648", "-2147483649",
                                         "99999999999999999999"));

TEST(IntegerText, ErrorShowsDoubleByteTextDecoded) {
  try {
    StrToInt(QByteArray("\x82\x50"));  // full-width digit one
    FAIL();
  } catch (const ConvertError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("'１' は整数ではありません"));
  }
  EXPECT_THROW(StrToInt(QStringLiteral("１")), ConvertError);
}

struct TrimCase {
  QString in;
  QString out;
};

class Trimming : public testing::TestWithParam<TrimCase> {};

TEST_P(Trimming, RemovesBlanksAndControlCharactersAtBothEnds) { EXPECT_EQ(Trim(GetParam().in), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(Cases, Trimming,
                         testing::Values(TrimCase{"", ""}, TrimCase{"   ", ""}, TrimCase{" 1 2\t", "1 2"},
                                         TrimCase{QStringLiteral("\x01x\x1f"), "x"},
                                         // the ideographic space is not a blank here
                                         TrimCase{QStringLiteral("　"), QStringLiteral("　")}));

}  // namespace

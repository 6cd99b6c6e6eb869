#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include "ReaderProperties.h"
#include "ScratchDir.h"
#include "history/HistoryList.h"
#include "history/HistoryText.h"

namespace {

struct SplitCase {
  const char* name;
  QByteArray text;
  QList<QByteArray> lines;
};

class SplitHistoryTextTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitHistoryTextTest, GivesTheLines) { EXPECT_EQ(SplitHistoryText(GetParam().text), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(
    Rules, SplitHistoryTextTest,
    ::testing::Values(SplitCase{"Empty", "", {}},
                      SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                      SplitCase{"LoneLf", "a\nb\n", {"a", "b"}},
                      SplitCase{"LoneCr", "a\rb\r", {"a", "b"}},
                      SplitCase{"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
                      SplitCase{"CrCrLf", "a\r\r\nb", {"a", "", "b"}},
                      SplitCase{"UnterminatedLast", "a\r\nb", {"a", "b"}},
                      SplitCase{"FinalCrLfAddsNoLine", "a\r\n", {"a"}},
                      SplitCase{"TwoLfGiveAnEmptyLine", "a\n\nb", {"a", "", "b"}},
                      SplitCase{"OnlyALineEnd", "\r\n", {""}},
                      SplitCase{"ZeroEndsTheText", QByteArray("a\r\nb\0c\r\nd", 9), {"a", "b"}},
                      SplitCase{"ZeroFirst", QByteArray("\0a\r\n", 4), {}},
                      SplitCase{"NoTrimming", "  a \t\r\n", {"  a \t"}},
                      SplitCase{"HighBytesKept", "\x81\x40\xff\x80\r\n", {"\x81\x40\xff\x80"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Lines read from a file with odd bytes are written back byte for byte (after the normalised
// line ends), and the appended line follows them.
TEST(HistoryRoundTrip, KeepsOddBytesExactly) {
  ScratchDir dir;
  QByteArray odd;
  for (int b = 0x80; b <= 0xFF; ++b) odd.append(static_cast<char>(b));
  const QByteArray original = odd + "\r\n" + "\x81\r" + "x\n\n" + "\x82\xa0\x81";
  WriteBytes(dir.HistoryPath(), original);
  HistoryList list(dir.HistoryPath());
  list.Load();
  ASSERT_EQ(list.Lines(), (QList<QByteArray>{odd, "\x81", "x", "", "\x82\xa0\x81"}));
  list.AppendAndSave("\x83\x40 new");
  const QByteArray expected = odd + "\r\n\x81\r\nx\r\n\r\n\x82\xa0\x81\r\n\x83\x40 new\r\n";
  EXPECT_EQ(ReadBytes(dir.HistoryPath()), expected);
  HistoryList again(dir.HistoryPath());
  again.Load();
  EXPECT_EQ(again.Lines(), list.Lines());
}

// Inputs of the bytes that matter to the reader, most of them line ends and zero bytes.
QByteArray RandomInput(QRandomGenerator& random) {
  static const char kAlphabet[] = {'\r', '\n', '\r', '\n', '\0', 'a', ' ', '\x81', '\x40', '\xff'};
  QByteArray input(random.bounded(0, 64), '\0');
  for (char& c : input) c = kAlphabet[random.bounded(static_cast<int>(sizeof kAlphabet))];
  return input;
}

TEST(HistoryReader, HoldsItsPropertiesOnRandomInputs) {
  QRandomGenerator random(20261208);
  for (int i = 0; i < 20000; ++i) {
    const QByteArray input = RandomInput(random);
    ASSERT_EQ(CheckReaderProperties(input), "") << input.toHex(' ').toStdString();
  }
}

TEST(HistoryReader, HoldsItsPropertiesOnTheSeedCorpus) {
  const QDir corpus(QStringLiteral(HISTORY_CORPUS_DIR));
  const QStringList seeds = corpus.entryList(QDir::Files);
  ASSERT_FALSE(seeds.isEmpty());
  for (const QString& seed : seeds) {
    EXPECT_EQ(CheckReaderProperties(ReadBytes(corpus.filePath(seed))), "") << seed.toStdString();
  }
}

}  // namespace

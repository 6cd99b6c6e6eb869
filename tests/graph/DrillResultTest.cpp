// Reading the rate and the time of a drill back from its history line.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cmath>
#include <random>

#include "DrillResultProperties.h"
#include "graph/DrillResult.h"
#include "history/SummaryLine.h"

namespace {

// "所要時間", the ideographic space and "正答率" in CP932.
const QByteArray kTime = QByteArray::fromHex("8f8a97768e9e8ad4");
const QByteArray kIS = QByteArray::fromHex("8140");
const QByteArray kRate = QByteArray::fromHex("90b3939a97a6");

// A line with the given clock text (as the stopwatch shows it, "MM:SS.mmm") and rate text.
QByteArray Line(const QByteArray& clock, const QByteArray& rate, const QByteArray& tail = "%  2006/02/13 09:10:32") {
  return kTime + ' ' + clock + kIS + kRate + rate + tail;
}

struct ReadCase {
  const char* name;
  QByteArray line;
  std::optional<DrillResult> result;
  QByteArray badField;
};

class DrillResultRead_ : public testing::TestWithParam<ReadCase> {};

TEST_P(DrillResultRead_, GivesTheValuesOrTheFirstBadField) {
  const ReadCase& c = GetParam();
  const DrillResultRead read = ReadDrillResult(c.line);
  EXPECT_EQ(read.Result, c.result);
  if (!c.result) {
    EXPECT_EQ(read.BadField, c.badField);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DrillResultRead_,
    testing::Values(
        ReadCase{"Example", Line("03:27.418", " 95"), DrillResult{95, 207}, {}},
        ReadCase{"FullRateZeroTime", Line("00:00.000", "100"), DrillResult{100, 0}, {}},
        ReadCase{"OneDigitRate", Line("59:59.999", "  7"), DrillResult{7, 3599}, {}},
        ReadCase{"ThreeDigitMinutes", Line("123:04.005", "100"), DrillResult{100, 123 * 60 + 4}, {}},
        ReadCase{"SixDigitMinutes", Line("100000:59.000", " 50"), DrillResult{50, 6000059}, {}},
        ReadCase{"OneDigitMinutes", Line("3:27.418", " 95"), DrillResult{95, 207}, {}},
        // Without a ":" after the minutes the fields stand where two-digit minutes put them.
        ReadCase{"NoColonFixedPositions", Line("03-27.418", " 95"), DrillResult{95, 207}, {}},
        ReadCase{"SpacedMinutesFixedPositions", Line(" 3:27.418", " 95"), DrillResult{95, 207}, {}},
        ReadCase{"SignedRate", Line("01:00.000", " +9"), DrillResult{9, 60}, {}},
        ReadCase{"CutInsideTheRate", Line("03:27.418", " 9", ""), DrillResult{9, 207}, {}},
        ReadCase{"CutBeforeTheRate", kTime + " 03:27.418", std::nullopt, ""},
        ReadCase{"Empty", "", std::nullopt, ""},
        ReadCase{"Garbage", "garbage", std::nullopt, ""},
        ReadCase{"BadRateFirst", Line("xx:27.418", "9x"), std::nullopt, "9x%"},
        ReadCase{"BadMinutes", Line("0x:27.418", " 95"), std::nullopt, "0x"},
        ReadCase{"BadSeconds", Line("03:2y.418", " 95"), std::nullopt, "2y"},
        ReadCase{"MinutesBeyondInt", Line("99999999999:00.000", " 95"), std::nullopt, "99999999999"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

// Lines as the program writes them, for random times, rates, dates and separators.
TEST(DrillResultRead, ReadsBackEveryLineTheProgramWrites) {
  std::mt19937 random(20060213);
  const char separators[] = "/-.:";
  for (int n = 0; n < 3000; ++n) {
    const int digits = 2 + static_cast<int>(random() % 6);
    const int minutes = static_cast<int>(random() % static_cast<unsigned>(std::pow(10, digits)));
    const int seconds = static_cast<int>(random() % 60);
    const int correct = static_cast<int>(random() % 101);
    const QByteArray label1 = QByteArray::number(minutes).rightJustified(2, '0') + ':' +
                              QByteArray::number(seconds).rightJustified(2, '0') + '.';
    const QByteArray label6 = QByteArray::number(random() % 1000).rightJustified(3, '0');
    const QDateTime when = QDateTime(QDate(2000, 1, 1), QTime(0, 0)).addSecs(random() % 1'000'000'000);
    const DateTimeSeparators sep{separators[random() % 4], separators[random() % 4]};
    const QByteArray line = BuildSummaryLine(label1, label6, correct, when, sep);
    const DrillResultRead read = ReadDrillResult(line);
    ASSERT_EQ(read.Result, (DrillResult{correct, int64_t{minutes} * 60 + seconds})) << line.toHex(' ').toStdString();
    ASSERT_EQ(CheckDrillResultProperties(line), "");
  }
}

// Random bytes, and written lines with a few bytes changed, keep the reading's properties.
TEST(DrillResultRead, HoldsItsPropertiesOnRandomInputs) {
  std::mt19937 random(4711);
  const QByteArray base = Line("123:45.678", " 95");
  for (int n = 0; n < 20000; ++n) {
    QByteArray input;
    if (n % 2 == 0) {
      input.resize(static_cast<qsizetype>(random() % 70));
      for (char& c : input) c = static_cast<char>(random() % 4 == 0 ? "0123456789: %"[random() % 13] : random());
    } else {
      input = base;
      for (int k = static_cast<int>(random() % 4); k >= 0; --k)
        input[static_cast<qsizetype>(random() % input.size())] = "0123456789: x"[random() % 13];
    }
    ASSERT_EQ(CheckDrillResultProperties(input), "") << input.toHex(' ').toStdString();
  }
}

TEST(DrillResultRead, HoldsItsPropertiesOnTheSeedCorpus) {
  const QDir corpus(QStringLiteral(DRILL_RESULT_CORPUS_DIR));
  const QStringList seeds = corpus.entryList(QDir::Files);
  ASSERT_FALSE(seeds.isEmpty());
  for (const QString& seed : seeds) {
    QFile file(corpus.filePath(seed));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(CheckDrillResultProperties(file.readAll()), "") << seed.toStdString();
  }
}

}  // namespace

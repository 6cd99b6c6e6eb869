#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>
#include <cstdlib>

#include "history/DateTimeSeparators.h"
#include "history/SummaryLine.h"

namespace {

const QDateTime kExampleClock(QDate(2006, 2, 13), QTime(9, 10, 32, 987));

struct SummaryCase {
  const char* label1;
  const char* label6;
  int correct;
  DateTimeSeparators separators;
  QByteArray expected;
};

class SummaryLineTest : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(SummaryLineTest, BuildsTheLineByteForByte) {
  const SummaryCase& c = GetParam();
  EXPECT_EQ(BuildSummaryLine(c.label1, c.label6, c.correct, kExampleClock, c.separators).toHex(' '),
            c.expected.toHex(' '));
}

// 所要時間 and 　正答率 in code page 932.
const QByteArray kHead = QByteArray::fromHex("8f8a97768e9e8ad420");
const QByteArray kRate = QByteArray::fromHex("814090b3939a97a6");

INSTANTIATE_TEST_SUITE_P(
    Rates, SummaryLineTest,
    ::testing::Values(
        // The example line: 51 bytes.
        SummaryCase{"03:27.", "418", 95, {},
                    QByteArray::fromHex("8f8a97768e9e8ad420303"
                                        "33a32372e343138814090b3939a97a6203935252020323030362f3032"
                                        "2f31332030393a31303a3332")},
        SummaryCase{"00:41.", "007", 100, {}, kHead + "00:41.007" + kRate + "100%  2006/02/13 09:10:32"},
        SummaryCase{"12:34.", "321", 7, {}, kHead + "12:34.321" + kRate + "  7%  2006/02/13 09:10:32"},
        SummaryCase{"00:00.", "000", 0, {}, kHead + "00:00.000" + kRate + "  0%  2006/02/13 09:10:32"},
        SummaryCase{"05:00.", "500", 50, {'-', '.'}, kHead + "05:00.500" + kRate + " 50%  2006-02-13 09.10.32"},
        // Three minute digits shift every later field by one byte.
        SummaryCase{"100:00.", "001", 99, {}, kHead + "100:00.001" + kRate + " 99%  2006/02/13 09:10:32"}));

struct DateTimeCase {
  QDateTime local;
  DateTimeSeparators separators;
  const char* expected;
};

class SummaryDateTimeTest : public ::testing::TestWithParam<DateTimeCase> {};

TEST_P(SummaryDateTimeTest, PadsEveryFieldAndUsesTheSeparators) {
  const DateTimeCase& c = GetParam();
  EXPECT_EQ(FormatSummaryDateTime(c.local, c.separators), QByteArray(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SummaryDateTimeTest,
    ::testing::Values(DateTimeCase{QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 999)), {}, "2026/12/31 23:59:59"},
                      DateTimeCase{QDateTime(QDate(1979, 1, 2), QTime(0, 0, 5)), {}, "1979/01/02 00:00:05"},
                      DateTimeCase{QDateTime(QDate(2006, 2, 13), QTime(9, 10, 32)), {'.', '.'}, "2006.02.13 09.10.32"},
                      DateTimeCase{QDateTime(QDate(987, 6, 7), QTime(8, 9, 10)), {'-', ':'}, "0987-06-07 08:09:10"}));

struct LocaleCase {
  const char* name;
  DateTimeSeparators expected;
};

class LocaleSeparatorsTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleSeparatorsTest, TakesTheFirstSeparatorOfTheShortFormats) {
  EXPECT_EQ(SeparatorsOfLocale(QLocale(QString::fromLatin1(GetParam().name))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleSeparatorsTest,
                         ::testing::Values(LocaleCase{"ja_JP", {'/', ':'}}, LocaleCase{"de_DE", {'.', ':'}},
                                           LocaleCase{"fi_FI", {'.', '.'}}, LocaleCase{"nl_NL", {'-', ':'}},
                                           LocaleCase{"en_US", {'/', ':'}}));

// The separators follow the environment of the moment, and the C locale has the defaults.
TEST(LocaleDateTimeSeparators, RereadsTheSettingsOnEveryCall) {
  const char* saved = std::getenv("LC_ALL");
  const QByteArray restore = saved != nullptr ? QByteArray(saved) : QByteArray();
  ::setenv("LC_ALL", "de_DE.UTF-8", 1);
  EXPECT_EQ(LocaleDateTimeSeparators(), (DateTimeSeparators{'.', ':'}));
  ::setenv("LC_ALL", "fi_FI.UTF-8", 1);
  EXPECT_EQ(LocaleDateTimeSeparators(), (DateTimeSeparators{'.', '.'}));
  ::setenv("LC_ALL", "C", 1);
  EXPECT_EQ(LocaleDateTimeSeparators(), (DateTimeSeparators{'/', ':'}));
  if (saved != nullptr) ::setenv("LC_ALL", restore.constData(), 1); else ::unsetenv("LC_ALL");
}

}  // namespace

#include "drill/DrillText.h"

#include <gtest/gtest.h>

namespace {

// ␣ is a space and [IS] the ideographic space in the examples; here they are bytes.
struct LineCase {
  int number;
  Problem problem;
  std::optional<int> given;
  const char* time;
  QByteArray expected;
};

class ProblemLines : public testing::TestWithParam<LineCase> {};

TEST_P(ProblemLines, MatchByteForByte) {
  const auto& c = GetParam();
  EXPECT_EQ(ProblemLine(c.number, c.problem, c.given, c.time), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ProblemLines,
    testing::Values(LineCase{7, {12, kPlus, 5, 17}, 17, "00:02.418", "  7: 12 \x81\x7B  5 =  17  OK  \x81\x40   00:02.418"},
                    LineCase{12, {6, kTimes, 9, 54}, 56, "00:05.003", " 12:  6 \x81\x7E  9 =  56  NG( 54)  00:05.003"},
                    LineCase{99, {15, kMinus, 3, 12}, std::nullopt, "00:09.120",
                             " 99: 15 \x81\x7C  3 =      NG( 12)  00:09.120"},
                    LineCase{100, {0, kTimes, 0, 0}, 0, "00:01.000", "100:  0 \x81\x7E  0 =   0  OK  \x81\x40   00:01.000"},
                    // a typed 007 is the number 7
                    LineCase{3, {3, kPlus, 4, 7}, 7, "00:00.500", "  3:  3 \x81\x7B  4 =   7  OK  \x81\x40   00:00.500"},
                    LineCase{1, {9, kTimes, 9, 81}, -5, "00:00.001", "  1:  9 \x81\x7E  9 =  -5  NG( 81)  00:00.001"},
                    LineCase{1, {9, kTimes, 9, 81}, 12345, "00:00.001", "  1:  9 \x81\x7E  9 = 12345  NG( 81)  00:00.001"}));

struct TimeCase {
  int32_t elapsed;
  QByteArray problemTime;
  QByteArray minutes;
  QByteArray millis;
};

class ElapsedTexts : public testing::TestWithParam<TimeCase> {};

TEST_P(ElapsedTexts, SplitIntoMinutesSecondsAndMilliseconds) {
  const auto& c = GetParam();
  EXPECT_EQ(ProblemTimeText(c.elapsed), c.problemTime);
  EXPECT_EQ(StopwatchMinutesText(c.elapsed), c.minutes);
  EXPECT_EQ(StopwatchMillisText(c.elapsed), c.millis);
}

INSTANTIATE_TEST_SUITE_P(Cases, ElapsedTexts,
                         testing::Values(TimeCase{0, "00:00.000", "00:00.", "000"},
                                         TimeCase{3417, "00:03.417", "00:03.", "417"},
                                         TimeCase{61500, "01:01.500", "01:01.", "500"},
                                         TimeCase{59999, "00:59.999", "00:59.", "999"},
                                         TimeCase{60000, "01:00.000", "01:00.", "000"},
                                         TimeCase{754321, "12:34.321", "12:34.", "321"},
                                         TimeCase{6000000, "100:00.000", "100:00.", "000"}));

}  // namespace

#include "chart/series/BarWidth.h"

#include <gtest/gtest.h>

namespace {

struct WidthCase {
  int axisLength;
  int points;
  int bars;
  int percent;
  bool sideMargins;
  int expected;
};

class BarWidth : public testing::TestWithParam<WidthCase> {};

TEST_P(BarWidth, FollowsRoomPercentAndBars) {
  const WidthCase& c = GetParam();
  int room = BarRoomPerPoint(c.axisLength, c.points, c.sideMargins);
  EXPECT_EQ(BarWidthForRoom(room, c.percent, c.bars), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rooms, BarWidth,
    testing::Values(
        WidthCase{400, 7, 1, 70, true, 36},    // room 50, 35 is odd -> 36
        WidthCase{400, 1, 1, 70, true, 140},   // one point: 70 % of half the axis
        WidthCase{565, 1, 1, 70, true, 198},   // room 282, 197.4 -> 197 -> 198
        WidthCase{400, 0, 1, 70, true, 0},     // no points
        WidthCase{100, 200, 1, 70, true, 0},   // more points than pixels: room 0
        WidthCase{3, 2, 1, 70, true, 2},       // room 1: 0.7 rounds to 1, made even
        WidthCase{30, 1, 1, 70, true, 10},     // room 15: exactly 10.5 -> 10, even, kept
        WidthCase{400, 7, 2, 70, true, 18},    // two series side by side: 35 div 2 = 17 -> 18
        WidthCase{400, 7, 1, 70, false, 40},   // room 57 without side margins, 39.9 -> 40
        WidthCase{400, 7, 1, 100, true, 50},
        WidthCase{80, 3, 1, 50, true, 10}));   // room 20, exactly 10: even, kept

TEST(BarWidth, HalvesRoundToEven) {
  // 50 % of a room of 5 is 2.5 -> 2; of 7 it is 3.5 -> 4.
  EXPECT_EQ(BarWidthForRoom(5, 50, 1), 2);
  EXPECT_EQ(BarWidthForRoom(7, 50, 1), 4);
}

TEST(BarWidth, RoomByAxisRange) {
  // 400 pixels over the range 0..6: 400 / 8 = 50.
  EXPECT_EQ(BarRoomForRange(400, 0, 6), 50);
  EXPECT_EQ(BarRoomForRange(10, 0, 2), 2);  // 2.5 -> 2
}

}  // namespace

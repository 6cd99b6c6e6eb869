#include "chart/series/BarWidth.h"

#include "platform/Rounding.h"

int BarRoomPerPoint(int axisLength, int points, bool sideMargins) {
  if (points <= 0) return 0;
  return sideMargins ? axisLength / (points + 1) : axisLength / points;
}

int BarRoomForRange(int axisLength, double minimum, double maximum) {
  return RoundHalfEven(axisLength / (maximum - minimum + 2));
}

int BarWidthForRoom(int room, int barWidthPercent, int bars) {
  if (bars <= 0) return 0;
  // percent * room is a whole number, and its division by 100 gives a half exactly where the
  // width is one, so the half goes to the even neighbour; a factor of 0.01 is not exact and would
  // put 70 % of an odd room a hair above the half.
  int w = RoundHalfEven(static_cast<double>(barWidthPercent) * room / 100.0) / bars;
  if (w > 0 && w % 2 == 1) ++w;
  return w;
}

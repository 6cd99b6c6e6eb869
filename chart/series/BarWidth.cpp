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
  int w = RoundHalfEven(barWidthPercent * 0.01 * room) / bars;
  if (w > 0 && w % 2 == 1) ++w;
  return w;
}

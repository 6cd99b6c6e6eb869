#pragma once
// A mouse drag of the chart: where it started and where it is now, in chart pixels.
#include <utility>

struct TZoomPanningRecord {
  bool Dragging = false;
  int StartX = 0;
  int StartY = 0;
  int EndX = 0;
  int EndY = 0;

  void Begin(int x, int y) {
    StartX = EndX = x;
    StartY = EndY = y;
    Dragging = true;
  }
  // Orders the corners so that Start is the top-left one.
  void Normalize() {
    if (EndX < StartX) std::swap(StartX, EndX);
    if (EndY < StartY) std::swap(StartY, EndY);
  }
};

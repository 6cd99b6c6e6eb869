#pragma once
// Where one mark of a series stands: its arrow from the point to the box, and the box.
#include "platform/Geometry.h"

struct TSeriesMarkPosition {
  TPoint ArrowStart;
  TPoint ArrowEnd;
  // A custom position is kept as it is instead of the computed one.
  bool IsCustom = false;
  TPoint BoxTopLeft;
  int BoxHeight = 0;
  int BoxWidth = 0;

  TRect Bounds() const {
    return {BoxTopLeft.X, BoxTopLeft.Y, BoxTopLeft.X + BoxWidth, BoxTopLeft.Y + BoxHeight};
  }
};

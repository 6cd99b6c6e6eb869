#pragma once
// The chart control as a program uses it: the described chart (TCustomChart: title, walls, axes,
// series, mouse) with the speed machinery beneath it, a planner that leaves out what later drawing
// paints over. docs/ARCHITECTURE.md shows the layers and the repaint.
#include "chart/engine/CustomChart.h"

class TChart : public TCustomChart {
  Q_OBJECT

 public:
  explicit TChart(QWidget* parent = nullptr);
};

#pragma once
// The chart control as a program uses it: the chart with its title, walls, axes, series and mouse
// (TCustomChart), drawn by the repaint described in docs/ARCHITECTURE.md.
#include "chart/engine/CustomChart.h"

class TChart : public TCustomChart {
  Q_OBJECT

 public:
  explicit TChart(QWidget* parent = nullptr);
};

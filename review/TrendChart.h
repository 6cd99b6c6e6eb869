#pragma once
// The drills by day, drawn by the program's chart in its 2D view: a red bar per day of practice
// for the share of right answers (left scale) and a blue line for the mean drill time (right
// scale), each scale fitted to the data. The bottom axis names the days (as many as fit) and its
// title the first and the last; the mouse shows a day's date and numbers as a tip. Everything the review window takes
// from the chart component is in this file and its source.
#include <vector>

#include "chart/Chart.h"
#include "chart/series/BarSeries.h"
#include "chart/series/LineSeries.h"
#include "records/ReviewSnapshot.h"

class TrendChart : public TChart {
 public:
  explicit TrendChart(QWidget* parent = nullptr);

  // Plots the days, oldest on the left.
  void Plot(const std::vector<DayTrend>& days);

 protected:
  bool event(QEvent* event) override;

 private:
  TBarSeries rate_;
  TLineSeries seconds_;
  std::vector<DayTrend> days_;
};

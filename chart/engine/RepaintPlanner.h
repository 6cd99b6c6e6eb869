#pragma once
// The speed machinery beneath the chart, as the panel's repaint calls it. A planner finds the
// shapes and marks of the series that what is drawn after them paints over entirely and has them
// left out; the picture is the same with a planner as without one, when every shape is drawn.
class TChartSeries;
class TCustomAxisPanel;

class RepaintPlanner {
 public:
  virtual ~RepaintPlanner() = default;

  // Once the axes are laid out and the walls (and the axes, when they come first) are drawn,
  // before the first series: plans the series' drawing, and hands each series its plan.
  virtual void BeginSeries(TCustomAxisPanel& chart) = 0;
  // Draws the visible values of an active series in its turn, as planned
  // (TCustomAxisPanel::PaintSeriesValues draws every shape).
  virtual void DrawValues(TCustomAxisPanel& chart, TChartSeries& series) = 0;
  // After the last series, however the repaint ends: the series are left without plans.
  virtual void EndSeries(TCustomAxisPanel& chart) = 0;
};

#pragma once
// A series' plan as the planner makes it: the marks it leaves out, found before the series are
// drawn, and the shapes of its values, found as they are about to be drawn. A kind of series
// whose shapes stand in pixel columns (bars, a line's ribbon) has a plan of its own that finds the
// shapes later ones of their column paint over; any other kind leaves every shape in.
#include <memory>
#include <vector>

#include "chart/engine/SeriesPlan.h"

class CanvasHints;
class CoveredPixels;
class TChartSeries;

class PlannedSeries : public SeriesPlan {
 public:
  explicit PlannedSeries(TChartSeries& series) : series_(series) {}
  // The plan for the series' kind.
  static std::unique_ptr<PlannedSeries> For(TChartSeries& series);

  TChartSeries& Series() const { return series_; }
  void SetHiddenMarks(std::vector<char> hidden) { hiddenMarks_ = std::move(hidden); }

  // Before the values are planned for a repaint: the shapes wholly inside covered (the pixels of
  // the bitmap that what is drawn after the values paints over) are left out too.
  virtual void PlanCovered(const CoveredPixels& /*covered*/) {}
  // Just before the values are drawn on a canvas with these hints (none when null): finds the
  // shapes left out.
  virtual void PlanValues(CanvasHints* /*hints*/) {}
  // Once they are drawn.
  virtual void ValuesDrawn() { hiddenValues_.clear(); }

 private:
  TChartSeries& series_;
};

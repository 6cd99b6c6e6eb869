#pragma once
// The chart's planner. Before the series are drawn it plans, from the last series to the first,
// the marks of every series with more visible marks than the plot has columns that later marks
// and later series paint over, and for the first such series the shapes of its values that
// everything drawn after them covers; the later series' values are drawn aside to learn their
// pixels, and copied in at their turn. Only when the repaint draws into the colour bitmap, whose
// size the covered pixels have. As each series' values are drawn, the bars and ribbon pieces that
// later ones of their pixel column paint over are left out, and the pixels of each shape drawn
// that the next ones paint over.
#include <memory>
#include <utility>
#include <vector>

#include "chart/engine/RepaintPlanner.h"
#include "chart/plan/AsideDrawings.h"
#include "chart/plan/PlannedSeries.h"
#include "chart/raster/CoverageMask.h"
#include "chart/raster/CoveredPixels.h"

class OverpaintPlanner : public RepaintPlanner {
 public:
  void BeginSeries(TCustomAxisPanel& chart) override;
  void DrawValues(TCustomAxisPanel& chart, TChartSeries& series) override;
  void EndSeries(TCustomAxisPanel& chart) override;

 private:
  // The marks and covered values of the active series, when the repaint can plan them.
  void PlanCovered(TCustomAxisPanel& chart, const std::vector<PlannedSeries*>& active);
  // Draws the series' values by its plan, on the canvas drawn on now.
  void PaintPlanned(TCustomAxisPanel& chart, TChartSeries& series);
  // The series' plan of this repaint; null for a series that joined the chart since it began.
  PlannedSeries* PlanOf(const TChartSeries& series) const;

  std::vector<std::unique_ptr<PlannedSeries>> plans_;  // one per series, while the series are drawn
  CoverageMask covered_;  // the pixels painted over, kept between repaints
  AsideDrawings asides_;
  // The series drawn aside, with their slots: their turn copies their pixels.
  std::vector<std::pair<const TChartSeries*, size_t>> drawnAside_;
  // The pixels found covered for the values of the first series planned, which leave them out;
  // none when maskedSeries_ is null.
  CoveredPixels valuesCovered_;
  const TChartSeries* maskedSeries_ = nullptr;
};

#include "chart/plan/PlannedSeries.h"

#include "chart/plan/BarsPlan.h"
#include "chart/plan/LinePlan.h"
#include "chart/series/BarSeries.h"
#include "chart/series/LineSeries.h"

std::unique_ptr<PlannedSeries> PlannedSeries::For(TChartSeries& series) {
  if (auto* bars = dynamic_cast<TBarSeries*>(&series)) return std::make_unique<BarsPlan>(*bars);
  if (auto* line = dynamic_cast<TCustomSeries*>(&series)) return std::make_unique<LinePlan>(*line);
  return std::make_unique<PlannedSeries>(series);
}

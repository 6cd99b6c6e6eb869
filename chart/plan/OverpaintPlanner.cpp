#include "chart/plan/OverpaintPlanner.h"

#include <algorithm>

#include "chart/canvas/CanvasHints.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/plan/MarksPlan.h"

void OverpaintPlanner::BeginSeries(TCustomAxisPanel& chart) {
  drawnAside_.clear();
  maskedSeries_ = nullptr;
  plans_.clear();
  std::vector<PlannedSeries*> active;
  for (TChartSeries* s : chart.SeriesList()) {
    plans_.push_back(PlannedSeries::For(*s));
    s->SetPlan(plans_.back().get());
    if (s->Active()) active.push_back(plans_.back().get());
  }
  const TChartCanvas3D& canvas = chart.Canvas();
  if (canvas.DrawingIntoColourBitmap() && canvas.Canvas().PenMode() == TPenMode::Copy) PlanCovered(chart, active);
}

// From the last series to the first: a series' marks come after its values, and both after
// everything of the series before it. A series that does not paint opaquely is left out of the
// covered pixels, which only means fewer shapes are left out.
void OverpaintPlanner::PlanCovered(TCustomAxisPanel& chart, const std::vector<PlannedSeries*>& active) {
  for (const PlannedSeries* p : active) {
    if (!MarksPlannable(p->Series())) return;  // a program's handler may change what any series draws
  }
  auto dense = [&chart](TChartSeries& s) -> char {
    if (!s.MarksVisible() || (s.MarksClip() && chart.CanClip())) return false;
    s.CalcFirstLastVisibleIndex();
    return s.VisibleFrom >= 0 && s.VisibleTo - s.VisibleFrom + 1 > chart.PlotWidth();
  };
  std::vector<char> planned(active.size(), 0);
  for (size_t k = 0; k < active.size(); ++k) planned[k] = dense(active[k]->Series());
  const size_t firstPlanned = size_t(std::find(planned.begin(), planned.end(), 1) - planned.begin());
  if (firstPlanned == active.size()) return;
  // The axes are fixed from here to the end of the repaint, and the planning and the drawing go
  // over the same points several times.
  for (PlannedSeries* p : active) {
    p->Series().CalcFirstLastVisibleIndex();
    p->Series().KeepPixels();
  }
  TChartCanvas3D& canvas = chart.Canvas();
  covered_.Reset(canvas.Bitmap().width(), canvas.Bitmap().height());
  // The values' clip, as PaintSeriesValues sets it.
  const bool clipped = chart.ClipPoints() && chart.CanClip();
  const QRegion clip = clipped ? canvas.BoxClipRegion(chart.PlotRect(), 0, chart.ChartDepth()) : QRegion();
  for (size_t k = active.size(); k-- > firstPlanned;) {
    PlannedSeries& plan = *active[k];
    TChartSeries& s = plan.Series();
    if (planned[k] != 0) plan.SetHiddenMarks(HiddenMarks(s, covered_));
    if (!s.ValuesPaintOpaquely()) continue;
    if (k == firstPlanned) {
      // Its values come first of all that was planned: each shape wholly covered is left out.
      // Clipped, a shape sets no pixel outside the clip, which counts as covered for it.
      CoverageMask forValues = covered_;
      if (clipped) forValues.CoverOutside(clip);
      if (valuesCovered_.Set(forValues)) {
        plan.PlanCovered(valuesCovered_);
        maskedSeries_ = &s;
      }
      break;
    }
    // Clipped, the values set no pixel outside the clip's bounds.
    const QRect reach = clipped ? clip.boundingRect() : canvas.Bitmap().rect();
    const size_t slot = drawnAside_.size();
    const QImage& drawn = asides_.Draw(canvas, slot, reach, [&] {
      s.CalcFirstLastVisibleIndex();
      if (s.VisibleFrom >= 0 && s.VisibleTo >= s.VisibleFrom) PaintPlanned(chart, s);
    });
    drawnAside_.emplace_back(&s, slot);
    covered_.CoverDrawn(drawn, asides_.Reach(slot));
  }
}

void OverpaintPlanner::DrawValues(TCustomAxisPanel& chart, TChartSeries& series) {
  const auto aside = std::find_if(drawnAside_.begin(), drawnAside_.end(), [&](const auto& a) { return a.first == &series; });
  if (aside != drawnAside_.end())
    asides_.Put(chart.Canvas(), aside->second);
  else
    PaintPlanned(chart, series);
}

void OverpaintPlanner::PaintPlanned(TCustomAxisPanel& chart, TChartSeries& series) {
  PlannedSeries* plan = PlanOf(series);
  if (plan == nullptr) {
    chart.PaintSeriesValues(series);
    return;
  }
  CanvasHints* hints = chart.Canvas().Canvas().Hints();
  plan->PlanValues(hints);
  // The covered pixels hold for these values only, however their drawing ends.
  struct Drawn {
    PlannedSeries& plan;
    CanvasHints* masked;
    ~Drawn() {
      if (masked != nullptr) masked->LeaveOutCovered(nullptr);
      plan.ValuesDrawn();
    }
  } drawn{*plan, &series == maskedSeries_ ? hints : nullptr};
  if (drawn.masked != nullptr) drawn.masked->LeaveOutCovered(&valuesCovered_);
  chart.PaintSeriesValues(series);
}

PlannedSeries* OverpaintPlanner::PlanOf(const TChartSeries& series) const {
  for (const auto& p : plans_)
    if (&p->Series() == &series) return p.get();
  return nullptr;
}

// The pixels kept for the planning hold for this repaint's axes only.
void OverpaintPlanner::EndSeries(TCustomAxisPanel& chart) {
  for (TChartSeries* s : chart.SeriesList()) {
    s->DropPixels();
    s->SetPlan(nullptr);
  }
  plans_.clear();
}

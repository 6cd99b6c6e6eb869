#include "chart/engine/AxisPanel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chart/engine/ChartSeries.h"
#include "platform/Rounding.h"

namespace {
constexpr int kLeftTitleAngle = 90;
constexpr int kRightTitleAngle = 270;

// Round(n × f) of the exact product: a product that lands on a half in double arithmetic is
// decided by its rounding error (fma gives the exact remainder), ties only when it is exact.
int RoundExactProduct(int n, double f) {
  const double p = static_cast<double>(n) * f;
  const double error = std::fma(static_cast<double>(n), f, -p);
  if (error != 0 && p - std::floor(p) == 0.5) {
    return error > 0 ? TruncToInt(std::floor(p)) + 1 : TruncToInt(std::floor(p));
  }
  return RoundHalfEven(p);
}
}  // namespace

TCustomAxisPanel::TCustomAxisPanel(QWidget* parent)
    : TCustomChartPanelExtended(parent),
      bottomAxis_(std::make_unique<TChartAxis>(this, true, false, false)),
      topAxis_(std::make_unique<TChartAxis>(this, true, true, false)),
      leftAxis_(std::make_unique<TChartAxis>(this, false, false, false)),
      rightAxis_(std::make_unique<TChartAxis>(this, false, true, false)),
      depthAxis_(std::make_unique<TChartDepthAxis>(this)) {
  leftAxis_->Title().SetAngle(kLeftTitleAngle);
  rightAxis_->Title().SetAngle(kRightTitleAngle);
  axesList_ = {bottomAxis_.get(), topAxis_.get(), leftAxis_.get(), rightAxis_.get(), depthAxis_.get()};
}

TCustomAxisPanel::~TCustomAxisPanel() {
  // The series outlive the chart in their owners; they must not reach back into it.
  for (TChartSeries* s : seriesList_) s->BindChart(nullptr);
}

void TCustomAxisPanel::AddSeries(TChartSeries* series) {
  if (series == nullptr) return;
  if (std::find(seriesList_.begin(), seriesList_.end(), series) != seriesList_.end()) return;
  if (series->ParentChart() != nullptr && series->ParentChart() != this) series->ParentChart()->RemoveSeries(series);
  seriesList_.push_back(series);
  series->BindChart(this);
  RequestRepaint();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries* series) {
  auto it = std::find(seriesList_.begin(), seriesList_.end(), series);
  if (it == seriesList_.end()) return;
  seriesList_.erase(it);
  series->BindChart(nullptr);
  RequestRepaint();
}

bool TCustomAxisPanel::HasActiveSeries() const {
  return std::any_of(seriesList_.begin(), seriesList_.end(),
                     [](const TChartSeries* s) { return s->Active(); });
}

void TCustomAxisPanel::SetAxisVisible(bool value) {
  if (value == axisVisible_) return;
  axisVisible_ = value;
  RequestRepaint();
}

void TCustomAxisPanel::SetView3DWalls(bool value) {
  if (value == view3DWalls_) return;
  view3DWalls_ = value;
  RequestRepaint();
}

void TCustomAxisPanel::SetClipPoints(bool value) {
  if (value == clipPoints_) return;
  clipPoints_ = value;
  RequestRepaint();
}

void TCustomAxisPanel::SetAxesFirst(bool value) {
  if (value == axesFirst_) return;
  axesFirst_ = value;
  RequestRepaint();
}

bool TCustomAxisPanel::AxisShown(const TCustomChartAxis* axis) const {
  if (!axisVisible_ || !axis->Visible()) return false;
  if (axis->IsDepth()) return View3D();
  // The last active series that uses axes decides, unless an earlier one is bound to the axis;
  // with no such series every axis is shown.
  bool shown = true;
  for (const TChartSeries* s : seriesList_) {
    if (!s->Active() || !s->UseAxis()) continue;
    shown = s->AssociatedToAxis(axis);
    if (shown) break;
  }
  return shown;
}

double TCustomAxisPanel::SeriesExtreme(const TCustomChartAxis* axis, bool wantMinimum) const {
  const bool horizontal = axis->IsHorizontal();
  const bool anyActiveBound = std::any_of(seriesList_.begin(), seriesList_.end(), [axis](const TChartSeries* s) {
    return s->Active() && s->AssociatedToAxis(axis);
  });
  bool found = false;
  double result = 0;
  for (const TChartSeries* s : seriesList_) {
    if (!(s->Active() || !anyActiveBound)) continue;
    if (s->PointCount() <= 0 || !s->AssociatedToAxis(axis)) continue;
    double v;
    if (horizontal) {
      v = wantMinimum ? s->XMinimum() : s->XMaximum();
    } else {
      v = wantMinimum ? s->YMinimum() : s->YMaximum();
    }
    if (!found || (wantMinimum ? v < result : v > result)) result = v;
    found = true;
  }
  return result;
}

int TCustomAxisPanel::AxisWallSize(const TCustomChartAxis*) const { return 0; }

int TCustomAxisPanel::BackWallSize() const { return 0; }

void TCustomAxisPanel::CalcSeriesZOrder() {
  maxZOrder_ = 0;
  if (View3D()) {
    maxZOrder_ = -1;
    for (TChartSeries* s : seriesList_) {
      if (s->Active()) s->CalcZOrder();
    }
  }
  for (TChartSeries* s : seriesList_) {
    if (s->Active()) s->DepthSlot = View3D() ? maxZOrder_ - s->ZOrder() : 0;
  }
}

void TCustomAxisPanel::CalcSeriesDepth() {
  if (!View3D()) {
    seriesDepth_ = 0;
    SetChartDepth(0);
    return;
  }
  // The factor is held as a double (0.015 lies just below 0.015) and the product with the
  // plot width is exact, so 500 pixels give 7.4999... and round to 7.
  const long double percent = static_cast<long double>(Chart3DPercent()) * 0.001L;
  double factor = static_cast<double>(percent);
  if (!View3DOptions().Orthogonal()) factor *= 2;
  seriesDepth_ = RoundExactProduct(PlotWidth(), factor);
  const int rows = std::max(1, maxZOrder_ + 1);
  SetChartDepth(rows * seriesDepth_);
}

void TCustomAxisPanel::CalcSeriesZRanges() {
  for (TChartSeries* s : seriesList_) {
    if (!s->Active()) continue;
    s->ZFront = seriesDepth_ * s->DepthSlot;
    s->ZBack = s->ZFront + seriesDepth_;
    s->ZMiddle = (s->ZFront + s->ZBack) / 2;
    s->SetMarkDepth(s->ZMiddle);
  }
}

void TCustomAxisPanel::LayOutAxes() {
  for (TCustomChartAxis* axis : axesList_) axis->RefreshRange();
  CalcSeriesDepth();
  if (View3D() && View3DOptions().Orthogonal()) {
    const int shift = std::abs(ChartDepth()) + (View3DWalls() ? BackWallSize() : 0);
    TRect r = PlotRect();
    r.Right -= shift;
    r.Top += shift;
    SetPlotRect(r);
  }
  TRect r = PlotRect();
  for (TCustomChartAxis* axis : axesList_) {
    if (!AxisShown(axis)) continue;
    TRect t = r;
    axis->ReserveAxisSpace(t);
    const TRect common = Intersect(r, t);
    if (!common.IsEmpty()) r = common;
  }
  SetPlotRect(r);
  for (TCustomChartAxis* axis : axesList_) axis->PlaceOnPlotRect();
}

void TCustomAxisPanel::ApplySeriesMargins() {
  for (TCustomChartAxis* axis : {TopAxis(), LeftAxis(), RightAxis(), BottomAxis()}) {
    int m1 = 0;
    int m2 = 0;
    for (TChartSeries* s : seriesList_) {
      if (!s->Active() || !s->AssociatedToAxis(axis)) continue;
      int a = 0;
      int b = 0;
      if (axis->IsHorizontal()) {
        s->GetHorizMargins(a, b);
        if (axis->AutomaticMinimum()) m1 = std::max(m1, a);
        if (axis->AutomaticMaximum()) m2 = std::max(m2, b);
      } else {
        s->GetVertMargins(a, b);
        if (axis->AutomaticMaximum()) m1 = std::max(m1, a);
        if (axis->AutomaticMinimum()) m2 = std::max(m2, b);
      }
    }
    axis->WidenRangeForMargins(m1, m2);
  }
}

void TCustomAxisPanel::DrawTitlesAndLegend() {}

void TCustomAxisPanel::DrawWalls() {}

void TCustomAxisPanel::DrawAxes() {
  for (TCustomChartAxis* axis : axesList_) {
    if (AxisShown(axis)) axis->DrawAxis();
  }
}

void TCustomAxisPanel::DrawSeries(TChartSeries& series) {
  series.CalcFirstLastVisibleIndex();
  if (series.VisibleFrom < 0 || series.VisibleTo < series.VisibleFrom) return;
  TChartCanvas3D& canvas = Canvas();
  series.DoBeforeDrawValues();
  if (planner_)
    planner_->DrawValues(*this, series);
  else
    PaintSeriesValues(series);
  if (series.MarksVisible()) {
    const bool clipMarks = series.MarksClip() && CanClip();
    if (clipMarks) canvas.BoxClip(PlotRect(), 0, ChartDepth());
    series.DrawMarks();
    if (clipMarks) canvas.Unclip();
  }
  series.DoAfterDrawValues();
}

void TCustomAxisPanel::PaintSeriesValues(TChartSeries& series) {
  TChartCanvas3D& canvas = Canvas();
  const bool clip = clipPoints_ && CanClip();
  if (clip) canvas.BoxClip(PlotRect(), 0, ChartDepth());
  series.PaintValues();
  if (clip) canvas.Unclip();
}

void TCustomAxisPanel::InternalDraw() {
  TChartCanvas3D& canvas = Canvas();
  CalcPlotRectFromPanel();
  PaintPanel();
  for (TChartSeries* s : seriesList_) {
    if (s->Active()) s->DoBeforeDrawChart();
  }
  canvas.FlatBegin();
  DrawTitlesAndLegend();
  canvas.FlatEnd();
  CalcSeriesZOrder();
  LayOutAxes();
  CalcSeriesZRanges();
  ApplySeriesMargins();
  canvas.SetupProjection(PlotRect());
  DrawWalls();
  if (axisVisible_ && axesFirst_) DrawAxes();
  {
    // The planner's plans hold for this repaint's series only, however it ends.
    struct EndSeries {
      RepaintPlanner* planner;
      TCustomAxisPanel& chart;
      ~EndSeries() {
        if (planner != nullptr) planner->EndSeries(chart);
      }
    } end{planner_.get(), *this};
    if (planner_) planner_->BeginSeries(*this);
    for (TChartSeries* s : seriesList_) {
      if (s->Active()) DrawSeries(*s);
    }
  }
  if (axisVisible_ && !axesFirst_) DrawAxes();
  canvas.Canvas().ResetDrawingState();
}

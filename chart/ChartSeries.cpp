#include "chart/ChartSeries.h"

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"

TChartSeries::TChartSeries() = default;

TChartSeries::~TChartSeries() {
  if (chart_ != nullptr) chart_->RemoveSeries(this);
}

void TChartSeries::SetParentChart(TCustomAxisPanel* chart) {
  if (chart == chart_) return;
  if (chart_ != nullptr) chart_->RemoveSeries(this);
  chart_ = nullptr;
  if (chart != nullptr) chart->AddSeries(this);  // sets chart_ and resolves the axes
  ResolveAxes();
}

void TChartSeries::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (chart_ != nullptr) chart_->RequestRepaint();
}

void TChartSeries::SetHorizAxis(THorizAxis value) {
  if (value == horizAxis_) return;
  horizAxis_ = value;
  ResolveAxes();
  Repaint();
}

void TChartSeries::SetVertAxis(TVertAxis value) {
  if (value == vertAxis_) return;
  vertAxis_ = value;
  ResolveAxes();
  Repaint();
}

void TChartSeries::ResolveAxes() {
  if (chart_ == nullptr) {
    horizAxisObj_ = nullptr;
    vertAxisObj_ = nullptr;
    return;
  }
  horizAxisObj_ = horizAxis_ == aTopAxis ? chart_->TopAxis() : chart_->BottomAxis();
  vertAxisObj_ = vertAxis_ == aRightAxis ? chart_->RightAxis() : chart_->LeftAxis();
}

bool TChartSeries::AssociatedToAxis(const TCustomChartAxis* axis) const {
  if (axis == nullptr) return false;
  if (axis->IsHorizontal()) return horizAxis_ == aBothHorizAxis || axis == horizAxisObj_;
  return vertAxis_ == aBothVertAxis || axis == vertAxisObj_;
}

void TChartSeries::GetHorizMargins(int& left, int& right) {
  left = 0;
  right = 0;
}

void TChartSeries::GetVertMargins(int& top, int& bottom) {
  top = 0;
  bottom = 0;
}

void TChartSeries::SetZOrder(int value) {
  if (!autoZOrder_ && value == zOrder_) return;
  autoZOrder_ = false;
  zOrder_ = value;
  Repaint();
}

void TChartSeries::CalcZOrder() {
  if (chart_ == nullptr) return;
  if (autoZOrder_) {
    chart_->SetMaxZOrder(chart_->MaxZOrder() + 1);
    zOrder_ = chart_->MaxZOrder();
  } else if (zOrder_ > chart_->MaxZOrder()) {
    chart_->SetMaxZOrder(zOrder_);
  }
}

bool TChartSeries::MoreSameZOrder() const {
  if (chart_ == nullptr) return false;
  for (const TChartSeries* other : chart_->SeriesList()) {
    if (other != this && other->Active() && other->ZOrder() == zOrder_) return true;
  }
  return false;
}

void TChartSeries::SetMarkDepth(int) {}

void TChartSeries::CalcFirstLastVisibleIndex() {
  const int count = PointCount();
  VisibleFrom = -1;
  VisibleTo = -1;
  if (count == 0) return;
  if (!XValuesOrdered() || chart_ == nullptr) {
    VisibleFrom = 0;
    VisibleTo = count - 1;
    return;
  }
  const TCustomChartAxis* axis = chart_->BottomAxis();
  const TRect plot = chart_->PlotRect();
  const double lo = axis->PixelToValue(axis->Inverted() ? plot.Right : plot.Left);
  const double hi = axis->PixelToValue(axis->Inverted() ? plot.Left : plot.Right);
  for (int i = 0; i < count; ++i) {
    if (XValue(i) >= lo) {
      VisibleFrom = i;
      break;
    }
  }
  if (VisibleFrom < 0) return;
  if (XValue(count - 1) > hi) {
    VisibleTo = count - 1;
    for (int i = VisibleFrom; i < count; ++i) {
      if (XValue(i) >= hi) {
        VisibleTo = i;
        break;
      }
    }
    if (!DrawBetweenPoints() && XValue(VisibleTo) > hi) --VisibleTo;
  } else {
    VisibleTo = count - 1;
  }
}

void TChartSeries::Repaint() const {
  if (active_ && chart_ != nullptr) chart_->RequestRepaint();
}

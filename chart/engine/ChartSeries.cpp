#include "chart/engine/ChartSeries.h"

#include <array>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/MarkTexts.h"
#include "chart/engine/UnmarkedIndexes.h"
#include "chart/settings/ChartBrush.h"
#include "chart/settings/ChartPen.h"
#include "chart/settings/StoreChanged.h"

TChartSeries::TChartSeries() : marks_([this] { Repaint(); }), xValues_(QStringLiteral("X")), yValues_(QStringLiteral("Y")) {
  xValues_.SetOrder(loAscending);
  valuesList_.Add(&xValues_);
  valuesList_.Add(&yValues_);
  xValues_.SetOnSettingChanged([this] { Repaint(); });
  yValues_.SetOnSettingChanged([this] { Repaint(); });
}

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

void TChartSeries::BindChart(TCustomAxisPanel* chart) {
  chart_ = chart;
  plan_ = nullptr;
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

void TChartSeries::SetSeriesColor(TColor value) {
  if (StoreChanged(seriesColor_, value)) Repaint();
}

void TChartSeries::SetTitle(const QString& value) {
  if (StoreChanged(title_, value)) Repaint();
}

void TChartSeries::SetValueFormat(const QString& value) {
  if (StoreChanged(valueFormat_, value)) Repaint();
}

int TChartSeries::AddPoint(double x, double y, const QString& label, TColor color) {
  if (OnBeforeAdd && !OnBeforeAdd(*this)) return -1;
  const int k = xValues_.AddValue(x);
  yValues_.InsertValueAt(k, y);
  colors_.insert(colors_.begin() + k, color);
  labels_.insert(labels_.begin() + k, label.isEmpty() ? QString() : label);
  if (!label.isEmpty()) ++labelled_;
  if (OnAfterAdd) OnAfterAdd(*this, k);
  Repaint();
  return k;
}

void TChartSeries::ClearPoints() {
  valuesList_.RemoveAllValues();
  colors_.clear();
  labels_.clear();
  labelled_ = 0;
  marks_.Positions().Clear();
  if (OnClearValues) OnClearValues(*this);
  Repaint();
}

double TChartSeries::XMinimum() const { return PointCount() > 0 ? xValues_.MinValue() : 0; }
double TChartSeries::XMaximum() const { return PointCount() > 0 ? xValues_.MaxValue() : 0; }
double TChartSeries::YMinimum() const { return PointCount() > 0 ? yValues_.MinValue() : 0; }
double TChartSeries::YMaximum() const { return PointCount() > 0 ? yValues_.MaxValue() : 0; }

int TChartSeries::CalcXPos(int index) const { return XPixel(index); }
int TChartSeries::CalcYPos(int index) const { return YPixel(index); }

int TChartSeries::ConvertedXPixel(int index) const { return GetHorizAxis()->ValueToPixel(XValue(index)); }
int TChartSeries::ConvertedYPixel(int index) const { return GetVertAxis()->ValueToPixel(YValue(index)); }

void TChartSeries::KeepPixels() {
  DropPixels();
  if (VisibleFrom < 0 || VisibleTo < VisibleFrom) return;
  const TCustomChartAxis& h = *GetHorizAxis();
  const TCustomChartAxis& v = *GetVertAxis();
  const size_t count = size_t(VisibleTo - VisibleFrom + 1);
  keptX_.resize(count);
  keptY_.resize(count);
  // A block of values at a time, converted together.
  std::array<double, 256> xs, ys;
  for (size_t from = 0; from < count; from += xs.size()) {
    const size_t n = std::min(xs.size(), count - from);
    for (size_t k = 0; k < n; ++k) {
      const int i = VisibleFrom + int(from + k);
      xs[k] = XValue(i);
      ys[k] = YValue(i);
    }
    h.ValuesToPixels({xs.data(), n}, keptX_.data() + from);
    v.ValuesToPixels({ys.data(), n}, keptY_.data() + from);
  }
  keptFrom_ = VisibleFrom;
}

void TChartSeries::DropPixels() {
  keptX_.clear();
  keptY_.clear();
}

void TChartSeries::DoBeforeDrawValues() {
  if (BeforeDrawValues) BeforeDrawValues(*this);
}

void TChartSeries::DoAfterDrawValues() {
  if (AfterDrawValues) AfterDrawValues(*this);
}

void TChartSeries::PaintValues() { PaintValuesBut(HiddenValues()); }

void TChartSeries::PaintValuesBut(std::span<const char> hidden) {
  const size_t count = VisibleCount();
  if (DrawValuesForward()) {
    ForEachUnmarked(hidden, count, [this](size_t k) { PaintValue(VisibleFrom + int(k)); });
    return;
  }
  for (size_t k = count; k-- > 0;)
    if (hidden.empty() || hidden[k] == 0) PaintValue(VisibleFrom + int(k));
}

QString TChartSeries::MarkText(int index) const { return MarkTextWith(index, RegionalSeparators()); }

QString TChartSeries::MarkTextWith(int index, const TNumberSeparators& separators) const {
  QString text;
  if (marks_.Style() == smsLabel) text = labels_[static_cast<size_t>(index)];
  if (text.isEmpty()) text = FormatFloat(valueFormat_, MarkValue(index), separators);
  if (OnGetMarkText) OnGetMarkText(const_cast<TChartSeries&>(*this), index, text);
  return text;
}

TSeriesMarkPosition TChartSeries::MarkPositionAt(int index, int boxWidth, int boxHeight) const {
  return MarkPositionAt(TPoint{CalcXPos(index), CalcYPos(index)}, boxWidth, boxHeight);
}

TSeriesMarkPosition TChartSeries::MarkPositionAt(TPoint p, int boxWidth, int boxHeight) {
  TSeriesMarkPosition position;
  position.BoxWidth = boxWidth;
  position.BoxHeight = boxHeight;
  position.ArrowStart = p;
  position.ArrowEnd = p;
  position.BoxTopLeft = {p.X - boxWidth / 2, p.Y - boxHeight + 1};
  return position;
}

void TChartSeries::MeasureMark(int index, const TNumberSeparators& separators, MeasuredText& m) {
  ChartCanvas& canvas = chart_->Canvas().Canvas();
  m.Text = MarkTextWith(index, separators);
  marks_.MeasureBox(canvas, m.Text, m.Width, m.Height);
  m.TextBounds = marks_.TextBounds(canvas, m.Text);
}

void TChartSeries::DrawMarks() {
  TChartCanvas3D& canvas3D = chart_->Canvas();
  canvas3D.Canvas().SetFont(marks_.CanvasFont(canvas3D));
  MarkTexts texts(*this);
  const auto draw = [&](int i) {
    if (IsNull(i)) return;
    const MeasuredText& m = texts.Of(i);
    if (m.Text.isEmpty()) return;
    TSeriesMarkPosition position = MarkPositionAt(i, m.Width, m.Height);
    PaintMark(i, m.Text, position);
  };
  const std::span<const char> hidden = plan_ != nullptr ? plan_->HiddenMarks() : std::span<const char>();
  ForEachUnmarked(hidden, VisibleCount(), [&](size_t k) { draw(VisibleFrom + int(k)); });
}

void TChartSeries::PaintMark(int index, const QString& text, TSeriesMarkPosition& position) {
  PlaceMark(position);
  marks_.DrawItem(chart_->Canvas(), chart_->Color(), index, ValueColor(index), text, position);
}

int TChartSeries::Clicked(int, int) const { return -1; }

bool PaintsOpaquely(const TChartPen& outline, const TChartBrush& fill) {
  return outline.Visible() && outline.Style() == TPenStyle::Solid && outline.Width() == 1 &&
         fill.Style() == TBrushStyle::Solid;
}

#include "chart/series/BarSeries.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/series/BarWidth.h"
#include "chart/settings/ChartException.h"
#include "chart/settings/StoreChanged.h"
#include "platform/Rounding.h"

TCustomBarSeries::TCustomBarSeries() {
  YValues().SetName(QStringLiteral("縦棒"));
  Marks().SetVisible(true);
  Marks().SetArrowLength(20);
  barPen_.OnChange = [this] { Repaint(); };
  barBrush_.OnChange = [this] { Repaint(); };
}

void TCustomBarSeries::SetBarWidthPercent(int value) {
  if (value == barWidthPercent_) return;
  if (value < 1 || value > 100) throw BarException(QStringLiteral("棒の幅は 1% から 100% でなければなりません"));
  barWidthPercent_ = value;
  Repaint();
}

void TCustomBarSeries::SetOffsetPercent(int value) {
  if (value == offsetPercent_) return;
  if (value < -100 || value > 100)
    throw BarException(QStringLiteral("棒の位置は -100% から 100% でなければなりません"));
  offsetPercent_ = value;
  Repaint();
}

void TCustomBarSeries::SetSideMargins(bool value) {
  if (StoreChanged(sideMargins_, value)) Repaint();
}

void TCustomBarSeries::SetBarStyle(TBarStyle value) {
  if (StoreChanged(barStyle_, value)) Repaint();
}

void TCustomBarSeries::SetDark3D(bool value) {
  if (StoreChanged(dark3D_, value)) Repaint();
}

void TCustomBarSeries::SetMultiBar(TMultiBar value) {
  if (StoreChanged(multiBar_, value)) Repaint();
}

void TCustomBarSeries::SetUseYOrigin(bool value) {
  if (StoreChanged(useYOrigin_, value)) Repaint();
}

void TCustomBarSeries::SetYOrigin(double value) {
  if (StoreChanged(yOrigin_, value)) Repaint();
}

void TCustomBarSeries::SetAutoBarSize(bool value) {
  if (StoreChanged(autoBarSize_, value)) Repaint();
}

void TCustomBarSeries::SetCustomBarWidth(int value) {
  if (StoreChanged(customBarWidth_, value)) Repaint();
}


bool TCustomBarSeries::IsInstanceOfMyClass(const TChartSeries& s) const {
  return dynamic_cast<const TCustomBarSeries*>(&s) != nullptr;
}

bool TCustomBarSeries::SameFamily(const TChartSeries& other) const {
  const auto* bar = dynamic_cast<const TCustomBarSeries*>(&other);
  return bar != nullptr && (IsInstanceOfMyClass(other) || bar->IsInstanceOfMyClass(*this));
}

int TCustomBarSeries::NumSameFamily() const {
  if (ParentChart() == nullptr) return 1;
  int n = 0;
  for (const TChartSeries* s : ParentChart()->SeriesList())
    if (s->Active() && SameFamily(*s)) ++n;
  return std::max(n, 1);
}

int TCustomBarSeries::OrderInFamily() const {
  if (ParentChart() == nullptr) return 1;
  int order = 1;
  for (const TChartSeries* s : ParentChart()->SeriesList()) {
    if (s == this) break;
    if (s->Active() && SameFamily(*s)) ++order;
  }
  return order;
}

void TCustomBarSeries::ComputeBarWidth() {
  if (customBarWidth_ != 0) {
    BarPixelWidth = customBarWidth_;
    return;
  }
  int n = PointCount();
  int bars = 1;
  const TCustomAxisPanel* chart = ParentChart();
  if (multiBar_ == mbSide && chart != nullptr) {
    bars = 0;
    for (const TChartSeries* s : chart->SeriesList()) {
      if (!s->Active() || !SameFamily(*s)) continue;
      ++bars;
      n = std::max(n, s->PointCount());
    }
    bars = std::max(bars, 1);
  }
  if (chart != nullptr && chart->MaxPointsPerPage() > 0) n = chart->MaxPointsPerPage();
  if (n <= 0 || GetHorizAxis() == nullptr) {
    BarPixelWidth = 0;
    return;
  }
  const TCustomChartAxis& axis = *GetHorizAxis();
  const int room = autoBarSize_ ? BarRoomForRange(axis.Mapping().PixelLength(), axis.Minimum(), axis.Maximum())
                                : BarRoomPerPoint(axis.Mapping().PixelLength(), n, sideMargins_);
  BarPixelWidth = BarWidthForRoom(room, barWidthPercent_, bars);
}

double TCustomBarSeries::YMinimum() const {
  if (PointCount() == 0) return 0;
  const double v = YValues().MinValue();
  return useYOrigin_ ? std::min(v, yOrigin_) : v;
}

double TCustomBarSeries::YMaximum() const {
  if (PointCount() == 0) return 0;
  const double v = YValues().MaxValue();
  return useYOrigin_ ? std::max(v, yOrigin_) : v;
}

void TCustomBarSeries::CalcZOrder() {
  if (multiBar_ != mbNone && AutoZOrder() && ParentChart() != nullptr) {
    for (const TChartSeries* s : ParentChart()->SeriesList()) {
      if (s == this) break;
      if (s->Active() && SameFamily(*s)) {
        TakeZOrder(s->ZOrder());
        return;
      }
    }
  }
  TChartSeries::CalcZOrder();
}

bool TCustomBarSeries::DrawValuesForward() const {
  return GetHorizAxis() == nullptr || !GetHorizAxis()->Inverted();
}

// --- TBarSeries ---

bool TBarSeries::IsInstanceOfMyClass(const TChartSeries& s) const {
  return dynamic_cast<const TBarSeries*>(&s) != nullptr;
}

int TBarSeries::MarkTextHeight() const {
  // Measured on the chart's canvas; without one the font's own height stands in.
  if (ParentChart() == nullptr || !ParentChart()->Canvas().HasCanvas()) return Marks().Font().Height();
  ChartCanvas& canvas = ParentChart()->Canvas().Canvas();
  canvas.SetFont(Marks().CanvasFont(ParentChart()->Canvas()));
  return canvas.TextHeight(QStringLiteral("W"));
}

void TBarSeries::ComputeBarShift() {
  if (MultiBar() == mbSide)
    barShift_ = RoundHalfEven((OrderInFamily() - NumSameFamily() * 0.5 - 1) * BarPixelWidth);
  else
    barShift_ = -(BarPixelWidth >> 1);
  if (OffsetPercent() != 0) barShift_ += RoundHalfEven(OffsetPercent() * BarPixelWidth * 0.01);
}

int TBarSeries::OriginPixel() const {
  const TCustomChartAxis& axis = *GetVertAxis();
  return UseYOrigin() ? axis.ValueToPixel(YOrigin()) : axis.Mapping().EndPixel();
}

void TBarSeries::PaintValues() {
  ComputeBarShift();
  PaintValuesBut(HiddenValues());
}

void TBarSeries::PaintValue(int index) {
  const TColor pc = ValueColor(index);
  if (pc == clNone) return;
  NormalBarColor = pc;
  const TRect bar = BarRect(index);
  BarBounds.Left = bar.Left;
  BarBounds.Right = bar.Right;
  const PlannedShape shape(Plan(), index);
  PaintBar(index, bar.Top, bar.Bottom);
}

void TBarSeries::PaintBar(int index, int top, int bottom) {
  BarBounds.Top = top;
  BarBounds.Bottom = bottom;
  TChartCanvas3D& canvas3D = ParentChart()->Canvas();
  ChartCanvas& canvas = canvas3D.Canvas();
  if (BarPen().Visible())
    canvas.SetPen(BarPen().ToCanvasPen());
  else
    canvas.ClearPen();
  canvas.SetBrush({ValueColor(index), BarBrush().Style()});
  if (canvas3D.Is3D())
    canvas3D.Box(BarBounds.Left, BarBounds.Right, top, bottom, ZFront, ZBack, Dark3D());
  else
    canvas.Rectangle(BarBounds);
}

bool TBarSeries::ValuesPaintOpaquely() const { return PaintsOpaquely(BarPen(), BarBrush()); }

void TBarSeries::PlaceMark(TSeriesMarkPosition& position) {
  const int half = BarPixelWidth / 2;
  int a = Marks().ArrowLength();
  if (OriginPixel() < position.ArrowStart.Y) a = -Marks().ArrowLength() - position.BoxHeight;
  position.ArrowStart.X += half;
  position.ArrowEnd.X += half;
  position.ArrowEnd.Y -= a;
  position.BoxTopLeft.X += half;
  position.BoxTopLeft.Y -= a;
}

void TBarSeries::GetHorizMargins(int& left, int& right) {
  left = 0;
  right = 0;
  ComputeBarWidth();
  ComputeBarShift();
  const int bars = MultiBar() == mbSide ? NumSameFamily() : 1;
  int margin = bars * BarPixelWidth;
  if (!SideMargins()) margin >>= 1;
  left += margin;
  right += margin;
}

void TBarSeries::GetVertMargins(int& top, int& bottom) {
  top = 0;
  bottom = 0;
  if (PointCount() == 0 || !Marks().Visible()) return;
  const int m = MarkTextHeight() + Marks().ArrowLength() + (Marks().Frame().Visible() ? 2 * Marks().Frame().Width() : 0);
  if (m <= 0) return;
  const bool inverted = GetVertAxis() != nullptr && GetVertAxis()->Inverted();
  int& below = inverted ? top : bottom;
  int& above = inverted ? bottom : top;
  if (UseYOrigin() && YValues().MinValue() < YOrigin()) below += m + 1;
  if (!UseYOrigin() || YValues().MaxValue() > YOrigin()) above += m + 1;
}

// The bar's edges count as the bar.
int TBarSeries::Clicked(int x, int y) const {
  if (ParentChart() == nullptr || VisibleFrom < 0) return -1;
  const TPoint p = ParentChart()->Canvas().UnProject(x, y, ZFront);
  const int origin = OriginPixel();
  for (int i = VisibleFrom; i <= VisibleTo; ++i) {
    if (IsNull(i)) continue;
    const TRect bar = BarRect(i, origin);
    if (p.X >= bar.Left && p.X <= bar.Right && p.Y >= bar.Top && p.Y <= bar.Bottom) return i;
  }
  return -1;
}

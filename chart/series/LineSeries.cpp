#include "chart/series/LineSeries.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/settings/StoreChanged.h"

namespace {
// Even-odd rule: an edge is crossed when p.Y lies from one end's y up to, not including, the
// other's, and p lies left of the edge.
bool InsideQuad(const TPoint (&q)[4], TPoint p) {
  bool inside = false;
  for (int k = 0, j = 3; k < 4; j = k++) {
    const TPoint a = q[j], b = q[k];
    if ((a.Y <= p.Y && p.Y < b.Y) || (b.Y <= p.Y && p.Y < a.Y)) {
      const double edgeX = a.X + static_cast<double>(p.Y - a.Y) * (b.X - a.X) / (b.Y - a.Y);
      if (p.X < edgeX) inside = !inside;
    }
  }
  return inside;
}
}  // namespace

TCustomSeries::TCustomSeries() : pointer_([this] { Repaint(); }) {
  linePen_.OnChange = [this] { Repaint(); };
  lineBrush_.SetStyle(TBrushStyle::Solid);
  lineBrush_.OnChange = [this] { Repaint(); };
}

void TCustomSeries::SetDark3D(bool value) {
  if (StoreChanged(dark3D_, value)) Repaint();
}

void TCustomSeries::PaintValues() {
  PrevColor = clNone;
  PrevPoint = {};
  prevInside_ = false;
  // The slant of the row: how far a point moves up per pixel it moves right with depth.
  SlopeLimit = 1.0;
  if (dark3D_) {
    const TChartCanvas3D& canvas3D = ParentChart()->Canvas();
    const TPoint front = canvas3D.Project(0, 0, ZFront);
    const TPoint back = canvas3D.Project(0, 0, ZBack);
    if (back.X != front.X) SlopeLimit = static_cast<double>(front.Y - back.Y) / (back.X - front.X);
  }
  // A visible point symbol is drawn at every point, a piece painted over or not.
  PaintValuesBut(pointer_.Visible() ? std::span<const char>() : HiddenValues());
}

TPoint TCustomSeries::EdgePoint(int index) const {
  const TCustomChartAxis& hAxis = *GetHorizAxis();
  const TRect& plot = ParentChart()->PlotRect();
  const int x = hAxis.Inverted() ? plot.Right : plot.Left;
  const double x0 = XValue(index - 1), x1 = XValue(index);
  const double y0 = YValue(index - 1), y1 = YValue(index);
  double y = y0;
  if (x1 != x0) y = y0 + (y1 - y0) * (hAxis.PixelToValue(x) - x0) / (x1 - x0);
  return {x, GetVertAxis()->ValueToPixel(y)};
}

void TCustomSeries::PaintValue(int index) {
  const std::span<const char> hidden = HiddenValues();
  if (index > VisibleFrom && !hidden.empty() && hidden[size_t(index - 1 - VisibleFrom)] != 0) {
    // The piece before, painted over entirely, may have been passed by: it ends at a drawable,
    // coloured point after another, where this piece starts.
    PrevPoint = {CalcXPos(index - 1), CalcYPos(index - 1)};
    PrevColor = ValueColor(index - 1);
    prevInside_ = true;
  }
  const TColor pc = ValueColor(index);
  const TPoint p{CalcXPos(index), CalcYPos(index)};
  if (!Drawable(p)) {
    // The line joins the neighbours directly; before any drawable point there is nothing to
    // join, so the next point starts afresh.
    PrevColor = prevInside_ ? pc : clNone;
    return;
  }
  ChartCanvas& canvas = ParentChart()->Canvas().Canvas();
  canvas.SetPenColor(clBlack);
  canvas.SetBrushColor(pc);
  if (PrevColor == clNone) PrevPoint = p;
  if (index == VisibleFrom) {
    if (index > 0) {
      PrevPoint = EdgePoint(index);
      if (!IsNull(index - 1)) DrawSegment(p, pc);
    }
  } else if (hidden.empty() || hidden[size_t(index - VisibleFrom)] == 0) {
    const PlannedShape shape(Plan(), index);
    DrawSegment(p, pc);
  }
  if (pointer_.Visible() && pc != clNone) DrawPointer(p, pc);
  PrevPoint = p;
  PrevColor = pc;
  prevInside_ = true;
}

void TCustomSeries::DrawSegment(TPoint p, TColor pc) {
  if (p == PrevPoint || pc == clNone) return;
  TChartCanvas3D& canvas3D = ParentChart()->Canvas();
  ChartCanvas& canvas = canvas3D.Canvas();
  TCanvasPen pen = linePen_.ToCanvasPen();
  if (!linePen_.Visible()) pen.Style = TPenStyle::Clear;
  if (!canvas3D.Is3D()) {
    pen.Color = pc;
    canvas.SetPen(pen);
    canvas.Line(PrevPoint.X, PrevPoint.Y, p.X, p.Y);
    return;
  }
  TColor fill = pc;
  if (dark3D_ && p.X != PrevPoint.X && SlopeLimit != 0 &&
      static_cast<double>(PrevPoint.Y - p.Y) / (p.X - PrevPoint.X) > SlopeLimit)
    fill = TChartCanvas3D::DarkenColor(pc, 64);
  canvas.SetPen(pen);
  canvas.SetBrush({fill, lineBrush_.Style()});
  canvas3D.PlaneWithZ(p, PrevPoint, ZFront, ZBack);
  canvas.SetBrushColor(pc);
}

void TCustomSeries::DrawPointer(TPoint p, TColor color) {
  pointer_.Draw(ParentChart()->Canvas(), p.X, p.Y, color, ZFront, ZBack);
}

void TCustomSeries::PlaceMark(TSeriesMarkPosition& position) {
  Marks().MarkDepth = ZFront;
  position.ArrowEnd.Y -= Marks().ArrowLength();
  position.BoxTopLeft.Y -= Marks().ArrowLength();
}

bool TCustomSeries::ValuesPaintOpaquely() const { return PaintsOpaquely(linePen_, lineBrush_) && !pointer_.Visible(); }

void TCustomSeries::GetHorizMargins(int& left, int& right) {
  left = 0;
  right = 0;
  if (pointer_.Visible() && pointer_.InflateMargins()) left = right = pointer_.HorizSize() + 1;
}

void TCustomSeries::GetVertMargins(int& top, int& bottom) {
  top = 0;
  bottom = 0;
  if (pointer_.Visible() && pointer_.InflateMargins()) top = bottom = pointer_.VertSize() + 1;
}

int TCustomSeries::Clicked(int x, int y) const {
  if (ParentChart() == nullptr || VisibleFrom < 0) return -1;
  const TPoint p = ParentChart()->Canvas().UnProject(x, y, ZFront);
  const int d = ParentChart()->SeriesDepth();
  TPoint prev{};
  for (int i = VisibleFrom; i <= VisibleTo; ++i) {
    const TPoint pi{CalcXPos(i), CalcYPos(i)};
    if (pi == p) return i;
    if (i > VisibleFrom) {
      const TPoint ribbon[4] = {pi, {pi.X + d, pi.Y - d}, {prev.X + d, prev.Y - d}, prev};
      if (InsideQuad(ribbon, p)) return i - 1;
    }
    prev = pi;
  }
  return -1;
}

TLineSeries::TLineSeries() { Pointer().SetVisible(false); }

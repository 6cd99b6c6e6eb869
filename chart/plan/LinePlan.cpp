#include "chart/plan/LinePlan.h"

#include <algorithm>

#include "chart/canvas/CanvasHints.h"
#include "chart/engine/AxisPanel.h"
#include "chart/plan/OverpaintedShapes.h"
#include "chart/series/LineSeries.h"

LinePlan::LinePlan(TCustomSeries& line) : PlannedSeries(line), line_(line) {}

void LinePlan::PlanValues(CanvasHints* hints) {
  hints_ = hints;
  hiddenValues_.clear();
  coveredRows_.clear();
  const TCustomSeries& l = line_;
  const TChartCanvas3D& canvas3D = l.ParentChart()->Canvas();
  if (l.VisibleFrom < 0 || !l.DrawValuesForward() || !canvas3D.Is3D() || canvas3D.ZoomScale() != 1.0 ||
      !PaintsOpaquely(l.LinePen(), l.LineBrush()))
    return;
  const size_t count = size_t(l.VisibleTo - l.VisibleFrom + 1);
  // The view is not zoomed, so projecting moves every row alike: the shapes are given in bitmap
  // rows straight away.
  const int row0 = canvas3D.Project(0, 0, l.ZFront).Y;
  const int depth = canvas3D.DiagonalDepth(l.ZFront, l.ZBack);
  const bool fullRows = depth > 0;
  struct Point {
    TPoint At;
    bool Drawn;
  };
  const auto pointAt = [&l](size_t k) {
    const int i = l.VisibleFrom + int(k);
    const TPoint p{l.CalcXPos(i), l.CalcYPos(i)};
    return Point{p, TCustomSeries::Drawable(p) && l.ValueColor(i) != clNone};
  };
  // The shapes come last to first, each piece from its point and the one before.
  Point here = pointAt(count - 1);
  Overpainting found = OverpaintedShapes(count, [&](size_t k) {
    ColumnShape s;
    if (k == 0) return s;
    const Point prev = pointAt(k - 1);
    const TPoint p = here.At;
    if (here.Drawn && prev.Drawn && p == prev.At) {
      s.Drawn = false;  // a piece of no length is not drawn
    } else if (here.Drawn && prev.Drawn && p.X == prev.At.X) {
      s.Column = p.X;
      s.From = std::min(p.Y, prev.At.Y) + row0;
      s.To = std::max(p.Y, prev.At.Y) + row0;
      if (fullRows) {
        s.FullFrom = s.From;
        s.FullTo = s.To - depth - 1;
      }
    }
    here = prev;
    return s;
  });
  hiddenValues_ = std::move(found.Hidden);
  coveredRows_ = std::move(found.CoveredRows);
}

void LinePlan::ValuesDrawn() {
  PlannedSeries::ValuesDrawn();
  coveredRows_.clear();
  hints_ = nullptr;
}

void LinePlan::BeforeShape(int index) const {
  if (hints_ == nullptr || coveredRows_.empty()) return;
  const auto [top, bottom] = coveredRows_[size_t(index - line_.VisibleFrom)];
  hints_->LeaveOutRows(top, bottom);
}

void LinePlan::AfterShape() const {
  if (hints_ != nullptr && !coveredRows_.empty()) hints_->LeaveOutRows(1, 0);
}

#include "chart/plan/BarsPlan.h"

#include <algorithm>

#include "chart/canvas/CanvasHints.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/UnmarkedIndexes.h"
#include "chart/plan/OverpaintedShapes.h"
#include "chart/raster/CoveredPixels.h"
#include "chart/series/BarSeries.h"

BarsPlan::BarsPlan(TBarSeries& bars) : PlannedSeries(bars), bars_(bars) {}

std::vector<char> BarsPlan::OverpaintedBars() const {
  const TBarSeries& b = bars_;
  if (b.VisibleFrom < 0 || !PaintsOpaquely(b.BarPen(), b.BarBrush()) || b.ParentChart()->Canvas().ZoomScale() != 1.0)
    return {};
  const bool forward = b.DrawValuesForward();
  const int count = b.VisibleTo - b.VisibleFrom + 1;
  const int origin = b.OriginPixel();
  const auto shapeAt = [&](size_t k) {
    const int i = forward ? b.VisibleFrom + int(k) : b.VisibleTo - int(k);
    ColumnShape s;
    s.Drawn = b.ValueColor(i) != clNone;
    if (!s.Drawn) return s;
    const TRect bar = b.BarRect(i, origin);
    s.Column = bar.Left;
    s.Base = bar.Bottom;
    s.From = bar.Top;
    s.To = bar.Bottom;
    return s;
  };
  std::vector<char> hidden = OverpaintedShapes(size_t(count), shapeAt).Hidden;
  if (!forward) std::reverse(hidden.begin(), hidden.end());
  return hidden;
}

// The box's pixels lie within the corners of its front and back faces, projected.
void BarsPlan::PlanCovered(const CoveredPixels& covered) {
  covered_.clear();
  TBarSeries& b = bars_;
  if (b.VisibleFrom < 0 || b.VisibleTo < b.VisibleFrom || !b.ValuesPaintOpaquely()) return;
  const TChartCanvas3D& canvas3D = b.ParentChart()->Canvas();
  b.ComputeBarShift();
  covered_ = OverpaintedBars();  // the bars the column's later ones hide, or none
  if (covered_.empty()) covered_.assign(size_t(b.VisibleTo - b.VisibleFrom + 1), 0);
  const int origin = b.OriginPixel();
  ForEachUnmarked(covered_, covered_.size(), [&](size_t k) {
    const int i = b.VisibleFrom + int(k);
    if (b.ValueColor(i) == clNone) return;
    const TRect bar = b.BarRect(i, origin);
    TRect box{0, 0, 0, 0};
    for (int z : {b.ZFront, b.ZBack}) {
      const TPoint p = canvas3D.Project(bar.Left, bar.Top, z), q = canvas3D.Project(bar.Right, bar.Bottom, z);
      box = Union(box, {std::min(p.X, q.X), std::min(p.Y, q.Y), std::max(p.X, q.X) + 1, std::max(p.Y, q.Y) + 1});
    }
    covered_[k] = covered.Covers(box);
  });
}

void BarsPlan::PlanValues(CanvasHints* hints) {
  hints_ = hints;
  bars_.ComputeBarShift();
  if (covered_.empty())
    hiddenValues_ = OverpaintedBars();
  else
    hiddenValues_.swap(covered_);
  covered_.clear();
  nextCovers_ = NextBarsCover();
}

void BarsPlan::ValuesDrawn() {
  PlannedSeries::ValuesDrawn();
  hints_ = nullptr;
  nextCovers_ = false;
}

bool BarsPlan::NextBarsCover() const {
  const TBarSeries& b = bars_;
  return b.VisibleFrom >= 0 && b.DrawValuesForward() && PaintsOpaquely(b.BarPen(), b.BarBrush()) &&
         b.ParentChart()->Canvas().DiagonalDepth(b.ZFront, b.ZBack) > 0;
}

// The next bar's pixels in each of its rows run without a gap from its left edge to the end of its
// side face, and this bar's pixels there end no farther right, its box being the next one's moved
// left (and cut or raised at the top, which stays within the next one's side face). So they may be
// left out, whether the next bar is drawn or left out for being painted over in turn.
void BarsPlan::BeforeShape(int index) const {
  const TBarSeries& b = bars_;
  const int next = index + 1;
  if (hints_ == nullptr || !nextCovers_ || next > b.VisibleTo || b.ValueColor(next) == clNone) return;
  const int origin = b.OriginPixel();
  const TRect here = b.BarRect(index, origin), there = b.BarRect(next, origin);
  // Both stand up from the origin, the next one no farther left.
  if (here.Bottom != origin || there.Bottom != origin || there.Left < here.Left) return;
  const TChartCanvas3D& canvas3D = b.ParentChart()->Canvas();
  const TPoint from = canvas3D.Project(there.Left, there.Top, b.ZFront);
  hints_->LeaveOutColumns(from.X, from.Y, canvas3D.Project(there.Left, origin, b.ZFront).Y);
}

void BarsPlan::AfterShape() const {
  if (hints_ != nullptr) hints_->LeaveOutRows(1, 0);
}

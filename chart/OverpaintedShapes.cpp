#include "chart/OverpaintedShapes.h"

#include <algorithm>

Overpainting OverpaintedShapes(std::span<const ColumnShape> shapes) {
  Overpainting result{std::vector<char>(shapes.size(), 0), std::vector<std::pair<int, int>>(shapes.size(), {1, 0})};
  // The band of the run that follows the shape looked at, the rows its shapes cover, and one
  // stretch of rows in which they set the band's every pixel (a shape left out counts too: its
  // pixels are set again by later ones). Where a shape's full rows do not meet that stretch the
  // longer of the two is kept.
  bool inRun = false;
  int column = 0, base = 0, from = 0, to = 0;
  int fullFrom = 1, fullTo = 0;
  for (size_t k = shapes.size(); k-- > 0;) {
    const ColumnShape& s = shapes[k];
    if (!s.Drawn) continue;
    if (s.Column == ColumnShape::kNoColumn) {
      inRun = false;
      continue;
    }
    const bool sameBand = inRun && s.Column == column && s.Base == base;
    if (sameBand) {
      result.CoveredRows[k] = {fullFrom, fullTo};
      if (from <= s.From && s.To <= to) result.Hidden[k] = 1;
      from = std::min(from, s.From);
      to = std::max(to, s.To);
    } else {
      inRun = true;
      column = s.Column;
      base = s.Base;
      from = s.From;
      to = s.To;
      fullFrom = 1;
      fullTo = 0;
    }
    if (s.FullFrom > s.FullTo) continue;
    if (fullFrom > fullTo || (s.FullFrom <= fullTo + 1 && fullFrom <= s.FullTo + 1)) {
      const bool none = fullFrom > fullTo;
      fullFrom = none ? s.FullFrom : std::min(fullFrom, s.FullFrom);
      fullTo = none ? s.FullTo : std::max(fullTo, s.FullTo);
    } else if (s.FullTo - s.FullFrom > fullTo - fullFrom) {
      fullFrom = s.FullFrom;
      fullTo = s.FullTo;
    }
  }
  return result;
}

bool PaintsOpaquely(const TChartPen& outline, const TChartBrush& fill) {
  return outline.Visible() && outline.Style() == TPenStyle::Solid && outline.Width() == 1 &&
         fill.Style() == TBrushStyle::Solid;
}

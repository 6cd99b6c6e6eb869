#include "chart/OverpaintedShapes.h"

#include <algorithm>

std::vector<char> OverpaintedShapes(std::span<const ColumnShape> shapes) {
  std::vector<char> hidden(shapes.size(), 0);
  // The band of the run that follows the shape looked at, and the rows its shapes cover.
  bool inRun = false;
  int column = 0, base = 0, from = 0, to = 0;
  for (size_t k = shapes.size(); k-- > 0;) {
    const ColumnShape& s = shapes[k];
    if (!s.Drawn) continue;
    if (s.Column == ColumnShape::kNoColumn) {
      inRun = false;
      continue;
    }
    const bool sameBand = inRun && s.Column == column && s.Base == base;
    if (sameBand && from <= s.From && s.To <= to) {
      hidden[k] = 1;
    } else if (sameBand) {
      from = std::min(from, s.From);
      to = std::max(to, s.To);
    } else {
      inRun = true;
      column = s.Column;
      base = s.Base;
      from = s.From;
      to = s.To;
    }
  }
  return hidden;
}

bool PaintsOpaquely(const TChartPen& outline, const TChartBrush& fill) {
  return outline.Visible() && outline.Style() == TPenStyle::Solid && outline.Width() == 1 &&
         fill.Style() == TBrushStyle::Solid;
}

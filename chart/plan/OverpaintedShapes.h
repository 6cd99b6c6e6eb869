#pragma once
// Which shapes of a series' repaint leave no pixel behind because later shapes of the same
// column paint over every pixel they set. A shape here is a box or ribbon piece standing in one
// pixel column: its outline and fill cover the rows From..To of the column's band, and a later
// shape of the same band covering those rows sets each of those pixels again, whatever is drawn
// in between. Leaving such a shape out gives the same picture with less drawing.
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

struct ColumnShape {
  static constexpr int kNoColumn = -2147483647 - 1;
  // The band the shape stands in (kNoColumn: a shape of another form, which no later shape is
  // taken to cover and which ends the band's run); Base tells bands of one column apart.
  int Column = kNoColumn;
  int Base = 0;
  int From = 0, To = 0;  // the rows, From <= To
  // The rows in which the shape sets every pixel of the band's width; none when FullFrom > FullTo.
  int FullFrom = 1, FullTo = 0;
  bool Drawn = true;  // false: nothing is drawn for it at all
};

struct Overpainting {
  // By shape: 1 where a shape is painted over entirely.
  std::vector<char> Hidden;
  // By shape: rows in which later shapes of its band set every pixel of the band's width, so that
  // the shape's own pixels there need not be set (none when the first exceeds the second).
  std::vector<std::pair<int, int>> CoveredRows;
};

// For count shapes in drawing order, shapeAt(k) giving shape k; it is asked for each k once, from
// the last shape to the first, so that it may make each from the one before. Within a run of
// consecutive shapes of one band the rows the later shapes cover must form one stretch: bars
// standing on one base line, or the pieces of one unbroken line.
template <class ShapeAt>
Overpainting OverpaintedShapes(size_t count, ShapeAt shapeAt);

template <class ShapeAt>
Overpainting OverpaintedShapes(size_t count, ShapeAt shapeAt) {
  Overpainting result{std::vector<char>(count, 0), std::vector<std::pair<int, int>>(count, {1, 0})};
  // The band of the run that follows the shape looked at, the rows its shapes cover, and one
  // stretch of rows in which they set the band's every pixel (a shape left out counts too: its
  // pixels are set again by later ones). Where a shape's full rows do not meet that stretch the
  // longer of the two is kept.
  bool inRun = false;
  int column = 0, base = 0, from = 0, to = 0;
  int fullFrom = 1, fullTo = 0;
  for (size_t k = count; k-- > 0;) {
    const ColumnShape s = shapeAt(k);
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

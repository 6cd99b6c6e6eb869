#pragma once
// Which shapes of a series' repaint leave no pixel behind because later shapes of the same
// column paint over every pixel they set. A shape here is a box or ribbon piece standing in one
// pixel column: its outline and fill cover the rows From..To of the column's band, and a later
// shape of the same band covering those rows sets each of those pixels again, whatever is drawn
// in between. Leaving such a shape out gives the same picture with less drawing.
#include <span>
#include <vector>

#include "chart/ChartBrush.h"
#include "chart/ChartPen.h"

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

// For shapes in drawing order. Within a run of consecutive shapes of one band the rows the later
// shapes cover must form one stretch: bars standing on one base line, or the pieces of one
// unbroken line.
Overpainting OverpaintedShapes(std::span<const ColumnShape> shapes);

// Whether shapes drawn with this outline and fill set every pixel they touch opaquely, so that a
// later shape covering an earlier one's rows hides it: a solid one-pixel outline and a solid fill.
bool PaintsOpaquely(const TChartPen& outline, const TChartBrush& fill);

#pragma once
// The plan of a line series' ribbon. Where the line runs up and down within one pixel column, its
// pieces there are bands of that column, and the pieces after one of them cover one stretch of
// rows: a piece inside that stretch is painted over entirely when nothing shows through the
// pieces and the view is not zoomed (a zoomed view rounds each projected corner by itself). Only
// pieces between two drawable, coloured neighbours count; anything else ends the column's run.
//
// Such a piece from row a down to row b is a parallelogram d pixels deep: its front edge at
// column x, its back edge at x + d, d rows higher. In the rows a to b - d - 1 only those two edges
// cross the row, so its fill sets columns x to x + d - 1 and its outline column x + d: every pixel
// of the band, whose pieces set no pixel outside those columns. A piece's rows that later pieces
// fill that way are left out of its drawing.
#include <utility>
#include <vector>

#include "chart/plan/PlannedSeries.h"

class TCustomSeries;

class LinePlan : public PlannedSeries {
 public:
  explicit LinePlan(TCustomSeries& line);

  void PlanValues(CanvasHints* hints) override;
  void ValuesDrawn() override;
  void BeforeShape(int index) const override;
  void AfterShape() const override;

 private:
  TCustomSeries& line_;
  // By index - VisibleFrom, the bitmap rows of the piece that later pieces paint over (none when
  // the first exceeds the second); empty when no piece is left out.
  std::vector<std::pair<int, int>> coveredRows_;
  CanvasHints* hints_ = nullptr;
};

#pragma once
// The pixels inside a polygon with integer corners, row by row, under the rule of the raster
// painter without antialiasing and with the odd-even fill: a row's pixels are sampled at their
// centres, each edge crosses the rows whose centre line it spans (top row in, bottom row out),
// and where an edge crosses a row is found in 16.16 fixed point, its slope cut towards zero.
// Pixels between the first and second crossing, the third and fourth, ... are inside.
#include <QPoint>
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

class PolygonSpans {
 public:
  // The corners farther out than this on either axis are not handled.
  static constexpr int kCoordinateLimit = 32766;

  // Takes the polygon's edges; false (and no rows) when a corner lies beyond the limit.
  bool Set(std::span<const QPoint> points);
  // The rows the polygon may cover: Top() to Bottom(), none when Top() > Bottom().
  int Top() const { return top_; }
  int Bottom() const { return bottom_; }
  // Row y's inside pixels as pairs [left, right): left of one pair <= right of it <= left of the
  // next. The span stays valid until the next call.
  std::span<const int> Row(int y);
  // f(y, left, right) for each inside pair [left, right) of the rows from..to, top to bottom,
  // the same pairs as Row's. Between two rows where an edge begins or ends the same edges cross
  // every row; where they are two, as in every row of a convex polygon, their crossings are
  // stepped from one column to the next instead of found and sorted anew for each row: the rows
  // top..bottom where neither moves, as in the side of a box or a steep narrow piece, have the
  // one pair that block(top, bottom, left, right) gets; a single row goes to f.
  template <typename F, typename B>
  void ForEachSpan(int from, int to, F f, B block);

 private:
  struct Edge {
    int Top, Bottom;    // the rows it crosses: Top to Bottom - 1
    int64_t Base;       // the crossing of row y at Base + y * Slope (16.16, pixel boundary at 0)
    int64_t Slope;      // 16.16 columns per row
  };
  // Whether an edge of the slope moves its crossing by a column or more every row.
  static bool Flat(int64_t slope) { return slope >= 0x10000 || slope <= -0x10000; }
  // How many rows from a crossing at x (16.16) stepping by slope per row stay in x's column:
  // at least 1, and more than any polygon's height when the slope is 0.
  static int64_t RowsInColumn(int64_t x, int64_t slope) {
    const int64_t column = x & ~int64_t{0xffff};  // the column's left boundary
    if (slope > 0) return (column + 0x10000 - x + slope - 1) / slope;
    if (slope < 0) return (x - column) / -slope + 1;
    return int64_t{1} << 40;
  }

  static constexpr size_t kFewCorners = 8;  // up to this many, their rows are sorted as they come
  std::vector<Edge> edges_;
  std::vector<int> crossings_;
  // The rows where an edge begins or ends, in order, each once: the corners' rows, as every
  // corner's row is that of an edge's end or, between two level edges, of a neighbour's.
  std::vector<int> events_;
  int top_ = 1, bottom_ = 0;
};

template <typename F, typename B>
void PolygonSpans::ForEachSpan(int from, int to, F f, B block) {
  for (size_t k = 0; k + 1 < events_.size(); ++k) {
    const int y0 = std::max(events_[k], from), y1 = std::min(events_[k + 1], to + 1);
    if (y0 >= y1) continue;
    const Edge* pair[2] = {nullptr, nullptr};
    int active = 0;
    for (const Edge& e : edges_) {
      if (e.Top <= events_[k] && e.Bottom >= events_[k + 1] && active++ < 2) pair[active - 1] = &e;
    }
    if (active != 2) {
      for (int y = y0; y < y1; ++y) {
        const std::span<const int> row = Row(y);
        for (size_t i = 0; i + 1 < row.size(); i += 2)
          if (row[i] < row[i + 1]) f(y, row[i], row[i + 1]);
      }
      continue;
    }
    int64_t a = pair[0]->Base + int64_t(y0) * pair[0]->Slope, b = pair[1]->Base + int64_t(y0) * pair[1]->Slope;
    if (Flat(pair[0]->Slope) || Flat(pair[1]->Slope)) {
      // A crossing moves every row: row by row.
      for (int y = y0; y < y1; ++y, a += pair[0]->Slope, b += pair[1]->Slope) {
        const int ca = int(a >> 16), cb = int(b >> 16);
        if (ca != cb) f(y, std::min(ca, cb), std::max(ca, cb));
      }
      continue;
    }
    for (int y = y0; y < y1;) {
      const int ca = int(a >> 16), cb = int(b >> 16);
      // The rows from y on where neither crossing moves to another column have the one pair.
      const int n = int(std::min<int64_t>({RowsInColumn(a, pair[0]->Slope), RowsInColumn(b, pair[1]->Slope), y1 - y}));
      if (ca != cb) {
        if (n == 1)
          f(y, std::min(ca, cb), std::max(ca, cb));
        else
          block(y, y + n - 1, std::min(ca, cb), std::max(ca, cb));
      }
      y += n;
      a += n * pair[0]->Slope;
      b += n * pair[1]->Slope;
    }
  }
}

#pragma once
// The pixels inside a polygon with integer corners, row by row, under the rule of the raster
// painter without antialiasing and with the odd-even fill: a row's pixels are sampled at their
// centres, each edge crosses the rows whose centre line it spans (top row in, bottom row out),
// and where an edge crosses a row is found in 16.16 fixed point, its slope cut towards zero.
// Pixels between the first and second crossing, the third and fourth, ... are inside.
#include <QPoint>
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

 private:
  struct Edge {
    int Top, Bottom;    // the rows it crosses: Top to Bottom - 1
    int64_t Base;       // the crossing of row y at Base + y * Slope (16.16, pixel boundary at 0)
    int64_t Slope;      // 16.16 columns per row
  };
  std::vector<Edge> edges_;
  std::vector<int> crossings_;
  int top_ = 1, bottom_ = 0;
};

#include "chart/raster/PolygonSpans.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

bool PolygonSpans::Set(std::span<const QPoint> points) {
  edges_.clear();
  top_ = INT_MAX;
  bottom_ = INT_MIN;
  const auto beyond = [](const QPoint& p) { return std::abs(p.x()) > kCoordinateLimit || std::abs(p.y()) > kCoordinateLimit; };
  if (std::any_of(points.begin(), points.end(), beyond)) return false;
  for (size_t i = 0; i < points.size(); ++i) {
    QPoint a = points[i], b = points[i + 1 < points.size() ? i + 1 : 0];
    if (a.y() == b.y()) continue;  // a horizontal edge crosses no centre line
    if (a.y() > b.y()) std::swap(a, b);
    const int64_t dx = b.x() - a.x(), dy = b.y() - a.y();
    // The slope's fraction cut towards zero (C++ division), as the painter's conversion does.
    // The upright and the diagonal edges, most of the chart's, need no division.
    const int64_t slope = dx == 0 ? 0 : dx == dy ? 65536 : dx == -dy ? -65536 : dx * 65536 / dy;
    // At the top row's centre the edge has gone half a row: half the fixed-point slope, rounded
    // down (arithmetic shift). The 0.5 added makes the integer part the first pixel whose centre
    // lies right of the crossing.
    const int64_t atTop = (int64_t(a.x()) << 16) + 32768 + (slope >> 1);
    edges_.push_back({a.y(), b.y(), atTop - int64_t(a.y()) * slope, slope});
    top_ = std::min(top_, a.y());
    bottom_ = std::max(bottom_, b.y() - 1);
  }
  crossings_.resize(edges_.size());
  // The chart's polygons have a few corners, whose rows are sorted in place as they come: the
  // library's sort moves them with a call of memmove each.
  events_.clear();
  if (edges_.empty()) return true;
  if (points.size() > kFewCorners) {
    for (const QPoint& p : points) events_.push_back(p.y());
    std::sort(events_.begin(), events_.end());
    events_.erase(std::unique(events_.begin(), events_.end()), events_.end());
    return true;
  }
  for (const QPoint& p : points) {
    const int row = p.y();
    size_t j = events_.size();
    if (std::find(events_.begin(), events_.end(), row) != events_.end()) continue;
    events_.push_back(row);
    for (; j > 0 && events_[j - 1] > row; --j) events_[j] = events_[j - 1];
    events_[j] = row;
  }
  return true;
}

std::span<const int> PolygonSpans::Row(int y) {
  size_t n = 0;
  for (const Edge& e : edges_) {
    if (y < e.Top || y >= e.Bottom) continue;
    // Within a row of its ends the crossing lies between their columns (the cut slope is off by
    // less than a column over the whole edge), so it fits an int. Sorted in place as it comes:
    // a polygon's row has few crossings.
    const int c = int((e.Base + int64_t(y) * e.Slope) >> 16);
    size_t j = n++;
    for (; j > 0 && crossings_[j - 1] > c; --j) crossings_[j] = crossings_[j - 1];
    crossings_[j] = c;
  }
  // A closed polygon crosses each row an even number of times.
  return {crossings_.data(), n};
}

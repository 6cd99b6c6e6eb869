#pragma once
// Reading the recorded drawing of one repaint: the calls of the series part, found between
// the clip regions the chart sets around the values.
#include <ostream>
#include <vector>

#include "chart/canvas/RecordingCanvas.h"

// Readable failure messages for the geometry types.
inline void PrintTo(const TPoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }
inline void PrintTo(const TRect& r, std::ostream* os) {
  *os << "{" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << "}";
}

using Op = RecordingCanvas::Op;
using Call = RecordingCanvas::Call;
using Points = std::vector<TPoint>;

// The calls from the first series clip on (walls and axes come before it).
inline std::vector<Call> SeriesCalls(const RecordingCanvas& rec) {
  const auto& calls = rec.Calls();
  size_t first = 0;
  while (first < calls.size() && calls[first].Kind != Op::ClipPolygon && calls[first].Kind != Op::ClipRectangle) ++first;
  return {calls.begin() + static_cast<long>(first), calls.end()};
}

inline std::vector<Call> OfKind(const std::vector<Call>& calls, Op kind) {
  std::vector<Call> out;
  for (const Call& c : calls)
    if (c.Kind == kind) out.push_back(c);
  return out;
}

inline std::vector<Op> Kinds(const std::vector<Call>& calls) {
  std::vector<Op> out;
  for (const Call& c : calls) out.push_back(c.Kind);
  return out;
}

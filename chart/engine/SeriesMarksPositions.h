#pragma once
// The stored mark positions of a series, one per point index, made on first use. The store
// grows only when a higher index is first drawn, so repaints reuse it without allocating.
#include <vector>

#include "chart/engine/SeriesMarkPosition.h"

class TSeriesMarksPositions {
 public:
  int Count() const { return static_cast<int>(positions_.size()); }
  // The stored position of index, made (not custom, all zero) when missing.
  TSeriesMarkPosition& Position(int index) {
    if (index >= Count()) positions_.resize(static_cast<size_t>(index) + 1);
    return positions_[static_cast<size_t>(index)];
  }
  // The stored position of index, or null when none was made yet.
  const TSeriesMarkPosition* Stored(int index) const {
    return index >= 0 && index < Count() ? &positions_[static_cast<size_t>(index)] : nullptr;
  }
  void Clear() { positions_.clear(); }

 private:
  std::vector<TSeriesMarkPosition> positions_;
};

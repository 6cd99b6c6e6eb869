#include "records/WeakFacts.h"

#include <algorithm>

int MedianMs(std::vector<int> times) {
  const size_t middle = times.size() / 2;
  std::nth_element(times.begin(), times.begin() + ptrdiff_t(middle), times.end());
  const int upper = times[middle];
  if (times.size() % 2 != 0) return upper;
  const int lower = *std::max_element(times.begin(), times.begin() + ptrdiff_t(middle));
  return lower + (upper - lower) / 2;
}

std::vector<FactStats> WeakestFacts(std::vector<FactStats> facts, size_t limit) {
  const auto weaker = [](const FactStats& a, const FactStats& b) {
    if (a.Missed != b.Missed) return a.Missed > b.Missed;
    if (a.MedianMs != b.MedianMs) return a.MedianMs > b.MedianMs;
    return a.Asked < b.Asked;
  };
  const size_t kept = std::min(limit, facts.size());
  std::partial_sort(facts.begin(), facts.begin() + ptrdiff_t(kept), facts.end(), weaker);
  facts.resize(kept);
  return facts;
}

#pragma once
// The value lists of one series, in the order the series made them (X first, then Y).
// The series owns the lists; this only lists them so that all can be treated alike.
#include <vector>

#include "chart/engine/ChartValueList.h"

class TChartValueLists {
 public:
  void Add(TChartValueList* list) { lists_.push_back(list); }
  int Count() const { return static_cast<int>(lists_.size()); }
  TChartValueList& operator[](int i) const { return *lists_[static_cast<size_t>(i)]; }

  // Drops the values of every list.
  void RemoveAllValues() const {
    for (TChartValueList* list : lists_) list->RemoveAll();
  }

 private:
  std::vector<TChartValueList*> lists_;
};

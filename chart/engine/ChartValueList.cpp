#include "chart/engine/ChartValueList.h"

#include <cmath>

#include "chart/settings/ChartException.h"
#include "chart/settings/StoreChanged.h"

TChartValueList::TChartValueList(const QString& name) : name_(name) {}

void TChartValueList::SettingChanged() {
  if (onSettingChanged_) onSettingChanged_();
}

void TChartValueList::SetName(const QString& name) {
  if (!StoreChanged(name_, name)) return;
  SettingChanged();
}

void TChartValueList::SetOrder(TChartListOrder order) {
  if (!StoreChanged(order_, order)) return;
  SettingChanged();
}

void TChartValueList::SetMultiplier(double multiplier) {
  if (!StoreChanged(multiplier_, multiplier)) return;
  statsDirty_ = true;  // the statistics are taken over the values as read
  SettingChanged();
}

void TChartValueList::SetDateTime(bool dateTime) {
  if (!StoreChanged(dateTime_, dateTime)) return;
  SettingChanged();
}

// Ascending: after the last value not greater than v, scanning from the end, so a run of
// values in order costs nothing and an equal value goes after its equals. Descending mirrors it.
int TChartValueList::PlaceFor(double v) const {
  int n = Count();
  if (order_ == loNone || n == 0) return n;
  if (order_ == loAscending) {
    if (values_.back() <= v) return n;
    for (int i = n - 2; i >= 0; --i)
      if (values_[static_cast<size_t>(i)] <= v) return i + 1;
    return 0;
  }
  if (values_.back() >= v) return n;
  for (int i = n - 2; i >= 0; --i)
    if (values_[static_cast<size_t>(i)] >= v) return i + 1;
  return 0;
}

int TChartValueList::AddValue(double v) {
  int index = PlaceFor(v);
  InsertValueAt(index, v);
  return index;
}

void TChartValueList::InsertValueAt(int index, double v) {
  if (index < 0 || index > Count())
    throw ChartException(QStringLiteral("値の挿入位置 %1 は 0 から %2 の間でなければなりません")
                             .arg(index)
                             .arg(Count()));
  values_.insert(values_.begin() + index, v);
  statsDirty_ = true;
}

void TChartValueList::RemoveAll() {
  values_.clear();
  statsDirty_ = true;
}

void TChartValueList::RecalcStats() const {
  statsDirty_ = false;
  if (values_.empty()) {
    minValue_ = maxValue_ = total_ = totalAbs_ = 0;
    return;
  }
  double v = ValueAt(0);
  minValue_ = maxValue_ = total_ = v;
  totalAbs_ = std::fabs(v);
  for (int i = 1; i < Count(); ++i) {
    v = ValueAt(i);
    if (v < minValue_)
      minValue_ = v;
    else if (v > maxValue_)
      maxValue_ = v;
    total_ += v;
    totalAbs_ += std::fabs(v);
  }
}

double TChartValueList::MinValue() const {
  if (statsDirty_) RecalcStats();
  return minValue_;
}

double TChartValueList::MaxValue() const {
  if (statsDirty_) RecalcStats();
  return maxValue_;
}

double TChartValueList::Total() const {
  if (statsDirty_) RecalcStats();
  return total_;
}

double TChartValueList::TotalABS() const {
  if (statsDirty_) RecalcStats();
  return totalAbs_;
}

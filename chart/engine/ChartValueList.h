#pragma once
// One sequence of point values of a series (its X or its Y values), with the rule that places
// a new value and cached statistics over the values as they are read.
#include <QString>
#include <functional>
#include <vector>

enum TChartListOrder { loNone, loAscending, loDescending };

class TChartValueList {
 public:
  explicit TChartValueList(const QString& name);

  // Called after a change of a setting (name, order, multiplier, date-time); the owning
  // series uses it to ask its chart for a repaint.
  void SetOnSettingChanged(std::function<void()> callback) { onSettingChanged_ = std::move(callback); }

  const QString& Name() const { return name_; }
  void SetName(const QString& name);
  TChartListOrder Order() const { return order_; }
  void SetOrder(TChartListOrder order);
  double Multiplier() const { return multiplier_; }
  void SetMultiplier(double multiplier);
  bool DateTime() const { return dateTime_; }
  void SetDateTime(bool dateTime);

  int Count() const { return static_cast<int>(values_.size()); }
  // The stored value of index i, unscaled.
  double Value(int i) const { return values_[static_cast<size_t>(i)]; }
  // The value of index i as read: stored value times Multiplier.
  double ValueAt(int i) const { return values_[static_cast<size_t>(i)] * multiplier_; }
  double Last() const { return values_.back(); }

  // Places v by Order and answers its index. Equal values keep the order of their arrival.
  int AddValue(double v);
  // Inserts v at index (0..Count()).
  void InsertValueAt(int index, double v);
  void RemoveAll();
  void Reserve(int count) { values_.reserve(static_cast<size_t>(count)); }

  // Statistics over the values as read, recomputed only after a change (StatsDirty).
  double MinValue() const;
  double MaxValue() const;
  double Total() const;
  double TotalABS() const;
  bool StatsDirty() const { return statsDirty_; }

 private:
  int PlaceFor(double v) const;
  void RecalcStats() const;
  void SettingChanged();

  std::function<void()> onSettingChanged_;
  QString name_;
  TChartListOrder order_ = loNone;
  double multiplier_ = 1.0;
  bool dateTime_ = false;
  std::vector<double> values_;

  mutable double minValue_ = 0;
  mutable double maxValue_ = 0;
  mutable double total_ = 0;
  mutable double totalAbs_ = 0;
  mutable bool statsDirty_ = true;
};

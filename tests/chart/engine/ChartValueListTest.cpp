#include "chart/engine/ChartValueList.h"

#include <gtest/gtest.h>

#include <vector>

#include "chart/settings/ChartException.h"
#include "chart/engine/ChartValueLists.h"

namespace {

std::vector<double> ValuesOf(const TChartValueList& list) {
  std::vector<double> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.Value(i));
  return out;
}

struct PlacementCase {
  TChartListOrder order;
  std::vector<double> adds;
  std::vector<int> indices;  // answered by each AddValue
  std::vector<double> result;
};

class ValuePlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(ValuePlacement, PlacesEachValueByTheListOrder) {
  const PlacementCase& c = GetParam();
  TChartValueList list("X");
  list.SetOrder(c.order);
  std::vector<int> indices;
  for (double v : c.adds) indices.push_back(list.AddValue(v));
  EXPECT_EQ(indices, c.indices);
  EXPECT_EQ(ValuesOf(list), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, ValuePlacement,
    testing::Values(
        // In order: every value is appended.
        PlacementCase{loAscending, {0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}},
        // A smaller value goes after the last value not greater than it.
        PlacementCase{loAscending, {0, 2, 4, 3, 1}, {0, 1, 2, 2, 1}, {0, 1, 2, 3, 4}},
        // Smaller than all: at the front.
        PlacementCase{loAscending, {5, 6, -1}, {0, 1, 0}, {-1, 5, 6}},
        // Equal values go after all their equals.
        PlacementCase{loAscending, {1, 2, 2, 3, 2}, {0, 1, 2, 3, 3}, {1, 2, 2, 2, 3}},
        PlacementCase{loAscending, {1, 1, 0, 1}, {0, 1, 0, 3}, {0, 1, 1, 1}},
        // Descending mirrors the rule.
        PlacementCase{loDescending, {5, 3, 4, 5, 9}, {0, 1, 1, 1, 0}, {9, 5, 5, 4, 3}},
        // No order: appended as given.
        PlacementCase{loNone, {3, 1, 2}, {0, 1, 2}, {3, 1, 2}}));

TEST(ValuePlacement, ComparesStoredValuesNotMultipliedOnes) {
  TChartValueList list("X");
  list.SetOrder(loAscending);
  list.SetMultiplier(-1);  // read values run the other way; placement must not care
  list.AddValue(1);
  list.AddValue(3);
  EXPECT_EQ(list.AddValue(2), 1);
  EXPECT_EQ(ValuesOf(list), (std::vector<double>{1, 2, 3}));
  EXPECT_DOUBLE_EQ(list.ValueAt(2), -3);
}

TEST(ValuePlacement, InsertValueAtOutsideTheListIsRefusedAndChangesNothing) {
  TChartValueList list("Y");
  list.AddValue(7);
  EXPECT_THROW(list.InsertValueAt(2, 1), ChartException);
  EXPECT_THROW(list.InsertValueAt(-1, 1), ChartException);
  list.InsertValueAt(0, 4);
  list.InsertValueAt(2, 9);
  EXPECT_EQ(ValuesOf(list), (std::vector<double>{4, 7, 9}));
}

TEST(ValueStatistics, EmptyListGivesZeroForAllFour) {
  TChartValueList list("Y");
  EXPECT_TRUE(list.StatsDirty());
  EXPECT_EQ(list.MinValue(), 0);
  EXPECT_EQ(list.MaxValue(), 0);
  EXPECT_EQ(list.Total(), 0);
  EXPECT_EQ(list.TotalABS(), 0);
  EXPECT_FALSE(list.StatsDirty());
}

TEST(ValueStatistics, TakenOverTheValuesAsRead) {
  TChartValueList list("Y");
  for (double v : {3.0, -2.0, 8.0, 1.0}) list.AddValue(v);
  list.SetMultiplier(2);
  EXPECT_DOUBLE_EQ(list.MinValue(), -4);
  EXPECT_DOUBLE_EQ(list.MaxValue(), 16);
  EXPECT_DOUBLE_EQ(list.Total(), 20);
  EXPECT_DOUBLE_EQ(list.TotalABS(), 28);
}

TEST(ValueStatistics, CacheIsKeptUntilTheValuesChange) {
  TChartValueList list("Y");
  list.AddValue(5);
  EXPECT_TRUE(list.StatsDirty());
  EXPECT_EQ(list.MaxValue(), 5);
  EXPECT_FALSE(list.StatsDirty());
  EXPECT_EQ(list.MinValue(), 5);  // read again from the cache
  EXPECT_FALSE(list.StatsDirty());

  list.AddValue(9);
  EXPECT_TRUE(list.StatsDirty());
  EXPECT_EQ(list.MaxValue(), 9);
  list.InsertValueAt(0, -1);
  EXPECT_TRUE(list.StatsDirty());
  EXPECT_EQ(list.MinValue(), -1);
  list.SetMultiplier(10);
  EXPECT_TRUE(list.StatsDirty());
  EXPECT_EQ(list.MaxValue(), 90);
  list.RemoveAll();
  EXPECT_TRUE(list.StatsDirty());
  EXPECT_EQ(list.MaxValue(), 0);
}

TEST(ValueLists, SettingsChangeNotifiesOnlyOnRealChange) {
  TChartValueList list("X");
  int calls = 0;
  list.SetOnSettingChanged([&] { ++calls; });
  list.SetName("X");
  list.SetOrder(loNone);
  list.SetMultiplier(1.0);
  list.SetDateTime(false);
  EXPECT_EQ(calls, 0);
  list.SetName("縦棒");
  list.SetOrder(loAscending);
  list.SetMultiplier(0.5);
  list.SetDateTime(true);
  EXPECT_EQ(calls, 4);
  list.AddValue(1);  // values are not settings: the series reports additions itself
  EXPECT_EQ(calls, 4);
}

TEST(ValueLists, RemoveAllValuesEmptiesEveryList) {
  TChartValueList x("X"), y("Y");
  TChartValueLists lists;
  lists.Add(&x);
  lists.Add(&y);
  x.AddValue(1);
  y.AddValue(2);
  y.AddValue(3);
  lists.RemoveAllValues();
  EXPECT_EQ(lists.Count(), 2);
  EXPECT_EQ(&lists[1], &y);
  EXPECT_EQ(x.Count(), 0);
  EXPECT_EQ(y.Count(), 0);
}

}  // namespace

// The point store of a series: X, Y, colour and label in step, the events around adding and
// clearing, point colours, the value ranges given to the axes, the settings and their checks.
#include <gtest/gtest.h>

#include <vector>

#include "chart/settings/ChartException.h"
#include "tests/chart/series/ResultGraphFixture.h"

namespace {

TEST(PointStore, OutOfOrderXKeepsYColourAndLabelInStep) {
  TLineSeries s;
  EXPECT_EQ(s.AddPoint(0, 10, "a", clRed), 0);
  EXPECT_EQ(s.AddPoint(2, 30, "c", RGBColor(0, 128, 0)), 1);
  EXPECT_EQ(s.AddPoint(1, 20, "b", clNone), 1);  // goes between 0 and 2
  EXPECT_EQ(s.AddPoint(1, 21), 2);                // after its equal
  ASSERT_EQ(s.PointCount(), 4);
  const std::vector<double> xs{0, 1, 1, 2}, ys{10, 20, 21, 30};
  const std::vector<QString> labels{"a", "b", "", "c"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(s.XValue(i), xs[i]) << i;
    EXPECT_EQ(s.YValue(i), ys[i]) << i;
    EXPECT_EQ(s.PointLabel(i), labels[i]) << i;
  }
  s.SetSeriesColor(clBlue);
  EXPECT_EQ(s.ValueColor(0), clRed);
  EXPECT_EQ(s.ValueColor(1), clNone);
  EXPECT_TRUE(s.IsNull(1));
  EXPECT_EQ(s.ValueColor(2), clBlue);  // clAutoColor stands for the series colour
  EXPECT_EQ(s.ValueColor(3), RGBColor(0, 128, 0));
  EXPECT_EQ(s.ValueColor(99), clBlue);  // beyond the stored colours
}

TEST(PointStore, EmptyLabelIsStoredAsNone) {
  TBarSeries s;
  s.AddPoint(0, 1, QString(""));
  EXPECT_TRUE(s.PointLabel(0).isNull());
}

TEST(PointStore, RefusedPointLeavesTheSeriesUnchanged) {
  TBarSeries s;
  s.AddPoint(0, 5);
  int asked = 0, told = 0;
  s.OnBeforeAdd = [&](TChartSeries&) { return ++asked > 1; };
  s.OnAfterAdd = [&](TChartSeries& sender, int index) {
    EXPECT_EQ(&sender, &s);
    EXPECT_EQ(index, 0);
    ++told;
  };
  EXPECT_EQ(s.AddPoint(1, 6), -1);
  EXPECT_EQ(s.PointCount(), 1);
  EXPECT_EQ(told, 0);
  EXPECT_EQ(s.AddPoint(-1, 7), 0);  // accepted: stored before the first point
  EXPECT_EQ(told, 1);
  EXPECT_EQ(s.YValue(0), 7);
}

TEST(PointStore, ClearDropsPointsAndMarkPositionsAndTellsItsListener) {
  ResultGraph g;
  g.Add(85, 207);
  g.Add(90, 200);
  g.Repaint();
  EXPECT_EQ(g.bars.Marks().Positions().Count(), 2);
  int cleared = 0;
  g.bars.OnClearValues = [&](TChartSeries&) { ++cleared; };
  g.bars.ClearPoints();
  EXPECT_EQ(cleared, 1);
  EXPECT_EQ(g.bars.PointCount(), 0);
  EXPECT_EQ(g.bars.XValues().Count(), 0);
  EXPECT_EQ(g.bars.YValues().Count(), 0);
  EXPECT_EQ(g.bars.Marks().Positions().Count(), 0);
  EXPECT_EQ(g.bars.ValueColor(0), clRed);
  // Refilled after clearing, the series is as good as new.
  EXPECT_EQ(g.bars.AddPoint(0, 50), 0);
  EXPECT_EQ(g.bars.PointLabel(0), QString());
}

// Bars reach their origin; an empty series reports 0 whatever the origin.
struct RangeCase {
  const char* name;
  bool bar;
  bool useOrigin;
  double origin;
  std::vector<double> ys;
  double yMin, yMax;
};

class ValueRanges : public testing::TestWithParam<RangeCase> {};

TEST_P(ValueRanges, ReportedToTheAxes) {
  const RangeCase& c = GetParam();
  TBarSeries bar;
  TLineSeries line;
  TChartSeries& s = c.bar ? static_cast<TChartSeries&>(bar) : line;
  bar.SetUseYOrigin(c.useOrigin);
  bar.SetYOrigin(c.origin);
  for (size_t i = 0; i < c.ys.size(); ++i) s.AddPoint(static_cast<double>(i) + 3, c.ys[i]);
  EXPECT_EQ(s.YMinimum(), c.yMin);
  EXPECT_EQ(s.YMaximum(), c.yMax);
  EXPECT_EQ(s.XMinimum(), c.ys.empty() ? 0 : 3);
  EXPECT_EQ(s.XMaximum(), c.ys.empty() ? 0 : 3 + static_cast<double>(c.ys.size()) - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Series, ValueRanges,
    testing::Values(RangeCase{"EmptyBar", true, true, 5, {}, 0, 0},
                    RangeCase{"EmptyLine", false, true, 0, {}, 0, 0},
                    RangeCase{"BarDownToOrigin", true, true, 0, {85, 100, 40}, 0, 100},
                    RangeCase{"BarUpToOrigin", true, true, 10, {-5, -2}, -5, 10},
                    RangeCase{"BarWithoutOrigin", true, false, 0, {85, 100, 40}, 40, 100},
                    RangeCase{"LinePlain", false, true, 0, {207, 150, 320}, 150, 320}),
    [](const testing::TestParamInfo<RangeCase>& info) { return info.param.name; });

TEST(SeriesSettings, DefaultsOfBothKinds) {
  TBarSeries bar;
  EXPECT_TRUE(bar.Active());
  EXPECT_EQ(bar.SeriesColor(), clAutoColor);
  EXPECT_EQ(bar.HorizAxis(), aBottomAxis);
  EXPECT_EQ(bar.VertAxis(), aLeftAxis);
  EXPECT_EQ(bar.ValueFormat(), "#,##0.###");
  EXPECT_EQ(bar.XValues().Name(), "X");
  EXPECT_EQ(bar.XValues().Order(), loAscending);
  EXPECT_EQ(bar.YValues().Name(), "縦棒");
  EXPECT_EQ(bar.YValues().Order(), loNone);
  EXPECT_EQ(bar.ValuesList().Count(), 2);
  EXPECT_TRUE(bar.Marks().Visible());
  EXPECT_EQ(bar.Marks().ArrowLength(), 20);
  EXPECT_EQ(bar.Marks().Style(), smsLabel);
  EXPECT_EQ(bar.Marks().BackColor(), 0x0080FFFFu);
  EXPECT_EQ(bar.Marks().Arrow().Color(), clWhite);
  EXPECT_EQ(bar.Marks().Frame().Color(), clBlack);
  EXPECT_FALSE(bar.Marks().Transparent());
  EXPECT_FALSE(bar.Marks().Clip());
  EXPECT_EQ(bar.BarWidthPercent(), 70);
  EXPECT_EQ(bar.OffsetPercent(), 0);
  EXPECT_TRUE(bar.SideMargins());
  EXPECT_TRUE(bar.Dark3D());
  EXPECT_EQ(bar.MultiBar(), mbSide);
  EXPECT_TRUE(bar.UseYOrigin());
  EXPECT_EQ(bar.YOrigin(), 0);
  EXPECT_EQ(bar.CustomBarWidth(), 0);
  EXPECT_EQ(bar.BarBrush().Color(), clAutoColor);
  EXPECT_FALSE(bar.OnBeforeAdd || bar.OnAfterAdd || bar.OnClearValues || bar.OnGetMarkText ||
               bar.BeforeDrawValues || bar.AfterDrawValues);

  TLineSeries line;
  EXPECT_EQ(line.YValues().Name(), "Y");
  EXPECT_FALSE(line.Marks().Visible());
  EXPECT_EQ(line.Marks().ArrowLength(), 8);
  EXPECT_FALSE(line.Pointer().Visible());
  EXPECT_EQ(line.Pointer().HorizSize(), 4);
  EXPECT_TRUE(line.Pointer().InflateMargins());
  EXPECT_TRUE(line.Dark3D());
  EXPECT_EQ(line.LineBrush().Style(), TBrushStyle::Solid);
  EXPECT_EQ(line.LinePen().Color(), clBlack);
}

struct RefusedCase {
  bool offset;
  int value;
  const char* message;
};

class BarLimits : public testing::TestWithParam<RefusedCase> {};

TEST_P(BarLimits, OutOfRangeIsRefusedWithItsMessageAndKeepsTheOldValue) {
  const RefusedCase& c = GetParam();
  TBarSeries bar;
  try {
    if (c.offset)
      bar.SetOffsetPercent(c.value);
    else
      bar.SetBarWidthPercent(c.value);
    FAIL() << "accepted " << c.value;
  } catch (const BarException& e) {
    EXPECT_EQ(e.Message(), QString::fromUtf8(c.message));
  }
  EXPECT_EQ(bar.BarWidthPercent(), 70);
  EXPECT_EQ(bar.OffsetPercent(), 0);
}

INSTANTIATE_TEST_SUITE_P(Settings, BarLimits,
                         testing::Values(RefusedCase{false, 0, "棒の幅は 1% から 100% でなければなりません"},
                                         RefusedCase{false, 101, "棒の幅は 1% から 100% でなければなりません"},
                                         RefusedCase{true, 101, "棒の位置は -100% から 100% でなければなりません"},
                                         RefusedCase{true, -101, "棒の位置は -100% から 100% でなければなりません"}));

TEST(BarLimits, EndsOfTheRangesAreAccepted) {
  TBarSeries bar;
  for (int v : {1, 100}) {
    bar.SetBarWidthPercent(v);
    EXPECT_EQ(bar.BarWidthPercent(), v);
  }
  for (int v : {-100, 100}) {
    bar.SetOffsetPercent(v);
    EXPECT_EQ(bar.OffsetPercent(), v);
  }
}

TEST(MarkText, ValueAsWholeNumberLabelFirstThenTheListener) {
  TBarSeries bar;
  bar.AddPoint(0, 85);
  bar.AddPoint(1, 100);
  bar.AddPoint(2, 0);
  bar.AddPoint(3, 2.5);
  bar.AddPoint(4, 0.12345);
  bar.AddPoint(5, 7, "ラベル");
  EXPECT_EQ(bar.MarkText(0), "85");
  EXPECT_EQ(bar.MarkText(1), "100");
  EXPECT_EQ(bar.MarkText(2), "0");
  EXPECT_EQ(bar.MarkText(3).size(), 3);  // "2.5" with the regional decimal separator
  EXPECT_EQ(bar.MarkText(4).right(3), "123");
  EXPECT_EQ(bar.MarkText(5), "ラベル");
  bar.Marks().SetStyle(smsValue);
  EXPECT_EQ(bar.MarkText(5), "7");
  bar.OnGetMarkText = [](TChartSeries&, int index, QString& text) {
    if (index == 0) text += "%";
  };
  EXPECT_EQ(bar.MarkText(0), "85%");
  EXPECT_EQ(bar.MarkText(1), "100");
}

TEST(Repaint, AddingManyPointsOnlyInvalidatesAndIsDrawnOnce) {
  ResultGraph g;
  g.Repaint();
  g.chart.Canvas().SetNeedsRedraw(false);  // an unbuffered repaint leaves the flag to us
  int drawn = 0;
  g.line.BeforeDrawValues = [&](TChartSeries&) { ++drawn; };
  for (int i = 0; i < 1000; ++i) g.Add(i % 101, 100 + i % 200);
  EXPECT_TRUE(g.chart.Canvas().NeedsRedraw());
  EXPECT_EQ(drawn, 0);  // nothing was drawn while adding
  g.Repaint();
  EXPECT_EQ(drawn, 1);
}

TEST(Repaint, SettingTheSameValueAgainAsksForNothing) {
  ResultGraph g;
  g.Repaint();
  g.chart.Canvas().SetNeedsRedraw(false);
  g.bars.SetSeriesColor(clRed);
  g.bars.SetBarWidthPercent(70);
  g.bars.Marks().SetArrowLength(20);
  g.bars.XValues().SetOrder(loAscending);
  EXPECT_FALSE(g.chart.Canvas().NeedsRedraw());
  g.bars.Marks().Frame().SetWidth(2);
  EXPECT_TRUE(g.chart.Canvas().NeedsRedraw());
}

}  // namespace

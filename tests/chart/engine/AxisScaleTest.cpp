// Axis scales: label steps, value/pixel conversion, series ranges and margins, range
// changes, the setters' checks and the hit test.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "chart/settings/ChartException.h"
#include "tests/chart/engine/EngineFixture.h"

namespace {

// A chart whose canvas measures text with the recording canvas (12 pixels high, 7 per
// character) outside a repaint.
struct MeasuredChart {
  MeasuredChart() {
    chart.Canvas().SetBuffered(false);
    chart.Canvas().SetWindowCanvas(&rec);
  }
  // Puts a shown range and a span of the given length on an axis.
  static void Span(TCustomChartAxis& axis, double min, double max, int length, int start = 0) {
    axis.SetMapping(start, start + length, min, max);
  }
  RecordingCanvas rec{7, 12};
  TChart chart;
};

struct StepCase {
  const char* name;
  bool horizontal;
  double min, max;
  int length;
  double increment;
  int separation;
  double step;
};

class LabelStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(LabelStep, LabelsFitAlongTheAxis) {
  const StepCase& c = GetParam();
  MeasuredChart m;
  m.rec.SetTextWidthOf(QStringLiteral("-0.6"), 20);
  m.rec.SetTextWidthOf(QStringLiteral("9.6"), 15);
  TCustomChartAxis& axis = c.horizontal ? *m.chart.BottomAxis() : *m.chart.LeftAxis();
  axis.SetIncrement(c.increment);
  axis.SetLabelsSeparation(c.separation);
  MeasuredChart::Span(axis, c.min, c.max, c.length);
  EXPECT_DOUBLE_EQ(axis.ComputeLabelStep(), c.step) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LabelStep,
    ::testing::Values(
        // 320 pixels of 13-pixel labels: room for 25.
        StepCase{"percent", false, 0, 100, 320, 0, 10, 5}, StepCase{"seconds", false, 100, 300, 320, 0, 10, 10},
        // "-0.6" is 20 wide, 22 with its gap: 22 labels fit, 10 are needed.
        StepCase{"bottom480", true, -0.6, 9.6, 480, 0, 10, 1},
        // 130 pixels give room for 10: 3 needs 33, 5 needs 20, 10 fits.
        StepCase{"increment3", false, 0, 100, 130, 3, 10, 10},
        // A fitting increment stays.
        StepCase{"increment25", false, 0, 100, 320, 25, 10, 25},
        // Without a gap the start step is kept: 101 labels.
        StepCase{"noSeparation", false, 0, 100, 320, 0, 0, 1},
        // Too short for one label.
        StepCase{"tooShort", false, 0, 100, 5, 0, 10, 1e-12},
        // Ranges below 1 start from 1e-12.
        StepCase{"small", false, 0, 0.5, 130, 0, 10, 0.05}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

TEST(LabelStep, NextNiceStepSequence) {
  const std::vector<std::pair<double, double>> cases = {{1, 2}, {2, 5}, {5, 10}, {10, 20}, {20, 50}, {50, 100},
                                                        {3, 5}, {7, 10}, {0.5, 1}, {0.2, 0.5}, {0.02, 0.05}, {300, 500}};
  for (auto [from, to] : cases) EXPECT_NEAR(TCustomChartAxis::NextNiceStep(from), to, to * 1e-12) << from;
}

TEST(LabelStep, TheLabelCountComesFromPixelsAndTextHeight) {
  MeasuredChart m;
  TCustomChartAxis& axis = *m.chart.LeftAxis();
  MeasuredChart::Span(axis, 0, 100, 320);
  // 21 labels: step 5 fits 25, a count of 19 needs 10.
  EXPECT_DOUBLE_EQ(axis.StepForLabelCount(25), 5);
  EXPECT_DOUBLE_EQ(axis.StepForLabelCount(19), 10);
  EXPECT_DOUBLE_EQ(axis.StepForLabelCount(0), 1e-12);
}

struct PixelCase {
  double value;
  int pixel;
};

class RightScalePixels : public ::testing::TestWithParam<PixelCase> {};

// The right axis of the result graph on 320 pixels from y = 100: values outside the scale
// map outside the span, without clamping.
TEST_P(RightScalePixels, ValueToPixelAndBack) {
  MeasuredChart m;
  TCustomChartAxis& axis = *m.chart.RightAxis();
  MeasuredChart::Span(axis, 100, 300, 320, 100);
  const PixelCase c = GetParam();
  EXPECT_EQ(axis.ValueToPixel(c.value), c.pixel);
  EXPECT_NEAR(axis.PixelToValue(c.pixel), c.value, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Values, RightScalePixels,
                         ::testing::Values(PixelCase{100, 420}, PixelCase{300, 100}, PixelCase{200, 260},
                                           PixelCase{80, 452}, PixelCase{350, 20}));

TEST(ValueToPixel, DegenerateSpans) {
  MeasuredChart m;
  TCustomChartAxis& axis = *m.chart.BottomAxis();
  MeasuredChart::Span(axis, 5, 5, 400, 50);
  EXPECT_EQ(axis.ValueToPixel(5), 250);  // a range of 0 puts everything at the centre
  EXPECT_EQ(axis.ValueToPixel(1e9), 250);
  MeasuredChart::Span(axis, 0, 1, 400, 50);
  EXPECT_EQ(axis.ValueToPixel(0), 50);
  EXPECT_EQ(axis.ValueToPixel(1), 450);
  EXPECT_EQ(axis.ValueToPixel(1e10), 250);  // beyond 2^31 pixels: the centre
  MeasuredChart::Span(axis, 0, 1, 0, 50);
  EXPECT_EQ(axis.PixelToValue(60), 0);
}

// Many values converted at once give each the pixel ValueToPixel gives it: on either kind of axis,
// inverted or not, a range of 0, halves that round to the even pixel, offsets beyond 2^31 pixels
// among ordinary ones, and an odd count.
struct ManyPixelsCase {
  const char* name;
  bool vertical, inverted;
  double min, max;
  int length;
};

class ManyValuesToPixels : public ::testing::TestWithParam<ManyPixelsCase> {};

TEST_P(ManyValuesToPixels, EachAsValueToPixelGivesIt) {
  const ManyPixelsCase& c = GetParam();
  MeasuredChart m;
  TCustomChartAxis& axis = c.vertical ? *m.chart.RightAxis() : *m.chart.BottomAxis();
  axis.SetInverted(c.inverted);
  MeasuredChart::Span(axis, c.min, c.max, c.length, 40);
  std::vector<double> values;
  const double range = c.max - c.min;
  for (int k = -20; k <= 2 * c.length + 20; ++k) values.push_back(c.min + range * k / (2.0 * c.length));  // halves too
  for (int k = 0; k < 200; ++k) values.push_back(c.min + range * std::sin(k * 12.9898) * 3);
  values.insert(values.begin() + 7, c.min + range * 1e10);
  values.insert(values.begin() + 30, -1e300);
  ASSERT_EQ(values.size() % 2, 1u);
  std::vector<int> pixels(values.size(), -1);
  axis.ValuesToPixels(values, pixels.data());
  for (size_t k = 0; k < values.size(); ++k) ASSERT_EQ(pixels[k], axis.ValueToPixel(values[k])) << k << ": " << values[k];
}

INSTANTIATE_TEST_SUITE_P(Axes, ManyValuesToPixels,
                         ::testing::Values(ManyPixelsCase{"Bottom", false, false, 0.5, 1000.5, 460},
                                           ManyPixelsCase{"BottomInverted", false, true, 0.5, 1000.5, 460},
                                           ManyPixelsCase{"Right", true, false, 100, 300, 320},
                                           ManyPixelsCase{"RightInverted", true, true, 100, 300, 320},
                                           ManyPixelsCase{"RangeOfZero", false, false, 5, 5, 400}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AxisRange, SetRangeSwapsAndKeepsASmallestSpan) {
  TChart chart;
  TCustomChartAxis& axis = *chart.BottomAxis();
  axis.SetRange(5, 3);
  EXPECT_EQ(axis.Minimum(), 3);
  EXPECT_EQ(axis.Maximum(), 5);
  EXPECT_FALSE(axis.Automatic());
  EXPECT_FALSE(axis.AutomaticMinimum());
  EXPECT_FALSE(axis.AutomaticMaximum());
  axis.SetRange(5, 5);
  EXPECT_EQ(axis.Minimum(), 5);
  EXPECT_EQ(axis.Maximum(), 5 + 1e-10);
}

struct ShiftCase {
  double delta;
  bool checkLimits;
  double min, max;  // afterwards
};

class AxisShift : public ::testing::TestWithParam<ShiftCase> {};

// Data from 0 to 10 on the bottom axis, shown from 0 to 5.
TEST_P(AxisShift, MovesOnlyTowardsDataWhenLimited) {
  const ShiftCase c = GetParam();
  TChart chart;
  FakeSeries s;
  s.Add(0, 1);
  s.Add(10, 1);
  s.SetParentChart(&chart);
  chart.BottomAxis()->SetRange(0, 5);
  chart.BottomAxis()->ShiftRange(c.delta, c.checkLimits);
  EXPECT_EQ(chart.BottomAxis()->Minimum(), c.min);
  EXPECT_EQ(chart.BottomAxis()->Maximum(), c.max);
}

INSTANTIATE_TEST_SUITE_P(Cases, AxisShift,
                         ::testing::Values(ShiftCase{2, true, 2, 7}, ShiftCase{-2, true, 0, 5},
                                           ShiftCase{-2, false, -2, 3}, ShiftCase{6, true, 6, 11}));

TEST(AxisShift, NoShiftAtTheEndOfTheData) {
  TChart chart;
  FakeSeries s;
  s.Add(0, 1);
  s.Add(10, 1);
  s.SetParentChart(&chart);
  chart.BottomAxis()->SetRange(5, 10);
  chart.BottomAxis()->ShiftRange(1, true);
  EXPECT_EQ(chart.BottomAxis()->Maximum(), 10);
}

struct CheckCase {
  const char* name;
  std::function<void(TCustomChartAxis&)> set;
  QString message;
};

class AxisChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(AxisChecks, RefusedValuesKeepTheOldOne) {
  const CheckCase& c = GetParam();
  TChart chart;
  TCustomChartAxis& axis = *chart.LeftAxis();
  axis.SetMaximum(100);
  axis.SetMinimum(10);
  axis.SetIncrement(2);
  try {
    c.set(axis);
    FAIL() << c.name;
  } catch (const AxisException& e) {
    EXPECT_EQ(e.Message(), c.message) << c.name;
  }
  EXPECT_EQ(axis.Minimum(), 10);
  EXPECT_EQ(axis.Maximum(), 100);
  EXPECT_EQ(axis.Increment(), 2);
  EXPECT_EQ(axis.LabelsSeparation(), 10);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, AxisChecks,
    ::testing::Values(
        CheckCase{"minimum", [](TCustomChartAxis& a) { a.SetMinimum(101); },
                  QStringLiteral("軸の最小値は最大値以下でなければなりません")},
        CheckCase{"maximum", [](TCustomChartAxis& a) { a.SetMaximum(9); },
                  QStringLiteral("軸の最大値は最小値以上でなければなりません")},
        CheckCase{"increment", [](TCustomChartAxis& a) { a.SetIncrement(-1); },
                  QStringLiteral("軸の増加単位は 0 以上でなければなりません")},
        CheckCase{"incrementNaN",
                  [](TCustomChartAxis& a) { a.SetIncrement(std::numeric_limits<double>::quiet_NaN()); },
                  QStringLiteral("軸の増加単位は 0 以上でなければなりません")},
        CheckCase{"separation", [](TCustomChartAxis& a) { a.SetLabelsSeparation(-1); },
                  QStringLiteral("ラベルの間隔 % は 0 以上でなければなりません")}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(AxisSettings, LoadingSkipsTheRangeChecksAndKeepsTheAutomaticEnds) {
  TChart chart;
  TCustomChartAxis& axis = *chart.RightAxis();
  chart.BeginLoading();
  axis.SetMinimum(100);  // above the maximum of 0: taken while loading
  axis.SetAutomatic(false);
  chart.EndLoading();
  EXPECT_EQ(axis.Minimum(), 100);
  EXPECT_FALSE(axis.Automatic());
  EXPECT_TRUE(axis.AutomaticMinimum());
  EXPECT_TRUE(axis.AutomaticMaximum());
}

TEST(AxisSettings, AutomaticEndsDriveAutomatic) {
  TChart chart;
  TCustomChartAxis& axis = *chart.BottomAxis();
  axis.SetAutomatic(false);
  EXPECT_FALSE(axis.AutomaticMinimum());
  EXPECT_FALSE(axis.AutomaticMaximum());
  axis.SetAutomaticMinimum(true);
  EXPECT_FALSE(axis.Automatic());  // the maximum is still fixed
  axis.SetAutomaticMaximum(true);
  EXPECT_TRUE(axis.Automatic());
  axis.SetAutomaticMaximum(false);
  EXPECT_FALSE(axis.Automatic());
  EXPECT_TRUE(axis.AutomaticMinimum());
}

TEST(AxisSettings, AssignCopiesEverySetting) {
  TChart chart;
  TCustomChartAxis& from = *chart.LeftAxis();
  from.SetMaximum(50);
  from.SetLabelsSeparation(30);
  from.Grid().SetColor(clRed);
  from.Title().SetCaption(QStringLiteral("t"));
  from.LabelsFont().SetHeight(20);
  TCustomChartAxis& to = *chart.TopAxis();
  to.Assign(from);
  EXPECT_EQ(to.Maximum(), 50);
  EXPECT_EQ(to.LabelsSeparation(), 30);
  EXPECT_EQ(to.Grid().Color(), clRed);
  EXPECT_EQ(to.Title().Caption(), QStringLiteral("t"));
  EXPECT_EQ(to.Title().Angle(), 90);
  EXPECT_EQ(to.LabelsFont().Height(), 20);
  EXPECT_FALSE(to.IsHorizontal());
  // The copy is the axis' own: changing the source afterwards leaves it alone.
  from.Grid().SetColor(clBlue);
  EXPECT_EQ(to.Grid().Color(), clRed);
}

TEST(SeriesExtreme, ActiveBoundSeriesWithPointsDecide) {
  TChart chart;
  FakeSeries a, b, c;
  a.Add(2, 10);
  a.Add(5, 30);
  b.Add(-1, 50);
  b.SetActive(false);
  c.SetVertAxis(aRightAxis);
  c.Add(9, 200);
  a.SetParentChart(&chart);
  b.SetParentChart(&chart);
  c.SetParentChart(&chart);
  EXPECT_EQ(chart.SeriesExtreme(chart.BottomAxis(), true), 2);  // b is inactive
  EXPECT_EQ(chart.SeriesExtreme(chart.BottomAxis(), false), 9);
  EXPECT_EQ(chart.SeriesExtreme(chart.LeftAxis(), false), 30);
  EXPECT_EQ(chart.SeriesExtreme(chart.RightAxis(), true), 200);
  EXPECT_EQ(chart.SeriesExtreme(chart.TopAxis(), true), 0);
  a.SetActive(false);
  EXPECT_EQ(chart.SeriesExtreme(chart.LeftAxis(), true), 10);  // no active series left: all count
}

TEST(AxisShown, BoundAxesOfActiveSeries) {
  TChart chart;
  for (TCustomChartAxis* axis : chart.AxesList()) EXPECT_EQ(chart.AxisShown(axis), !axis->IsDepth());
  FakeSeries bars, line;
  line.SetVertAxis(aRightAxis);
  bars.SetParentChart(&chart);
  line.SetParentChart(&chart);
  EXPECT_TRUE(chart.AxisShown(chart.BottomAxis()));
  EXPECT_FALSE(chart.AxisShown(chart.TopAxis()));
  EXPECT_TRUE(chart.AxisShown(chart.LeftAxis()));
  EXPECT_TRUE(chart.AxisShown(chart.RightAxis()));
  chart.DepthAxis()->SetVisible(true);
  EXPECT_TRUE(chart.AxisShown(chart.DepthAxis()));
  chart.SetView3D(false);
  EXPECT_FALSE(chart.AxisShown(chart.DepthAxis()));
  chart.SetAxisVisible(false);
  EXPECT_FALSE(chart.AxisShown(chart.BottomAxis()));
}

TEST(LabelStyle, AutoResolvesFromTheBoundSeries) {
  TChart chart;
  EXPECT_EQ(chart.BottomAxis()->EffectiveLabelStyle(), talNone);
  FakeSeries s;
  s.SetParentChart(&chart);
  s.Add(0, 1);
  EXPECT_EQ(chart.BottomAxis()->EffectiveLabelStyle(), talValue);
  s.Labels[0] = QStringLiteral("a");
  EXPECT_EQ(chart.BottomAxis()->EffectiveLabelStyle(), talText);
  EXPECT_EQ(chart.LeftAxis()->EffectiveLabelStyle(), talValue);  // the values run along it
  chart.BottomAxis()->SetLabelStyle(talNone);
  EXPECT_EQ(chart.BottomAxis()->EffectiveLabelStyle(), talNone);
}

using ResultGraph = RecordedResultGraph;

TEST(AxisLayout, BandsFromTheOutsideIn) {
  ResultGraph t;
  t.Repaint();
  // Before the axes (18, 53, 567, 431). Bottom: labels 14, ticks 6. Left: title 14, labels
  // "100" + " " = 28, ticks 6. Right: title 14, labels "300" + " " = 28, ticks 6.
  EXPECT_EQ(t.chart.PlotRect(), (TRect{66, 53, 519, 411}));
  const TCustomChartAxis& left = *t.chart.LeftAxis();
  EXPECT_EQ(left.TitlePos(), 32);
  EXPECT_EQ(left.LabelsPos(), 60);
  EXPECT_EQ(left.Mapping().StartPixel(), 53);
  EXPECT_EQ(left.Mapping().EndPixel(), 411);
  EXPECT_EQ(left.Mapping().CenterPixel(), 232);
  const TCustomChartAxis& right = *t.chart.RightAxis();
  EXPECT_EQ(right.TitlePos(), 553);
  EXPECT_EQ(right.LabelsPos(), 525);
  const TCustomChartAxis& bottom = *t.chart.BottomAxis();
  EXPECT_EQ(bottom.LabelsPos(), 417);
  EXPECT_EQ(bottom.Mapping().StartPixel(), 66);
  EXPECT_EQ(bottom.Mapping().EndPixel(), 519);
  EXPECT_EQ(bottom.Minimum(), 0);
  EXPECT_EQ(bottom.Maximum(), 0);
  EXPECT_EQ(left.Maximum(), 100);
  EXPECT_EQ(right.Minimum(), 100);
  EXPECT_EQ(right.Maximum(), 300);
}

TEST(AxisLayout, SeriesMarginsWidenOnlyAutomaticEnds) {
  ResultGraph t;
  for (int i = 0; i < 5; ++i) t.bars.Add(i, 10 * (i + 1));
  t.bars.MarginLeft = 20;
  t.bars.MarginRight = 30;
  t.bars.MarginTop = 40;  // the left axis is fixed: no effect
  t.Repaint();
  const TCustomChartAxis& bottom = *t.chart.BottomAxis();
  const double narrowed = bottom.Mapping().PixelLength() - 50;
  EXPECT_NEAR(bottom.Mapping().ShownMinimum(), -20 * 4 / narrowed, 1e-9);
  EXPECT_NEAR(bottom.Mapping().ShownMaximum(), 4 + 30 * 4 / narrowed, 1e-9);
  EXPECT_EQ(bottom.Minimum(), 0);
  EXPECT_EQ(bottom.Maximum(), 4);
  // The data keep to the span less the margins.
  EXPECT_EQ(bottom.ValueToPixel(0), bottom.Mapping().StartPixel() + 20);
  EXPECT_EQ(bottom.ValueToPixel(4), bottom.Mapping().EndPixel() - 30);
  EXPECT_EQ(t.chart.LeftAxis()->Mapping().ShownMaximum(), 100);

  // An automatic vertical axis takes the top margin above its maximum.
  t.chart.LeftAxis()->SetAutomatic(true);
  t.Repaint();
  const TCustomChartAxis& left = *t.chart.LeftAxis();
  EXPECT_EQ(left.ValueToPixel(50), left.Mapping().StartPixel() + 40);
}

TEST(AxisHitTest, LabelsBandUpToThreePixelsPastTheAxisLine) {
  ResultGraph t;
  t.Repaint();
  const TCustomChartAxis& left = *t.chart.LeftAxis();
  ASSERT_EQ(left.AxisLinePos(), 66);
  EXPECT_TRUE(left.AxisHitTest(60, 53));
  EXPECT_TRUE(left.AxisHitTest(68, 410));
  EXPECT_FALSE(left.AxisHitTest(69, 200));
  EXPECT_FALSE(left.AxisHitTest(59, 200));
  EXPECT_FALSE(left.AxisHitTest(62, 411));
  EXPECT_FALSE(left.AxisHitTest(62, 52));
  const TCustomChartAxis& bottom = *t.chart.BottomAxis();
  ASSERT_EQ(bottom.AxisLinePos(), 411);
  EXPECT_TRUE(bottom.AxisHitTest(66, 408));  // from AxisLinePos - 3 down to LabelsPos
  EXPECT_TRUE(bottom.AxisHitTest(518, 416));
  EXPECT_FALSE(bottom.AxisHitTest(300, 417));
  EXPECT_FALSE(bottom.AxisHitTest(300, 407));
  EXPECT_FALSE(t.chart.TopAxis()->AxisHitTest(300, 60));  // not shown
}

}  // namespace

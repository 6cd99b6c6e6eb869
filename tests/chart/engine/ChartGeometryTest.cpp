// Panel geometry of one repaint: margins, titles, series depth rows, the repaint's order,
// the range check of the 3D percentage and the setters' repaint rule.
#include <gtest/gtest.h>

#include <functional>

#include "chart/settings/ChartException.h"
#include "tests/chart/engine/EngineFixture.h"

namespace {

using Op = RecordingCanvas::Op;
const QString kTitle = QStringLiteral("結果グラフ");

// A result-graph sized chart with its two series; the axes are switched off so that
// PlotRect shows the rectangle before the axes take their room.
struct TwoSeriesChart : RecordedChart {
  TwoSeriesChart() {
    chart.SetAxisVisible(false);
    bars.SetParentChart(&chart);
    line.SetVertAxis(aRightAxis);
    line.SetParentChart(&chart);
  }
  std::vector<std::string> log;
  FakeSeries bars{&log, "bars"};
  FakeSeries line{&log, "line"};
};

TEST(ChartGeometry, MarginsArePercentagesOfThePanel) {
  TwoSeriesChart t;
  t.chart.SetView3D(false);
  t.Repaint();
  EXPECT_EQ(t.chart.PanelRect(), (TRect{0, 0, 601, 449}));
  EXPECT_EQ(t.chart.PlotRect(), (TRect{18, 18, 583, 431}));
  EXPECT_EQ(t.chart.PlotWidth(), 565);
  EXPECT_EQ(t.chart.PlotCenterX(), 300);
  EXPECT_EQ(t.chart.PlotCenterY(), 224);
  EXPECT_EQ(t.chart.ChartDepth(), 0);
}

TEST(ChartGeometry, ResultGraphTitleAndDepthBeforeTheAxes) {
  TwoSeriesChart t;
  t.chart.Title().SetText({kTitle});
  t.Repaint();
  constexpr int fh = 14;
  EXPECT_EQ(t.chart.SeriesDepth(), 8);
  EXPECT_EQ(t.chart.ChartDepth(), 16);
  EXPECT_EQ(t.chart.PlotRect(), (TRect{18, 39 + fh, 567, 431}));

  // One centred blue line at the top of the plot rectangle, no box.
  const auto texts = t.Calls(Op::TextOut);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Text, kTitle);
  EXPECT_EQ(texts[0].Points[0], (TPoint{(18 + 583) / 2 - 35 / 2, 18}));
  EXPECT_EQ(texts[0].Font.Color, clBlue);
  EXPECT_EQ(texts[0].BackMode, TBackMode::Transparent);
  EXPECT_TRUE(t.Calls(Op::Rectangle).empty());
  EXPECT_EQ(t.chart.Title().TitleBounds(), (TRect{18, 18, 583, 18 + fh}));
}

TEST(ChartGeometry, EmptyTitleAndFootTakeNoRoomAndAFootLineTakesItsHeightAndGap) {
  TwoSeriesChart t;
  t.chart.SetView3D(false);
  t.chart.Title().SetText({});
  t.Repaint();
  EXPECT_EQ(t.chart.PlotRect(), (TRect{18, 18, 583, 431}));

  t.chart.Foot().SetText({QStringLiteral("foot")});
  t.Repaint();
  EXPECT_EQ(t.chart.PlotRect(), (TRect{18, 18, 583, 431 - 14 - 5}));
  const auto texts = t.Calls(Op::TextOut);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Points[0], (TPoint{300 - 14, 431 - 14}));
}

TEST(ChartGeometry, FramedTitleBoxIsAsWideAsItsLineAndTakesTheFrameWidth) {
  TwoSeriesChart t;
  t.chart.SetView3D(false);
  t.chart.Title().SetText({QStringLiteral("abcd")});  // 28 pixels, "W" 7
  t.chart.Title().Frame().SetVisible(true);
  t.chart.Title().Frame().SetWidth(2);
  t.Repaint();
  const auto boxes = t.Calls(Op::Rectangle);  // the title box, then the flat back wall
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].Rect, (TRect{300 - 17, 20, 300 + 17, 34}));
  EXPECT_EQ(t.Calls(Op::TextOut)[0].Points[0], (TPoint{300 - 14, 20}));
  EXPECT_EQ(t.chart.PlotRect().Top, 20 + 14 + 2 + 5);
  EXPECT_EQ(t.chart.Title().TitleBounds(), (TRect{18, 18, 583, 36}));
}

TEST(ChartGeometry, SeriesRowsFromBackToFront) {
  TwoSeriesChart t;
  t.Repaint();
  EXPECT_EQ(t.bars.DepthSlot, 1);
  EXPECT_EQ(t.bars.ZFront, 8);
  EXPECT_EQ(t.bars.ZBack, 16);
  EXPECT_EQ(t.bars.ZMiddle, 12);
  EXPECT_EQ(t.bars.MarkDepth, 12);
  EXPECT_EQ(t.line.DepthSlot, 0);
  EXPECT_EQ(t.line.ZFront, 0);
  EXPECT_EQ(t.line.ZBack, 8);
  EXPECT_EQ(t.line.ZMiddle, 4);
}

TEST(ChartGeometry, FixedZOrderAndInactiveSeries) {
  TwoSeriesChart t;
  t.bars.SetZOrder(3);  // raises the highest row to 3; the line follows as 4
  t.Repaint();
  EXPECT_EQ(t.chart.MaxZOrder(), 4);
  EXPECT_EQ(t.bars.DepthSlot, 1);
  EXPECT_EQ(t.line.DepthSlot, 0);
  EXPECT_EQ(t.chart.ChartDepth(), 5 * 8);

  t.bars.SetActive(false);
  t.Repaint();
  EXPECT_EQ(t.chart.ChartDepth(), 8);  // one row left (the line's)
}

TEST(ChartGeometry, FlatViewHasNoDepth) {
  TwoSeriesChart t;
  t.chart.SetView3D(false);
  t.Repaint();
  EXPECT_EQ(t.chart.SeriesDepth(), 0);
  EXPECT_EQ(t.bars.DepthSlot, 0);
  EXPECT_EQ(t.line.DepthSlot, 0);
  EXPECT_EQ(t.bars.ZBack, 0);
}

struct DepthCase {
  int plotWidth;
  bool orthogonal;
  int seriesDepth;
};

class DepthRounding : public ::testing::TestWithParam<DepthCase> {};

// The panel is as wide as the plot (no margins, no title, no axes, no series: one row).
TEST_P(DepthRounding, SeriesDepthIsTheRoundedShareOfThePlotWidth) {
  const DepthCase c = GetParam();
  RecordedChart t(c.plotWidth, 300);
  t.chart.SetMarginLeft(0);
  t.chart.SetMarginRight(0);
  t.chart.SetMarginTop(0);
  t.chart.SetMarginBottom(0);
  t.chart.SetAxisVisible(false);
  t.chart.View3DOptions().SetOrthogonal(c.orthogonal);
  t.Repaint();
  EXPECT_EQ(t.chart.SeriesDepth(), c.seriesDepth);
  EXPECT_EQ(t.chart.ChartDepth(), c.seriesDepth);
  // Only the oblique view gives the depth up on the right and at the top.
  const int shift = c.orthogonal ? c.seriesDepth : 0;
  EXPECT_EQ(t.chart.PlotRect(), (TRect{0, shift, c.plotWidth - shift, 300}));
}

INSTANTIATE_TEST_SUITE_P(Widths, DepthRounding,
                         ::testing::Values(DepthCase{500, true, 7}, DepthCase{300, true, 4}, DepthCase{100, true, 1},
                                           DepthCase{565, true, 8}, DepthCase{500, false, 15}));

struct PercentCase {
  int value;
  bool accepted;
};

class Chart3DPercentRange : public ::testing::TestWithParam<PercentCase> {};

TEST_P(Chart3DPercentRange, OnlyOneToHundredIsStored) {
  const PercentCase c = GetParam();
  TChart chart;
  if (c.accepted) {
    chart.SetChart3DPercent(c.value);
    EXPECT_EQ(chart.Chart3DPercent(), c.value);
    return;
  }
  try {
    chart.SetChart3DPercent(c.value);
    FAIL() << "no exception for " << c.value;
  } catch (const ChartException& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("3 次元効果の割合は 1 から 100 の間でなければなりません"));
  }
  EXPECT_EQ(chart.Chart3DPercent(), 15);
}

INSTANTIATE_TEST_SUITE_P(Values, Chart3DPercentRange,
                         ::testing::Values(PercentCase{0, false}, PercentCase{101, false}, PercentCase{-5, false},
                                           PercentCase{1, true}, PercentCase{100, true}));

TEST(ChartRepaint, StepsRunInOrderWithTheSeriesClippedToThePlotBox) {
  TwoSeriesChart t;
  t.bars.Add(0, 50);
  t.line.Add(0, 200);
  t.bars.Marks = true;
  t.Repaint();
  EXPECT_EQ(t.log, (std::vector<std::string>{"bars:before-chart", "line:before-chart", "bars:before-values",
                                              "bars:values", "bars:marks", "bars:after-values",
                                              "line:before-values", "line:values", "line:after-values"}));
  // Each series' values sit between its clip and the unclip; marks are not clipped.
  std::vector<Op> clipOps;
  for (const auto& c : t.rec.Calls()) {
    if (c.Kind == Op::ClipPolygon || c.Kind == Op::Unclip || c.Kind == Op::ClipRectangle) clipOps.push_back(c.Kind);
  }
  EXPECT_EQ(clipOps, (std::vector<Op>{Op::ClipPolygon, Op::Unclip, Op::ClipPolygon, Op::Unclip}));
  // Canvas reset at the end.
  EXPECT_EQ(t.rec.Pen().Color, clBlack);
  EXPECT_EQ(t.rec.Brush().Color, clWhite);
  EXPECT_EQ(t.rec.BackMode(), TBackMode::Transparent);
}

TEST(ChartRepaint, SeriesWithoutVisiblePointsAreSkippedButKeepTheirRow) {
  TwoSeriesChart t;
  t.line.Add(0, 200);
  t.Repaint();
  EXPECT_EQ(std::count(t.log.begin(), t.log.end(), "bars:values"), 0);
  EXPECT_EQ(std::count(t.log.begin(), t.log.end(), "line:values"), 1);
  EXPECT_EQ(t.chart.ChartDepth(), 16);
}

TEST(ChartRepaint, NoClipWhenClipPointsIsOff) {
  TwoSeriesChart t;
  t.bars.Add(0, 50);
  t.chart.SetClipPoints(false);
  t.Repaint();
  EXPECT_TRUE(t.Calls(Op::ClipPolygon).empty());
  EXPECT_TRUE(t.Calls(Op::Unclip).empty());
}

TEST(ChartRepaint, VisibleRangeFollowsTheBottomAxisSpan) {
  TwoSeriesChart t;
  t.chart.SetAxisVisible(true);
  for (int i = 0; i < 10; ++i) t.bars.Add(i, 10);
  t.line.Between = true;
  for (int i = 0; i < 10; ++i) t.line.Add(i, 150);
  t.chart.BottomAxis()->SetRange(2.5, 6.5);
  t.Repaint();
  EXPECT_EQ(t.bars.VisibleFrom, 3);
  EXPECT_EQ(t.bars.VisibleTo, 6);  // steps back from 7, beyond the right end
  EXPECT_EQ(t.line.VisibleFrom, 3);
  EXPECT_EQ(t.line.VisibleTo, 7);  // keeps the point beyond, for the line to the edge
}

// One setter of a chart part with a value different from the default.
struct SetterCase {
  const char* name;
  std::function<void(TChart&)> setSame;
  std::function<void(TChart&)> setOther;
};

class SetterRepaint : public ::testing::TestWithParam<SetterCase> {};

TEST_P(SetterRepaint, StoresOnlyAChangeAndThenAsksForARepaint) {
  const SetterCase& c = GetParam();
  TChart chart;
  chart.Canvas().SetNeedsRedraw(false);
  c.setSame(chart);
  EXPECT_FALSE(chart.Canvas().NeedsRedraw()) << c.name;
  c.setOther(chart);
  EXPECT_TRUE(chart.Canvas().NeedsRedraw()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SetterRepaint,
    ::testing::Values(
        SetterCase{"Color", [](TChart& c) { c.SetColor(clBtnFace); }, [](TChart& c) { c.SetColor(clWhite); }},
        SetterCase{"MarginLeft", [](TChart& c) { c.SetMarginLeft(3); }, [](TChart& c) { c.SetMarginLeft(5); }},
        SetterCase{"View3D", [](TChart& c) { c.SetView3D(true); }, [](TChart& c) { c.SetView3D(false); }},
        SetterCase{"Chart3DPercent", [](TChart& c) { c.SetChart3DPercent(15); },
                   [](TChart& c) { c.SetChart3DPercent(30); }},
        SetterCase{"Zoom", [](TChart& c) { c.View3DOptions().SetZoom(100); },
                   [](TChart& c) { c.View3DOptions().SetZoom(50); }},
        SetterCase{"HorizOffset", [](TChart& c) { c.View3DOptions().SetHorizOffset(0); },
                   [](TChart& c) { c.View3DOptions().SetHorizOffset(4); }},
        SetterCase{"BackWall.Brush", [](TChart& c) { c.BackWall().Brush().SetStyle(TBrushStyle::Clear); },
                   [](TChart& c) { c.BackWall().Brush().SetStyle(TBrushStyle::Solid); }},
        SetterCase{"LeftWall.Color", [](TChart& c) { c.LeftWall().SetColor(0x0080FFFF); },
                   [](TChart& c) { c.LeftWall().SetColor(clRed); }},
        SetterCase{"Title.Text", [](TChart& c) { c.Title().SetText({}); },
                   [](TChart& c) { c.Title().SetText({QStringLiteral("x")}); }},
        SetterCase{"Title.Font", [](TChart& c) { c.Title().Font().SetColor(clBlue); },
                   [](TChart& c) { c.Title().Font().SetColor(clRed); }},
        SetterCase{"Axis.Grid", [](TChart& c) { c.LeftAxis()->Grid().SetStyle(TPenStyle::Dot); },
                   [](TChart& c) { c.LeftAxis()->Grid().SetVisible(false); }},
        SetterCase{"Axis.Maximum", [](TChart& c) { c.LeftAxis()->SetMaximum(0); },
                   [](TChart& c) { c.LeftAxis()->SetMaximum(10); }},
        SetterCase{"Axis.Title", [](TChart& c) { c.RightAxis()->Title().SetAngle(270); },
                   [](TChart& c) { c.RightAxis()->Title().SetCaption(QStringLiteral("t")); }},
        SetterCase{"Legend", [](TChart& c) { c.Legend().SetVisible(true); },
                   [](TChart& c) { c.Legend().SetVisible(false); }}),
    [](const ::testing::TestParamInfo<SetterCase>& info) {
      std::string n = info.param.name;
      std::replace(n.begin(), n.end(), '.', '_');
      return n;
    });

TEST(ChartDefaults, ConstructorSettings) {
  TChart chart;
  EXPECT_EQ(chart.width(), 400);
  EXPECT_EQ(chart.height(), 250);
  EXPECT_EQ(chart.Color(), clBtnFace);
  EXPECT_EQ(chart.BevelOuter(), bvRaised);
  EXPECT_EQ(chart.BevelInner(), bvNone);
  EXPECT_EQ(chart.Chart3DPercent(), 15);
  EXPECT_TRUE(chart.View3D());
  EXPECT_TRUE(chart.View3DOptions().Orthogonal());
  EXPECT_EQ(chart.View3DOptions().Elevation(), 345);
  EXPECT_EQ(chart.View3DOptions().Zoom(), 100);
  EXPECT_TRUE(chart.testAttribute(Qt::WA_OpaquePaintEvent));
  EXPECT_EQ(chart.BackWall().Brush().Style(), TBrushStyle::Clear);
  EXPECT_EQ(chart.LeftWall().Color(), 0x0080FFFFu);
  EXPECT_EQ(chart.BottomWall().Color(), clWhite);
  EXPECT_EQ(chart.Title().Font().Color(), clBlue);
  EXPECT_EQ(chart.Title().Font().Height(), 12);
  EXPECT_FALSE(chart.Title().Frame().Visible());
  ASSERT_EQ(chart.AxesList().size(), 5u);
  EXPECT_EQ(chart.AxesList()[2], chart.LeftAxis());
  EXPECT_EQ(chart.LeftAxis()->Title().Angle(), 90);
  EXPECT_EQ(chart.RightAxis()->Title().Angle(), 270);
  EXPECT_FALSE(chart.DepthAxis()->Visible());
  EXPECT_TRUE(chart.TopAxis()->IsFarSide());
  EXPECT_EQ(chart.LeftAxis()->Axis().Width(), 2);
  EXPECT_EQ(chart.LeftAxis()->Grid().Style(), TPenStyle::Dot);
  EXPECT_EQ(chart.LeftAxis()->Grid().Color(), clGray);
  EXPECT_FALSE(chart.LeftAxis()->MinorGrid().Visible());
  EXPECT_EQ(chart.LeftAxis()->AxisValuesFormat(), QStringLiteral("#,##0.###"));
  EXPECT_EQ(chart.LeftAxis()->TickBandSize(), 6);
}

}  // namespace

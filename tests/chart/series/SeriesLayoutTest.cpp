// What the series give the chart's layout: depth rows, bar width, pixel margins and the
// visible range, checked through the result graph's chart.
#include <gtest/gtest.h>

#include "tests/chart/series/ResultGraphFixture.h"

namespace {

class DepthRows : public testing::TestWithParam<int> {};

TEST_P(DepthRows, BarsInTheBackRowLineInFront) {
  ResultGraph g;
  for (int i = 0; i < GetParam(); ++i) g.Add(80, 200);
  g.Repaint();
  ASSERT_EQ(g.chart.SeriesDepth(), 8);
  EXPECT_EQ(g.bars.DepthSlot, 1);
  EXPECT_EQ(g.bars.ZFront, 8);
  EXPECT_EQ(g.bars.ZMiddle, 12);
  EXPECT_EQ(g.bars.ZBack, 16);
  EXPECT_EQ(g.bars.Marks().MarkDepth, 12);
  EXPECT_EQ(g.line.DepthSlot, 0);
  EXPECT_EQ(g.line.ZFront, 0);
  EXPECT_EQ(g.line.ZMiddle, 4);
  EXPECT_EQ(g.line.ZBack, 8);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutPoints, DepthRows, testing::Values(0, 1, 3));

TEST(DepthRows, SideBySideBarsShareOneRowAndHalveTheirWidth) {
  ResultGraph g;
  TBarSeries more;
  more.SetParentChart(&g.chart);  // a second bar series after the line
  for (int i = 0; i < 3; ++i) {
    g.Add(50, 200);
    more.AddPoint(i, 60);
  }
  g.Repaint();
  EXPECT_EQ(more.ZOrder(), g.bars.ZOrder());
  EXPECT_EQ(more.DepthSlot, g.bars.DepthSlot);
  EXPECT_EQ(g.chart.ChartDepth(), 16);  // still two rows: the bars' and the line's
  EXPECT_EQ(g.bars.NumSameFamily(), 2);
  EXPECT_EQ(g.bars.OrderInFamily(), 1);
  EXPECT_EQ(more.OrderInFamily(), 2);
  // Room 453 div 4 = 113, 70 % is 79.1 -> 79, shared by two: 39, made even.
  EXPECT_EQ(g.bars.BarPixelWidth, 40);
  // The first stands left of its point by one width, the second starts at the point.
  const int x0 = g.chart.BottomAxis()->ValueToPixel(0);
  EXPECT_EQ(g.bars.CalcXPos(0), x0 - g.bars.BarPixelWidth);
  EXPECT_EQ(more.CalcXPos(0), x0);

  more.SetMultiBar(mbNone);  // no longer side by side: a row of its own
  g.Repaint();
  EXPECT_NE(more.DepthSlot, g.bars.DepthSlot);
  EXPECT_EQ(g.chart.ChartDepth(), 24);
}

TEST(BarWidthInChart, FollowsTheBottomAxisLength) {
  ResultGraph g;
  for (int i = 0; i < 7; ++i) g.Add(50, 200);
  g.Repaint();
  ASSERT_EQ(g.chart.BottomAxis()->Mapping().PixelLength(), 453);
  // Room 453 div 8 = 56, 70 % is 39.2, rounded 39, made even.
  EXPECT_EQ(g.bars.BarPixelWidth, 40);
  int left = -1, right = -1;
  g.bars.GetHorizMargins(left, right);
  EXPECT_EQ(left, 40);
  EXPECT_EQ(right, 40);
  // The axis keeps the margin free: point 0 sits 40 pixels in from the axis' start.
  EXPECT_EQ(g.chart.BottomAxis()->ValueToPixel(0), g.chart.BottomAxis()->Mapping().StartPixel() + 40);
  EXPECT_EQ(g.chart.BottomAxis()->ValueToPixel(6), g.chart.BottomAxis()->Mapping().EndPixel() - 40);

  g.bars.SetSideMargins(false);  // room 453 div 7 = 64, 44.8 -> 45 -> 46, half as margin
  g.Repaint();
  EXPECT_EQ(g.bars.BarPixelWidth, 46);
  g.bars.GetHorizMargins(left, right);
  EXPECT_EQ(left, 23);
  EXPECT_EQ(right, 23);

  g.bars.SetCustomBarWidth(13);
  g.Repaint();
  EXPECT_EQ(g.bars.BarPixelWidth, 13);
}

TEST(BarWidthInChart, OnePointTakesSeventyPercentOfHalfTheAxis) {
  ResultGraph g;
  g.Add(95, 207);
  g.Repaint();
  // 453 div 2 = 226, 70 % is 158.2 -> 158, even.
  EXPECT_EQ(g.bars.BarPixelWidth, 158);
  // A zero-length bottom axis range puts the single point at the axis' centre.
  EXPECT_EQ(g.bars.CalcXPos(0), g.chart.BottomAxis()->Mapping().CenterPixel() - 79);
}

TEST(Margins, EmptyHistoryAsksForNothingAndDrawsNoSeries) {
  ResultGraph g;
  g.Repaint();
  EXPECT_EQ(g.bars.VisibleFrom, -1);
  EXPECT_EQ(g.line.VisibleFrom, -1);
  EXPECT_EQ(g.bars.BarPixelWidth, 0);
  int l = -1, r = -1, t = -1, b = -1;
  g.bars.GetHorizMargins(l, r);
  g.bars.GetVertMargins(t, b);
  EXPECT_EQ(l + r + t + b, 0);
  EXPECT_TRUE(g.Calls(RecordingCanvas::Op::ClipPolygon).empty());  // no series got as far as its clip
}

struct VertCase {
  const char* name;
  std::vector<double> ys;
  bool marks;
  bool useOrigin;
  int top, bottom;
};

class BarVertMargins : public testing::TestWithParam<VertCase> {};

// The mark length is the text height (14 here) + the arrow (20) + twice the frame width.
TEST_P(BarVertMargins, RoomForTheMarksBeyondTheBars) {
  const VertCase& c = GetParam();
  ResultGraph g;
  g.bars.Marks().SetVisible(c.marks);
  g.bars.SetUseYOrigin(c.useOrigin);
  for (size_t i = 0; i < c.ys.size(); ++i) g.bars.AddPoint(static_cast<double>(i), c.ys[i]);
  g.Repaint();
  int t = -1, b = -1;
  g.bars.GetVertMargins(t, b);
  EXPECT_EQ(t, c.top);
  EXPECT_EQ(b, c.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, BarVertMargins,
    testing::Values(VertCase{"AboveOrigin", {85, 100}, true, true, 37, 0},
                    VertCase{"BothSides", {-5, 100}, true, true, 37, 37},
                    VertCase{"AllBelow", {-5, -1}, true, true, 0, 37},
                    VertCase{"OnOrigin", {0, 0}, true, true, 0, 0},
                    VertCase{"WithoutOrigin", {-5, -1}, true, false, 37, 0},
                    VertCase{"MarksHidden", {85}, false, true, 0, 0},
                    VertCase{"NoPoints", {}, true, true, 0, 0}),
    [](const testing::TestParamInfo<VertCase>& info) { return info.param.name; });

TEST(Margins, LineAsksForRoomOnlyForAVisiblePointer) {
  ResultGraph g;
  g.Add(50, 200);
  int l, r, t, b;
  g.line.GetHorizMargins(l, r);
  g.line.GetVertMargins(t, b);
  EXPECT_EQ(l + r + t + b, 0);
  g.line.Pointer().SetVisible(true);
  g.line.GetHorizMargins(l, r);
  g.line.GetVertMargins(t, b);
  EXPECT_EQ(l, 5);
  EXPECT_EQ(r, 5);
  EXPECT_EQ(t, 5);
  EXPECT_EQ(b, 5);
}

TEST(VisibleRange, ZoomedBottomAxisKeepsTheLinePointBeyondTheEdge) {
  ResultGraph g;
  for (int i = 0; i < 6; ++i) g.Add(50, 200);
  g.chart.BottomAxis()->SetRange(1.5, 3.5);
  g.Repaint();
  EXPECT_EQ(g.bars.VisibleFrom, 2);
  EXPECT_EQ(g.bars.VisibleTo, 3);
  EXPECT_EQ(g.line.VisibleFrom, 2);
  EXPECT_EQ(g.line.VisibleTo, 4);
}

TEST(VisibleRange, UnzoomedEveryPointIsVisible) {
  ResultGraph g;
  for (int i = 0; i < 5; ++i) g.Add(50, 200);
  g.Repaint();
  EXPECT_EQ(g.bars.VisibleFrom, 0);
  EXPECT_EQ(g.bars.VisibleTo, 4);
  EXPECT_EQ(g.line.VisibleTo, 4);
}

}  // namespace

namespace {

TEST(HitTest, PressOnABarOrOnTheRibbonFindsItsPoint) {
  ResultGraph g;
  g.Add(85, 207);
  g.Add(100, 250);
  g.Add(0, 120);
  g.Repaint();
  // Bar 0 spans x 106..186, y 107..411 in its front plane at depth 8: screen (+8, -8).
  EXPECT_EQ(g.bars.Clicked(150, 200), 0);
  EXPECT_EQ(g.bars.Clicked(106 + 8, 107 - 8), 0);  // the corner counts
  EXPECT_EQ(g.bars.Clicked(150, 98), -1);          // just above the bar
  EXPECT_EQ(g.bars.Clicked(300, 60), 1);
  // Line point 0 is the pixel (146, 219) at depth 0; the ribbon to point 1 hits point 0.
  EXPECT_EQ(g.line.Clicked(146, 219), 0);
  EXPECT_EQ(g.line.Clicked(223, 177), 0);
  EXPECT_EQ(g.line.Clicked(370, 255), 1);
  EXPECT_EQ(g.line.Clicked(400, 60), -1);
}

}  // namespace

// The time line as a ribbon in the front row (depth 0..8) on the right scale (100..300 s over
// y 411..53), exactly as recorded.
#include <gtest/gtest.h>

#include "tests/chart/series/DrawingHelpers.h"
#include "tests/chart/series/ResultGraphFixture.h"

namespace {

constexpr TColor kBlue = RGBColor(0, 0, 255);
constexpr TColor kBlueDark = RGBColor(0, 0, 191);

// The ribbon polygons: the polygons drawn after the line's clip was set.
std::vector<Call> Ribbon(const ResultGraph& g) {
  const std::vector<Call> calls = SeriesCalls(g.rec);
  std::vector<Call> out;
  int clips = 0;
  for (const Call& c : calls) {
    if (c.Kind == Op::ClipPolygon) ++clips;
    if (c.Kind == Op::Polygon && clips == (g.bars.PointCount() > 0 ? 2 : 1)) out.push_back(c);
  }
  return out;
}

// Line points only; the bars stay empty.
void LineOf(ResultGraph& g, const std::vector<std::pair<double, TColor>>& times) {
  for (size_t i = 0; i < times.size(); ++i) g.line.AddPoint(static_cast<double>(i), times[i].first, "", times[i].second);
  g.Repaint();
}

TPoint PixelOf(const ResultGraph& g, double x, double seconds) {
  return {g.chart.BottomAxis()->ValueToPixel(x), g.chart.RightAxis()->ValueToPixel(seconds)};
}

// (p, z 0), (prev, z 0), (prev, z 8), (p, z 8).
Points RibbonQuad(TPoint prev, TPoint p) { return {p, prev, {prev.X + 8, prev.Y - 8}, {p.X + 8, p.Y - 8}}; }

TEST(LineDrawing, RibbonJoinsThePointsInBlueOutlinedInBlack) {
  ResultGraph g;
  g.Add(85, 207);
  g.Add(100, 250);
  g.Add(0, 120);
  g.Repaint();
  const std::vector<Call> ribbon = Ribbon(g);
  ASSERT_EQ(ribbon.size(), 2u);
  // 207 s: 411 - Round(107 * 358 / 200) = 219.
  EXPECT_EQ(ribbon[0].Points, (Points{{292, 143}, {146, 219}, {154, 211}, {300, 135}}));
  EXPECT_EQ(ribbon[1].Points, (Points{{439, 375}, {292, 143}, {300, 135}, {447, 367}}));
  for (const Call& c : ribbon) {
    EXPECT_EQ(c.Brush, (TCanvasBrush{kBlue, TBrushStyle::Solid}));
    EXPECT_EQ(c.Pen.Color, clBlack);
    EXPECT_TRUE(c.Pen.Draws());
  }
}

TEST(LineDrawing, SegmentRisingSteeperThanTheRowIsDarker) {
  ResultGraph g;
  g.Add(50, 100);
  g.Add(50, 300);  // 358 pixels up over 146 to the right
  g.Add(50, 290);
  g.Repaint();
  const std::vector<Call> ribbon = Ribbon(g);
  ASSERT_EQ(ribbon.size(), 2u);
  EXPECT_EQ(ribbon[0].Brush.Color, kBlueDark);
  EXPECT_EQ(ribbon[1].Brush.Color, kBlue);
  EXPECT_DOUBLE_EQ(g.line.SlopeLimit, 1.0);
}

TEST(LineDrawing, TwoPointsOnOnePixelGetNoSegment) {
  ResultGraph g;
  LineOf(g, {{150, clAutoColor}, {200, clAutoColor}, {200, clAutoColor}, {250, clAutoColor}});
  ResultGraph same;
  same.line.AddPoint(0, 150);
  same.line.AddPoint(1, 200);
  same.line.AddPoint(1, 200);  // the same X and Y: the same pixel as the point before
  same.line.AddPoint(2, 250);
  same.Repaint();
  const std::vector<Call> ribbon = Ribbon(same);
  ASSERT_EQ(ribbon.size(), 2u);
  const TPoint p0 = PixelOf(same, 0, 150), p1 = PixelOf(same, 1, 200), p2 = PixelOf(same, 2, 250);
  EXPECT_EQ(ribbon[0].Points, RibbonQuad(p0, p1));
  EXPECT_EQ(ribbon[1].Points, RibbonQuad(p1, p2));
  EXPECT_EQ(Ribbon(g).size(), 3u);  // apart, the same values give three segments
}

TEST(LineDrawing, NullPointBreaksTheLine) {
  ResultGraph g;
  LineOf(g, {{200, clAutoColor}, {260, clNone}, {220, clAutoColor}, {240, clAutoColor}});
  const std::vector<Call> ribbon = Ribbon(g);
  ASSERT_EQ(ribbon.size(), 1u);
  EXPECT_EQ(ribbon[0].Points, RibbonQuad(PixelOf(g, 2, 220), PixelOf(g, 3, 240)));
}

TEST(LineDrawing, PointBeyondTheDrawableRangeIsLeftOutAndItsNeighboursJoined) {
  ResultGraph g;
  LineOf(g, {{200, clAutoColor}, {1e7, clAutoColor}, {250, clAutoColor}});
  ASSERT_LT(PixelOf(g, 1, 1e7).Y, -32766);
  const std::vector<Call> ribbon = Ribbon(g);
  ASSERT_EQ(ribbon.size(), 1u);
  EXPECT_EQ(ribbon[0].Points, RibbonQuad(PixelOf(g, 0, 200), PixelOf(g, 2, 250)));
}

TEST(LineDrawing, FirstPointBeyondTheDrawableRangeStartsNothing) {
  ResultGraph g;
  LineOf(g, {{-1e7, clAutoColor}, {200, clAutoColor}, {250, clAutoColor}});
  const std::vector<Call> ribbon = Ribbon(g);
  ASSERT_EQ(ribbon.size(), 1u);
  EXPECT_EQ(ribbon[0].Points, RibbonQuad(PixelOf(g, 1, 200), PixelOf(g, 2, 250)));
}

TEST(LineDrawing, TimesOffTheScaleAreJoinedInsideTheClipOfThePlotBox) {
  ResultGraph g;
  g.Add(80, 200);
  g.Add(90, 350);
  g.Add(70, 80);
  g.Repaint();
  const std::vector<Call> calls = SeriesCalls(g.rec);
  // The line's clip: the last clip region set, then its polygons, then the unclip.
  size_t clip = calls.size();
  while (calls[--clip].Kind != Op::ClipPolygon) {
  }
  EXPECT_EQ(calls[clip].Points, (Points{{66, 411}, {66, 53}, {82, 37}, {535, 37}, {535, 395}, {519, 411}}));
  ASSERT_EQ(calls.size(), clip + 4);
  EXPECT_EQ(calls[clip + 1].Kind, Op::Polygon);
  EXPECT_EQ(calls[clip + 2].Kind, Op::Polygon);
  EXPECT_EQ(calls[clip + 3].Kind, Op::Unclip);
  // 350 s lies 447 pixels above the bottom, 80 s 36 below it: outside the span, not moved.
  EXPECT_EQ(calls[clip + 1].Points[0], (TPoint{292, 411 - 448}));
  EXPECT_EQ(calls[clip + 2].Points[0], (TPoint{439, 411 + 36}));
}

TEST(LineDrawing, ZoomedInTheFirstSegmentStartsAtThePlotEdge) {
  for (const TColor before : {clAutoColor, clNone}) {
    ResultGraph g;
    const double times[] = {200, 300, 100, 200};
    for (int i = 0; i < 4; ++i) g.line.AddPoint(i, times[i], "", i == 0 ? before : clAutoColor);
    g.chart.BottomAxis()->SetRange(0.5, 2.5);
    g.Repaint();
    ASSERT_EQ(g.line.VisibleFrom, 1);
    const std::vector<Call> ribbon = Ribbon(g);
    // Points 1..3 are drawn (3 lies beyond the right edge and keeps the line running on).
    if (before == clNone) {  // no segment from a null point
      EXPECT_EQ(ribbon.size(), 2u);
      continue;
    }
    ASSERT_EQ(ribbon.size(), 3u);
    // At the left edge x = 0.5 the line is halfway from 200 to 300 s.
    const TPoint edge{g.chart.PlotRect().Left, g.chart.RightAxis()->ValueToPixel(250)};
    EXPECT_EQ(ribbon[0].Points, RibbonQuad(edge, PixelOf(g, 1, 300)));
  }
}

TEST(LineDrawing, SinglePointDrawsNoSegment) {
  ResultGraph g;
  LineOf(g, {{207, clAutoColor}});
  EXPECT_EQ(g.line.VisibleFrom, 0);
  EXPECT_TRUE(Ribbon(g).empty());
}

TEST(LineDrawing, VisiblePointerDrawsABoxAtEachPoint) {
  ResultGraph g;
  g.line.Pointer().SetVisible(true);
  g.line.AddPoint(0, 200);
  g.line.AddPoint(1, 250);
  g.Repaint();
  const std::vector<Call> polys = Ribbon(g);
  // Point 0: its box (front, side, top); point 1: the segment, then its box.
  ASSERT_EQ(polys.size(), 7u);
  const TPoint p0 = PixelOf(g, 0, 200);
  EXPECT_EQ(polys[0].Points, (Points{{p0.X - 4, p0.Y - 4}, {p0.X + 4, p0.Y - 4}, {p0.X + 4, p0.Y + 4}, {p0.X - 4, p0.Y + 4}}));
  EXPECT_EQ(polys[0].Brush.Color, kBlue);
}

}  // namespace

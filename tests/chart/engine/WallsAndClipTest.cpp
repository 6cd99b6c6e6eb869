// The walls of the 3D box and the series' clip region, in the oblique 3D view and flat.
#include <gtest/gtest.h>

#include "tests/chart/engine/EngineFixture.h"

namespace {

using Op = RecordingCanvas::Op;

// Default chart at the result graph's size, no title, axes off, two series rows:
// PlotRect (18, 34, 567, 431) and depth 16 after the repaint.
struct WalledChart : RecordedChart {
  WalledChart() {
    chart.SetAxisVisible(false);
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    a.Add(0, 1);
  }
  FakeSeries a;
  FakeSeries b;
};

constexpr int L = 18, T = 34, R = 567, B = 431, D = 16;

TEST(Walls, BackLeftAndBottomPlanesInTheObliqueView) {
  WalledChart t;
  t.Repaint();
  ASSERT_EQ(t.chart.PlotRect(), (TRect{L, T, R, B}));
  ASSERT_EQ(t.chart.ChartDepth(), D);
  const auto polys = t.Calls(Op::Polygon);
  ASSERT_EQ(polys.size(), 3u);

  // Back wall: only the outline (clear brush), one pixel in from the left and above the top.
  EXPECT_EQ(polys[0].Points, (std::vector<TPoint>{{L + 1 + D, T - 1 - D}, {R + D, T - 1 - D}, {R + D, B - D},
                                                  {L + 1 + D, B - D}}));
  EXPECT_EQ(polys[0].Brush.Style, TBrushStyle::Clear);
  EXPECT_EQ(polys[0].Pen.Color, clBlack);

  // Left wall: pale yellow, one pixel deeper than the box.
  EXPECT_EQ(polys[1].Points, (std::vector<TPoint>{{L, T}, {L + D + 1, T - D - 1}, {L + D + 1, B - D - 1}, {L, B}}));
  EXPECT_EQ(polys[1].Brush.Color, 0x0080FFFFu);
  EXPECT_EQ(polys[1].Brush.Style, TBrushStyle::Solid);
  EXPECT_EQ(polys[1].BackMode, TBackMode::Transparent);

  // Floor: white.
  EXPECT_EQ(polys[2].Points, (std::vector<TPoint>{{L, B}, {R, B}, {R + D, B - D}, {L + D, B - D}}));
  EXPECT_EQ(polys[2].Brush.Color, clWhite);
  EXPECT_EQ(polys[2].Pen.Width, 1);
}

TEST(Walls, FlatViewDrawsOnlyTheBackWallAsARectangle) {
  WalledChart t;
  t.chart.SetView3D(false);
  t.Repaint();
  EXPECT_TRUE(t.Calls(Op::Polygon).empty());
  const auto rects = t.Calls(Op::Rectangle);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0].Rect, (TRect{18, 18, 584, 432}));
}

TEST(Walls, SwitchedOffIn3DDrawsNoWall) {
  WalledChart t;
  t.chart.SetView3DWalls(false);
  t.Repaint();
  EXPECT_TRUE(t.Calls(Op::Polygon).empty());
  EXPECT_TRUE(t.Calls(Op::Rectangle).empty());
}

TEST(Walls, ThickWallsAreShadedBoxesAndGiveTheirSizeToTheAxes) {
  WalledChart t;
  t.chart.LeftWall().SetSize(4);
  t.chart.BottomWall().SetSize(3);
  t.Repaint();
  EXPECT_EQ(t.chart.AxisWallSize(t.chart.LeftAxis()), 4);
  EXPECT_EQ(t.chart.AxisWallSize(t.chart.BottomAxis()), 3);
  EXPECT_EQ(t.chart.AxisWallSize(t.chart.RightAxis()), 0);
  // Back wall plane, then the left wall box (front, right side, top), then the floor box.
  const auto polys = t.Calls(Op::Polygon);
  ASSERT_EQ(polys.size(), 7u);
  EXPECT_EQ(polys[0].Points[3], (TPoint{L + 1 + D, B - D}));
  // Left wall box from L - 4 to L, down to the bottom wall's thickness.
  EXPECT_EQ(polys[1].Points, (std::vector<TPoint>{{L - 4, T}, {L, T}, {L, B + 3}, {L - 4, B + 3}}));
  EXPECT_EQ(polys[1].Brush.Color, 0x0080FFFFu);
  EXPECT_EQ(polys[2].Brush.Color, TChartCanvas3D::DarkenColor(0x0080FFFF, 128));
  EXPECT_EQ(polys[3].Brush.Color, TChartCanvas3D::DarkenColor(0x0080FFFF, 64));
  // Floor box from B to B + 3.
  EXPECT_EQ(polys[4].Points, (std::vector<TPoint>{{L, B}, {R, B}, {R, B + 3}, {L, B + 3}}));
  t.chart.SetView3DWalls(false);
  EXPECT_EQ(t.chart.AxisWallSize(t.chart.LeftAxis()), 0);
}

TEST(SeriesClip, HexagonOfTheProjectedBoxIn3D) {
  WalledChart t;
  t.Repaint();
  const auto clips = t.Calls(Op::ClipPolygon);
  ASSERT_EQ(clips.size(), 1u);
  EXPECT_EQ(clips[0].Points,
            (std::vector<TPoint>{{L, B}, {L, T}, {L + D, T - D}, {R + D, T - D}, {R + D, B - D}, {R, B}}));
}

TEST(SeriesClip, InnerRectangleWhenFlat) {
  WalledChart t;
  t.chart.SetView3D(false);
  t.Repaint();
  const auto clips = t.Calls(Op::ClipRectangle);
  ASSERT_EQ(clips.size(), 1u);
  EXPECT_EQ(clips[0].Rect, (TRect{19, 19, 583, 430}));
}

TEST(PanelPaint, FillThenOneRaisedBevelRing) {
  WalledChart t;
  t.Repaint();
  const auto& calls = t.rec.Calls();
  ASSERT_GE(calls.size(), 5u);
  EXPECT_EQ(calls[0].Kind, Op::FillRect);
  EXPECT_EQ(calls[0].Rect, (TRect{0, 0, 601, 449}));
  EXPECT_EQ(calls[0].Brush.Color, ColorToRGB(clBtnFace));
  // Left and top edges in the highlight colour, right and bottom in the shadow colour.
  EXPECT_EQ(calls[1].Points, (std::vector<TPoint>{{0, 448}, {0, 0}}));
  EXPECT_EQ(calls[2].Points, (std::vector<TPoint>{{0, 0}, {600, 0}}));
  EXPECT_EQ(calls[2].Pen.Color, ColorToRGB(clBtnHighlight));
  EXPECT_EQ(calls[3].Points, (std::vector<TPoint>{{600, 0}, {600, 448}}));
  EXPECT_EQ(calls[4].Points, (std::vector<TPoint>{{600, 448}, {-1, 448}}));
  EXPECT_EQ(calls[4].Pen.Color, ColorToRGB(clBtnShadow));
}

}  // namespace

#include <gtest/gtest.h>

#include <functional>

#include "Canvas3DFixture.h"

namespace {

using Op = RecordingCanvas::Op;
using Points = std::vector<TPoint>;

// The plot rectangle and depth of the walls' and clip tests.
constexpr int L = 40, T = 60, R = 540, B = 400, D = 16;

struct PlaneCase {
  const char* name;
  std::function<void(TChartCanvas3D&)> draw;
  Points corners;
};

class PlaneTest : public ::testing::TestWithParam<PlaneCase> {};

TEST_P(PlaneTest, DrawsOnePolygonThroughTheProjectedCorners) {
  Recorded3D f;
  GetParam().draw(f.c3d);
  ASSERT_EQ(f.rec.Calls().size(), 1u);
  EXPECT_EQ(f.Polygon(0), GetParam().corners);
}

INSTANTIATE_TEST_SUITE_P(
    Walls, PlaneTest,
    ::testing::Values(
        PlaneCase{"BackWall", [](TChartCanvas3D& c) { c.RectAtZ({L + 1, T - 1, R, B}, D); },
                  {{L + 1 + D, T - 1 - D}, {R + D, T - 1 - D}, {R + D, B - D}, {L + 1 + D, B - D}}},
        PlaneCase{"LeftWall", [](TChartCanvas3D& c) { c.SidePlane(L, T, B, 0, D + 1); },
                  {{L, T}, {L + D + 1, T - D - 1}, {L + D + 1, B - D - 1}, {L, B}}},
        PlaneCase{"BottomWall", [](TChartCanvas3D& c) { c.FloorPlane(L, B, R, 0, D); },
                  {{L, B}, {R, B}, {R + D, B - D}, {L + D, B - D}}},
        PlaneCase{"Quad", [](TChartCanvas3D& c) { c.QuadAtZ({10, 20}, {30, 20}, {30, 40}, {10, 40}, 5); },
                  {{15, 15}, {35, 15}, {35, 35}, {15, 35}}},
        // A line segment's ribbon from the point back to the previous one, front then back.
        PlaneCase{"Ribbon", [](TChartCanvas3D& c) { c.PlaneWithZ({100, 200}, {80, 210}, 0, 8); },
                  {{100, 200}, {80, 210}, {88, 202}, {108, 192}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Lines, DepthHorizontalAndVerticalLinesGoThroughTheProjection) {
  Recorded3D f;
  f.c3d.HorizLineZ(L, R, B, 0);
  f.c3d.VertLineZ(100, T, B, D);
  f.c3d.DepthLine(100, B, 0, D);
  f.c3d.MoveToZ(10, 10, 2);
  f.c3d.LineToZ(20, 30, 2);
  std::vector<RecordingCanvas::Call> lines = f.rec.CallsOf(Op::Line);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].Points, (Points{{L, B}, {R, B}}));
  EXPECT_EQ(lines[1].Points, (Points{{100 + D, T - D}, {100 + D, B - D}}));
  EXPECT_EQ(lines[2].Points, (Points{{100, B}, {100 + D, B - D}}));
  EXPECT_EQ(lines[3].Points, (Points{{12, 8}, {22, 28}}));
  EXPECT_EQ(f.rec.PenPos(), (TPoint{22, 28}));
}

TEST(BoxClip, HexagonInTheDefaultView) {
  Recorded3D f;
  f.c3d.BoxClip({L, T, R, B}, 0, D);
  std::vector<RecordingCanvas::Call> clips = f.rec.CallsOf(Op::ClipPolygon);
  ASSERT_EQ(clips.size(), 1u);
  EXPECT_EQ(clips[0].Points, (Points{{L, B}, {L, T}, {L + D, T - D}, {R + D, T - D}, {R + D, B - D}, {R, B}}));
}

TEST(BoxClip, HexagonFollowsZoomAndOffsets) {
  Recorded3D f(View(50, 10, 0), {L, T, R, B});  // centre (290, 230)
  f.c3d.BoxClip({L, T, R, B}, 0, D);
  Points expected;
  for (TPoint p : {f.c3d.Project(L, B, 0), f.c3d.Project(L, T, 0), f.c3d.Project(L, T, D), f.c3d.Project(R, T, D),
                   f.c3d.Project(R, B, D), f.c3d.Project(R, B, 0)})
    expected.push_back(p);
  EXPECT_EQ(f.rec.CallsOf(Op::ClipPolygon).at(0).Points, expected);
  EXPECT_EQ(expected[0], (TPoint{175, 315}));  // Round(-125) + 300, Round(85) + 230
}

TEST(BoxClip, FlatViewIntersectsTheInnerRectangle) {
  Recorded3D f(View(100, 0, 0, false));
  f.c3d.BoxClip({L, T, R, B}, 0, 0);
  std::vector<RecordingCanvas::Call> clips = f.rec.CallsOf(Op::ClipRectangle);
  ASSERT_EQ(clips.size(), 1u);
  EXPECT_EQ(clips[0].Rect, (TRect{L + 1, T + 1, R, B - 1}));
  EXPECT_TRUE(f.rec.CallsOf(Op::ClipPolygon).empty());
}

// Box: which faces are drawn, in which order and colour.
struct BoxCase {
  const char* name;
  int z0, z1;
  bool darkSides;
  TBrushStyle style;
  Points front, side, top;               // empty: face not drawn
  TColor frontColor, sideColor, topColor;  // brush colour (solid) or background colour (otherwise)
};

class BoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(BoxTest, DrawsTheFacesTurnedTowardsTheViewer) {
  const BoxCase& c = GetParam();
  Recorded3D f;
  f.rec.SetBrush({clRed, c.style});
  f.rec.SetBackColor(RGBColor(0, 200, 100));
  f.c3d.Box(100, 120, 50, 90, c.z0, c.z1, c.darkSides);
  std::vector<RecordingCanvas::Call> polys = f.rec.CallsOf(Op::Polygon);
  size_t expected = 1 + !c.side.empty() + !c.top.empty();
  ASSERT_EQ(polys.size(), expected);
  auto colourOf = [&](const RecordingCanvas::Call& call) {
    return c.style == TBrushStyle::Solid ? call.Brush.Color : call.BackColor;
  };
  EXPECT_EQ(polys[0].Points, c.front);
  EXPECT_EQ(colourOf(polys[0]), c.frontColor);
  size_t i = 1;
  if (!c.side.empty()) {
    EXPECT_EQ(polys[i].Points, c.side);
    EXPECT_EQ(colourOf(polys[i]), c.sideColor);
    ++i;
  }
  if (!c.top.empty()) {
    EXPECT_EQ(polys[i].Points, c.top);
    EXPECT_EQ(colourOf(polys[i]), c.topColor);
  }
  // The canvas keeps the colour of the last face.
  EXPECT_EQ(colourOf(f.rec.Calls().back()), c.style == TBrushStyle::Solid ? f.rec.Brush().Color : f.rec.BackColor());
}

const Points kFront{{100, 50}, {120, 50}, {120, 90}, {100, 90}};
const Points kRight{{120, 50}, {128, 42}, {128, 82}, {120, 90}};
const Points kTop{{100, 50}, {120, 50}, {128, 42}, {108, 42}};
const TColor kGreenish = RGBColor(0, 200, 100);

INSTANTIATE_TEST_SUITE_P(
    Faces, BoxTest,
    ::testing::Values(
        BoxCase{"RedBarShaded", 0, 8, true, TBrushStyle::Solid, kFront, kRight, kTop, clRed, RGBColor(127, 0, 0),
                RGBColor(191, 0, 0)},
        BoxCase{"NoDarkSides", 0, 8, false, TBrushStyle::Solid, kFront, kRight, kTop, clRed, clRed, clRed},
        // A pattern brush: the shading goes to the background colour, starting from it.
        BoxCase{"PatternShadesBackground", 0, 8, true, TBrushStyle::Cross, kFront, kRight, kTop, kGreenish,
                RGBColor(0, 72, 0), RGBColor(0, 136, 36)},
        // Reversed depth: the left face turns towards the viewer and the top turns away.
        BoxCase{"ReversedDepthShowsLeft", 8, 0, true, TBrushStyle::Solid,
                {{108, 42}, {128, 42}, {128, 82}, {108, 82}}, {{100 + 8, 42}, {100, 50}, {100, 90}, {108, 82}}, {},
                clRed, RGBColor(127, 0, 0), 0},
        // No depth: only the front.
        BoxCase{"NoDepthFrontOnly", 4, 4, true, TBrushStyle::Solid, {{104, 46}, {124, 46}, {124, 86}, {104, 86}}, {},
                {}, clRed, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct DarkenCase {
  TColor base;
  int amount;
  TColor expected;
};

class DarkenTest : public ::testing::TestWithParam<DarkenCase> {};

TEST_P(DarkenTest, LowersEachChannelToZeroAtMost) {
  EXPECT_EQ(TChartCanvas3D::DarkenColor(GetParam().base, GetParam().amount), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Channels, DarkenTest,
    ::testing::Values(DarkenCase{clRed, 128, RGBColor(127, 0, 0)}, DarkenCase{clRed, 64, RGBColor(191, 0, 0)},
                      DarkenCase{clBlue, 64, RGBColor(0, 0, 191)},
                      // A channel equal to the amount becomes 0, one just above keeps 1.
                      DarkenCase{RGBColor(64, 65, 10), 64, RGBColor(0, 1, 0)},
                      DarkenCase{clWhite, 0, clWhite},
                      // Only the RGB value counts: the top bits of a special colour are dropped.
                      DarkenCase{clAutoColor | clRed, 128, RGBColor(127, 0, 0)}));

TEST(Darken, SystemColoursAreResolvedFirst) {
  TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(TChartCanvas3D::DarkenColor(clBtnFace, 16),
            RGBColor(std::max(0, RedOf(face) - 16), std::max(0, GreenOf(face) - 16), std::max(0, BlueOf(face) - 16)));
}

struct ZoomTextCase {
  int zoom;
  bool zoomText;
  int fontHeight;
  int expectedHeight;
};

class ZoomTextTest : public ::testing::TestWithParam<ZoomTextCase> {};

// Font heights are pixels; the zoom scales the point size (12 px = 9 pt) and rounds halves to even.
TEST_P(ZoomTextTest, ScalesTheFontForOneOutputOnly) {
  const ZoomTextCase& c = GetParam();
  TView3DSettings v = View(c.zoom);
  v.ZoomText = c.zoomText;
  Recorded3D f(v);
  TCanvasFont font;
  font.Height = c.fontHeight;
  f.rec.SetFont(font);
  f.c3d.TextOutZ(10, 10, "A", 0);
  f.c3d.RotatedTextOutZ(10, 10, 90, "B", 0);
  std::vector<RecordingCanvas::Call> texts = f.rec.CallsOf(Op::TextOut);
  EXPECT_EQ(texts.at(0).Font.Height, c.expectedHeight);
  EXPECT_EQ(texts.at(1).Font.Height, c.expectedHeight);
  EXPECT_EQ(f.rec.Font(), font);
}

INSTANTIATE_TEST_SUITE_P(Zooms, ZoomTextTest,
                         ::testing::Values(ZoomTextCase{100, true, 12, 12},
                                           ZoomTextCase{50, true, 12, 5},    // 9 pt * 0.5 = 4.5 -> 4 pt
                                           ZoomTextCase{150, true, 12, 19},  // 13.5 -> 14 pt
                                           ZoomTextCase{200, true, 16, 32},  // 12 pt -> 24 pt
                                           ZoomTextCase{1, true, 12, 1},     // at least 1 pt
                                           ZoomTextCase{50, false, 12, 12}));

TEST(TextOutZ, DrawsAtTheProjectedPointWithTheCanvasAlignment) {
  Recorded3D f;
  f.rec.SetTextAlign(THorizAlign::Right, TVertAlign::Top);
  f.c3d.TextOutZ(100, 200, "100", 16);
  const RecordingCanvas::Call call = f.rec.CallsOf(Op::TextOut).at(0);
  EXPECT_EQ(call.Points.at(0), (TPoint{116, 184}));
  EXPECT_EQ(call.Text, "100");
  EXPECT_EQ(call.HorizAlign, THorizAlign::Right);
}

TEST(RotatedTextOutZ, ClearsTheBrushRotatesOnceAndRestoresTheFont) {
  Recorded3D f;
  f.rec.SetBrush({clRed, TBrushStyle::Solid});
  f.c3d.RotatedTextOutZ(30, 240, 90, "正答率（％）", D);
  const RecordingCanvas::Call call = f.rec.CallsOf(Op::TextOut).at(0);
  EXPECT_EQ(call.Points.at(0), (TPoint{30 + D, 240 - D}));
  EXPECT_EQ(call.Font.Escapement, 90);
  EXPECT_EQ(call.Brush.Style, TBrushStyle::Clear);
  EXPECT_EQ(f.rec.Font().Escapement, 0);
  EXPECT_EQ(f.rec.Brush().Style, TBrushStyle::Clear);
}

}  // namespace

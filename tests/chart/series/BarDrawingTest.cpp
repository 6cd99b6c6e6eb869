// The bars as shaded boxes and their value marks, exactly as recorded. The result graph's
// plot here spans x 66..519 and y 53..411; the bars' row lies at depth 8..16, which the
// default projection draws 8 to 16 pixels right and up.
#include <gtest/gtest.h>

#include "tests/chart/series/DrawingHelpers.h"
#include "tests/chart/series/ResultGraphFixture.h"

namespace {

constexpr TColor kRed = RGBColor(255, 0, 0);
constexpr TColor kRedSide = RGBColor(127, 0, 0);
constexpr TColor kRedTop = RGBColor(191, 0, 0);

// Three drills: rates 85, 100 and 0. Bars 80 pixels wide centred on x 146, 292 and 439.
struct ThreeDrills : testing::Test {
  void SetUp() override {
    g.Add(85, 207);
    g.Add(100, 250);
    g.Add(0, 120);
    g.Repaint();
    ASSERT_EQ(g.chart.PlotRect(), (TRect{66, 53, 519, 411}));
    ASSERT_EQ(g.bars.BarPixelWidth, 80);
    calls = SeriesCalls(g.rec);
  }
  // The bars' faces: the values between the first clip and its unclip, without the line.
  std::vector<Call> BarFaces() const {
    std::vector<Call> out;
    for (const Call& c : calls) {
      if (c.Kind == Op::Unclip) break;
      if (c.Kind == Op::Polygon) out.push_back(c);
    }
    return out;
  }
  ResultGraph g;
  std::vector<Call> calls;
};

TEST_F(ThreeDrills, EachBarIsFrontRightSideAndTopShadedFromRed) {
  const std::vector<Call> faces = BarFaces();
  ASSERT_EQ(faces.size(), 9u);
  // Rate 85: top at y 107 (411 - 304), front face at depth 8.
  EXPECT_EQ(faces[0].Points, (Points{{114, 99}, {194, 99}, {194, 403}, {114, 403}}));
  EXPECT_EQ(faces[1].Points, (Points{{194, 99}, {202, 91}, {202, 395}, {194, 403}}));
  EXPECT_EQ(faces[2].Points, (Points{{114, 99}, {194, 99}, {202, 91}, {122, 91}}));
  for (size_t i = 0; i < faces.size(); ++i) {
    const TColor expected = i % 3 == 0 ? kRed : i % 3 == 1 ? kRedSide : kRedTop;
    EXPECT_EQ(faces[i].Brush, (TCanvasBrush{expected, TBrushStyle::Solid})) << i;
    EXPECT_EQ(faces[i].Pen.Color, clBlack) << i;
    EXPECT_TRUE(faces[i].Pen.Draws()) << i;
  }
}

TEST_F(ThreeDrills, RateOfHundredReachesTheTopOfTheFixedAxis) {
  const std::vector<Call> faces = BarFaces();
  EXPECT_EQ(faces[3].Points, (Points{{260, 45}, {340, 45}, {340, 403}, {260, 403}}));
}

TEST_F(ThreeDrills, RateOfZeroCollapsesToItsTopFaceAtTheOrigin) {
  const std::vector<Call> faces = BarFaces();
  EXPECT_EQ(faces[6].Points, (Points{{407, 403}, {487, 403}, {487, 403}, {407, 403}}));
  EXPECT_EQ(faces[7].Points, (Points{{487, 403}, {495, 395}, {495, 395}, {487, 403}}));
  EXPECT_EQ(faces[8].Points, (Points{{407, 403}, {487, 403}, {495, 395}, {415, 395}}));
  EXPECT_EQ(faces[8].Brush.Color, kRedTop);
}

TEST_F(ThreeDrills, MarksShowTheRatesInCentredTextOnPaleYellowBoxes) {
  const std::vector<Call> texts = OfKind(calls, Op::TextOut);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].Text, "85");
  EXPECT_EQ(texts[1].Text, "100");
  EXPECT_EQ(texts[2].Text, "0");
  for (const Call& t : texts) {
    EXPECT_EQ(t.HorizAlign, THorizAlign::Center);
    EXPECT_EQ(t.VertAlign, TVertAlign::Top);
    EXPECT_EQ(t.Brush.Style, TBrushStyle::Clear);
    EXPECT_EQ(t.BackMode, TBackMode::Transparent);
    EXPECT_EQ(t.Font.Name, kFontPMincho);
    EXPECT_EQ(t.Font.Height, 12);
    EXPECT_EQ(t.Font.Color, clBlack);
  }
  const std::vector<Call> boxes = OfKind(calls, Op::Rectangle);
  ASSERT_EQ(boxes.size(), 3u);
  for (const Call& b : boxes) {
    EXPECT_EQ(b.Brush, (TCanvasBrush{0x0080FFFF, TBrushStyle::Solid}));
    EXPECT_EQ(b.Pen.Color, clBlack);
    EXPECT_TRUE(b.Pen.Draws());
  }
}

// The box of "85": 2 characters + "W" = 21 wide, 14 high, and the frame on each side: 23 x 16.
// The arrow rises 20 pixels from the middle of the bar's top (146, 107) at depth 12, which
// projects to (158, 95) .. (158, 75); the box keeps its last row on the arrow's end row.
TEST_F(ThreeDrills, MarkArrowAndBoxFollowTheProjectedArrowEnd) {
  std::vector<Call> mark;
  for (const Call& c : calls)
    if ((c.Kind == Op::Line && c.Pen.Color == clWhite) || c.Kind == Op::Rectangle || c.Kind == Op::TextOut)
      mark.push_back(c);
  ASSERT_GE(mark.size(), 3u);
  EXPECT_EQ(mark[0].Kind, Op::Line);
  EXPECT_EQ(mark[0].Points, (Points{{158, 95}, {158, 75}}));
  EXPECT_EQ(mark[0].Pen.Width, 1);
  EXPECT_EQ(mark[1].Rect, (TRect{147, 60, 170, 76}));
  EXPECT_EQ(mark[2].Points, (Points{{158, 61}}));  // inside the frame, centred
  EXPECT_EQ(g.bars.Marks().Positions().Stored(0)->ArrowEnd, (TPoint{146, 87}));
  EXPECT_EQ(g.bars.Marks().Positions().Stored(0)->BoxTopLeft, (TPoint{135, 72}));
}

TEST_F(ThreeDrills, MarkOfHundredStandsAbovePlotRectUnclipped) {
  // Marks are drawn after the values' clip ended and before the line sets its own.
  const std::vector<Op> kinds = Kinds(calls);
  size_t unclip = 0;
  while (kinds[unclip] != Op::Unclip) ++unclip;
  size_t nextClip = unclip + 1;
  while (kinds[nextClip] != Op::ClipPolygon) ++nextClip;
  const std::vector<Call> boxes = OfKind({calls.begin() + static_cast<long>(unclip), calls.begin() + static_cast<long>(nextClip)}, Op::Rectangle);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_LT(boxes[1].Rect.Bottom, g.chart.PlotRect().Top);
  EXPECT_EQ(boxes[1].Rect, (TRect{289, 6, 319, 22}));  // "100": 3 characters + "W" + frame = 30, centred on x 304
}

TEST_F(ThreeDrills, OrderWithinAPaintBarsMarksThenTheRibbon) {
  const std::vector<Op> kinds = Kinds(calls);
  std::vector<Op> outline;  // consecutive repeats folded
  for (Op k : kinds)
    if (outline.empty() || outline.back() != k) outline.push_back(k);
  const std::vector<Op> expected{Op::ClipPolygon, Op::Polygon,  Op::Unclip,      Op::Line,    Op::Rectangle,
                                 Op::TextOut,     Op::Line,     Op::Rectangle,   Op::TextOut, Op::Line,
                                 Op::Rectangle,   Op::TextOut,  Op::ClipPolygon, Op::Polygon, Op::Unclip};
  EXPECT_EQ(outline, expected);
}

TEST(BarDrawing, NullPointHasNeitherBarNorMark) {
  ResultGraph g;
  g.bars.AddPoint(0, 50);
  g.bars.AddPoint(1, 60, "", clNone);
  g.bars.AddPoint(2, 70);
  g.Repaint();
  const std::vector<Call> calls = SeriesCalls(g.rec);
  EXPECT_EQ(OfKind(calls, Op::Polygon).size(), 6u);
  const std::vector<Call> texts = OfKind(calls, Op::TextOut);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Text, "50");
  EXPECT_EQ(texts[1].Text, "70");
}

TEST(BarDrawing, BarBelowItsOriginHangsAndItsMarkPointsDown) {
  ResultGraph g;
  g.chart.LeftAxis()->SetMinimum(-100);
  g.bars.AddPoint(0, -50);
  g.Repaint();
  const TCustomChartAxis& left = *g.chart.LeftAxis();
  const int origin = left.ValueToPixel(0);
  const int value = left.ValueToPixel(-50);
  ASSERT_LT(origin, value);
  const TSeriesMarkPosition* mark = g.bars.Marks().Positions().Stored(0);
  ASSERT_NE(mark, nullptr);
  // "-50": 3 characters + "W" + frame = 30 wide, 16 high; the arrow goes 20 + 16 down.
  EXPECT_EQ(mark->ArrowStart.Y, value);
  EXPECT_EQ(mark->ArrowEnd.Y, value + 36);
  EXPECT_EQ(mark->BoxTopLeft.Y, value - 16 + 1 + 36);
  const std::vector<Call> front = OfKind(SeriesCalls(g.rec), Op::Polygon);
  EXPECT_EQ(front[0].Points[0].Y, origin - 8);  // the front face starts at the origin
  EXPECT_EQ(front[0].Points[2].Y, value - 8);
}

TEST(BarDrawing, MoreDrillsThanPixelsLeaveOnlyTheDarkSide) {
  ResultGraph g;
  for (int i = 0; i < 500; ++i) g.Add(50, 200);
  g.Repaint();
  EXPECT_EQ(g.bars.BarPixelWidth, 0);
  const std::vector<Call> faces = OfKind(SeriesCalls(g.rec), Op::Polygon);
  // Front and top of the first bar are lines; its side has an area.
  EXPECT_EQ(faces[0].Points[0].X, faces[0].Points[1].X);
  EXPECT_EQ(faces[1].Brush.Color, kRedSide);
  EXPECT_NE(faces[1].Points[0], faces[1].Points[1]);
}

}  // namespace

namespace {

TEST(FlatView, BarsAreRectanglesAndTheLineALineInItsColour) {
  ResultGraph g;
  g.chart.SetView3D(false);
  g.Add(85, 207);
  g.Add(100, 250);
  g.Repaint();
  const std::vector<Call> calls = SeriesCalls(g.rec);
  const std::vector<Call> bars = OfKind(calls, Op::Rectangle);
  ASSERT_EQ(bars.size(), 4u);  // two bars, two mark boxes
  EXPECT_EQ(bars[0].Rect, (TRect{g.bars.CalcXPos(0), g.bars.CalcYPos(0), g.bars.CalcXPos(0) + g.bars.BarPixelWidth,
                                 g.chart.LeftAxis()->ValueToPixel(0)}));
  EXPECT_EQ(bars[0].Brush, (TCanvasBrush{kRed, TBrushStyle::Solid}));
  EXPECT_TRUE(OfKind(calls, Op::Polygon).empty());
  const std::vector<Call> lines = OfKind(calls, Op::Line);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back().Pen.Color, RGBColor(0, 0, 255));
  EXPECT_EQ(lines.back().Points, (Points{{g.line.CalcXPos(0), g.line.CalcYPos(0)}, {g.line.CalcXPos(1), g.line.CalcYPos(1)}}));
}

}  // namespace

namespace {

struct MarkLookCase {
  const char* name;
  bool frameVisible;
  bool transparent;
  bool boxDrawn;
  bool boxPenDraws;
  TBrushStyle boxBrush;
};

class MarkLook : public testing::TestWithParam<MarkLookCase> {};

TEST_P(MarkLook, FrameAndTransparencyDecideTheBox) {
  const MarkLookCase& c = GetParam();
  ResultGraph g;
  g.bars.Marks().Frame().SetVisible(c.frameVisible);
  g.bars.Marks().SetTransparent(c.transparent);
  g.Add(85, 207);
  g.Repaint();
  const std::vector<Call> calls = SeriesCalls(g.rec);
  const std::vector<Call> boxes = OfKind(calls, Op::Rectangle);
  ASSERT_EQ(boxes.size(), c.boxDrawn ? 1u : 0u);
  const std::vector<Call> texts = OfKind(calls, Op::TextOut);
  ASSERT_EQ(texts.size(), 1u);
  const TSeriesMarkPosition& mark = *g.bars.Marks().Positions().Stored(0);
  const int frame = c.frameVisible ? 1 : 0;
  // The box is 21 + 2 * frame wide; the text sits below the frame line, centred.
  EXPECT_EQ(mark.BoxWidth, 21 + 2 * frame);
  EXPECT_EQ(texts[0].Points[0].X, mark.BoxTopLeft.X + 12 + mark.BoxWidth / 2);
  EXPECT_EQ(texts[0].Points[0].Y, mark.BoxTopLeft.Y - 12 + frame);
  if (!c.boxDrawn) return;
  EXPECT_EQ(boxes[0].Pen.Draws(), c.boxPenDraws);
  EXPECT_EQ(boxes[0].Brush.Style, c.boxBrush);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, MarkLook,
    testing::Values(MarkLookCase{"Framed", true, false, true, true, TBrushStyle::Solid},
                    MarkLookCase{"FramedTransparent", true, true, true, true, TBrushStyle::Clear},
                    MarkLookCase{"Unframed", false, false, true, false, TBrushStyle::Solid},
                    MarkLookCase{"UnframedTransparent", false, true, false, false, TBrushStyle::Solid}),
    [](const testing::TestParamInfo<MarkLookCase>& info) { return info.param.name; });

struct ArrowCase {
  TColor arrow;
  TColor chartColor;
  TColor drawn;
};

class MarkArrow : public testing::TestWithParam<ArrowCase> {};

// The arrow keeps clear of the bar's colour and of the panel's.
TEST_P(MarkArrow, ColourGivesWayToThePointAndThePanel) {
  const ArrowCase& c = GetParam();
  ResultGraph g;
  g.bars.Marks().Arrow().SetColor(c.arrow);
  g.chart.SetColor(c.chartColor);
  g.Add(85, 207);
  g.Repaint();
  const std::vector<Call> calls = SeriesCalls(g.rec);
  // The marks follow the values' unclip; the arrow is their first line.
  size_t i = 0;
  while (calls[i].Kind != Op::Unclip) ++i;
  while (i < calls.size() && calls[i].Kind != Op::Line) ++i;
  ASSERT_LT(i, calls.size());
  EXPECT_EQ(calls[i].Points[1].Y, calls[i].Points[0].Y - 20);  // it is the arrow
  EXPECT_EQ(calls[i].Pen.Color, c.drawn);
}

INSTANTIATE_TEST_SUITE_P(Colours, MarkArrow,
                         testing::Values(ArrowCase{clWhite, clBtnFace, clWhite}, ArrowCase{clRed, clBtnFace, clBlack},
                                         ArrowCase{clBtnFace, clBtnFace, clBlack},
                                         ArrowCase{clBlack, clBlack, clWhite}));

TEST(MarkPositions, CustomPositionReplacesTheComputedOne) {
  ResultGraph g;
  g.Add(85, 207);
  g.Repaint();
  TSeriesMarkPosition& stored = g.bars.Marks().Positions().Position(0);
  stored.IsCustom = true;
  stored.ArrowStart = {100, 100};
  stored.ArrowEnd = {100, 80};
  stored.BoxTopLeft = {90, 60};
  g.Repaint();
  const std::vector<Call> boxes = OfKind(SeriesCalls(g.rec), Op::Rectangle);
  ASSERT_EQ(boxes.size(), 1u);
  // Kept as set and drawn at the arrow end's projection (depth 12).
  EXPECT_EQ(boxes[0].Rect.Left, 102);
  EXPECT_EQ(boxes[0].Rect.Top, 48);
  EXPECT_EQ(g.bars.Marks().Positions().Stored(0)->BoxTopLeft, (TPoint{90, 60}));
}

TEST(MarkPositions, EmptyTextFromTheListenerLeavesThePointWithoutMark) {
  ResultGraph g;
  g.Add(85, 207);
  g.Add(90, 200);
  g.bars.OnGetMarkText = [](TChartSeries&, int index, QString& text) {
    if (index == 0) text.clear();
  };
  g.Repaint();
  const std::vector<Call> texts = OfKind(SeriesCalls(g.rec), Op::TextOut);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Text, "90");
}

// A value's text is made once for all its marks only where it is the value's alone.
TEST(MarkPositions, EqualValuesKeepTheirOwnLabelAndListenerText) {
  const auto drawnTexts = [](bool listener) {
    ResultGraph g;
    g.bars.AddPoint(0, 50, "甲");
    g.bars.AddPoint(1, 50);
    g.bars.AddPoint(2, 50);
    if (listener) {
      g.bars.OnGetMarkText = [](TChartSeries&, int index, QString& text) {
        if (index == 2) text += "%";
      };
    }
    g.Repaint();
    std::vector<QString> texts;
    for (const Call& c : OfKind(SeriesCalls(g.rec), Op::TextOut)) texts.push_back(c.Text);
    return texts;
  };
  EXPECT_EQ(drawnTexts(false), (std::vector<QString>{"甲", "50", "50"}));
  EXPECT_EQ(drawnTexts(true), (std::vector<QString>{"甲", "50", "50%"}));
}

}  // namespace

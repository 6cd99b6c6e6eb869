#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "PixelImage.h"
#include "chart/canvas/QtChartCanvas.h"

namespace {

const TCanvasPen kBlackPen{clBlack, 1, TPenStyle::Solid, true};
const TCanvasPen kDotPen{clBlack, 1, TPenStyle::Dot, true};

// count pixels from start, each step (dx, dy) further on.
PixelSet Steps(TPoint start, int dx, int dy, int count) {
  PixelSet s;
  for (int i = 0; i < count; ++i) s.insert({start.X + i * dx, start.Y + i * dy});
  return s;
}

// --- lines: the end pixel is left out; a dotted pen sets every other pixel ---

struct LineCase {
  const char* name;
  TCanvasPen pen;
  TPoint from, to;
  PixelSet expected;
};

class LineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineTest, SetsExactlyThesePixels) {
  const LineCase& c = GetParam();
  QImage img = WhiteImage(32, 32);
  {
    QtChartCanvas canvas(&img);
    canvas.SetPen(c.pen);
    canvas.Line(c.from.X, c.from.Y, c.to.X, c.to.Y);
    EXPECT_EQ(canvas.PenPos(), c.to);
  }
  EXPECT_EQ(Ink(img), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pens, LineTest,
    ::testing::Values(LineCase{"Horizontal", kBlackPen, {2, 3}, {8, 3}, Steps({2, 3}, 1, 0, 6)},
                      LineCase{"HorizontalBackwards", kBlackPen, {8, 3}, {2, 3}, Steps({8, 3}, -1, 0, 6)},
                      LineCase{"Vertical", kBlackPen, {5, 1}, {5, 9}, Steps({5, 1}, 0, 1, 8)},
                      LineCase{"DepthDiagonal", kBlackPen, {1, 20}, {17, 4}, Steps({1, 20}, 1, -1, 16)},
                      LineCase{"SinglePixelLineDrawsNothing", kBlackPen, {4, 4}, {4, 4}, {}},
                      LineCase{"ClearPen", {clBlack, 1, TPenStyle::Clear, true}, {2, 3}, {8, 3}, {}},
                      LineCase{"InvisiblePen", {clBlack, 1, TPenStyle::Solid, false}, {2, 3}, {8, 3}, {}},
                      LineCase{"DottedHorizontal", kDotPen, {0, 5}, {20, 5}, Steps({0, 5}, 2, 0, 10)},
                      LineCase{"DottedOddLength", kDotPen, {0, 5}, {21, 5}, Steps({0, 5}, 2, 0, 11)},
                      LineCase{"DottedVerticalUp", kDotPen, {7, 30}, {7, 10}, Steps({7, 30}, 0, -2, 10)},
                      LineCase{"DottedDepthDiagonal", kDotPen, {2, 20}, {12, 10}, Steps({2, 20}, 2, -2, 5)},
                      // A dotted pen stays one pixel wide whatever its width.
                      LineCase{"DottedWide", {clBlack, 3, TPenStyle::Dot, true}, {0, 5}, {8, 5}, Steps({0, 5}, 2, 0, 4)}),
    [](const auto& info) { return std::string(info.param.name); });

// The pixels of a thin solid line from a to b, from a closed form: step i along the major axis
// lies ceil((i * minor - major / 2) / major) minor steps off a (never fewer than none), the
// pixel nearest the ideal line with ties towards a.
PixelSet NearestPixels(TPoint a, TPoint b) {
  const int dx = b.X - a.X, dy = b.Y - a.Y;
  const int major = std::max(std::abs(dx), std::abs(dy)), minor = std::min(std::abs(dx), std::abs(dy));
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  PixelSet s;
  for (int i = 0; i < major; ++i) {
    const long long over = static_cast<long long>(i) * minor - major / 2;
    const int off = over <= 0 ? 0 : static_cast<int>((over + major - 1) / major);
    s.insert(xMajor ? std::pair{a.X + sx * i, a.Y + sy * off} : std::pair{a.X + sx * off, a.Y + sy * i});
  }
  return s;
}

TEST(Line, EverySlopeSetsTheNearestPixelOfEachStep) {
  QRandomGenerator random(4711);
  for (int k = 0; k < 3000; ++k) {
    const TPoint a{random.bounded(64), random.bounded(64)};
    // Mostly steep or flat lines, whose pixels come in long runs, and some of any slope.
    const int along = random.bounded(-63, 64), across = random.bounded(-4, 5);
    TPoint b = k % 3 == 0 ? TPoint{random.bounded(64), random.bounded(64)}
               : k % 3 == 1 ? TPoint{a.X + across, a.Y + along}
                            : TPoint{a.X + along, a.Y + across};
    QImage img = WhiteImage(64, 64);
    {
      QtChartCanvas canvas(&img);
      canvas.SetPen(kBlackPen);
      canvas.Line(a.X, a.Y, b.X, b.Y);
    }
    PixelSet expected;
    for (auto p : NearestPixels(a, b))
      if (p.first >= 0 && p.first < 64 && p.second >= 0 && p.second < 64) expected.insert(p);
    ASSERT_EQ(Ink(img), expected) << a.X << "," << a.Y << " to " << b.X << "," << b.Y;
  }
}

TEST(Polyline, JoinsThePointsAndLeavesOutOnlyTheLastPixel) {
  QImage img = WhiteImage(16, 16);
  {
    QtChartCanvas canvas(&img);
    canvas.SetPen(kBlackPen);
    TPoint pts[] = {{1, 1}, {5, 1}, {5, 4}};
    canvas.Polyline(pts);
    EXPECT_EQ(canvas.PenPos(), (TPoint{5, 4}));
  }
  EXPECT_EQ(Ink(img), (PixelSet{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {5, 2}, {5, 3}}));
}

// A dotted polyline keeps one rhythm from segment to segment, a one-step segment included, in
// the direct writer's copy mode and in the painter's not-xor mode alike (black on white).
class DottedPolylineTest : public ::testing::TestWithParam<TPenMode> {};

TEST_P(DottedPolylineTest, KeepsTheRhythmAcrossSegments) {
  QImage img = WhiteImage(8, 8);
  {
    QtChartCanvas canvas(&img);
    canvas.SetPen(kDotPen);
    canvas.SetPenMode(GetParam());
    TPoint pts[] = {{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 5}};
    canvas.Polyline(pts);
  }
  // Steps 0, 2, 4, 6 and 8 along the path.
  EXPECT_EQ(Ink(img), (PixelSet{{0, 0}, {2, 0}, {3, 1}, {3, 3}, {2, 4}}));
}

INSTANTIATE_TEST_SUITE_P(Modes, DottedPolylineTest, ::testing::Values(TPenMode::Copy, TPenMode::NotXor));

// --- rectangles and polygons ---

struct AreaCase {
  const char* name;
  TCanvasPen pen;
  TBrushStyle brush;
};

class RectangleTest : public ::testing::TestWithParam<AreaCase> {};

TEST_P(RectangleTest, CoversLeftToRightMinusOne) {
  const AreaCase& c = GetParam();
  QImage img = WhiteImage(16, 16);
  {
    QtChartCanvas canvas(&img);
    canvas.SetPen(c.pen);
    canvas.SetBrush({clRed, c.brush});
    canvas.Rectangle({2, 3, 9, 8});
  }
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      bool inside = x >= 2 && x <= 8 && y >= 3 && y <= 7;
      bool border = inside && (x == 2 || x == 8 || y == 3 || y == 7);
      TColor expected = clWhite;
      if (border && c.pen.Draws())
        expected = clBlack;
      else if (inside && c.brush == TBrushStyle::Solid)
        expected = clRed;
      EXPECT_EQ(PixelAt(img, x, y), expected) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(PenAndBrush, RectangleTest,
                         ::testing::Values(AreaCase{"OutlinedAndFilled", kBlackPen, TBrushStyle::Solid},
                                           AreaCase{"FillOnly", {clBlack, 1, TPenStyle::Clear, true}, TBrushStyle::Solid},
                                           AreaCase{"OutlineOnly", kBlackPen, TBrushStyle::Clear}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Polygon, AlternateRuleLeavesTheStarsCentreOpen) {
  QImage img = WhiteImage(41, 41);
  {
    QtChartCanvas canvas(&img);
    canvas.SetPen(kBlackPen);
    canvas.SetBrush({clRed, TBrushStyle::Solid});
    TPoint star[] = {{20, 1}, {32, 38}, {1, 14}, {39, 14}, {8, 38}};
    canvas.Polygon(star);
  }
  EXPECT_EQ(PixelAt(img, 20, 22), clWhite) << "centre: inside twice";
  EXPECT_EQ(PixelAt(img, 20, 8), clRed) << "top point: inside once";
  for (TPoint v : {TPoint{20, 1}, TPoint{32, 38}, TPoint{1, 14}, TPoint{39, 14}, TPoint{8, 38}})
    EXPECT_EQ(PixelAt(img, v.X, v.Y), clBlack) << "the outline closes through every corner";
}

TEST(Polygon, CollapsedToALineDrawsTheOutlineOnly) {
  QImage img = WhiteImage(12, 12);
  {
    QtChartCanvas canvas(&img);
    canvas.SetPen(kBlackPen);
    canvas.SetBrush({clRed, TBrushStyle::Solid});
    TPoint flat[] = {{2, 5}, {8, 5}, {8, 5}, {2, 5}};
    canvas.Polygon(flat);
  }
  EXPECT_EQ(Ink(img), Steps({2, 5}, 1, 0, 7));
  EXPECT_EQ(PixelAt(img, 5, 5), clBlack);
}

struct PatternCase {
  TBackMode mode;
  bool whiteLeft;
};

class PatternBrushTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternBrushTest, ShowsTheBackgroundOnlyWhenOpaque) {
  QImage img = WhiteImage(16, 16);
  {
    QtChartCanvas canvas(&img);
    canvas.SetBrush({clRed, TBrushStyle::Cross});
    canvas.SetBackMode(GetParam().mode);
    canvas.SetBackColor(clBlue);
    canvas.FillRect({0, 0, 16, 16});
  }
  std::set<TColor> colours;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) colours.insert(PixelAt(img, x, y));
  EXPECT_TRUE(colours.count(clRed));
  EXPECT_EQ(colours.count(clWhite) > 0, GetParam().whiteLeft);
  EXPECT_EQ(colours.count(clBlue) > 0, !GetParam().whiteLeft);
}

INSTANTIATE_TEST_SUITE_P(Modes, PatternBrushTest,
                         ::testing::Values(PatternCase{TBackMode::Transparent, true}, PatternCase{TBackMode::Opaque, false}));

// --- pen mode ---

TEST(NotXor, DrawingTwiceRestoresEveryPixel) {
  QImage img(64, 48, QImage::Format_RGB32);
  QRandomGenerator rng(7);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, 0xFF000000u | (rng.generate() & 0xFFFFFFu));
  const QImage before = img.copy();
  auto drawFigures = [&img] {
    QtChartCanvas canvas(&img);
    canvas.SetPenMode(TPenMode::NotXor);
    canvas.SetPen({ColorToRGB(clBtnFace), 1, TPenStyle::Solid, true});
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.Rectangle({5, 5, 40, 30});
    canvas.Rectangle({50, 10, 51, 40});  // a one-pixel strip
    canvas.Line(3, 45, 60, 2);
  };
  drawFigures();
  EXPECT_NE(img, before);
  drawFigures();
  EXPECT_EQ(img, before);
}

TEST(NotXor, EachPixelBecomesTheInverseOfScreenXorPen) {
  QImage img = WhiteImage(8, 8);
  img.setPixel(3, 2, qRgb(0x12, 0x34, 0x56));
  {
    QtChartCanvas canvas(&img);
    canvas.SetPenMode(TPenMode::NotXor);
    canvas.SetPen({RGBColor(0xF0, 0x0F, 0x33), 1, TPenStyle::Solid, true});
    canvas.Line(0, 2, 8, 2);
  }
  EXPECT_EQ(PixelAt(img, 0, 2), RGBColor(0xF0, 0x0F, 0x33));  // ~(white ^ pen) = pen
  EXPECT_EQ(PixelAt(img, 3, 2), RGBColor(0xFF & ~(0x12 ^ 0xF0), 0xFF & ~(0x34 ^ 0x0F), 0xFF & ~(0x56 ^ 0x33)));
}

// --- clipping ---

TEST(Clip, PolygonReplacesRectangleIntersectsAndUnclipRemoves) {
  QImage img = WhiteImage(40, 40);
  {
    QtChartCanvas canvas(&img);
    canvas.ClearPen();
    canvas.SetBrush({clBlack, TBrushStyle::Solid});
    canvas.ClipRectangle({0, 0, 20, 40});
    canvas.ClipRectangle({10, 0, 40, 40});  // intersect: columns 10..19
    canvas.FillRect({0, 0, 40, 2});
    TPoint tri[] = {{0, 10}, {30, 10}, {0, 40}};
    canvas.ClipPolygon(tri);  // replaces the rectangles
    canvas.FillRect({0, 10, 40, 12});
    canvas.Unclip();
    canvas.FillRect({0, 38, 40, 40});
  }
  EXPECT_EQ(InkBounds(img), (TRect{0, 0, 40, 40}));
  EXPECT_EQ(PixelAt(img, 9, 0), clWhite);
  EXPECT_EQ(PixelAt(img, 10, 0), clBlack);
  EXPECT_EQ(PixelAt(img, 19, 1), clBlack);
  EXPECT_EQ(PixelAt(img, 20, 1), clWhite);
  EXPECT_EQ(PixelAt(img, 0, 10), clBlack);
  EXPECT_EQ(PixelAt(img, 27, 10), clBlack);
  EXPECT_EQ(PixelAt(img, 35, 10), clWhite);
  EXPECT_EQ(PixelAt(img, 39, 39), clBlack);
}

// Every series of a repaint clips, draws and unclips in turn: the second clip must hold too.
TEST(Clip, ClipAfterUnclipTakesEffectAgain) {
  QImage img = WhiteImage(100, 100);
  {
    QtChartCanvas canvas(&img);
    canvas.ClearPen();
    canvas.SetBrush({clBlue, TBrushStyle::Solid});
    TPoint hex[] = {{10, 90}, {10, 10}, {20, 0}, {90, 0}, {90, 80}, {80, 90}};
    canvas.ClipPolygon(hex);
    canvas.Unclip();
    canvas.ClipPolygon(hex);
    TPoint bar[] = {{50, 50}, {60, 50}, {60, 99}, {50, 99}};
    canvas.Polygon(bar);
  }
  EXPECT_EQ(PixelAt(img, 55, 60), clBlue);
  EXPECT_EQ(PixelAt(img, 55, 95), clWhite);
}

// A polygon after another clips to its own region, and the first one again to the first's.
TEST(Clip, EachPolygonClipsToItsOwnRegion) {
  QImage img = WhiteImage(40, 40);
  {
    QtChartCanvas canvas(&img);
    canvas.ClearPen();
    TPoint left[] = {{0, 0}, {20, 0}, {20, 40}, {0, 40}};
    TPoint top[] = {{0, 0}, {40, 0}, {40, 20}, {0, 20}};
    canvas.SetBrush({clBlue, TBrushStyle::Solid});
    canvas.ClipPolygon(left);
    canvas.ClipPolygon(top);
    canvas.FillRect({0, 0, 40, 40});
    canvas.SetBrush({clRed, TBrushStyle::Solid});
    canvas.ClipPolygon(left);
    canvas.FillRect({0, 30, 40, 40});
  }
  EXPECT_EQ(PixelAt(img, 30, 5), clBlue);
  EXPECT_EQ(PixelAt(img, 30, 30), clWhite);
  EXPECT_EQ(PixelAt(img, 5, 35), clRed);
  EXPECT_EQ(PixelAt(img, 30, 35), clWhite);
}

// --- text ---

struct ExtentCase {
  const char* name;
  QString font;
  int height;
  QString text;
  int width;
  int textHeight;
};

class TextExtentTest : public ::testing::TestWithParam<ExtentCase> {};

TEST_P(TextExtentTest, MeasuresAdvanceAndAscentPlusDescent) {
  const ExtentCase& c = GetParam();
  QImage img = WhiteImage(4, 4);
  QtChartCanvas canvas(&img);
  TCanvasFont f;
  f.Name = c.font;
  f.Height = c.height;
  canvas.SetFont(f);
  EXPECT_EQ(canvas.TextWidth(c.text), c.width);
  EXPECT_EQ(canvas.TextHeight(c.text), c.textHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, TextExtentTest,
    ::testing::Values(ExtentCase{"Mincho12Digits", kFontPMincho, 12, "100", 22, 14},
                      ExtentCase{"Mincho12W", kFontPMincho, 12, "W", 12, 14},
                      ExtentCase{"Mincho12Kana", kFontPMincho, 12, "結果グラフ", 55, 14},
                      ExtentCase{"Mincho16Kana", kFontPMincho, 16, "結果グラフ", 73, 18},
                      ExtentCase{"PGothic12", kFontPGothic, 12, "開始", 24, 13}),
    [](const auto& info) { return std::string(info.param.name); });

// Draws text into a fresh image and gives the ink's bounds.
TRect TextInk(THorizAlign h, TVertAlign v, int escapement, int x, int y, const QString& text, TColor* inkColour = nullptr) {
  QImage img = WhiteImage(120, 120);
  {
    QtChartCanvas canvas(&img);
    TCanvasFont f;
    f.Escapement = escapement;
    f.Color = clBlue;
    canvas.SetFont(f);
    canvas.SetTextAlign(h, v);
    canvas.TextOut(x, y, text);
  }
  if (inkColour != nullptr) *inkColour = PixelAt(img, InkBounds(img).Left, InkBounds(img).Top);
  return InkBounds(img);
}

TRect Shifted(TRect r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

struct AlignCase {
  const char* name;
  THorizAlign h;
  TVertAlign v;
  int dx, dy;  // shift of the cell against left/top for "100" (22 wide, 14 high)
};

class TextAlignTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(TextAlignTest, PutsTheReferencePointWhereTheAlignmentSays) {
  const AlignCase& c = GetParam();
  TRect base = TextInk(THorizAlign::Left, TVertAlign::Top, 0, 50, 50, "100");
  EXPECT_TRUE(Inside(base, {50, 50, 72, 64}));
  EXPECT_EQ(TextInk(c.h, c.v, 0, 50, 50, "100"), Shifted(base, c.dx, c.dy));
}

INSTANTIATE_TEST_SUITE_P(Alignments, TextAlignTest,
                         ::testing::Values(AlignCase{"CenterTop", THorizAlign::Center, TVertAlign::Top, -11, 0},
                                           AlignCase{"RightTop", THorizAlign::Right, TVertAlign::Top, -22, 0},
                                           AlignCase{"LeftBottom", THorizAlign::Left, TVertAlign::Bottom, 0, -14},
                                           AlignCase{"CenterBottom", THorizAlign::Center, TVertAlign::Bottom, -11, -14}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextOut, UsesTheFontColourAndAnOpaqueBoxOnlyWithABrush) {
  TColor colour = 0;
  TextInk(THorizAlign::Left, TVertAlign::Top, 0, 10, 10, "W", &colour);
  EXPECT_EQ(colour, clBlue);
  QImage img = WhiteImage(60, 40);
  {
    QtChartCanvas canvas(&img);
    canvas.SetBackMode(TBackMode::Opaque);
    canvas.SetBackColor(clYellow);
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.TextOut(2, 2, "W");
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.TextOut(30, 2, "W");
  }
  EXPECT_EQ(PixelAt(img, 2, 2 + 13), clWhite) << "clear brush: no box";
  EXPECT_EQ(PixelAt(img, 30, 2 + 13), clYellow) << "the box covers the whole cell";
  EXPECT_EQ(PixelAt(img, 30 + 11, 2), clYellow);
  EXPECT_EQ(PixelAt(img, 30 + 12, 2), clWhite);
}

struct RotatedCase {
  const char* name;
  int escapement;
  THorizAlign h;
  TVertAlign v;
  TRect cell;  // where the rotated 22 x 14 cell of "100" lies for the reference point (60, 60)
};

class RotatedTextTest : public ::testing::TestWithParam<RotatedCase> {};

TEST_P(RotatedTextTest, TurnsTheCellAboutTheReferencePoint) {
  const RotatedCase& c = GetParam();
  TRect flat = TextInk(THorizAlign::Left, TVertAlign::Top, 0, 60, 60, "100");
  TRect ink = TextInk(c.h, c.v, c.escapement, 60, 60, "100");
  EXPECT_TRUE(Inside(ink, c.cell)) << ink.Left << "," << ink.Top << "," << ink.Right << "," << ink.Bottom;
  // The ink is the flat ink turned a quarter: width and height swap (glyph rasterising may differ by a pixel).
  EXPECT_NEAR(ink.Width(), flat.Height(), 1);
  EXPECT_NEAR(ink.Height(), flat.Width(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, RotatedTextTest,
    ::testing::Values(
        // Reading upward: the text's top faces left, its bottom right.
        RotatedCase{"Up90LeftTop", 90, THorizAlign::Left, TVertAlign::Top, {60, 60 - 22, 60 + 14, 60}},
        // The left axis title: centred on y, the text's bottom side on x.
        RotatedCase{"Up90CenterBottom", 90, THorizAlign::Center, TVertAlign::Bottom, {60 - 14, 60 - 11, 60, 60 + 11}},
        // Reading downward: the text's top faces right.
        RotatedCase{"Down270LeftTop", 270, THorizAlign::Left, TVertAlign::Top, {60 - 14, 60, 60, 60 + 22}},
        // The right axis title: centred on y, covering x to x + h.
        RotatedCase{"Down270CenterBottom", 270, THorizAlign::Center, TVertAlign::Bottom, {60, 60 - 11, 60 + 14, 60 + 11}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

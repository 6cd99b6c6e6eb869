// Boxes drawn straight into an image, where the rows between a box's slanted edges may be drawn
// once and copied, against the painter alone drawing them on a pixmap: the same pixels, over a
// background that differs in every pixel, for pens, brushes, pen modes and views of every kind.
#include <gtest/gtest.h>

#include <QPixmap>

#include "Canvas3DFixture.h"
#include "PixelImage.h"
#include "chart/canvas/QtChartCanvas.h"

namespace {

constexpr int kWidth = 200, kHeight = 160;
const TRect kPlot{20, 30, 180, 150};

struct BoxPixelCase {
  const char* name;
  TCanvasPen pen;
  TCanvasBrush brush;
  TPenMode mode = TPenMode::Copy;
  int zoom = 100;
  bool clipped = false;  // to the plot's box, as the series are
};
void PrintTo(const BoxPixelCase& c, std::ostream* os) { *os << c.name; }

void Background(QPaintDevice* device) {
  QPainter p(device);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      p.setPen(QColor(x % 256, (y * 3) % 256, (x + y) % 2 ? 255 : 96));
      p.drawPoint(x, y);
    }
}

// Boxes of every height, the taller ones reaching out of the plot, some over each other.
void DrawBoxes(ChartCanvas& canvas, const BoxPixelCase& c) {
  TChartCanvas3D c3d;
  c3d.SetBuffered(false);
  c3d.SetWindowCanvas(&canvas);
  c3d.BeginRepaint(View(c.zoom), {0, 0, kWidth, kHeight});
  c3d.SetupProjection(kPlot);
  if (c.clipped) c3d.BoxClip(kPlot, 0, 12);
  canvas.SetPenMode(c.mode);
  canvas.SetBackColor(RGBColor(0, 120, 60));
  canvas.SetBackMode(TBackMode::Opaque);
  const int heights[] = {0, 1, 2, 3, 5, 9, 30, 80, 140, 200};
  int left = 10;
  for (int h : heights) {
    canvas.SetPen(c.pen);
    canvas.SetBrush(c.brush);
    c3d.Box(left, left + 6, 150 - h, 150, 2, 10, true);
    left += 4 + h % 7;
  }
  canvas.SetBrushColor(clYellow);
  c3d.Box(60, 120, 40, 130, 0, 12, false);
}

class BoxPixelsTest : public ::testing::TestWithParam<BoxPixelCase> {};

TEST_P(BoxPixelsTest, SamePixelsAsThePainterAlone) {
  QImage direct(kWidth, kHeight, QImage::Format_RGB32);
  Background(&direct);
  {
    QtChartCanvas canvas(&direct);
    DrawBoxes(canvas, GetParam());
  }
  QPixmap pixmap(kWidth, kHeight);
  Background(&pixmap);
  {
    QtChartCanvas painterOnly(&pixmap);
    DrawBoxes(painterOnly, GetParam());
  }
  ExpectSamePixels(direct, pixmap.toImage().convertToFormat(QImage::Format_RGB32));
}

const TCanvasPen kThin{clBlack, 1, TPenStyle::Solid, true};
const TCanvasPen kNone{clBlack, 1, TPenStyle::Clear, true};
const TCanvasBrush kRed{clRed, TBrushStyle::Solid};

INSTANTIATE_TEST_SUITE_P(
    PensBrushesViews, BoxPixelsTest,
    ::testing::Values(BoxPixelCase{"ThinPen", kThin, kRed}, BoxPixelCase{"NoPen", kNone, kRed},
                      BoxPixelCase{"DottedPen", {clBlue, 1, TPenStyle::Dot, true}, kRed},
                      BoxPixelCase{"WidePen", {clBlue, 3, TPenStyle::Solid, true}, kRed},
                      BoxPixelCase{"HatchedBrush", kThin, {clRed, TBrushStyle::DiagCross}},
                      BoxPixelCase{"ClearBrush", kThin, {clRed, TBrushStyle::Clear}},
                      BoxPixelCase{"NotXor", kThin, kRed, TPenMode::NotXor},
                      BoxPixelCase{"Zoomed", kThin, kRed, TPenMode::Copy, 137},
                      BoxPixelCase{"Clipped", kThin, kRed, TPenMode::Copy, 100, true},
                      BoxPixelCase{"ZoomedAndClipped", kThin, kRed, TPenMode::Copy, 61, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Rows alike inside rows alike: what is drawn after the inner pair, still inside the outer one,
// is drawn whole.
TEST(RepeatedRows, PairInsidePairDrawsAsWithout) {
  auto draw = [](ChartCanvas& canvas, bool repeating) {
    canvas.ClearPen();
    canvas.SetBrush(kRed);
    if (repeating) canvas.Hints()->BeginRepeatedRows(40, 100, 0, kWidth - 1);
    if (repeating) canvas.Hints()->BeginRepeatedRows(50, 90, 0, kWidth - 1);
    canvas.FillRect({10, 20, 30, 120});
    if (repeating) canvas.Hints()->EndRepeatedRows();
    canvas.SetBrushColor(clBlue);
    canvas.FillRect({20, 60, 40, 70});
    if (repeating) canvas.Hints()->EndRepeatedRows();
  };
  QImage direct(kWidth, kHeight, QImage::Format_RGB32);
  QImage whole = direct;
  Background(&direct);
  Background(&whole);
  {
    QtChartCanvas canvas(&direct);
    draw(canvas, true);
  }
  {
    QtChartCanvas canvas(&whole);
    draw(canvas, false);
  }
  EXPECT_EQ(direct, whole);
}

}  // namespace

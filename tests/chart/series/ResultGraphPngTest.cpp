// The result graph with a handful of drills drawn through the QPainter canvas, saved as a PNG
// for a look, and checked at the pixels that carry the series: the bars' three faces, a mark
// box, the ribbon, and the clip that cuts off a time above the scale.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "platform/Rounding.h"
#include "tests/chart/series/ResultGraphFixture.h"

namespace {

QRgb Pixel(const QImage& image, TPoint p) { return image.pixel(p.X, p.Y) & 0xFFFFFF; }
QRgb Rgb(int r, int g, int b) { return qRgb(r, g, b) & 0xFFFFFF; }

// The middle of the ribbon (depth 4) from drill a to drill b, where it crosses the row y.
TPoint RibbonAt(const ResultGraph& g, int a, double secondsA, int b, double secondsB, int y) {
  const TCustomChartAxis& bottom = *g.chart.BottomAxis();
  const TCustomChartAxis& right = *g.chart.RightAxis();
  const double xa = bottom.ValueToPixel(a), xb = bottom.ValueToPixel(b);
  const double ya = right.ValueToPixel(secondsA), yb = right.ValueToPixel(secondsB);
  const double t = (y + 4 - ya) / (yb - ya);
  return {RoundHalfEven(xa + t * (xb - xa)) + 4, y};
}

TEST(ResultGraphPng, SevenDrillsAsRedBarsWithMarksAndABlueRibbon) {
  ResultGraph g;
  const double rates[] = {85, 92, 100, 78, 95, 60, 88};
  const double times[] = {207, 180, 150, 260, 140, 330, 60};  // the last two leave the scale
  for (int i = 0; i < 7; ++i) g.Add(rates[i], times[i]);
  g.chart.Canvas().SetBuffered(true);  // through the off-screen bitmap, as on the screen
  const QImage image = g.chart.RenderToImage().copy();
  const QString path = QDir(QStringLiteral(SERIES_TEST_OUTPUT_DIR)).filePath(QStringLiteral("result_graph_series.png"));
  ASSERT_TRUE(image.save(path, "PNG")) << path.toStdString();

  const int w = g.bars.BarPixelWidth;
  ASSERT_GT(w, 20);
  const int origin = g.chart.LeftAxis()->ValueToPixel(0);
  for (int i = 0; i < 7; ++i) {
    const int left = g.bars.CalcXPos(i), top = g.bars.CalcYPos(i);
    // Front at depth 8, the right side and the top between depth 8 and 16.
    EXPECT_EQ(Pixel(image, {left + w / 2 + 8, (top + origin) / 2 - 8}), Rgb(255, 0, 0)) << i;
    EXPECT_EQ(Pixel(image, {left + w + 12, (top + origin) / 2 - 12}), Rgb(127, 0, 0)) << i;
    EXPECT_EQ(Pixel(image, {left + w / 4 + 12, top - 12}), Rgb(191, 0, 0)) << i;  // beside the arrow
    // The mark box stands flat at its arrow's projected end (depth 12), inside its frame.
    const TSeriesMarkPosition& mark = *g.bars.Marks().Positions().Stored(i);
    EXPECT_EQ(Pixel(image, {mark.BoxTopLeft.X + 12 + 1, mark.BoxTopLeft.Y - 12 + 1}), Rgb(255, 255, 128)) << i;
    EXPECT_EQ(Pixel(image, {mark.BoxTopLeft.X + 12, mark.BoxTopLeft.Y - 12}), Rgb(0, 0, 0)) << i;
  }
  // The ribbon's middle between drills 0 and 1 (falling: plain blue), at depth 4.
  const TCustomChartAxis& right = *g.chart.RightAxis();
  const TCustomChartAxis& bottom = *g.chart.BottomAxis();
  const TPoint mid{(bottom.ValueToPixel(0) + bottom.ValueToPixel(1)) / 2 + 4,
                   (right.ValueToPixel(207) + right.ValueToPixel(180)) / 2 - 4};
  EXPECT_EQ(Pixel(image, mid), Rgb(0, 0, 255));
  // Above and below the plot box the ribbon is cut off by the clip; inside it is drawn.
  const TRect& plot = g.chart.PlotRect();
  const int top = plot.Top - g.chart.ChartDepth();
  EXPECT_EQ(Pixel(image, RibbonAt(g, 4, 140, 5, 330, top + 10)), Rgb(0, 0, 191));  // rising steeply
  EXPECT_NE(Pixel(image, RibbonAt(g, 4, 140, 5, 330, top - 10)), Rgb(0, 0, 191));
  EXPECT_EQ(Pixel(image, RibbonAt(g, 5, 330, 6, 60, plot.Bottom - 20)), Rgb(0, 0, 255));
  const TPoint below = RibbonAt(g, 5, 330, 6, 60, plot.Bottom + 25);
  EXPECT_NE(Pixel(image, below), Rgb(0, 0, 255)) << below.X << ", " << below.Y;
}

}  // namespace

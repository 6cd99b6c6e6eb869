// The result graph's chart rendered with the QPainter canvas into its off-screen bitmap, and
// the window paint that reuses the bitmap.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>

#include "graph/ResultGraphChart.h"
#include "graph/ResultGraphSeries.h"
#include "tests/chart/engine/EngineFixture.h"

namespace {

QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }
// The QImage value of a chart colour.
QRgb Rgb(TColor c) {
  const TColor rgb = ColorToRGB(c);
  return qRgb(RedOf(rgb), GreenOf(rgb), BlueOf(rgb)) & 0xFFFFFF;
}

TEST(ResultGraphRender, EmptyChartIsSavedAsPngWithItsFrameWallsAndScales) {
  TChart chart;
  FakeSeries rates;  // the window's two series, still empty
  FakeSeries times;
  LayOutAsResultGraph(chart, rates, times);
  const QImage image = chart.RenderToImage().copy();
  ASSERT_EQ(image.size(), QSize(601, 449));
  const QString path = QDir(QStringLiteral(CHART_TEST_OUTPUT_DIR)).filePath(QStringLiteral("result_graph_empty.png"));
  ASSERT_TRUE(image.save(path, "PNG")) << path.toStdString();

  // Raised bevel: white top-left, gray bottom-right, button face inside.
  EXPECT_EQ(Pixel(image, 0, 0), Rgb(clBtnHighlight));
  EXPECT_EQ(Pixel(image, 600, 448), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(image, 5, 5), Rgb(clBtnFace));
  // The left wall is pale yellow just inside its outline, the floor white.
  const TRect& p = chart.PlotRect();
  const int d = chart.ChartDepth();
  EXPECT_EQ(Pixel(image, p.Left + d / 2, (p.Top + p.Bottom) / 2), Rgb(0x0080FFFF));
  EXPECT_EQ(Pixel(image, (p.Left + p.Right) / 2 + 3, p.Bottom - d / 2), Rgb(clWhite));
}

TEST(ResultGraphRender, EverySeriesIsClippedToThePlotBox) {
  // The window's own series: a bar with its mark, then a line from 320 s to 90 s, beyond
  // both ends of the right scale.
  TChart chart;
  TBarSeries rates;
  TLineSeries times;
  ApplyResultGraphLayout(chart);
  ApplyResultGraphSeriesLayout(rates, times);
  rates.SetParentChart(&chart);
  times.SetParentChart(&chart);
  rates.AddPoint(0, 95);
  rates.AddPoint(1, 80);
  times.AddPoint(0, 320);
  times.AddPoint(1, 90);
  const QImage image = chart.RenderToImage().copy();
  const TRect& p = chart.PlotRect();
  // Blue pixels of the line in rows of the plot and in the rows below the floor.
  const auto blueIn = [&image](int top, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = 0; x < image.width(); ++x) n += Pixel(image, x, y) == Rgb(clBlue);
    }
    return n;
  };
  EXPECT_GT(blueIn(p.Top, p.Bottom), 0);
  EXPECT_EQ(blueIn(p.Bottom + 2, image.height()), 0);
}

TEST(ResultGraphRender, WindowPaintCopiesTheBitmapUntilASettingChanges) {
  std::vector<std::string> log;
  FakeSeries series(&log);
  series.Add(0, 50);
  TChart chart;
  ApplyResultGraphLayout(chart);
  series.SetParentChart(&chart);

  chart.grab();
  ASSERT_EQ(std::count(log.begin(), log.end(), "s:values"), 1);
  EXPECT_FALSE(chart.Canvas().NeedsRedraw());

  chart.grab();  // nothing changed: the stored bitmap is copied, nothing is drawn
  EXPECT_EQ(std::count(log.begin(), log.end(), "s:values"), 1);

  chart.LeftAxis()->SetTickLength(chart.LeftAxis()->TickLength());  // same value: no repaint
  EXPECT_FALSE(chart.Canvas().NeedsRedraw());
  chart.LeftAxis()->SetTickLength(6);
  EXPECT_TRUE(chart.Canvas().NeedsRedraw());
  chart.grab();
  EXPECT_EQ(std::count(log.begin(), log.end(), "s:values"), 2);
  EXPECT_EQ(chart.Canvas().Bitmap().size(), QSize(601, 449));

  chart.resize(500, 300);  // a new size makes a new bitmap
  chart.grab();
  EXPECT_EQ(std::count(log.begin(), log.end(), "s:values"), 3);
  EXPECT_EQ(chart.Canvas().Bitmap().size(), QSize(500, 300));
}

}  // namespace

// The repaint into the off-screen bitmap sets thin outlines, solid rectangles, polygons and
// texts straight in the image's memory, leaves out the fill of polygons without an inside, leaves
// out the bars, ribbon pieces and marks that what comes later paints over, and copies the line
// it drew aside to learn its pixels. Drawn through the painter alone (a pixmap, which the canvas
// cannot write into directly) with every shape drawn, every primitive goes the long way; both
// pictures must be the same pixel for pixel.
#include <gtest/gtest.h>

#include <QPixmap>
#include <QRandomGenerator>
#include <functional>

#include "chart/canvas/QtChartCanvas.h"
#include "chart/plan/OverpaintPlanner.h"
#include "tests/chart/canvas/PixelImage.h"
#include "tests/chart/series/ResultGraphFixture.h"

namespace {

struct PictureCase {
  const char* name;
  int drills;
  double fromDrill, toDrill;  // the bottom axis range shown; from > to keeps it automatic
  int zoom = 100;             // the 3D view's zoom in percent, texts zoomed with it
};

// The result graph of the case's drills, 601 x 449.
void MakeGraph(ResultGraph& g, const PictureCase& c) {
  g.chart.resize(601, 449);
  QRandomGenerator random(20261208u + unsigned(c.drills));
  for (int i = 0; i < c.drills; ++i) g.Add(random.bounded(101), 60 + random.bounded(300));
  if (c.fromDrill <= c.toDrill) {
    g.chart.BottomAxis()->SetAutomatic(false);
    g.chart.BottomAxis()->SetMaximum(c.toDrill);
    g.chart.BottomAxis()->SetMinimum(c.fromDrill);
  }
  if (c.zoom != 100) {
    g.chart.View3DOptions().SetZoomText(true);
    g.chart.View3DOptions().SetZoom(c.zoom);
  }
}

// The graph drawn through the painter alone, every shape drawn (no planner); the chart is left
// buffered and with its planner again.
QImage PainterAlone(TChart& chart) {
  chart.Canvas().SetBuffered(false);
  chart.SetPlanner(nullptr);
  QPixmap pixmap(601, 449);
  pixmap.fill(Qt::white);
  {
    QtChartCanvas painterOnly(&pixmap);
    chart.Draw(&painterOnly, {0, 0, 601, 449});
  }
  chart.Canvas().SetBuffered(true);
  chart.SetPlanner(std::make_unique<OverpaintPlanner>());
  return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

class DirectPixelsTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(DirectPixelsTest, SamePixelsAsThePainterAlone) {
  const PictureCase& c = GetParam();
  ResultGraph g;
  MakeGraph(g, c);
  g.chart.Canvas().SetBuffered(true);
  const QImage direct = g.chart.RenderToImage().copy();
  ExpectSamePixels(direct, PainterAlone(g.chart));
}

// The images drawn aside are kept from repaint to repaint: the next repaint, of other points,
// shows nothing of the last one.
TEST(DirectPixels, RepaintAfterScrollingShowsOnlyTheNewView) {
  ResultGraph g;
  MakeGraph(g, PictureCase{"", 5000, 0.5, 2999.5});
  g.chart.Canvas().SetBuffered(true);
  g.chart.RenderToImage();
  g.chart.BottomAxis()->SetMaximum(4999.5);
  g.chart.BottomAxis()->SetMinimum(2000.5);
  const QImage direct = g.chart.RenderToImage().copy();
  ExpectSamePixels(direct, PainterAlone(g.chart));
}

INSTANTIATE_TEST_SUITE_P(
    Histories, DirectPixelsTest,
    ::testing::Values(PictureCase{"Empty", 0, 1, 0}, PictureCase{"SevenWideBars", 7, 1, 0},
                      PictureCase{"Hundred", 100, 1, 0}, PictureCase{"Thousand", 1000, 1, 0},
                      PictureCase{"TenThousand", 10000, 1, 0}, PictureCase{"ThreeThousand", 3000, 1, 0},
                      PictureCase{"ThreeThousandAndOne", 3001, 1, 0},
                      // Zoomed in: bars and ribbon cut off at the plot's sides by the clip.
                      PictureCase{"ZoomedIntoThirty", 300, 100.5, 130.5},
                      // More marks than columns, left and right of the range shown too.
                      PictureCase{"ScrolledThousandOfFiveThousand", 5000, 2000.5, 2999.5},
                      // The 3D view zoomed out and in, texts with it.
                      PictureCase{"ThousandZoomedOut", 1000, 1, 0, 70},
                      PictureCase{"ThreeThousandZoomedIn", 3000, 1, 0, 140}),
    [](const auto& info) { return std::string(info.param.name); });

// Drawn straight onto a window's canvas (not buffered) no mark is planned: with the planner or
// without, the same picture, every mark drawn.
TEST(DirectPixels, UnbufferedRepaintDrawsEveryMark) {
  ResultGraph g;
  MakeGraph(g, PictureCase{"", 3000, 1, 0});
  g.chart.Canvas().SetBuffered(false);
  auto paint = [&](bool planned) {
    g.chart.SetPlanner(planned ? std::make_unique<OverpaintPlanner>() : nullptr);
    QPixmap pixmap(601, 449);
    pixmap.fill(Qt::white);
    {
      QtChartCanvas canvas(&pixmap);
      g.chart.Draw(&canvas, {0, 0, 601, 449});
    }
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
  };
  EXPECT_TRUE(paint(true) == paint(false));
}

// Marks left out are still placed: every visible point has the stored position a repaint that
// draws every mark stores.
TEST(DirectPixels, MarksLeftOutKeepTheirPositions) {
  ResultGraph g;
  MakeGraph(g, PictureCase{"", 3000, 1, 0});
  g.chart.Canvas().SetBuffered(true);
  g.chart.SetPlanner(nullptr);
  g.chart.RenderToImage();
  const TSeriesMarksPositions everyMark = g.bars.Marks().Positions();
  g.bars.Marks().Positions().Clear();
  g.chart.SetPlanner(std::make_unique<OverpaintPlanner>());
  g.chart.RenderToImage();
  const TSeriesMarksPositions& planned = g.bars.Marks().Positions();
  ASSERT_EQ(planned.Count(), everyMark.Count());
  ASSERT_EQ(planned.Count(), 3000);
  for (int i = 0; i < planned.Count(); ++i) {
    EXPECT_EQ(planned.Stored(i)->Bounds(), everyMark.Stored(i)->Bounds()) << i;
    EXPECT_EQ(planned.Stored(i)->ArrowStart, everyMark.Stored(i)->ArrowStart) << i;
    EXPECT_EQ(planned.Stored(i)->ArrowEnd, everyMark.Stored(i)->ArrowEnd) << i;
  }
}

// Bars alone on the result graph's layout, 601 x 449.
template <class Bars>
struct BarsAlone {
  BarsAlone() {
    ApplyResultGraphLayout(chart);
    chart.resize(601, 449);
    ApplyResultGraphSeriesLayout(bars, unused);
    bars.SetParentChart(&chart);
  }
  TChart chart;
  Bars bars;
  TLineSeries unused;
};

// A repaint that plans the bars' marks stores every mark's position as a repaint that draws every
// mark does, and gives the same pixels as the painter alone. The stored positions are cleared in
// between; placeOwn, when given, puts the custom ones back before each repaint.
void ExpectPlannedAsIfEveryMarkWereDrawn(TChart& chart, TBarSeries& bars,
                                         const std::function<void(TSeriesMarksPositions&)>& placeOwn = {}) {
  if (placeOwn) placeOwn(bars.Marks().Positions());
  chart.Canvas().SetBuffered(true);
  chart.SetPlanner(nullptr);
  chart.RenderToImage();
  const TSeriesMarksPositions everyMark = bars.Marks().Positions();
  bars.Marks().Positions().Clear();
  if (placeOwn) placeOwn(bars.Marks().Positions());
  chart.SetPlanner(std::make_unique<OverpaintPlanner>());
  const QImage direct = chart.RenderToImage().copy();
  const TSeriesMarksPositions& planned = bars.Marks().Positions();
  ASSERT_EQ(everyMark.Count(), bars.PointCount());
  ASSERT_EQ(planned.Count(), everyMark.Count());
  for (int i = 0; i < planned.Count(); ++i) {
    EXPECT_EQ(planned.Stored(i)->IsCustom, everyMark.Stored(i)->IsCustom) << i;
    EXPECT_EQ(planned.Stored(i)->Bounds(), everyMark.Stored(i)->Bounds()) << i;
    EXPECT_EQ(planned.Stored(i)->ArrowEnd, everyMark.Stored(i)->ArrowEnd) << i;
  }
  ExpectSamePixels(direct, PainterAlone(chart));
}

// Bars whose marks all show the same text at their own heights: a mark laid out once for its
// text is not moved to another height.
class SameTextBars : public TBarSeries {
  double MarkValue(int) const override { return 7; }
};

TEST(DirectPixels, MarksOfOneTextAtManyHeightsAsIfEachWereDrawn) {
  BarsAlone<SameTextBars> g;
  QRandomGenerator random(20261209u);
  for (int i = 0; i < 2000; ++i) g.bars.AddPoint(i, random.bounded(101));
  ExpectPlannedAsIfEveryMarkWereDrawn(g.chart, g.bars);
}

// Bars of one height, several to a pixel column, every mark with the same text: a mark is left
// out for a later one at the same point, which sets the same pixels. Every other mark has a
// place of its own, where it is drawn; it hides no mark at its point.
TEST(DirectPixels, MarksOfOneTextAtOnePointAsIfEachWereDrawn) {
  BarsAlone<TBarSeries> g;
  for (int i = 0; i < 2000; ++i) g.bars.AddPoint(i, 50);
  ExpectPlannedAsIfEveryMarkWereDrawn(g.chart, g.bars, [](TSeriesMarksPositions& positions) {
    for (int i = 1; i < 2000; i += 2) {
      TSeriesMarkPosition& own = positions.Position(i);
      own.IsCustom = true;
      own.ArrowStart = {100 + i % 300, 300};
      own.ArrowEnd = {100 + i % 300, 280};
      own.BoxTopLeft = {90 + i % 300, 262};
    }
  });
}

// The pixels a dense repaint keeps for its passes over the points do not outlive it: zoomed in
// to a few points, the next repaint plans nothing and places each point by the axis it now has.
TEST(DirectPixels, PointPixelsFollowTheAxesAfterADenseRepaint) {
  ResultGraph g;
  MakeGraph(g, PictureCase{"", 3000, 1, 0});
  g.chart.Canvas().SetBuffered(true);
  g.chart.RenderToImage();
  g.chart.BottomAxis()->SetAutomatic(false);
  g.chart.BottomAxis()->SetMaximum(1010);
  g.chart.BottomAxis()->SetMinimum(1000);
  g.chart.RenderToImage();
  for (int i : {1000, 1005, 1010}) {
    EXPECT_EQ(g.line.CalcXPos(i), g.chart.BottomAxis()->ValueToPixel(g.line.XValue(i))) << i;
    EXPECT_EQ(g.line.CalcYPos(i), g.line.GetVertAxis()->ValueToPixel(g.line.YValue(i))) << i;
  }
}

}  // namespace

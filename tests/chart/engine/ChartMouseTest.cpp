// Zoom, undo, pan, wheel and the rubber band on a chart laid out as the result graph with
// seven drills. Ranges are checked against the axes' own pixel conversions of the last
// repaint, so the assertions hold for any font metrics.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include "tests/chart/engine/EngineFixture.h"

namespace {

struct MouseChart {
  MouseChart() {
    LayOutAsResultGraph(chart, bars, line);
    for (int i = 0; i < 7; ++i) {
      bars.Add(i, 60 + 5 * i);
      line.Add(i, 150 + 10 * i);
    }
    chart.RenderToImage();
  }
  TCustomChartAxis& Bottom() { return *chart.BottomAxis(); }
  TCustomChartAxis& Left() { return *chart.LeftAxis(); }
  TCustomChartAxis& Right() { return *chart.RightAxis(); }
  void Drag(Qt::MouseButton button, QPoint from, QPoint to) {
    chart.MouseDown(button, Qt::NoModifier, from.x(), from.y());
    chart.MouseMove(Qt::NoModifier, to.x(), to.y());
    chart.MouseUp(button, Qt::NoModifier, to.x(), to.y());
  }
  void ExpectResultGraphScales() {
    EXPECT_FALSE(Left().Automatic());
    EXPECT_EQ(Left().Minimum(), 0);
    EXPECT_EQ(Left().Maximum(), 100);
    EXPECT_FALSE(Right().Automatic());
    EXPECT_EQ(Right().Minimum(), 100);
    EXPECT_EQ(Right().Maximum(), 300);
    EXPECT_TRUE(Bottom().Automatic());
    EXPECT_TRUE(Bottom().AutomaticMinimum());
    EXPECT_TRUE(Bottom().AutomaticMaximum());
    EXPECT_TRUE(chart.TopAxis()->Automatic());
  }

  TChart chart;
  FakeSeries bars;
  FakeSeries line;
};

TEST(ChartZoom, LeftDragRightAndDownZoomsAllSideAxesToTheRectangle) {
  MouseChart m;
  const double b0 = m.Bottom().PixelToValue(100), b1 = m.Bottom().PixelToValue(200);
  const double l0 = m.Left().PixelToValue(180), l1 = m.Left().PixelToValue(100);
  const double r0 = m.Right().PixelToValue(180), r1 = m.Right().PixelToValue(100);
  const double bottomMax = m.Bottom().Maximum();
  QTest::mousePress(&m.chart, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  EXPECT_TRUE(m.chart.ZoomDrag.Dragging);
  QMouseEvent move(QEvent::MouseMove, QPointF(200, 180), m.chart.mapToGlobal(QPointF(200, 180)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&m.chart, &move);
  QTest::mouseRelease(&m.chart, Qt::LeftButton, Qt::NoModifier, QPoint(200, 180));

  EXPECT_FALSE(m.chart.ZoomDrag.Dragging);
  EXPECT_DOUBLE_EQ(m.Bottom().Minimum(), b0);
  EXPECT_DOUBLE_EQ(m.Bottom().Maximum(), b1);
  EXPECT_DOUBLE_EQ(m.Left().Minimum(), l0);
  EXPECT_DOUBLE_EQ(m.Left().Maximum(), l1);
  EXPECT_DOUBLE_EQ(m.Right().Minimum(), r0);
  EXPECT_DOUBLE_EQ(m.Right().Maximum(), r1);
  for (TCustomChartAxis* axis : {&m.Bottom(), &m.Left(), &m.Right(), static_cast<TCustomChartAxis*>(m.chart.TopAxis())}) {
    EXPECT_FALSE(axis->Automatic());
    EXPECT_FALSE(axis->AutomaticMinimum());
    EXPECT_FALSE(axis->AutomaticMaximum());
  }
  EXPECT_TRUE(m.chart.ZoomedState());
  ASSERT_TRUE(m.chart.SnapshotTaken());
  const TScaleSnapshot& s = m.chart.ScaleSnapshot();
  EXPECT_TRUE(s.Bottom.Automatic);
  EXPECT_EQ(s.Bottom.Maximum, bottomMax);
  EXPECT_FALSE(s.Left.Automatic);
  EXPECT_EQ(s.Left.Maximum, 100);
  EXPECT_EQ(s.Right.Minimum, 100);
  EXPECT_TRUE(m.chart.Canvas().NeedsRedraw());
}

struct DragCase {
  QPoint to;
  bool zooms;
};

class ZoomThreshold : public ::testing::TestWithParam<DragCase> {};

TEST_P(ZoomThreshold, OnlyDragsOfMoreThanSixteenPixelsBothWaysCount) {
  MouseChart m;
  m.Drag(Qt::LeftButton, {100, 100}, GetParam().to);
  EXPECT_EQ(m.chart.ZoomedState(), GetParam().zooms);
  EXPECT_EQ(m.Left().Maximum() != 100, GetParam().zooms);
}

INSTANTIATE_TEST_SUITE_P(Ends, ZoomThreshold,
                         ::testing::Values(DragCase{{116, 180}, false}, DragCase{{117, 180}, true},
                                           DragCase{{200, 116}, false}, DragCase{{200, 117}, true}));

class ZoomUndo : public ::testing::TestWithParam<std::pair<QPoint, QPoint>> {};

TEST_P(ZoomUndo, ADragInAnyOtherDirectionRestoresTheScales) {
  MouseChart m;
  m.Drag(Qt::LeftButton, {100, 100}, {200, 180});
  ASSERT_TRUE(m.chart.ZoomedState());
  m.Drag(Qt::LeftButton, GetParam().first, GetParam().second);
  EXPECT_FALSE(m.chart.ZoomedState());
  EXPECT_FALSE(m.chart.SnapshotTaken());
  m.ExpectResultGraphScales();
}

INSTANTIATE_TEST_SUITE_P(Directions, ZoomUndo,
                         ::testing::Values(std::pair{QPoint(200, 180), QPoint(100, 100)},
                                           std::pair{QPoint(100, 180), QPoint(200, 100)},
                                           std::pair{QPoint(200, 100), QPoint(100, 180)}));

TEST(ChartZoom, TwoZoomsThenOneUndoGoBackToTheFirstScales) {
  MouseChart m;
  m.Drag(Qt::LeftButton, {100, 100}, {300, 300});
  m.chart.RenderToImage();
  m.Drag(Qt::LeftButton, {150, 150}, {250, 250});
  m.chart.RenderToImage();
  m.Drag(Qt::LeftButton, {250, 250}, {150, 150});
  m.ExpectResultGraphScales();
}

TEST(ChartZoom, UndoWithoutAZoomChangesNoScaleButRepaints) {
  MouseChart m;
  m.chart.Canvas().SetNeedsRedraw(false);
  m.chart.UndoZoom();
  m.ExpectResultGraphScales();
  EXPECT_TRUE(m.chart.Canvas().NeedsRedraw());
}

TEST(ChartZoom, AnimatedZoomEndsOnTheSameRanges) {
  MouseChart plain;
  MouseChart animated;
  animated.chart.SetAnimatedZoom(true);
  plain.Drag(Qt::LeftButton, {100, 100}, {200, 180});
  animated.Drag(Qt::LeftButton, {100, 100}, {200, 180});
  EXPECT_DOUBLE_EQ(animated.Bottom().Minimum(), plain.Bottom().Minimum());
  EXPECT_DOUBLE_EQ(animated.Left().Maximum(), plain.Left().Maximum());
  EXPECT_DOUBLE_EQ(animated.Right().Minimum(), plain.Right().Minimum());
}

TEST(ChartPress, OnlySeriesAxesAndThePlotStartADrag) {
  MouseChart m;
  const TRect title = m.chart.Title().TitleBounds();
  const TRect plot = m.chart.PlotRect();
  const QPoint nothing[] = {{(title.Left + title.Right) / 2, (title.Top + title.Bottom) / 2},
                            {plot.Right + 3, plot.Top - 3},  // the depth band beyond the plot
                            {3, 3}};
  for (QPoint p : nothing) {
    m.chart.MouseDown(Qt::LeftButton, Qt::NoModifier, p.x(), p.y());
    EXPECT_FALSE(m.chart.ZoomDrag.Dragging) << p.x() << "," << p.y();
    m.chart.MouseUp(Qt::LeftButton, Qt::NoModifier, p.x(), p.y());
  }
  // On the left axis' labels.
  const TCustomChartAxis& left = m.Left();
  m.chart.MouseDown(Qt::LeftButton, Qt::NoModifier, left.LabelsPos(), left.Mapping().CenterPixel());
  EXPECT_TRUE(m.chart.ZoomDrag.Dragging);
}

TEST(ChartPress, MiddleButtonStartsNothing) {
  MouseChart m;
  QTest::mousePress(&m.chart, Qt::MiddleButton, Qt::NoModifier, QPoint(150, 150));
  EXPECT_FALSE(m.chart.ZoomDrag.Dragging);
  EXPECT_FALSE(m.chart.PanDrag.Dragging);
  QTest::mouseRelease(&m.chart, Qt::MiddleButton, Qt::NoModifier, QPoint(150, 150));
}

TEST(ChartPress, ANotificationThatKeepsTheCancelFlagStopsTheDrag) {
  MouseChart m;
  m.chart.OnClickBackground = [] {};
  m.chart.MouseDown(Qt::LeftButton, Qt::NoModifier, 150, 150);
  EXPECT_FALSE(m.chart.ZoomDrag.Dragging);
  EXPECT_FALSE(m.chart.CancelMouse());
  m.chart.MouseUp(Qt::LeftButton, Qt::NoModifier, 150, 150);
  m.chart.OnClickBackground = [&m] { m.chart.SetCancelMouse(false); };
  m.chart.MouseDown(Qt::LeftButton, Qt::NoModifier, 150, 150);
  EXPECT_TRUE(m.chart.ZoomDrag.Dragging);
}

TEST(ChartPress, ASeriesHearsItsClickAndDoubleClickBeforeTheChart) {
  MouseChart m;
  m.line.HitIndex = 3;
  std::vector<std::string> heard;
  m.line.OnClick = [&](TChartSeries&, int i) { heard.push_back("click " + std::to_string(i)); };
  m.line.OnDblClick = [&](TChartSeries&, int i) { heard.push_back("double " + std::to_string(i)); };
  m.chart.OnClickSeries = [&](TChartSeries& s, int) {
    heard.push_back(&s == &m.line ? "chart" : "other");
    m.chart.SetCancelMouse(false);
  };
  // A double click as the window system delivers it: press, release, double-click press, release.
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                            QEvent::MouseButtonRelease}) {
    const bool down = type != QEvent::MouseButtonRelease;
    QMouseEvent e(type, QPointF(150, 150), m.chart.mapToGlobal(QPointF(150, 150)), Qt::LeftButton,
                  down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&m.chart, &e);
  }
  // The series' own notification keeps the cancel flag: the chart's is not asked, no drag.
  EXPECT_EQ(heard, (std::vector<std::string>{"click 3", "double 3"}));
  EXPECT_FALSE(m.chart.ZoomDrag.Dragging);
}

TEST(ChartPress, APointWithACursorShowsItWhileTheMouseIsOverIt) {
  MouseChart m;
  m.bars.SetCursor(Qt::PointingHandCursor);
  m.chart.MouseMove(Qt::NoModifier, 150, 150);
  EXPECT_EQ(m.chart.cursor().shape(), m.chart.LoadedCursor().shape());
  m.bars.HitIndex = 0;
  m.chart.MouseMove(Qt::NoModifier, 151, 150);
  EXPECT_EQ(m.chart.cursor().shape(), Qt::PointingHandCursor);
  m.bars.HitIndex = -1;
  m.chart.MouseMove(Qt::NoModifier, 152, 150);
  EXPECT_EQ(m.chart.cursor().shape(), m.chart.LoadedCursor().shape());
}

TEST(ChartPan, RightDragMovesTheScalesWithThePointer) {
  MouseChart m;
  const double span10 = m.Bottom().PixelToValue(160) - m.Bottom().PixelToValue(150);
  const double min = m.Bottom().Minimum(), max = m.Bottom().Maximum();
  m.Drag(Qt::RightButton, {150, 150}, {160, 150});
  EXPECT_DOUBLE_EQ(m.Bottom().Minimum(), min - span10);
  EXPECT_DOUBLE_EQ(m.Bottom().Maximum(), max - span10);
  EXPECT_FALSE(m.Bottom().Automatic());
  EXPECT_EQ(m.Left().Minimum(), 0);
  EXPECT_EQ(m.Right().Maximum(), 300);
  EXPECT_TRUE(m.chart.SnapshotTaken());
  EXPECT_FALSE(m.chart.ZoomedState());
}

TEST(ChartPan, TwoMovesOfFivePixelsAddUp) {
  MouseChart m;
  const double span10 = m.Bottom().PixelToValue(160) - m.Bottom().PixelToValue(150);
  const double min = m.Bottom().Minimum();
  m.chart.MouseDown(Qt::RightButton, Qt::NoModifier, 160, 150);
  m.chart.MouseMove(Qt::NoModifier, 155, 150);
  m.chart.MouseMove(Qt::NoModifier, 150, 150);
  m.chart.MouseUp(Qt::RightButton, Qt::NoModifier, 150, 150);
  EXPECT_NEAR(m.Bottom().Minimum(), min + span10, 1e-9);
}

TEST(ChartPan, VerticalDragMovesTheVerticalScales) {
  MouseChart m;
  const double left10 = m.Left().PixelToValue(150) - m.Left().PixelToValue(160);
  const double right10 = m.Right().PixelToValue(150) - m.Right().PixelToValue(160);
  const double bottomMin = m.Bottom().Minimum();
  m.Drag(Qt::RightButton, {150, 150}, {150, 160});
  EXPECT_DOUBLE_EQ(m.Left().Minimum(), left10);
  EXPECT_DOUBLE_EQ(m.Right().Maximum(), 300 + right10);
  EXPECT_EQ(m.Bottom().Minimum(), bottomMin);
  EXPECT_TRUE(m.Bottom().Automatic());
}

TEST(ChartPan, LeavingThePlotStopsThePan) {
  MouseChart m;
  const TRect plot = m.chart.PlotRect();
  m.chart.MouseDown(Qt::RightButton, Qt::NoModifier, 150, 150);
  m.chart.MouseMove(Qt::NoModifier, plot.Right + 5, 150);
  EXPECT_FALSE(m.chart.PanDrag.Dragging);
  m.chart.MouseMove(Qt::NoModifier, 170, 150);
  m.chart.MouseUp(Qt::RightButton, Qt::NoModifier, 170, 150);
  EXPECT_TRUE(m.Bottom().Automatic());
  EXPECT_FALSE(m.chart.SnapshotTaken());
}

TEST(ChartPan, HorizontalOnlyIgnoresVerticalMoves) {
  MouseChart m;
  m.chart.SetAllowPanning(pmHorizontal);
  m.Drag(Qt::RightButton, {150, 150}, {150, 170});
  m.ExpectResultGraphScales();
  m.chart.SetAllowPanning(pmNone);
  m.chart.MouseDown(Qt::RightButton, Qt::NoModifier, 150, 150);
  EXPECT_FALSE(m.chart.PanDrag.Dragging);
}

TEST(ChartPan, ARefusedScrollKeepsThatAxis) {
  MouseChart m;
  m.chart.OnAllowScroll = [&m](TCustomChartAxis& axis, double&, double&, bool& allow) {
    allow = &axis != m.chart.LeftAxis();
  };
  m.Drag(Qt::RightButton, {150, 150}, {150, 160});
  EXPECT_EQ(m.Left().Minimum(), 0);
  EXPECT_TRUE(m.Right().Maximum() > 300);
}

TEST(ChartPan, LeavingTheControlEndsThePan) {
  MouseChart m;
  m.chart.MouseDown(Qt::RightButton, Qt::NoModifier, 150, 150);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&m.chart, &leave);
  EXPECT_FALSE(m.chart.PanDrag.Dragging);
  EXPECT_EQ(m.chart.cursor().shape(), m.chart.LoadedCursor().shape());
}

void Wheel(QWidget& w, int delta) {
  QWheelEvent e(QPointF(150, 150), w.mapToGlobal(QPointF(150, 150)), QPoint(), QPoint(0, delta), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&w, &e);
}

TEST(ChartWheel, StepsScrollTheVerticalScalesByThreePercent) {
  MouseChart m;
  Wheel(m.chart, -120);  // one step down
  EXPECT_DOUBLE_EQ(m.Left().Minimum(), 3);
  EXPECT_DOUBLE_EQ(m.Left().Maximum(), 103);
  EXPECT_DOUBLE_EQ(m.Right().Minimum(), 106);
  EXPECT_DOUBLE_EQ(m.Right().Maximum(), 306);
  EXPECT_TRUE(m.Bottom().Automatic());
  Wheel(m.chart, 120);
  EXPECT_NEAR(m.Left().Minimum(), 0, 1e-9);
  EXPECT_NEAR(m.Left().Maximum(), 100, 1e-9);
  EXPECT_NEAR(m.Right().Minimum(), 100, 1e-9);
  EXPECT_NEAR(m.Right().Maximum(), 300, 1e-9);
  EXPECT_FALSE(m.chart.SnapshotTaken());  // the wheel saves no scales
}

// A fine wheel's parts of a notch add up to whole steps, either way.
TEST(ChartWheel, PartsOfANotchAddUpToSteps) {
  MouseChart m;
  Wheel(m.chart, -40);
  Wheel(m.chart, -40);
  EXPECT_DOUBLE_EQ(m.Left().Minimum(), 0);
  Wheel(m.chart, -40);
  EXPECT_DOUBLE_EQ(m.Left().Minimum(), 3);
  for (int i = 0; i < 3; ++i) Wheel(m.chart, 30);
  EXPECT_DOUBLE_EQ(m.Left().Minimum(), 3);
  Wheel(m.chart, 30);
  EXPECT_NEAR(m.Left().Minimum(), 0, 1e-9);
}

TEST(ChartRubberBand, DrawnNotXorOverTheChartAndGoneAfterRelease) {
  MouseChart m;
  m.chart.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&m.chart));
  const QImage before = m.chart.grab().toImage();
  m.chart.MouseDown(Qt::LeftButton, Qt::NoModifier, 120, 120);
  m.chart.MouseMove(Qt::NoModifier, 130, 200);
  const QImage during = m.chart.grab().toImage();
  // The band's corner pixel is the inverse of (screen XOR pen).
  const TColor pen = ColorToRGB(m.chart.Color());
  const QRgb under = before.pixel(120, 120);
  const QRgb expected = qRgb(255 - (qRed(under) ^ RedOf(pen)), 255 - (qGreen(under) ^ GreenOf(pen)),
                             255 - (qBlue(under) ^ BlueOf(pen)));
  EXPECT_EQ(during.pixel(120, 120), expected);
  EXPECT_EQ(during.pixel(125, 160), before.pixel(125, 160));  // inside: untouched
  m.chart.MouseUp(Qt::LeftButton, Qt::NoModifier, 130, 200);  // 10 pixels wide: no zoom
  EXPECT_EQ(m.chart.grab().toImage(), before);
}

// A move repaints only the old and the new band's pixels: what the window shows must still be
// the chart with the band where the pointer is now, for moves that grow, shrink and turn it.
TEST(ChartRubberBand, TheWindowShowsTheChartWithTheBandAtThePointerAfterEachMove) {
  MouseChart m;
  m.chart.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&m.chart));
  const auto shown = [&] {
    QApplication::processEvents();
    return m.chart.screen()->grabWindow(m.chart.winId()).toImage().convertToFormat(QImage::Format_RGB32);
  };
  const QImage before = shown();
  ASSERT_EQ(before, m.chart.grab().toImage().convertToFormat(QImage::Format_RGB32));
  m.chart.MouseDown(Qt::LeftButton, Qt::NoModifier, 120, 120);
  for (const QPoint p : {QPoint(200, 210), QPoint(150, 170), QPoint(121, 300), QPoint(60, 60), QPoint(300, 121)}) {
    m.chart.MouseMove(Qt::NoModifier, p.x(), p.y());
    EXPECT_EQ(shown(), m.chart.grab().toImage().convertToFormat(QImage::Format_RGB32)) << p.x() << ", " << p.y();
  }
  m.chart.MouseUp(Qt::LeftButton, Qt::NoModifier, 130, 125);  // no zoom
  EXPECT_EQ(shown(), before);
}

}  // namespace

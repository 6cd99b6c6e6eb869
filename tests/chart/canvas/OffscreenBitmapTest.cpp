#include <gtest/gtest.h>

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/canvas/RecordingCanvas.h"

namespace {

using Op = RecordingCanvas::Op;

// One buffered repaint of the given client rectangle; paints a black pixel at (0, 0) when asked.
TRect Repaint(TChartCanvas3D& c3d, const TRect& client, bool markCorner) {
  TRect panel = c3d.BeginRepaint({}, client);
  if (markCorner) {
    c3d.Canvas().SetBrush({clBlack, TBrushStyle::Solid});
    c3d.Canvas().FillRect({0, 0, 1, 1});
  }
  c3d.EndRepaint();
  return panel;
}

TEST(OffscreenBitmap, RepaintDrawsIntoTheBitmapAndCopiesItToTheWindow) {
  RecordingCanvas window;
  TChartCanvas3D c3d;
  c3d.SetWindowCanvas(&window);
  EXPECT_TRUE(c3d.NeedsRedraw());
  TRect panel = c3d.BeginRepaint({}, {5, 7, 105, 67});
  EXPECT_EQ(panel, (TRect{0, 0, 100, 60}));
  EXPECT_NE(&c3d.Canvas(), &window);
  c3d.Canvas().FillRect({0, 0, 10, 10});
  c3d.EndRepaint();
  EXPECT_FALSE(c3d.NeedsRedraw());
  EXPECT_EQ(&c3d.Canvas(), &window);
  // Only the copy reaches the window, at the client rectangle's corner.
  ASSERT_EQ(window.Calls().size(), 1u);
  EXPECT_EQ(window.Calls()[0].Kind, Op::DrawImage);
  EXPECT_EQ(window.Calls()[0].Rect, (TRect{5, 7, 105, 67}));
}

TEST(OffscreenBitmap, IsReusedWhileTheSizeStaysAndRecreatedWhenItChanges) {
  TChartCanvas3D c3d;
  Repaint(c3d, {0, 0, 40, 30}, true);
  ASSERT_EQ(c3d.Bitmap().pixelColor(0, 0), QColor(Qt::black));
  Repaint(c3d, {0, 0, 40, 30}, false);
  EXPECT_EQ(c3d.Bitmap().pixelColor(0, 0), QColor(Qt::black)) << "same size: the old pixels are still there";
  Repaint(c3d, {0, 0, 41, 30}, false);
  EXPECT_EQ(c3d.Bitmap().size(), QSize(41, 30));
  EXPECT_EQ(c3d.Bitmap().pixelColor(0, 0), QColor(Qt::white)) << "new size: a fresh bitmap";
}

TEST(OffscreenBitmap, MonochromeChangeDiscardsTheBitmapAndAsksForARedraw) {
  TChartCanvas3D c3d;
  Repaint(c3d, {0, 0, 40, 30}, true);
  c3d.SetMonochrome(false);  // unchanged: nothing happens
  EXPECT_FALSE(c3d.NeedsRedraw());
  EXPECT_FALSE(c3d.Bitmap().isNull());
  c3d.SetMonochrome(true);
  EXPECT_TRUE(c3d.NeedsRedraw());
  EXPECT_TRUE(c3d.Bitmap().isNull());
  Repaint(c3d, {0, 0, 40, 30}, true);
  EXPECT_EQ(c3d.Bitmap().format(), QImage::Format_Mono);
  EXPECT_EQ(c3d.Bitmap().pixelColor(0, 0), QColor(Qt::black));
  EXPECT_EQ(c3d.Bitmap().pixelColor(1, 0), QColor(Qt::white));
}

TEST(OffscreenBitmap, EmptyClientStillGetsAPaintableBitmap) {
  TChartCanvas3D c3d;
  EXPECT_EQ(Repaint(c3d, {0, 0, 0, 0}, true), (TRect{0, 0, 0, 0}));
  EXPECT_EQ(c3d.Bitmap().size(), QSize(1, 1));
}

TEST(OffscreenBitmap, UnbufferedRepaintDrawsOnTheWindowAndKeepsNeedsRedraw) {
  RecordingCanvas window;
  TChartCanvas3D c3d;
  c3d.SetWindowCanvas(&window);
  c3d.SetBuffered(false);
  TRect panel = c3d.BeginRepaint({}, {5, 7, 105, 67});
  EXPECT_EQ(panel, (TRect{5, 7, 105, 67}));
  EXPECT_EQ(&c3d.Canvas(), &window);
  c3d.EndRepaint();
  EXPECT_TRUE(c3d.NeedsRedraw());
  EXPECT_TRUE(window.Calls().empty());
  EXPECT_TRUE(c3d.Bitmap().isNull());
}

TEST(OffscreenBitmap, WindowCanvasIsTheTargetBetweenRepaints) {
  RecordingCanvas first, second;
  TChartCanvas3D c3d;
  EXPECT_FALSE(c3d.HasCanvas());
  c3d.SetWindowCanvas(&first);
  EXPECT_EQ(&c3d.Canvas(), &first);
  c3d.BeginRepaint({}, {0, 0, 10, 10});
  c3d.SetWindowCanvas(&second);  // during a repaint the bitmap stays the target
  EXPECT_NE(&c3d.Canvas(), &second);
  c3d.EndRepaint();
  EXPECT_EQ(&c3d.Canvas(), &second);
  EXPECT_EQ(second.Calls().size(), 1u);
  EXPECT_TRUE(first.Calls().empty());
}

}  // namespace

// The mouse on the shown result graph window: zoom, pan and wheel through the window's own
// event path, with the window's series, and what they leave for the next showing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "ResultGraphProbe.h"
#include "graph/Unit2.h"
#include "platform/ErrorBox.h"

namespace {

struct ShownGraph {
  explicit ShownGraph(const QList<QByteArray>& lines) {
    previous = SetErrorPresenter([](const QString&, const QString& text) { ADD_FAILURE() << text.toStdString(); });
    WriteFile(dir.filePath(QStringLiteral("HIST.DAT")), HistoryText(lines));
    history = std::make_unique<HistoryList>(dir.filePath(QStringLiteral("HIST.DAT")));
    form = std::make_unique<TForm2>(*history);
    form->FormCreate();
    Show();
  }
  void Show() {
    form->show();
    QApplication::processEvents();
  }
  void Hide() {
    form->hide();
    QApplication::processEvents();
  }
  QImage Image() const { return form->Chart1->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  TChart& Chart() const { return *form->Chart1; }

  void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint p) const {
    QMouseEvent e(type, QPointF(p), Chart().mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
    QApplication::sendEvent(form->Chart1, &e);
  }
  // Press at from, one move per point of the path, release at its last point.
  void Drag(Qt::MouseButton button, QPoint from, std::initializer_list<QPoint> path) const {
    Send(QEvent::MouseButtonPress, button, button, from);
    QPoint last = from;
    for (QPoint p : path) Send(QEvent::MouseMove, Qt::NoButton, button, last = p);
    Send(QEvent::MouseButtonRelease, button, Qt::NoButton, last);
    QApplication::processEvents();
  }
  void Wheel(int delta) const {
    const QPointF at(300, 200);
    QWheelEvent e(at, Chart().mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(form->Chart1, &e);
    QApplication::processEvents();
  }

  ~ShownGraph() { SetErrorPresenter(previous); }

  ErrorPresenter previous;
  QTemporaryDir dir;
  std::unique_ptr<HistoryList> history;
  std::unique_ptr<TForm2> form;
};

QList<QByteArray> ThreeDrills() {
  return {DrillLine(3, 27, 418, 95), DrillLine(2, 5, 0, 40), DrillLine(4, 59, 999, 70)};
}

// A zoom outlasts the window being closed and shown again with a newer drill; one reverse drag
// then gives exactly the picture of a window that was never zoomed.
TEST(ResultGraphMouse, ZoomStaysAcrossShowingsUntilAReverseDragUndoesIt) {
  ShownGraph g(ThreeDrills());
  TChart& chart = g.Chart();
  const double bottomMin = chart.BottomAxis()->PixelToValue(100);
  const double bottomMax = chart.BottomAxis()->PixelToValue(200);
  const double leftMin = chart.LeftAxis()->PixelToValue(180);
  const double rightMax = chart.RightAxis()->PixelToValue(100);
  g.Drag(Qt::LeftButton, {100, 100}, {{150, 140}, {200, 180}});
  EXPECT_DOUBLE_EQ(chart.BottomAxis()->Minimum(), bottomMin);
  EXPECT_DOUBLE_EQ(chart.BottomAxis()->Maximum(), bottomMax);

  g.Hide();
  g.history->AppendAndSave(DrillLine(1, 40, 0, 100));
  g.Show();
  g.Image();
  EXPECT_EQ(g.form->Series1->PointCount(), 4);
  EXPECT_DOUBLE_EQ(chart.BottomAxis()->Minimum(), bottomMin);
  EXPECT_DOUBLE_EQ(chart.BottomAxis()->Maximum(), bottomMax);
  EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), leftMin);
  EXPECT_DOUBLE_EQ(chart.RightAxis()->Maximum(), rightMax);

  g.Drag(Qt::LeftButton, {200, 180}, {{100, 100}});
  EXPECT_TRUE(chart.BottomAxis()->Automatic());
  EXPECT_EQ(chart.LeftAxis()->Minimum(), 0);
  EXPECT_EQ(chart.RightAxis()->Maximum(), 300);
  const ShownGraph fresh(ThreeDrills() + QList<QByteArray>{DrillLine(1, 40, 0, 100)});
  EXPECT_EQ(g.Image(), fresh.Image());
}

// The bars follow the pointer: once the bottom scale is fixed (the first pan step drops the bars'
// side margins, which only an automatic scale keeps), a right-drag of 10 pixels in one or two
// moves shifts every bar 10 pixels on the screen.
TEST(ResultGraphMouse, PanMovesTheBarsWithThePointer) {
  for (const auto& path : {std::initializer_list<QPoint>{{310, 200}}, std::initializer_list<QPoint>{{305, 200}, {310, 200}}}) {
    ShownGraph g(ThreeDrills());
    g.Image();
    g.Drag(Qt::RightButton, {300, 200}, {{301, 200}});
    ASSERT_FALSE(g.Chart().BottomAxis()->Automatic());
    g.Image();
    const int before = BarFront(*g.form, 1).x();
    g.Drag(Qt::RightButton, {300, 200}, path);
    const QImage after = g.Image();
    EXPECT_NEAR(BarFront(*g.form, 1).x(), before + 10, 1);
    EXPECT_EQ(PixelColor(after, BarFront(*g.form, 1)), clRed);
    EXPECT_EQ(g.Chart().LeftAxis()->Minimum(), 0);
  }
}

// A wheel step down moves the fixed scales by 3 % and the bars with them; a step up brings the
// picture back.
TEST(ResultGraphMouse, WheelStepsScrollThePictureAndBack) {
  ShownGraph g(ThreeDrills());
  const QImage before = g.Image();
  const int top = g.form->Series1->CalcYPos(0);
  g.Wheel(-QWheelEvent::DefaultDeltasPerStep);
  const QImage down = g.Image();
  EXPECT_DOUBLE_EQ(g.Chart().LeftAxis()->Minimum(), 3);
  EXPECT_DOUBLE_EQ(g.Chart().RightAxis()->Maximum(), 306);
  EXPECT_GT(g.form->Series1->CalcYPos(0), top);
  EXPECT_EQ(PixelColor(down, BarFront(*g.form, 0)), clRed);
  g.Wheel(QWheelEvent::DefaultDeltasPerStep);
  EXPECT_EQ(g.Image(), before);
}

}  // namespace

// Axis drawing of the result graph's layout with an empty history and with two drills:
// labels, titles, axis lines, ticks, the grid across the walls and the minor ticks.
#include <gtest/gtest.h>

#include "tests/chart/engine/EngineFixture.h"

namespace {

using Op = RecordingCanvas::Op;
using Call = RecordingCanvas::Call;

using ResultGraph = RecordedResultGraph;

constexpr int L = 66, T = 53, R = 519, B = 411, D = 16;

std::vector<QString> Numbers(int from, int to, int step) {
  std::vector<QString> out;
  for (int v = from; v >= to; v -= step) out.push_back(QString::number(v));
  return out;
}

TEST(AxisDrawing, EmptyHistoryTextsInListOrder) {
  ResultGraph t;
  t.Repaint();
  ASSERT_EQ(t.chart.PlotRect(), (TRect{L, T, R, B}));
  std::vector<QString> expected{QStringLiteral("結果グラフ"), QStringLiteral("0"), QStringLiteral("正答率（％）")};
  for (const QString& s : Numbers(100, 0, 5)) expected.push_back(s);
  expected.push_back(QStringLiteral("所要時間（秒）"));
  for (const QString& s : Numbers(300, 100, 10)) expected.push_back(s);
  EXPECT_EQ(t.Texts(), expected);
}

TEST(AxisDrawing, LeftLabelsEndAtTheLabelsBandCentredOnTheirTicks) {
  ResultGraph t;
  t.Repaint();
  const Call* top = t.Text(QStringLiteral("100"));
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->Points[0], (TPoint{60, T - 7}));
  EXPECT_EQ(top->HorizAlign, THorizAlign::Right);
  EXPECT_EQ(top->VertAlign, TVertAlign::Top);
  EXPECT_EQ(top->Font.Color, clBlack);
  EXPECT_EQ(top->Font.Height, 12);
  EXPECT_EQ(top->Brush.Style, TBrushStyle::Clear);
  // 95 lies Round(5 × 358 / 100) = 18 pixels below the top.
  EXPECT_EQ(t.Text(QStringLiteral("95"))->Points[0], (TPoint{60, 411 - 340 - 7}));
  EXPECT_EQ(t.Text(QStringLiteral("0"), 1)->Points[0], (TPoint{60, B - 7}));
  EXPECT_EQ(t.chart.LeftAxis()->TickPositions().size(), 21u);
  EXPECT_EQ(t.rec.HorizAlign(), THorizAlign::Left);  // put back after each text
}

TEST(AxisDrawing, RightAxisLiesInTheBackPlane) {
  ResultGraph t;
  t.Repaint();
  const Call* top = t.Text(QStringLiteral("300"));
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->Points[0], (TPoint{525 + D, T - 7 - D}));
  EXPECT_EQ(top->HorizAlign, THorizAlign::Left);
  const Call* bottom = t.Text(QStringLiteral("100"), 1);
  ASSERT_NE(bottom, nullptr);
  EXPECT_EQ(bottom->Points[0], (TPoint{525 + D, B - 7 - D}));
  // Axis line at the back, ticks pointing out, grid across the back wall only.
  EXPECT_TRUE(t.HasLine({R + D, T - D}, {R + D, B - D}, clBlack, 2));
  EXPECT_TRUE(t.HasLine({R + 1 + D, T - D}, {R + 5 + D, T - D}, clGray));
  EXPECT_TRUE(t.HasLine({L + D, T - D}, {R + D, T - D}, clGray, 1, TPenStyle::Dot));
}

TEST(AxisDrawing, BottomAxisOfAnEmptyHistoryShowsOneZeroAtItsCentre) {
  ResultGraph t;
  t.Repaint();
  const TCustomChartAxis& bottom = *t.chart.BottomAxis();
  ASSERT_EQ(bottom.Mapping().CenterPixel(), 292);
  const Call* zero = t.Text(QStringLiteral("0"));
  ASSERT_NE(zero, nullptr);
  EXPECT_EQ(zero->Points[0], (TPoint{292, 417}));
  EXPECT_EQ(zero->HorizAlign, THorizAlign::Center);
  EXPECT_EQ(zero->VertAlign, TVertAlign::Top);
  EXPECT_EQ(bottom.LabelValues(bottom.ComputeLabelStep()), (std::vector<AxisLabel>{{0, 292}}));
  EXPECT_EQ(bottom.TickPositions(), (std::vector<int>{292}));
  EXPECT_TRUE(t.HasLine({L, B}, {R, B}, clBlack, 2));                 // axis line
  EXPECT_TRUE(t.HasLine({292, B + 1}, {292, B + 5}, clGray));         // tick
  EXPECT_TRUE(t.HasLine({292, B}, {292 + D, B - D}, clGray, 1, TPenStyle::Dot));      // across the floor
  EXPECT_TRUE(t.HasLine({292 + D, T - D}, {292 + D, B - D}, clGray, 1, TPenStyle::Dot));  // up the back wall
  // No minor ticks with a single label: every gray solid line of the bottom axis is the tick.
  int bottomTicks = 0;
  for (const Call& c : t.rec.Calls()) {
    if (c.Kind == Op::Line && c.Pen.Color == clGray && c.Pen.Style == TPenStyle::Solid && c.Points[0].Y > B) ++bottomTicks;
  }
  EXPECT_EQ(bottomTicks, 1);
}

TEST(AxisDrawing, TitlesAreTurnedIntoTheirBands) {
  ResultGraph t;
  t.Repaint();
  const Call* left = t.Text(QStringLiteral("正答率（％）"));
  ASSERT_NE(left, nullptr);
  EXPECT_EQ(left->Points[0], (TPoint{32, 232}));
  EXPECT_EQ(left->Font.Escapement, 90);
  EXPECT_EQ(left->HorizAlign, THorizAlign::Center);
  EXPECT_EQ(left->VertAlign, TVertAlign::Bottom);
  EXPECT_EQ(left->Brush.Style, TBrushStyle::Clear);
  const Call* right = t.Text(QStringLiteral("所要時間（秒）"));
  ASSERT_NE(right, nullptr);
  EXPECT_EQ(right->Points[0], (TPoint{553 + D, 232 - D}));
  EXPECT_EQ(right->Font.Escapement, 270);
  EXPECT_EQ(right->VertAlign, TVertAlign::Bottom);
}

TEST(AxisDrawing, LeftGridRunsAcrossTheLeftWallAndTheBackWall) {
  ResultGraph t;
  t.Repaint();
  const int p95 = B - 340;
  EXPECT_TRUE(t.HasLine({L, T}, {L, B}, clBlack, 2));                        // axis line
  EXPECT_TRUE(t.HasLine({L - 1, p95}, {L - 5, p95}, clGray));                 // tick
  EXPECT_TRUE(t.HasLine({L, p95}, {L + D, p95 - D}, clGray, 1, TPenStyle::Dot));          // left wall
  EXPECT_TRUE(t.HasLine({L + D, p95 - D}, {R + D, p95 - D}, clGray, 1, TPenStyle::Dot));  // back wall
  // Minor ticks between 100 (53) and 95 (71): 71 - Round(4.5), - 9, - Round(13.5).
  for (int q : {67, 62, 57}) EXPECT_TRUE(t.HasLine({L - 1, q}, {L - 3, q}, clGray)) << q;
  // None beyond the ends of the axis.
  for (int q : {49, 415}) EXPECT_FALSE(t.HasLine({L - 1, q}, {L - 3, q}, clGray)) << q;
}

TEST(AxisDrawing, TwoDrillsGiveLabelsZeroAndOneWithMinorTicksBetween) {
  ResultGraph t;
  t.bars.Add(0, 95);
  t.bars.Add(1, 80);
  t.line.Add(0, 207);
  t.line.Add(1, 150);
  t.Repaint();
  const TCustomChartAxis& bottom = *t.chart.BottomAxis();
  EXPECT_EQ(bottom.LabelValues(bottom.ComputeLabelStep()), (std::vector<AxisLabel>{{1, R}, {0, L}}));
  EXPECT_EQ(bottom.TickPositions(), (std::vector<int>{R, L}));
  EXPECT_EQ(t.Text(QStringLiteral("1"))->Points[0], (TPoint{R, 417}));
  EXPECT_EQ(t.Text(QStringLiteral("0"))->Points[0], (TPoint{L, 417}));
  // (66 - 519) / 4 = -113.25: 66 + 113, 66 + Round(226.5), 66 + Round(339.75).
  for (int q : {179, 292, 406}) EXPECT_TRUE(t.HasLine({q, B + 1}, {q, B + 3}, clGray)) << q;
}

TEST(AxisDrawing, HiddenPensAndZeroInnerTicksLeaveNoLines) {
  ResultGraph t;
  t.chart.LeftAxis()->TicksInner().SetColor(clRed);  // inner length 0: nothing drawn
  t.chart.LeftAxis()->Grid().SetVisible(false);
  t.chart.LeftAxis()->MinorTicks().SetVisible(false);
  t.Repaint();
  for (const Call& c : t.rec.Calls()) {
    if (c.Kind != Op::Line) continue;
    EXPECT_NE(c.Pen.Color, clRed);
    // No left-axis grid: the only dotted lines are those of the bottom and right axes.
    if (c.Pen.Style == TPenStyle::Dot && c.Points[0].X == L) ADD_FAILURE() << "left grid at y " << c.Points[0].Y;
  }
  EXPECT_FALSE(t.HasLine({L - 1, 67}, {L - 3, 67}, clGray));
}

TEST(AxisDrawing, InnerTicksRunIntoThePlot) {
  ResultGraph t;
  t.chart.LeftAxis()->SetTickInnerLength(3);
  t.Repaint();
  EXPECT_TRUE(t.HasLine({L + 1, T}, {L + 4, T}, clGray));
}

// Point labels stand at their points, in the points' order; one that would come closer than a
// space to the label before it is left out, and so is its tick.
TEST(AxisDrawing, PointLabelsStandAtTheirPointsAndMakeRoomForEachOther) {
  ResultGraph t;
  t.bars.Add(0, 95, QStringLiteral("5/1"));
  t.bars.Add(1, 80, QStringLiteral("5/2"));
  t.bars.Add(2, 70, QStringLiteral("5/3"));
  t.bars.Add(3, 60, QStringLiteral("5/4"));
  t.line.Add(0, 207);
  t.line.Add(3, 150);
  t.Repaint();
  const TCustomChartAxis& bottom = *t.chart.BottomAxis();
  EXPECT_EQ(bottom.EffectiveLabelStyle(), talText);
  EXPECT_EQ(bottom.LabelValues(bottom.ComputeLabelStep()),
            (std::vector<AxisLabel>{{0, L, "5/1"}, {1, 217, "5/2"}, {2, 368, "5/3"}, {3, R, "5/4"}}));
  EXPECT_EQ(t.Text(QStringLiteral("5/3"))->Points[0], (TPoint{368, 417}));

  for (int x = 4; x < 40; ++x) t.bars.Add(x, 50, QStringLiteral("12/%1").arg(x));
  t.Repaint();
  std::vector<QString> shown;
  for (const AxisLabel& label : bottom.LabelValues(bottom.ComputeLabelStep())) shown.push_back(label.Text);
  EXPECT_EQ(shown, (std::vector<QString>{"5/1", "5/4", "12/6", "12/9", "12/13", "12/17", "12/21", "12/25", "12/29",
                                         "12/33", "12/37"}));
  EXPECT_EQ(bottom.TickPositions().size(), shown.size());
}

}  // namespace

// The Graph button shows the result graph window modally, also during a drill.
#include "tests/app/DrillHarness.h"

namespace {

using GraphButton = DrillHarness;

TEST_F(GraphButton, ShowsTheGraphModallyAndThenFocusesStart) {
  TForm2 graph(*history);
  form->Form2 = &graph;
  bool shownModal = false;
  QTimer::singleShot(0, [&] {
    shownModal = QApplication::activeModalWidget() == &graph;
    graph.Button1->click();
  });
  form->Edit30->setFocus();
  QTest::mouseClick(form->Button3, Qt::LeftButton);
  EXPECT_TRUE(shownModal);
  EXPECT_FALSE(graph.isVisible());
  EXPECT_EQ(form->focusWidget(), form->Button1);
}

TEST_F(GraphButton, DuringADrillTheStopwatchRunsOnAndTheGraphHasTheNewDrill) {
  TForm2 graph(*history);
  form->Form2 = &graph;
  for (int n = 1; n <= 100; ++n) Answer(100);
  RunDrill();
  Then([this, &graph] {
    bool timerRuns = false;
    QTimer::singleShot(0, [&] {
      timerRuns = form->Timer2->isActive();
      EXPECT_EQ(graph.Series1->PointCount(), 1);  // the first drill, plotted at the showing
      graph.Button1->click();
    });
    form->Button3->click();
    EXPECT_TRUE(timerRuns);
    EXPECT_TRUE(form->WaitingForAnswer());
    form->Button2->click();
  });
  RunDrill();
  EXPECT_EQ(form->ListBox1->Count(), 0);
}

}  // namespace

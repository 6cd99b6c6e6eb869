// Whole drills through the main window, with exact times from the fake clock.
#include <QFile>

#include "drill/DrillText.h"
#include "tests/app/DrillHarness.h"

namespace {

using DrillLoop = DrillHarness;

TEST_F(DrillLoop, HundredRightAnswersGiveHundredLinesNewestFirstAndTheSummary) {
  std::vector<Problem> shown;
  uint32_t total = 0;
  for (int n = 1; n <= 100; ++n) {
    uint32_t ms = 1000 + static_cast<uint32_t>(n);
    total += ms;
    Then([this, ms, &shown] {
      shown.push_back(Shown());
      clock_.Advance(ms);
      Type(QString::number(Shown().Answer));
      Enter();
    });
  }
  RunDrill();
  ASSERT_TRUE(actions.empty());
  ASSERT_EQ(form->ListBox1->Count(), 101);
  for (int n = 1; n <= 100; ++n) {
    EXPECT_EQ(Line(101 - n), ProblemLine(n, shown[n - 1], shown[n - 1].Answer, ProblemTimeText(1000 + n)));
  }
  // 100 * 1000 + 5050 ms: 01:45.050, rate 100, then the date and time
  QByteArray summary = Line(0);
  EXPECT_EQ(summary.left(29), QByteArray("\x8f\x8a\x97\x76\x8e\x9e\x8a\xd4 01:45.050\x81\x40\x90\xb3\x93\x9a\x97\xa6" "100"));
  EXPECT_EQ(summary.mid(29, 3), "%  ");
  EXPECT_EQ(summary.size(), 51);
  EXPECT_EQ(total, 105050u);

  QFile file(dir.filePath(QStringLiteral("HIST.DAT")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), summary + "\r\n");
  EXPECT_EQ(history->Count(), 1);

  EXPECT_EQ(form->Label1->text(), QStringLiteral("00:00."));
  EXPECT_EQ(form->Label6->text(), QStringLiteral("000"));
  EXPECT_FALSE(form->Timer1->isActive());
  EXPECT_FALSE(form->Timer2->isActive());
  for (QLabel* box : {form->Edit1, form->Edit2, form->Edit4}) EXPECT_TRUE(box->text().isEmpty());
  EXPECT_TRUE(form->Edit30->text().isEmpty());
  EXPECT_EQ(form->focusWidget(), form->Button1);
  EXPECT_FALSE(form->DrillRunning());
}

TEST_F(DrillLoop, TypedWrongAndEmptyAnswersAreJudgedAndCounted) {
  std::vector<Problem> shown;
  // 007-style right answer, a wrong one, an empty Enter, then right answers
  Then([this, &shown] {
    shown.push_back(Shown());
    clock_.Advance(2418);
    Type(QStringLiteral("%1").arg(Shown().Answer, 3, 10, QLatin1Char('0')));
    Enter();
  });
  Then([this, &shown] {
    shown.push_back(Shown());
    clock_.Advance(5003);
    Type(QString::number(Shown().Answer + 1));
    Enter();
  });
  Then([this, &shown] {
    shown.push_back(Shown());
    clock_.Advance(61500);
    Enter();
  });
  for (int n = 4; n <= 100; ++n) Answer(10);
  RunDrill();
  ASSERT_EQ(form->ListBox1->Count(), 101);
  EXPECT_EQ(Line(100), ProblemLine(1, shown[0], shown[0].Answer, "00:02.418"));
  EXPECT_EQ(Line(99), ProblemLine(2, shown[1], shown[1].Answer + 1, "00:05.003"));
  EXPECT_EQ(Line(98), ProblemLine(3, shown[2], std::nullopt, "01:01.500"));
  EXPECT_EQ(Line(99).mid(16, 12), QByteArray::number(shown[1].Answer + 1).rightJustified(3) + "  NG(" +
                                      QByteArray::number(shown[1].Answer).rightJustified(3) + ")");
  // 98 right answers of 100
  EXPECT_EQ(Line(0).mid(26, 4), " 98%");
}

TEST_F(DrillLoop, NonIntegerAnswerShowsTheErrorAndTheProblemKeepsWaiting) {
  Problem first;
  Then([this, &first] {
    first = Shown();
    clock_.Advance(1000);
    Type(QStringLiteral("1.5"));
    Enter();
  });
  Then([this] {
    EXPECT_EQ(form->ListBox1->Count(), 0);
    EXPECT_EQ(form->Edit30->text(), QStringLiteral("1.5"));
    EXPECT_TRUE(form->Timer1->isActive());
    form->Edit30->clear();
    clock_.Advance(500);
    Type(QString::number(Shown().Answer));
    Enter();
  });
  Then([this] { form->Button2->click(); });
  RunDrill();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], QStringLiteral("'1.5' は整数ではありません."));
  ASSERT_EQ(form->ListBox1->Count(), 1);
  EXPECT_EQ(Line(0), ProblemLine(1, first, first.Answer, "00:01.500"));
}

struct Ending {
  const char* name;
  std::function<void(TForm1&)> end;
};

class DrillEnding : public DrillHarness, public testing::WithParamInterface<Ending> {};

TEST_P(DrillEnding, InAWaitLeavesAtOnceWithoutSummaryOrFile) {
  Answer(100);
  Answer(100);
  Answer(100);
  Then([this] { GetParam().end(*form); });
  RunDrill();
  EXPECT_TRUE(actions.empty());
  EXPECT_FALSE(form->DrillRunning());
  EXPECT_EQ(form->ListBox1->Count(), 3);
  EXPECT_EQ(Line(0).left(4), "  3:");
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("HIST.DAT"))));
  EXPECT_EQ(history->Count(), 0);
  EXPECT_FALSE(form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Ways, DrillEnding,
                         testing::Values(Ending{"Quit", [](TForm1& f) { f.Button2->click(); }},
                                         Ending{"TitleBarClose", [](TForm1& f) { f.close(); }}),
                         [](const testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

TEST_F(DrillLoop, StartDuringADrillDoesNotNestAnother) {
  Answer(100);
  Then([this] {
    Problem before = Shown();
    form->Button1->click();
    EXPECT_EQ(form->ListBox1->Count(), 1);
    EXPECT_EQ(Shown().Answer, before.Answer);
    EXPECT_TRUE(form->WaitingForAnswer());
    clock_.Advance(100);
    Type(QString::number(Shown().Answer));
    Enter();
  });
  Then([this] { form->Button2->click(); });
  RunDrill();
  EXPECT_EQ(form->ListBox1->Count(), 2);
}

TEST_F(DrillLoop, FailedSaveIsShownAndKeepsTheSummary) {
  Open(dir.filePath(QStringLiteral("no-such-dir/HIST.DAT")));
  for (int n = 1; n <= 100; ++n) Answer(1200);
  RunDrill();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(errors[0].startsWith(QStringLiteral("ファイル \""))) << errors[0].toStdString();
  ASSERT_EQ(form->ListBox1->Count(), 101);
  ASSERT_EQ(history->Count(), 1);
  EXPECT_EQ(history->At(0), Line(0));
  // the labels keep the drill's time: 100 * 1.2 s
  EXPECT_EQ(form->Label1->text(), QStringLiteral("02:00."));
  EXPECT_EQ(form->Label6->text(), QStringLiteral("000"));
  EXPECT_EQ(form->focusWidget(), form->Button1);
}

TEST_F(DrillLoop, NextDrillEmptiesTheLogAndAppendsToTheHistory) {
  for (int n = 1; n <= 200; ++n) Answer(700);
  RunDrill();
  RunDrill();
  EXPECT_EQ(form->ListBox1->Count(), 101);
  ASSERT_EQ(history->Count(), 2);
  EXPECT_EQ(history->At(1), Line(0));
  EXPECT_EQ(Line(0).mid(9, 9), "01:10.000");
}

// The start-up work the window is handed (the program's history load) runs once: after the first
// frame, or before the drill or the graph when Start or Graph is pressed ahead of that frame; never
// while a problem waits, where its time would count as the problem's.
enum class Trigger { FirstFrame, Start, Graph };

class StartupWork : public DrillHarness, public testing::WithParamInterface<Trigger> {};

TEST_P(StartupWork, RunsOnceAndBeforeTheFirstDrillOrGraph) {
  QFile file(dir.filePath(QStringLiteral("HIST.DAT")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("old line\r\n");
  file.close();
  int runs = 0;
  bool problemShown = false;
  form->RunOnceDrawn([&] {
    ++runs;
    problemShown = !form->Edit1->text().isEmpty();
    history->Load();
  });
  switch (GetParam()) {
    case Trigger::FirstFrame:
      for (int i = 0; i < 100 && runs == 0; ++i) QTest::qWait(10);
      break;
    case Trigger::Start: {
      qsizetype loadedAtFirstProblem = -1;
      Then([&] {
        loadedAtFirstProblem = history->Count();
        form->Button2->click();
      });
      RunDrill();
      EXPECT_EQ(loadedAtFirstProblem, 1);
      break;
    }
    case Trigger::Graph:
      form->Button3->click();
      EXPECT_EQ(history->Count(), 1);
      break;
  }
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(problemShown);
  // Later frames and presses do not run it again.
  form->update();
  QTest::qWait(20);
  form->Button3->click();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(history->Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Triggers, StartupWork, testing::Values(Trigger::FirstFrame, Trigger::Start, Trigger::Graph),
                         [](const testing::TestParamInfo<Trigger>& info) {
                           return std::string(info.param == Trigger::FirstFrame ? "FirstFrame"
                                              : info.param == Trigger::Start    ? "Start"
                                                                                : "Graph");
                         });

}  // namespace

#pragma once
// Drives the main window through drills: a fake clock, a recorder in place of the error box,
// and a queue of user actions, each run when the drill waits for an answer.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "app/Unit1.h"
#include "drill/Problem.h"
#include "platform/Cp932.h"
#include "platform/ErrorBox.h"
#include "tests/platform/FakeTickClock.h"

class DrillHarness : public testing::Test {
 protected:
  DrillHarness() : clock_(1000000, 0x2006'0213'0910'32ull) {
    previousPresenter_ = SetErrorPresenter([this](const QString&, const QString& text) { errors.push_back(text); });
  }
  ~DrillHarness() override { SetErrorPresenter(previousPresenter_); }

  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    Open(dir.filePath(QStringLiteral("HIST.DAT")));
  }

  void Open(const QString& historyPath) {
    form.reset();
    history = std::make_unique<HistoryList>(historyPath);
    form = std::make_unique<TForm1>(*history);
    form->activateWindow();
    QApplication::processEvents();
  }

  // Presses Start and runs the queued actions, one per wait, until the drill ends. Running out
  // of actions in a wait is a test failure; the harness then quits the drill.
  void RunDrill() {
    QTimer driver;
    driver.setInterval(0);
    QObject::connect(&driver, &QTimer::timeout, [this] {
      if (!form->WaitingForAnswer()) return;
      if (actions.empty()) {
        ADD_FAILURE() << "the drill waits but no action is left";
        form->Button2->click();
        return;
      }
      auto action = std::move(actions.front());
      actions.pop_front();
      action();
    });
    driver.start();
    form->Button1->click();
  }

  // The problem on screen, read back from the three boxes.
  Problem Shown() const {
    Problem p;
    p.Left = form->Edit1->text().toInt();
    p.Right = form->Edit2->text().toInt();
    p.Operator = EncodeCp932(form->Edit4->text());
    p.Answer = p.Operator == kPlus ? p.Left + p.Right : p.Operator == kMinus ? p.Left - p.Right : p.Left * p.Right;
    return p;
  }

  void Type(const QString& text) { QTest::keyClicks(form->Edit30, text); }
  void Enter() { QTest::keyClick(form->Edit30, Qt::Key_Return); }

  // Queues: wait `ms`, type `text` (the right answer when empty optional), press Enter.
  void Answer(uint32_t ms, std::optional<QString> text = std::nullopt) {
    actions.push_back([this, ms, text] {
      clock_.Advance(ms);
      Type(text ? *text : QString::number(Shown().Answer));
      Enter();
    });
  }
  void Then(std::function<void()> action) { actions.push_back(std::move(action)); }

  QByteArray Line(int i) const { return form->ListBox1->Line(i); }

  QTemporaryDir dir;
  FakeTickClock clock_;
  std::unique_ptr<HistoryList> history;
  std::unique_ptr<TForm1> form;
  std::deque<std::function<void()>> actions;
  std::vector<QString> errors;

 private:
  ErrorPresenter previousPresenter_;
};

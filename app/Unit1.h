#pragma once
// The main window: the problem display, the answer box, the stopwatch, the drill log and the
// buttons. A drill runs inside Button1Click as one loop that waits for events between
// problems; the handlers it nests talk to it through the tags of the controls:
//   Timer1->Tag   drill start tick          Button1->Tag  problem start tick
//   Label2->Tag   expected answer           Edit30->Tag   answered flag (99 when given)
//   Button2->Tag  quit flag (99 when set)
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "app/TAlignedEdit.h"
#include "app/TListBox.h"
#include "app/TStopwatchLabel.h"
#include "app/Tagged.h"
#include "drill/Fact.h"
#include "drill/ProblemSequence.h"
#include "graph/Unit2.h"
#include "history/DateTimeSeparators.h"
#include "history/HistoryList.h"
#include "platform/DropShadow.h"
#include "records/AnswerRecords.h"

class TForm1 : public QWidget {
 public:
  // The window appends each finished drill to `history`, which outlives it.
  explicit TForm1(HistoryList& history);

  // The window-class style for the running system; the drop shadow is the window manager's.
  static uint32_t CreateParams(uint32_t style, const OsVersion& os) { return WindowClassStyle(style, os); }

  void FormCreate();
  // Start-up work that the first frame does not need: it runs once, right after the window has
  // drawn its first frame, or before a drill starts or the graph opens, whichever comes first.
  void RunOnceDrawn(std::function<void()> work);
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void CheckBox1Click();
  void Edit3KeyPress(QChar& key);
  void Timer1Timer();
  void Timer2Timer();

  // F2: opens the review window modally over `over` (the main window by default). A review it
  // asks for is kept for RunRequestedReview, to run once the modal windows are closed.
  void OpenReview(QWidget* over = nullptr);
  // The result graph's review button: the review window over the result graph, which closes
  // when a review is asked for.
  void Form2ReviewClick();
  // Runs the review the review window asked for, if any.
  void RunRequestedReview();
  // A review of the facts in the main window's boxes: each is asked until it is answered right,
  // with the drill's key rules, log lines and stopwatch. Its answers go to the records only.
  void RunReview(const std::vector<Fact>& facts);

  // True while Button1Click runs a drill.
  bool DrillRunning() const { return drillRunning_; }
  // True while the drill waits for the answer to the problem on screen.
  bool WaitingForAnswer() const { return waiting_; }

  TStaticText* Edit1;
  TStaticText* Edit4;
  TStaticText* Edit2;
  TLabel* Label2;
  TAlignedEdit* Edit30;
  TLabel* Label1;
  TStopwatchLabel* Label6;
  TButton* Button1;
  TCheckBox* CheckBox1;
  TListBox* ListBox1;
  QLabel* Image1;
  TButton* Button3;
  TButton* Button2;
  TTimer* Timer1;
  TTimer* Timer2;

  // The result graph window the Graph button shows; set by the program once it is created.
  TForm2* Form2 = nullptr;
  // Where finished drills and reviews are recorded, and what the review window reads; set by
  // the program. Without it nothing is recorded and F2 does nothing.
  AnswerRecords* Records = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void CreateControls();
  // Runs the problems in the boxes: the log emptied, the stopwatch started, one log line per
  // answer, the stopwatch stopped and the boxes emptied at the end. Fills record's answers and
  // total time; false when the quit flag ended the run.
  bool RunProblems(ProblemSequence& problems, DrillRecord& record);
  // Waits until the answer is given; false when the quit flag ends the drill instead.
  bool WaitForAnswer();
  // Builds the summary line of the finished drill, puts it into the log and the history.
  void StoreSummary(int32_t elapsed);
  // Hands a finished run to the records; a failure to write it is shown when it is known.
  void Record(DrillRecord record);
  void SetLabel1(const QByteArray& text);
  // Gives the keyboard focus to the Start button, its focus mark shown.
  void FocusStart();
  // Runs the start-up work if it has not run yet.
  void RunStartupWork();

  HistoryList& history_;
  std::function<void()> startupWork_;
  DateTimeSeparators separators_;
  int correctCount_ = 0;
  int wrongTries_ = 0;  // of the problem on screen, in until-correct mode
  std::optional<std::vector<Fact>> requestedReview_;
  bool drillRunning_ = false;
  bool waiting_ = false;
};

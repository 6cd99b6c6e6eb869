#pragma once
// The result graph window: every drill of the history as one step along the bottom axis, a red
// bar for its share of correct answers (left scale, percent) and a blue line for its time
// (right scale, seconds). Created hidden once; every showing plots the history list afresh,
// while the chart keeps the scales the user zoomed or panned to.
#include <QDialog>
#include <QPushButton>
#include <functional>

#include "chart/series/BarSeries.h"
#include "chart/Chart.h"
#include "chart/series/LineSeries.h"
#include "history/HistoryList.h"

class TForm2 : public QDialog {
 public:
  // The window plots `history`, which outlives it; the main window appends to the same list.
  // The window is created hidden; its creator runs FormCreate next, inside an event handler.
  explicit TForm2(HistoryList& history, QWidget* parent = nullptr);

  // Loads the history file into the history list: no file leaves it empty; a file that cannot
  // be read leaves it empty and raises FileOpenError.
  void FormCreate();
  // Plots the history list; for the first line that cannot be read raises the conversion
  // error with its field's text, after every other line has been plotted.
  void FormShow();
  void Button1Click();
  // The review button under 閉じる: runs OnReview (which the program sets).
  void Button2Click();
  // Shows the window modally and returns when it is closed.
  int ShowModal() { return exec(); }

  // The lines the last plot could not read: how many, and the first one's index and field.
  struct Unreadable {
    int Count = 0;
    qsizetype FirstLine = -1;
    QByteArray FirstField;
  };
  // Empties both series and adds one bar and one line point per readable line of the history,
  // at x = the line's index. Answers the lines it skipped.
  Unreadable Replot();

  TChart* Chart1;
  TBarSeries* Series1;
  TLineSeries* Series2;
  HistoryList& ListBox1;  // the history list; never shown
  QPushButton* Button1;
  QPushButton* Button2;  // "振り返り", opens the review window
  std::function<void()> OnReview;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TBarSeries series1_;
  TLineSeries series2_;
};

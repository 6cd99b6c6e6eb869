#pragma once
// The review window ("振り返り"): for each operation a table of the facts the drill asks with how
// often each was missed recently and its median time; the weakest facts; the mistakes of the
// last drill; the drills by day. Its buttons write the records as CSV, start a review of the
// weakest facts (which closes the window; the main window runs it) and close it. The records
// are read in the background: the window shows at once and fills in when they arrive.
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <array>
#include <optional>
#include <vector>

#include "records/AnswerRecords.h"
#include "review/FactGrid.h"
#include "review/TrendChart.h"

class ReviewWindow : public QDialog {
 public:
  // A review can be started from the window only when reviewAllowed (no drill is running).
  ReviewWindow(AnswerRecords& records, bool reviewAllowed, QWidget* parent = nullptr);

  // The facts of the review that 復習 asked for as it closed the window; nothing otherwise.
  const std::optional<std::vector<Fact>>& RequestedReview() const { return requested_; }

  QTabWidget* Grids;
  std::array<FactGrid*, 3> Tables;  // ＋, －, ×
  QLabel* Detail;
  QTreeWidget* WeakList;
  QLabel* MistakesTitle;
  QListWidget* MistakeList;
  TrendChart* Trend;
  QLabel* Status;
  QPushButton* ExportButton;
  QPushButton* ReviewButton;
  QPushButton* CloseButton;

 private:
  void CreateControls();
  void Show(const ReviewSnapshot& snapshot);
  void ShowMistakes(const ReviewSnapshot& snapshot);
  // What a failed read or export does: the status line says so, the error box says why.
  AnswerRecords::Failed Failure(const QString& status);
  void ExportClick();
  void ReviewClick();

  AnswerRecords& records_;
  bool reviewAllowed_;
  std::vector<Fact> weakest_;
  std::optional<std::vector<Fact>> requested_;
};

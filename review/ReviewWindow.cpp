#include "review/ReviewWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "drill/DrillText.h"
#include "platform/Cp932.h"
#include "platform/ErrorBox.h"
#include "platform/FontMap.h"
#include "platform/IntegerText.h"
#include "review/FactText.h"

namespace {

constexpr int kFontPixels = 12;
constexpr int kTrendHeight = 180;

QLabel* Heading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

// The answer as the drill judged it: a number, or none for an empty box.
std::optional<int> GivenAnswer(const QString& typed) {
  if (Trim(typed).isEmpty()) return std::nullopt;
  return TryStrToInt(EncodeCp932(typed));
}

// The mistake as the drill's log showed it, with the wrong tries of the until-correct mode.
QString MistakeLine(const AnswerRecord& a) {
  QString line = DecodeCp932(ProblemLine(a.Number, ProblemOf(a.Asked), GivenAnswer(a.Typed), ProblemTimeText(a.TimeMs)));
  if (a.WrongTries > 0) line += QStringLiteral("  やり直し%1回").arg(a.WrongTries);
  return line;
}

}  // namespace

ReviewWindow::ReviewWindow(AnswerRecords& records, bool reviewAllowed, QWidget* parent)
    : QDialog(parent), records_(records), reviewAllowed_(reviewAllowed) {
  setWindowTitle(QStringLiteral("振り返り"));
  setFont(LayoutFont(kFontPGothic, kFontPixels));
  CreateControls();
  records_.LoadReview(
      this, [this](const ReviewSnapshot& snapshot) { Show(snapshot); },
      Failure(QStringLiteral("答えの記録を読めませんでした")));
}

AnswerRecords::Failed ReviewWindow::Failure(const QString& status) {
  return [this, status](const QString& message) {
    Status->setText(status);
    ShowErrorBox(message);
  };
}

void ReviewWindow::CreateControls() {
  Grids = new QTabWidget(this);
  Detail = new QLabel(this);
  for (size_t i = 0; i < Tables.size(); ++i) {
    Tables[i] = new FactGrid(kOperations[i], Grids);
    Tables[i]->OnSelect = [this](const QString& text) { Detail->setText(text); };
    Tables[i]->setAccessibleName(OperatorSymbol(kOperations[i]) + QStringLiteral("の表"));
    Grids->addTab(Tables[i], OperatorSymbol(kOperations[i]));
  }
  Detail->setText(Tables[0]->SelectedText());
  connect(Grids, &QTabWidget::currentChanged, this, [this](int i) { Detail->setText(Tables[size_t(i)]->SelectedText()); });

  WeakList = new QTreeWidget(this);
  WeakList->setAccessibleName(QStringLiteral("苦手な問題"));
  WeakList->setHeaderLabels({QStringLiteral("問題"), QStringLiteral("最近の誤り"), QStringLiteral("中央値")});
  WeakList->setRootIsDecorated(false);
  WeakList->setUniformRowHeights(true);
  WeakList->setSelectionMode(QAbstractItemView::NoSelection);
  WeakList->header()->setStretchLastSection(false);
  WeakList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  WeakList->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  WeakList->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

  MistakesTitle = Heading(QStringLiteral("前回のドリルの誤り"), this);
  MistakeList = new QListWidget(this);
  MistakeList->setAccessibleName(QStringLiteral("前回のドリルの誤り"));
  MistakeList->setFont(LayoutFont(kFontGothic, kFontPixels));
  MistakeList->setSelectionMode(QAbstractItemView::NoSelection);

  Trend = new TrendChart(this);
  Trend->setMinimumHeight(kTrendHeight);

  Status = new QLabel(QStringLiteral("答えの記録を読んでいます…"), this);
  Status->setToolTip(records_.Path());
  ExportButton = new QPushButton(QStringLiteral("CSV 書き出し…"), this);
  ExportButton->setToolTip(QStringLiteral("すべての答えの記録を表計算用の CSV ファイルに書き出す"));
  ReviewButton = new QPushButton(QStringLiteral("復習"), this);
  CloseButton = new QPushButton(QStringLiteral("閉じる"), this);
  for (QPushButton* b : {ExportButton, ReviewButton, CloseButton}) {
    b->setAutoDefault(false);
    b->setAccessibleDescription(b->toolTip());
  }
  ExportButton->setEnabled(false);
  ReviewButton->setEnabled(false);
  connect(ExportButton, &QPushButton::clicked, this, [this] { RunHandler([this] { ExportClick(); }); });
  connect(ReviewButton, &QPushButton::clicked, this, [this] { RunHandler([this] { ReviewClick(); }); });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(Grids);
  left->addWidget(Detail);
  auto* right = new QVBoxLayout;
  right->addWidget(Heading(QStringLiteral("苦手な問題（最近の誤りが多い順、次に遅い順）"), this));
  right->addWidget(WeakList, 3);
  right->addWidget(MistakesTitle);
  right->addWidget(MistakeList, 2);
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addLayout(right, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Status, 1);
  buttons->addWidget(ExportButton);
  buttons->addWidget(ReviewButton);
  buttons->addWidget(CloseButton);
  auto* whole = new QVBoxLayout(this);
  whole->addLayout(top);
  whole->addWidget(Trend, 1);
  whole->addLayout(buttons);
}

void ReviewWindow::Show(const ReviewSnapshot& snapshot) {
  for (FactGrid* table : Tables) table->SetStats(snapshot.Facts);

  weakest_.clear();
  WeakList->clear();
  for (const FactStats& s : snapshot.Weakest) {
    weakest_.push_back(s.Asked);
    auto* item = new QTreeWidgetItem(WeakList, {FactText(s.Asked), QStringLiteral("%1 / %2").arg(s.Missed).arg(s.Recent),
                                                SecondsText(s.MedianMs)});
    item->setToolTip(0, FactText(s.Asked) + QStringLiteral("　") + RecentText(s));
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  }
  ShowMistakes(snapshot);
  Trend->Plot(snapshot.Trend);

  Status->setText(snapshot.Drills + snapshot.Reviews == 0
                      ? QStringLiteral("まだ記録がありません。ドリルを終えると、ここに出ます")
                      : QStringLiteral("%1: ドリル %2回・復習 %3回・答え %4問")
                            .arg(QFileInfo(records_.Path()).fileName())
                            .arg(snapshot.Drills)
                            .arg(snapshot.Reviews)
                            .arg(snapshot.Answers));
  ExportButton->setEnabled(snapshot.Answers > 0);
  ReviewButton->setEnabled(reviewAllowed_ && !weakest_.empty());
  ReviewButton->setToolTip(!reviewAllowed_ ? QStringLiteral("ドリルの途中は復習を始められません")
                                           : QStringLiteral("苦手な問題（最大%1問）を、正解するまでくり返し出題する").arg(kReviewFacts));
}

void ReviewWindow::ShowMistakes(const ReviewSnapshot& snapshot) {
  MistakeList->clear();
  if (!snapshot.LastDrillStarted.isValid()) {
    MistakesTitle->setText(QStringLiteral("前回のドリルの誤り"));
    return;
  }
  MistakesTitle->setText(QStringLiteral("前回のドリルの誤り（%1 開始、%2問）")
                             .arg(snapshot.LastDrillStarted.toString(QStringLiteral("yyyy/MM/dd HH:mm")))
                             .arg(snapshot.LastDrillMistakes.size()));
  for (const AnswerRecord& a : snapshot.LastDrillMistakes) MistakeList->addItem(MistakeLine(a));
  if (snapshot.LastDrillMistakes.empty()) MistakeList->addItem(QStringLiteral("誤りはありません"));
}

void ReviewWindow::ExportClick() {
  const QString suggested = QFileInfo(records_.Path()).dir().filePath(QStringLiteral("ANSWERS.csv"));
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("答えの記録を CSV に書き出す"), suggested,
                                                    QStringLiteral("CSV (*.csv)"));
  if (path.isEmpty()) return;
  Status->setText(QStringLiteral("書き出しています…"));
  records_.ExportCsv(
      path, this, [this, path] { Status->setText(QStringLiteral("書き出しました: %1").arg(path)); },
      Failure(QStringLiteral("書き出せませんでした")));
}

void ReviewWindow::ReviewClick() {
  requested_ = weakest_;
  accept();
}

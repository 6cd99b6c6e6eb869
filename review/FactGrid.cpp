#include "review/FactGrid.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "platform/FontMap.h"
#include "platform/Rounding.h"
#include "review/FactText.h"

namespace {

constexpr int kFontPixels = 12;
const QColor kNoMistake(0xc9, 0xeb, 0xc3);
const QColor kFewMistakes(0xff, 0xe3, 0x7a);
const QColor kAllMistakes(0xee, 0x5f, 0x5b);
const QColor kNeverAsked(Qt::white);
const QColor kLines(0xa0, 0xa0, 0xa0);
const QColor kHeader(0x50, 0x50, 0x50);
const QColor kSelection(0x00, 0x33, 0x99);

// Green without a miss; from yellow for a few to red for all.
QColor CellColor(const FactStats& stats) {
  if (stats.Missed == 0) return kNoMistake;
  const double share = double(stats.Missed) / stats.Recent;
  const auto mix = [share](int few, int all) { return few + TruncToInt((all - few) * share); };
  return QColor(mix(kFewMistakes.red(), kAllMistakes.red()), mix(kFewMistakes.green(), kAllMistakes.green()),
                mix(kFewMistakes.blue(), kAllMistakes.blue()));
}

// The median in the cell: one decimal below ten seconds, whole seconds from there on.
QString CellText(const FactStats& stats) {
  const double seconds = stats.MedianMs / 1000.0;
  return QString::number(seconds, 'f', seconds < 10 ? 1 : 0);
}

}  // namespace

FactGrid::FactGrid(Operation op, QWidget* parent) : QWidget(parent), op_(op) {
  for (const Fact& f : AskableFacts(op)) {
    firstLeft_ = std::min(firstLeft_, f.Left);
    lastLeft_ = std::max(lastLeft_, f.Left);
    firstRight_ = std::min(firstRight_, f.Right);
    lastRight_ = std::max(lastRight_, f.Right);
  }
  setFont(LayoutFont(kFontPGothic, kFontPixels));
  const QFontMetrics metrics(font());
  cellWidth_ = metrics.horizontalAdvance(QStringLiteral("88.8")) + 8;
  cellHeight_ = metrics.height() + 5;
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

void FactGrid::SetStats(const std::vector<FactStats>& facts) {
  stats_.fill(std::nullopt);
  for (const FactStats& s : facts)
    if (s.Asked.Op == op_) stats_[size_t(s.Asked.Left * kOperands + s.Asked.Right)] = s;
  update();
  if (selected_ && OnSelect) OnSelect(SelectedText());
}

const std::optional<FactStats>& FactGrid::StatsOf(const Fact& fact) const {
  return stats_[size_t(fact.Left * kOperands + fact.Right)];
}

QString FactGrid::Describe(const Fact& fact) const {
  const std::optional<FactStats>& stats = StatsOf(fact);
  return FactText(fact) + QStringLiteral("　") + (stats ? RecentText(*stats) : QStringLiteral("まだ出題されていません"));
}

QString FactGrid::SelectedText() const {
  return selected_ ? Describe(*selected_) : QStringLiteral("表のますを選ぶと、その問題の記録が出ます");
}

QSize FactGrid::sizeHint() const {
  const int columns = lastRight_ - firstRight_ + 2;  // and the header column
  const int rows = lastLeft_ - firstLeft_ + 2;        // and the header row
  return {columns * cellWidth_ + 2, (rows + 3) * cellHeight_ + 2};  // and the legend's two lines
}

QPoint FactGrid::Origin() const {
  const QSize table = sizeHint();
  return {std::max(0, (width() - table.width()) / 2), std::max(0, (height() - table.height()) / 2)};
}

QRect FactGrid::CellRect(int left, int right) const {
  const QPoint o = Origin();
  return {o.x() + (right - firstRight_ + 1) * cellWidth_, o.y() + (left - firstLeft_ + 1) * cellHeight_, cellWidth_,
          cellHeight_};
}

std::optional<Fact> FactGrid::FactAt(QPoint point) const {
  const QPoint o = Origin();
  if (point.x() < o.x() || point.y() < o.y()) return std::nullopt;
  const Fact fact{op_, firstLeft_ + (point.y() - o.y()) / cellHeight_ - 1, firstRight_ + (point.x() - o.x()) / cellWidth_ - 1};
  return CanBeAsked(fact) ? std::optional<Fact>(fact) : std::nullopt;
}

void FactGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(kHeader);
  painter.drawText(CellRect(firstLeft_ - 1, firstRight_ - 1), Qt::AlignCenter, OperatorSymbol(op_));
  for (int right = firstRight_; right <= lastRight_; ++right)
    painter.drawText(CellRect(firstLeft_ - 1, right), Qt::AlignCenter, QString::number(right));
  for (int left = firstLeft_; left <= lastLeft_; ++left)
    painter.drawText(CellRect(left, firstRight_ - 1), Qt::AlignCenter, QString::number(left));

  for (const Fact& fact : AskableFacts(op_)) {
    const QRect cell = CellRect(fact.Left, fact.Right);
    const std::optional<FactStats>& stats = StatsOf(fact);
    painter.fillRect(cell, stats ? CellColor(*stats) : kNeverAsked);
    painter.setPen(kLines);
    painter.drawRect(cell);
    if (stats) {
      painter.setPen(Qt::black);
      painter.drawText(cell, Qt::AlignCenter, CellText(*stats));
    }
  }
  if (selected_) {
    painter.setPen(QPen(kSelection, 2));
    painter.drawRect(CellRect(selected_->Left, selected_->Right).adjusted(1, 1, 0, 0));
  }
  PaintLegend(painter, CellRect(lastLeft_ + 1, firstRight_ - 1).topLeft() + QPoint(0, cellHeight_ / 2));
}

void FactGrid::PaintLegend(QPainter& painter, QPoint at) const {
  const QFontMetrics metrics(font());
  const FactStats some{{}, 5, 1, 0};
  const FactStats all{{}, 5, 5, 0};
  const std::pair<QColor, QString> keys[] = {{kNoMistake, QStringLiteral("誤りなし")},
                                             {CellColor(some), QStringLiteral("少し")},
                                             {CellColor(all), QStringLiteral("全部誤り")},
                                             {kNeverAsked, QStringLiteral("未出題")}};
  QPoint p = at;
  for (const auto& [color, text] : keys) {
    const QRect swatch(p.x(), p.y() + 2, cellHeight_ - 4, cellHeight_ - 4);
    painter.fillRect(swatch, color);
    painter.setPen(kLines);
    painter.drawRect(swatch);
    painter.setPen(Qt::black);
    p.rx() += swatch.width() + 4;
    painter.drawText(QRect(p, QSize(metrics.horizontalAdvance(text), cellHeight_)), Qt::AlignVCenter, text);
    p.rx() += metrics.horizontalAdvance(text) + 12;
  }
  painter.drawText(QRect(at.x(), at.y() + cellHeight_, width(), cellHeight_), Qt::AlignVCenter,
                   QStringLiteral("ますの数字: 最近の答えにかかった時間の中央値（秒）"));
}

bool FactGrid::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const std::optional<Fact> fact = FactAt(help->pos())) {
      QToolTip::showText(help->globalPos(), Describe(*fact), this, CellRect(fact->Left, fact->Right));
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

void FactGrid::Select(const Fact& fact) {
  selected_ = fact;
  update();
  if (OnSelect) OnSelect(SelectedText());
}

void FactGrid::mousePressEvent(QMouseEvent* event) {
  if (const std::optional<Fact> fact = FactAt(event->position().toPoint())) Select(*fact);
  QWidget::mousePressEvent(event);
}

void FactGrid::keyPressEvent(QKeyEvent* event) {
  int dLeft = 0;
  int dRight = 0;
  switch (event->key()) {
    case Qt::Key_Up: dLeft = -1; break;
    case Qt::Key_Down: dLeft = 1; break;
    case Qt::Key_Left: dRight = -1; break;
    case Qt::Key_Right: dRight = 1; break;
    default: QWidget::keyPressEvent(event); return;
  }
  // From the selected cell on to the next cell of an askable fact in that direction.
  Fact f = selected_.value_or(AskableFacts(op_).front());
  if (selected_) {
    do {
      f.Left += dLeft;
      f.Right += dRight;
    } while (f.Left >= firstLeft_ && f.Left <= lastLeft_ && f.Right >= firstRight_ && f.Right <= lastRight_ && !CanBeAsked(f));
  }
  if (CanBeAsked(f)) Select(f);
}

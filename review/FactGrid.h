#pragma once
// The facts of one operation as a table: a row per left operand, a column per right operand,
// a cell per fact the drill can ask. A cell's colour tells how many of the fact's recent answers
// were missed (green none, yellow to red some to all); its number is their median time in
// seconds. Facts never asked stay white, pairs the drill never asks are left out. A legend
// stands under the table. The mouse shows a cell's numbers as a tip; a click or the arrow keys
// select a cell, whose numbers are then told to OnSelect.
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "records/ReviewSnapshot.h"

class FactGrid : public QWidget {
 public:
  explicit FactGrid(Operation op, QWidget* parent = nullptr);

  // Shows the facts of this table's operation among facts.
  void SetStats(const std::vector<FactStats>& facts);
  // The selected cell's words, or an invitation to select one.
  QString SelectedText() const;
  std::function<void(const QString&)> OnSelect;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  static constexpr int kOperands = 19;  // 0..18

  // Where a fact's cell is, and the fact at a point (when it is a cell's).
  QRect CellRect(int left, int right) const;
  std::optional<Fact> FactAt(QPoint point) const;
  const std::optional<FactStats>& StatsOf(const Fact& fact) const;
  QString Describe(const Fact& fact) const;
  void Select(const Fact& fact);
  // The table's top left corner inside the widget, so that it stands centred.
  QPoint Origin() const;
  void PaintLegend(class QPainter& painter, QPoint at) const;

  Operation op_;
  int firstLeft_ = kOperands, lastLeft_ = -1, firstRight_ = kOperands, lastRight_ = -1;
  int cellWidth_ = 0;
  int cellHeight_ = 0;
  std::array<std::optional<FactStats>, kOperands * kOperands> stats_;
  std::optional<Fact> selected_;
};

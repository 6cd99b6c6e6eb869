#pragma once
// The label of the stopwatch's milliseconds. Its text changes a hundred times a second while a
// drill runs, among the thousand texts "000" to "999", most of them shown for the first time in
// a drill's first minutes. The ten digits are laid out once, as one line; a text of digits is
// then drawn as a run of their glyphs, without laying the text out. It shows the same pixels a
// plain label shows for a single line of plain text at its top left, and leaves any other text
// or placement to the label itself.
#include <QRawFont>
#include <array>
#include <optional>

#include "app/Tagged.h"

class TStopwatchLabel : public TLabel {
 public:
  using TLabel::TLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The digits '0' to '9' as the label's font lays them out in a line.
  struct Digits {
    QRawFont Font;
    std::array<quint32, 10> Glyphs{};
    std::array<qreal, 10> Advances{};
    QPointF Origin;  // the pen position of the line's first glyph, on its baseline
  };
  static std::optional<Digits> LayOutDigits(const QFont& font, const QPaintDevice* device);
  // Whether the label would show its text as one line of plain text at its top left.
  bool ShowsPlainLineAtTopLeft() const;
  // Draws a text of digits from the digits' glyphs; false, drawing nothing, for any other text
  // or placement.
  bool DrawDigits();

  std::optional<Digits> digits_;
  bool digitsLaidOut_ = false;  // digits_ is known for the current font, if only as unusable
};

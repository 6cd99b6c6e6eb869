#pragma once
// The label of the stopwatch's milliseconds. Its text changes a hundred times a second while a
// drill runs, among the thousand texts "000" to "999": each is laid out once, on its first
// showing, and drawn from that layout afterwards. It shows the same pixels a plain label shows
// for a single line of plain text at its top left.
#include <QHash>
#include <QStaticText>

#include "app/Tagged.h"

class TStopwatchLabel : public TLabel {
 public:
  using TLabel::TLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QHash<QString, QStaticText> layouts_;
};

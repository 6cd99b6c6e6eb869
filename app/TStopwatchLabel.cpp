#include "app/TStopwatchLabel.h"

#include <QPainter>

void TStopwatchLabel::paintEvent(QPaintEvent* event) {
  // Anything but one line of plain text at the top left is left to the label itself.
  const bool plainLine = !text().contains(QLatin1Char('\n')) && textFormat() != Qt::RichText &&
                         !Qt::mightBeRichText(text()) && alignment() == (Qt::AlignLeft | Qt::AlignTop) &&
                         margin() == 0 && indent() <= 0 && !wordWrap() && isEnabled();
  if (!plainLine) {
    TLabel::paintEvent(event);
    return;
  }
  auto layout = layouts_.find(text());
  if (layout == layouts_.end()) {
    QStaticText line(text());
    line.setTextFormat(Qt::PlainText);
    line.prepare(QTransform(), font());
    layout = layouts_.insert(text(), line);
  }
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(foregroundRole()));
  painter.drawStaticText(contentsRect().topLeft(), *layout);
}

#include "app/TStopwatchLabel.h"

#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

std::optional<TStopwatchLabel::Digits> TStopwatchLabel::LayOutDigits(const QFont& font, const QPaintDevice* device) {
  QTextLayout layout(QStringLiteral("0123456789"), font, device);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  const QList<QGlyphRun> runs = layout.glyphRuns();
  // A font that takes the digits from more than one face, or merges or splits them, is left to
  // the label.
  if (runs.size() != 1 || runs[0].glyphIndexes().size() != 10) return std::nullopt;
  const QList<quint32> glyphs = runs[0].glyphIndexes();
  const QList<QPointF> positions = runs[0].positions();
  Digits digits;
  digits.Font = runs[0].rawFont();
  digits.Origin = positions[0];
  for (int i = 0; i < 10; ++i) {
    if (positions[i].y() != digits.Origin.y()) return std::nullopt;
    digits.Glyphs[size_t(i)] = glyphs[i];
    digits.Advances[size_t(i)] = (i < 9 ? positions[i + 1].x() : line.naturalTextWidth()) - positions[i].x();
  }
  return digits;
}

bool TStopwatchLabel::ShowsPlainLineAtTopLeft() const {
  return textFormat() != Qt::RichText && alignment() == (Qt::AlignLeft | Qt::AlignTop) && margin() == 0 &&
         indent() <= 0 && !wordWrap() && isEnabled();
}

void TStopwatchLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) digitsLaidOut_ = false;
  TLabel::changeEvent(event);
}

void TStopwatchLabel::paintEvent(QPaintEvent* event) {
  if (!DrawDigits()) TLabel::paintEvent(event);
}

bool TStopwatchLabel::DrawDigits() {
  const QString shown = text();
  const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
  if (shown.isEmpty() || !std::all_of(shown.begin(), shown.end(), isDigit) || !ShowsPlainLineAtTopLeft()) return false;
  if (!digitsLaidOut_) {
    digits_ = LayOutDigits(font(), this);
    digitsLaidOut_ = true;
  }
  if (!digits_) return false;
  QList<quint32> glyphs;
  QList<QPointF> positions;
  glyphs.reserve(shown.size());
  positions.reserve(shown.size());
  qreal x = digits_->Origin.x();
  for (QChar c : shown) {
    const size_t digit = size_t(c.unicode() - u'0');
    glyphs.append(digits_->Glyphs[digit]);
    positions.append(QPointF(x, digits_->Origin.y()));
    x += digits_->Advances[digit];
  }
  QGlyphRun run;
  run.setRawFont(digits_->Font);
  run.setGlyphIndexes(glyphs);
  run.setPositions(positions);
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  painter.drawGlyphRun(contentsRect().topLeft(), run);
  return true;
}

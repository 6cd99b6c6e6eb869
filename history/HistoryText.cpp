#include "history/HistoryText.h"

QList<QByteArray> SplitHistoryText(QByteArrayView text) {
  QList<QByteArray> lines;
  const qsizetype size = text.size();
  qsizetype pos = 0;
  while (pos < size && text[pos] != '\0') {
    qsizetype end = pos;
    while (end < size && text[end] != '\r' && text[end] != '\n' && text[end] != '\0') ++end;
    lines.append(text.sliced(pos, end - pos).toByteArray());
    pos = end;
    if (pos < size && text[pos] == '\r') ++pos;
    if (pos < size && text[pos] == '\n') ++pos;
  }
  return lines;
}

QByteArrayView IgnoredTail(QByteArrayView text) {
  const qsizetype zero = text.indexOf('\0');
  return zero < 0 ? QByteArrayView() : text.sliced(zero);
}

QByteArray JoinHistoryText(const QList<QByteArray>& lines) {
  qsizetype size = 0;
  for (const QByteArray& line : lines) size += line.size() + 2;
  QByteArray text;
  text.reserve(size);
  for (const QByteArray& line : lines) {
    text.append(line);
    text.append("\r\n", 2);
  }
  return text;
}

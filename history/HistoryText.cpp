#include "history/HistoryText.h"

#include <utility>

HistoryLines SplitHistoryText(QByteArray text) {
  QList<LineSpan> spans;
  const char* bytes = text.constData();
  const qsizetype size = text.size();
  qsizetype pos = 0;
  while (pos < size && bytes[pos] != '\0') {
    qsizetype end = pos;
    while (end < size && bytes[end] != '\r' && bytes[end] != '\n' && bytes[end] != '\0') ++end;
    spans.append({pos, end - pos});
    pos = end;
    if (pos < size && bytes[pos] == '\r') ++pos;
    if (pos < size && bytes[pos] == '\n') ++pos;
  }
  return HistoryLines(std::move(text), std::move(spans));
}

QByteArrayView IgnoredTail(QByteArrayView text) {
  const qsizetype zero = text.indexOf('\0');
  return zero < 0 ? QByteArrayView() : text.sliced(zero);
}

QByteArray JoinHistoryText(const HistoryLines& lines) {
  qsizetype size = 0;
  for (qsizetype i = 0; i < lines.size(); ++i) size += lines.at(i).size() + 2;
  QByteArray text;
  text.reserve(size);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    text.append(lines.at(i));
    text.append("\r\n", 2);
  }
  return text;
}

#include "history/HistoryLines.h"

#include <utility>

HistoryLines::HistoryLines(const QList<QByteArray>& lines) {
  qsizetype size = 0;
  for (const QByteArray& line : lines) size += line.size();
  buffer_.reserve(size);
  spans_.reserve(lines.size());
  for (const QByteArray& line : lines) append(line);
}

HistoryLines::HistoryLines(QByteArray buffer, QList<LineSpan> spans)
    : buffer_(std::move(buffer)), spans_(std::move(spans)) {}

void HistoryLines::append(QByteArrayView line) {
  spans_.append({buffer_.size(), line.size()});
  buffer_.append(line);
}

bool operator==(const HistoryLines& a, const HistoryLines& b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i) {
    if (a.at(i) != b.at(i)) return false;
  }
  return true;
}

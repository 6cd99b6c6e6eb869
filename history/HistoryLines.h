#pragma once
// Lines of bytes held in one buffer, each line a stretch of it: a whole file's content becomes
// its lines without a copy per line. Reads like the list of byte arrays it stands in for; a line
// is handed out as a view, valid until the next append.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Where a line lies in the buffer.
struct LineSpan {
  qsizetype Start = 0;
  qsizetype Length = 0;
};

class HistoryLines {
 public:
  HistoryLines() = default;
  // The given lines, copied into a buffer of their own. Not explicit: a list of lines may stand
  // wherever lines are asked for.
  HistoryLines(const QList<QByteArray>& lines);  // NOLINT(google-explicit-constructor)
  // The lines that lie at spans within buffer (each span inside it). The buffer is shared, not
  // copied.
  HistoryLines(QByteArray buffer, QList<LineSpan> spans);

  qsizetype size() const { return spans_.size(); }
  bool isEmpty() const { return spans_.isEmpty(); }
  QByteArrayView at(qsizetype index) const {
    const LineSpan& span = spans_.at(index);
    return QByteArrayView(buffer_.constData() + span.Start, span.Length);
  }
  QByteArrayView last() const { return at(size() - 1); }

  // Copies line to the end of the buffer, which grows in place while no other copy shares it.
  void append(QByteArrayView line);

  friend bool operator==(const HistoryLines& a, const HistoryLines& b);

 private:
  QByteArray buffer_;
  QList<LineSpan> spans_;
};

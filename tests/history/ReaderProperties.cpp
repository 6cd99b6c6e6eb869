#include "ReaderProperties.h"

#include <QByteArray>
#include <QList>

#include "history/HistoryText.h"

namespace {

// The lines computed another way: the text up to its first zero byte, with CR LF and then every
// lone CR turned into LF, cut at each LF; the last piece is a line only when it is not empty.
QList<QByteArray> ExpectedLines(QByteArrayView input) {
  QByteArray text = input.toByteArray();
  if (const qsizetype zero = text.indexOf('\0'); zero >= 0) text.truncate(zero);
  text.replace("\r\n", "\n").replace('\r', '\n');
  QList<QByteArray> lines = text.split('\n');
  if (lines.last().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

std::string CheckReaderProperties(QByteArrayView input) {
  const HistoryLines lines = SplitHistoryText(input.toByteArray());
  if (lines != ExpectedLines(input)) return "lines differ from the expected split";
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QByteArrayView line = lines.at(i);
    if (line.contains('\r') || line.contains('\n') || line.contains('\0')) return "a line holds a line end";
  }
  const QByteArray written = JoinHistoryText(lines);
  if (!written.endsWith("\r\n") && !lines.isEmpty()) return "the written text does not end with CR LF";
  if (SplitHistoryText(written) != lines) return "writing and reading again changes the lines";
  return {};
}

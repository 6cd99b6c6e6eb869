#include "history/HistoryFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "history/SystemErrorText.h"

namespace {

// The system's text for the errno a failed Qt call left, or Qt's own text when there is none.
QString FailureText(int errnum, const QFile& file) {
  return errnum != 0 ? SystemErrorText(errnum) : TrimSystemText(file.errorString());
}

}  // namespace

QString HistoryFilePath() { return QDir::current().absoluteFilePath(QStringLiteral("HIST.DAT")); }

HistoryFileContent ReadHistoryFile(const QString& path) {
  HistoryFileContent result;
  // Follows links: a link to a regular file counts; a dangling one or a directory does not.
  if (!QFileInfo(path).isFile()) return result;
  result.Present = true;
  QFile file(path);
  errno = 0;
  if (!file.open(QIODevice::ReadOnly)) {
    const int errnum = errno;
    if (errnum == ENOENT) return {};  // removed since the look-up: no file after all
    result.ErrorText = FailureText(errnum, file);
    return result;
  }
  errno = 0;
  result.Bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    result.ErrorText = FailureText(errno, file);
    result.Bytes.clear();
  }
  return result;
}

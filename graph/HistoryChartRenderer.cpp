#include "graph/HistoryChartRenderer.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "history/FileErrors.h"
#include "history/SystemErrorText.h"

namespace {

// Why a path names no file: the system's reason (a link loop, say), or ENOENT.
int MissingErrno(const QString& path) {
  struct stat status {};
  return ::stat(QFile::encodeName(path).constData(), &status) != 0 && errno != 0 ? errno : ENOENT;
}

}  // namespace

NotAHistoryFile::NotAHistoryFile(const QString& path)
    : AppError(QStringLiteral("ファイル \"%1\" には読める履歴の行がありません").arg(path)) {}

RenderedHistory RenderHistoryFile(const QString& path) {
  const QFileInfo info(path);
  const QString shownPath = info.absoluteFilePath();
  // The window takes a missing file for an empty history; a file named on purpose must exist.
  if (!info.exists()) throw FileOpenError(shownPath, SystemErrorText(MissingErrno(shownPath)));
  if (info.isDir()) throw FileOpenError(shownPath, SystemErrorText(EISDIR));

  HistoryList history(shownPath);
  TForm2 form(history);
  form.FormCreate();
  RenderedHistory rendered;
  rendered.Skipped = form.Replot();
  rendered.Lines = history.Count();
  if (rendered.Lines > 0 && rendered.Skipped.Count == rendered.Lines) throw NotAHistoryFile(shownPath);
  rendered.Image = form.Chart1->RenderToImage().copy();
  return rendered;
}

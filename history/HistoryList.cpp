#include "history/HistoryList.h"

#include <unistd.h>

#include <QFile>
#include <utility>

#include "history/DurableFileWriter.h"
#include "history/FileErrors.h"
#include "history/HistoryLock.h"
#include "history/HistoryText.h"
#include "history/LockedHistoryFile.h"
#include "history/SystemErrorText.h"

namespace {

// Whether the first count lines of a and b are the same; both have at least count lines.
bool SameFirstLines(const HistoryLines& a, const HistoryLines& b, qsizetype count) {
  for (qsizetype i = 0; i < count; ++i) {
    if (a.at(i) != b.at(i)) return false;
  }
  return true;
}

bool MayWrite(const QString& path) { return ::access(QFile::encodeName(path).constData(), W_OK) == 0; }

}  // namespace

HistoryList::HistoryList(QString path) : path_(std::move(path)) {}

void HistoryList::Load() {
  lines_ = HistoryLines();
  known_ = 0;
  HistoryFileContent file = ReadHistoryFile(path_);
  if (!file.ErrorText.isEmpty()) throw FileOpenError(path_, file.ErrorText);
  // The lines take over the bytes as read: holding a second reference would make the first
  // append copy the whole buffer.
  lines_ = SplitHistoryText(std::move(file.Bytes));
  known_ = lines_.size();
}

void HistoryList::AppendAndSave(QByteArrayView line) {
  lines_.append(line);
  const QString target = ResolvedTargetPath(path_);
  // A folder that refuses the lock file and the temporary file, around a file that may be written.
  if (const int refusal = FolderRefusal(target); refusal != 0 && MayWrite(target)) {
    AppendInPlace(target, refusal);
    return;
  }
  const HistoryLock lock(target, path_);
  HistoryFileContent file = ReadHistoryFile(path_);
  if (!file.ErrorText.isEmpty()) throw FileCreateError(path_, file.ErrorText);
  RemoveStrayTemporaries(target, file.Bytes);
  const QByteArray tail = IgnoredTail(file.Bytes).toByteArray();

  HistoryLines onDisk = SplitHistoryText(std::move(file.Bytes));
  // Copies of this program only ever append: when the file still starts with what this copy
  // last read or wrote, the rest are other copies' drills and go before this copy's unsaved ones.
  // Otherwise something else rewrote the file, and this copy's list replaces it as a whole.
  if (onDisk.size() >= known_ && SameFirstLines(lines_, onDisk, known_)) {
    const qsizetype onDiskCount = onDisk.size();
    for (qsizetype i = known_; i < lines_.size(); ++i) onDisk.append(lines_.at(i));
    known_ = onDiskCount;
    lines_ = std::move(onDisk);
  }
  ReplaceFileContent(path_, JoinHistoryText(lines_).append(tail), path_);
  // The file now holds the whole list, even if its directory entry is not yet safely on disk.
  known_ = lines_.size();
  SyncTargetDirectory(path_, path_);
}

void HistoryList::AppendInPlace(const QString& target, int folderRefusal) {
  LockedHistoryFile file(target, path_);
  const QByteArray current = file.ReadAll();
  // Lines after a zero byte would be out of the reading's sight; putting them before it means
  // rewriting the file, which needs the folder.
  if (!IgnoredTail(current).isEmpty()) throw FileCreateError(path_, SystemErrorText(folderRefusal));
  // Whatever the file holds now stays as it is, the drills other copies saved meanwhile too; this
  // copy's unsaved lines follow it, on a line of their own.
  HistoryLines unsaved;
  for (qsizetype i = known_; i < lines_.size(); ++i) unsaved.append(lines_.at(i));
  QByteArray added;
  if (!current.isEmpty() && !current.endsWith('\r') && !current.endsWith('\n')) added = "\r\n";
  added += JoinHistoryText(unsaved);
  file.Append(added);
  lines_ = SplitHistoryText(current + added);
  known_ = lines_.size();
}

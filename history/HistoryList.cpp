#include "history/HistoryList.h"

#include <algorithm>
#include <utility>

#include "history/DurableFileWriter.h"
#include "history/FileErrors.h"
#include "history/HistoryLock.h"
#include "history/HistoryText.h"

HistoryList::HistoryList(QString path) : path_(std::move(path)) {}

void HistoryList::Load() {
  lines_.clear();
  known_ = 0;
  const HistoryFileContent file = ReadHistoryFile(path_);
  if (!file.ErrorText.isEmpty()) throw FileOpenError(path_, file.ErrorText);
  lines_ = SplitHistoryText(file.Bytes);
  known_ = lines_.size();
}

void HistoryList::AppendAndSave(const QByteArray& line) {
  lines_.append(line);
  const QString target = ResolvedTargetPath(path_);
  const HistoryLock lock(target, path_);
  const HistoryFileContent file = ReadHistoryFile(path_);
  if (!file.ErrorText.isEmpty()) throw FileCreateError(path_, file.ErrorText);
  RemoveStrayTemporaries(target, file.Bytes);

  QList<QByteArray> onDisk = SplitHistoryText(file.Bytes);
  // Copies of this program only ever append: when the file still starts with what this copy
  // last read or wrote, the rest are other copies' drills and go before this copy's unsaved ones.
  // Otherwise something else rewrote the file, and this copy's list replaces it as a whole.
  const auto knownEnd = lines_.cbegin() + known_;
  if (onDisk.size() >= known_ && std::equal(lines_.cbegin(), knownEnd, onDisk.cbegin())) {
    const qsizetype unsaved = lines_.size() - known_;
    known_ = onDisk.size();
    onDisk.append(lines_.sliced(lines_.size() - unsaved));
    lines_ = std::move(onDisk);
  }
  ReplaceFileContent(path_, JoinHistoryText(lines_).append(IgnoredTail(file.Bytes)), path_);
  // The file now holds the whole list, even if its directory entry is not yet safely on disk.
  known_ = lines_.size();
  SyncTargetDirectory(path_, path_);
}

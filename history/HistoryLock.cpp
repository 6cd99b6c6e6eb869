#include "history/HistoryLock.h"

#include <unistd.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <cerrno>

#include "history/FileErrors.h"
#include "history/SystemErrorText.h"

namespace {

// How long a save waits for another copy's save to finish, and the longest pause between tries.
constexpr int kLockWaitMs = 5000;
constexpr unsigned long kLongestPauseMs = 20;

// A lock file without a readable process id this old was left by a copy killed right after
// creating it: a live holder writes its id at once. QLockFile cannot judge such a file itself.
constexpr qint64 kAbandonedAfterMs = 1000;

bool IsAbandoned(const QLockFile& lock) {
  qint64 pid = 0;
  QString host;
  QString application;
  if (lock.getLockInfo(&pid, &host, &application)) return false;
  const QDateTime modified = QFileInfo(lock.fileName()).lastModified();
  return modified.isValid() && modified.msecsTo(QDateTime::currentDateTime()) > kAbandonedAfterMs;
}

// Tries with short pauses: QLockFile's own wait would first sleep 100 ms and then twice as long
// each time.
bool Lock(QLockFile& lock) {
  LockTries tries;
  while (!lock.tryLock(0)) {
    if (lock.error() != QLockFile::LockFailedError || tries.Expired()) return false;
    if (IsAbandoned(lock) && lock.removeStaleLockFile()) continue;
    tries.Pause();
  }
  return true;
}

}  // namespace

int FolderRefusal(const QString& path) {
  const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
  return ::access(folder.constData(), W_OK | X_OK) != 0 ? errno : 0;
}

LockTries::LockTries() : deadline_(kLockWaitMs) {}

void LockTries::Pause() {
  QThread::msleep(std::min<unsigned long>(pauseMs_, deadline_.remainingTime() + 1));
  pauseMs_ = std::min(pauseMs_ * 2, kLongestPauseMs);
}

HistoryLock::HistoryLock(const QString& targetPath, const QString& errorPath)
    : lock_(targetPath + QStringLiteral(".lock")) {
  // A large history may take a while to write: a lock is stale only when its process is gone,
  // never because of its age.
  lock_.setStaleLockTime(0);
  errno = 0;
  if (Lock(lock_)) return;
  int errnum = errno;
  if (lock_.error() == QLockFile::LockFailedError) {
    errnum = EBUSY;  // another running copy holds the lock
  } else if (lock_.error() == QLockFile::PermissionError && errnum == 0) {
    // The lock file could not be made for lack of rights: the folder tells which.
    errnum = FolderRefusal(lock_.fileName());
    if (errnum == 0) errnum = EACCES;
  }
  throw FileCreateError(errorPath, SystemErrorText(errnum != 0 ? errnum : EIO));
}

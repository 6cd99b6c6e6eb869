#include "history/HistoryLock.h"

#include <unistd.h>

#include <QDateTime>
#include <QDeadlineTimer>
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

// Tries until the deadline with short pauses: another copy's save takes milliseconds, and
// QLockFile's own wait would first sleep 100 ms and then twice as long each time.
bool LockWithin(QLockFile& lock, int waitMs) {
  const QDeadlineTimer deadline(waitMs);
  unsigned long pauseMs = 1;
  while (!lock.tryLock(0)) {
    if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired()) return false;
    if (IsAbandoned(lock) && lock.removeStaleLockFile()) continue;
    QThread::msleep(std::min<unsigned long>(pauseMs, deadline.remainingTime() + 1));
    pauseMs = std::min(pauseMs * 2, kLongestPauseMs);
  }
  return true;
}

// The errno behind a lock file that could not be created for lack of rights.
int PermissionErrno(const QString& lockPath, int errnum) {
  if (errnum != 0) return errnum;
  const QByteArray directory = QFile::encodeName(QFileInfo(lockPath).absolutePath());
  return ::access(directory.constData(), W_OK | X_OK) != 0 ? errno : EACCES;
}

}  // namespace

HistoryLock::HistoryLock(const QString& targetPath, const QString& errorPath)
    : lock_(targetPath + QStringLiteral(".lock")) {
  // A large history may take a while to write: a lock is stale only when its process is gone,
  // never because of its age.
  lock_.setStaleLockTime(0);
  errno = 0;
  if (LockWithin(lock_, kLockWaitMs)) return;
  int errnum = errno;
  if (lock_.error() == QLockFile::LockFailedError) {
    errnum = EBUSY;  // another running copy holds the lock
  } else if (lock_.error() == QLockFile::PermissionError) {
    errnum = PermissionErrno(lock_.fileName(), errnum);
  }
  throw FileCreateError(errorPath, SystemErrorText(errnum != 0 ? errnum : EIO));
}

#include "history/HistoryLock.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "history/FileErrors.h"
#include "history/SystemErrorText.h"

namespace {

// How long a save waits for another copy's save to finish.
constexpr int kLockWaitMs = 5000;

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
  if (lock_.tryLock(kLockWaitMs)) return;
  int errnum = errno;
  if (lock_.error() == QLockFile::LockFailedError) {
    // A copy killed right after creating the lock file leaves it without its process id, which
    // QLockFile cannot judge. A live holder writes its id at once; after the whole wait it is gone.
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock_.getLockInfo(&pid, &host, &application) && lock_.removeStaleLockFile() &&
        lock_.tryLock(kLockWaitMs)) {
      return;
    }
    errnum = EBUSY;
  } else if (lock_.error() == QLockFile::PermissionError) {
    errnum = PermissionErrno(lock_.fileName(), errnum);
  }
  throw FileCreateError(errorPath, errnum != 0 ? SystemErrorText(errnum) : SystemErrorText(EIO));
}

#include "history/LockedHistoryFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "history/FileErrors.h"
#include "history/HistoryLock.h"
#include "history/SystemErrorText.h"

LockedHistoryFile::LockedHistoryFile(const QString& path, const QString& errorPath) : errorPath_(errorPath) {
  fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
  if (fd_ < 0) Fail(errno);
  LockTries tries;
  while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    const int errnum = errno == EWOULDBLOCK ? EBUSY : errno;  // EBUSY: another copy is saving
    if (errnum != EBUSY || tries.Expired()) {
      ::close(fd_);
      Fail(errnum);
    }
    tries.Pause();
  }
}

LockedHistoryFile::~LockedHistoryFile() { ::close(fd_); }  // closing lets the lock go

QByteArray LockedHistoryFile::ReadAll() {
  QByteArray content;
  char block[65536];
  for (;;) {
    const ssize_t n = ::pread(fd_, block, sizeof block, content.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail(errno);
    if (n == 0) break;
    content.append(block, n);
  }
  size_ = content.size();
  return content;
}

void LockedHistoryFile::Append(QByteArrayView bytes) {
  qsizetype done = 0;
  int errnum = 0;
  while (done < bytes.size() && errnum == 0) {
    const ssize_t n = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, size_ + done);
    if (n > 0) {
      done += n;
    } else if (n == 0 || errno != EINTR) {
      errnum = n == 0 ? EIO : errno;
    }
  }
  if (errnum == 0 && ::fsync(fd_) != 0) errnum = errno;
  if (errnum == 0) return;
  // Whatever part of the lines reached the file goes again; the bytes before were never touched.
  if (::ftruncate(fd_, size_) == 0) ::fsync(fd_);
  Fail(errnum);
}

void LockedHistoryFile::Fail(int errnum) const { throw FileCreateError(errorPath_, SystemErrorText(errnum)); }

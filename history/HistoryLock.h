#pragma once
// The lock that keeps the saves of several running copies of the program apart.
#include <QDeadlineTimer>
#include <QLockFile>
#include <QString>

// The system's error number for why no file can be made in the folder of the file at path (the
// lock file, and the temporary file of a save), or 0 when the folder admits them.
int FolderRefusal(const QString& path);

// The tries of a lock that another running copy may hold for the few milliseconds of its save:
// short pauses, doubling up to a limit, until a few seconds have passed.
class LockTries {
 public:
  LockTries();
  bool Expired() const { return deadline_.hasExpired(); }
  // Sleeps before the next try, never past the deadline.
  void Pause();

 private:
  QDeadlineTimer deadline_;
  unsigned long pauseMs_ = 1;
};

// Holds the lock file "<target>.lock" beside the history file for the lifetime of the object.
// A lock left by a process that no longer runs, or cut off before its process id was written,
// is taken over; a lock held by a running copy is waited for a few seconds. Throws FileCreateError naming errorPath when the lock cannot be had.
class HistoryLock {
 public:
  HistoryLock(const QString& targetPath, const QString& errorPath);
  HistoryLock(const HistoryLock&) = delete;
  HistoryLock& operator=(const HistoryLock&) = delete;

 private:
  QLockFile lock_;
};

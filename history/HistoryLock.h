#pragma once
// The lock that keeps the saves of several running copies of the program apart.
#include <QLockFile>
#include <QString>

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

#pragma once
// The history file opened in place under a lock on the file itself: the save for a folder that
// refuses the temporary file and the lock file beside it while the file itself may be written.
// The history only grows, so such a save adds its lines at the end and touches no byte before.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class LockedHistoryFile {
 public:
  // Opens the existing file at path for reading and writing and locks it exclusively, waiting a
  // few seconds for a save of another running copy. Throws FileCreateError naming errorPath.
  LockedHistoryFile(const QString& path, const QString& errorPath);
  ~LockedHistoryFile();
  LockedHistoryFile(const LockedHistoryFile&) = delete;
  LockedHistoryFile& operator=(const LockedHistoryFile&) = delete;

  // The file's whole content. Throws FileCreateError.
  QByteArray ReadAll();
  // Writes bytes after the content ReadAll gave and flushes them to disk. On any failure cuts the
  // file back to that length and throws FileCreateError with the failure's text.
  void Append(QByteArrayView bytes);

 private:
  [[noreturn]] void Fail(int errnum) const;

  QString errorPath_;
  int fd_ = -1;
  qint64 size_ = 0;  // the length ReadAll found
};

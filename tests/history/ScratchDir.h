#pragma once
// Scratch directories for the history tests: a plain temporary directory, or a small tmpfs of
// its own (full-disk and read-only cases) when the process may mount one.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

#include "history/HistoryLines.h"

class ScratchDir {
 public:
  // tmpfsBytes > 0 mounts a tmpfs of that size on the directory; Mounted() says whether it worked.
  explicit ScratchDir(qint64 tmpfsBytes = 0);
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  bool Mounted() const { return mounted_; }
  QString Path() const { return dir_.path(); }
  QString File(const QString& name) const { return dir_.filePath(name); }
  QString HistoryPath() const { return File(QStringLiteral("HIST.DAT")); }
  // Makes the directory read-only: the mounted tmpfs is remounted read-only, a plain directory
  // loses its write permission (which binds no one but root). SetWritable undoes it.
  void SetReadOnly();
  void SetWritable();
  // Fills the mounted file system up to leaving freeBytes free.
  void Fill(qint64 freeBytes);
  // Names of the leftover temporary files of saves beside HIST.DAT.
  QStringList Strays() const;

 private:
  QTemporaryDir dir_;
  bool mounted_ = false;
};

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);

// Readable failure output for Qt strings and byte strings.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QByteArray& bytes, std::ostream* os) { *os << '"' << bytes.toStdString() << '"'; }
inline void PrintTo(QByteArrayView bytes, std::ostream* os) { PrintTo(bytes.toByteArray(), os); }
void PrintTo(const HistoryLines& lines, std::ostream* os);

// The lines as a list of their own, for the list's algorithms.
QList<QByteArray> ToList(const HistoryLines& lines);

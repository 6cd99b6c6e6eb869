#include "history/DurableFileWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include "history/FileErrors.h"
#include "history/SystemErrorText.h"

namespace {

// The depth at which a chain of links is taken for a loop.
constexpr int kMaxLinkDepth = 128;
// A temporary file is the target's name, a full stop and this many letters.
constexpr qsizetype kTemporarySuffixLength = 6;

[[noreturn]] void Fail(const QString& errorPath, int errnum, const QString& qtText = {}) {
  throw FileCreateError(errorPath, errnum != 0 ? SystemErrorText(errnum) : TrimSystemText(qtText));
}

// Flushes a directory's entries to disk, so a rename inside it survives a power loss.
// A file system that cannot flush directories (EINVAL) has nothing more to offer and is accepted.
int SyncDirectory(const QString& directory) {
  const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int result = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
  ::close(fd);
  return result;
}

bool IsTemporaryName(const QString& name, const QString& prefix) {
  if (name.size() != prefix.size() + kTemporarySuffixLength || !name.startsWith(prefix)) return false;
  for (qsizetype i = prefix.size(); i < name.size(); ++i) {
    const char16_t c = name[i].unicode();
    if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))) return false;
  }
  return true;
}

}  // namespace

QString ResolvedTargetPath(const QString& path) {
  QFileInfo info(path);
  for (int depth = 0; depth < kMaxLinkDepth && info.isSymLink(); ++depth) info.setFile(info.symLinkTarget());
  return info.isSymLink() ? path : info.filePath();
}

void ReplaceFileContent(const QString& path, const QByteArray& content, const QString& errorPath) {
  const QString target = ResolvedTargetPath(path);
  const QFileInfo info(target);
  // A link that still is one after following the chain is a loop: QSaveFile would put a regular
  // file in its place.
  if (info.isSymLink()) Fail(errorPath, ELOOP);
  // QSaveFile refuses these two cases with texts of its own; the system's texts say the same.
  if (info.isDir()) Fail(errorPath, EISDIR);
  if (info.exists() && ::access(QFile::encodeName(target).constData(), W_OK) != 0) Fail(errorPath, errno);

  QSaveFile file(target);
  file.setDirectWriteFallback(false);
  errno = 0;
  // Unbuffered, so a failing write shows at once instead of being lost in the final flush.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) Fail(errorPath, errno, file.errorString());
  errno = 0;
  if (file.write(content) != content.size()) Fail(errorPath, errno, file.errorString());
  if (::fsync(file.handle()) != 0) Fail(errorPath, errno);
  errno = 0;
  if (!file.commit()) Fail(errorPath, errno, file.errorString());
}

void SyncTargetDirectory(const QString& path, const QString& errorPath) {
  const QString directory = QFileInfo(ResolvedTargetPath(path)).absolutePath();
  if (const int errnum = SyncDirectory(directory); errnum != 0) Fail(errorPath, errnum);
}

void RemoveStrayTemporaries(const QString& targetPath, const QByteArray& current) {
  const QFileInfo target(targetPath);
  const QString prefix = target.fileName() + QLatin1Char('.');
  const QFileInfoList entries =
      target.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
  for (const QFileInfo& entry : entries) {
    if (!IsTemporaryName(entry.fileName(), prefix) || entry.size() <= current.size()) continue;
    QFile stray(entry.absoluteFilePath());
    if (stray.open(QIODevice::ReadOnly) && stray.read(current.size()) == current) {
      stray.close();
      stray.remove();
    }
  }
}

#include "ScratchDir.h"

#include <sys/mount.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <stdexcept>

ScratchDir::ScratchDir(qint64 tmpfsBytes) {
  if (tmpfsBytes > 0) {
    const QByteArray options = "size=" + QByteArray::number(tmpfsBytes) + ",mode=0755";
    mounted_ = ::mount("tmpfs", QFile::encodeName(Path()).constData(), "tmpfs", 0, options.constData()) == 0;
  }
}

ScratchDir::~ScratchDir() {
  if (mounted_) ::umount2(QFile::encodeName(Path()).constData(), MNT_DETACH);
}

void ScratchDir::SetReadOnly() {
  const QByteArray path = QFile::encodeName(Path());
  if (mounted_) {
    if (::mount("tmpfs", path.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
      throw std::runtime_error("remount read-only");
    }
  } else {
    ::chmod(path.constData(), 0555);
  }
}

void ScratchDir::SetWritable() {
  const QByteArray path = QFile::encodeName(Path());
  if (mounted_) {
    if (::mount("tmpfs", path.constData(), "tmpfs", MS_REMOUNT, nullptr) != 0) {
      throw std::runtime_error("remount writable");
    }
  } else {
    ::chmod(path.constData(), 0755);
  }
}

void ScratchDir::Fill(qint64 freeBytes) {
  QFile filler(File(QStringLiteral("filler")));
  if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) throw std::runtime_error("filler");
  const QByteArray block(4096, 'x');
  while (filler.write(block) == block.size()) {}
  filler.resize(std::max<qint64>(0, filler.size() - freeBytes));
}

QStringList ScratchDir::Strays() const {
  static const QRegularExpression pattern(QStringLiteral("^HIST\\.DAT\\.[A-Za-z]{6}$"));
  return QDir(Path()).entryList(QDir::Files | QDir::Hidden).filter(pattern);
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
  return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

QList<QByteArray> ToList(const HistoryLines& lines) {
  QList<QByteArray> list;
  for (qsizetype i = 0; i < lines.size(); ++i) list.append(lines.at(i).toByteArray());
  return list;
}

void PrintTo(const HistoryLines& lines, std::ostream* os) {
  *os << '{';
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i > 0) *os << ", ";
    PrintTo(lines.at(i), os);
  }
  *os << '}';
}

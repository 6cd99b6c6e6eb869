#include "records/RecordsFile.h"

#include <QDir>
#include <QFileInfo>

QString RecordsPathBeside(const QString& historyPath) {
  return QFileInfo(historyPath).absoluteDir().absoluteFilePath(QString::fromLatin1(kRecordsFileName));
}

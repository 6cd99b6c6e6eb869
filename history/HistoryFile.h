#pragma once
// Reading the history file.
#include <QByteArray>
#include <QString>

// The path of HIST.DAT in the current working directory, absolute.
QString HistoryFilePath();

struct HistoryFileContent {
  bool Present = false;  // a regular file of that name exists (whatever its time stamp)
  QByteArray Bytes;      // its whole content
  QString ErrorText;     // the system's text when it exists but could not be read, else empty
};

// Reads the whole file at path. A missing file, a directory or a dangling link is not present.
HistoryFileContent ReadHistoryFile(const QString& path);

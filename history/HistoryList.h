#pragma once
// The history in memory: one summary line per finished drill, oldest first, as exact bytes.
// The lines stay in the buffer the file was read into.
#include <QByteArrayView>
#include <QString>

#include "history/HistoryFile.h"
#include "history/HistoryLines.h"

class HistoryList {
 public:
  // The list of the history file at path (by default HIST.DAT in the current directory); empty
  // until Load.
  explicit HistoryList(QString path = HistoryFilePath());

  // Replaces the list by the lines of the file. No file gives an empty list. A file that exists
  // but cannot be read leaves the list empty and throws FileOpenError.
  void Load();

  // Appends a finished drill's line and saves: under the lock, re-reads the file, keeps the lines
  // other running copies appended since this copy last read or wrote it, then writes the whole
  // list durably. When the folder admits no lock file and no temporary file but the file may be
  // written, the unsaved lines are added at the file's end in place instead, under a lock on the
  // file. On failure throws FileCreateError; the file is unchanged and the line stays in the list,
  // to be written by the next save.
  void AppendAndSave(QByteArrayView line);

  // The lines and views of them are valid until the next Load or AppendAndSave.
  const HistoryLines& Lines() const { return lines_; }
  qsizetype Count() const { return lines_.size(); }
  QByteArrayView At(qsizetype index) const { return lines_.at(index); }
  const QString& Path() const { return path_; }

 private:
  // The save in place; folderRefusal is the folder's error number, the reason when it fails.
  void AppendInPlace(const QString& target, int folderRefusal);

  QString path_;
  HistoryLines lines_;   // what is on disk as far as this copy knows, then the unsaved lines
  qsizetype known_ = 0;  // how many leading lines of lines_ this copy last read or wrote
};

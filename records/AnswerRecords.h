#pragma once
// The answer records of one history directory, read and written on a thread of their own: the
// window hands a job over and goes on; the outcome comes back to it as an event.
#include <QObject>
#include <QString>
#include <functional>

#include "records/AnswerRecord.h"
#include "records/RecordsThread.h"
#include "records/RecordsWriter.h"
#include "records/ReviewSnapshot.h"

class AnswerRecords {
 public:
  using Failed = std::function<void(const QString& message)>;

  // The records in the database at path; writes wait up to busyMs for another copy's write.
  explicit AnswerRecords(QString path, int busyMs = kRecordsBusyWaitMs);

  const QString& Path() const { return path_; }

  // Records a finished drill or review; failed gets the message when it cannot be written.
  void Record(DrillRecord drill, QObject* receiver, Failed failed);
  // Reads what the review window shows.
  void LoadReview(QObject* receiver, std::function<void(const ReviewSnapshot&)> done, Failed failed);
  // Writes the records as CSV to the file at csvPath.
  void ExportCsv(QString csvPath, QObject* receiver, std::function<void()> done, Failed failed);

 private:
  QString path_;
  int busyMs_;
  RecordsThread thread_;
};

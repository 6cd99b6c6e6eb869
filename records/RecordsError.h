#pragma once
// Errors of the answer records, each naming the database file and the cause in words.
#include <QString>

#include "records/AnswerRecord.h"
#include "platform/AppError.h"

// A finished drill or review could not be recorded; a drill is still in the history file.
class RecordsWriteError : public AppError {
 public:
  RecordsWriteError(const QString& path, const QString& cause, DrillKind kind);
};

// The records could not be read.
class RecordsReadError : public AppError {
 public:
  RecordsReadError(const QString& path, const QString& cause);
};

// A failure inside the records' code, before the file it concerns is named: the cause in words.
struct RecordsFailure {
  QString Cause;
};

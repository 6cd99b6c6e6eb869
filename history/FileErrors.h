#pragma once
// Errors of the history file, each carrying the full path and the system's text for the cause.
#include <QString>

#include "platform/AppError.h"

// The history file could not be written (the save failed; the old file is unchanged).
class FileCreateError : public AppError {
 public:
  FileCreateError(const QString& path, const QString& systemText);
};

// The history file exists but could not be read at start-up.
class FileOpenError : public AppError {
 public:
  FileOpenError(const QString& path, const QString& systemText);
};

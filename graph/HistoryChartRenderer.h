#pragma once
// The result graph of a history file drawn without a window: the chart exactly as the result
// graph window shows it when it opens, as an image of the chart's full size.
#include <QImage>
#include <QString>

#include "graph/Unit2.h"
#include "platform/AppError.h"

// A history file in which not one line can be read.
class NotAHistoryFile : public AppError {
 public:
  explicit NotAHistoryFile(const QString& path);
};

struct RenderedHistory {
  QImage Image;
  qsizetype Lines = 0;
  TForm2::Unreadable Skipped;
};

// Loads the history file at path into a hidden result graph window, plots it and renders its
// chart. Raises FileOpenError when the file is missing, a directory or cannot be read, and
// NotAHistoryFile when it has lines and none of them can be read. An empty file is an empty
// history.
RenderedHistory RenderHistoryFile(const QString& path);

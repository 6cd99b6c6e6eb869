#pragma once
// Where the answer records live: a SQLite database beside the history file.
#include <QString>

inline constexpr char kRecordsFileName[] = "ANSWERS.DB";

// The records' path in the directory of the history file at historyPath, absolute.
QString RecordsPathBeside(const QString& historyPath);

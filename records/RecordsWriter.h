#pragma once
// Writing a finished drill or review into the answer records.
#include <QString>
#include <span>

#include "records/AnswerRecord.h"

// How long a write waits for another running copy's write to finish.
inline constexpr int kRecordsBusyWaitMs = 5000;

// Adds the drill and all its answers to the database at path in one transaction, flushed to
// disk before it returns; creates the file and its tables when they are missing. Throws
// RecordsWriteError naming the file when it cannot be opened or written (read-only, locked for
// longer than busyMs, damaged, not a database, of a newer version); nothing is added then.
void WriteDrillRecord(const QString& path, const DrillRecord& drill, int busyMs = kRecordsBusyWaitMs);

// Adds several drills in one transaction, as WriteDrillRecord adds one (a database filled with
// many drills at once); the error names the first drill's kind.
void WriteDrillRecords(const QString& path, std::span<const DrillRecord> drills, int busyMs = kRecordsBusyWaitMs);

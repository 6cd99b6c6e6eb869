#pragma once
// Reading what the review window shows from the answer records.
#include <QString>

#include "records/RecordsWriter.h"
#include "records/ReviewSnapshot.h"

// Reads the snapshot from the database at path in one read transaction. A missing file, or one
// without tables, gives an empty snapshot. Throws RecordsReadError naming the file when it
// cannot be read (locked for longer than busyMs, damaged, not a database, of a newer version).
// The work does not grow with the number of answers: each fact's recent answers are found
// through an index, and the counts and the trend come from one row per drill.
ReviewSnapshot ReadReviewSnapshot(const QString& path, int busyMs = kRecordsBusyWaitMs);

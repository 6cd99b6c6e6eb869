#pragma once
// The frame of every read of the answer records.
#include <QString>
#include <functional>

#include "records/SqliteDatabase.h"

// Runs read in one read transaction on the database at path, when the file exists and has the
// tables; does nothing otherwise. Throws RecordsReadError naming the file when it cannot be read
// (locked for longer than busyMs, damaged, not a database, of a newer version), and for a
// RecordsFailure that read throws.
void ReadRecords(const QString& path, int busyMs, const std::function<void(const SqliteDatabase&)>& read);

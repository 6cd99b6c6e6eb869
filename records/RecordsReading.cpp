#include "records/RecordsReading.h"

#include <QFileInfo>

#include "records/RecordsError.h"
#include "records/RecordsSchema.h"

void ReadRecords(const QString& path, int busyMs, const std::function<void(const SqliteDatabase&)>& read) {
  if (!QFileInfo::exists(path)) return;
  try {
    const SqliteDatabase db(path, SqliteDatabase::Access::Read, busyMs);
    db.Execute("BEGIN");
    const int version = SchemaVersion(db);
    CheckSchemaForReading(version);
    if (version > 0) read(db);
    db.Rollback();
  } catch (const RecordsFailure& failure) {
    throw RecordsReadError(path, failure.Cause);
  }
}

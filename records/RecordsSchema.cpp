#include "records/RecordsSchema.h"

#include "records/RecordsError.h"
#include "records/SqliteStatement.h"

namespace {

const char* const kCreateVersion1 = R"sql(
CREATE TABLE schema_version (version INTEGER NOT NULL);
CREATE TABLE drills (
  id INTEGER PRIMARY KEY,
  started TEXT NOT NULL,
  kind TEXT NOT NULL CHECK (kind IN ('drill', 'review')),
  problems INTEGER NOT NULL,
  correct INTEGER NOT NULL,
  total_ms INTEGER NOT NULL
);
CREATE INDEX drills_by_kind ON drills (kind, id);
CREATE TABLE answers (
  id INTEGER PRIMARY KEY,
  drill_id INTEGER NOT NULL REFERENCES drills (id),
  number INTEGER NOT NULL,
  left_operand INTEGER NOT NULL,
  operator TEXT NOT NULL CHECK (operator IN ('+', '-', '×')),
  right_operand INTEGER NOT NULL,
  expected INTEGER NOT NULL,
  typed TEXT NOT NULL,
  verdict TEXT NOT NULL CHECK (verdict IN ('OK', 'NG')),
  time_ms INTEGER NOT NULL,
  until_correct INTEGER NOT NULL,
  wrong_tries INTEGER NOT NULL,
  UNIQUE (drill_id, number)
);
CREATE INDEX answers_by_fact ON answers (operator, left_operand, right_operand);
INSERT INTO schema_version (version) VALUES (1);
)sql";

// A later version adds its steps here, each taking the tables from the version before it.

}  // namespace

int SchemaVersion(const SqliteDatabase& db) {
  SqliteStatement exists(db, "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = 'schema_version'");
  exists.Step();
  if (exists.Int(0) == 0) return 0;
  SqliteStatement version(db, "SELECT max(version) FROM schema_version");
  return version.Step() ? int(version.Int(0)) : 0;
}

void CheckSchemaForReading(int version) {
  if (version > kRecordsSchemaVersion)
    throw RecordsFailure{QStringLiteral("新しい版のピクトラの記録です (版 %1)").arg(version)};
}

void PrepareSchemaForWriting(const SqliteDatabase& db) {
  const int version = SchemaVersion(db);
  if (version > kRecordsSchemaVersion)
    throw RecordsFailure{QStringLiteral("新しい版のピクトラの記録なので、この版では書き込みません (版 %1)").arg(version)};
  if (version == 0) db.Execute(kCreateVersion1);
}

QString OperatorText(Operation op) {
  switch (op) {
    case Operation::Plus: return QStringLiteral("+");
    case Operation::Minus: return QStringLiteral("-");
    case Operation::Times: return QStringLiteral("×");
  }
  return {};
}

std::optional<Operation> OperationOfText(const QString& text) {
  for (Operation op : kOperations)
    if (text == OperatorText(op)) return op;
  return std::nullopt;
}

QString KindText(DrillKind kind) { return kind == DrillKind::Drill ? QStringLiteral("drill") : QStringLiteral("review"); }

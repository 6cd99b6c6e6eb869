#pragma once
// The tables of the answer records and their version.
//
//   schema_version(version)       one row: the version of the tables below
//   drills(id, started, kind, problems, correct, total_ms)
//                                 one row per finished drill ('drill') or review ('review');
//                                 started is the local time with its offset from UTC, ISO 8601
//                                 to the millisecond, so its first ten characters are the date
//   answers(id, drill_id, number, left_operand, operator, right_operand, expected, typed,
//           verdict, time_ms, until_correct, wrong_tries)
//                                 one row per answered problem; operator is '+', '-' or '×',
//                                 verdict 'OK' or 'NG'; ids grow with the order of answering
//
// A file of a newer version than this program's is neither read nor written.
#include <QString>
#include <optional>

#include "drill/Fact.h"
#include "records/AnswerRecord.h"
#include "records/SqliteDatabase.h"

inline constexpr int kRecordsSchemaVersion = 1;

// The version of the file's tables; 0 for a file without them (a new, empty file).
int SchemaVersion(const SqliteDatabase& db);

// Inside a write transaction: creates the tables in a file without them, brings an older
// version up to this one. Throws RecordsFailure for a newer version.
void PrepareSchemaForWriting(const SqliteDatabase& db);

// Throws RecordsFailure when a file's tables are of a version this program cannot read.
void CheckSchemaForReading(int version);

// The texts of the columns operator and kind.
QString OperatorText(Operation op);
std::optional<Operation> OperationOfText(const QString& text);
QString KindText(DrillKind kind);

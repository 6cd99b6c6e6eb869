#include "records/RecordsWriter.h"

#include <algorithm>

#include "records/RecordsError.h"
#include "records/RecordsSchema.h"
#include "records/SqliteStatement.h"

namespace {

QString StartedText(const QDateTime& local) {
  return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

void Insert(const SqliteDatabase& db, const DrillRecord& drill) {
  const auto correct = std::count_if(drill.Answers.begin(), drill.Answers.end(), [](const AnswerRecord& a) { return a.Right; });
  SqliteStatement addDrill(db, "INSERT INTO drills (started, kind, problems, correct, total_ms) VALUES (?, ?, ?, ?, ?)");
  addDrill.Bind(1, StartedText(drill.Started))
      .Bind(2, KindText(drill.Kind))
      .Bind(3, int64_t(drill.Answers.size()))
      .Bind(4, int64_t(correct))
      .Bind(5, drill.TotalMs)
      .Step();
  SqliteStatement id(db, "SELECT last_insert_rowid()");
  id.Step();
  const int64_t drillId = id.Int(0);

  SqliteStatement addAnswer(db,
                            "INSERT INTO answers (drill_id, number, left_operand, operator, right_operand, expected, "
                            "typed, verdict, time_ms, until_correct, wrong_tries) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  addAnswer.Bind(1, drillId);
  for (const AnswerRecord& a : drill.Answers) {
    addAnswer.Bind(2, a.Number)
        .Bind(3, a.Asked.Left)
        .Bind(4, OperatorText(a.Asked.Op))
        .Bind(5, a.Asked.Right)
        .Bind(6, a.Expected)
        .Bind(7, a.Typed)
        .Bind(8, a.Right ? QStringLiteral("OK") : QStringLiteral("NG"))
        .Bind(9, a.TimeMs)
        .Bind(10, a.UntilCorrect ? 1 : 0)
        .Bind(11, a.WrongTries)
        .Step();
    addAnswer.Reset();
  }
}

}  // namespace

void WriteDrillRecord(const QString& path, const DrillRecord& drill, int busyMs) {
  WriteDrillRecords(path, std::span(&drill, 1), busyMs);
}

void WriteDrillRecords(const QString& path, std::span<const DrillRecord> drills, int busyMs) {
  try {
    const SqliteDatabase db(path, SqliteDatabase::Access::Write, busyMs);
    db.Execute("PRAGMA synchronous = FULL");
    db.Execute("PRAGMA foreign_keys = ON");
    // The write lock is taken at once, so that a copy writing at the same time is waited for here
    // and not found in the middle of the transaction.
    db.Execute("BEGIN IMMEDIATE");
    try {
      PrepareSchemaForWriting(db);
      for (const DrillRecord& drill : drills) Insert(db, drill);
      db.Execute("COMMIT");
    } catch (...) {
      db.Rollback();
      throw;
    }
  } catch (const RecordsFailure& failure) {
    throw RecordsWriteError(path, failure.Cause, drills.empty() ? DrillKind::Drill : drills.front().Kind);
  }
}

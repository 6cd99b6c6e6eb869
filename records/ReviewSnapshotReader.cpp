#include "records/ReviewSnapshotReader.h"

#include "records/RecordsError.h"
#include "records/RecordsReading.h"
#include "records/RecordsSchema.h"
#include "records/SqliteStatement.h"
#include "records/WeakFacts.h"

namespace {

void ReadCounts(const SqliteDatabase& db, ReviewSnapshot& snapshot) {
  SqliteStatement counts(db, "SELECT kind, count(*), total(problems) FROM drills GROUP BY kind");
  while (counts.Step()) {
    (counts.Text(0) == KindText(DrillKind::Drill) ? snapshot.Drills : snapshot.Reviews) = int(counts.Int(1));
    snapshot.Answers += counts.Int(2);
  }
}

void ReadFacts(const SqliteDatabase& db, ReviewSnapshot& snapshot) {
  SqliteStatement recent(db,
                         "SELECT verdict = 'NG' OR wrong_tries > 0, time_ms FROM answers "
                         "WHERE operator = ? AND left_operand = ? AND right_operand = ? ORDER BY id DESC LIMIT ?");
  recent.Bind(4, FactStats::kRecentAnswers);
  std::vector<int> times;
  for (Operation op : kOperations) {
    recent.Bind(1, OperatorText(op));
    for (const Fact& fact : AskableFacts(op)) {
      recent.Bind(2, fact.Left).Bind(3, fact.Right);
      FactStats stats{fact};
      times.clear();
      while (recent.Step()) {
        ++stats.Recent;
        stats.Missed += int(recent.Int(0));
        times.push_back(int(recent.Int(1)));
      }
      recent.Reset();
      if (stats.Recent == 0) continue;
      stats.MedianMs = MedianMs(times);
      snapshot.Facts.push_back(stats);
    }
  }
  snapshot.Weakest = WeakestFacts(snapshot.Facts, kReviewFacts);
}

void ReadLastDrill(const SqliteDatabase& db, ReviewSnapshot& snapshot) {
  SqliteStatement last(db, "SELECT id, started FROM drills WHERE kind = 'drill' ORDER BY id DESC LIMIT 1");
  if (!last.Step()) return;
  const int64_t drillId = last.Int(0);
  snapshot.LastDrillStarted = QDateTime::fromString(last.Text(1), Qt::ISODateWithMs).toLocalTime();
  SqliteStatement mistakes(db,
                           "SELECT number, operator, left_operand, right_operand, expected, typed, verdict, time_ms, "
                           "until_correct, wrong_tries FROM answers "
                           "WHERE drill_id = ? AND (verdict = 'NG' OR wrong_tries > 0) ORDER BY number");
  mistakes.Bind(1, drillId);
  while (mistakes.Step()) {
    const std::optional<Operation> op = OperationOfText(mistakes.Text(1));
    if (!op) throw RecordsFailure{QStringLiteral("知らない演算子 \"%1\" があります").arg(mistakes.Text(1))};
    AnswerRecord a;
    a.Number = int(mistakes.Int(0));
    a.Asked = {*op, int(mistakes.Int(2)), int(mistakes.Int(3))};
    a.Expected = int(mistakes.Int(4));
    a.Typed = mistakes.Text(5);
    a.Right = mistakes.Text(6) == QStringLiteral("OK");
    a.TimeMs = int32_t(mistakes.Int(7));
    a.UntilCorrect = mistakes.Int(8) != 0;
    a.WrongTries = int(mistakes.Int(9));
    snapshot.LastDrillMistakes.push_back(a);
  }
}

void ReadTrend(const SqliteDatabase& db, ReviewSnapshot& snapshot) {
  SqliteStatement days(db,
                       "SELECT substr(started, 1, 10), count(*), total(correct), total(problems), total(total_ms) "
                       "FROM drills WHERE kind = 'drill' GROUP BY 1 ORDER BY 1");
  while (days.Step()) {
    DayTrend day;
    day.Day = QDate::fromString(days.Text(0), Qt::ISODate);
    day.Drills = int(days.Int(1));
    const double problems = double(days.Int(3));
    day.Rate = problems > 0 ? 100.0 * double(days.Int(2)) / problems : 0;
    day.Seconds = double(days.Int(4)) / 1000.0 / day.Drills;
    snapshot.Trend.push_back(day);
  }
}

}  // namespace

ReviewSnapshot ReadReviewSnapshot(const QString& path, int busyMs) {
  ReviewSnapshot snapshot;
  ReadRecords(path, busyMs, [&](const SqliteDatabase& db) {
    ReadCounts(db, snapshot);
    ReadFacts(db, snapshot);
    ReadLastDrill(db, snapshot);
    ReadTrend(db, snapshot);
  });
  return snapshot;
}

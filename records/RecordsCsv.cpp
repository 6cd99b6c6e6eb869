#include "records/RecordsCsv.h"

#include "records/RecordsReading.h"
#include "records/SqliteStatement.h"

namespace {

constexpr int kColumns = 12;
const char kHeader[] = "started,kind,number,left,operator,right,expected,typed,verdict,time_ms,until_correct,wrong_tries\r\n";

}  // namespace

QByteArray CsvField(QByteArrayView text) {
  const bool quoted = text.contains(',') || text.contains('"') || text.contains('\r') || text.contains('\n');
  if (!quoted) return text.toByteArray();
  QByteArray field = text.toByteArray();
  field.replace("\"", "\"\"");
  return '"' + field + '"';
}

QByteArray RecordsCsv(const QString& path, int busyMs) {
  QByteArray csv(kHeader);
  ReadRecords(path, busyMs, [&](const SqliteDatabase& db) {
    SqliteStatement rows(db,
                         "SELECT d.started, d.kind, a.number, a.left_operand, a.operator, a.right_operand, a.expected, "
                         "a.typed, a.verdict, a.time_ms, a.until_correct, a.wrong_tries "
                         "FROM answers a JOIN drills d ON d.id = a.drill_id ORDER BY a.id");
    while (rows.Step()) {
      for (int c = 0; c < kColumns; ++c) {
        if (c > 0) csv += ',';
        csv += CsvField(rows.Utf8(c));
      }
      csv += "\r\n";
    }
  });
  return csv;
}

#pragma once
// The answer records as CSV for spreadsheets: UTF-8 without a byte-order mark, a header row,
// one row per answer in the order answered, CR LF line ends, fields quoted where they need it.
//
//   started,kind,number,left,operator,right,expected,typed,verdict,time_ms,until_correct,wrong_tries
//   2024-05-01T09:10:32.123+09:00,drill,1,12,+,5,17,17,OK,2418,0,0
#include <QByteArray>
#include <QString>

#include "records/RecordsWriter.h"

// The CSV of the database at path; a missing file gives the header row alone. Throws
// RecordsReadError naming the file when it cannot be read.
QByteArray RecordsCsv(const QString& path, int busyMs = kRecordsBusyWaitMs);

// A field as CSV writes it: in double quotes, with its quotes doubled, when it holds a comma, a
// quote, a CR or an LF; as it is otherwise.
QByteArray CsvField(QByteArrayView text);

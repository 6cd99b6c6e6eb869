#pragma once
// The one-line record of a finished drill, as CP932 bytes.
#include <QByteArray>
#include <QDateTime>

#include "history/DateTimeSeparators.h"

// "YYYY/MM/DD HH:NN:SS" of a local date-time, with '/' and ':' replaced by the separators.
QByteArray FormatSummaryDateTime(const QDateTime& local, DateTimeSeparators separators);

// The summary line "所要時間 <label1><label6>　正答率<rate>%  <date time>" from the two stopwatch
// label texts (Label1 "MM:SS.", Label6 "mmm", ASCII bytes), the number of correct answers out of
// 100 (the rate is printed right-aligned in three characters) and the local date-time.
// With two-digit minutes the line is 51 bytes.
QByteArray BuildSummaryLine(const QByteArray& label1, const QByteArray& label6, int correctCount,
                            const QDateTime& local, DateTimeSeparators separators);

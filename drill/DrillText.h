#pragma once
// The texts of a drill as CP932 byte strings: problem lines of the log, the problem time and
// the two stopwatch labels. Elapsed times are milliseconds.
#include <QByteArray>
#include <cstdint>
#include <optional>

#include "drill/Problem.h"

// "mm:ss.zzz" (at least two minute digits) of a problem time.
QByteArray ProblemTimeText(int32_t elapsed);

// Minutes and seconds of the stopwatch with a trailing full stop ("12:34.").
QByteArray StopwatchMinutesText(int32_t elapsed);

// The three millisecond digits of the stopwatch.
QByteArray StopwatchMillisText(int32_t elapsed);

// The log line of problem `number`: OK when `given` is the answer, NG with the answer when it
// is another number, NG with a blank answer column when no answer was given.
QByteArray ProblemLine(int number, const Problem& problem, std::optional<int> given, const QByteArray& timeText);

#pragma once
// The two values the result graph plots for one history line: the share of correct answers
// and the drill's time in whole seconds.
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

struct DrillResult {
  int Rate = 0;         // percent of correct answers
  int64_t Seconds = 0;  // minutes × 60 + seconds; the milliseconds are not used
  friend bool operator==(const DrillResult&, const DrillResult&) = default;
};

// A history line read at its byte positions, or the text of the first field (rate, minutes,
// seconds, in that order) that is not an integer.
struct DrillResultRead {
  std::optional<DrillResult> Result;
  QByteArray BadField;
};

// Reads a summary line. The minutes are the digits from byte 10 (counted from 1) up to the
// ":" that follows them, the seconds the two bytes after the ":", and the rate the three bytes
// that stand at 27 to 29 in a line with two-digit minutes, moved by as many bytes as the
// minutes have more (or fewer) than two digits. A line whose byte 10 does not start such a
// run of digits is read at the positions of two-digit minutes (10-11, 13-14, 27-29). Each
// field is an integer after leading spaces with an optional sign; a field cut short by the
// end of the line is read as far as it goes.
DrillResultRead ReadDrillResult(QByteArrayView line);

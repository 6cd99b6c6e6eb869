#include "graph/DrillResult.h"

#include "platform/IntegerText.h"

namespace {

// Byte indices (from 0) of the fields in a line with two-digit minutes.
constexpr qsizetype kMinutesAt = 9;
constexpr qsizetype kColonAt = 11;
constexpr qsizetype kSecondsAt = 12;
constexpr qsizetype kRateAt = 26;

// The bytes [from, from + count) of the line, cut at its end (nothing when from lies beyond).
QByteArray Field(QByteArrayView line, qsizetype from, qsizetype count) {
  if (from >= line.size()) return {};
  return line.sliced(from, std::min(count, line.size() - from)).toByteArray();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Index of the ":" ending a run of at least one digit from kMinutesAt, or -1.
qsizetype ColonAfterMinutes(QByteArrayView line) {
  qsizetype i = kMinutesAt;
  while (i < line.size() && IsDigit(line[i])) ++i;
  if (i == kMinutesAt || i == line.size() || line[i] != ':') return -1;
  return i;
}

}  // namespace

DrillResultRead ReadDrillResult(QByteArrayView line) {
  qsizetype colon = ColonAfterMinutes(line);
  if (colon < 0) colon = kColonAt;
  const qsizetype shift = colon - kColonAt;

  const QByteArray fields[] = {Field(line, kRateAt + shift, 3), Field(line, kMinutesAt, colon - kMinutesAt),
                               Field(line, kSecondsAt + shift, 2)};
  int values[3];
  for (int f = 0; f < 3; ++f) {
    const std::optional<int> value = TryStrToInt(fields[f]);
    if (!value) return {std::nullopt, fields[f]};
    values[f] = *value;
  }
  return {DrillResult{values[0], int64_t{values[1]} * 60 + values[2]}, {}};
}

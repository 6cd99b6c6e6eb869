#include "DrillResultProperties.h"

#include <QByteArray>

#include "graph/DrillResult.h"
#include "platform/IntegerText.h"

namespace {

// Index of the ":" that ends a run of digits from byte index 9, or -1.
qsizetype MinutesColon(QByteArrayView line) {
  qsizetype i = 9;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
  return i > 9 && i < line.size() && line[i] == ':' ? i : -1;
}

bool SameRead(const DrillResultRead& a, const DrillResultRead& b) {
  return a.Result == b.Result && a.BadField == b.BadField;
}

}  // namespace

std::string CheckDrillResultProperties(QByteArrayView line) {
  const DrillResultRead read = ReadDrillResult(line);
  if (!read.Result) {
    if (TryStrToInt(read.BadField)) return "the reported field is an integer";
    if (!line.toByteArray().contains(read.BadField)) return "the reported field is not part of the line";
  }

  // The bytes after the rate field are never read.
  const qsizetype colon = MinutesColon(line);
  const qsizetype rateEnd = 29 + (colon < 0 ? 0 : colon - 11);
  if (line.size() > rateEnd) {
    QByteArray changed = line.toByteArray();
    for (qsizetype i = rateEnd; i < changed.size(); ++i) changed[i] = static_cast<char>(changed[i] ^ 0x5a);
    if (MinutesColon(changed) == colon && !SameRead(ReadDrillResult(changed), read))
      return "a byte after the rate field changed the result";
  }

  // One more leading zero in the minutes moves every later field by one byte and reads the same.
  if (colon >= 0) {
    QByteArray padded = line.toByteArray();
    padded.insert(9, '0');
    if (ReadDrillResult(padded).Result != read.Result) return "a leading zero in the minutes changed the result";
  }
  return {};
}

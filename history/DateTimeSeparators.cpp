#include "history/DateTimeSeparators.h"

#include <QString>
#include <cstdlib>

namespace {

// The first character of a Qt date or time format that is neither a field letter, quoted text nor
// a space: the separator between its fields. Returns fallback when it has none or when the
// character would not be one printable ASCII byte in the summary line.
char FirstSeparator(const QString& format, char fallback) {
  bool quoted = false;
  for (const QChar c : format) {
    if (c == QChar('\'')) {
      quoted = !quoted;
      continue;
    }
    if (quoted || c.isLetterOrNumber() || c.isSpace()) continue;
    const char16_t u = c.unicode();
    return u > 0x20 && u < 0x7F ? static_cast<char>(u) : fallback;
  }
  return fallback;
}

// The locale name of the time settings, as the C library would choose it.
QString TimeLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return QString::fromLocal8Bit(value);
  }
  return {};
}

}  // namespace

DateTimeSeparators SeparatorsOfLocale(const QLocale& locale) {
  const DateTimeSeparators fallback;
  return {FirstSeparator(locale.dateFormat(QLocale::ShortFormat), fallback.Date),
          FirstSeparator(locale.timeFormat(QLocale::ShortFormat), fallback.Time)};
}

DateTimeSeparators LocaleDateTimeSeparators() {
  const QString name = TimeLocaleName();
  if (name.isEmpty() || name == QLatin1String("C") || name.startsWith(QLatin1String("C.")) ||
      name == QLatin1String("POSIX")) {
    return {};
  }
  return SeparatorsOfLocale(QLocale(name));
}

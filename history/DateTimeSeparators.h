#pragma once
// The date and time separators of the user's regional settings, one byte each.
#include <QLocale>

struct DateTimeSeparators {
  char Date = '/';
  char Time = ':';
  friend bool operator==(const DateTimeSeparators&, const DateTimeSeparators&) = default;
};

// The separators of a locale: the first separator character of its short date and time formats;
// '/' and ':' where the format has none or the character is not a single printable ASCII byte.
DateTimeSeparators SeparatorsOfLocale(const QLocale& locale);

// The separators of the user's current regional settings (LC_ALL, else LC_TIME, else LANG),
// read afresh on every call so a window can re-read them on a locale change event.
// The C and POSIX locales, and no setting at all, give '/' and ':'.
DateTimeSeparators LocaleDateTimeSeparators();

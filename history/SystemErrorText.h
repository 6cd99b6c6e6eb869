#pragma once
// The system's text for an error number, as the history errors show it.
#include <QString>

// strerror's text for errnum in the current locale, with trailing blanks and full stops removed.
QString SystemErrorText(int errnum);

// text without its trailing blanks (spaces and control characters) and full stops.
QString TrimSystemText(const QString& text);

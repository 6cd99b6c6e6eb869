#include "history/SystemErrorText.h"

#include <cstring>

QString TrimSystemText(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && (text[end - 1] <= QChar(' ') || text[end - 1] == QChar('.'))) --end;
  return text.left(end);
}

QString SystemErrorText(int errnum) {
  char buffer[256];
  // The GNU strerror_r returns the text, which may or may not live in buffer.
  const char* text = strerror_r(errnum, buffer, sizeof buffer);
  return TrimSystemText(QString::fromLocal8Bit(text));
}

#include "platform/IntegerText.h"

#include <cstdint>

#include "platform/Cp932.h"

ConvertError::ConvertError(const QString& text)
    : AppError(QStringLiteral("'%1' は整数ではありません").arg(text)) {}

std::optional<int> TryStrToInt(const QByteArray& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > INT64_C(2147483648)) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<int>(value);
}

int StrToInt(const QByteArray& text) {
  if (auto v = TryStrToInt(text)) return *v;
  throw ConvertError(DecodeCp932(text));
}

int StrToInt(const QString& text) {
  if (auto v = TryStrToInt(EncodeCp932(text))) return *v;
  throw ConvertError(text);
}

QString Trim(const QString& text) {
  qsizetype first = 0, last = text.size();
  while (first < last && text[first].unicode() <= 0x20) ++first;
  while (last > first && text[last - 1].unicode() <= 0x20) --last;
  return text.mid(first, last - first);
}

#pragma once
// Conversion of text to integers: leading spaces, one optional sign, decimal digits, and
// nothing else. The value must fit a signed 32-bit integer.
#include <QByteArray>
#include <QString>
#include <optional>

#include "platform/AppError.h"

// The conversion error "'%s' は整数ではありません", %s being the whole text.
class ConvertError : public AppError {
 public:
  explicit ConvertError(const QString& text);
};

// The value of a CP932 byte string, or nothing when it is not an integer.
std::optional<int> TryStrToInt(const QByteArray& text);

// The value of the text; raises ConvertError when it is not an integer.
int StrToInt(const QByteArray& text);
int StrToInt(const QString& text);

// The text with leading and trailing blanks and control characters (up to U+0020) removed.
QString Trim(const QString& text);

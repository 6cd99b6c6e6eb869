#pragma once
// Text formatting on code page 932 byte strings.
//
// A specifier is "%" [ "-" ] [ width ] [ "." precision ] type, the type letter in either case:
//   D  decimal integer; a precision gives the minimum number of digits (leading zeros),
//   S  byte string; a precision gives the maximum number of bytes taken from it,
//   F  floating-point number in fixed notation; the precision is the number of decimals
//      (2 when absent), halves rounded away from zero.
// A width pads the result with spaces to at least that many bytes, on the left (right-aligned),
// or on the right with "-". "%%" gives a percent sign. Widths count bytes, so a double-byte
// character takes two. A specifier without a matching argument, an argument of another kind,
// or an unknown type letter raises FormatError.
#include <QByteArray>
#include <cstdint>
#include <initializer_list>
#include <variant>

#include "platform/AppError.h"

class FormatError : public AppError {
 public:
  explicit FormatError(const QByteArray& format);
};

// One argument of Format: an integer, a real or a byte string.
class FormatArg {
 public:
  FormatArg(int v) : value_(static_cast<int64_t>(v)) {}
  FormatArg(int64_t v) : value_(v) {}
  FormatArg(double v) : value_(v) {}
  FormatArg(const char* v) : value_(QByteArray(v)) {}
  FormatArg(const QByteArray& v) : value_(v) {}

  const std::variant<int64_t, double, QByteArray>& Value() const { return value_; }

 private:
  std::variant<int64_t, double, QByteArray> value_;
};

QByteArray Format(const QByteArray& format, std::initializer_list<FormatArg> args);

#include "platform/Format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Directive {
  bool leftAlign = false;
  int width = -1;
  int precision = -1;
  char type = 0;
};

// Reads a run of decimal digits at fmt[i]; -1 when there is none.
int ReadNumber(const QByteArray& fmt, qsizetype& i) {
  if (i >= fmt.size() || fmt[i] < '0' || fmt[i] > '9') return -1;
  int n = 0;
  while (i < fmt.size() && fmt[i] >= '0' && fmt[i] <= '9') {
    if (n < 100000) n = n * 10 + (fmt[i] - '0');
    ++i;
  }
  return n;
}

QByteArray Decimal(int64_t v, int precision) {
  // The magnitude as unsigned so that the most negative value has one too.
  uint64_t mag = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
  QByteArray digits = QByteArray::number(static_cast<qulonglong>(mag));
  if (precision > digits.size()) digits.prepend(QByteArray(precision - digits.size(), '0'));
  if (v < 0) digits.prepend('-');
  return digits;
}

// Fixed notation with `decimals` digits after the point, rounded half away from zero on the
// decimal expansion of the value (17 significant digits, which a double always holds).
QByteArray Fixed(double v, int decimals) {
  if (std::isnan(v)) return "NAN";
  if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.16e", std::fabs(v));  // d.dddddddddddddddde±x
  std::string s(buf);
  size_t ePos = s.find('e');
  int exponent = std::atoi(s.c_str() + ePos + 1);
  std::string digits = s.substr(0, 1) + s.substr(2, ePos - 2);
  // The value times 10^decimals as a digit string: the digits down to the last decimal kept.
  int keep = exponent + 1 + decimals;
  std::string scaled;
  bool up = false;
  if (keep < 0) {
    scaled = "0";
  } else {
    int size = static_cast<int>(digits.size());
    scaled = keep <= size ? digits.substr(0, keep) : digits + std::string(keep - size, '0');
    up = keep < size && digits[keep] >= '5';
    if (scaled.empty()) scaled = "0";
  }
  if (up) {
    int i = static_cast<int>(scaled.size()) - 1;
    while (i >= 0 && scaled[i] == '9') scaled[i--] = '0';
    if (i >= 0) ++scaled[i]; else scaled.insert(0, 1, '1');
  }
  if (static_cast<int>(scaled.size()) < decimals + 1)
    scaled.insert(0, decimals + 1 - scaled.size(), '0');
  bool zero = scaled.find_first_not_of('0') == std::string::npos;
  QByteArray out;
  if (v < 0 && !zero) out += '-';
  out += QByteArray::fromStdString(scaled.substr(0, scaled.size() - decimals));
  if (decimals > 0) out += '.' + QByteArray::fromStdString(scaled.substr(scaled.size() - decimals));
  return out;
}

}  // namespace

FormatError::FormatError(const QByteArray& format)
    : AppError(QStringLiteral("Format '%1' invalid or incompatible with argument")
                   .arg(QString::fromLatin1(format))) {}

QByteArray Format(const QByteArray& format, std::initializer_list<FormatArg> args) {
  QByteArray out;
  auto next = args.begin();
  qsizetype i = 0;
  while (i < format.size()) {
    char c = format[i];
    if (c != '%') {
      out += c;
      ++i;
      continue;
    }
    ++i;
    if (i < format.size() && format[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    Directive directive;
    if (i < format.size() && format[i] == '-') {
      directive.leftAlign = true;
      ++i;
    }
    directive.width = ReadNumber(format, i);
    if (i < format.size() && format[i] == '.') {
      ++i;
      directive.precision = ReadNumber(format, i);
      if (directive.precision < 0) directive.precision = 0;
    }
    if (i >= format.size() || next == args.end()) throw FormatError(format);
    directive.type = static_cast<char>(format[i] & ~0x20);  // upper case
    ++i;
    const auto& value = (next++)->Value();
    QByteArray field;
    switch (directive.type) {
      case 'D':
        if (!std::holds_alternative<int64_t>(value)) throw FormatError(format);
        field = Decimal(std::get<int64_t>(value), directive.precision);
        break;
      case 'S':
        if (!std::holds_alternative<QByteArray>(value)) throw FormatError(format);
        field = std::get<QByteArray>(value);
        if (directive.precision >= 0 && directive.precision < field.size()) field.truncate(directive.precision);
        break;
      case 'F': {
        double v;
        if (std::holds_alternative<double>(value)) v = std::get<double>(value);
        else if (std::holds_alternative<int64_t>(value)) v = static_cast<double>(std::get<int64_t>(value));
        else throw FormatError(format);
        field = Fixed(v, directive.precision < 0 ? 2 : directive.precision);
        break;
      }
      default:
        throw FormatError(format);
    }
    if (directive.width > field.size()) {
      QByteArray pad(directive.width - field.size(), ' ');
      field = directive.leftAlign ? field + pad : pad + field;
    }
    out += field;
  }
  return out;
}

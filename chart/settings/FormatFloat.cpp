#include "chart/settings/FormatFloat.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

struct TPicture {
  bool Grouping = false;
  int MinIntDigits = 0;
  int MinDecimals = 0;
  int MaxDecimals = 0;
};

TPicture ParsePicture(const QString& pattern) {
  TPicture p;
  bool inDecimals = false;
  for (QChar c : pattern) {
    if (c == u'.') {
      inDecimals = true;
    } else if (c == u',') {
      if (!inDecimals) p.Grouping = true;
    } else if (c == u'0') {
      if (inDecimals) {
        ++p.MinDecimals;
        ++p.MaxDecimals;
      } else {
        ++p.MinIntDigits;
      }
    } else if (c == u'#') {
      if (inDecimals) ++p.MaxDecimals;
    }
  }
  return p;
}

}  // namespace

TNumberSeparators RegionalSeparators() {
  QLocale locale = QLocale::system();
  QString group = locale.groupSeparator();
  QString decimal = locale.decimalPoint();
  return {group.isEmpty() ? QChar(u',') : group.at(0), decimal.isEmpty() ? QChar(u'.') : decimal.at(0)};
}

QString FormatFloat(const QString& pattern, double value) {
  return FormatFloat(pattern, value, RegionalSeparators());
}

QString FormatFloat(const QString& pattern, double value, const TNumberSeparators& separators) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  const TPicture p = ParsePicture(pattern);
  // Fixed notation rounded to the most decimals the picture allows; the sign is kept apart.
  QString digits = QString::number(std::fabs(value), 'f', p.MaxDecimals);
  qsizetype point = digits.indexOf(u'.');
  QString intPart = point < 0 ? digits : digits.left(point);
  QString fracPart = point < 0 ? QString() : digits.mid(point + 1);
  while (fracPart.size() > p.MinDecimals && fracPart.endsWith(u'0')) fracPart.chop(1);
  // The picture decides how many leading digits stay; the rest of a zero integer part goes.
  while (intPart.size() > p.MinIntDigits && intPart.startsWith(u'0')) intPart.remove(0, 1);
  while (intPart.size() < p.MinIntDigits) intPart.prepend(u'0');
  // A value that rounds to zero is written without a sign.
  const auto nonZero = [](QChar c) { return c != u'0'; };
  const bool negative = value < 0 && (std::any_of(intPart.begin(), intPart.end(), nonZero) ||
                                      std::any_of(fracPart.begin(), fracPart.end(), nonZero));
  if (p.Grouping) {
    for (qsizetype i = intPart.size() - 3; i > 0; i -= 3) intPart.insert(i, separators.Thousands);
  }
  QString text = intPart;
  if (!fracPart.isEmpty()) text += separators.Decimal + fracPart;
  if (text.isEmpty()) text = QStringLiteral("0");
  if (negative) text.prepend(u'-');
  return text;
}

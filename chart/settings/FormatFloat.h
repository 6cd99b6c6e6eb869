#pragma once
// Numbers as chart texts, by a picture pattern such as "#,##0.###": '0' is a digit that is
// always written, '#' one written only when needed, ',' in the integer part groups the
// digits by threes, '.' separates the decimals. The thousands and decimal separators are
// the user's regional ones. Decimals beyond the pattern are rounded away; optional trailing
// zeros and a bare decimal point are dropped; negative values get a minus sign.
#include <QChar>
#include <QString>

// Separators used for the output.
struct TNumberSeparators {
  QChar Thousands;
  QChar Decimal;
};

// The separators of the user's regional settings.
TNumberSeparators RegionalSeparators();

QString FormatFloat(const QString& pattern, double value);
QString FormatFloat(const QString& pattern, double value, const TNumberSeparators& separators);

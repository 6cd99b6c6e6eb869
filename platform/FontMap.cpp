#include "platform/FontMap.h"

QString FontFamilyFor(const QString& layoutName) {
  if (layoutName == kFontGothic) return QStringLiteral("IPAGothic");
  if (layoutName == kFontPGothic) return QStringLiteral("IPAPGothic");
  if (layoutName == kFontPMincho) return QStringLiteral("IPAPMincho");
  return layoutName;
}

QFont LayoutFont(const QString& layoutName, int pixelHeight) {
  QFont f(FontFamilyFor(layoutName));
  f.setPixelSize(pixelHeight);
  f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

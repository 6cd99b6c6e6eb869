#pragma once
// The window layouts name the platform's Japanese system fonts. They are mapped once, here,
// to the installed fonts with the same metrics. Sizes are always given in pixels.
#include <QFont>
#include <QString>

// Layout names as the layouts give them.
inline const QString kFontGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kFontPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kFontPMincho = QStringLiteral("ＭＳ Ｐ明朝");

// The installed family that stands for a layout font name; unknown names pass through.
QString FontFamilyFor(const QString& layoutName);

// A font of the layout: the mapped family at the given pixel height, antialiasing off.
QFont LayoutFont(const QString& layoutName, int pixelHeight);

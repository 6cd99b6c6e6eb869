#pragma once
// Where a window goes to sit at the centre of the desktop.
#include <QGuiApplication>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QSize>

#include "platform/Rounding.h"

// The top-left corner of a window of the given size centred on the primary screen's area for
// windows: half the room left over on either side, the odd pixel going to the right and the
// bottom. The origin when there is no screen.
inline QPoint DesktopCentre(QSize window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QRect desktop = screen->availableGeometry();
  return {desktop.left() + TruncToInt((desktop.width() - window.width()) / 2.0),
          desktop.top() + TruncToInt((desktop.height() - window.height()) / 2.0)};
}

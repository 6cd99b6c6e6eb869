#include "platform/Color.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

TColor FromQColor(const QColor& q) { return RGBColor(q.red(), q.green(), q.blue()); }

QPalette::ColorRole RoleOf(TColor c) {
  switch (c) {
    case clWindowText: return QPalette::WindowText;
    case clBtnShadow: return QPalette::Dark;
    case clBtnHighlight: return QPalette::Light;
    case clBtnFace:
    default: return QPalette::Button;
  }
}

}  // namespace

TColor ColorToRGB(TColor c) {
  if ((c & clSystemBit) == 0) return c & 0x00FFFFFF;
  // Without an application object there is no palette; the light grey scheme stands in.
  if (QGuiApplication::instance() == nullptr) {
    switch (c) {
      case clWindowText: return clBlack;
      case clBtnShadow: return RGBColor(0x9F, 0x9F, 0x9F);
      case clBtnHighlight: return clWhite;
      default: return RGBColor(0xEF, 0xEF, 0xEF);
    }
  }
  return FromQColor(QGuiApplication::palette().color(QPalette::Active, RoleOf(c)));
}

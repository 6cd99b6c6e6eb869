#include "chart/engine/CustomPanel.h"

#include "chart/settings/StoreChanged.h"

TCustomPanel::TCustomPanel(QWidget* parent) : QWidget(parent) {}

void TCustomPanel::RequestRepaint() { update(); }

void TCustomPanel::SetColor(TColor value) {
  if (StoreChanged(color_, value)) RequestRepaint();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  if (StoreChanged(bevelOuter_, value)) RequestRepaint();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  if (StoreChanged(bevelInner_, value)) RequestRepaint();
}

void TCustomPanel::SetBevelWidth(int value) {
  if (StoreChanged(bevelWidth_, value)) RequestRepaint();
}

void TCustomPanel::SetBorderWidth(int value) {
  if (StoreChanged(borderWidth_, value)) RequestRepaint();
}

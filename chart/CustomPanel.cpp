#include "chart/CustomPanel.h"

TCustomPanel::TCustomPanel(QWidget* parent) : QWidget(parent) {}

void TCustomPanel::RequestRepaint() { update(); }

void TCustomPanel::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  RequestRepaint();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  if (value == bevelOuter_) return;
  bevelOuter_ = value;
  RequestRepaint();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  if (value == bevelInner_) return;
  bevelInner_ = value;
  RequestRepaint();
}

void TCustomPanel::SetBevelWidth(int value) {
  if (value == bevelWidth_) return;
  bevelWidth_ = value;
  RequestRepaint();
}

void TCustomPanel::SetBorderWidth(int value) {
  if (value == borderWidth_) return;
  borderWidth_ = value;
  RequestRepaint();
}

#include "chart/View3DOptions.h"

bool TView3DOptions::Store(int& field, int value) {
  if (field == value) return false;
  field = value;
  return true;
}

void TView3DOptions::SetElevation(int value) {
  if (Store(elevation_, value)) Changed();
}

void TView3DOptions::SetHorizOffset(int value) {
  if (!Store(horizOffset_, value)) return;
  if (OnScrolled) OnScrolled(true);
  Changed();
}

void TView3DOptions::SetOrthogonal(bool value) {
  if (value == orthogonal_) return;
  orthogonal_ = value;
  Changed();
}

void TView3DOptions::SetPerspective(int value) {
  if (Store(perspective_, value)) Changed();
}

void TView3DOptions::SetRotation(int value) {
  if (Store(rotation_, value)) Changed();
}

void TView3DOptions::SetTilt(int value) {
  if (Store(tilt_, value)) Changed();
}

void TView3DOptions::SetVertOffset(int value) {
  if (!Store(vertOffset_, value)) return;
  if (OnScrolled) OnScrolled(false);
  Changed();
}

void TView3DOptions::SetZoom(int value) {
  if (value == zoom_) return;
  if (OnZoomChanged) OnZoomChanged();
  zoom_ = value;
  Changed();
}

void TView3DOptions::SetZoomText(bool value) {
  if (value == zoomText_) return;
  zoomText_ = value;
  Changed();
}

#include "chart/engine/View3DOptions.h"

#include "chart/settings/StoreChanged.h"

void TView3DOptions::SetElevation(int value) {
  if (StoreChanged(elevation_, value)) Changed();
}

void TView3DOptions::SetHorizOffset(int value) {
  if (!StoreChanged(horizOffset_, value)) return;
  if (OnScrolled) OnScrolled(true);
  Changed();
}

void TView3DOptions::SetOrthogonal(bool value) {
  if (StoreChanged(orthogonal_, value)) Changed();
}

void TView3DOptions::SetPerspective(int value) {
  if (StoreChanged(perspective_, value)) Changed();
}

void TView3DOptions::SetRotation(int value) {
  if (StoreChanged(rotation_, value)) Changed();
}

void TView3DOptions::SetTilt(int value) {
  if (StoreChanged(tilt_, value)) Changed();
}

void TView3DOptions::SetVertOffset(int value) {
  if (!StoreChanged(vertOffset_, value)) return;
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
  if (StoreChanged(zoomText_, value)) Changed();
}

#pragma once
// Settings of the 3D view: the oblique projection's offsets and zoom, and the angles of the
// rotated view (stored only; this chart stays in the orthogonal view).
#include <functional>

class TView3DOptions {
 public:
  int Elevation() const { return elevation_; }
  void SetElevation(int value);
  int HorizOffset() const { return horizOffset_; }
  void SetHorizOffset(int value);
  bool Orthogonal() const { return orthogonal_; }
  void SetOrthogonal(bool value);
  int Perspective() const { return perspective_; }
  void SetPerspective(int value);
  int Rotation() const { return rotation_; }
  void SetRotation(int value);
  int Tilt() const { return tilt_; }
  void SetTilt(int value);
  int VertOffset() const { return vertOffset_; }
  void SetVertOffset(int value);
  // Percent scale of the projection about its centre.
  int Zoom() const { return zoom_; }
  void SetZoom(int value);
  bool ZoomText() const { return zoomText_; }
  void SetZoomText(bool value);

  // Called after every stored change (the chart repaints).
  std::function<void()> OnChange;
  // Called when an offset changes (horizontal true for HorizOffset).
  std::function<void(bool horizontal)> OnScrolled;
  // Called before a new Zoom is stored.
  std::function<void()> OnZoomChanged;

 private:
  void Changed() const {
    if (OnChange) OnChange();
  }

  int elevation_ = 345;
  int horizOffset_ = 0;
  bool orthogonal_ = true;
  int perspective_ = 15;
  int rotation_ = 345;
  int tilt_ = 0;
  int vertOffset_ = 0;
  int zoom_ = 100;
  bool zoomText_ = true;
};

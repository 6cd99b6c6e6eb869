#pragma once
// A 3D canvas drawing straight onto a recording canvas (no off-screen bitmap), set up for one
// repaint of the given view with the projection centred on the given plot rectangle.
#include "chart/canvas/ChartCanvas3D.h"
#include "chart/canvas/RecordingCanvas.h"

struct Recorded3D {
  RecordingCanvas rec;
  TChartCanvas3D c3d;

  explicit Recorded3D(const TView3DSettings& view = {}, const TRect& plot = {18, 55, 567, 431}) {
    c3d.SetBuffered(false);
    c3d.SetWindowCanvas(&rec);
    c3d.BeginRepaint(view, {0, 0, 601, 449});
    c3d.SetupProjection(plot);
  }
  std::vector<TPoint> Polygon(size_t i) const { return rec.CallsOf(RecordingCanvas::Op::Polygon).at(i).Points; }
};

inline TView3DSettings View(int zoom, int horiz = 0, int vert = 0, bool view3D = true) {
  TView3DSettings v;
  v.Zoom = zoom;
  v.HorizOffset = horiz;
  v.VertOffset = vert;
  v.View3D = view3D;
  return v;
}

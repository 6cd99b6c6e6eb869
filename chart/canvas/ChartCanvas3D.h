#pragma once
// The chart's 3D canvas: the oblique projection of chart points (x, y, z) to pixels and the
// primitives drawn through it, over a ChartCanvas target. z is depth in pixels, 0 = front.
//
// Between repaints the target is the window canvas given with SetWindowCanvas. A repaint runs
// BeginRepaint (view set-up, off-screen bitmap, target := the bitmap's canvas), then
// SetupProjection once the plot rectangle is final, the drawing, and EndRepaint (copies the
// bitmap to the window canvas, clears NeedsRedraw, target := the window canvas again).
//
// With the defaults (3D, orthogonal, Zoom 100, no offsets) Project(x, y, z) = (x + z, y - z).
#include <QImage>
#include <QRegion>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "chart/canvas/ChartCanvas.h"
#include "chart/canvas/QtOffscreenBitmap.h"

// The view settings a repaint starts from.
struct TView3DSettings {
  bool View3D = true;
  bool Orthogonal = true;
  int Zoom = 100;  // percent
  bool ZoomText = true;
  int HorizOffset = 0;
  int VertOffset = 0;
};

class TChartCanvas3D {
 public:
  static constexpr int SideDarkening = 128;
  static constexpr int TopDarkening = 64;

  TChartCanvas3D();
  ~TChartCanvas3D();
  TChartCanvas3D(const TChartCanvas3D&) = delete;
  TChartCanvas3D& operator=(const TChartCanvas3D&) = delete;

  // --- target ---
  // The canvas drawn on between repaints (and during them when not buffered); may be null.
  void SetWindowCanvas(ChartCanvas* canvas);
  ChartCanvas* WindowCanvas() const { return window_; }
  // The current target. Only valid while there is one (HasCanvas).
  ChartCanvas& Canvas() const { return *target_; }
  bool HasCanvas() const { return target_ != nullptr; }

  // --- off-screen bitmap ---
  // Buffered drawing (on by default): the repaint draws into the bitmap, then copies it.
  bool Buffered() const { return buffered_; }
  void SetBuffered(bool on);
  // A changed monochrome switch discards the bitmap and sets NeedsRedraw.
  bool Monochrome() const { return monochrome_; }
  void SetMonochrome(bool on);
  // The bitmap of the last repaint (null before the first buffered repaint).
  const QImage& Bitmap() const { return bitmap_.Image(); }
  // The bitmap for a writer that sets its pixels during the repaint, in order with what the
  // bitmap's canvas draws.
  QImage& BitmapPixels() { return bitmap_.Pixels(); }
  // The texts the bitmap's canvas has measured and drawn, for other Qt canvases of the repaint.
  TextCache* Texts() const { return bitmap_.Texts(); }
  // Whether the repaint is drawing into a colour bitmap now.
  bool DrawingIntoColourBitmap() const;
  // Runs draw with the target switched to another canvas (of the bitmap's size), with the same
  // projection; the target is put back however draw ends.
  void DrawOn(ChartCanvas& canvas, const std::function<void()>& draw);
  // True at creation, set by every repaint request, cleared by every buffered repaint.
  bool NeedsRedraw() const { return needsRedraw_; }
  void SetNeedsRedraw(bool on) { needsRedraw_ = on; }

  // --- repaint ---
  // 3D flag := View3D; orthogonal := false, ZoomScale := 1, text zoom off; in 3D: orthogonal :=
  // Orthogonal, ZoomScale := Zoom * 0.01, text zoom := ZoomText. Buffered: a bitmap whose size
  // differs from the client rectangle is discarded, a missing one is created (white, monochrome
  // when asked), and the target becomes the bitmap's canvas; gives PanelRect = (0, 0, w, h).
  // Not buffered: the target is the window canvas and PanelRect the client rectangle.
  TRect BeginRepaint(const TView3DSettings& view, const TRect& clientRect);
  // Projection centre := centre of the plot rectangle (div), origin := centre + the offsets.
  void SetupProjection(const TRect& plotRect);
  // Buffered: copies the bitmap to the window canvas (when there is one) at the client
  // rectangle's top-left corner and clears NeedsRedraw. The target becomes the window canvas.
  void EndRepaint();

  // --- view state ---
  bool Is3D() const { return is3D_; }
  bool IsOrthogonal() const { return orthogonal_; }
  double ZoomScale() const { return zoomScale_; }
  bool TextZoom() const { return textZoom_; }
  int ProjCenterX() const { return projCenterX_; }
  int ProjCenterY() const { return projCenterY_; }
  int ProjOriginX() const { return projOriginX_; }
  int ProjOriginY() const { return projOriginY_; }
  // FlatBegin clears the 3D flag (Project becomes the identity) until FlatEnd restores it.
  void FlatBegin();
  void FlatEnd();

  // --- projection ---
  // 3D: x' = Round((x - ProjCenterX + z) * ZoomScale) + ProjOriginX,
  //     y' = Round((y - ProjCenterY - z) * ZoomScale) + ProjOriginY (halves to even);
  // not 3D: (x, y). Allocates nothing. At a zoom of exactly 1 the product is a whole number,
  // which rounds to itself: the sum is taken in integers then (every point of every shape and
  // mark is projected).
  TPoint Project(int x, int y, int z) const {
    if (!is3D_) return {x, y};
    if (zoomScale_ == 1.0) return {x - projCenterX_ + z + projOriginX_, y - projCenterY_ - z + projOriginY_};
    return ProjectScaled(x, y, z);
  }
  TPoint Project(TPoint p, int z) const { return Project(p.X, p.Y, z); }
  // How many pixels right, and as many up, the projection moves a point from depth z0 to z1, the
  // same for every point (a 3D view, not zoomed); 0 when it does not move it so.
  int DiagonalDepth(int z0, int z1) const {
    if (!is3D_ || zoomScale_ != 1.0) return 0;
    const TPoint front = Project(0, 0, z0), back = Project(0, 0, z1);
    const int depth = back.X - front.X;
    return depth > 0 && back.Y - front.Y == -depth ? depth : 0;
  }
  // The chart point at depth z that projects to the screen pixel (x, y):
  // x = Round((x - ProjOriginX) / ZoomScale) + ProjCenterX - z, y likewise + z; a ZoomScale of 0
  // leaves the point unmoved; not 3D: (x, y).
  TPoint UnProject(int x, int y, int z) const;

  // --- polygons through the projection (pen outline, brush fill) ---
  // The rectangle's four corners at depth z.
  void RectAtZ(const TRect& r, int z);
  // (x, top, z0), (x, top, z1), (x, bottom, z1), (x, bottom, z0).
  void SidePlane(int x, int top, int bottom, int z0, int z1);
  // (left, y, z0), (right, y, z0), (right, y, z1), (left, y, z1).
  void FloorPlane(int left, int y, int right, int z0, int z1);
  // Four points at depth z.
  void QuadAtZ(TPoint p0, TPoint p1, TPoint p2, TPoint p3, int z);
  // A ribbon between two points: (a, z0), (b, z0), (b, z1), (a, z1).
  void PlaneWithZ(TPoint a, TPoint b, int z0, int z1);
  // The shaded box: front face, then the side face and the top face that turn towards the
  // viewer; with dark sides the side is DarkenColor(base, 128) and the top DarkenColor(base, 64).
  // The base is the brush colour when the brush is solid, else the background colour; the
  // darkened colours go to the brush (solid) or the background, and the last one stays.
  void Box(int left, int right, int top, int bottom, int z0, int z1, bool darkSides);
  // Each channel of the RGB value of base lowered by amount, to 0 when not larger than amount.
  static TColor DarkenColor(TColor base, int amount);

  // --- lines through the projection (end pixel left out) ---
  void MoveToZ(int x, int y, int z);
  void MoveToZ(TPoint p, int z) { MoveToZ(p.X, p.Y, z); }
  void LineToZ(int x, int y, int z);
  void LineToZ(TPoint p, int z) { LineToZ(p.X, p.Y, z); }
  void HorizLineZ(int left, int right, int y, int z);
  void VertLineZ(int x, int top, int bottom, int z);
  void DepthLine(int x, int y, int z0, int z1);

  // --- text through the projection ---
  // Text at the projected point, placed by the canvas' text alignment. With text zoom on and a
  // ZoomScale other than 1 the font is scaled for this one output (points: max(1,
  // Round(size * ZoomScale))) and restored afterwards.
  void TextOutZ(int x, int y, const QString& text, int z);
  // As TextOutZ, rotated counter-clockwise by angle degrees (90 or 270): the brush is cleared
  // (and stays clear), a rotated copy of the font is used for this output, the font restored.
  void RotatedTextOutZ(int x, int y, int angle, const QString& text, int z);

  // --- clipping ---
  // 3D: the outline of the projected box as a polygon clip region (replacing any other); in the
  // default view the hexagon (L, B), (L, T), (L + D, T - D), (R + D, T - D), (R + D, B - D),
  // (R, B). 2D: the rectangle (L + 1, T + 1, R, B - 1) intersected with the current region.
  void BoxClip(const TRect& r, int z0, int z1);
  // The pixels BoxClip lets through when no other clip is set.
  QRegion BoxClipRegion(const TRect& r, int z0, int z1) const;
  void Unclip() { target_->Unclip(); }

 private:
  // Fills and outlines the quadrilateral of four projected points (through the scratch polygon).
  void DrawQuad(TPoint a, TPoint b, TPoint c, TPoint d);
  // The font for one text output through the projection, scaled when text zoom asks for it.
  TCanvasFont ZoomedFont(const TCanvasFont& font) const;
  // Project's point at a zoom other than 1.
  TPoint ProjectScaled(int x, int y, int z) const;

  ChartCanvas* window_ = nullptr;
  ChartCanvas* target_ = nullptr;
  bool is3D_ = true;
  bool flatSaved3D_ = true;
  bool orthogonal_ = true;
  double zoomScale_ = 1.0;
  bool textZoom_ = false;
  int horizOffset_ = 0;
  int vertOffset_ = 0;
  int projCenterX_ = 0;
  int projCenterY_ = 0;
  int projOriginX_ = 0;
  int projOriginY_ = 0;
  bool buffered_ = true;
  bool monochrome_ = false;
  bool needsRedraw_ = true;
  TRect clientRect_;
  QtOffscreenBitmap bitmap_;
  TPoint quad_[4];

  // BoxClip's polygon in the 3D view.
  void BoxOutline(const TRect& r, int z0, int z1, TPoint (&pts)[6]) const;
};

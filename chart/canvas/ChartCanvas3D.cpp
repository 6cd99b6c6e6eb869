#include "chart/canvas/ChartCanvas3D.h"

#include <QPolygon>
#include <algorithm>

#include "chart/canvas/CanvasHints.h"
#include "platform/Rounding.h"

TChartCanvas3D::TChartCanvas3D() = default;

TChartCanvas3D::~TChartCanvas3D() = default;

void TChartCanvas3D::SetWindowCanvas(ChartCanvas* canvas) {
  if (target_ == window_) target_ = canvas;
  window_ = canvas;
}

void TChartCanvas3D::SetBuffered(bool on) {
  if (buffered_ == on) return;
  buffered_ = on;
  if (!on) bitmap_.Discard();
}

void TChartCanvas3D::SetMonochrome(bool on) {
  if (monochrome_ == on) return;
  monochrome_ = on;
  bitmap_.Discard();
  needsRedraw_ = true;
}

TRect TChartCanvas3D::BeginRepaint(const TView3DSettings& view, const TRect& clientRect) {
  is3D_ = view.View3D;
  orthogonal_ = false;
  zoomScale_ = 1.0;
  textZoom_ = false;
  if (is3D_) {
    orthogonal_ = view.Orthogonal;
    zoomScale_ = view.Zoom * 0.01;
    textZoom_ = view.ZoomText;
  }
  flatSaved3D_ = is3D_;
  horizOffset_ = view.HorizOffset;
  vertOffset_ = view.VertOffset;
  clientRect_ = clientRect;

  if (!buffered_) {
    target_ = window_;
    return clientRect;
  }
  // A painter needs at least one pixel to paint on.
  target_ = &bitmap_.Begin(std::max(1, clientRect.Width()), std::max(1, clientRect.Height()), monochrome_);
  return {0, 0, clientRect.Width(), clientRect.Height()};
}

bool TChartCanvas3D::DrawingIntoColourBitmap() const {
  return buffered_ && !monochrome_ && bitmap_.IsCanvas(target_);
}

void TChartCanvas3D::DrawOn(ChartCanvas& canvas, const std::function<void()>& draw) {
  struct Restore {
    ChartCanvas*& target;
    ChartCanvas* saved;
    ~Restore() { target = saved; }
  } restore{target_, target_};
  target_ = &canvas;
  draw();
}

void TChartCanvas3D::SetupProjection(const TRect& plotRect) {
  projCenterX_ = (plotRect.Left + plotRect.Right) / 2;
  projCenterY_ = (plotRect.Top + plotRect.Bottom) / 2;
  projOriginX_ = projCenterX_ + horizOffset_;
  projOriginY_ = projCenterY_ + vertOffset_;
}

void TChartCanvas3D::EndRepaint() {
  if (buffered_ && bitmap_.Drawing()) {
    bitmap_.End();
    if (window_ != nullptr) window_->DrawImage(clientRect_.Left, clientRect_.Top, bitmap_.Image());
    needsRedraw_ = false;
  }
  target_ = window_;
}

void TChartCanvas3D::FlatBegin() {
  flatSaved3D_ = is3D_;
  is3D_ = false;
}

void TChartCanvas3D::FlatEnd() { is3D_ = flatSaved3D_; }

TPoint TChartCanvas3D::ProjectScaled(int x, int y, int z) const {
  return {RoundHalfEven((x - projCenterX_ + z) * zoomScale_) + projOriginX_,
          RoundHalfEven((y - projCenterY_ - z) * zoomScale_) + projOriginY_};
}

TPoint TChartCanvas3D::UnProject(int x, int y, int z) const {
  if (!is3D_ || zoomScale_ == 0.0) return {x, y};
  double k = 1.0 / zoomScale_;
  return {RoundHalfEven((x - projOriginX_) * k) + projCenterX_ - z,
          RoundHalfEven((y - projOriginY_) * k) + projCenterY_ + z};
}

void TChartCanvas3D::DrawQuad(TPoint a, TPoint b, TPoint c, TPoint d) {
  quad_[0] = a;
  quad_[1] = b;
  quad_[2] = c;
  quad_[3] = d;
  target_->Polygon(quad_);
}

void TChartCanvas3D::RectAtZ(const TRect& r, int z) {
  DrawQuad(Project(r.Left, r.Top, z), Project(r.Right, r.Top, z), Project(r.Right, r.Bottom, z),
           Project(r.Left, r.Bottom, z));
}

void TChartCanvas3D::SidePlane(int x, int top, int bottom, int z0, int z1) {
  DrawQuad(Project(x, top, z0), Project(x, top, z1), Project(x, bottom, z1), Project(x, bottom, z0));
}

void TChartCanvas3D::FloorPlane(int left, int y, int right, int z0, int z1) {
  DrawQuad(Project(left, y, z0), Project(right, y, z0), Project(right, y, z1), Project(left, y, z1));
}

void TChartCanvas3D::QuadAtZ(TPoint p0, TPoint p1, TPoint p2, TPoint p3, int z) {
  DrawQuad(Project(p0, z), Project(p1, z), Project(p2, z), Project(p3, z));
}

void TChartCanvas3D::PlaneWithZ(TPoint a, TPoint b, int z0, int z1) {
  DrawQuad(Project(a, z0), Project(b, z0), Project(b, z1), Project(a, z1));
}

TColor TChartCanvas3D::DarkenColor(TColor base, int amount) {
  TColor rgb = ColorToRGB(base);
  auto lower = [amount](int channel) { return channel > amount ? channel - amount : 0; };
  return RGBColor(lower(RedOf(rgb)), lower(GreenOf(rgb)), lower(BlueOf(rgb)));
}

void TChartCanvas3D::Box(int left, int right, int top, int bottom, int z0, int z1, bool darkSides) {
  ChartCanvas& c = *target_;
  bool solid = c.Brush().Style == TBrushStyle::Solid;
  TColor base = solid ? c.Brush().Color : c.BackColor();
  auto shade = [&](int amount) {
    if (!darkSides) return;
    TColor dark = DarkenColor(base, amount);
    if (solid)
      c.SetBrushColor(dark);
    else
      c.SetBackColor(dark);
  };

  // The faces' upright edges stay upright in the projection, which moves a point across by its
  // x and depth only: the rows between the slanted edges at the top and at the bottom are all
  // alike, and the canvas may draw one of them and copy it.
  const int firstAlike = std::max(Project(left, top, z0).Y, Project(left, top, z1).Y) + 1;
  const int lastAlike = std::min(Project(left, bottom, z0).Y, Project(left, bottom, z1).Y) - 2;
  const int xs[4] = {Project(left, top, z0).X, Project(right, top, z0).X, Project(left, top, z1).X,
                     Project(right, top, z1).X};
  struct Repeat {
    CanvasHints* hints;
    ~Repeat() {
      if (hints != nullptr) hints->EndRepeatedRows();
    }
  } repeat{c.Hints()};
  if (repeat.hints != nullptr)
    repeat.hints->BeginRepeatedRows(firstAlike, lastAlike, *std::min_element(xs, xs + 4) - 1,
                                    *std::max_element(xs, xs + 4) + 1);

  RectAtZ({left, top, right, bottom}, z0);

  if (Project(right, bottom, z1).X > Project(right, bottom, z0).X) {
    shade(SideDarkening);
    SidePlane(right, top, bottom, z0, z1);
  } else if (Project(left, bottom, z1).X < Project(left, bottom, z0).X) {
    shade(SideDarkening);
    SidePlane(left, top, bottom, z0, z1);
  }

  if (Project(left, top, z1).Y < Project(right, top, z0).Y) {
    shade(TopDarkening);
    FloorPlane(left, top, right, z0, z1);
  }
}

void TChartCanvas3D::MoveToZ(int x, int y, int z) { target_->MoveTo(Project(x, y, z)); }

void TChartCanvas3D::LineToZ(int x, int y, int z) { target_->LineTo(Project(x, y, z)); }

void TChartCanvas3D::HorizLineZ(int left, int right, int y, int z) {
  MoveToZ(left, y, z);
  LineToZ(right, y, z);
}

void TChartCanvas3D::VertLineZ(int x, int top, int bottom, int z) {
  MoveToZ(x, top, z);
  LineToZ(x, bottom, z);
}

void TChartCanvas3D::DepthLine(int x, int y, int z0, int z1) {
  MoveToZ(x, y, z0);
  LineToZ(x, y, z1);
}

TCanvasFont TChartCanvas3D::ZoomedFont(const TCanvasFont& font) const {
  TCanvasFont f = font;
  if (textZoom_ && zoomScale_ != 1.0) {
    int points = std::max(1, RoundHalfEven(PixelsToPoints(font.Height) * zoomScale_));
    f.Height = PointsToPixels(points);
  }
  return f;
}

void TChartCanvas3D::TextOutZ(int x, int y, const QString& text, int z) {
  ChartCanvas& c = *target_;
  TPoint p = Project(x, y, z);
  if (!textZoom_ || zoomScale_ == 1.0) {
    c.TextOut(p.X, p.Y, text);
    return;
  }
  TCanvasFont saved = c.Font();
  c.SetFont(ZoomedFont(saved));
  c.TextOut(p.X, p.Y, text);
  c.SetFont(saved);
}

void TChartCanvas3D::RotatedTextOutZ(int x, int y, int angle, const QString& text, int z) {
  ChartCanvas& c = *target_;
  TPoint p = Project(x, y, z);
  c.SetBrushStyle(TBrushStyle::Clear);
  TCanvasFont saved = c.Font();
  TCanvasFont rotated = ZoomedFont(saved);
  rotated.Escapement = angle;
  c.SetFont(rotated);
  c.TextOut(p.X, p.Y, text);
  c.SetFont(saved);
}

void TChartCanvas3D::BoxClip(const TRect& r, int z0, int z1) {
  if (!is3D_) {
    target_->ClipRectangle({r.Left + 1, r.Top + 1, r.Right, r.Bottom - 1});
    return;
  }
  TPoint pts[6];
  BoxOutline(r, z0, z1, pts);
  target_->ClipPolygon(pts);
}

QRegion TChartCanvas3D::BoxClipRegion(const TRect& r, int z0, int z1) const {
  if (!is3D_) return QRegion(r.Left + 1, r.Top + 1, r.Right - r.Left - 1, r.Bottom - r.Top - 2);
  TPoint pts[6];
  BoxOutline(r, z0, z1, pts);
  QPolygon polygon;
  for (const TPoint& p : pts) polygon << QPoint(p.X, p.Y);
  return QRegion(polygon, Qt::OddEvenFill);
}

void TChartCanvas3D::BoxOutline(const TRect& r, int z0, int z1, TPoint (&pts)[6]) const {
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  TPoint rightTopFront = Project(R, T, z0);
  TPoint leftTopBack = Project(L, T, z1);
  TPoint rightBottomBack = Project(R, B, z1);
  pts[0] = Project(L, B, z0);
  pts[1] = Project(L, T, z0);
  pts[2] = rightTopFront.Y < leftTopBack.Y ? rightTopFront : leftTopBack;
  pts[3] = Project(R, T, z1);
  pts[4] = rightTopFront.X > rightBottomBack.X ? rightTopFront : rightBottomBack;
  pts[5] = Project(R, B, z0);
  // A view that turns the front's right edge left of its left edge: the outline starts there.
  if (pts[5].X < pts[0].X) {
    pts[0].X = pts[5].X;
    if (rightTopFront.Y < pts[0].Y) pts[0].Y = rightTopFront.Y;
  }
}

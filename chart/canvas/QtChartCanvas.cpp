#include "chart/canvas/QtChartCanvas.h"

#include <QFontMetrics>
#include <QPolygon>
#include <QRegion>
#include <algorithm>
#include <cstdlib>

#include "chart/raster/ImagePixels.h"
#include "chart/raster/TextCache.h"

namespace {

// The opaque pixel value of a colour, for the pixels written directly.
QRgb ToPixel(TColor c) {
  TColor rgb = ColorToRGB(c);
  return qRgb(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

QColor ToQColor(TColor c) { return QColor(ToPixel(c)); }

Qt::BrushStyle ToQtPattern(TBrushStyle s) {
  switch (s) {
    case TBrushStyle::Solid: return Qt::SolidPattern;
    case TBrushStyle::Clear: return Qt::NoBrush;
    case TBrushStyle::Horizontal: return Qt::HorPattern;
    case TBrushStyle::Vertical: return Qt::VerPattern;
    case TBrushStyle::FDiagonal: return Qt::FDiagPattern;
    case TBrushStyle::BDiagonal: return Qt::BDiagPattern;
    case TBrushStyle::Cross: return Qt::CrossPattern;
    case TBrushStyle::DiagCross: return Qt::DiagCrossPattern;
  }
  return Qt::NoBrush;
}

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }

// The smallest rectangle holding the points (right and bottom inclusive); not empty.
QRect BoundingBox(std::span<const TPoint> points) {
  QRect box(QPoint(points[0].X, points[0].Y), QPoint(points[0].X, points[0].Y));
  for (const TPoint& p : points.subspan(1)) {
    box.setLeft(std::min(box.left(), p.X));
    box.setRight(std::max(box.right(), p.X));
    box.setTop(std::min(box.top(), p.Y));
    box.setBottom(std::max(box.bottom(), p.Y));
  }
  return box;
}

// True when every point lies on one straight line: the polygon has no inside to fill.
bool Collinear(std::span<const TPoint> points) {
  const TPoint a = points.front();
  size_t k = 1;
  while (k < points.size() && points[k] == a) ++k;
  if (k == points.size()) return true;
  const long long dx = points[k].X - a.X, dy = points[k].Y - a.Y;
  for (size_t i = k + 1; i < points.size(); ++i) {
    if (dx * (points[i].Y - a.Y) != dy * (points[i].X - a.X)) return false;
  }
  return true;
}

// True when the four points are the corners of a rectangle with horizontal and vertical sides,
// in either turning order; box is then the pixels a fill covers: Left..Right-1, Top..Bottom-1.
bool AxisAlignedRectangle(std::span<const TPoint> p, TRect& box) {
  if (p.size() != 4) return false;
  const bool rowsFirst = p[0].Y == p[1].Y && p[1].X == p[2].X && p[2].Y == p[3].Y && p[3].X == p[0].X;
  const bool columnsFirst = p[0].X == p[1].X && p[1].Y == p[2].Y && p[2].X == p[3].X && p[3].Y == p[0].Y;
  if (!rowsFirst && !columnsFirst) return false;
  box = {std::min(p[0].X, p[2].X), std::min(p[0].Y, p[2].Y), std::max(p[0].X, p[2].X), std::max(p[0].Y, p[2].Y)};
  return true;
}

// The points as QPoints in a buffer that keeps its capacity from call to call.
const std::vector<QPoint>& ToQPoints(std::span<const TPoint> points, std::vector<QPoint>& buffer) {
  buffer.clear();
  for (const TPoint& p : points) buffer.emplace_back(p.X, p.Y);
  return buffer;
}

}  // namespace

QtChartCanvas::QtChartCanvas(QPaintDevice* device, TextCache* texts)
    : painter_(device), direct_(ImagePixels::For(device)), texts_(texts) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
}

ImagePixels* QtChartCanvas::Direct() { return PenMode() == TPenMode::Copy ? direct_.get() : nullptr; }

bool QtChartCanvas::FillDirect(const TRect& r) {
  ImagePixels* direct = Brush().Style == TBrushStyle::Solid ? Direct() : nullptr;
  if (direct != nullptr) direct->FillRect(ToQRect(r), ToPixel(Brush().Color));
  return direct != nullptr;
}

bool QtChartCanvas::FillPolygonDirect(std::span<const TPoint> points) {
  ImagePixels* direct = Brush().Style == TBrushStyle::Solid ? Direct() : nullptr;
  if (direct == nullptr) return false;
  // A polygon on one line has no inside: nothing to fill, and nothing for the painter either.
  if (Collinear(points)) return true;
  return direct->FillPolygon(ToQPoints(points, qpoints_), ToPixel(Brush().Color));
}

CanvasHints* QtChartCanvas::Hints() { return direct_ ? this : nullptr; }

void QtChartCanvas::LeaveOutRows(int top, int bottom) { direct_->SetSkippedRows(top, bottom); }

void QtChartCanvas::LeaveOutColumns(int left, int top, int bottom) { direct_->SetSkipped(top, bottom, left); }

void QtChartCanvas::LeaveOutCovered(const CoveredPixels* covered) { direct_->SetCovered(covered); }

// A thin outline and a fill set pixels within the corners' box only; a wide pen reaches beyond.
bool QtChartCanvas::Hidden(const QRect& box) {
  const ImagePixels* direct = Direct();
  return direct != nullptr && direct->Covered(box) && (!Pen().Draws() || ThinPen());
}

// Only solid colours written straight into the image repeat from row to row: a hatched brush, a
// dotted or wide pen, or a pen mode that mixes with the pixels below does not. A pair inside
// another repeats nothing, and its end ends the outer one early, after which all is drawn.
void QtChartCanvas::BeginRepeatedRows(int from, int to, int left, int right) {
  if (repeating_) return;
  ImagePixels* direct = Direct();
  const TBrushStyle brush = Brush().Style;
  repeating_ = direct != nullptr && (brush == TBrushStyle::Solid || brush == TBrushStyle::Clear) &&
               (!Pen().Draws() || (Pen().Style == TPenStyle::Solid && Pen().Width <= 1)) &&
               direct->BeginRepeatedRows(from, to, left, right);
}

void QtChartCanvas::EndRepeatedRows() {
  if (repeating_) direct_->EndRepeatedRows();
  repeating_ = false;
}

void QtChartCanvas::SyncDirectClip() {
  if (direct_) direct_->SetClip(painter_.hasClipping(), painter_.clipRegion());
}

QtChartCanvas::~QtChartCanvas() = default;

void QtChartCanvas::ApplyPenMode() {
  const QPainter::CompositionMode mode =
      PenMode() == TPenMode::NotXor ? QPainter::RasterOp_NotSourceXorDestination : QPainter::CompositionMode_SourceOver;
  if (mode == compositionMode_) return;
  painter_.setCompositionMode(mode);
  compositionMode_ = mode;
}

void QtChartCanvas::ApplyBrush() {
  const TCanvasBrush& b = Brush();
  Qt::BrushStyle style = ToQtPattern(b.Style);
  painter_.setBrush(style == Qt::NoBrush ? QBrush() : QBrush(ToQColor(b.Color), style));
  painter_.setBackgroundMode(BackMode() == TBackMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
  painter_.setBackground(ToQColor(BackColor()));
}

bool QtChartCanvas::ThinPen() const {
  return Pen().Style == TPenStyle::Dot || Pen().Width <= 1;
}

void QtChartCanvas::ApplyWidePen() {
  const TCanvasPen& p = Pen();
  QPen pen(ToQColor(p.Color), p.Width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(pen);
}

void QtChartCanvas::AddSegmentPixels(TPoint a, TPoint b) {
  int dx = b.X - a.X, dy = b.Y - a.Y;
  bool dotted = Pen().Style == TPenStyle::Dot;
  if (dx == 0 || dy == 0) {
    if (dotted) {
      // Dotted: every other pixel from a, without b, the rhythm going on from the segment before
      // (a dot where the phase is even).
      const int length = std::abs(dx + dy);
      const QPoint direction((dx > 0) - (dx < 0), (dy > 0) - (dy < 0));
      const int first = int(dotPhase_ & 1);
      if (first < length) dots_.push_back({QPoint(a.X, a.Y) + direction * first, direction * 2, (length - first + 1) / 2});
      dotPhase_ += unsigned(length);
      return;
    }
    // Solid: one run of pixels, a..b without b.
    if (dx == 0 && dy == 0) return;
    int x0 = dx < 0 ? b.X + 1 : a.X, x1 = dx < 0 ? a.X : b.X - (dx > 0);
    int y0 = dy < 0 ? b.Y + 1 : a.Y, y1 = dy < 0 ? a.Y : b.Y - (dy > 0);
    runs_.emplace_back(QPoint(x0, y0), QPoint(x1, y1));
    return;
  }
  // Otherwise one pixel per step along the major axis from a, stopping before b; the minor
  // coordinate follows the pixel nearest to the ideal line (integer error term).
  int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
  int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  if (!dotted && ax == ay) {
    // A diagonal, as every edge going into the depth of the 3D view: one pixel per step.
    dots_.push_back({QPoint(a.X, a.Y), QPoint(sx, sy), ax});
    return;
  }
  int x = a.X, y = a.Y;
  const bool xMajor = ax >= ay;
  const int major = xMajor ? ax : ay, minor = xMajor ? ay : ax;
  int* majorPos = xMajor ? &x : &y;
  int* minorPos = xMajor ? &y : &x;
  const int majorStep = xMajor ? sx : sy, minorStep = xMajor ? sy : sx;
  int err = major / 2;
  if (dotted) {
    for (int i = 0; i < major; ++i) {
      if ((dotPhase_++ & 1) == 0) pixels_.emplace_back(x, y);
      *majorPos += majorStep;
      err -= minor;
      if (err < 0) {
        *minorPos += minorStep;
        err += major;
      }
    }
    return;
  }
  // A solid line's pixels come in runs along the major axis, one per minor coordinate: a steep
  // line is a few tall columns, a flat one a few wide rows. The error term, never negative at a
  // run's start, says how many steps the run takes before the minor coordinate moves (minor > 0:
  // horizontal and vertical segments were runs above). A run of one pixel stays a pixel.
  for (int i = 0; i < major;) {
    // The line's steep pieces move by one column, and need no division.
    const int steps = std::min((minor == 1 ? err : err / minor) + 1, major - i);
    const TPoint first{x, y};
    *majorPos += (steps - 1) * majorStep;
    if (steps == 1)
      pixels_.emplace_back(x, y);
    else
      runs_.emplace_back(QPoint(std::min(first.X, x), std::min(first.Y, y)), QPoint(std::max(first.X, x), std::max(first.Y, y)));
    *majorPos += majorStep;
    err -= steps * minor;
    i += steps;
    if (err < 0) {
      *minorPos += minorStep;
      err += major;
    }
  }
}

void QtChartCanvas::StrokePath(std::span<const TPoint> points, bool closed) {
  if (points.size() < 2 || !Pen().Draws()) return;
  if (!ThinPen()) {
    ApplyWidePen();
    painter_.setBrush(Qt::NoBrush);
    const std::vector<QPoint>& q = ToQPoints(points, qpoints_);
    if (closed)
      painter_.drawPolygon(q.data(), static_cast<int>(q.size()));
    else
      painter_.drawPolyline(q.data(), static_cast<int>(q.size()));
    return;
  }
  // Thin and dotted pens set their pixels themselves: the end pixel of each segment is left out
  // whatever the direction, each pixel is set once, and the dots keep their rhythm from segment
  // to segment.
  pixels_.clear();
  runs_.clear();
  dots_.clear();
  dotPhase_ = 0;
  for (size_t i = 0; i + 1 < points.size(); ++i) AddSegmentPixels(points[i], points[i + 1]);
  if (closed) AddSegmentPixels(points.back(), points.front());
  const QRgb pixel = ToPixel(Pen().Color);
  if (ImagePixels* direct = Direct()) {
    direct->FillRects(runs_, pixel);
    direct->SetPixels(pixels_, pixel);
    direct->SetDots(dots_, pixel);
    return;
  }
  const QColor colour(pixel);
  for (const PixelDots& d : dots_) {
    for (int k = 0; k < d.Count; ++k) pixels_.push_back(d.First + d.Step * k);
  }
  if (!runs_.empty()) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(colour);
    painter_.drawRects(runs_.data(), static_cast<int>(runs_.size()));
  }
  if (!pixels_.empty()) {
    QPen pen(colour, 1);
    pen.setCosmetic(true);
    painter_.setPen(pen);
    painter_.drawPoints(pixels_.data(), static_cast<int>(pixels_.size()));
  }
}

void QtChartCanvas::DrawLine(TPoint a, TPoint b) {
  ApplyPenMode();
  TPoint seg[2] = {a, b};
  StrokePath(seg, false);
}

void QtChartCanvas::Polyline(std::span<const TPoint> points) {
  if (points.empty()) return;
  MoveTo(points.back());
  ApplyPenMode();
  StrokePath(points, false);
}

void QtChartCanvas::Polygon(std::span<const TPoint> points) {
  if (points.empty()) return;
  ApplyPenMode();
  if (Hidden(BoundingBox(points))) return;
  if (Brush().Style != TBrushStyle::Clear) {
    TRect box;
    const bool filled = AxisAlignedRectangle(points, box) ? FillDirect(box) : FillPolygonDirect(points);
    if (!filled && !Collinear(points)) {
      ApplyBrush();
      painter_.setPen(Qt::NoPen);
      const std::vector<QPoint>& q = ToQPoints(points, qpoints_);
      painter_.drawPolygon(q.data(), static_cast<int>(q.size()), Qt::OddEvenFill);
    }
  }
  StrokePath(points, true);
}

void QtChartCanvas::Rectangle(const TRect& r) {
  if (r.IsEmpty() || Hidden(QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)))) return;
  FillRect(r);
  ApplyPenMode();
  // The outline runs on the outermost pixels: columns Left and Right - 1, rows Top and Bottom - 1.
  if (r.Width() > 1 && r.Height() > 1) {
    TPoint corners[4] = {{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}};
    StrokePath(corners, true);
  } else {
    // A one-pixel strip: its pixels once each (a closed outline would retrace them).
    TPoint strip[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
    if (r.Width() == 1) strip[1].X = r.Left; else strip[1].Y = r.Top;
    StrokePath(strip, false);
  }
}

void QtChartCanvas::FillRect(const TRect& r) {
  if (r.IsEmpty() || Brush().Style == TBrushStyle::Clear) return;
  ApplyPenMode();
  if (FillDirect(r)) return;
  ApplyBrush();
  painter_.setPen(Qt::NoPen);
  painter_.drawRect(ToQRect(r));
}

const QFont& QtChartCanvas::CurrentQFont() {
  const TCanvasFont& f = Font();
  if (!fontValid_ || !(f == cachedFont_)) {
    qfont_ = LayoutFont(f.Name, f.Height);
    qfont_.setBold((f.Style & fsBold) != 0);
    qfont_.setItalic((f.Style & fsItalic) != 0);
    qfont_.setUnderline((f.Style & fsUnderline) != 0);
    qfont_.setStrikeOut((f.Style & fsStrikeOut) != 0);
    cachedFont_ = f;
    fontValid_ = true;
    fontTexts_ = texts_ != nullptr ? &texts_->For({f.Name, f.Height, f.Style, f.Escapement}, qfont_) : nullptr;
  }
  return qfont_;
}

FontTexts* QtChartCanvas::CurrentTexts() {
  CurrentQFont();
  return fontTexts_;
}

int QtChartCanvas::TextWidth(const QString& text) {
  if (FontTexts* t = CurrentTexts()) return t->Width(text);
  return QFontMetrics(CurrentQFont()).horizontalAdvance(text);
}

int QtChartCanvas::TextHeight(const QString&) {
  if (FontTexts* t = CurrentTexts()) return t->Height();
  QFontMetrics fm(CurrentQFont());
  return fm.ascent() + fm.descent();
}

const TextGlyphs* QtChartCanvas::DirectTextPixels(const QString& text) {
  FontTexts* t = CurrentTexts();
  if (t == nullptr || direct_ == nullptr || Font().Escapement != 0) return nullptr;
  return t->Pixels(text);
}

TRect QtChartCanvas::TextPixelBounds(int x, int y, const QString& text) {
  const TextGlyphs* glyphs = DirectTextPixels(text);
  if (glyphs == nullptr) return ChartCanvas::TextPixelBounds(x, y, text);
  const int w = TextWidth(text), h = TextHeight(text);
  const TPoint cell = TextCellTopLeft(x, y, w, h);
  QRect bounds = glyphs->Bounds;
  if (BackMode() == TBackMode::Opaque && Brush().Style != TBrushStyle::Clear) bounds |= QRect(0, 0, w, h);
  bounds.translate(cell.X, cell.Y);
  return {bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1};
}

bool QtChartCanvas::TextOutDirect(int left, int top, const QString& text) {
  const TextGlyphs* glyphs = DirectTextPixels(text);
  if (glyphs == nullptr) return false;
  FontTexts* t = CurrentTexts();
  if (BackMode() == TBackMode::Opaque && Brush().Style != TBrushStyle::Clear)
    direct_->FillRect(QRect(left, top, t->Width(text), t->Height()), ToPixel(BackColor()));
  direct_->FillRectsMoved(glyphs->Runs, glyphs->Bounds, QPoint(left, top), ToPixel(Font().Color));
  return true;
}

void QtChartCanvas::TextOut(int x, int y, const QString& text) {
  const int w = TextWidth(text);
  const int h = TextHeight(text);
  // The text cell's top-left corner relative to the reference point, in the text's own frame.
  const TPoint cell = TextCellTopLeft(0, 0, w, h);
  const int dx = cell.X, dy = cell.Y;
  if (TextOutDirect(x + dx, y + dy, text)) return;
  const QFont& font = CurrentQFont();
  QFontMetrics fm(font);

  painter_.save();
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.translate(x, y);
  // Escapement turns counter-clockwise on the screen; Qt's rotation turns clockwise.
  if (Font().Escapement != 0) painter_.rotate(-Font().Escapement);
  if (BackMode() == TBackMode::Opaque && Brush().Style != TBrushStyle::Clear)
    painter_.fillRect(QRect(dx, dy, w, h), ToQColor(BackColor()));
  // The background, when there is one, is the rectangle just filled; the painter's own
  // background mode is whatever the last fill left and must not add another.
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setFont(font);
  painter_.setPen(ToQColor(Font().Color));
  painter_.drawText(dx, dy + fm.ascent(), text);
  painter_.restore();
}

// A repaint clips to the same box for each series and its marks: the region of the last polygon
// is kept, as making it costs more than drawing a few bars.
void QtChartCanvas::ClipPolygon(std::span<const TPoint> points) {
  const std::vector<QPoint>& q = ToQPoints(points, qpoints_);
  if (!std::equal(q.begin(), q.end(), clipPolygon_.begin(), clipPolygon_.end())) {
    clipPolygon_ = QPolygon(QList<QPoint>(q.begin(), q.end()));
    clipPolygonRegion_ = QRegion(clipPolygon_, Qt::OddEvenFill);
  }
  painter_.setClipRegion(clipPolygonRegion_, Qt::ReplaceClip);
  SyncDirectClip();
}

void QtChartCanvas::ClipRectangle(const TRect& r) {
  painter_.setClipRect(ToQRect(r), painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
  SyncDirectClip();
}

// Clearing the region through NoClip (not setClipping(false)) lets a later ReplaceClip take effect again.
void QtChartCanvas::Unclip() {
  painter_.setClipRegion(QRegion(), Qt::NoClip);
  SyncDirectClip();
}

void QtChartCanvas::DrawImage(int x, int y, const QImage& image) {
  painter_.setCompositionMode(QPainter::CompositionMode_Source);
  compositionMode_ = QPainter::CompositionMode_Source;
  painter_.drawImage(x, y, image);
}

#pragma once
// Opaque pixels written straight into a 32-bit QImage, inside the clip region the painter has:
// the same pixels QPainter sets for axis-aligned solid rectangles, one-pixel points and solid
// polygons without antialiasing, without the painter's cost per call. The chart's thin outlines
// are made of such runs and pixels, many thousands of them per repaint, and its 3D faces of
// such polygons.
#include <QImage>
#include <QRect>
#include <QRegion>
#include <array>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "chart/raster/CoveredPixels.h"
#include "chart/raster/PolygonSpans.h"

// Pixels evenly spaced along a row, a column or a diagonal, as a dotted pen or a diagonal line sets
// them: Count pixels from First, each Step on from the one before.
struct PixelDots {
  QPoint First, Step;
  int Count;
};

class ImagePixels {
 public:
  // The writer for a paint device that is a 32-bit image; null for any other device, whose
  // pixels only a painter can set.
  static std::unique_ptr<ImagePixels> For(QPaintDevice* device);
  explicit ImagePixels(QImage& image);

  // Limits the writes to the region (image pixels); an empty region with clipping off is the
  // whole image.
  void SetClip(bool clipping, const QRegion& region);

  // Leaves the rows top..bottom out of every write from now on (none when top > bottom): what is
  // drawn there will be painted over.
  void SetSkippedRows(int top, int bottom) { SetSkipped(top, bottom, kNoColumn); }
  // Leaves the pixels from column left rightwards in the rows top..bottom out of every write from
  // now on, in place of any left out before.
  void SetSkipped(int top, int bottom, int left) {
    skipTop_ = top;
    skipBottom_ = bottom;
    skipLeft_ = left;
  }

  // Until EndRepeatedRows, the rows from+1..to are left out of every write, and row from's pixels
  // in the columns left..right are then copied to them: the drawing in between must set the same
  // pixels in each of those rows as in row from, in opaque colours, and no others there. Only the
  // rows down to the end of row from's band of the clip repeat. Pixels left out from a column on
  // are written again from now on, as the copy costs less than leaving them out row by row.
  // False, with nothing changed, where it cannot be done: while whole rows are left out, or with
  // a covered pixel in row from there.
  bool BeginRepeatedRows(int from, int to, int left, int right);
  void EndRepeatedRows();

  // Leaves the covered pixels out of every write from now on, or none when null or when they
  // are not the image's size: they will be painted over. The pixels must outlive their use.
  void SetCovered(const CoveredPixels* covered) {
    covered_ = covered != nullptr && covered->Width() == width_ && covered->Height() == height_ ? covered : nullptr;
  }

  // Whether the covered pixels include every pixel of the rectangle in the image: nothing
  // drawn there stays.
  bool Covered(const QRect& r) const {
    return covered_ != nullptr && covered_->Covers({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
  }

  // Each rectangle's pixels, left() to right() and top() to bottom(), in the colour.
  void FillRects(std::span<const QRect> rects, QRgb colour);
  void FillRect(const QRect& rect, QRgb colour) { FillRects({&rect, 1}, colour); }
  // FillRects of the rectangles moved by offset; reach bounds them before the move. A text's
  // glyph runs are such rectangles, drawn again and again in other places.
  void FillRectsMoved(std::span<const QRect> rects, const QRect& reach, QPoint offset, QRgb colour);
  // The single pixels in the colour.
  void SetPixels(std::span<const QPoint> pixels, QRgb colour);
  using Dots = PixelDots;
  void SetDots(std::span<const Dots> dots, QRgb colour);
  // The pixels the painter fills for the polygon (odd-even rule, no outline, no antialiasing,
  // no transformation); false, with nothing written, when a corner lies beyond the coordinates
  // PolygonSpans handles.
  bool FillPolygon(std::span<const QPoint> points, QRgb colour);

 private:
  struct Span {
    int Left, Right;  // inclusive
  };
  // The spans of row y that may be written, left to right.
  std::span<const Span> Row(int y) const {
    return {spans_.data() + rowStart_[size_t(y)], spans_.data() + rowStart_[size_t(y) + 1]};
  }
  QRgb* Line(int y) const { return reinterpret_cast<QRgb*>(bits_ + y * stride_); }
  // Whether p is an image pixel among the covered ones.
  bool CoveredPixel(QPoint p) const {
    return covered_ != nullptr && p.x() >= 0 && p.x() < width_ && p.y() >= 0 && p.y() < height_ &&
           covered_->IsCovered(p.x(), p.y());
  }
  // The pixel in the colour, unless it is left out or clipped away.
  void SetPixel(QPoint p, QRgb colour);
  // Row y's pixels left..right (inclusive) that the clip lets through, in the colour.
  void FillRow(int y, int left, int right, QRgb colour);
  // Row y's pixels a..b (inclusive), all inside the writable pixels, in the colour.
  void FillRunInside(int y, int a, int b, QRgb colour);
  // The rectangle's pixels, all inside the writable pixels, in the colour.
  void FillInside(const QRect& r, QRgb colour);
  // FillInside's pixels that are not covered.
  void FillUncovered(const QRect& r, QRgb colour);
  // Whether no pixel of r (inclusive) is left out.
  bool NoneSkipped(const QRect& r) const {
    return skipTop_ > skipBottom_ || r.bottom() < skipTop_ || r.top() > skipBottom_ || r.right() < skipLeft_;
  }
  // Whether p is left out.
  bool Skipped(QPoint p) const { return p.y() >= skipTop_ && p.y() <= skipBottom_ && p.x() >= skipLeft_; }
  // The rows top..bottom less those left out, each stretch with the last column written in it:
  // the stretches above, below and beside what is left out (any may be empty, From > To), or
  // the whole when none is left out there.
  struct Stretch {
    int From, To, LastColumn;
  };
  std::array<Stretch, 3> RowsWritten(int top, int bottom) const {
    const Stretch none{1, 0, 0};
    if (skipTop_ > skipBottom_ || bottom < skipTop_ || top > skipBottom_) return {{{top, bottom, kAnyColumn}, none, none}};
    const Stretch beside{std::max(top, skipTop_), std::min(bottom, skipBottom_), skipLeft_ - 1};
    return {{{top, skipTop_ - 1, kAnyColumn}, {skipBottom_ + 1, bottom, kAnyColumn}, skipLeft_ == kNoColumn ? none : beside}};
  }
  // The rectangle's pixels that the clip lets through, in the colour.
  void FillClipped(const QRect& r, QRgb colour);
  // FillClipped's pixels when the clip has several rectangles and r is not inside an inner one.
  void FillBands(const QRect& r, QRgb colour);
  // Sets inner_ from the clip's rectangles.
  void FindInnerRects();
  // Whether r (not empty) lies wholly inside one of inner_.
  bool InInner(const QRect& r) const;

  std::vector<QRect> moved_;  // FillRectsMoved's rectangles in place, where the clip decides
  uchar* bits_;
  qsizetype stride_;
  int width_, height_;
  // When the writable pixels are one rectangle (no clip, or a clip of one rectangle), that
  // rectangle, and the rows need not be looked up; empty when nothing may be written.
  bool oneRect_ = true;
  QRect bounds_;                  // the writable pixels' bounding rectangle
  // Two large rectangles of writable pixels (bounds_ and none when they are one): a write wholly
  // inside either needs no look-up of the clip's rectangles or spans.
  std::array<QRect, 2> inner_;
  std::vector<size_t> rowStart_;  // rowStart_[y] .. rowStart_[y + 1]: row y's spans in spans_
  std::vector<Span> spans_;
  // The clip's rectangles cut to the image, in the region's bands from top to bottom (the bands
  // do not overlap, so their bottoms rise too): a tall rectangle meets few of them.
  std::vector<QRect> clipRects_;
  PolygonSpans polygon_;
  // Farther left and right than any pixel: a whole row left out starts at kNoColumn.
  static constexpr int kNoColumn = -(1 << 30), kAnyColumn = 1 << 30;
  int skipTop_ = 1, skipBottom_ = 0;  // the rows left out, none when skipTop_ > skipBottom_
  int skipLeft_ = kNoColumn;          // and in them, the pixels from this column rightwards
  const CoveredPixels* covered_ = nullptr;  // the pixels left out, none when null
  // The repeated rows while repeating: row From's pixels Left..Right as they were before.
  struct Repeat {
    bool On = false;
    int From = 0, To = 0, Left = 0, Right = 0;
    std::vector<QRgb> Before;
  } repeat_;
};

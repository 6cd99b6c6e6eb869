#include "chart/raster/ImagePixels.h"

#include <algorithm>
#include <cwchar>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// 4 to 8 pixels from p in the colour: two stores, the second overlapping the first.
inline void FillFourToEight(QRgb* p, int n, QRgb colour) {
#if defined(__SSE2__)
  const __m128i four = _mm_set1_epi32(int(colour));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(p), four);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(p + n - 4), four);
#else
  std::fill(p, p + n, colour);
#endif
}

// n pixels from p in the colour. Most runs are short (a column of an outline, a thin bar, a row
// of a side face), where the set-up of the library's fill for long runs costs more than the
// stores: four pixels per store, the last store overlapping the one before, and up to three
// pixels one by one.
inline void FillRun(QRgb* p, int n, QRgb colour) {
#if defined(__SSE2__)
  if (n >= 64) {
    wmemset(reinterpret_cast<wchar_t*>(p), wchar_t(colour), size_t(n));
    return;
  }
  if (n <= 8 && n >= 4) {
    FillFourToEight(p, n, colour);
    return;
  }
  if (n >= 4) {
    const __m128i four = _mm_set1_epi32(int(colour));
    QRgb* const last = p + n - 4;
    for (; p < last; p += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(p), four);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(last), four);
    return;
  }
  switch (n) {
    case 3: p[2] = colour; [[fallthrough]];
    case 2: p[1] = colour; [[fallthrough]];
    case 1: p[0] = colour; [[fallthrough]];
    default: break;
  }
#else
  std::fill(p, p + n, colour);
#endif
}

// The n pixels from `from` into the same columns of each row from `first` down to `last`, step
// pixels apart, the same way: the runs of a repeated row are short, and a call of the library's
// copy for each row would cost more than the copy. Up to 16 pixels are read once, into registers.
inline void CopyDown(const QRgb* from, int n, QRgb* first, const QRgb* last, qsizetype step) {
#if defined(__SSE2__)
  const auto load = [from](int k) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + k)); };
  const auto store = [](QRgb* to, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(to), v); };
  if (n >= 4 && n <= 8) {
    const __m128i a = load(0), b = load(n - 4);
    for (QRgb* to = first; to <= last; to += step) {
      store(to, a);
      store(to + n - 4, b);
    }
    return;
  }
  if (n >= 4 && n <= 16) {
    const __m128i a = load(0), b = load(4), c = load(std::min(8, n - 4)), d = load(n - 4);
    for (QRgb* to = first; to <= last; to += step) {
      store(to, a);
      store(to + 4, b);
      store(to + std::min(8, n - 4), c);
      store(to + n - 4, d);
    }
    return;
  }
  if (n >= 4) {
    for (QRgb* to = first; to <= last; to += step) {
      for (int k = 0; k < n - 4; k += 4) store(to + k, load(k));
      store(to + n - 4, load(n - 4));
    }
    return;
  }
#endif
  for (QRgb* to = first; to <= last; to += step) std::copy(from, from + n, to);
}

// The pixels two rectangles share (empty when none), inline: the library's operator& is a call,
// made for every run of every outline and glyph.
inline QRect Shared(const QRect& a, const QRect& b) {
  return QRect(QPoint(std::max(a.left(), b.left()), std::max(a.top(), b.top())),
               QPoint(std::min(a.right(), b.right()), std::min(a.bottom(), b.bottom())));
}

// Whether the pixel, or every pixel of the rectangle (not empty), lies in the rectangle, inline:
// the library's contains is a call.
inline bool Inside(const QRect& outer, QPoint p) {
  return p.x() >= outer.left() && p.x() <= outer.right() && p.y() >= outer.top() && p.y() <= outer.bottom();
}
inline bool Inside(const QRect& outer, const QRect& r) {
  return r.left() <= r.right() && r.top() <= r.bottom() && Inside(outer, r.topLeft()) && Inside(outer, r.bottomRight());
}

}  // namespace

inline bool ImagePixels::InInner(const QRect& r) const { return Inside(inner_[0], r) || Inside(inner_[1], r); }

std::unique_ptr<ImagePixels> ImagePixels::For(QPaintDevice* device) {
  if (device == nullptr || device->devType() != QInternal::Image) return nullptr;
  auto* image = static_cast<QImage*>(device);
  switch (image->format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
      return std::make_unique<ImagePixels>(*image);
    default:
      return nullptr;
  }
}

// The painter has begun on the image, so the image is not shared and bits() does not copy it.
ImagePixels::ImagePixels(QImage& image)
    : bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()), height_(image.height()) {
  SetClip(false, QRegion());
}

void ImagePixels::SetClip(bool clipping, const QRegion& region) {
  const QRect image(0, 0, width_, height_);
  rowStart_.assign(size_t(height_) + 1, 0);
  spans_.clear();
  if (!clipping) {
    oneRect_ = true;
    bounds_ = image;
    inner_ = {image, QRect()};
    return;
  }
  bounds_ = region.boundingRect() & image;
  inner_ = {bounds_, QRect()};
  oneRect_ = region.rectCount() <= 1;
  clipRects_.clear();
  if (oneRect_) return;
  for (const QRect& r : region) {
    if (const QRect inside = r & image; !inside.isEmpty()) clipRects_.push_back(inside);
  }
  FindInnerRects();
  // A region's rectangles come in bands from top to bottom, left to right within a band, and do
  // not overlap: counted per row first, then placed, each row's spans stay in order.
  auto rows = [this](const QRect& r) { return std::pair{std::max(r.top(), 0), std::min(r.bottom(), height_ - 1)}; };
  auto columns = [this](const QRect& r) { return Span{std::max(r.left(), 0), std::min(r.right(), width_ - 1)}; };
  for (const QRect& r : region) {
    if (columns(r).Left > columns(r).Right) continue;
    for (int y = rows(r).first; y <= rows(r).second; ++y) ++rowStart_[size_t(y) + 1];
  }
  for (size_t y = 1; y < rowStart_.size(); ++y) rowStart_[y] += rowStart_[y - 1];
  spans_.resize(rowStart_.back());
  std::vector<size_t> next(rowStart_.begin(), rowStart_.end() - 1);
  for (const QRect& r : region) {
    const Span s = columns(r);
    if (s.Left > s.Right) continue;
    for (int y = rows(r).first; y <= rows(r).second; ++y) spans_[next[size_t(y)]++] = s;
  }
}

// The rectangles made of neighbouring bands of one rectangle each, over the columns they all let
// through: a 3D box's clip, a hexagon, holds its front and its back face and its middle band so.
// The largest, and the largest of the others not inside it.
void ImagePixels::FindInnerRects() {
  inner_ = {QRect(), QRect()};
  const auto area = [](const QRect& r) { return r.isEmpty() ? qint64(0) : qint64(r.width()) * r.height(); };
  const auto single = [this](size_t k) {
    return (k == 0 || clipRects_[k - 1].top() != clipRects_[k].top()) &&
           (k + 1 == clipRects_.size() || clipRects_[k + 1].top() != clipRects_[k].top());
  };
  std::vector<QRect> candidates;
  constexpr size_t kMostBands = 64;  // beyond, only the bands themselves
  for (size_t i = 0; i < clipRects_.size(); ++i) {
    QRect joined = clipRects_[i];
    candidates.push_back(joined);
    if (!single(i) || clipRects_.size() > kMostBands) continue;
    for (size_t j = i + 1; j < clipRects_.size() && single(j) && clipRects_[j].top() == joined.bottom() + 1; ++j) {
      joined = QRect(QPoint(std::max(joined.left(), clipRects_[j].left()), joined.top()),
                     QPoint(std::min(joined.right(), clipRects_[j].right()), clipRects_[j].bottom()));
      if (joined.isEmpty()) break;
      candidates.push_back(joined);
    }
  }
  for (const QRect& c : candidates)
    if (area(c) > area(inner_[0])) inner_[0] = c;
  for (const QRect& c : candidates)
    if (!Inside(inner_[0], c) && area(c) > area(inner_[1])) inner_[1] = c;
}

inline void ImagePixels::FillRunInside(int y, int a, int b, QRgb colour) {
  QRgb* line = Line(y);
  if (covered_ == nullptr) {
    FillRun(line + a, b - a + 1, colour);
    return;
  }
  covered_->ForEachUncoveredRun(y, a, b, [&](int from, int to) { FillRun(line + from, to - from + 1, colour); });
}

inline void ImagePixels::FillRow(int y, int left, int right, QRgb colour) {
  if (oneRect_) {
    const int a = std::max(left, bounds_.left()), b = std::min(right, bounds_.right());
    if (a <= b) FillRunInside(y, a, b, colour);
    return;
  }
  if (InInner(QRect(QPoint(left, y), QPoint(right, y)))) {
    FillRunInside(y, left, right, colour);
    return;
  }
  for (const Span& s : Row(y)) {
    if (s.Left > right) break;
    const int a = std::max(left, s.Left), b = std::min(right, s.Right);
    if (a <= b) FillRunInside(y, a, b, colour);
  }
}

// Column by column: a covered stretch costs one look-up however long it is, and an uncovered one
// is found by the covered bits down to its end, which the CPU reads ahead (each look-up waits for
// the one before, a bit does not), and then written. Found first and written after, the bits and
// the bounds are not read again after every pixel written, as the compiler would have to.
void ImagePixels::FillUncovered(const QRect& r, QRgb colour) {
  const qsizetype step = stride_ / qsizetype(sizeof(QRgb));
  const int left = r.left(), right = r.right(), top = r.top(), bottom = r.bottom();
  const CoveredPixels& covered = *covered_;
  for (int x = left; x <= right; ++x) {
    QRgb* column = reinterpret_cast<QRgb*>(bits_) + x;
    for (int y = covered.NextUncovered(x, top); y <= bottom;) {
      int end = y + 1;
      while (end <= bottom && !covered.IsCovered(x, end)) ++end;
      for (QRgb* p = column + y * step; y < end; ++y, p += step) *p = colour;
      if (end > bottom) break;
      y = covered.NextUncovered(x, end);
    }
  }
}

inline void ImagePixels::FillInside(const QRect& r, QRgb colour) {
  if (covered_ != nullptr) {
    FillUncovered(r, colour);
    return;
  }
  // The rectangle's sizes are read once: a store into the pixels might write them, as far as the
  // compiler knows, and it would read them again for every row.
  const qsizetype step = stride_ / qsizetype(sizeof(QRgb));
  const int rows = r.height(), width = r.width();
  QRgb* p = Line(r.top()) + r.left();
  if (width == 1) {
    // An outline's tall column: four rows a step.
    int k = 0;
    for (; k + 4 <= rows; k += 4, p += 4 * step) {
      p[0] = colour;
      p[step] = colour;
      p[2 * step] = colour;
      p[3 * step] = colour;
    }
    for (; k < rows; ++k, p += step) *p = colour;
  } else if (width >= 4 && width <= 8) {
    // The rows of a thin face, as of a steep piece of the line: four rows a step.
    int k = 0;
    for (; k + 4 <= rows; k += 4, p += 4 * step) {
      FillFourToEight(p, width, colour);
      FillFourToEight(p + step, width, colour);
      FillFourToEight(p + 2 * step, width, colour);
      FillFourToEight(p + 3 * step, width, colour);
    }
    for (; k < rows; ++k, p += step) FillFourToEight(p, width, colour);
  } else {
    for (int k = 0; k < rows; ++k, p += step) FillRun(p, width, colour);
  }
}

[[gnu::always_inline]] inline void ImagePixels::FillClipped(const QRect& r, QRgb colour) {
  if (oneRect_) {
    // Inside one rectangle every row gets the same columns.
    if (const QRect inside = Shared(r, bounds_); !inside.isEmpty()) FillInside(inside, colour);
    return;
  }
  if (InInner(r)) {
    FillInside(r, colour);
    return;
  }
  FillBands(r, colour);
}

// The clip's rectangles from the first band that reaches r's top row, until one starts below r.
// Bands next to each other that let all of r's columns through are written as one: a slanted
// edge of the clip makes bands of one row, and a tall run would otherwise be written row by row.
void ImagePixels::FillBands(const QRect& r, QRgb colour) {
  auto it = std::lower_bound(clipRects_.begin(), clipRects_.end(), r.top(),
                             [](const QRect& c, int top) { return c.bottom() < top; });
  int top = 0, bottom = -1;  // the rows of such bands so far, none when top > bottom
  const auto flush = [&] {
    if (top <= bottom) FillInside(QRect(QPoint(r.left(), top), QPoint(r.right(), bottom)), colour);
  };
  for (; it != clipRects_.end() && it->top() <= r.bottom(); ++it) {
    const QRect inside = Shared(r, *it);
    if (inside.isEmpty()) continue;
    const bool whole = inside.left() == r.left() && inside.right() == r.right();
    if (whole && top <= bottom && inside.top() == bottom + 1) {
      bottom = inside.bottom();
      continue;
    }
    flush();
    top = 0;
    bottom = -1;
    if (whole) {
      top = inside.top();
      bottom = inside.bottom();
    } else {
      FillInside(inside, colour);
    }
  }
  flush();
}

void ImagePixels::FillRects(std::span<const QRect> rects, QRgb colour) {
  if (skipTop_ > skipBottom_) {
    for (const QRect& r : rects) FillClipped(r, colour);
    return;
  }
  for (const QRect& r : rects) {
    for (const Stretch& s : RowsWritten(r.top(), r.bottom()))
      if (s.From <= s.To && r.left() <= std::min(r.right(), s.LastColumn))
        FillClipped(QRect(QPoint(r.left(), s.From), QPoint(std::min(r.right(), s.LastColumn), s.To)), colour);
  }
}

// Moved inside an inner writable rectangle, with nothing left out or covered there, every
// rectangle is written as it is; otherwise the clip decides for each.
void ImagePixels::FillRectsMoved(std::span<const QRect> rects, const QRect& reach, QPoint offset, QRgb colour) {
  const QRect moved = reach.translated(offset);
  if (moved.isEmpty()) return;
  if (covered_ == nullptr && NoneSkipped(moved) && InInner(moved)) {
    for (const QRect& r : rects) FillInside(r.translated(offset), colour);
    return;
  }
  moved_.clear();
  for (const QRect& r : rects) moved_.push_back(r.translated(offset));
  FillRects(moved_, colour);
}

inline void ImagePixels::SetPixel(QPoint p, QRgb colour) {
  if (Skipped(p) || CoveredPixel(p)) return;
  // With one writable rectangle, that rectangle is the inner one.
  if (InInner(QRect(p, p))) {
    Line(p.y())[p.x()] = colour;
    return;
  }
  if (oneRect_ || p.y() < 0 || p.y() >= height_) return;
  for (const Span& s : Row(p.y())) {
    if (p.x() < s.Left) break;
    if (p.x() <= s.Right) {
      Line(p.y())[p.x()] = colour;
      break;
    }
  }
}

void ImagePixels::SetPixels(std::span<const QPoint> pixels, QRgb colour) {
  for (const QPoint& p : pixels) SetPixel(p, colour);
}

// A run of dots wholly inside an inner writable rectangle, with no row of it left out and no
// pixel covered, is written without asking of each dot (the grid's lines and the outlines'
// diagonals are such runs).
void ImagePixels::SetDots(std::span<const Dots> dots, QRgb colour) {
  for (const Dots& d : dots) {
    if (d.Count <= 0) continue;
    const QPoint last = d.First + d.Step * (d.Count - 1);
    const int top = std::min(d.First.y(), last.y()), bottom = std::max(d.First.y(), last.y());
    const QRect reach(QPoint(std::min(d.First.x(), last.x()), top), QPoint(std::max(d.First.x(), last.x()), bottom));
    if (covered_ == nullptr && NoneSkipped(reach) && InInner(reach)) {
      const qsizetype step = d.Step.y() * (stride_ / qsizetype(sizeof(QRgb))) + d.Step.x();
      QRgb* p = Line(d.First.y()) + d.First.x();
      for (int k = 0; k < d.Count; ++k, p += step) *p = colour;
      continue;
    }
    QPoint p = d.First;
    for (int k = 0; k < d.Count; ++k, p += d.Step) SetPixel(p, colour);
  }
}

// Row from's pixels there are cleared to zero, which no opaque colour is: afterwards the zero
// ones were not written and get their old value back, and the others are what the rows below
// get too.
bool ImagePixels::BeginRepeatedRows(int from, int to, int left, int right) {
  if (repeat_.On || (skipTop_ <= skipBottom_ && skipLeft_ == kNoColumn)) return false;
  from = std::max(from, bounds_.top());
  to = std::min(to, bounds_.bottom());
  if (!oneRect_) {
    // The rows of one band of the clip let the same columns through.
    const auto band = std::lower_bound(clipRects_.begin(), clipRects_.end(), from,
                                       [](const QRect& c, int top) { return c.bottom() < top; });
    if (band == clipRects_.end() || band->top() > from) return false;
    to = std::min(to, band->bottom());
  }
  left = std::max(left, bounds_.left());
  right = std::min(right, bounds_.right());
  if (from >= to || left > right) return false;
  if (covered_ != nullptr) {
    bool open = false;
    covered_->ForEachUncoveredRun(from, left, right, [&](int a, int b) { open = a == left && b == right; });
    if (!open) return false;
  }
  QRgb* row = Line(from);
  repeat_.Before.assign(row + left, row + right + 1);
  std::fill(row + left, row + right + 1, QRgb{0});
  repeat_.On = true;
  repeat_.From = from;
  repeat_.To = to;
  repeat_.Left = left;
  repeat_.Right = right;
  SetSkippedRows(from + 1, to);
  return true;
}

void ImagePixels::EndRepeatedRows() {
  if (!repeat_.On) return;
  repeat_.On = false;
  SetSkippedRows(1, 0);
  QRgb* row = Line(repeat_.From);
  const qsizetype step = stride_ / qsizetype(sizeof(QRgb));
  for (int x = repeat_.Left; x <= repeat_.Right;) {
    if (row[x] == 0) {
      row[x] = repeat_.Before[size_t(x - repeat_.Left)];
      ++x;
      continue;
    }
    const int start = x;
    while (x <= repeat_.Right && row[x] != 0) ++x;
    CopyDown(row + start, x - start, row + start + step, Line(repeat_.To) + start, step);
  }
}

bool ImagePixels::FillPolygon(std::span<const QPoint> points, QRgb colour) {
  if (!polygon_.Set(points)) return false;
  int top = std::max(polygon_.Top(), bounds_.top());
  const int bottom = std::min(polygon_.Bottom(), bounds_.bottom());
  if (top > bottom) return true;
  // An edge crosses a row between its ends' columns: the fill's pixels lie in these columns.
  const auto [leftmost, rightmost] = std::minmax_element(points.begin(), points.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
  const QRect reach(QPoint(leftmost->x(), top), QPoint(rightmost->x(), bottom));
  if (covered_ == nullptr && NoneSkipped(reach) && InInner(reach)) {
    // Nothing clips, leaves out or covers a pixel of it: each span is written as it is.
    polygon_.ForEachSpan(
        top, bottom, [&](int y, int left, int right) { FillRun(Line(y) + left, right - left, colour); },
        [&](int top, int bottom, int left, int right) { FillInside(QRect(QPoint(left, top), QPoint(right - 1, bottom)), colour); });
    return true;
  }
  // The rows above the first with an uncovered pixel in the polygon's columns keep nothing.
  if (covered_ != nullptr) top = covered_->FirstUncoveredRow(reach.left(), reach.right(), top);
  for (const Stretch& s : RowsWritten(top, bottom)) {
    // Beside what is left out, a polygon wholly right of the last column written keeps nothing.
    if (s.From > s.To || s.LastColumn < reach.left()) continue;
    polygon_.ForEachSpan(
        s.From, s.To, [&](int y, int left, int right) { FillRow(y, left, std::min(right - 1, s.LastColumn), colour); },
        [&](int top, int bottom, int left, int right) {
          if (left <= std::min(right - 1, s.LastColumn))
            FillClipped(QRect(QPoint(left, top), QPoint(std::min(right - 1, s.LastColumn), bottom)), colour);
        });
  }
  return true;
}

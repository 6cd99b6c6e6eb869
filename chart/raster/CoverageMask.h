#pragma once
// One bit per pixel of the repaint's bitmap: the pixels that shapes drawn later are certain to
// set opaquely. A shape whose every pixel is covered leaves nothing of itself in the picture and
// need not be drawn.
#include <QImage>
#include <QRegion>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/Geometry.h"

class CoverageMask {
 public:
  // A mask of the size with no pixel covered.
  void Reset(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Row y's bits, (Width() + 63) / 64 words: bit x % 64 of word x / 64 is set when pixel x is
  // covered.
  const uint64_t* RowBits(int y) const { return bits_.data() + size_t(y) * size_t(words_); }

  // Covers r's pixels: Left..Right-1, Top..Bottom-1, as far as they lie in the mask.
  void Cover(const TRect& r);
  // Covers every pixel of the image (of the mask's size) that a drawing wrote: a pixel left at
  // zero, the value the image was cleared to, is one nothing was drawn on. Drawings write opaque
  // colours, whose alpha byte is never zero. The image is zero outside within, which alone is
  // looked at (in whole words of the rows).
  void CoverDrawn(const QImage& image, const QRect& within);
  // Covers every pixel outside the region.
  void CoverOutside(const QRegion& region);
  // Whether every pixel of r that lies in the mask is covered; pixels outside the mask are never
  // drawn, so an r wholly outside is covered.
  bool Covers(const TRect& r) const;

  // Whether a Table answers questions about rectangles of rows rows in all sooner than the
  // bits do: making one costs about as much as reading the bits of a row for every two pixels.
  bool TableIsSooner(long long rows) const { return 2 * rows > 1LL * width_ * height_; }

  // Answers Covers for rectangles of any size at the same small cost, for a mask that no
  // longer changes: from the count of uncovered pixels above and left of each pixel.
  class Table {
   public:
    explicit Table(const CoverageMask& mask);
    bool Covers(const TRect& r) const {
      const int l = std::max(r.Left, 0), t = std::max(r.Top, 0);
      const int rr = std::min(r.Right, width_), b = std::min(r.Bottom, height_);
      if (l >= rr || t >= b) return true;
      const size_t stride = size_t(width_) + 1;
      auto at = [&](int x, int y) { return uncovered_[size_t(y) * stride + size_t(x)]; };
      return at(rr, b) - at(l, b) - at(rr, t) + at(l, t) == 0;
    }

   private:
    int width_, height_;
    std::vector<int32_t> uncovered_;  // (width_ + 1) x (height_ + 1), row by row
  };

 private:
  // The bits of columns a..b (inclusive, within one word) of a word.
  static uint64_t Bits(int a, int b) {
    const uint64_t upToB = b == 63 ? ~uint64_t{0} : (uint64_t{1} << (b + 1)) - 1;
    return upToB & ~((uint64_t{1} << a) - 1);
  }
  // r cut to the mask; false when nothing of it is left.
  bool Clamp(const TRect& r, TRect& inside) const;

  int width_ = 0, height_ = 0;
  int words_ = 0;  // words per row
  std::vector<uint64_t> bits_;
};

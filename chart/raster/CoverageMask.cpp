#include "chart/raster/CoverageMask.h"

#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

void CoverageMask::Reset(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  words_ = (width_ + 63) / 64;
  bits_.assign(size_t(words_) * size_t(height_), 0);
}

bool CoverageMask::Clamp(const TRect& r, TRect& inside) const {
  inside = {std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, width_), std::min(r.Bottom, height_)};
  return inside.Left < inside.Right && inside.Top < inside.Bottom;
}

void CoverageMask::Cover(const TRect& r) {
  TRect c;
  if (!Clamp(r, c)) return;
  const int first = c.Left / 64, last = (c.Right - 1) / 64;
  for (int y = c.Top; y < c.Bottom; ++y) {
    uint64_t* row = bits_.data() + size_t(y) * size_t(words_);
    for (int w = first; w <= last; ++w)
      row[w] |= Bits(w == first ? c.Left % 64 : 0, w == last ? (c.Right - 1) % 64 : 63);
  }
}

// The bits wanted of a row's first and last word are the same in every row (one word holds both
// ends when the rectangle is narrow); the words between must be covered whole.
bool CoverageMask::Covers(const TRect& r) const {
  TRect c;
  if (!Clamp(r, c)) return true;
  const int first = c.Left / 64, last = (c.Right - 1) / 64;
  const uint64_t head = Bits(c.Left % 64, first == last ? (c.Right - 1) % 64 : 63);
  const uint64_t tail = Bits(0, (c.Right - 1) % 64);
  if (first == last) {
    // Within one word, as most marks' boxes and texts are: one test a row.
    const uint64_t* word = RowBits(c.Top) + first;
    for (int y = c.Top; y < c.Bottom; ++y, word += words_)
      if ((*word & head) != head) return false;
    return true;
  }
  for (int y = c.Top; y < c.Bottom; ++y) {
    const uint64_t* row = RowBits(y);
    if ((row[first] & head) != head) return false;
    for (int w = first + 1; w < last; ++w)
      if (row[w] != ~uint64_t{0}) return false;
    if ((row[last] & tail) != tail) return false;
  }
  return true;
}

void CoverageMask::CoverDrawn(const QImage& image, const QRect& within) {
  const int w = std::min({width_, image.width(), within.right() + 1}), h = std::min({height_, image.height(), within.bottom() + 1});
  for (int y = std::max(within.top(), 0); y < h; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    uint64_t* row = bits_.data() + size_t(y) * size_t(words_);
    for (int x0 = std::max(within.left(), 0) / 64 * 64; x0 < w; x0 += 64) {
      const int n = std::min(64, w - x0);
      uint64_t zero = 0;  // a set bit: a pixel left at zero
      int k = 0;
#if defined(__SSE2__)
      // Sixteen pixels a step: their comparisons packed to one byte each, then to one bit.
      const __m128i none = _mm_setzero_si128();
      const auto zeros = [&](int at) {
        return _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(line + x0 + at)), none);
      };
      for (; k + 16 <= n; k += 16) {
        const __m128i low = _mm_packs_epi32(zeros(k), zeros(k + 4)), high = _mm_packs_epi32(zeros(k + 8), zeros(k + 12));
        zero |= uint64_t(uint32_t(_mm_movemask_epi8(_mm_packs_epi16(low, high)))) << k;
      }
      for (; k + 4 <= n; k += 4) zero |= uint64_t(_mm_movemask_ps(_mm_castsi128_ps(zeros(k)))) << k;
#endif
      for (; k < n; ++k) zero |= uint64_t(line[x0 + k] == 0) << k;
      const uint64_t inMask = n == 64 ? ~uint64_t{0} : (uint64_t{1} << n) - 1;
      row[x0 / 64] |= ~zero & inMask;
    }
  }
}

void CoverageMask::CoverOutside(const QRegion& region) {
  CoverageMask inside;
  inside.Reset(width_, height_);
  for (const QRect& r : region) inside.Cover({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
  // Bits beyond the last column of a row are set too; nothing reads them.
  for (size_t i = 0; i < bits_.size(); ++i) bits_[i] |= ~inside.bits_[i];
}

CoverageMask::Table::Table(const CoverageMask& mask)
    : width_(mask.width_), height_(mask.height_), uncovered_(size_t(mask.width_ + 1) * size_t(mask.height_ + 1), 0) {
  const size_t stride = size_t(width_) + 1;
  for (int y = 0; y < height_; ++y) {
    const uint64_t* row = mask.bits_.data() + size_t(y) * size_t(mask.words_);
    const int32_t* above = uncovered_.data() + size_t(y) * stride;
    int32_t* here = uncovered_.data() + size_t(y + 1) * stride;
    // First the row's own counts, then the counts above added in one pass. A word of pixels
    // all covered or all uncovered, as most are, needs no look at its bits one by one.
    int32_t inRow = 0;
    for (int x0 = 0; x0 < width_; x0 += 64) {
      const int n = std::min(64, width_ - x0);
      const uint64_t open = ~row[x0 / 64] & Bits(0, n - 1);  // a set bit: an uncovered pixel
      int32_t* counts = here + x0 + 1;
      if (open == 0) {
        std::fill(counts, counts + n, inRow);
      } else if (open == Bits(0, n - 1)) {
        for (int k = 0; k < n; ++k) counts[k] = inRow + k + 1;
        inRow += n;
      } else {
        for (int k = 0; k < n; ++k) {
          inRow += int32_t((open >> k) & 1);
          counts[k] = inRow;
        }
      }
    }
    for (int x = 1; x <= width_; ++x) here[x] += above[x];
  }
}

#include "chart/CoveredPixels.h"

#include <algorithm>
#include <limits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

bool CoveredPixels::Set(const CoverageMask& mask) {
  if (mask.Height() > std::numeric_limits<uint16_t>::max()) {
    width_ = height_ = words_ = 0;
    bits_.clear();
    next_.clear();
    return false;
  }
  width_ = mask.Width();
  height_ = mask.Height();
  words_ = (width_ + 63) / 64;
  bits_.resize(size_t(words_) * size_t(height_));
  for (int y = 0; y < height_; ++y) std::copy_n(mask.RowBits(y), words_, bits_.begin() + ptrdiff_t(y) * words_);
  next_.resize(size_t(width_) * size_t(height_ + 1));
  // From the bottom up: a covered pixel leads on to the answer of the pixel below it.
  uint16_t* below = next_.data() + size_t(height_) * size_t(width_);
  std::fill_n(below, width_, uint16_t(height_));
  for (int y = height_ - 1; y >= 0; --y) {
    uint16_t* here = below - width_;
    const uint64_t* row = bits_.data() + size_t(y) * size_t(words_);
    int x = 0;
#if defined(__SSE2__)
    // Eight pixels a step: each lane picks its bit of the byte and takes the row below's
    // answer where it is set, y where it is not.
    const __m128i lanes = _mm_setr_epi16(1, 2, 4, 8, 16, 32, 64, 128);
    const __m128i self = _mm_set1_epi16(short(y));
    for (; x + 8 <= width_; x += 8) {
      const __m128i byte = _mm_set1_epi16(short((row[x / 64] >> (x % 64)) & 0xff));
      const __m128i covered = _mm_cmpeq_epi16(_mm_and_si128(byte, lanes), lanes);
      const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(below + x));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(here + x),
                       _mm_or_si128(_mm_and_si128(covered, next), _mm_andnot_si128(covered, self)));
    }
#endif
    for (; x < width_; ++x) here[x] = (row[x / 64] >> (x % 64)) & 1 ? below[x] : uint16_t(y);
    below = here;
  }
  return true;
}

int CoveredPixels::FirstUncoveredRow(int left, int right, int top) const {
  int first = height_;
  for (int x = std::max(left, 0); x <= std::min(right, width_ - 1); ++x) first = std::min(first, NextUncovered(x, top));
  return first;
}

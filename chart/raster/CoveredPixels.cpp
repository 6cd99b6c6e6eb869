#include "chart/raster/CoveredPixels.h"

#include <algorithm>
#include <limits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The answers of n pixels (n <= 64) of row y whose covered bits are word's: the row below's
// answer where a bit is set, y where it is not.
void AnswerWord(uint64_t word, const uint16_t* below, uint16_t* here, int n, uint16_t y) {
  int k = 0;
#if defined(__SSE2__)
  // Eight pixels a step: each lane picks its bit of the byte.
  const __m128i lanes = _mm_setr_epi16(1, 2, 4, 8, 16, 32, 64, 128);
  const __m128i self = _mm_set1_epi16(short(y));
  for (; k + 8 <= n; k += 8) {
    const __m128i byte = _mm_set1_epi16(short((word >> k) & 0xff));
    const __m128i covered = _mm_cmpeq_epi16(_mm_and_si128(byte, lanes), lanes);
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(below + k));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(here + k),
                     _mm_or_si128(_mm_and_si128(covered, next), _mm_andnot_si128(covered, self)));
  }
#endif
  for (; k < n; ++k) here[k] = (word >> k) & 1 ? below[k] : y;
}

}  // namespace

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
    // A word of pixels all covered takes the row below's answers, one all uncovered answers y:
    // most words are such, outside the clip, under the line and in the open plot.
    int x = 0;
    for (; x + 64 <= width_; x += 64) {
      const uint64_t word = row[x / 64];
      if (word == ~uint64_t{0})
        std::copy_n(below + x, 64, here + x);
      else if (word == 0)
        std::fill_n(here + x, 64, uint16_t(y));
      else
        AnswerWord(word, below + x, here + x, 64, uint16_t(y));
    }
    if (x < width_) AnswerWord(row[x / 64], below + x, here + x, width_ - x, uint16_t(y));
    below = here;
  }
  return true;
}

int CoveredPixels::FirstUncoveredRow(int left, int right, int top) const {
  int first = height_;
  for (int x = std::max(left, 0); x <= std::min(right, width_ - 1); ++x) first = std::min(first, NextUncovered(x, top));
  return first;
}

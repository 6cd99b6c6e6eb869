#pragma once
// The pixels of a repaint's bitmap that later drawing is certain to paint over, looked up by
// column and by row: a shape drawn before them may leave them out, and a tall shape with few
// pixels left to show skips the covered stretches of each column at one look-up each.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "chart/raster/CoverageMask.h"

class CoveredPixels {
 public:
  // Takes the mask's covered pixels; false, with none covered, for a bitmap taller than the
  // look-ups hold (65,535 rows).
  bool Set(const CoverageMask& mask);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // The first row from y down (y itself when its pixel is not covered) whose pixel in column x
  // is not covered, or Height() when there is none; 0 <= x < Width(), 0 <= y <= Height().
  int NextUncovered(int x, int y) const { return next_[size_t(y) * size_t(width_) + size_t(x)]; }

  // Whether pixel (x, y) is covered; 0 <= x < Width(), 0 <= y < Height().
  bool IsCovered(int x, int y) const { return (bits_[size_t(y) * size_t(words_) + size_t(x / 64)] >> (x % 64)) & 1; }

  // The first row from top down where a pixel of columns left..right (inclusive) is not
  // covered, or Height() when there is none, with the columns cut to the bitmap: one look-up per
  // column. 0 <= top <= Height().
  int FirstUncoveredRow(int left, int right, int top) const;

  // Whether every pixel of r (Left..Right-1, Top..Bottom-1) that lies in the bitmap is covered;
  // an r wholly outside is.
  bool Covers(const TRect& r) const {
    const int top = std::max(r.Top, 0), bottom = std::min(r.Bottom, height_) - 1;
    return top > bottom || FirstUncoveredRow(r.Left, r.Right - 1, top) > bottom;
  }

  // f(a, b) for each run a..b (inclusive) of row y's pixels left..right that are not covered,
  // left to right; 0 <= left, right < Width().
  template <class F>
  void ForEachUncoveredRun(int y, int left, int right, F&& f) const;

 private:
  int width_ = 0, height_ = 0, words_ = 0;
  std::vector<uint64_t> bits_;   // a set bit: a covered pixel, words_ words per row
  std::vector<uint16_t> next_;   // (height_ + 1) rows of width_: NextUncovered, the last row Height()
};

template <class F>
void CoveredPixels::ForEachUncoveredRun(int y, int left, int right, F&& f) const {
  const uint64_t* row = bits_.data() + size_t(y) * size_t(words_);
  int x = left;
  while (x <= right) {
    // The first uncovered pixel from x.
    const uint64_t open = ~row[x / 64] >> (x % 64);
    if (open == 0) {
      x = (x / 64 + 1) * 64;
      continue;
    }
    x += std::countr_zero(open);
    if (x > right) return;
    // The first covered pixel after it, which may lie in a later word.
    int end = (x / 64 + 1) * 64;
    if (const uint64_t covered = row[x / 64] >> (x % 64); covered != 0) {
      end = x + std::countr_zero(covered);
    } else {
      for (int w = x / 64 + 1; w * 64 <= right; ++w, end += 64) {
        if (row[w] != 0) {
          end = w * 64 + std::countr_zero(row[w]);
          break;
        }
      }
    }
    f(x, std::min(end - 1, right));
    x = end + 1;
  }
}

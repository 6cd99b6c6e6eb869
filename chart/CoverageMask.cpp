#include "chart/CoverageMask.h"

#include <algorithm>

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

bool CoverageMask::Covers(const TRect& r) const {
  TRect c;
  if (!Clamp(r, c)) return true;
  const int first = c.Left / 64, last = (c.Right - 1) / 64;
  for (int y = c.Top; y < c.Bottom; ++y) {
    const uint64_t* row = bits_.data() + size_t(y) * size_t(words_);
    for (int w = first; w <= last; ++w) {
      const uint64_t want = Bits(w == first ? c.Left % 64 : 0, w == last ? (c.Right - 1) % 64 : 63);
      if ((row[w] & want) != want) return false;
    }
  }
  return true;
}

void CoverageMask::CoverDrawn(const QImage& image) { CoverWhere(image, true); }

void CoverageMask::CoverUndrawn(const QImage& image) { CoverWhere(image, false); }

void CoverageMask::CoverWhere(const QImage& image, bool drawn) {
  const int w = std::min(width_, image.width()), h = std::min(height_, image.height());
  for (int y = 0; y < h; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    uint64_t* row = bits_.data() + size_t(y) * size_t(words_);
    for (int x = 0; x < w; ++x)
      if ((line[x] != 0) == drawn) row[x / 64] |= uint64_t{1} << (x % 64);
  }
}

CoverageMask::Table::Table(const CoverageMask& mask)
    : width_(mask.width_), height_(mask.height_), uncovered_(size_t(mask.width_ + 1) * size_t(mask.height_ + 1), 0) {
  const size_t stride = size_t(width_) + 1;
  for (int y = 0; y < height_; ++y) {
    const uint64_t* row = mask.bits_.data() + size_t(y) * size_t(mask.words_);
    const int32_t* above = uncovered_.data() + size_t(y) * stride;
    int32_t* here = uncovered_.data() + size_t(y + 1) * stride;
    int32_t inRow = 0;
    for (int x = 0; x < width_; ++x) {
      inRow += int32_t(((row[x / 64] >> (x % 64)) & 1) == 0);
      here[x + 1] = above[x + 1] + inRow;
    }
  }
}

bool CoverageMask::Table::Covers(const TRect& r) const {
  const int l = std::max(r.Left, 0), t = std::max(r.Top, 0);
  const int rr = std::min(r.Right, width_), b = std::min(r.Bottom, height_);
  if (l >= rr || t >= b) return true;
  const size_t stride = size_t(width_) + 1;
  auto at = [&](int x, int y) { return uncovered_[size_t(y) * stride + size_t(x)]; };
  return at(rr, b) - at(l, b) - at(rr, t) + at(l, t) == 0;
}

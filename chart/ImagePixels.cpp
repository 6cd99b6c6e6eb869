#include "chart/ImagePixels.h"

#include <algorithm>

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
  rowStart_.assign(size_t(height_) + 1, 0);
  spans_.clear();
  if (!clipping) {
    for (int y = 0; y <= height_; ++y) rowStart_[size_t(y)] = size_t(y);
    spans_.assign(size_t(height_), Span{0, width_ - 1});
    return;
  }
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

void ImagePixels::FillRects(std::span<const QRect> rects, QRgb colour) {
  for (const QRect& r : rects) {
    const int top = std::max(r.top(), 0), bottom = std::min(r.bottom(), height_ - 1);
    for (int y = top; y <= bottom; ++y) {
      auto* line = reinterpret_cast<QRgb*>(bits_ + y * stride_);
      for (const Span& s : Row(y)) {
        const int a = std::max(r.left(), s.Left), b = std::min(r.right(), s.Right);
        if (a <= b) std::fill(line + a, line + b + 1, colour);
      }
    }
  }
}

void ImagePixels::SetPixels(std::span<const QPoint> pixels, QRgb colour) {
  for (const QPoint& p : pixels) {
    if (p.y() < 0 || p.y() >= height_) continue;
    for (const Span& s : Row(p.y())) {
      if (p.x() < s.Left) break;
      if (p.x() <= s.Right) {
        reinterpret_cast<QRgb*>(bits_ + p.y() * stride_)[p.x()] = colour;
        break;
      }
    }
  }
}

#pragma once
// Helpers for pixel tests on the QPainter canvas: a white RGB image and readers of its pixels.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <set>
#include <utility>

#include "platform/Color.h"
#include "platform/Geometry.h"

inline QImage WhiteImage(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

inline TColor PixelAt(const QImage& img, int x, int y) {
  QRgb p = img.pixel(x, y);
  return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

using PixelSet = std::set<std::pair<int, int>>;

// Every pixel that is not white.
inline PixelSet Ink(const QImage& img) {
  PixelSet s;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (PixelAt(img, x, y) != clWhite) s.insert({x, y});
  return s;
}

// The smallest rectangle around every non-white pixel (empty when there is none).
inline TRect InkBounds(const QImage& img) {
  TRect r{img.width(), img.height(), 0, 0};
  for (auto [x, y] : Ink(img)) {
    r.Left = std::min(r.Left, x);
    r.Top = std::min(r.Top, y);
    r.Right = std::max(r.Right, x + 1);
    r.Bottom = std::max(r.Bottom, y + 1);
  }
  return r;
}

inline bool Inside(const TRect& inner, const TRect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}

// Expects the two images to have the same colour in every pixel, naming the first that differs.
inline void ExpectSamePixels(const QImage& direct, const QImage& reference) {
  ASSERT_EQ(direct.size(), reference.size());
  int differing = 0;
  QPoint first(-1, -1);
  for (int y = 0; y < direct.height(); ++y)
    for (int x = 0; x < direct.width(); ++x)
      if ((direct.pixel(x, y) & 0xFFFFFF) != (reference.pixel(x, y) & 0xFFFFFF) && differing++ == 0) first = {x, y};
  EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y();
}

// The covered-pixel mask against a plain grid of booleans: rectangles covered and asked about at
// random, across word boundaries and partly or wholly outside the mask, answered the same by the
// mask and by its table; pixels taken over from a drawn image.
#include <gtest/gtest.h>

#include <QPolygon>
#include <QRandomGenerator>
#include <QRegion>
#include <cstring>
#include <vector>

#include "chart/raster/CoverageMask.h"

namespace {

struct Grid {
  int w, h;
  std::vector<char> on;
  Grid(int width, int height) : w(width), h(height), on(size_t(width * height), 0) {}
  void Cover(const TRect& r) {
    for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, h); ++y)
      for (int x = std::max(r.Left, 0); x < std::min(r.Right, w); ++x) on[size_t(y * w + x)] = 1;
  }
  bool Covers(const TRect& r) const {
    for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, h); ++y)
      for (int x = std::max(r.Left, 0); x < std::min(r.Right, w); ++x)
        if (!on[size_t(y * w + x)]) return false;
    return true;
  }
};

TRect RandomRect(QRandomGenerator& random, int w, int h) {
  const int l = random.bounded(-20, w + 20), t = random.bounded(-20, h + 20);
  return {l, t, l + random.bounded(0, 140), t + random.bounded(0, 40)};
}

class CoverageMaskTest : public ::testing::TestWithParam<int> {};

TEST_P(CoverageMaskTest, AnswersLikeAGridOfPixels) {
  const int width = GetParam(), height = 57;
  QRandomGenerator random(20261209u + unsigned(width));
  CoverageMask mask;
  mask.Reset(width, height);
  Grid grid(width, height);
  for (int round = 0; round < 400; ++round) {
    const TRect r = RandomRect(random, width, height);
    mask.Cover(r);
    grid.Cover(r);
    const CoverageMask::Table table(mask);
    for (int q = 0; q < 20; ++q) {
      const TRect ask = RandomRect(random, width, height);
      ASSERT_EQ(mask.Covers(ask), grid.Covers(ask)) << round << ": " << ask.Left << "," << ask.Top << " "
                                                      << ask.Right << "," << ask.Bottom;
      ASSERT_EQ(table.Covers(ask), grid.Covers(ask));
    }
    // Rectangles just covered are covered; one pixel more to the right only if that one is.
    ASSERT_TRUE(mask.Covers(r));
    ASSERT_TRUE(table.Covers(r));
  }
}

// Widths below, at and across the 64-pixel words of a row.
INSTANTIATE_TEST_SUITE_P(Widths, CoverageMaskTest, ::testing::Values(1, 63, 64, 65, 128, 601));

TEST(CoverageMask, TakesOverTheDrawnPixelsOfAnImage) {
  QImage image(70, 3, QImage::Format_RGB32);
  std::memset(image.bits(), 0, size_t(image.sizeInBytes()));
  image.setPixel(0, 0, qRgb(0, 0, 0));  // black is drawn too: its alpha byte is not zero
  image.setPixel(69, 2, qRgb(255, 255, 255));
  CoverageMask drawn;
  drawn.Reset(70, 3);
  drawn.CoverDrawn(image, image.rect());
  EXPECT_TRUE(drawn.Covers({0, 0, 1, 1}));
  EXPECT_TRUE(drawn.Covers({69, 2, 70, 3}));
  EXPECT_FALSE(drawn.Covers({0, 0, 2, 1}));
  EXPECT_FALSE(drawn.Covers({68, 2, 70, 3}));
}

// Looked at within a rectangle that starts inside a word: its corners' pixels are taken over,
// the pixels of the rows and words outside it are not looked at.
TEST(CoverageMask, TakesOverTheDrawnPixelsWithinARectangle) {
  QImage image(150, 6, QImage::Format_RGB32);
  std::memset(image.bits(), 0, size_t(image.sizeInBytes()));
  const QRect within(66, 1, 84, 4);  // columns 66..149, rows 1..4
  for (const QPoint p : {within.topLeft(), within.bottomRight(), QPoint(100, 3)}) image.setPixel(p, qRgb(0, 0, 0));
  image.setPixel(10, 5, qRgb(1, 2, 3));  // outside: a drawing aside never sets it
  CoverageMask drawn;
  drawn.Reset(150, 6);
  drawn.CoverDrawn(image, within);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 150; ++x) {
      const bool set = (x == 66 && y == 1) || (x == 149 && y == 4) || (x == 100 && y == 3);
      ASSERT_EQ(drawn.Covers({x, y, x + 1, y + 1}), set) << x << "," << y;
    }
}

// Outside a polygon region every pixel is covered, inside none: the same pixels a painter
// clipped to that region can set.
TEST(CoverageMask, CoversWhatLiesOutsideARegion) {
  const QRegion region(QPolygon({QPoint(3, 20), QPoint(3, 5), QPoint(15, 2), QPoint(90, 2), QPoint(90, 18)}),
                       Qt::OddEvenFill);
  CoverageMask mask;
  mask.Reset(100, 24);
  mask.CoverOutside(region);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 100; ++x) ASSERT_EQ(mask.Covers({x, y, x + 1, y + 1}), !region.contains(QPoint(x, y))) << x << "," << y;
}

TEST(CoverageMask, AnEmptyOrOutsideRectangleIsCovered) {
  CoverageMask mask;
  mask.Reset(10, 10);
  EXPECT_TRUE(mask.Covers({3, 3, 3, 8}));
  EXPECT_TRUE(mask.Covers({-5, -5, 0, 0}));
  EXPECT_TRUE(mask.Covers({10, 0, 20, 10}));
  EXPECT_FALSE(mask.Covers({9, 9, 20, 20}));
  EXPECT_TRUE(CoverageMask::Table(mask).Covers({-5, 10, 5, 12}));
}

}  // namespace

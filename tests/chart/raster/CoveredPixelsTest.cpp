// The look-ups of the covered pixels against a plain grid of booleans, for widths on either side
// of a word's 64 pixels: the next uncovered row of every pixel, the uncovered runs of row
// stretches and the first row with an uncovered pixel in a band of columns.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <utility>
#include <vector>

#include "chart/raster/CoveredPixels.h"

namespace {

class CoveredPixelsTest : public ::testing::TestWithParam<int> {};

TEST_P(CoveredPixelsTest, AnswerLikeAGridOfPixels) {
  const int width = GetParam(), height = 41;
  QRandomGenerator random(20261209u + unsigned(width));
  for (int round = 0; round < 30; ++round) {
    CoverageMask mask;
    mask.Reset(width, height);
    std::vector<char> on(size_t(width * height), 0);
    // From a few large rectangles to many small ones: long covered stretches and short gaps.
    const int count = random.bounded(1, 60), size = random.bounded(2, 90);
    for (int k = 0; k < count; ++k) {
      const int l = random.bounded(-5, width), t = random.bounded(-5, height);
      const TRect r{l, t, l + random.bounded(1, size), t + random.bounded(1, size)};
      mask.Cover(r);
      for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, height); ++y)
        for (int x = std::max(r.Left, 0); x < std::min(r.Right, width); ++x) on[size_t(y * width + x)] = 1;
    }
    auto covered = [&](int x, int y) { return on[size_t(y * width + x)] != 0; };
    CoveredPixels pixels;
    ASSERT_TRUE(pixels.Set(mask));

    for (int x = 0; x < width; ++x) {
      int next = height;
      for (int y = height; y >= 0; --y) {
        if (y < height && !covered(x, y)) next = y;
        ASSERT_EQ(pixels.NextUncovered(x, y), next) << x << "," << y;
      }
    }
    for (int q = 0; q < 200; ++q) {
      const int y = random.bounded(height);
      int left = random.bounded(width), right = random.bounded(width);
      if (left > right) std::swap(left, right);
      std::vector<std::pair<int, int>> runs, expected;
      pixels.ForEachUncoveredRun(y, left, right, [&](int a, int b) { runs.emplace_back(a, b); });
      for (int x = left; x <= right; ++x) {
        if (covered(x, y)) continue;
        if (!expected.empty() && expected.back().second == x - 1)
          expected.back().second = x;
        else
          expected.emplace_back(x, x);
      }
      ASSERT_EQ(runs, expected) << "row " << y << " from " << left << " to " << right;

      const int top = random.bounded(height + 1);
      const int from = random.bounded(-3, width + 3), to = from + random.bounded(0, 70);
      int first = height;
      for (int x = std::max(from, 0); x <= std::min(to, width - 1); ++x)
        for (int r = top; r < first; ++r)
          if (!covered(x, r)) first = r;
      ASSERT_EQ(pixels.FirstUncoveredRow(from, to, top), first) << "columns " << from << " to " << to << " from " << top;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Widths, CoveredPixelsTest, ::testing::Values(1, 7, 63, 64, 65, 129, 200));

}  // namespace

// Halves to even: ties go to the even neighbour, values next to a tie go to their side, and the
// inline rounding agrees with the library's nearbyint wherever an int can hold the result.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "platform/Rounding.h"

namespace {

struct HalfEvenCase {
  double value;
  int expected;
};

class RoundHalfEvenTest : public ::testing::TestWithParam<HalfEvenCase> {};

TEST_P(RoundHalfEvenTest, GivesTheNearestWithTiesToEven) {
  EXPECT_EQ(RoundHalfEven(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundHalfEvenTest,
    ::testing::Values(HalfEvenCase{0.0, 0}, HalfEvenCase{-0.0, 0}, HalfEvenCase{0.5, 0}, HalfEvenCase{1.5, 2},
                      HalfEvenCase{2.5, 2}, HalfEvenCase{-2.5, -2}, HalfEvenCase{-3.5, -4},
                      HalfEvenCase{0.49999999999999994, 0}, HalfEvenCase{2.5000000000000004, 3},
                      HalfEvenCase{-1.4999999999999998, -1}, HalfEvenCase{32766.5, 32766},
                      HalfEvenCase{2147483646.5, 2147483646}, HalfEvenCase{-2147483648.4, -2147483647 - 1}));

TEST(RoundHalfEven, AgreesWithNearbyintOverTheRangeOfInt) {
  std::mt19937_64 random(20261209);
  std::uniform_real_distribution<double> wide(-2147483648.0, 2147483647.0);
  std::uniform_int_distribution<int> whole(-100000, 100000);
  for (int i = 0; i < 200000; ++i) {
    const double v = i % 2 == 0 ? wide(random) : whole(random) + 0.5 * (i % 4 == 1 ? 1 : -1);
    ASSERT_EQ(RoundHalfEven(v), static_cast<int>(std::nearbyint(v))) << v;
  }
}

}  // namespace

#include "platform/TickClock.h"

#include <gtest/gtest.h>

#include "tests/platform/FakeTickClock.h"

namespace {

struct Diff {
  uint32_t now;
  uint32_t then;
  int32_t elapsed;
};

class TickDifference : public testing::TestWithParam<Diff> {};

TEST_P(TickDifference, SubtractsModuloTwoToThe32) {
  const auto& d = GetParam();
  EXPECT_EQ(TickDiff(static_cast<int32_t>(d.now), static_cast<int32_t>(d.then)), d.elapsed);
}

INSTANTIATE_TEST_SUITE_P(Cases, TickDifference,
                         testing::Values(Diff{1000, 0, 1000}, Diff{5, 0xFFFFFFF0u, 21},  // across the wrap
                                         Diff{0x80000010u, 0x7FFFFFF0u, 32},  // across the sign change
                                         Diff{0, 10, -10}, Diff{754321, 0, 754321}));

TEST(TickClock, FakeClockReplacesTheSystemClockForItsLifetime) {
  TickClock* system = &Clock();
  {
    FakeTickClock fake(0xFFFFFFFFu, 77);
    EXPECT_EQ(&Clock(), &fake);
    EXPECT_EQ(GetTickCount(), -1);  // stored as signed
    fake.Advance(2);
    EXPECT_EQ(GetTickCount(), 1);
    EXPECT_EQ(Clock().PerformanceCounter(), 77u);
  }
  EXPECT_EQ(&Clock(), system);
}

TEST(TickClock, SystemClockIsMonotonicAndHasACounter) {
  uint32_t a = Clock().TickCount();
  uint32_t b = Clock().TickCount();
  EXPECT_GE(TickDiff(static_cast<int32_t>(b), static_cast<int32_t>(a)), 0);
  auto c1 = Clock().PerformanceCounter();
  auto c2 = Clock().PerformanceCounter();
  ASSERT_TRUE(c1 && c2);
  EXPECT_LE(*c1, *c2);
}

}  // namespace

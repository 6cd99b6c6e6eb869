#include "drill/Random.h"

#include <gtest/gtest.h>

#include "tests/platform/FakeTickClock.h"

namespace {

TEST(Random, FirstDrawFromSeedZeroAdvancesToOneAndGivesZero) {
  Random r;
  EXPECT_EQ(r.Below(19), 0);
  EXPECT_EQ(r.Seed, 1u);
  // 1 * 134775813 + 1; high word of 134775814 * 19
  EXPECT_EQ(r.Below(19), 0);
  EXPECT_EQ(r.Seed, 134775814u);
}

TEST(Random, SeedsFromTheCounterOrElseTheTickCount) {
  FakeTickClock clock(4321, 0x1234567890ABCDEFull);
  Random r;
  r.SeedFrom(Clock());
  EXPECT_EQ(r.Seed, 0x90ABCDEFu);
  clock.SetCounter(std::nullopt);
  r.SeedFrom(Clock());
  EXPECT_EQ(r.Seed, 4321u);
}

TEST(Random, ProgramGeneratorStartsAtSeedZero) { EXPECT_EQ(ProgramRandom().Seed, 0u); }

}  // namespace

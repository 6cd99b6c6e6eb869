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

struct Draw {
  uint32_t seed;
  int n;
  uint32_t nextSeed;
  int result;
};

class RandomDraws : public testing::TestWithParam<Draw> {};

TEST_P(RandomDraws, AdvanceTheSeedAndTakeTheHighWord) {
  Random r;
  r.Seed = GetParam().seed;
  EXPECT_EQ(r.Below(GetParam().n), GetParam().result);
  EXPECT_EQ(r.Seed, GetParam().nextSeed);
}

INSTANTIATE_TEST_SUITE_P(Cases, RandomDraws,
                         testing::Values(Draw{0, 19, 1, 0},
                                         // 0xFFFFFFFF * 134775813 + 1 wraps to 0xF7F77BFC
                                         Draw{0xFFFFFFFFu, 19, 0xF7F77BFCu, 18},
                                         Draw{0xFFFFFFFFu, 1, 0xF7F77BFCu, 0},
                                         Draw{12345u, 9, 0x62A6551Eu, 3},
                                         Draw{0x80000000u, 3, 0x80000001u, 1}));

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

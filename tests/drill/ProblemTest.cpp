#include "drill/Problem.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Seeds whose first problem takes each branch, found from the draws they give.
uint32_t SeedWhere(const std::function<bool(const Problem&)>& wanted) {
  for (uint32_t seed = 0;; ++seed) {
    Random r;
    r.Seed = seed;
    if (wanted(NextProblem(r))) return seed;
  }
}

TEST(Problem, SeedZeroGivesZeroTimesTheSecondDraw) {
  Random r;
  Problem p = NextProblem(r);
  // r(19) = 0 from seed 0, then r(19) = 0 from seed 1: 0 × 0, two draws.
  EXPECT_EQ(p.Left, 0);
  EXPECT_EQ(p.Right, 0);
  EXPECT_EQ(p.Operator, kTimes);
  EXPECT_EQ(p.Answer, 0);
  EXPECT_EQ(r.Seed, 134775814u);
}

struct Branch {
  const char* name;
  std::function<bool(const Problem&)> wanted;
  int draws;
  std::vector<int> ranges;  // the n of each draw in order
};

class DrawOrder : public testing::TestWithParam<Branch> {};

TEST_P(DrawOrder, TakesTheDrawsInOrder) {
  uint32_t seed = SeedWhere(GetParam().wanted);
  Random drill, replay;
  drill.Seed = replay.Seed = seed;
  Problem p = NextProblem(drill);
  std::vector<int> draws;
  for (int n : GetParam().ranges) draws.push_back(replay.Below(n));
  EXPECT_EQ(drill.Seed, replay.Seed) << "draw count";
  EXPECT_EQ(draws[0], p.Left);
  EXPECT_EQ(draws[1], p.Right);
  if (draws.size() == 3) {
    const QByteArray ops[] = {kPlus, kMinus, kTimes};
    EXPECT_EQ(ops[draws[2]], p.Operator);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Branches, DrawOrder,
    testing::Values(Branch{"big plus", [](const Problem& p) { return p.Left > 9 && p.Operator == kPlus; }, 3, {19, 9, 3}},
                    Branch{"minus", [](const Problem& p) { return p.Operator == kMinus; }, 3, {19, 9, 3}},
                    Branch{"big times", [](const Problem& p) { return p.Left > 9 && p.Operator == kTimes; }, 3, {19, 9, 3}},
                    Branch{"small times", [](const Problem& p) { return p.Left <= 9 && p.Operator == kTimes; }, 2, {19, 19}},
                    Branch{"small plus", [](const Problem& p) { return p.Left <= 9 && p.Operator == kPlus; }, 2, {19, 19}},
                    // a left operand of 9 is followed by r(19), never r(9)
                    Branch{"nine", [](const Problem& p) { return p.Left == 9 && p.Right > 8; }, 2, {19, 19}}),
    [](const testing::TestParamInfo<Branch>& info) {
      std::string s = info.param.name;
      for (char& c : s) if (c == ' ') c = '_';
      return s;
    });

TEST(Problem, LongRunStaysInRangeWithTheExpectedShares) {
  Random r;
  r.Seed = 20060213;
  constexpr int kCount = 361000;
  std::map<QByteArray, int> counts;
  bool zeroLeft = false, zeroRight = false;
  for (int i = 0; i < kCount; ++i) {
    Problem p = NextProblem(r);
    ++counts[p.Operator];
    zeroLeft |= p.Left == 0;
    zeroRight |= p.Right == 0;
    ASSERT_GE(p.Left, 0);
    ASSERT_LE(p.Left, 18);
    if (p.Operator == kMinus) {
      ASSERT_GE(p.Left, 10);
      ASSERT_LE(p.Right, 8);
      ASSERT_EQ(p.Answer, p.Left - p.Right);
      ASSERT_GE(p.Answer, 2);
    } else if (p.Operator == kPlus) {
      ASSERT_TRUE((p.Left >= 10 && p.Right <= 8) || (p.Left <= 9 && p.Right >= 10 && p.Right <= 18));
      ASSERT_EQ(p.Answer, p.Left + p.Right);
    } else {
      ASSERT_EQ(p.Operator, kTimes);
      ASSERT_TRUE((p.Left >= 10 && p.Right <= 8) || (p.Left <= 9 && p.Right <= 9));
      ASSERT_EQ(p.Answer, p.Left * p.Right);
    }
    ASSERT_GE(p.Right, 0);
    ASSERT_LE(p.Answer, 144);
  }
  EXPECT_TRUE(zeroLeft && zeroRight);
  // 57/361, 147/361, 157/361 of 361,000 within 1 %
  EXPECT_NEAR(counts[kMinus], 57000, 570);
  EXPECT_NEAR(counts[kPlus], 147000, 1470);
  EXPECT_NEAR(counts[kTimes], 157000, 1570);
}

}  // namespace

// The review drill's re-asking: each fact in turn; a missed one comes back three problems later
// (last, when fewer are left) until it is answered right.
#include <gtest/gtest.h>

#include <set>

#include "review/ReviewQueue.h"

namespace {

struct Reasking {
  const char* name;
  int facts;
  std::set<int> missedAsks;  // which askings (from 0) are missed
  std::vector<int> asked;    // the facts asked, in order, by their index
};

class ReviewQueueOrder : public testing::TestWithParam<Reasking> {};

TEST_P(ReviewQueueOrder, AsksMissedFactsAgainUntilRight) {
  std::vector<Fact> facts;
  for (int i = 0; i < GetParam().facts; ++i) facts.push_back({Operation::Times, i, 3});
  ReviewQueue queue(facts);
  std::vector<int> asked;
  while (const std::optional<Problem> p = queue.Next()) {
    ASSERT_LT(asked.size(), 50u);
    asked.push_back(FactOf(*p).Left);
    queue.Answered(GetParam().missedAsks.count(int(asked.size()) - 1) > 0);
  }
  EXPECT_EQ(asked, GetParam().asked);
  EXPECT_EQ(queue.AskedAgain(), int(GetParam().missedAsks.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ReviewQueueOrder,
    testing::Values(Reasking{"AllRight", 3, {}, {0, 1, 2}},
                    Reasking{"MissedComesBackThreeLater", 6, {0}, {0, 1, 2, 3, 0, 4, 5}},
                    Reasking{"MissedNearTheEndComesBackLast", 3, {1}, {0, 1, 2, 1}},
                    Reasking{"MissedAgainComesBackAgain", 2, {0, 2, 3}, {0, 1, 0, 0, 0}},
                    Reasking{"TwoMissedKeepTheirOrder", 5, {0, 1}, {0, 1, 2, 3, 0, 1, 4}},
                    Reasking{"NoFactsAskNothing", 0, {}, {}}),
    [](const testing::TestParamInfo<Reasking>& info) { return std::string(info.param.name); });

}  // namespace

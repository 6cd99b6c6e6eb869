#include "platform/DropShadow.h"

#include <gtest/gtest.h>

namespace {

struct VersionCase {
  OsVersion os;
  bool shadow;
};

class ShadowDecision : public testing::TestWithParam<VersionCase> {};

TEST_P(ShadowDecision, AddsTheClassStyleOnlyWhereWanted) {
  const auto& c = GetParam();
  EXPECT_EQ(WantsDropShadow(c.os), c.shadow);
  EXPECT_EQ(WindowClassStyle(0x8, c.os), c.shadow ? 0x8u | CS_DROPSHADOW : 0x8u);
}

INSTANTIATE_TEST_SUITE_P(Versions, ShadowDecision,
                         testing::Values(VersionCase{{2, 5, 0}, false}, VersionCase{{2, 5, 1}, true},
                                         VersionCase{{2, 6, 0}, false}, VersionCase{{2, 6, 1}, true},
                                         VersionCase{{2, 4, 10}, false}, VersionCase{{1, 5, 1}, false},
                                         VersionCase{{2, 10, 0}, false}));

}  // namespace

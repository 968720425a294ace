#include <gtest/gtest.h>

#include <cmath>

#include "psychro/bisection.h"
#include "support/named_rows.h"

namespace {

using testsupport::PrintTo;

struct BisectRow {
  const char* name;
  double lo, hi, target;
  double root;  // the first double where x reaches the target
};

class BisectIdentity : public testing::TestWithParam<BisectRow> {};

// Brackets closing on a root at 0, where the doubles are densest, settle on it exactly; those
// still wider than ±2 after the value halvings take all 64 halvings of the count of doubles.
TEST_P(BisectIdentity, SettlesOnTheRoot) {
  const BisectRow& row = GetParam();
  const psychro::Root r = psychro::bisect([](double x) { return x; }, row.lo, row.hi, row.target);
  ASSERT_TRUE(r.settled) << r.rounds << " rounds";
  EXPECT_EQ(r.x, row.root);
  EXPECT_LE(r.rounds, psychro::bisectRoundLimit);
}

INSTANTIATE_TEST_SUITE_P(Brackets, BisectIdentity,
                         testing::Values(BisectRow{"DryBulbRangeAtZero", -50, 100, 0, 0},
                                         BisectRow{"SmallestDenormal", -1, 1, 0x1p-1074, 0x1p-1074},
                                         BisectRow{"WideAroundZero", -0x1.5b310aa3558acp+619,
                                                   0x1.8af38849ad14ap+618, 0, 0},
                                         BisectRow{"WideAroundZeroOtherEnds",
                                                   -0x1.6a34c0a9d0e2fp+592, 0x1.e90180e66b36cp+592,
                                                   0, 0}),
                         [](const auto& row) { return row.param.name; });

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "../support/named_rows.h"
#include "psychro/air_state.h"

namespace {

using testsupport::PrintTo;

using psychro::airt2tw;

TEST(Airt2tw, WorkedExampleAt25And20) {
  const psychro::StateOutcome s = airt2tw(25, 20);
  ASSERT_TRUE(s.ok());
  EXPECT_NEAR(s.air.d, 0.0126120, 5e-8);
  EXPECT_NEAR(s.air.φ, 0.63539, 5e-6);
  EXPECT_NEAR(s.air.h, 57.262, 5e-4);
  EXPECT_NEAR(s.air.tl, 17.627, 5e-4);
  EXPECT_NEAR(s.air.ρ, 1.17375, 5e-6);
}

TEST(Airt2tw, LowVapourPressureTakesSecondDewPointBranch) {
  const psychro::StateOutcome s = airt2tw(5, 0);
  ASSERT_TRUE(s.ok());
  EXPECT_NEAR(s.air.tl, -8.86, 0.005);
}

TEST(Airt2tw, SaturatedAirHasFullHumidityAndDewPointAtDryBulb) {
  for (double t : {-40.0, -5.0, 0.0, 10.0, 30.0, 60.0}) {
    const psychro::StateOutcome s = airt2tw(t, t);
    ASSERT_TRUE(s.ok()) << t;
    EXPECT_NEAR(s.air.φ, 1.0, 1e-9) << t;
    EXPECT_NEAR(s.air.tl, t, 0.6) << t;  // the dew-point correlation is approximate
  }
}

TEST(DewPoint, BranchBoundaryAt611PascalBelongsToLowBranch) {
  const double L = std::log(0.611);
  EXPECT_EQ(psychro::dewPoint(611), 6.09 + 12.608 * L + 0.4959 * std::pow(L, 2));
  const double above = std::nextafter(611.0, 1000.0);
  const double La = std::log(above / 1000);
  EXPECT_EQ(psychro::dewPoint(above), 6.54 + 14.526 * La + 0.7389 * std::pow(La, 2) +
                                          0.09486 * std::pow(La, 3) +
                                          0.4569 * std::pow(above / 1000, 0.1984));
}

struct NoStateRow {
  const char* name;
  double t, tw;
};

class Airt2twNoState : public testing::TestWithParam<NoStateRow> {};

// Each pair describes no air that can exist; the outcome says so and carries no non-finite value
// that could reach the window.
TEST_P(Airt2twNoState, ReportsThatTheStateDoesNotExist) {
  const NoStateRow& row = GetParam();
  const psychro::StateOutcome s = airt2tw(row.t, row.tw);
  EXPECT_EQ(s.outcome, psychro::Outcome::noSuchState);
}

constexpr double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Pairs, Airt2twNoState,
                         testing::Values(NoStateRow{"TooDryFor10AndMinus5", 10, -5},
                                         NoStateRow{"WetBulbFarBelowIceRange", 25, -200},
                                         NoStateRow{"OverflowingWetBulbGivesNaN", 25, -1e308},
                                         NoStateRow{"MinusInfiniteWetBulb", 25, -inf},
                                         NoStateRow{"BoilingSaturatedAir", 100, 100},
                                         NoStateRow{"NotANumber", std::nan(""), std::nan("")}),
                         [](const auto& info) { return info.param.name; });

TEST(Airt2tw, TooDryStateKeepsItsNegativeMoisture) {
  const psychro::StateOutcome s = airt2tw(10, -5);
  EXPECT_NEAR(s.air.d, -0.00346, 5e-6);
}

}  // namespace

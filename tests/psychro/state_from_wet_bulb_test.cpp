#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "psychro/air_state.h"
#include "psychro/arithmetic.h"
#include "psychro/ashrae.h"
#include "psychro/saturation.h"
#include "support/named_rows.h"

namespace {

using testsupport::PrintTo;

using psychro::stateFromWetBulb;

TEST(Airt2tw, WorkedExampleAt25And20) {
  const psychro::StateOutcome s = stateFromWetBulb(25, 20);
  ASSERT_TRUE(s.ok());
  EXPECT_NEAR(s.air.d, 0.0126120, 5e-8);
  EXPECT_NEAR(s.air.φ, 0.63539, 5e-6);
  EXPECT_NEAR(s.air.h, 57.262, 5e-4);
  EXPECT_NEAR(s.air.tl, 17.627, 5e-4);
  EXPECT_NEAR(s.air.ρ, 1.17375, 5e-6);
}

TEST(Airt2tw, LowVapourPressureTakesSecondDewPointBranch) {
  const psychro::StateOutcome s = stateFromWetBulb(5, 0);
  ASSERT_TRUE(s.ok());
  EXPECT_NEAR(s.air.tl, -8.86, 0.005);
}

TEST(Airt2tw, SaturatedAirHasFullHumidityAndDewPointAtDryBulb) {
  for (double t : {-40.0, -5.0, 0.0, 10.0, 30.0, 60.0}) {
    const psychro::StateOutcome s = stateFromWetBulb(t, t);
    ASSERT_TRUE(s.ok()) << t;
    EXPECT_NEAR(s.air.φ, 1.0, 1e-9) << t;
    EXPECT_NEAR(s.air.tl, t, 0.6) << t;  // the dew-point correlation is approximate
  }
}

// The correlation's two branches meet at 611 Pa, about the saturation pressure at 0 ℃: across
// the boundary the dew point moves by less than the fit's error and stays at 0 ℃, and 611 Pa
// itself is on the low branch, the one vapourAtDewPoint takes back to 611 Pa.
// Each arithmetic's balance solved for t undoes it solved for d, along the whole wet-bulb line,
// and its dry end is where d reaches 0.
TEST(WetBulbLine, DryBulbUndoesMoistureInBothArithmetics) {
  using psychro::Arithmetic;
  const struct {
    double t, tw, pa;
  } rows[] = {{25, 20, 101325}, {35, 15, 101325}, {5, -3, 101325}, {60, 40, 80000}};
  for (const Arithmetic m : {Arithmetic::classic, Arithmetic::ashrae2017})
    for (const auto& r : rows) {
      const bool classic = m == Arithmetic::classic;
      const double d = classic ? psychro::wetBulbMoisture(r.t, r.tw, r.pa)
                               : psychro::ashrae::wetBulbMoisture(r.t, r.tw, r.pa);
      EXPECT_NEAR(psychro::dryBulbOnWetBulbLine(r.tw, d, r.pa, m), r.t, 1e-9) << r.t << classic;
      const double end = psychro::dryEndOfWetBulbLine(r.tw, r.pa, m);
      const double atEnd = classic ? psychro::wetBulbMoisture(end, r.tw, r.pa)
                                   : psychro::ashrae::wetBulbMoisture(end, r.tw, r.pa);
      EXPECT_NEAR(atEnd, 0, 1e-12) << r.tw << classic;
    }
}

TEST(DewPoint, BranchesMeetAt611PascalNearZero) {
  const double low = psychro::dewPoint(611);
  const double high = psychro::dewPoint(std::nextafter(611.0, 1000.0));
  EXPECT_NEAR(low, high, 0.05);
  for (double tl : {low, high, psychro::dewPoint(psychro::saturationPressure(0))})
    EXPECT_NEAR(tl, 0, 0.05);
  EXPECT_NEAR(psychro::vapourAtDewPoint(low), 611, 1e-6);
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
  const psychro::StateOutcome s = stateFromWetBulb(row.t, row.tw);
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
                         [](const auto& row) { return row.param.name; });

TEST(Airt2tw, TooDryStateKeepsItsNegativeMoisture) {
  const psychro::StateOutcome s = stateFromWetBulb(10, -5);
  EXPECT_NEAR(s.air.d, -0.00346, 5e-6);
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>

#include "psychro/air_state.h"
#include "psychro/constants.h"
#include "psychro/saturation.h"
#include "psychro/wet_bulb.h"
#include "support/named_rows.h"

namespace {

using testsupport::PrintTo;

using psychro::stateFromHumidity;
using psychro::WetBulbMethod;

struct WorkedRow {
  const char* name;
  double t, φ;
  double d, tw, h, tl, ρ;
  WetBulbMethod method;
};

class Airt2phiWorked : public testing::TestWithParam<WorkedRow> {};

TEST_P(Airt2phiWorked, MatchesReferenceState) {
  const WorkedRow& row = GetParam();
  const psychro::StateOutcome s = stateFromHumidity(row.t, row.φ);
  ASSERT_TRUE(s.ok());
  EXPECT_NEAR(s.air.d, row.d, 5e-8);
  EXPECT_NEAR(s.air.tw, row.tw, 0.005);
  EXPECT_NEAR(s.air.h, row.h, 5e-4);
  EXPECT_NEAR(s.air.tl, row.tl, 5e-4);
  EXPECT_NEAR(s.air.ρ, row.ρ, 5e-6);

  const double pws = psychro::saturationPressure(row.t);
  const psychro::WetBulb wb = row.t <= 28 ? psychro::wetBulbAveraged(row.t, s.air.d)
                                          : psychro::wetBulbByPressure(row.t, pws * row.φ, pws);
  EXPECT_EQ(wb.method, row.method);  // settled, on the scheme the dry bulb selects
  EXPECT_LE(wb.rounds, row.method == WetBulbMethod::averaged ? psychro::averagedRoundLimit
                                                             : psychro::pressureRoundLimit);
  EXPECT_EQ(wb.tw, s.air.tw);
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceStates, Airt2phiWorked,
    testing::Values(WorkedRow{"Averaged25At50", 25, 0.5, 0.0098819, 17.87, 50.311, 13.893, 1.17565,
                              WetBulbMethod::averaged},
                    WorkedRow{"Pressure30At50", 30, 0.5, 0.0133114, 22.12, 64.193, 18.465, 1.15391,
                              WetBulbMethod::pressure}),
    [](const auto& row) { return row.param.name; });

TEST(Airt2phi, SchemeSwitchesAbove28) {
  const double φ = 0.4;
  const psychro::StateOutcome at28 = stateFromHumidity(28, φ);
  EXPECT_EQ(at28.air.tw, psychro::wetBulbAveraged(28, at28.air.d).tw);
  const double pws = psychro::saturationPressure(28.01);
  EXPECT_EQ(stateFromHumidity(28.01, φ).air.tw, psychro::wetBulbByPressure(28.01, pws * φ, pws).tw);
}

TEST(Airt2phi, SaturatedAirHasWetBulbAndDewPointAtDryBulb) {
  for (double t : {-30.0, 0.0, 15.0, 28.0, 40.0, 80.0}) {
    const psychro::StateOutcome s = stateFromHumidity(t, 1);
    ASSERT_TRUE(s.ok()) << t;
    EXPECT_NEAR(s.air.tw, t, 0.02) << t;
    EXPECT_LE(s.air.tw, t) << t;
    EXPECT_NEAR(s.air.tl, t, 0.6) << t;
    const double ps = psychro::saturationPressure(t);
    EXPECT_NEAR(s.air.d, 0.622 * ps / (psychro::standardPressure - ps), 1e-12) << t;
  }
  // The balance can settle a few ulps above the dry bulb (here -0.0649999999999993 at 30013 Pa,
  // shown as -0.06 beside a dry bulb of -0.07); the wet bulb is held at the dry bulb.
  EXPECT_LE(stateFromHumidity(-0.065, 1, 30013).air.tw, -0.065);
}

struct CycleRow {
  const char* name;
  double t, φ;
};

class Airt2phiTwoCycle : public testing::TestWithParam<CycleRow> {};

// Warm humid air where the averaged iteration falls into a two-cycle: the state must still come
// back, with a wet bulb that balances the psychrometric equation.
TEST_P(Airt2phiTwoCycle, FindsTheWetBulbByBracketing) {
  const CycleRow& row = GetParam();
  const psychro::StateOutcome s = stateFromHumidity(row.t, row.φ);
  ASSERT_TRUE(s.ok());
  const psychro::WetBulb wb = psychro::wetBulbAveraged(row.t, s.air.d);
  EXPECT_EQ(wb.method, WetBulbMethod::bracketed);
  EXPECT_GT(s.air.tw, s.air.tl);
  EXPECT_LT(s.air.tw, row.t);
  // Balance: vapour at saturation over the wet bulb, less what the air gave up cooling to it.
  const double ps = psychro::saturationPressure(s.air.tw);
  const double ds = 0.622 * ps / (psychro::standardPressure - ps);
  const double heat = (row.t - s.air.tw) * (1 + 1.805 * s.air.d);
  const double evaporated = (ds - s.air.d) * (2501 - 4.186 * s.air.tw + 1.805 * s.air.tw);
  EXPECT_NEAR(heat, evaporated, 0.01);
}

INSTANTIATE_TEST_SUITE_P(WarmHumidAir, Airt2phiTwoCycle,
                         testing::Values(CycleRow{"SummerDay27At90", 27, 0.90},
                                         CycleRow{"Edge25_6At99_8", 25.6, 0.998},
                                         CycleRow{"Edge28At81_7", 28, 0.817},
                                         CycleRow{"Hot28At99", 28, 0.99}),
                         [](const auto& row) { return row.param.name; });

// Across the edge where the averaged iteration stops settling within its rounds, the wet bulb
// keeps rising at the same rate with the humidity (the averaged answers are good to 0.01 °C).
TEST(Airt2phi, WetBulbIsSmoothAcrossTheBracketingEdge) {
  double previous = stateFromHumidity(28, 0.70).air.tw;
  double previousStep = 0.075;  // about 15 °C per unit of φ here
  for (double φ = 0.705; φ <= 1.0; φ += 0.005) {
    const psychro::StateOutcome s = stateFromHumidity(28, φ);
    ASSERT_TRUE(s.ok()) << φ;
    const double step = s.air.tw - previous;
    EXPECT_NEAR(step, previousStep, 0.02) << φ;
    previous = s.air.tw;
    previousStep = step;
  }
}

struct FailRow {
  const char* name;
  double t, φ;
  psychro::Outcome outcome;
};

class Airt2phiNoState : public testing::TestWithParam<FailRow> {};

TEST_P(Airt2phiNoState, ReportsTheMessage) {
  const FailRow& row = GetParam();
  EXPECT_EQ(stateFromHumidity(row.t, row.φ).outcome, row.outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Airt2phiNoState,
    testing::Values(
        FailRow{"VapourAtBoilingSaturation", 100, 1, psychro::Outcome::noSuchState},
        FailRow{"VapourJustAboveTotalPressure", 99.98, 1, psychro::Outcome::noSuchState},
        FailRow{"BoneDryAirHasNoDewPoint", 20, 0, psychro::Outcome::outOfBounds},
        FailRow{"NotANumberHumidity", 20, std::nan(""), psychro::Outcome::noSuchState},
        FailRow{"NotANumberTemperature", std::nan(""), 0.5, psychro::Outcome::outOfBounds}),
    [](const auto& row) { return row.param.name; });

TEST(Airt2phi, VapourJustBelowTotalPressureStillExists) {
  EXPECT_TRUE(stateFromHumidity(99.96, 1).ok());
}

}  // namespace

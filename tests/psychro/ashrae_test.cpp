// The ASHRAE 2017 arithmetic: against the Handbook's published figures, and the properties that
// catch a wrong branch or an unsettled solve.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "psychro/air_state.h"
#include "psychro/ashrae.h"
#include "psychro/false_position.h"

namespace {

using psychro::ashrae::saturationPressure;
using psychro::ashrae::stateFromHumidity;

// Published figures: the saturation pressures of the Handbook's table of water at saturation,
// which the formulas meet within 300 parts per million (to its last digit at −60 ℃), and the
// chapter's example of air at 40 ℃ dry bulb and 20 ℃ wet bulb at 101.325 kPa, to the digits it
// gives (its W = 0.0065 rounds a figure carried with rounded steps: 0.0001 allowed).
TEST(AshraePublished, FiguresAreMet) {
  const psychro::StateOutcome e = psychro::ashrae::stateFromWetBulb(40, 20, 101325);
  ASSERT_TRUE(e.ok());
  const struct {
    const char* name;
    double computed, published, allowed;
  } rows[] = {
      {"pws -60", saturationPressure(-60), 1.08, 0.005},
      {"pws -20", saturationPressure(-20), 103.24, 103.24 * 3e-4},
      {"pws -5", saturationPressure(-5), 401.74, 401.74 * 3e-4},
      {"pws 5", saturationPressure(5), 872.6, 872.6 * 3e-4},
      {"pws 25", saturationPressure(25), 3169.7, 3169.7 * 3e-4},
      {"pws 50", saturationPressure(50), 12351.3, 12351.3 * 3e-4},
      {"pws 100", saturationPressure(100), 101418.0, 101418.0 * 3e-4},
      {"example W", e.air.d, 0.0065, 0.0001},
      {"example h", e.air.h, 56.7, 0.05},
      {"example φ", e.air.φ, 0.14, 0.005},
      {"example v", psychro::ashrae::specificVolume(40, e.air.d, 101325), 0.896, 0.0005},
  };
  for (const auto& r : rows) EXPECT_NEAR(r.computed, r.published, r.allowed) << r.name;
}

// Fine scans of −50…100 ℃ at fixed φ and at fixed d, at three pressures: every state settles, and
// neither the wet bulb nor the dew point ever falls as t rises.
TEST(AshraeScan, WetBulbAndDewPointNeverFall) {
  for (double pa : {101325.0, 80000.0, 61640.0}) {
    const auto scan = [pa](const char* what, double fixed, auto humidityAt) {
      double tw = -INFINITY, tl = -INFINITY;
      for (int i = 0; i <= 15000; ++i) {
        const double t = -50 + i * 0.01;
        const psychro::StateOutcome s = stateFromHumidity(t, humidityAt(t), pa);
        if (s.outcome == psychro::Outcome::noSuchState) break;  // the vapour reaches pa
        ASSERT_TRUE(s.ok()) << what << fixed << " at " << t << " ℃, " << pa << " Pa";
        EXPECT_GE(s.air.tw, tw - 1e-9) << what << fixed << " at " << t << " ℃, " << pa << " Pa";
        EXPECT_GE(s.air.tl, tl - 1e-9) << what << fixed << " at " << t << " ℃, " << pa << " Pa";
        tw = s.air.tw;
        tl = s.air.tl;
      }
    };
    for (double φ : {0.05, 0.3, 0.8, 1.0}) scan("φ ", φ, [φ](double) { return φ; });
    for (double d : {0.0002, 0.003, 0.02})
      scan("d ", d, [d, pa](double t) {
        return std::min(1.0, psychro::ashrae::vapourPressure(d, pa) / saturationPressure(t));
      });
  }
}

// No step in any quantity where the classic arithmetic changes its scheme (28 ℃) or where the
// saturation formula turns from ice to water (the triple point, where both give the same pressure
// to five digits): the states just either side agree.
TEST(AshraeScan, NoStepAtTheTriplePointOr28) {
  for (double pa : {101325.0, 61640.0})
    for (double at : {psychro::ashrae::triplePoint, 28.0})
      for (double φ : {0.1, 0.6, 1.0}) {
        const psychro::StateOutcome below = stateFromHumidity(std::nextafter(at, -100), φ, pa);
        const psychro::StateOutcome above = stateFromHumidity(at, φ, pa);
        ASSERT_TRUE(below.ok() && above.ok()) << at << " ℃, φ " << φ;
        EXPECT_NEAR(below.air.tw, above.air.tw, 2e-4) << at << " ℃, φ " << φ;
        EXPECT_NEAR(below.air.tl, above.air.tl, 2e-4) << at << " ℃, φ " << φ;
        EXPECT_NEAR(below.air.d, above.air.d, 1e-7) << at << " ℃, φ " << φ;
      }
}

// The same air shows one wet bulb whichever route finds it: an ice bulb given where a water bulb
// also balances shows the water bulb; saturated air shows its dry bulb as wet bulb and dew point,
// also at dry bulbs halfway between two shown hundredths.
TEST(AshraeState, OneAirOneWetBulbAndSaturationAtItsDryBulb) {
  const struct {
    const char* name;
    double t, tw;  // tw NaN: saturated air at t
  } rows[] = {
      {"IceBulbInTheBand", 5, -0.2}, {"IceBulbNearZero", 0.5, -0.01}, {"IceBulbOnly", 5, -2.71},
      {"SaturatedTie", 20.375, NAN}, {"SaturatedTieLow", 0.125, NAN}, {"SaturatedHot", 96.625, NAN},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    if (std::isnan(r.tw)) {
      const psychro::StateOutcome s = stateFromHumidity(r.t, 1, 101325);
      ASSERT_TRUE(s.ok());
      EXPECT_EQ(s.air.tw, r.t);
      EXPECT_EQ(s.air.tl, r.t);
      continue;
    }
    const psychro::StateOutcome given = psychro::ashrae::stateFromWetBulb(r.t, r.tw, 101325);
    ASSERT_TRUE(given.ok());
    const psychro::StateOutcome found = stateFromHumidity(r.t, given.air.φ, 101325);
    ASSERT_TRUE(found.ok());
    EXPECT_NEAR(given.air.tw, found.air.tw, 1e-6);
  }
}

// The guarded false position settles within its bound on smooth, kinked, jumping and partly
// undefined functions, to the tolerance asked (or at the jump).
TEST(AshraeSolve, SettlesWithinItsBound) {
  const struct {
    const char* name;
    double (*f)(double);
    double lo, hi, target, root;
  } rows[] = {
      {"exp", [](double x) { return std::exp(x); }, -100, 200, 3, std::log(3.0)},
      {"steep cube", [](double x) { return x * x * x * 1e9; }, -1, 5, 8e9, 2},
      {"kink", [](double x) { return x < 1 ? x * 1e-6 : x; }, 0, 10, 5, 5},
      {"jump", [](double x) { return x < 0.5 ? 0.0 : 1.0; }, 0, 1, 0.5, 0.5},
      {"undefined above", [](double x) { return x > 2 ? NAN : x; }, 0, 10, 1.5, 1.5},
  };
  for (const auto& r : rows) {
    const psychro::Root root = psychro::solveIncreasing(r.f, r.lo, r.hi, r.target, 1e-9);
    ASSERT_TRUE(root.settled) << r.name;
    EXPECT_LE(root.rounds, psychro::falsePositionRoundLimit) << r.name;
    EXPECT_NEAR(root.x, r.root, 1e-9) << r.name;
  }
}

}  // namespace

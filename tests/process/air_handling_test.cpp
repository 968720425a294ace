#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "calc/messages.h"
#include "process/coil.h"
#include "process/desiccant.h"
#include "process/evaporative.h"
#include "process/fan.h"
#include "process/figures.h"
#include "process/heat_recovery.h"
#include "process/processes.h"
#include "support/named_rows.h"

namespace {

using testsupport::PrintTo;

using namespace process;
using psychro::AirState;
using psychro::Arithmetic;
using psychro::Outcome;
using psychro::StateOutcome;
using Q = psychro::Quantity;
using Apply = StateOutcome (*)(const AirState& a, double pa, Arithmetic m);

// A process applied to the inlet a at the pressure pa under the arithmetic m.
#define RUN(call) [](const AirState& a [[maybe_unused]], double pa, Arithmetic m) { return call; }

// The four settings every worked value is given for, in this order.
constexpr struct {
  double pa;
  Arithmetic m;
} settings[] = {{101325, Arithmetic::classic},
                {101325, Arithmetic::ashrae2017},
                {89875, Arithmetic::classic},
                {89875, Arithmetic::ashrae2017}};

// Air at t, °C, and φ, fraction, at pa under m.
AirState air(double t, double φ, double pa, Arithmetic m) {
  return psychro::stateFromPair({Q::t, t}, {Q::rh, φ}, pa, {}, m).air;
}

// A quantity of a state in the window's units (φ in %, d in g/kg).
double shown(const AirState& s, Q q) {
  const double v[] = {s.t, s.tw, 100 * s.φ, s.tl, 1000 * s.d, s.h};  // in the order of Quantity
  return v[static_cast<int>(q)];
}

struct Row {
  const char* name;
  double t, φ;  // the inlet
  Apply run;
  std::optional<Q> kept;  // what the process keeps of the inlet (h or d)
  Q worked;               // the quantity worked by hand, at the four settings
  double values[4];
};

class AirHandling : public testing::TestWithParam<Row> {};

TEST_P(AirHandling, ReachesTheWorkedOutlet) {
  const Row& r = GetParam();
  for (int i = 0; i < 4; ++i) {
    const auto [pa, m] = settings[i];
    SCOPED_TRACE(i);
    const AirState in = air(r.t, r.φ, pa, m);
    const StateOutcome out = r.run(in, pa, m);
    ASSERT_TRUE(out.ok()) << calc::words(out.outcome);
    EXPECT_NEAR(shown(out.air, r.worked), r.values[i], 5e-6);
    if (r.kept) {
      EXPECT_NEAR(shown(out.air, *r.kept), shown(in, *r.kept), 1e-9);
    }
  }
}

// Worked in double precision from the definitions of each process, Hyland–Wexler saturation and
// each arithmetic's d = ε·pv/(pa − pv) (ε 0.622 or 0.621945) and h = 2501·d + t·(1.006 + cpv·d)
// (cpv 1.805 or 1.86); t_s the dry bulb of saturated air of the inlet's h.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Processes, AirHandling, testing::Values(
    // −5 + 0.7·(20 − (−5)) = 12.5 ℃ however the air is figured.
    Row{"SensibleRecoveryWarmsWinterAir", -5, 0.8,
        RUN(recoverSensible(a, air(20, 0.4, pa, m), 0.7, pa, m)), Q::d, Q::t, {12.5, 12.5, 12.5, 12.5}},
    // W 35 ℃, 60 % (90.1935 kJ/kg, 21.44 g/kg) against N 26 ℃, 55 % (55.6253, 11.57) at ηh 0.6:
    // 69.4526 kJ/kg, 15.5168 g/kg.
    Row{"TotalRecoveryCoolsSummerAir", 35, 0.6, RUN(recoverTotal(a, air(26, 0.55, pa, m), 0.6, {}, pa, m)),
        {}, Q::t, {29.637242, 29.638342, 29.642122, 29.643361}},
    Row{"TotalRecoveryWithItsOwnMoistureShare", 35, 0.6,
        RUN(recoverTotal(a, air(26, 0.55, pa, m), 0.6, 0.5, pa, m)), {}, Q::t,
        {27.201349, 27.203236, 26.887647, 26.890082}},
    // t_s = 18.7066 ℃ at 101325 Pa (18.0830 at 89875): 35 − 0.85·(35 − t_s).
    Row{"DirectEvaporativeCooling", 35, 0.2, RUN(evaporativeCool(a, 0.85, pa, m)), Q::h, Q::t,
        {21.150638, 21.150894, 20.620563, 20.621075}},
    Row{"DirectEvaporationToSaturation", 35, 0.2, RUN(evaporativeCool(a, 1, pa, m)), Q::h, Q::rh,
        {100, 100, 100, 100}},
    Row{"IndirectOnTheInletItself", 35, 0.2, RUN(evaporativeCoolIndirect(a, a, 0.6, pa, m)), Q::d,
        Q::t, {25.223979, 25.224161, 24.849809, 24.850171}},
    Row{"IndirectOnRoomExhaust", 35, 0.2,
        RUN(evaporativeCoolIndirect(a, air(26, 0.55, pa, m), 0.7, pa, m)), Q::d, Q::t,
        {24.129036, 24.129437, 23.959358, 23.959856}},
    Row{"DesiccantToMoisture", 26, 0.6, RUN(dryAdiabatic(a, {Q::d, 0.008}, pa, m)), Q::h, Q::t,
        {37.582544, 37.581258, 41.695307, 41.694193}},
    Row{"DesiccantToHumidity", 26, 0.6, RUN(dryAdiabatic(a, {Q::rh, 0.3}, pa, m)), Q::h, Q::t,
        {33.440267, 33.440128, 33.817546, 33.817175}},
    Row{"DesiccantToDryBulb", 26, 0.6, RUN(dryAdiabatic(a, {Q::t, 40}, pa, m)), Q::h, Q::d,
        {7.041322, 7.041219, 8.672299, 8.671572}},
    // Δh = 1000 Pa · v / (1000 · 0.65) = 1.2940 kJ/kg at 101325 Pa (1.4610 at 89875).
    Row{"FanHeat", 20, 0.5, RUN(fanHeat(a, 1000, 0.65, pa, m)), Q::d, Q::t,
        {21.269721, 21.267817, 21.431241, 21.429022}},
    Row{"CoilByBypassFactor", 27, 0.6, RUN(coolAndDryByBypass(a, 10, 0.15, pa, m)), {}, Q::t,
        {12.572186, 12.572850, 12.575072, 12.575821}},
    Row{"CoilWithoutBypassLeavesAtItsDewPoint", 27, 0.6, RUN(coolAndDryByBypass(a, 10, 0, pa, m)),
        {}, Q::rh, {100, 100, 100, 100}}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

// The apparatus dew point and bypass factor of coil rows given three ways, and none where the line
// from the inlet through the outlet never meets saturation.
TEST(CoilRating, OfAnyCoilRow) {
  const struct {
    const char* name;
    double t, φ;  // the inlet
    Apply run;
    double tAdp, bf;  // NaN: no rating; bf alone NaN: not known by hand
  } rows[] = {
      {"ByBypass", 27, 0.6, RUN(coolAndDryByBypass(a, 10, 0.15, pa, m)), 10, 0.15},
      {"ByBypassBelowFreezing", 20, 0.3, RUN(coolAndDryByBypass(a, -5, 0.3, pa, m)), -5, 0.3},
      {"TowardsMachineDewPoint", 27, 0.6, RUN(coolAndDryToDewPoint(a, 12, 0.9, pa, m)), 12, NAN},
      {"Heating", 27, 0.6, RUN(heat(a, 35, pa, m)), NAN, NAN},
      // Extended, the line runs dry (d = 0) at 21.9 ℃ without meeting saturation.
      {"DryingSteeperThanSaturation", 30, 0.5, RUN(coolAndDry(a, {Q::t, 25}, {Q::d, 0.005}, pa, m)),
       NAN, NAN},
  };
  for (const auto& r : rows)
    for (const auto [pa, m] : settings) {
      SCOPED_TRACE(r.name);
      const AirState in = air(r.t, r.φ, pa, m);
      const StateOutcome out = r.run(in, pa, m);
      ASSERT_TRUE(out.ok()) << calc::words(out.outcome);
      const auto rating = apparatusDewPoint(in, out.air, pa, m);
      ASSERT_EQ(rating.has_value(), !std::isnan(r.tAdp));
      if (!rating) continue;
      EXPECT_NEAR(rating->tAdp, r.tAdp, 1e-7);
      if (!std::isnan(r.bf)) {
        EXPECT_NEAR(rating->bf, r.bf, 1e-9);
      }
    }
}

// The heat recovered and the fan's power for a flow are the rows' total loads, G·Δh.
TEST(AirHandlingLoads, AreTheFlowTimesTheEnthalpyRise) {
  // W through a 全热 wheel at ηh 0.6 against N (TotalRecoveryCoolsSummerAir): 3 kg/s give up
  // 3·(90.1935 − 69.4526) = 62.22 kW.
  const double pa = 101325;
  const AirState w = air(35, 0.6, pa, Arithmetic::classic);
  const StateOutcome out = recoverTotal(w, air(26, 0.55, pa, Arithmetic::classic), 0.6, {}, pa);
  EXPECT_NEAR(loads(figures(w, out.air), 3).total, -62.222845, 5e-6);
  // 10000 m³/h at the fan's inlet through 1000 Pa at η 0.65: L·ΔP/(3.6·10⁶·η) = 4.273504 kW,
  // whatever the air's state.
  for (const auto [p, m] : settings) {
    const AirState in = air(20, 0.5, p, m);
    const double g = dryAirFlow(10000, in);
    EXPECT_NEAR(fanPower(in, 1000, 0.65, g), 4.273504, 1e-6);
    EXPECT_NEAR(loads(figures(in, fanHeat(in, 1000, 0.65, p, m).air), g).total, 4.273504, 1e-6);
  }
}

struct RefusalRow {
  const char* name;
  Apply run;  // applied to air at 27 ℃, 60 % (dew point 18.6 ℃, 13.4 g/kg)
  Outcome outcome;
};

class AirHandlingRefusal : public testing::TestWithParam<RefusalRow> {};

TEST_P(AirHandlingRefusal, GivesItsOutcomeAndNoState) {
  for (const auto [pa, m] : settings) {
    const StateOutcome out = GetParam().run(air(27, 0.6, pa, m), pa, m);
    EXPECT_EQ(out.outcome, GetParam().outcome) << calc::words(out.outcome);
    EXPECT_TRUE(out.air.t == 0 && out.air.d == 0 && out.air.h == 0);
  }
}

// clang-format off
constexpr RefusalRow refusals[] = {
    {"EffectivenessZero", RUN(recoverSensible(a, air(20, 0.4, pa, m), 0, pa, m)), Outcome::efficiencyRange},
    {"MoistureEffectivenessAboveOne", RUN(recoverTotal(a, air(20, 0.4, pa, m), 0.6, 1.5, pa, m)),
     Outcome::efficiencyRange},
    {"EvaporationAboveOne", RUN(evaporativeCool(a, 1.2, pa, m)), Outcome::efficiencyRange},
    {"FanEfficiencyNotANumber", RUN(fanHeat(a, 500, NAN, pa, m)), Outcome::efficiencyRange},
    {"RecoveryAgainstItself", RUN(recoverTotal(a, a, 0.6, {}, pa, m)), Outcome::recoveryNoDifference},
    {"SensibleRecoveryAtOneDryBulb", RUN(recoverSensible(a, air(27, 0.3, pa, m), 0.7, pa, m)),
     Outcome::recoveryNoDifference},
    {"SensibleRecoveryBelowDewPoint", RUN(recoverSensible(a, air(15, 0.5, pa, m), 1, pa, m)),
     Outcome::recoveryPastSaturation},
    // −10 ℃, 90 % with 22 ℃, 60 % at 0.3: −0.30 ℃ at 108 %, frost in the wheel.
    {"WinterTotalRecoveryFrosts",
     RUN(recoverTotal(air(-10, 0.9, pa, m), air(22, 0.6, pa, m), 0.3, {}, pa, m)),
     Outcome::recoveryPastSaturation},
    {"EvaporatingSaturatedAir", RUN(evaporativeCool(air(20, 1, pa, m), 0.9, pa, m)),
     Outcome::evaporationNotCooler},
    // Saturated at 34.4 ℃ along its h.
    {"SecondaryAirWarmer", RUN(evaporativeCoolIndirect(a, air(45, 0.5, pa, m), 0.7, pa, m)),
     Outcome::evaporationNotCooler},
    // Saturated at 9.2 ℃ along its h.
    {"IndirectBelowDewPoint", RUN(evaporativeCoolIndirect(a, air(20, 0.2, pa, m), 1, pa, m)),
     Outcome::indirectBelowDewPoint},
    {"DesiccantThatWets", RUN(dryAdiabatic(a, {Q::d, 0.016}, pa, m)), Outcome::dryingNotDrier},
    {"DesiccantToCoolerAir", RUN(dryAdiabatic(a, {Q::t, 25}, pa, m)), Outcome::dryingNotDrier},
    {"DesiccantPastHundredDegrees", RUN(dryAdiabatic(a, {Q::t, 120}, pa, m)), Outcome::dryingOutOfRange},
    {"DesiccantToNoMoisture", RUN(dryAdiabatic(a, {Q::d, 0}, pa, m)), Outcome::dryingOutOfRange},
    {"DesiccantToEnthalpy", RUN(dryAdiabatic(a, {Q::h, 40}, pa, m)), Outcome::pairNotDetermined},
    {"FanWithoutPressure", RUN(fanHeat(a, 0, 0.7, pa, m)), Outcome::fanPressureNotPositive},
    {"BypassFactorOfOne", RUN(coolAndDryByBypass(a, 10, 1, pa, m)), Outcome::bypassFactorRange},
    {"DewPointAboveInlets", RUN(coolAndDryByBypass(a, 19, 0.1, pa, m)), Outcome::dewPointNotBelow},
    // From 20 ℃, 90 % to 2 ℃ the line runs past 100 % from a third of the way on; the outlet at
    // a tenth of the way (92 %) is clear, the coil's line is not.
    {"LineFogsBeyondAClearOutlet", RUN(coolAndDryByBypass(air(20, 0.9, pa, m), 2, 0.9, pa, m)),
     Outcome::coilLineFogs},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Refusals, AirHandlingRefusal, testing::ValuesIn(refusals),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace

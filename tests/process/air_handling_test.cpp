#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

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
using Q = psychro::Quantity;
using Apply = Outlet (*)(const AirState& a, double pa, Arithmetic m);
constexpr double none = INFINITY;
constexpr double AirState::*T = &AirState::t, AirState::*RH = &AirState::φ,
                 AirState::*D = &AirState::d, AirState::*H = &AirState::h;

// A process applied to the inlet a at the pressure pa under the arithmetic m; AIR(t, φ) is other
// air there.
#define RUN(call) [](const AirState& a [[maybe_unused]], double pa, Arithmetic m) { return call; }
#define AIR(t, φ) air(t, φ, pa, m)

// The four settings every worked value is given for, in this order.
constexpr std::pair<double, Arithmetic> settings[] = {{101325, Arithmetic::classic},
                                                      {101325, Arithmetic::ashrae2017},
                                                      {89875, Arithmetic::classic},
                                                      {89875, Arithmetic::ashrae2017}};

// Air at t, °C, and φ, fraction, at pa under m.
AirState air(double t, double φ, double pa, Arithmetic m) {
  return psychro::stateFromPair({Q::t, t}, {Q::rh, φ}, pa, {}, m).air;
}

struct Row {
  const char* name;
  double t, φ;  // the inlet
  Apply run;
  double AirState::*worked;  // the quantity worked by hand (φ as a fraction), at the four settings
  double values[4];
  double AirState::*kept;        // what the process keeps of the inlet, if anything
  Code code = Code::arithmetic;  // or the refusal it gives, with no state
  // The outlet's coil rating (apparatusDewPoint), where tAdp is not NaN: ADP, °C, and BF (NaN:
  // not known by hand); tAdp = none: the line from the inlet through the outlet never saturates.
  double tAdp = NAN, bf = NAN;
};

class AirHandling : public testing::TestWithParam<Row> {};

TEST_P(AirHandling, ReachesTheWorkedOutletOrRefuses) {
  const Row& r = GetParam();
  for (int i = 0; i < 4; ++i) {
    const auto [pa, m] = settings[i];
    SCOPED_TRACE(i);
    const AirState in = air(r.t, r.φ, pa, m);
    const Outlet out = r.run(in, pa, m);
    ASSERT_EQ(out.why, Refusal{r.code}) << static_cast<int>(out.why.outcome);
    if (!out.ok()) {
      EXPECT_TRUE(out.air.t == 0 && out.air.d == 0 && out.air.h == 0);
      continue;
    }
    EXPECT_NEAR(out.air.*r.worked, r.values[i], 5e-6);
    if (r.kept) {
      EXPECT_NEAR(out.air.*r.kept, in.*r.kept, 1e-9);
    }
    if (std::isnan(r.tAdp)) continue;
    const auto rating = apparatusDewPoint(in, out.air, pa, m);
    ASSERT_EQ(rating.has_value(), r.tAdp != none);
    if (!rating) continue;
    EXPECT_NEAR(rating->tAdp, r.tAdp, 1e-7);
    EXPECT_TRUE(std::isnan(r.bf) || std::abs(rating->bf - r.bf) < 1e-9) << rating->bf;
  }
}

// Worked in double precision from the definitions of each process, Hyland–Wexler saturation and
// each arithmetic's d = ε·pv/(pa − pv) (ε 0.622 or 0.621945) and h = 2501·d + t·(1.006 + cpv·d)
// (cpv 1.805 or 1.86); t_s the dry bulb of saturated air of the inlet's h.
// clang-format off
constexpr Row rows[] = {
    // −5 + 0.7·(20 − (−5)) = 12.5 ℃ however the air is figured.
    {"SensibleRecoveryWarmsWinterAir", -5, 0.8, RUN(recoverSensible(a, AIR(20, 0.4), 0.7, pa, m)),
     T, {12.5, 12.5, 12.5, 12.5}, D},
    // W 35 ℃, 60 % (90.1935 kJ/kg, 21.44 g/kg) against N 26 ℃, 55 % (55.6253, 11.57) at ηh 0.6:
    // 69.4526 kJ/kg, 15.5168 g/kg.
    {"TotalRecoveryCoolsSummerAir", 35, 0.6, RUN(recoverTotal(a, AIR(26, 0.55), 0.6, {}, pa, m)),
     T, {29.637242, 29.638342, 29.642122, 29.643361}, {}},
    {"TotalRecoveryWithItsOwnMoistureShare", 35, 0.6,
     RUN(recoverTotal(a, AIR(26, 0.55), 0.6, 0.5, pa, m)),
     T, {27.201349, 27.203236, 26.887647, 26.890082}, {}},
    // t_s = 18.7066 ℃ at 101325 Pa (18.0830 at 89875): 35 − 0.85·(35 − t_s).
    {"DirectEvaporativeCooling", 35, 0.2, RUN(evaporativeCool(a, 0.85, pa, m)),
     T, {21.150638, 21.150894, 20.620563, 20.621075}, H},
    {"DirectEvaporationToSaturation", 35, 0.2, RUN(evaporativeCool(a, 1, pa, m)),
     RH, {1, 1, 1, 1}, H},
    {"IndirectOnTheInletItself", 35, 0.2, RUN(evaporativeCoolIndirect(a, a, 0.6, pa, m)),
     T, {25.223979, 25.224161, 24.849809, 24.850171}, D},
    {"DesiccantToMoisture", 26, 0.6, RUN(dryAdiabatic(a, {Q::d, 0.008}, pa, m)),
     T, {37.582544, 37.581258, 41.695307, 41.694193}, H},
    {"FanHeat", 20, 0.5, RUN(fanHeat(a, 1000, 0.65, pa, m)),
     T, {21.269721, 21.267817, 21.431241, 21.429022}, D},
    // The rating of a coil row, given any way, is the ADP and BF it was built from.
    {"CoilByBypassFactor", 27, 0.6, RUN(coolAndDryByBypass(a, 10, 0.15, pa, m)),
     T, {12.572186, 12.572850, 12.575072, 12.575821}, {}, {}, 10, 0.15},
    {"CoilByBypassBelowFreezing", 20, 0.3, RUN(coolAndDryByBypass(a, -5, 0.3, pa, m)),
     T, {2.517436, 2.517962, 2.519671, 2.520265}, {}, {}, -5, 0.3},
    {"CoilTowardsMachineDewPoint", 27, 0.6, RUN(coolAndDryToDewPoint(a, 12, 0.9, pa, m)),
     RH, {0.9, 0.9, 0.9, 0.9}, {}, {}, 12},
    // Extended, this line runs dry (d = 0) at 21.9 ℃ without meeting saturation.
    {"DryingSteeperThanSaturation", 30, 0.5, RUN(coolAndDry(a, {Q::t, 25}, {Q::d, 0.005}, pa, m)),
     T, {25, 25, 25, 25}, {}, {}, none},
    {"CoilWithoutBypassLeavesAtItsDewPoint", 27, 0.6, RUN(coolAndDryByBypass(a, 10, 0, pa, m)),
     RH, {1, 1, 1, 1}, {}},

    // Refusals, from 27 ℃, 60 % (dew point 18.6 ℃, 13.4 g/kg) unless named.
    {"MoistureEffectivenessAboveOne", 27, 0.6,
     RUN(recoverTotal(a, AIR(20, 0.4), 0.6, 1.5, pa, m)), {}, {}, {}, Code::efficiencyRange},
    {"RecoveryAgainstItself", 27, 0.6, RUN(recoverTotal(a, a, 0.6, {}, pa, m)), {}, {}, {},
     Code::recoveryNoDifference},
    {"SensibleRecoveryBelowDewPoint", 27, 0.6, RUN(recoverSensible(a, AIR(15, 0.5), 1, pa, m)),
     {}, {}, {}, Code::recoveryPastSaturation},
    // −10 ℃, 90 % with 22 ℃, 60 % at 0.3: −0.30 ℃ at 108 %, frost in the wheel.
    {"WinterTotalRecoveryFrosts", -10, 0.9, RUN(recoverTotal(a, AIR(22, 0.6), 0.3, {}, pa, m)),
     {}, {}, {}, Code::recoveryPastSaturation},
    {"EvaporatingSaturatedAir", 20, 1, RUN(evaporativeCool(a, 0.9, pa, m)), {}, {}, {},
     Code::evaporationNotCooler},
    // Saturated at 9.2 ℃ along its h.
    {"IndirectBelowDewPoint", 27, 0.6, RUN(evaporativeCoolIndirect(a, AIR(20, 0.2), 1, pa, m)),
     {}, {}, {}, Code::indirectBelowDewPoint},
    {"DesiccantThatWets", 27, 0.6, RUN(dryAdiabatic(a, {Q::d, 0.016}, pa, m)), {}, {}, {},
     Code::dryingNotDrier},
    {"DesiccantPastHundredDegrees", 27, 0.6, RUN(dryAdiabatic(a, {Q::t, 120}, pa, m)), {}, {}, {},
     Code::dryingOutOfRange},
    {"FanWithoutPressure", 27, 0.6, RUN(fanHeat(a, 0, 0.7, pa, m)), {}, {}, {},
     Code::fanPressureNotPositive},
    {"BypassFactorOfOne", 27, 0.6, RUN(coolAndDryByBypass(a, 10, 1, pa, m)), {}, {}, {},
     Code::bypassFactorRange},
    {"DewPointAboveInlets", 27, 0.6, RUN(coolAndDryByBypass(a, 19, 0.1, pa, m)), {}, {}, {},
     Code::dewPointNotBelow},
    // From 20 ℃, 90 % to 2 ℃ the line runs past 100 % from a third of the way on; the outlet at
    // a tenth of the way (92 %) is clear, the coil's line is not.
    {"LineFogsBeyondAClearOutlet", 20, 0.9, RUN(coolAndDryByBypass(a, 2, 0.9, pa, m)), {}, {}, {},
     Code::coilLineFogs},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Processes, AirHandling, testing::ValuesIn(rows),
                         [](const auto& row) { return std::string(row.param.name); });

// The heat recovered and the fan's power for a flow are the rows' total loads, G·Δh.
TEST(AirHandlingLoads, AreTheFlowTimesTheEnthalpyRise) {
  // W through a 全热 wheel at ηh 0.6 against N (TotalRecoveryCoolsSummerAir): 3 kg/s give up
  // 3·(90.1935 − 69.4526) = 62.22 kW.
  const AirState w = air(35, 0.6, 101325, Arithmetic::classic);
  const AirState n = air(26, 0.55, 101325, Arithmetic::classic);
  EXPECT_NEAR(loads(figures(w, recoverTotal(w, n, 0.6, {}, 101325).air), 3).total, -62.222845,
              5e-6);
  // 10000 m³/h at the fan's inlet through 1000 Pa at η 0.65: L·ΔP/(3.6·10⁶·η) = 4.273504 kW,
  // whatever the air's state.
  for (const auto& [pa, m] : settings) {
    const AirState in = AIR(20, 0.5);
    const double g = dryAirFlow(10000, in);
    EXPECT_NEAR(fanPower(in, 1000, 0.65, g), 4.273504, 1e-6);
    EXPECT_NEAR(loads(figures(in, fanHeat(in, 1000, 0.65, pa, m).air), g).total, 4.273504, 1e-6);
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "calc/pair_calculation.h"
#include "calc/state_results.h"
#include "process/figures.h"
#include "process/processes.h"
#include "support/named_rows.h"

namespace {

using testsupport::PrintTo;

using namespace process;
using psychro::Given;
using Q = psychro::Quantity;
using Run = Outlet (*)(const AirState& a, double pa);
using Texts = std::array<std::string, calc::outputs.size()>;

// A process applied to the inlet a at the pressure pa.
#define PROCESS(call) [](const AirState& a [[maybe_unused]], double pa) { return call; }

AirState state(Given a, Given b, double pa = psychro::standardPressure) {
  return psychro::stateFromPair(a, b, pa).air;
}

Texts shown(const AirState& s) {
  Texts texts;
  EXPECT_TRUE(calc::formatResults(s, texts));
  return texts;
}

struct ProcessRow {
  const char* name;
  Given in[2];
  Run run;
  Given reached;    // what the outlet must hold, worked by hand
  double ε;         // ε of the line, kJ/kg, known by hand; NaN: that from the inlet to `toward`
  Given toward[2];  // the far end of the process line (a leaving state, the machine dew point)
};

// Each process at two pressures: the outlet holds what the process sets, lies on the line it must,
// shows what the main window shows for its t and d, and its loads split as the definitions say.
class Process : public testing::TestWithParam<ProcessRow> {};

TEST_P(Process, EndsOnItsLineWithItsLoads) {
  const ProcessRow& r = GetParam();
  for (const double pa : {101325.0, 81000.0}) {
    SCOPED_TRACE(pa);
    const AirState in = state(r.in[0], r.in[1], pa);
    const Outlet out = r.run(in, pa);
    ASSERT_TRUE(out.ok()) << static_cast<int>(out.why.code);
    const AirState& o = out.air;
    const double held[] = {o.t, o.tw, o.φ, o.tl, o.d, o.h};  // in the order of Quantity
    EXPECT_NEAR(held[static_cast<int>(r.reached.quantity)], r.reached.value, 1e-9);

    const Figures f = figures(in, o);
    const double ε = std::isnan(r.ε) ? figures(in, state(r.toward[0], r.toward[1], pa)).ε : r.ε;
    EXPECT_TRUE(f.ε == ε || std::abs(f.ε - ε) < 1e-6 * std::abs(ε) + 1e-6) << f.ε << " ≠ " << ε;
    EXPECT_EQ(shown(o), calc::calculate({Q::t, Q::d}, o.t, o.d * 1000, pa).texts);

    // latent = 2501·G·Δd; the rest is sensible, G·cp·Δt with cp = 1.006 + 1.805·d of the humid air,
    // give or take the vapour's own warming G·1.805·t·Δd (under 3 % of the latent below 40 ℃).
    const double G = 2;  // kg/s
    const Loads l = loads(f, G);
    EXPECT_NEAR(l.latent, 2501 * G * (o.d - in.d), 1e-9);
    const double cp = 1.006 + 1.805 * (in.d + o.d) / 2;
    EXPECT_NEAR(l.sensible, G * cp * (o.t - in.t), 0.03 * std::abs(l.latent) + 1e-9);
  }
}

constexpr double inf = INFINITY, nan = NAN;
constexpr Given t27{Q::t, 27}, t30{Q::t, 30}, rh20{Q::rh, 0.2}, rh40{Q::rh, 0.4}, rh60{Q::rh, 0.6},
    rh80{Q::rh, 0.8}, rh90{Q::rh, 0.9};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Processes, Process, testing::Values(
    // 2 kg/s of 18 g/kg with 1 kg/s of 9 g/kg hold (2·18 + 9) / 3 = 15 g/kg, on the chord from
    // 32 ℃, 78.2497 kJ/kg to 24 ℃, 47.0429 kJ/kg: ε = (47.0429 − 78.2497) / (0.009 − 0.018).
    ProcessRow{"MixingTwoToOne", {{Q::t, 32}, {Q::d, 0.018}},
               PROCESS(mix(a, 2, state({Q::t, 24}, {Q::d, 0.009}, pa), 1, pa)),
               {Q::d, 0.015}, 3467.42, {}},
    ProcessRow{"Heating", {{Q::t, 10}, rh80}, PROCESS(heat(a, 30, pa)), {Q::t, 30}, inf, {}},
    ProcessRow{"SensibleCooling", {t30, rh40}, PROCESS(cool(a, 20, pa)), {Q::t, 20}, -inf, {}},
    ProcessRow{"CoolingToLeavingState", {t27, rh60}, PROCESS(coolAndDry(a, {Q::t, 14}, rh90, pa)),
               rh90, nan, {{Q::t, 14}, rh90}},
    ProcessRow{"CoolingTowardsMachineDewPoint", {t27, rh60},
               PROCESS(coolAndDryToDewPoint(a, 10, 0.9, pa)), rh90, nan, {{Q::t, 10}, {Q::rh, 1}}},
    ProcessRow{"AdiabaticToHumidity", {t30, rh20}, PROCESS(humidifyAdiabatic(a, rh90, pa)),
               rh90, 0, {}},
    ProcessRow{"AdiabaticToDryBulb", {t30, rh20}, PROCESS(humidifyAdiabatic(a, {Q::t, 20}, pa)),
               {Q::t, 20}, 0, {}},
    ProcessRow{"AdiabaticToMoisture", {t30, rh20},
               PROCESS(humidifyAdiabatic(a, {Q::d, 0.009}, pa)), {Q::d, 0.009}, 0, {}},
    // At constant t, Δh = (2501 + 1.805·t)·Δd.
    ProcessRow{"SteamToMoisture", {{Q::t, 20}, {Q::rh, 0.3}},
               PROCESS(humidifyIsothermal(a, {Q::d, 0.01}, pa)), {Q::d, 0.01}, 2537.1, {}},
    ProcessRow{"SteamToHumidity", {{Q::t, 20}, {Q::rh, 0.3}},
               PROCESS(humidifyIsothermal(a, rh60, pa)), rh60, 2537.1, {}},
    // From the room to the supply point, back along the room's ε line.
    ProcessRow{"SupplyPointOnRoomLine", {{Q::t, 26}, {Q::rh, 0.55}},
               PROCESS(supplyPoint(a, 8000, 8, pa)), {Q::t, 18}, 8000, {}},
    ProcessRow{"WarmSupplyAtConstantMoisture", {{Q::t, 20}, rh40},
               PROCESS(supplyPoint(a, -inf, -12, pa)), {Q::t, 32}, inf, {}}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

// Under ASHRAE each process ends on its own line of that arithmetic (steam at constant t along
// ε = 2501 + 1.86·t), and its outlet shows what the main window shows for its t and d under it.
TEST(ProcessUnderAshrae, EndsOnItsLine) {
  constexpr auto m = psychro::Arithmetic::ashrae2017;
  const double pa = 81000;
  const AirState room = psychro::stateFromPair({Q::t, 26}, {Q::rh, 0.55}, pa, {}, m).air;
  const AirState outdoor = psychro::stateFromPair({Q::t, 35}, {Q::rh, 0.6}, pa, {}, m).air;
  const struct {
    const char* name;
    Outlet out;
    double ε;
  } rows[] = {
      {"mix", mix(room, 4, outdoor, 1, pa, m), figures(room, outdoor).ε},
      {"heat", heat(room, 30, pa, m), INFINITY},
      {"adiabatic", humidifyAdiabatic(room, rh90, pa, m), 0},
      {"steam", humidifyIsothermal(room, {Q::d, 0.02}, pa, m), 2501 + 1.86 * 26},
      {"supply", supplyPoint(room, 8000, 8, pa, m), 8000},
  };
  for (const auto& r : rows) {
    ASSERT_TRUE(r.out.ok()) << r.name << ": " << static_cast<int>(r.out.why.code);
    const double ε = figures(room, r.out.air).ε;
    EXPECT_TRUE(ε == r.ε || std::abs(ε - r.ε) < 1e-6 * std::abs(r.ε) + 1e-6) << r.name << ": " << ε;
    Texts texts;
    ASSERT_TRUE(calc::formatResults(r.out.air, texts, m));
    EXPECT_EQ(texts, calc::calculate({Q::t, Q::d}, r.out.air.t, r.out.air.d * 1000, pa, m).texts)
        << r.name;
  }
}

struct RefusalRow {
  const char* name;
  Run run;  // applied to air at 27 ℃, 60 % (dew point 18.6 ℃, wet bulb 21.3 ℃)
  Code code;
};

class Refuses : public testing::TestWithParam<RefusalRow> {};

TEST_P(Refuses, WithItsCodeAndNoState) {
  const Outlet out = GetParam().run(state(t27, rh60), psychro::standardPressure);
  EXPECT_EQ(out.why, Refusal{GetParam().code});
  EXPECT_EQ(out.air.t, 0);  // and no state
}

// clang-format off
constexpr RefusalRow refusals[] = {
    {"MixingZeroFlow", PROCESS(mix(a, 0, a, 1, pa)), Code::flowNotPositive},
    {"MixingIntoFog", PROCESS(mix(state({Q::t, 5}, {Q::rh, 1}), 1,  // saturated, 1 : 1
                                  state({Q::t, 35}, {Q::rh, 1}), 1, pa)), Code::mixtureFogs},
    {"HeatingThatCools", PROCESS(heat(a, 20, pa)), Code::heatingNotWarmer},
    {"CoolingBelowDewPoint", PROCESS(cool(a, 18, pa)), Code::belowDewPoint},
    {"LeavingStateWetter", PROCESS(coolAndDry(a, {Q::t, 25}, {Q::rh, 0.9}, pa)),
     Code::notCoolerAndDrier},
    {"MachineDewPointTooHigh", PROCESS(coolAndDryToDewPoint(a, 19, 0.9, pa)),
     Code::dewPointNotBelow},
    {"LeavingHumidityBelowInlets", PROCESS(coolAndDryToDewPoint(a, 10, 0.5, pa)),
     Code::humidityNotReached},
    {"AdiabaticPastSaturation", PROCESS(humidifyAdiabatic(a, {Q::rh, 1.05}, pa)),
     Code::pastSaturation},
    {"AdiabaticBelowWetBulb", PROCESS(humidifyAdiabatic(a, {Q::t, 20}, pa)),
     Code::pastSaturation},
    {"AdiabaticThatDries", PROCESS(humidifyAdiabatic(a, {Q::rh, 0.4}, pa)),
     Code::moistureNotRaised},
    {"AdiabaticToLessMoisture", PROCESS(humidifyAdiabatic(a, {Q::d, 0.010}, pa)),
     Code::moistureNotRaised},
    {"AdiabaticMoisturePastSaturation", PROCESS(humidifyAdiabatic(a, {Q::d, 0.03}, pa)),
     Code::pastSaturation},
    {"SteamPastSaturation", PROCESS(humidifyIsothermal(a, {Q::d, 0.03}, pa)),
     Code::pastSaturation},
    // At 0 ℃ the ε = 2501 line runs along the isotherm and never crosses it.
    {"SupplyLineAlongIsotherm", PROCESS(supplyPoint(a, 2501, 27, pa)), Code::supplyNotOnLine},
    {"SupplyPastSaturation", PROCESS(supplyPoint(a, 8000, 15, pa)), Code::supplyPastSaturation},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Refusals, Refuses, testing::ValuesIn(refusals),
                         [](const auto& row) { return std::string(row.param.name); });

// Outdoor W 35 ℃, 60 % (21.44 g/kg, 90.19 kJ/kg), room N 26 ℃, 55 % (11.57 g/kg, 55.63 kJ/kg), 20 %
// fresh air by mass: C holds 0.2·21.44 + 0.8·11.57 = 13.54 g/kg, 0.2·90.19 + 0.8·55.63 = 62.54
// kJ/kg. Supply O on the room's ε = 8000 line at 26 − 8 = 18 ℃: d = (55.63 − 8000·0.01157
// − 1.006·18) / (2501 + 1.805·18 − 8000) = 10.06 g/kg. The coil takes C to L at d_O and 95 %,
// reheat L to O. 10000 m³/h at C (1.1621 kg/m³) is G = 10000·1.1621 / 3600 / 1.01354 = 3.185 kg/s,
// and the coil's total 3.185·(40.46 − 62.54) = −70.3 kW.
TEST(SummerExample, MatchesTheHandCheck) {
  const double pa = psychro::standardPressure;
  const AirState w = state({Q::t, 35}, {Q::rh, 0.6}), n = state({Q::t, 26}, {Q::rh, 0.55});
  const AirState c = mix(w, 0.2, n, 0.8, pa).air;
  EXPECT_NEAR(c.d * 1000, 13.54, 0.005);
  EXPECT_NEAR(c.h, 62.54, 0.005);
  const AirState o = supplyPoint(n, 8000, 8, pa).air;
  EXPECT_NEAR(o.d * 1000, 10.06, 0.005);
  const AirState l = coolAndDry(c, {Q::d, o.d}, {Q::rh, 0.95}, pa).air;
  const AirState reheated = heat(l, o.t, pa).air;
  EXPECT_EQ(shown(reheated), shown(o));

  const double g = dryAirFlow(10000, c);
  EXPECT_NEAR(g, 3.185, 0.0005);
  EXPECT_NEAR(loads(figures(c, l), g).total, -70.31, 0.005);
  EXPECT_EQ(loads(figures(c, l), 0).why, Refusal{Code::flowNotPositiveOrFinite});
}

}  // namespace

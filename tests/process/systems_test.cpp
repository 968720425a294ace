// The five standard systems: the worked examples of docs/systems.md to the digits shown (worked
// independently by tools/systems_worked.py), the energy balances over a grid of inputs, and every
// refusal.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "calc/messages.h"
#include "calc/number_text.h"
#include "calc/state_results.h"
#include "process/processes.h"
#include "process/systems.h"
#include "psychro/constants.h"
#include "support/named_rows.h"

namespace {

using testsupport::PrintTo;

using namespace process;
using psychro::AirState;
using psychro::Arithmetic;
using enum process::Code;
using Q = psychro::Quantity;

// A refusal as a failing check prints it: the process's code, and the arithmetic's words.
std::string said(const Refusal& why) {
  return "code " + std::to_string(static_cast<int>(why.code)) + ": " +
         std::string(calc::words(why.outcome));
}

AirState air(double t, double φ, double pa, Arithmetic m = Arithmetic::classic) {
  return psychro::stateFromPair({Q::t, t}, {Q::rh, φ}, pa, {}, m).air;
}

// The design cases of docs/systems.md: pressure, Pa; outdoor W and room N, °C and fraction; 余热
// Q, kW; 余湿 W, kg/h; Δt, K; the fresh air.
struct Case {
  double pa, tW, φW, tN, φN, Q, W, Δt;
  FreshAir fresh;
};
constexpr Case summer{101325, 35, 0.6, 26, 0.55, 40, 18, 8, {0.2}},
    fanCoils{101325, 35, 0.6, 26, 0.55, 40, 18, 8, {0.6, true}},
    at1000m{89875, -5, 0.5, 20, 0.45, -20, 3, -8, {0.3}},
    beijing{101325, -10, 0.45, 20, 0.45, -20, 3, -8, {0.3}},
    humidRoom{101325, -15, 0.5, 22, 0.6, -30, 5, -10, {0.5}};

SystemInputs inputs(const Case& c) {
  return {air(c.tW, c.φW, c.pa), air(c.tN, c.φN, c.pa), c.Q, c.W, c.fresh, c.Δt, 0.95, c.pa};
}

// Every step, run again from its inlets by the process function of its kind, reaches a state that
// shows as its outlet does (the room's step: the supply state, from N), and takes the dry air that
// left its inlet where that is another step's outlet: a design built from the steps draws what the
// system computed.
void replaySteps(const System& s, const SystemInputs& in) {
  const Arithmetic m = in.arithmetic;
  const auto shown = [m](const AirState& a) {
    std::array<std::string, calc::outputs.size()> texts;
    EXPECT_TRUE(calc::formatResults(a, texts, m));
    return texts;
  };
  std::vector<double> carried(s.states.size(), NAN);  // kg/s that left each outlet
  for (const Step& p : s.steps) {
    const AirState &a = s.states[p.from].air, &to = s.states[p.to].air;
    SCOPED_TRACE(std::string(s.states[p.from].name) + "→" + std::string(s.states[p.to].name));
    const double otherG = p.kind == StepKind::mix ? p.otherG : NAN;
    for (const auto& [i, g] : {std::pair{p.from, p.G}, {p.other, otherG}})  // NaN: not checked
      EXPECT_FALSE(std::abs(g - carried[i]) > 1e-12 * g) << s.states[i].name;
    const Outlet again =
        p.kind == StepKind::mix          ? mix(a, p.G, s.states[p.other].air, p.otherG, in.pa, m)
        : p.kind == StepKind::heat       ? heat(a, to.t, in.pa, m)
        : p.kind == StepKind::room       ? supplyPoint(to, s.ε, to.t - a.t, in.pa, m)
        : p.kind == StepKind::coolAndDry ? coolAndDry(a, {Q::t, to.t}, {Q::d, to.d}, in.pa, m)
        : p.kind == StepKind::humidifyAdiabatic ? humidifyAdiabatic(a, {Q::d, to.d}, in.pa, m)
                                                : humidifyIsothermal(a, {Q::d, to.d}, in.pa, m);
    ASSERT_TRUE(again.ok()) << said(again.why);
    EXPECT_EQ(shown(again.air), shown(p.kind == StepKind::room ? a : to));
    carried[p.to] = p.G + (p.kind == StepKind::mix ? otherG : 0);
  }
}

// As the figures show: the states but W and N, "name t φ% d h;" to the window's decimals; G and
// G_W, kg/s, to 4, and m³/h; the room's and the fresh air's loads, then the system's, kW or kg/h,
// to 2; a tail.
std::string shown(const System& s, std::vector<double> loads, const std::string& tail = "") {
  std::string text;
  const auto add = [&text](double v, int decimals) {
    text += ' ';
    calc::appendFixed(text, v, decimals);
  };
  for (const auto& [name, a] : s.states) {
    if (name == "W" || name == "N") continue;
    text += name;
    for (const auto& [v, decimals] : {std::pair{a.t, 2}, {a.φ * 100, 1}, {a.d * 1000, 2}, {a.h, 4}})
      add(v, decimals);
    text += "; ";
  }
  text += "G";
  add(s.G, 4);
  text += " GW";
  add(s.freshFlow, 4);
  text += " V";
  add(s.supplyVolume, 0);
  text += " VW";
  add(s.freshVolume, 0);
  text += " |";
  loads.insert(loads.begin(), {s.roomLoad, s.freshLoad});
  for (const double v : loads) add(v, 2);
  return text + tail;
}
std::vector<double> operator+(const CoilDuty& c, std::vector<double> more) {
  more.insert(more.begin(), {c.total, c.sensible, c.latent, c.condensate});
  return more;
}
// 一次回风, 全新风: the coil, the reheat; 二次回风: the coil, G₁; 风机盘管加新风: the fresh-air
// unit, the fan-coil, their parts of the room's latent load, who takes it; winter: the preheat,
// heating, steam, reheat and water, the preheat's dry bulb.
std::string text(const CoolingSystem& s) {
  return shown(s, s.coil + std::vector{s.reheat});
}
std::string text(const TwoReturnSystem& s) {
  return shown(s, s.coil + std::vector<double>{}, " G1 " + calc::formatFixed(s.primaryFlow, 4));
}
std::string text(const FanCoilSystem& s) {
  constexpr const char* takers[] = {" fanCoil", " freshAirUnit", " both"};
  return shown(s,
               s.freshUnit + (s.fanCoil + std::vector{s.freshUnitRoomLatent, s.fanCoilRoomLatent}),
               takers[static_cast<int>(s.latentBy)]);
}
std::string text(const WinterSystem& s) {
  std::string tail = " ";  // appended, not `" " + …`: GCC 12 warns falsely (-Wrestrict) on that
  tail += s.preheatTo ? calc::formatFixed(*s.preheatTo, 2) : "none";
  return shown(s, {s.preheat, s.heating, s.humidifierHeat, s.reheat, s.water}, tail);
}

using Run = std::string (*)(const SystemInputs& in);

// A system built from the inputs in, as its figures show, its steps replayed.
#define SYSTEM(call)                 \
  [](const SystemInputs& in) {       \
    const auto s = call;             \
    if (!s.ok()) return said(s.why); \
    replaySteps(s, in);              \
    return text(s);                  \
  }

struct Worked {
  const char* name;
  const Case& design;
  Run run;
  const char* figures;  // as tools/systems_worked.py prints them
};

class WorkedSystem : public testing::TestWithParam<Worked> {};

TEST_P(WorkedSystem, ShowsTheWorkedFigures) {
  EXPECT_EQ(GetParam().run(inputs(GetParam().design)), GetParam().figures);
}

constexpr FreshAirUnit onRoomH{}, onRoomD{FreshAirTarget::roomMoisture};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Systems, WorkedSystem, testing::Values(
    Worked{"OneReturnSummer", summer, SYSTEM(oneReturnSummer(in)),
           "C 27.82 57.7 13.54 62.5389; L 14.93 95.0 10.06 40.4620; "
           "O 18.00 78.1 10.06 43.6030; G 3.3271 GW 0.6654 V 10050 VW 2166"
           " | 40.00 23.00 73.45 44.51 28.94 41.66 10.45"},
    Worked{"OneReturnDewPointSupply", summer, SYSTEM(oneReturnSummer(in, true)),
           "C 27.82 57.7 13.54 62.5389; L 13.65 95.0 9.25 37.0944; "
           "G 2.1586 GW 0.4317 V 6415 VW 1405 | 40.00 14.92 54.92 31.75 23.17 33.35 0.00"},
    Worked{"TwoReturnSummer", summer, SYSTEM(twoReturnSummer(in)),
           "C₁ 28.81 58.7 14.61 66.2818; L 13.65 95.0 9.25 37.0944; "
           "O 18.00 78.1 10.06 43.6030; G 3.3271 GW 0.6654 V 10050 VW 2166"
           " | 40.00 23.00 63.00 34.06 28.94 41.66 G1 2.1586"},
    Worked{"AllFreshSummer", summer, SYSTEM(allFreshSummer(in)),
           "L 14.93 95.0 10.06 40.4620; O 18.00 78.1 10.06 43.6030; "
           "G 3.3271 GW 3.3271 V 10050 VW 10829"
           " | 40.00 115.01 165.46 70.77 94.69 136.30 10.45"},
    Worked{"FanCoilFreshAirOnRoomEnthalpy", fanCoils, SYSTEM(fanCoilWithFreshAir(in, onRoomH)),
           "L 20.04 95.0 13.98 55.6253; M 17.55 73.6 9.20 40.9579; "
           "O 18.00 78.1 10.06 43.6030; G 3.3271 GW 0.6000 V 10050 VW 1953"
           " | 40.00 20.74 20.74 9.54 11.20 16.12 40.00 23.87 16.13 23.21 -3.62 16.13 fanCoil"},
    Worked{"FanCoilFreshAirOnRoomMoisture", fanCoils, SYSTEM(fanCoilWithFreshAir(in, onRoomD)),
           "L 17.07 95.0 11.57 46.4595; M 18.20 74.7 9.73 42.9745; "
           "O 18.00 78.1 10.06 43.6030; G 3.3271 GW 0.6000 V 10050 VW 1953"
           " | 40.00 20.74 26.24 11.42 14.82 21.33 34.50 22.00 12.51 18.00 0.00 12.51 fanCoil"},
    Worked{"WinterSteamAt1000m", at1000m, SYSTEM(oneReturnWinter(in, Humidifier::steam)),
           "C 12.56 54.9 5.58 26.7057; H 28.00 21.1 5.58 42.3981; "
           "O 28.00 26.7 7.06 46.1895; G 2.7134 GW 0.8140 V 9512 VW 2518"
           " | -20.00 -32.87 0.00 42.58 10.29 0.00 14.51 none"},
    Worked{"WinterSprayAt1000m", at1000m, SYSTEM(oneReturnWinter(in, Humidifier::adiabatic)),
           "C 12.56 54.9 5.58 26.7057; L 8.87 88.6 7.06 26.7057; O 28.00 26.7 7.06 46.1895; "
           "G 2.7134 GW 0.8140 V 9512 VW 2518"
           " | -20.00 -32.87 0.00 0.00 0.00 52.87 14.51 none"},
    Worked{"WinterSprayBeijing", beijing, SYSTEM(oneReturnWinter(in, Humidifier::adiabatic)),
           "C 11.07 58.7 4.79 23.1959; H 11.33 57.6 4.79 23.4672; L 7.77 95.0 6.22 23.4672; "
           "O 28.00 26.5 6.22 44.0433; G 2.7175 GW 0.8152 V 8439 VW 2193"
           " | -20.00 -36.65 0.00 0.74 0.00 55.91 14.05 none"},
    Worked{"WinterPreheatAgainstFog", humidRoom, SYSTEM(oneReturnWinter(in, Humidifier::adiabatic)),
           "W′ -13.00 41.6 0.51 -11.8200; C 4.65 98.7 5.20 17.7276; "
           "H 24.64 27.1 5.20 38.0259; L 14.01 95.0 9.47 38.0259; "
           "O 32.00 31.9 9.47 56.4294; G 3.2772 GW 1.6386 V 10366 VW 4322"
           " | -30.00 -100.13 3.30 66.52 0.00 60.31 50.38 -13.00"}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

// The energy balances over a grid (3 outdoor states × 3 rooms × 3 pairs of loads, one without
// moisture (ε = ∞), × 2 shares × 2 Δt, at 101325 Pa classic and 89875 Pa ASHRAE): a 一次回风 coil
// takes the room's load, the reheat and the fresh air's; a fresh-air unit and its fan-coils take
// the room's and the fresh air's and share the room's latent load; a winter unit puts in what the
// room and the fresh air lose. Each system built replays its steps, and its coil leaves at φL or
// below (露点送风 through supplyAtHumidity); most of the grid builds.
TEST(SystemBalance, HoldsOverAGridOfInputs) {
  using Pairs = std::array<std::pair<double, double>, 3>;
  constexpr Pairs summerW{{{32, 0.55}, {35, 0.6}, {38, 0.45}}},
      summerN{{{24, 0.5}, {26, 0.55}, {27, 0.6}}}, summerLoads{{{40, 18}, {30, 0}, {60, 8}}},
      winterW{{{-12, 0.45}, {-5, 0.5}, {3, 0.7}}}, winterN{{{18, 0.4}, {20, 0.45}, {22, 0.6}}},
      winterLoads{{{-20, 3}, {-40, 6}, {-15, 1.5}}};
  int built = 0, tried = 0;
  const auto balance = [&](const System& s, const SystemInputs& in, double put, double out) {
    if (++tried, !s.ok()) return;
    ++built;
    EXPECT_NEAR(put, out, 1e-9 * (1 + std::abs(out)));
    replaySteps(s, in);
  };
  for (const bool winter : {false, true})
    for (const auto& [pa, m] :
         {std::pair{101325.0, Arithmetic::classic}, {89875.0, Arithmetic::ashrae2017}})
      for (const auto& [tW, φW] : winter ? winterW : summerW)
        for (const auto& [tN, φN] : winter ? winterN : summerN)
          for (const auto& [q, w] : winter ? winterLoads : summerLoads)
            for (const double share : {0.1, 0.3})
              for (const double Δt : {5.0, 9.0}) {
                SystemInputs in{air(tW, φW, pa, m), air(tN, φN, pa, m), q, w, {share}};
                std::tie(in.Δt, in.pa, in.arithmetic) = std::tuple{winter ? -Δt : Δt, pa, m};
                if (winter) {
                  for (const Humidifier h : {Humidifier::steam, Humidifier::adiabatic}) {
                    const WinterSystem s = oneReturnWinter(in, h);
                    balance(s, in, s.preheat + s.heating + s.humidifierHeat + s.reheat,
                            -(s.roomLoad + s.freshLoad));
                  }
                  continue;
                }
                for (const bool dewPoint : {false, true}) {
                  const CoolingSystem s = oneReturnSummer(in, dewPoint);
                  balance(s, in, s.coil.total, s.roomLoad + s.reheat + s.freshLoad);
                  EXPECT_TRUE(!s.ok() || s.find("L")->φ <= in.φL);  // the line's point at φL
                }
                for (const FreshAirUnit& unit : {onRoomH, onRoomD}) {
                  const FanCoilSystem f = fanCoilWithFreshAir(in, unit);
                  balance(f, in, f.freshUnit.total + f.fanCoil.total, f.roomLoad + f.freshLoad);
                  if (!f.ok()) continue;
                  EXPECT_NEAR(f.freshUnitRoomLatent + f.fanCoilRoomLatent,
                              f.G * psychro::latentHeat0 * (in.room.d - f.find("O")->d), 1e-9);
                }
              }
  EXPECT_GT(built, tried * 2 / 3) << built << " of " << tried;
}

// A system's refusal, checked to carry nothing else.
#define REFUSE(change, ...)                                                          \
  [](SystemInputs in) {                                                              \
    change;                                                                          \
    const auto s = __VA_ARGS__;                                                      \
    EXPECT_TRUE(s.states.empty() && s.steps.empty() && s.G == 0 && s.roomLoad == 0); \
    return s.why;                                                                    \
  }

struct RefusalRow {
  const char* name;
  const Case& design;
  Refusal (*run)(SystemInputs in);
  Refusal refusal;
};

class SystemRefusal : public testing::TestWithParam<RefusalRow> {};

TEST_P(SystemRefusal, GivesItsOutcomeAndNothingElse) {
  EXPECT_EQ(GetParam().run(inputs(GetParam().design)), GetParam().refusal);
}

constexpr FreshAirUnit warming{FreshAirTarget::given, {Q::t, 37}, {Q::rh, 0.3}},
    warmAndDry{FreshAirTarget::given, {Q::t, 30}, {Q::d, 0.008}},
    cold{FreshAirTarget::given, {Q::t, 10}, {Q::rh, 0.95}};

// 露点送风 of the summer example takes Δt 12.35 K, and its G₁ is 0.65 of G; ε 3000 (Q 25 kW, W 30
// kg/h) runs dry at 20.8 ℃ while its humidity falls.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Systems, SystemRefusal, testing::Values(
    RefusalRow{"CoilHumidityAboveOne", summer, REFUSE(in.φL = 1.05, oneReturnSummer(in)), Refusal{coilHumidityRange}},
    RefusalRow{"LoadNotANumber", summer, REFUSE(in.heat = NAN, twoReturnSummer(in)), Refusal{arithmetic, psychro::Outcome::outOfBounds}},
    RefusalRow{"NoRoomLoads", summer, REFUSE(in.heat = in.moisture = 0, allFreshSummer(in)), Refusal{roomLoadsZero}},
    RefusalRow{"CoolingRoomWarmSupply", summer, REFUSE(in.Δt = -8, oneReturnSummer(in)), Refusal{supplyFlowNotPositive}},
    RefusalRow{"AllFreshInOneReturn", summer, REFUSE(in.fresh.value = 1, oneReturnSummer(in)), Refusal{freshShareRange}},
    RefusalRow{"FreshFlowAboveSupply", fanCoils, REFUSE(in.fresh.value = 5, fanCoilWithFreshAir(in, onRoomH)), Refusal{freshShareRange}},
    RefusalRow{"SupplyWetterThanCoil", summer, REFUSE(in.Δt = 12.5, oneReturnSummer(in)), Refusal{supplyAboveCoilHumidity}},
    RefusalRow{"SecondaryLineEndsBeforeO", summer, REFUSE(in.Δt = 12.5, twoReturnSummer(in)), Refusal{supplyAboveCoilHumidity}},
    RefusalRow{"LineNeverReachesCoilHumidity", summer, REFUSE((in.heat = 25, in.moisture = 30, in.Δt = 3), twoReturnSummer(in)), Refusal{coilHumidityNotOnLine}},
    RefusalRow{"RoomAboveCoilHumidity", summer, REFUSE(in.room = air(26, 0.97, in.pa), oneReturnSummer(in, true)), Refusal{coilHumidityNotOnLine}},
    RefusalRow{"FreshAirAbovePrimary", summer, REFUSE(in.fresh.value = 0.8, twoReturnSummer(in)), Refusal{freshAirExceedsPrimary}},
    RefusalRow{"FanCoilPastSaturation", fanCoils, REFUSE(in.fresh.value = 1.5, fanCoilWithFreshAir(in, warmAndDry)), Refusal{fanCoilPastSaturation}},
    RefusalRow{"FanCoilWouldHeat", fanCoils, REFUSE(in.fresh.value = 2.5, fanCoilWithFreshAir(in, cold)), Refusal{fanCoilWouldHeat}},
    RefusalRow{"FreshAirUnitThatWarms", fanCoils, REFUSE(, fanCoilWithFreshAir(in, warming)), Refusal{notCoolerAndDrier}},
    RefusalRow{"WinterMixtureMoistEnough", at1000m, REFUSE((in.outdoor = air(8, 0.9, in.pa), in.moisture = 10), oneReturnWinter(in, Humidifier::steam)), Refusal{mixtureNeedsNoHumidifier}},
    RefusalRow{"PreheatThatCools", at1000m, REFUSE(, oneReturnWinter(in, Humidifier::steam, -20.0)), Refusal{heatingNotWarmer}},
    RefusalRow{"MixtureFogsAfterPreheat", humidRoom, REFUSE(, oneReturnWinter(in, Humidifier::adiabatic, -14.0)), Refusal{mixtureFogs}}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

}  // namespace

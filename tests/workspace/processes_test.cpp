// The processes of the chart window on the summer design example of docs/window.md: the points
// they make, the 过程 table's figures and loads (checked by hand there), a new pressure, a deleted
// point.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "calc/messages.h"
#include "calc/number_text.h"
#include "document/process_table.h"
#include "document/process_words.h"
#include "process/figures.h"
#include "process/processes.h"
#include "psychro/pair_state.h"
#include "workspace/process_list.h"

namespace {

using psychro::Outcome;
using psychro::Quantity;
using workspace::ProcessKind;

struct Example {
  workspace::PointList points;
  workspace::ProcessList processes;

  unsigned id(std::size_t i) const { return points.points()[i].id; }
  workspace::Refused run(workspace::ProcessRequest r) { return processes.add(points, r); }
};

// W 35 ℃/60 %, N 26 ℃/55 %; C: 20 % fresh air; O: supply on ε 8000 at Δt 8; L: coil leaving at
// O's moisture and 95 %; P: L reheated to O's dry bulb. 10000 m³/h at C through the coil, that is
// 3.1849 kg/s of dry air, through the reheater and the room.
void build(Example& x) {
  ASSERT_FALSE(x.points.add({{Quantity::t, Quantity::rh}, "35", "60"}));
  ASSERT_FALSE(x.points.add({{Quantity::t, Quantity::rh}, "26", "55"}));
  const unsigned W = x.id(0), N = x.id(1);
  const workspace::Flow flow{10000, workspace::FlowUnit::cubicMetresPerHour};
  const workspace::Flow mass{3.1849, workspace::FlowUnit::kilogramsPerSecond};
  ASSERT_FALSE(x.run({ProcessKind::mix, N, W, {}, 0.8, 0.2, flow}));
  ASSERT_FALSE(x.run({ProcessKind::supply, N, 0, {}, 8000, 8, mass}));
  ASSERT_FALSE(
      x.run({ProcessKind::coolAndDry, x.id(2), 0, {Quantity::d, Quantity::rh}, 10.06, 95, flow}));
  ASSERT_FALSE(x.run({ProcessKind::heat, x.id(4), 0, {}, 18, 0, mass}));
}

// Figures and loads as docs/window.md checks them by hand: Δh of the coil 40.4490 − 62.5389, G =
// 10000 · 1.1621 / 3600 / 1.013537 = 3.1849 kg/s, total G·Δh, latent G·2501·Δd, water G·Δd·3600.
TEST(ProcessList, SummerDesignExample) {
  Example x;
  build(x);
  const std::vector<std::vector<std::string>> expected{
      {"B+A→C", "混合", "", "1.82", "1.98", "6.91", "3500", "", "", "", "", "", ""},
      {"D→B", "送风状态点", "3.1849 kg/s", "8.00", "1.50", "12.02", "8000", "26.32", "11.97",
       "38.29", "17.23", "", ""},
      {"C→E", "冷却除湿", "10000 m³/h", "-12.90", "-3.48", "-22.09", "6345", "-42.62", "-27.73",
       "-70.35", "-39.92", "13.58", "0.094"},
      {"E→F", "加热", "3.1849 kg/s", "3.07", "0.00", "3.15", "∞", "10.02", "0.00", "10.02", "0.00",
       "", ""},
  };
  EXPECT_EQ(document::processRows(x.processes, x.points), expected);
  EXPECT_EQ(document::givenCell(x.processes, x.points.points()[3]), "送风状态点：ε=8000, Δt=8");
  ASSERT_EQ(x.processes.lines().size(), 1u);  // the room's ε line through N
  EXPECT_EQ(x.processes.lines()[0].point, x.id(1));
}

// At another pressure every process runs again from its inlet's new state; deleting the room
// drops the processes that start there and its ε line, and their outlets stay as points.
// One air stream keeps its dry-air mass flow: given once (10000 m³/h at the coil's inlet), the
// reheater after it carries 3.1849 kg/s on with the summer example's loads; a mixing's outlet
// carries the sum of its two streams.
TEST(ProcessList, OneAirFlowThroughTheUnit) {
  Example x;
  ASSERT_FALSE(x.points.add({{Quantity::t, Quantity::rh}, "27.82", "57.7"}));
  const workspace::Flow volume{10000, workspace::FlowUnit::cubicMetresPerHour};
  ASSERT_FALSE(
      x.run({ProcessKind::coolAndDry, x.id(0), 0, {Quantity::d, Quantity::rh}, 10.06, 95, volume}));
  ASSERT_FALSE(x.run({ProcessKind::heat, x.id(1), 0, {}, 18, 0, {}}));
  const auto rows = document::processRows(x.processes, x.points);
  EXPECT_EQ(rows[1][2], "3.1849 kg/s（沿用）");
  EXPECT_EQ((std::vector<std::string>(rows[1].begin() + 7, rows[1].end())),
            (std::vector<std::string>{"10.02", "0.00", "10.02", "0.00", "", ""}));

  Example m;
  const workspace::Flow two{2, workspace::FlowUnit::kilogramsPerSecond};
  const workspace::Flow one{1, workspace::FlowUnit::kilogramsPerSecond};
  for (const char* t : {"10", "20"})
    ASSERT_FALSE(m.points.add({{Quantity::t, Quantity::rh}, t, "50"}));
  ASSERT_FALSE(m.run({ProcessKind::heat, m.id(0), 0, {}, 15, 0, two}));
  ASSERT_FALSE(m.run({ProcessKind::heat, m.id(1), 0, {}, 25, 0, one}));
  ASSERT_FALSE(m.run({ProcessKind::mix, m.id(2), m.id(3), {}, 2, 1, {}}));
  ASSERT_FALSE(m.run({ProcessKind::heat, m.id(4), 0, {}, 30, 0, {}}));
  EXPECT_EQ(document::processRows(m.processes, m.points)[3][2], "3.0000 kg/s（沿用）");
}

// A supply point sized from the room's loads, as docs/window.md checks by hand: ε = 3600·Q/W, G =
// Q/(h_N − h_O) kg/s, L at the supply state; the room's row gives back Q and W. Winter at 1000 m:
// the supply's G given once at the heater, carried on to the steam humidifier, whose water is
// G·Δd·3600.
TEST(ProcessList, SupplyFromRoomLoadsAndTheWinterChain) {
  struct Row {
    const char* name;
    double pa, tN, φN, Q, W, Δt;
    process::Code why;  // the refusal; arithmetic (none) for a supply point made
    const char* flow;   // the room row's 风量
    const char* total;  // the room row's 全热 and 水量: Q and W again
    const char* water;
  };
  const Row rows[] = {
      {"Summer", 101325, 26, 55, 40, 18, 8, process::Code::arithmetic,
       "3.3271 kg/s（10050 m³/h，按负荷）", "40.00", "18.00"},
      {"Winter", 89875, 20, 45, -20, 3, -8, process::Code::arithmetic,
       "2.7134 kg/s（9512 m³/h，按负荷）", "-20.00", "3.00"},
      {"NoLoads", 101325, 26, 55, 0, 0, 8, process::Code::roomLoadsZero, "", "", ""},
      {"HeatAgainstΔt", 101325, 26, 55, 40, 18, -8, process::Code::supplyFlowNotPositive, "", "",
       ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Example x;
    x.points.setPressure(r.pa);
    ASSERT_FALSE(x.points.add(
        {{Quantity::t, Quantity::rh}, calc::formatFixed(r.tN, 0), calc::formatFixed(r.φN, 0)}));
    const workspace::Refused why =
        x.run({ProcessKind::supply, x.id(0), 0, {}, 0, r.Δt, {}, workspace::RoomLoads{r.Q, r.W}});
    EXPECT_EQ(why.value_or(workspace::Refusal{}), workspace::refusedBy(process::Refusal{r.why}));
    if (why) continue;
    const auto row = document::processRows(x.processes, x.points)[0];
    EXPECT_EQ(row[2], r.flow);
    EXPECT_EQ(row[9], r.total);
    EXPECT_EQ(row[10], r.water);
  }

  Example w;
  w.points.setPressure(89875);
  ASSERT_FALSE(w.points.add({{Quantity::t, Quantity::rh}, "-5", "50"}));
  ASSERT_FALSE(w.points.add({{Quantity::t, Quantity::rh}, "20", "45"}));
  const workspace::Flow G{2.7134, workspace::FlowUnit::kilogramsPerSecond};
  ASSERT_FALSE(w.run({ProcessKind::mix, w.id(1), w.id(0), {}, 0.7, 0.3, {}}));
  ASSERT_FALSE(w.run({ProcessKind::heat, w.id(2), 0, {}, 28, 0, G}));
  ASSERT_FALSE(w.run(
      {ProcessKind::humidifyIsothermal, w.id(3), 0, {Quantity::d, Quantity::d}, 7.06, 0, {}}));
  const auto rows2 = document::processRows(w.processes, w.points);
  EXPECT_EQ(rows2[1][9], "42.58");  // G·(h_H − h_C) = 2.7134 · 15.6924
  EXPECT_EQ(rows2[2][2], "2.7134 kg/s（沿用）");
  EXPECT_EQ(rows2[2][10], "14.49");  // 2.7134 · (7.0600 − 5.5771) / 1000 · 3600
}

TEST(ProcessList, FollowsThePressureAndForgetsDeletedPoints) {
  Example x;
  build(x);
  x.points.setPressure(89875);
  x.processes.rerun(x.points);
  EXPECT_EQ(x.points.points()[4].result.texts[6], "10.06");  // given, so unchanged
  EXPECT_NE(x.points.points()[2].result.texts[6], "13.54");  // C mixes the new W and N
  EXPECT_EQ(document::processRows(x.processes, x.points).size(), 4u);

  const unsigned N = x.id(1);
  x.points.remove(1);
  x.processes.forget(x.points, N);
  EXPECT_EQ(document::processRows(x.processes, x.points).size(), 2u);
  EXPECT_TRUE(x.processes.lines().empty());
  EXPECT_FALSE(x.points.points()[1].derived);  // C, now given by its t and d
}

// Deleting a point drops what goes with it: a supply point takes the room's ε line drawn with it
// (one drawn through 热湿比线… stays), and an outlet whose process is gone reads as a point given
// by its t and d.
TEST(ProcessList, DeletingAPointTakesWhatGoesWithIt) {
  struct Row {
    const char* name;
    std::size_t deleted;  // W N C D E F
    bool lineByHand;      // N's ε 8000 also drawn through 热湿比线…
    std::size_t lines;    // left after the deletion
    std::size_t freed;    // a point that is no longer an outlet (its place before the deletion)
    const char* given;    // how it then reads, from the start or (after "…") its end
  };
  const Row rows[] = {
      {"SupplyPoint", 3, false, 0, 2, "混合：0.8 : 0.2"},  // C stays the mixing's outlet
      {"SupplyPointLineAlsoByHand", 3, true, 1, 2, "混合：0.8 : 0.2"},
      {"Room", 1, false, 0, 3, "t=18, d=10.0631"},
      {"MixingsSecondPoint", 0, false, 1, 2, "t=27.8"},
      {"CoilsInlet", 2, false, 1, 4, "…, d=10.06"},
  };
  for (const Row& r : rows) {
    Example x;
    build(x);
    if (r.lineByHand) {
      ASSERT_FALSE(x.processes.addLine(x.points, x.id(1), 8000));
    }
    const unsigned freed = x.id(r.freed), deleted = x.id(r.deleted);
    x.points.remove(r.deleted);
    x.processes.forget(x.points, deleted);
    EXPECT_EQ(x.processes.lines().size(), r.lines) << r.name;
    const std::string given = document::givenCell(x.processes, *x.points.find(freed));
    const std::string_view expected = r.given;
    if (expected.starts_with("…")) {
      EXPECT_TRUE(given.ends_with(expected.substr(std::string_view("…").size()))) << given;
    } else {
      EXPECT_TRUE(given.starts_with(expected)) << r.name << ": " << given;
    }
  }
}

// The processes for heat recovery, evaporation, drying, fans and coils by their rating, run through
// the design on W (35 ℃, 60 %) against N (26 ℃, 55 %) at two pressures: each outlet checked
// against the process's defining relation, worked by hand from the inlet's and the other point's
// states, and its row's given text.
TEST(ProcessList, AirHandlingKindsMeetTheirRelations) {
  using State = psychro::AirState;
  const struct {
    const char* name;
    workspace::ProcessRequest r;  // from W; other: N where 1, the inlet itself where 0
    const char* given;
    // The relation's two sides: from the inlet, N and the outlet.
    double (*expected)(const State& w, const State& n, const State& out);
    double (*actual)(const State& out);
  } rows[] = {
      {"SensibleRecoveryT",
       {ProcessKind::recoverSensible, 0, 1, {}, 0.5, 0, {}},
       "热回收（显热）：ηt=0.5",
       [](const State& w, const State& n, const State&) { return w.t - 0.5 * (w.t - n.t); },
       [](const State& o) { return o.t; }},
      {"SensibleRecoveryKeepsD",
       {ProcessKind::recoverSensible, 0, 1, {}, 0.5, 0, {}},
       "热回收（显热）：ηt=0.5",
       [](const State& w, const State&, const State&) { return w.d; },
       [](const State& o) { return o.d; }},
      {"TotalRecoveryH",
       {ProcessKind::recoverTotal, 0, 1, {}, 0.6, NAN, {}},
       "热回收（全热）：ηh=0.6",
       [](const State& w, const State& n, const State&) { return w.h - 0.6 * (w.h - n.h); },
       [](const State& o) { return o.h; }},
      {"TotalRecoveryOwnEtaD",
       {ProcessKind::recoverTotal, 0, 1, {}, 0.6, 0.5, {}},
       "热回收（全热）：ηh=0.6, ηd=0.5",
       [](const State& w, const State& n, const State&) { return w.d - 0.5 * (w.d - n.d); },
       [](const State& o) { return o.d; }},
      {"DirectEvaporationSaturates",
       {ProcessKind::evaporate, 0, 0, {}, 1, 0, {}},
       "直接蒸发冷却：η=1",
       [](const State&, const State&, const State&) { return 1.0; },
       [](const State& o) { return o.φ; }},
      {"DirectEvaporationKeepsH",
       {ProcessKind::evaporate, 0, 0, {}, 0.7, 0, {}},
       "直接蒸发冷却：η=0.7",
       [](const State& w, const State&, const State&) { return w.h; },
       [](const State& o) { return o.h; }},
      {"IndirectKeepsD",
       {ProcessKind::evaporateIndirect, 0, 0, {}, 0.6, 0, {}},
       "间接蒸发冷却：η=0.6",
       [](const State& w, const State&, const State&) { return w.d; },
       [](const State& o) { return o.d; }},
      {"DesiccantToD",
       {ProcessKind::dryAdiabatic, 0, 0, {Quantity::d, Quantity::d}, 12, 0, {}},
       "等焓减湿：d=12",
       [](const State&, const State&, const State&) { return 0.012; },
       [](const State& o) { return o.d; }},
      {"DesiccantKeepsH",
       {ProcessKind::dryAdiabatic, 0, 0, {Quantity::rh, Quantity::rh}, 40, 0, {}},
       "等焓减湿：φ=40%",
       [](const State& w, const State&, const State&) { return w.h; },
       [](const State& o) { return o.h; }},
      {"FanHeat",
       {ProcessKind::fan, 0, 0, {}, 1000, 0.65, {}},
       "风机温升：ΔP=1000 Pa, η=0.65",
       [](const State& w, const State&, const State&) {
         return w.h + 1000 * (1 + w.d) / w.ρ / (1000 * 0.65);
       },
       [](const State& o) { return o.h; }},
      {"CoilByBypassFactor",
       {ProcessKind::coolByBypass, 0, 0, {}, 20, 0.2, {}},
       "冷却除湿（旁通系数）：机器露点 20, 旁通系数 0.2",
       nullptr,
       nullptr},
  };
  for (double pa : {psychro::standardPressure, 89875.0})
    for (const auto& row : rows) {
      SCOPED_TRACE(std::string(row.name) + " at " + std::to_string(pa));
      Example x;
      x.points.setPressure(pa);
      ASSERT_FALSE(x.points.add({{Quantity::t, Quantity::rh}, "35", "60"}));
      ASSERT_FALSE(x.points.add({{Quantity::t, Quantity::rh}, "26", "55"}));
      workspace::ProcessRequest r = row.r;
      r.from = x.id(0);
      r.other = r.other ? x.id(1) : 0;
      ASSERT_FALSE(x.run(r));
      const State& w = x.points.points()[0].result.air;
      const State& n = x.points.points()[1].result.air;
      const State& out = x.points.points()[2].result.air;
      EXPECT_EQ(document::givenCell(x.processes, x.points.points()[2]), row.given);
      if (row.expected == nullptr) {
        // The ADP's saturated state: h and d on the segment at 1/(1 − BF) of the way.
        const State adp = psychro::stateFromPair({Quantity::t, 20}, {Quantity::rh, 1}, pa).air;
        EXPECT_NEAR(out.h, adp.h + 0.2 * (w.h - adp.h), 1e-9);
        EXPECT_NEAR(out.d, adp.d + 0.2 * (w.d - adp.d), 1e-12);
        const auto cells = document::processRows(x.processes, x.points)[0];
        EXPECT_EQ(cells[cells.size() - 2], "20.00");
        EXPECT_EQ(cells.back(), "0.200");
        continue;
      }
      EXPECT_NEAR(row.actual(out), row.expected(w, n, out), 1e-9);
    }
}

struct Refusal {
  const char* name;
  workspace::ProcessRequest request;  // from point 0 (26 ℃, 55 %), other point 1 (35 ℃, 60 %)
  workspace::Refusal why;
};

// A process's own refusal, and a rule of the design's.
workspace::Refusal code(process::Code c) {
  return workspace::refusedBy(process::Refusal{c});
}
workspace::Refusal rule(workspace::Rule r) {
  return {r, {}, {}};
}

class ProcessRefusals : public testing::TestWithParam<Refusal> {};

// A process that cannot happen says why and changes nothing.
TEST_P(ProcessRefusals, ChangeNothing) {
  Example x;
  ASSERT_FALSE(x.points.add({{Quantity::t, Quantity::rh}, "26", "55"}));
  ASSERT_FALSE(x.points.add({{Quantity::t, Quantity::rh}, "35", "60"}));
  workspace::ProcessRequest r = GetParam().request;
  r.from = r.from ? r.from : x.id(0);
  r.other = r.other ? r.other : x.id(1);
  EXPECT_EQ(x.run(r), GetParam().why);
  EXPECT_EQ(x.points.size(), 2u);
  EXPECT_TRUE(x.processes.processes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Processes, ProcessRefusals,
    testing::Values(
        Refusal{"HeatingThatCools",
                {ProcessKind::heat, 0, 0, {}, 20, 0, {}},
                code(process::Code::heatingNotWarmer)},
        Refusal{"MixingWithZeroFlow",
                {ProcessKind::mix, 0, 0, {}, 1, 0, {}},
                code(process::Code::flowNotPositive)},
        Refusal{"MixingAPointWithItself",
                {ProcessKind::mix, 0, 1, {}, 1, 1, {}},
                rule(workspace::Rule::samePoint)},
        Refusal{"HumidifyingPastSaturation",
                {ProcessKind::humidifyIsothermal, 0, 0, {Quantity::d, Quantity::d}, 40, 0, {}},
                code(process::Code::pastSaturation)},
        Refusal{"FromNoPoint",
                {ProcessKind::heat, 99, 0, {}, 30, 0, {}},
                rule(workspace::Rule::noSuchPoint)},
        Refusal{"RecoveryAgainstItself",
                {ProcessKind::recoverSensible, 0, 1, {}, 0.5, 0, {}},
                code(process::Code::recoveryNoDifference)},
        Refusal{"EffectivenessAboveOne",
                {ProcessKind::recoverTotal, 0, 0, {}, 1.5, NAN, {}},
                code(process::Code::efficiencyRange)},
        Refusal{"IndirectFromWarmerAir",
                {ProcessKind::evaporateIndirect, 0, 0, {}, 0.5, 0, {}},
                code(process::Code::evaporationNotCooler)},
        Refusal{"DryingThatWets",
                {ProcessKind::dryAdiabatic, 0, 0, {Quantity::d, Quantity::d}, 20, 0, {}},
                code(process::Code::dryingNotDrier)},
        Refusal{"FanWithoutPressure",
                {ProcessKind::fan, 0, 0, {}, 0, 0.65, {}},
                code(process::Code::fanPressureNotPositive)},
        Refusal{"BypassFactorOfOne",
                {ProcessKind::coolByBypass, 0, 0, {}, 10, 1, {}},
                code(process::Code::bypassFactorRange)}),
    [](const auto& row) { return std::string(row.param.name); });

// The figures of the coil and the reheater of the same design as the table writes them: rounded as
// the window rounds, ε "∞" at constant d, no load texts without an air flow.
TEST(ProcessRowTexts, RoundedAndEmptyWithoutLoads) {
  const double pa = psychro::standardPressure;
  const auto state = [pa](double t, double φ) {
    return psychro::stateFromPair({Quantity::t, t}, {Quantity::rh, φ}, pa).air;
  };
  const psychro::AirState n = state(26, 0.55);
  const psychro::AirState c = process::mix(state(35, 0.6), 0.2, n, 0.8, pa).air;
  const psychro::AirState o = process::supplyPoint(n, 8000, 8, pa).air;
  const psychro::AirState l =
      process::coolAndDry(c, {Quantity::d, o.d}, {Quantity::rh, 0.95}, pa).air;
  const psychro::AirState reheated = process::heat(l, o.t, pa).air;
  const process::Loads coil = process::loads(process::figures(c, l), process::dryAirFlow(10000, c));
  using Row = std::array<std::string, document::columns.size()>;
  EXPECT_EQ(document::rowTexts(process::figures(c, l), &coil),
            (Row{"-12.89", "-3.48", "-22.08", "6347", "-42.61", "-27.71", "-70.31", "-39.88"}));
  EXPECT_EQ(document::rowTexts(process::figures(l, reheated), nullptr),
            (Row{"3.07", "0.00", "3.14", "∞", "", "", "", ""}));
}

// ε as typed in the dialog.
TEST(ReadEpsilon, NumbersAndInfinity) {
  EXPECT_EQ(workspace::readEpsilon(" 8000 "), 8000);
  EXPECT_EQ(workspace::readEpsilon("∞"), INFINITY);
  EXPECT_EQ(workspace::readEpsilon("-∞"), -INFINITY);
  EXPECT_EQ(workspace::readEpsilon("80 00"), std::nullopt);
}

}  // namespace

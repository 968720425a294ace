// The unit's summary (机组汇总) of designs built process by process: docs/window.md's summer
// example, and streams with heat recovery, a fan, heating and humidifying, a branch and a mixing.
#include "document/unit_summary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "workspace/process_list.h"

namespace {

using psychro::Quantity;
using workspace::Flow;
using workspace::FlowUnit;
using workspace::ProcessKind;
using Rows = std::vector<std::vector<std::string>>;

struct Design {
  workspace::PointList points;
  workspace::ProcessList processes;

  // Adds a point at t, φ and returns its id.
  unsigned point(const char* t, const char* rh) {
    EXPECT_FALSE(points.add({{Quantity::t, Quantity::rh}, t, rh}));
    return points.points().back().id;
  }
  // Runs r and returns its outlet's id.
  unsigned run(workspace::ProcessRequest r) {
    EXPECT_FALSE(processes.add(points, r));
    return points.points().back().id;
  }
};

const Flow volume10000{10000, FlowUnit::cubicMetresPerHour};

// W 35/60, N 26/55 (A, B); C the 20 % mixing; D the supply on ε 8000 (the room's row, not the
// unit's); E the coil at O's d and 95 %, 10000 m³/h at C; F the reheat to 18 ℃ carrying 3.1849
// kg/s on: 70.35 kW cooling = 20.00 RT, 42.62 sensible, 27.73 latent, 39.92 kg/h, 10.02 reheat.
void summer(Design& x) {
  const unsigned W = x.point("35", "60"), N = x.point("26", "55");
  const unsigned C = x.run({ProcessKind::mix, N, W, {}, 0.8, 0.2, {}});
  x.run({ProcessKind::supply, N, 0, {}, 8000, 8, Flow{3.1849, FlowUnit::kilogramsPerSecond}});
  const unsigned L =
      x.run({ProcessKind::coolAndDry, C, 0, {Quantity::d, Quantity::rh}, 10.06, 95, volume10000});
  x.run({ProcessKind::heat, L, 0, {}, 18, 0, {}});
}

// Fresh air W (A) through an enthalpy wheel against N (B), ηh 0.6, 2000 m³/h at W: −12.75 kW
// recovered (docs/window.md), then a fan carrying 0.6145 kg/s on (0.6145 · 1000 · v_C / 650 with
// v_C = 0.8750 m³/kg at 29.64 ℃ and d 15.52 g/kg: 0.83 kW). A second stream from E (20 ℃, 50 %): a
// fan, 10000 m³/h, 4.27 kW (docs/window.md), heated from 21.27 to 30 ℃ (3.3028 · 1.0191 · 8.7302 K
// = 29.38 kW, before any cooling: 加热) and steam-humidified to 50 % (d 13.312 − 7.263 g/kg: 3.3028
// · 0.006049 · 3600 = 71.92 kg/h). A branch from E heated to 25 ℃ at 1 kg/s starts a third
// stream: 1.0191 · 5 = 5.10 kW. Totals add the unrounded figures: the fans shown 4.27 and 0.83 sum
// to 5.11.
void recoveryAndFans(Design& x) {
  const unsigned W = x.point("35", "60"), N = x.point("26", "55");
  const unsigned R = x.run(
      {ProcessKind::recoverTotal, W, N, {}, 0.6, NAN, Flow{2000, FlowUnit::cubicMetresPerHour}});
  x.run({ProcessKind::fan, R, 0, {}, 1000, 0.65, {}});
  const unsigned E = x.point("20", "50");
  const unsigned F = x.run({ProcessKind::fan, E, 0, {}, 1000, 0.65, volume10000});
  const unsigned H = x.run({ProcessKind::heat, F, 0, {}, 30, 0, {}});
  x.run({ProcessKind::humidifyIsothermal, H, 0, {Quantity::rh, Quantity::rh}, 50, 0, {}});
  x.run({ProcessKind::heat, E, 0, {}, 25, 0, Flow{1, FlowUnit::kilogramsPerSecond}});
}

// No flow anywhere: the processes have no loads and the design no summary.
void withoutLoads(Design& x) {
  const unsigned A = x.point("20", "50");
  x.run({ProcessKind::heat, A, 0, {}, 30, 0, {}});
}

TEST(UnitSummary, StreamsOfTheDesign) {
  const struct {
    const char* name;
    void (*build)(Design&);
    Rows expected;
  } rows[] = {
      {"SummerCoilAndReheatFromTheMixing",
       summer,
       {{"C→F", "70.35", "20.00", "42.62", "27.73", "", "10.02", "", "39.92", "", ""},
        {"合计", "70.35", "20.00", "42.62", "27.73", "", "10.02", "", "39.92", "", ""}}},
      {"RecoveryFansHeatingHumidifyingAndABranch",
       recoveryAndFans,
       {{"A→D", "", "", "", "", "", "", "", "", "-12.75", "0.83"},
        {"E→H", "", "", "", "", "29.38", "", "71.92", "", "", "4.27"},
        {"E→I", "", "", "", "", "5.10", "", "", "", "", ""},
        {"合计", "", "", "", "", "34.48", "", "71.92", "", "-12.75", "5.11"}}},
      {"NoLoadsNoSummary", withoutLoads, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Design x;
    row.build(x);
    EXPECT_EQ(document::summaryRows(x.processes, x.points), row.expected);
  }
  EXPECT_EQ(document::summaryHeader().size(), 11u);
}

}  // namespace

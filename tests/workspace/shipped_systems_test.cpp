// The five systems shipped as design files under docs/: each opens to the figures docs/systems.md
// shows for it, its points to the window's digits and its loads, rebuilt from the inputs the file
// keeps, to the digit shown.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <variant>

#include "calc/number_text.h"
#include "document/unit_summary.h"
#include "support/named_rows.h"
#include "workspace/file.h"

namespace {

using testsupport::PrintTo;

using workspace::SystemKind;

std::string fixed(double v, int decimals) {
  std::string text;
  calc::appendFixed(text, v, decimals);
  return text;
}

// The loads docs/systems.md gives for the system of request with the states W and N of built, at
// pa, Pa: kW, the coils' condensate kg/h.
std::string loads(const workspace::SystemRequest& request, const process::System& built,
                  double pa) {
  const process::SystemInputs in{
      *built.find("W"),
      *built.find("N"),
      request.heat,
      request.moisture,
      {request.freshIsFlow ? request.fresh : request.fresh / 100, request.freshIsFlow},
      request.Δt,
      request.φL / 100,
      pa};
  const auto coil = [](const process::CoilDuty& c) {
    return fixed(c.total, 2) + " (" + fixed(c.latent, 2) + ") " + fixed(c.condensate, 2);
  };
  switch (request.kind) {
    case SystemKind::oneReturnSummer:
    case SystemKind::allFreshSummer: {
      const auto s = request.kind == SystemKind::oneReturnSummer ? process::oneReturnSummer(in)
                                                                 : process::allFreshSummer(in);
      return "coil " + coil(s.coil) + " reheat " + fixed(s.reheat, 2);
    }
    case SystemKind::twoReturnSummer:
      return "coil " + coil(process::twoReturnSummer(in).coil) + " G1 " +
             fixed(process::twoReturnSummer(in).primaryFlow, 4);
    case SystemKind::fanCoil:
      return "unit " + coil(process::fanCoilWithFreshAir(in, {}).freshUnit) + " fan-coil " +
             coil(process::fanCoilWithFreshAir(in, {}).fanCoil);
    case SystemKind::oneReturnWinter: {
      const auto s = process::oneReturnWinter(in, request.humidifier, request.preheatTo);
      return "heating " + fixed(s.heating, 2) + " steam " + fixed(s.humidifierHeat, 2) + " water " +
             fixed(s.water, 2);
    }
  }
  return {};
}

struct Shipped {
  const char* name;
  const char* file;
  const char* points;  // "name t φ d h; …" as the points table of docs/systems.md shows them
  const char* loads;
  const char* total;  // the 合计 row of the design's own 机组汇总, as the window shows it
};

class ShippedSystem : public testing::TestWithParam<Shipped> {};

TEST_P(ShippedSystem, OpensToTheFiguresOfTheDocs) {
  std::ifstream in(std::string(TORVALE_SOURCE_DIR "/docs/") + GetParam().file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  const auto read = workspace::readWorkspace(text.str());
  ASSERT_TRUE(std::holds_alternative<workspace::Workspace>(read));
  const workspace::Workspace& w = std::get<workspace::Workspace>(read);
  ASSERT_EQ(w.systems().size(), 1u);
  std::string points;
  for (const workspace::StatePoint& p : w.points().points()) {
    const psychro::AirState& a = p.result.air;
    points += p.name + " " + fixed(a.t, 2) + " " + fixed(a.φ * 100, 1) + " " +
              fixed(a.d * 1000, 2) + " " + fixed(a.h, 4) + "; ";
  }
  EXPECT_EQ(points, GetParam().points);
  // The loads, rebuilt from the file's inputs at its pressure.
  const auto plan = std::get<workspace::SystemPlan>(w.planSystem(w.systems()[0].request, 0));
  EXPECT_EQ(loads(w.systems()[0].request, plan.built, w.pressure()), GetParam().loads);
  // The members carry their flows, so the design's own summary sums the same loads up.
  const auto rows = document::summaryRows(w.processes(), w.points());
  ASSERT_FALSE(rows.empty());
  std::string total;
  for (const std::string& cell : rows.back()) total += cell + "|";
  EXPECT_EQ(total, GetParam().total);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Docs, ShippedSystem, testing::Values(
    Shipped{"OneReturnSummer", "一次回风夏季.torvale",
            "W 35.00 60.0 21.44 90.1935; N 26.00 55.0 11.57 55.6253; C 27.82 57.7 13.54 62.5389; "
            "L 14.93 95.0 10.06 40.4620; O 18.00 78.1 10.06 43.6030; ",
            "coil 73.45 (28.94) 41.66 reheat 10.45",
            "合计|73.45|20.89|44.51|28.94||10.45||41.66|||"},
    Shipped{"TwoReturnSummer", "二次回风夏季.torvale",
            "W 35.00 60.0 21.44 90.1935; N 26.00 55.0 11.57 55.6253; C₁ 28.81 58.7 14.61 66.2818; "
            "L 13.65 95.0 9.25 37.0944; O 18.00 78.1 10.06 43.6030; ",
            "coil 63.00 (28.94) 41.66 G1 2.1586", "合计|63.00|17.91|34.06|28.94||||41.66|||"},
    Shipped{"AllFreshSummer", "全新风夏季.torvale",
            "W 35.00 60.0 21.44 90.1935; N 26.00 55.0 11.57 55.6253; "
            "L 14.93 95.0 10.06 40.4620; O 18.00 78.1 10.06 43.6030; ",
            "coil 165.46 (94.69) 136.30 reheat 10.45",
            "合计|165.46|47.05|70.77|94.69||10.45||136.30|||"},
    Shipped{"FanCoilWithFreshAir", "风机盘管加新风.torvale",
            "W 35.00 60.0 21.44 90.1935; N 26.00 55.0 11.57 55.6253; L 20.04 95.0 13.98 55.6253; "
            "M 17.55 73.6 9.20 40.9579; O 18.00 78.1 10.06 43.6030; ",
            "unit 20.74 (11.20) 16.12 fan-coil 40.00 (16.13) 23.21",
            "合计|60.74|17.27|33.41|27.33||||39.33|||"},
    Shipped{"OneReturnWinterAt1000m", "一次回风冬季.torvale",
            "W -5.00 50.0 1.39 -1.5578; N 20.00 45.0 7.37 38.8187; C 12.56 54.9 5.58 26.7057; "
            "H 28.00 21.1 5.58 42.3981; O 28.00 26.7 7.06 46.1895; ",
            "heating 42.58 steam 10.29 water 14.51", "合计|||||42.58||14.51||||"}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

}  // namespace

// Lines of heat-moisture ratio on the sheet: a process drawn from its inlet to its outlet runs
// along the direction of its own ε, and the protractor's rays and ε lines follow from it.
#include "chart/protractor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chart/sheet.h"
#include "process/figures.h"
#include "process/processes.h"
#include "psychro/pair_state.h"

namespace {

using psychro::Quantity;

struct Along {
  const char* name;
  process::Outlet (*run)(const psychro::AirState&);
};
void PrintTo(const Along& a, std::ostream* os) {
  *os << a.name;
}

class EpsilonDirection : public testing::TestWithParam<Along> {};

chart::SheetPoint at(const psychro::AirState& a) {
  return chart::sheetPoint(1000 * a.d, a.h);
}

TEST_P(EpsilonDirection, IsTheProcessLine) {
  const psychro::AirState in = psychro::stateFromPair({Quantity::t, 28}, {Quantity::rh, 0.5}).air;
  const process::Outlet out = GetParam().run(in);
  ASSERT_TRUE(out.ok()) << static_cast<int>(out.why.code);
  const chart::SheetPoint a = at(in), b = at(out.air);
  const chart::SheetPoint u = chart::epsilonDirection(process::figures(in, out.air).ε);
  // Parallel: the cross product vanishes against the lengths.
  const double cross = (b.d - a.d) * u.y - (b.y - a.y) * u.d;
  EXPECT_NEAR(cross, 0, 1e-9 * std::hypot(b.d - a.d, b.y - a.y) * std::hypot(u.d, u.y));
}

INSTANTIATE_TEST_SUITE_P(
    Processes, EpsilonDirection,
    testing::Values(
        Along{"Heating", [](const psychro::AirState& a) { return process::heat(a, 40, 101325); }},
        Along{"Adiabatic",
              [](const psychro::AirState& a) {
                return process::humidifyAdiabatic(a, {Quantity::rh, 0.9}, 101325);
              }},
        Along{"Isothermal",
              [](const psychro::AirState& a) {
                return process::humidifyIsothermal(a, {Quantity::rh, 0.9}, 101325);
              }},
        Along{"CoilToDewPoint",
              [](const psychro::AirState& a) {
                return process::coolAndDryToDewPoint(a, 10, 0.95, 101325);
              }},
        Along{"SupplyOnRoomLine",
              [](const psychro::AirState& a) { return process::supplyPoint(a, 8000, 8, 101325); }}),
    [](const auto& row) { return std::string(row.param.name); });

// Rays sweep from up (−∞) through level (2501, the 0 °C isotherm's direction) to down (+∞), all
// on the left of the centre; an ε line through a point crosses the whole view through it.
TEST(Protractor, RaysAndLines) {
  chart::Mapping m{chart::defaultView(), {0, 0, 800, 600}};
  const chart::Pixel c{700, 400};
  double lastAngle = -M_PI;
  for (const chart::Ray& r : chart::protractorRays(m, c, 50)) {
    EXPECT_LE(r.end.x, c.x + 1e-9) << r.ε;
    EXPECT_NEAR(std::hypot(r.end.x - c.x, r.end.y - c.y), 50, 1e-9) << r.ε;
    // Clockwise from straight up, on the screen, as ε grows.
    const double angle = std::atan2(c.x - r.end.x, c.y - r.end.y);
    EXPECT_GT(angle, lastAngle - 1e-12) << r.ε;
    lastAngle = angle;
    // Below 2501 the drying direction rises on the screen, above it falls.
    if (std::isfinite(r.ε)) {
      EXPECT_EQ(r.end.y < c.y, r.ε < 2501) << r.ε;
    }
  }
  const chart::SheetPoint p = chart::atTemperature(26, 11.57);
  const auto parts = chart::epsilonLine(p, 8000, m.view);
  ASSERT_EQ(parts.size(), 1u);
  const chart::SheetPoint a = parts[0].front(), b = parts[0].back();
  const chart::View& v = m.view;
  const auto onEdge = [&v](chart::SheetPoint s) {
    const auto near = [](double x, double y) { return std::abs(x - y) < 1e-9; };
    return near(s.d, v.dMin) || near(s.d, v.dMax) || near(s.y, v.yMin) || near(s.y, v.yMax);
  };
  EXPECT_TRUE(onEdge(a) && onEdge(b));
  EXPECT_LT(a.d, p.d);
  EXPECT_GT(b.d, p.d);
  EXPECT_NEAR((p.d - a.d) * (b.y - a.y) - (p.y - a.y) * (b.d - a.d), 0, 1e-6);
  EXPECT_TRUE(chart::epsilonLine(p, NAN, m.view).empty());
}

}  // namespace

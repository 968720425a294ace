#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "../support/named_rows.h"
#include "chart/chart_model.h"
#include "psychro/air_state.h"
#include "psychro/constants.h"
#include "psychro/saturation.h"

namespace {

using testsupport::PrintTo;

using chart::ChartPoint;
using chart::Ranges;

// Interpolated d, g/kg, of a curve at t, °C.
std::optional<double> curveMoistureAt(const chart::Curve& c, double t) {
  for (std::size_t i = 1; i < c.points.size(); ++i) {
    const ChartPoint a = c.points[i - 1], b = c.points[i];
    if (a.t <= t && t <= b.t) return a.d + (b.d - a.d) * (t - a.t) / (b.t - a.t);
  }
  return std::nullopt;
}

const chart::Curve& curveOf(const std::vector<chart::Curve>& curves, double value) {
  for (const chart::Curve& c : curves)
    if (c.value == value) return c;
  throw std::runtime_error("no such curve");
}

TEST(ChartCurves, SaturationAt20FollowsWaterps) {
  const double ps = psychro::waterps(20);
  EXPECT_DOUBLE_EQ(*chart::moistureAt(20, 1), 1000 * 0.622 * ps / (psychro::standardPressure - ps));
  const auto d = curveMoistureAt(curveOf(chart::humidityCurves(chart::defaultRanges), 100), 20);
  ASSERT_TRUE(d);
  EXPECT_NEAR(*d, *chart::moistureAt(20, 1), 0.01);
  EXPECT_NEAR(*d, 14.70, 0.005);
}

TEST(ChartCurves, HalfHumidityAt25MatchesTheCalculatedState) {
  const auto d = curveMoistureAt(curveOf(chart::humidityCurves(chart::defaultRanges), 50), 25);
  ASSERT_TRUE(d);
  EXPECT_NEAR(*d, 9.88, 0.005);
  EXPECT_NEAR(*d, psychro::airt2φ(25, 0.5).air.d * 1000, 0.005);
}

TEST(ChartCurves, EveryTenPercentDrawnAndInsideTheRanges) {
  const Ranges r = chart::defaultRanges;
  const auto curves = chart::humidityCurves(r);
  ASSERT_EQ(curves.size(), 10u);
  for (const chart::Curve& c : curves)
    for (const ChartPoint& p : c.points) {
      EXPECT_GE(p.t, r.tMin - 1e-9);
      EXPECT_LE(p.t, r.tMax + 1e-9);
      EXPECT_LE(p.d, r.dMax + 1e-6) << c.value;
    }
}

// Each enthalpy line keeps its enthalpy along its length and stays out of the fog region.
TEST(ChartCurves, EnthalpyLinesAreConstantEnthalpyAndUnsaturated) {
  const auto lines = chart::enthalpyLines(chart::defaultRanges);
  ASSERT_GE(lines.size(), 10u);
  for (const chart::Curve& c : lines) {
    EXPECT_EQ(std::fmod(c.value, 10), 0) << c.value;
    for (const ChartPoint& p : c.points) {
      EXPECT_NEAR(chart::enthalpyAt(p.t, p.d), c.value, 1e-9);
      EXPECT_LE(chart::humidityAt(p.t, p.d), 1 + 1e-6);
    }
  }
}

TEST(ChartGrid, DefaultSteps) {
  const auto iso = chart::isotherms(chart::defaultRanges);
  EXPECT_EQ(iso.front(), -20);
  EXPECT_EQ(iso.back(), 50);
  EXPECT_EQ(iso.size(), 15u);
  const auto dLines = chart::moistureLines(chart::defaultRanges);
  EXPECT_EQ(dLines.size(), 21u);
  EXPECT_EQ(dLines[1], 2);
}

struct StateRow {
  const char* name;
  bool humidityRoute;
  double t, x;
};

class ChartMarks : public testing::TestWithParam<StateRow> {};

// The mark of a calculated state lies on its φ curve and its h line, its dew point on the
// saturation curve straight across, and the ranges hold all three marks.
TEST_P(ChartMarks, LieOnTheCurvesTheWindowReports) {
  const StateRow& row = GetParam();
  const psychro::StateOutcome s =
      row.humidityRoute ? psychro::airt2φ(row.t, row.x / 100) : psychro::airt2tw(row.t, row.x);
  ASSERT_TRUE(s.ok());
  const chart::StateMarks m = chart::marksFor(s.air);
  EXPECT_NEAR(chart::humidityAt(m.state.t, m.state.d), s.air.φ, 1e-12);
  EXPECT_NEAR(chart::enthalpyAt(m.state.t, m.state.d), s.air.h, 1e-9);
  EXPECT_EQ(m.dewPoint.d, m.state.d);
  EXPECT_NEAR(chart::humidityAt(m.dewPoint.t, m.dewPoint.d), 1, 0.002);
  EXPECT_NEAR(chart::humidityAt(m.wetBulb.t, m.wetBulb.d), 1, 1e-12);

  const Ranges r = chart::rangesFor(s.air);
  for (const ChartPoint& p : {m.state, m.dewPoint, m.wetBulb}) {
    EXPECT_GE(p.t, std::max(r.tMin, chart::lowestT) - 1e-9);
    EXPECT_LE(p.t, r.tMax);
    EXPECT_LE(p.d, r.dMax);
  }
  EXPECT_GE(r.tMin, chart::lowestT);
  EXPECT_LE(r.tMax, chart::highestT);
}

INSTANTIATE_TEST_SUITE_P(States, ChartMarks,
                         testing::Values(StateRow{"WetBulbExample", false, 25, 20},
                                         StateRow{"HumidityExample", true, 25, 50},
                                         StateRow{"HotHumid", true, 45, 80},
                                         StateRow{"Boiling", true, 95, 60},
                                         StateRow{"Freezing", true, -35, 70}),
                         [](const auto& info) { return info.param.name; });

struct WidenRow {
  const char* name;
  double t, φ;
  Ranges expected;
};

class ChartWidening : public testing::TestWithParam<WidenRow> {};

TEST_P(ChartWidening, WidensOnlyAsFarAsNeeded) {
  const WidenRow& row = GetParam();
  const Ranges r = chart::rangesFor(psychro::airt2φ(row.t, row.φ).air);
  EXPECT_EQ(r.dMin, row.expected.dMin);
  EXPECT_EQ(r.dMax, row.expected.dMax);
  EXPECT_EQ(r.tMin, row.expected.tMin);
  EXPECT_EQ(r.tMax, row.expected.tMax);
}

INSTANTIATE_TEST_SUITE_P(
    States, ChartWidening,
    testing::Values(WidenRow{"InsideKeepsDefault", 25, 0.5, {0, 40, -20, 50}},
                    WidenRow{"HotDryWidensUp", 68, 0.05, {0, 40, -20, 75}},
                    WidenRow{"ColdWidensDown", -32, 0.5, {0, 40, -40, 50}},
                    WidenRow{"ColdestStopsAtCalculatorLimit", -50, 0.1, {0, 40, -50, 50}},
                    WidenRow{"HumidWidensAcross", 45, 0.9, {0, 70, -20, 50}}),
    [](const auto& info) { return info.param.name; });

TEST(ChartWidening, NothingCalculatedShowsDefault) {
  const Ranges r = chart::rangesFor(std::nullopt);
  EXPECT_EQ(r.dMax, 40);
  EXPECT_EQ(r.tMin, -20);
}

TEST(ChartMapping, PixelsAndBackAreInverse) {
  const chart::Mapping m{chart::defaultRanges, {50, 20, 700, 500}};
  EXPECT_DOUBLE_EQ(m.x(0), 50);
  EXPECT_DOUBLE_EQ(m.x(40), 750);
  EXPECT_DOUBLE_EQ(m.y(50), 20);
  EXPECT_DOUBLE_EQ(m.y(-20), 520);
  for (const ChartPoint p : {ChartPoint{9.88, 25}, ChartPoint{0, -20}, ChartPoint{33.3, 41.7}}) {
    EXPECT_NEAR(m.d(m.x(p.d)), p.d, 1e-12);
    EXPECT_NEAR(m.t(m.y(p.t)), p.t, 1e-12);
  }
}

TEST(ChartReadout, HoverOverTheStateReadsItsValues) {
  const psychro::AirState air = psychro::airt2φ(25, 0.5).air;
  const chart::Readout r = chart::readoutAt({air.d * 1000, air.t});
  EXPECT_DOUBLE_EQ(r.t, 25);
  EXPECT_NEAR(r.φ, 0.5, 1e-12);
  EXPECT_NEAR(r.d, 9.8819, 5e-5);
  EXPECT_NEAR(r.h, air.h, 1e-9);
}

}  // namespace

// The sheet of the 焓湿图: its coordinates, the view and its mapping, the lines drawn over it, and
// where a point beyond the view is marked.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "chart/curves.h"
#include "chart/edge_mark.h"
#include "chart/readout.h"
#include "psychro/air_state.h"
#include "support/named_rows.h"

namespace {

using namespace chart;
using testsupport::PrintTo;

const Mapping screen{defaultView(), {60, 40, 900, 700}};

struct StateRow {
  const char* name;
  double t, φ, pa;
  psychro::Arithmetic m = psychro::Arithmetic::classic;
};

class SheetStates : public testing::TestWithParam<StateRow> {};

// A calculated state goes to the sheet and to pixels and back, and lies on its own isotherm and
// φ curve (those of its arithmetic).
TEST_P(SheetStates, MapsToPixelsAndBack) {
  const StateRow& row = GetParam();
  const psychro::StateOutcome s = psychro::stateFromHumidity(row.t, row.φ, row.pa, row.m);
  ASSERT_TRUE(s.ok());
  const SheetPoint p = sheetPoint(1000 * s.air.d, s.air.h);
  EXPECT_NEAR(temperatureAt(p, row.m), row.t, 1e-9);
  EXPECT_NEAR(enthalpyAt(p), s.air.h, 1e-9);
  EXPECT_NEAR(humidityAt(p, row.pa, row.m), row.φ, 1e-9);
  const SheetPoint back = screen.toSheet(screen.toPixel(p));
  EXPECT_NEAR(back.d, p.d, 1e-9);
  EXPECT_NEAR(back.y, p.y, 1e-9);
  const Readout r = readoutAt(p, row.pa, row.m);
  ASSERT_TRUE(r.tw && r.tl);
  EXPECT_NEAR(*r.tw, s.air.tw, 0.02);  // the wet-bulb iteration settles to 0.01 °C
  EXPECT_NEAR(*r.tl, s.air.tl, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    States, SheetStates,
    testing::Values(StateRow{"Room", 25, 0.5, 101325}, StateRow{"Kunming", 25, 0.5, 81000},
                    StateRow{"Frost", -20, 0.8, 101325}, StateRow{"HotHumidLhasa", 45, 0.9, 65000},
                    StateRow{"AshraeRoom", 25, 0.5, 101325, psychro::Arithmetic::ashrae2017},
                    StateRow{"AshraeFrost", -20, 0.8, 61640, psychro::Arithmetic::ashrae2017}),
    testing::PrintToStringParamName());

// The moisture content of the φ = 50 % curve at 25 °C, at three pressures (the window's values).
TEST(SheetLines, HumidityCurveFollowsThePressure) {
  const struct { double pa, d; } rows[] = {{101325, 9.88}, {81000, 12.41}, {65000, 15.54}};
  for (const auto& row : rows) {
    const SheetLines lines = sheetLines(defaultView(), row.pa);
    const ChartLine& half = lines.humidity[4];
    ASSERT_EQ(half.value, 50);
    std::optional<double> d;
    for (const Polyline& part : half.parts)
      for (std::size_t i = 1; i < part.size(); ++i) {
        const double t0 = temperatureAt(part[i - 1]), t1 = temperatureAt(part[i]);
        if (t0 <= 25 && 25 <= t1)
          d = part[i - 1].d + (part[i].d - part[i - 1].d) * (25 - t0) / (t1 - t0);
      }
    ASSERT_TRUE(d) << row.pa;
    EXPECT_NEAR(*d, row.d, 0.006) << row.pa;
  }
}

TEST(SheetLines, DefaultViewAndItsGrid) {
  const View v = defaultView();
  EXPECT_NEAR(temperatureAt({v.dMin, v.yMin}), -10, 1e-12);
  EXPECT_NEAR(temperatureAt({v.dMax, v.yMax}), 45, 1e-12);
  const SheetLines s = sheetLines(v, psychro::standardPressure);
  EXPECT_EQ(s.steps.t, 5);
  EXPECT_EQ(s.steps.h, 10);
  EXPECT_EQ(s.steps.d, 2);
  EXPECT_EQ(s.humidity.size(), 10u);
  EXPECT_EQ(s.isotherms.front().value, -10);
  EXPECT_EQ(s.isotherms.back().value, 45);
  // Enthalpy lines keep their h and end on the saturation curve, not in the fog.
  for (const ChartLine& l : s.enthalpy)
    for (const Polyline& part : l.parts)
      for (const SheetPoint& p : part) {
        EXPECT_NEAR(enthalpyAt(p), l.value, 1e-9);
        EXPECT_LE(humidityAt(p, psychro::standardPressure), 1 + 1e-6) << l.value;
      }
}

struct ViewRow {
  const char* name;
  View view;
  double pa;
};

class SheetViews : public testing::TestWithParam<ViewRow> {};

// However far the view is zoomed or moved, and at any pressure, the lines stay few and inside it.
TEST_P(SheetViews, LinesStayFewAndInside) {
  const ViewRow& row = GetParam();
  const View v = clamped(row.view);
  const SheetLines s = sheetLines(v, row.pa);
  std::size_t points = 0;
  for (const auto* kind : {&s.isotherms, &s.enthalpy, &s.moisture, &s.humidity}) {
    EXPECT_LE(kind->size(), static_cast<std::size_t>(gridLineLimit + 1));
    for (const ChartLine& l : *kind)
      for (const Polyline& part : l.parts)
        for (const SheetPoint& p : part) {
          ++points;
          const double slack = 1e-9 * (v.dMax - v.dMin + v.yMax - v.yMin);
          EXPECT_TRUE(p.d >= v.dMin - slack && p.d <= v.dMax + slack && p.y >= v.yMin - slack &&
                      p.y <= v.yMax + slack);
        }
  }
  EXPECT_LT(points, 25000u);
}

INSTANTIATE_TEST_SUITE_P(
    Views, SheetViews,
    testing::Values(ViewRow{"Default", defaultView(), 101325},
                    ViewRow{"WholeSheetLowPressure", sheetBounds(), 30000},
                    ViewRow{"SmallestNearSaturation", {14.6, 14.6, 20, 20}, 101325},
                    ViewRow{"FarCorner", {1e9, 2e9, -1e9, 1e9}, 110000},
                    ViewRow{"NaN", {NAN, NAN, NAN, NAN}, 101325}),
    testing::PrintToStringParamName());

TEST(SheetView, ZoomKeepsTheAnchorAndTheBounds) {
  const SheetPoint anchor{12, 30};
  const Mapping before = screen;
  const Mapping after{zoomed(before.view, anchor, 0.5), before.area};
  EXPECT_NEAR(after.toPixel(anchor).x, before.toPixel(anchor).x, 1e-9);
  EXPECT_NEAR(after.toPixel(anchor).y, before.toPixel(anchor).y, 1e-9);
  EXPECT_NEAR(after.view.dMax - after.view.dMin, 15, 1e-9);

  const View out = zoomed(defaultView(), anchor, 1e6);
  const View b = sheetBounds();
  EXPECT_EQ(out.dMin, b.dMin);
  EXPECT_EQ(out.dMax, b.dMax);
  const View in = zoomed(defaultView(), anchor, 1e-9);
  EXPECT_NEAR(in.dMax - in.dMin, leastDSpan, 1e-12);
  const View moved = panned(defaultView(), -100, 1e9);
  EXPECT_EQ(moved.dMin, 0);
  EXPECT_EQ(moved.yMax, b.yMax);
}

struct EdgeRow {
  const char* name;
  SheetPoint point;
  bool inside;
  Pixel at;
  double dx, dy;
};

class EdgeMarks : public testing::TestWithParam<EdgeRow> {};

// A point beyond the view is marked on the nearest place of the edge, inset 8 px, with an arrow
// pointing its way; the plot is (60, 40)–(960, 740).
TEST_P(EdgeMarks, PointTheWay) {
  const EdgeRow& row = GetParam();
  const EdgeMark m = edgeMark(screen, row.point, 8);
  EXPECT_EQ(m.inside, row.inside);
  EXPECT_NEAR(m.at.x, row.at.x, 1e-6);
  EXPECT_NEAR(m.at.y, row.at.y, 1e-6);
  EXPECT_NEAR(m.dx, row.dx, 1e-5);
  EXPECT_NEAR(m.dy, row.dy, 1e-5);
}

const SheetPoint middle = screen.toSheet({510, 390});
// 100 °C at 99.907594149 %: about 1.7e11 kg/kg of vapour, far beyond every view.
const psychro::AirState extreme = psychro::stateFromHumidity(100, 0.99907594149).air;

INSTANTIATE_TEST_SUITE_P(
    Points, EdgeMarks,
    testing::Values(EdgeRow{"Inside", middle, true, {510, 390}, 0, 0},
                    EdgeRow{"BeyondTheRight", {45, middle.y}, false, {952, 390}, 1, 0},
                    EdgeRow{"BeyondTheLeft", {-10, middle.y}, false, {68, 390}, -1, 0},
                    EdgeRow{"BelowTheLeftCorner",
                            screen.toSheet({68 - 300, 732 + 400}),
                            false,
                            {68, 732},
                            -0.6,
                            0.8},
                    EdgeRow{"ExtremeStateTopRight",
                            sheetPoint(1000 * extreme.d, extreme.h),
                            false,
                            {952, 48},
                            0.99735,
                            -0.07272},
                    EdgeRow{"Unknown", {NAN, NAN}, true, {510, 390}, 0, 0}),
    testing::PrintToStringParamName());

}  // namespace

// A zone's outline on the sheet: every vertex meets the zone's bounds, and a state known to be in
// the zone lies inside the polygon.
#include "chart/zone_outline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "chart/curves.h"
#include "chart/sheet.h"
#include "psychro/air_state.h"
#include "support/named_rows.h"

namespace {

using testsupport::PrintTo;

psychro::Bound between(double lo, double hi) {
  return {lo, hi};
}

struct OutlineRow {
  const char* name;
  psychro::StateBounds bounds;
  double pa;
  double t, rh;  // a state inside the zone, °C and %
};

// bound with each side moved out by tol.
psychro::Bound widened(const psychro::Bound& bound, double tol) {
  psychro::Bound w = bound;
  if (w.min) *w.min -= tol;
  if (w.max) *w.max += tol;
  return w;
}

// The bounds the test reads back from the sheet: t, rh, tl, h.
std::array<psychro::Bound, 4> bounds(const psychro::StateBounds& b) {
  return {b.t, b.rh, b.tl, b.h};
}

class ZoneOutline : public testing::TestWithParam<OutlineRow> {};

// True when p lies inside the closed polygon (crossings of a ray to the right).
bool inside(const chart::Polyline& polygon, chart::SheetPoint p) {
  bool in = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const chart::SheetPoint a = polygon[i], b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.d < a.d + (p.y - a.y) * (b.d - a.d) / (b.y - a.y)) in = !in;
  }
  return in;
}

TEST_P(ZoneOutline, VerticesMeetTheBoundsAndEncloseTheZone) {
  const OutlineRow& r = GetParam();
  const std::vector<chart::Polyline> outline = chart::zoneOutline(r.bounds, r.pa);
  ASSERT_EQ(outline.size(), 1u);
  // Sampling the curved edges with chords leaves them a little off the curves.
  const double tol = 0.02;
  const psychro::StateBounds& b = r.bounds;
  // The least and greatest t, rh, tl and h of the vertices: each bound is reached, not just kept.
  std::array<double, 4> lows, highs;
  lows.fill(INFINITY);
  highs.fill(-INFINITY);
  for (const chart::SheetPoint p : outline.front()) {
    const double t = chart::temperatureAt(p), rh = 100 * chart::humidityAt(p, r.pa);
    const double tl = psychro::dewPoint(psychro::vapourPressure(p.d / 1000, r.pa));
    const double h = chart::enthalpyAt(p);
    SCOPED_TRACE("t " + std::to_string(t) + " rh " + std::to_string(rh) + " d " +
                 std::to_string(p.d));
    EXPECT_LE(rh, 100 + tol);
    const std::array<double, 4> values{t, rh, tl, h};
    for (std::size_t i = 0; i < values.size(); ++i) {
      EXPECT_TRUE(widened(bounds(b)[i], tol).holds(values[i])) << i;
      lows[i] = std::min(lows[i], values[i]);
      highs[i] = std::max(highs[i], values[i]);
    }
  }
  for (std::size_t i = 0; i < lows.size(); ++i) {
    if (bounds(b)[i].min) {
      EXPECT_NEAR(lows[i], *bounds(b)[i].min, tol) << i;
    }
    if (bounds(b)[i].max) {
      EXPECT_NEAR(highs[i], *bounds(b)[i].max, tol) << i;
    }
  }
  const psychro::StateOutcome s = psychro::stateFromHumidity(r.t, r.rh / 100, r.pa);
  ASSERT_TRUE(s.ok());
  EXPECT_TRUE(inside(outline.front(), chart::sheetPoint(s.air)));
}

psychro::StateBounds zone(psychro::Bound t, psychro::Bound rh, psychro::Bound tl = {},
                          psychro::Bound h = {}) {
  return {t, rh, tl, {}, h};
}

INSTANTIATE_TEST_SUITE_P(
    Zones, ZoneOutline,
    testing::Values(
        OutlineRow{"HeatingI", zone(between(22, 24), {30, {}}), 101325, 23, 50},
        OutlineRow{"HeatingII", zone(between(18, 22), {}), 101325, 20, 95},
        OutlineRow{"CoolingI", zone(between(24, 26), between(40, 60)), 101325, 25, 50},
        OutlineRow{"CoolingIIAt80kPa", zone(between(26, 28), {{}, 70}), 80000, 27, 20},
        OutlineRow{"DataRecommended", zone(between(18, 27), {{}, 60}, between(-9, 15)), 101325, 26,
                   45},
        OutlineRow{"DataA1At80kPa", zone(between(15, 32), between(8, 80), between(-12, 17)), 80000,
                   30, 30},
        OutlineRow{"EnthalpyBand", zone({}, between(30, 70), {}, between(40, 60)), 101325, 25, 50}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ZoneOutline, BoundsNoStateMeetsGiveNoOutline) {
  EXPECT_TRUE(chart::zoneOutline(zone(between(30, 20), {}), 101325).empty());
  // Dew point 25 °C above a 20 °C ceiling of the dry bulb: beyond saturation.
  EXPECT_TRUE(chart::zoneOutline(zone(between(10, 20), {}, {25, {}}), 101325).empty());
}

}  // namespace

#include "chart/chart_model.h"

#include <algorithm>
#include <cmath>

#include "psychro/constants.h"
#include "psychro/saturation.h"

namespace chart {
namespace {

// Vapour partial pressure, Pa, of air holding d, g/kg.
double vapourPressure(double d) {
  const double kgPerKg = d / 1000;
  return kgPerKg * psychro::standardPressure / (0.622 + kgPerKg);
}

// The x in [lo, hi] where inside(x) changes from true to false, to 1e-9 of the interval; at most
// 60 halvings. inside(lo) is taken to be true.
template <class Inside>
double boundary(double lo, double hi, Inside inside) {
  for (int round = 0; round < 60 && hi - lo > 1e-9 * (1 + std::abs(hi)); ++round) {
    const double mid = (lo + hi) / 2;
    (inside(mid) ? lo : hi) = mid;
  }
  return lo;
}

// A grid step from base·{1, 2.5, 5, 10, …} that draws at most maxLines lines across span.
double gridStep(double span, double base, int maxLines) {
  const double factors[] = {1, 2.5, 5};
  for (double scale = 1;; scale *= 10)
    for (double f : factors)
      if (span / (base * f * scale) <= maxLines || scale > 1e6) return base * f * scale;
}

std::vector<double> multiplesWithin(double lo, double hi, double step) {
  std::vector<double> values;
  for (double v = std::ceil(lo / step - 1e-9) * step; v <= hi + 1e-9; v += step)
    values.push_back(std::abs(v) < 1e-9 ? 0 : v);
  return values;
}

constexpr int maxGridLines = 25;
constexpr int curveSamples = 240;
constexpr int lineSamples = 32;

}  // namespace

std::optional<double> moistureAt(double t, double φ) {
  const double pv = psychro::waterps(t) * φ;
  if (!(pv < psychro::standardPressure)) return std::nullopt;
  return 1000 * 0.622 * pv / (psychro::standardPressure - pv);
}

double humidityAt(double t, double d) {
  return vapourPressure(d) / psychro::waterps(t);
}

double enthalpyAt(double t, double d) {
  return psychro::enthalpy(t, d / 1000);
}

double temperatureOnEnthalpy(double h, double d) {
  const double kgPerKg = d / 1000;
  return (h - 2501 * kgPerKg) / (1.006 + 1.805 * kgPerKg);
}

std::optional<double> saturationTemperature(double d) {
  const psychro::SaturationTemperature s = psychro::watert(vapourPressure(d));
  if (!s.settled) return std::nullopt;
  return s.t;
}

std::vector<Curve> humidityCurves(const Ranges& r) {
  std::vector<Curve> curves;
  const auto inRange = [&](double φ, double t) {
    const std::optional<double> d = moistureAt(t, φ);
    return d && *d <= r.dMax;
  };
  for (int percent = 10; percent <= 100; percent += 10) {
    const double φ = percent / 100.0;
    Curve c{static_cast<double>(percent), {}};
    const double step = (r.tMax - r.tMin) / curveSamples;
    for (int i = 0; i <= curveSamples; ++i) {
      const double t = r.tMin + i * step;
      if (!inRange(φ, t)) {
        // Ends exactly where it leaves the chart.
        if (i > 0) {
          const double tEnd = boundary(t - step, t, [&](double x) { return inRange(φ, x); });
          c.points.push_back({*moistureAt(tEnd, φ), tEnd});
        }
        break;
      }
      c.points.push_back({*moistureAt(t, φ), t});
    }
    if (c.points.size() >= 2) curves.push_back(std::move(c));
  }
  return curves;
}

std::vector<Curve> enthalpyLines(const Ranges& r) {
  std::vector<Curve> lines;
  const double hLow = enthalpyAt(r.tMin, r.dMin), hHigh = enthalpyAt(r.tMax, r.dMax);
  const double step = gridStep(hHigh - hLow, 10, maxGridLines);
  for (double h : multiplesWithin(hLow, hHigh, step)) {
    // Along the line t falls as d grows: it starts at the top or left edge and ends at the
    // saturation curve, the bottom or the right edge.
    const auto t = [&](double d) { return temperatureOnEnthalpy(h, d); };
    double dStart = r.dMin;
    if (t(dStart) > r.tMax)
      dStart = boundary(r.dMin, r.dMax, [&](double d) { return t(d) > r.tMax; });
    const auto unsaturated = [&](double d) { return t(d) >= r.tMin && humidityAt(t(d), d) <= 1; };
    if (!unsaturated(dStart) || t(dStart) > r.tMax + 1e-6) continue;
    const double dEnd = unsaturated(r.dMax) ? r.dMax : boundary(dStart, r.dMax, unsaturated);
    if (dEnd - dStart <= 1e-9) continue;
    Curve c{h, {}};
    for (int i = 0; i <= lineSamples; ++i) {
      const double d = dStart + (dEnd - dStart) * i / lineSamples;
      c.points.push_back({d, t(d)});
    }
    lines.push_back(std::move(c));
  }
  return lines;
}

std::vector<double> isotherms(const Ranges& r) {
  return multiplesWithin(r.tMin, r.tMax, gridStep(r.tMax - r.tMin, 5, maxGridLines + 5));
}

std::vector<double> moistureLines(const Ranges& r) {
  return multiplesWithin(r.dMin, r.dMax, gridStep(r.dMax - r.dMin, 2, maxGridLines));
}

StateMarks marksFor(const psychro::AirState& air) {
  const double d = air.d * 1000;
  StateMarks m;
  m.state = {d, air.t};
  m.dewPoint = {d, saturationTemperature(d).value_or(air.tl)};
  m.wetBulb = {moistureAt(air.tw, 1).value_or(d), air.tw};
  return m;
}

Ranges rangesFor(const std::optional<psychro::AirState>& air) {
  Ranges r = defaultRanges;
  if (!air) return r;
  const StateMarks m = marksFor(*air);
  for (const ChartPoint& p : {m.state, m.dewPoint, m.wetBulb}) {
    if (p.t < r.tMin) r.tMin = std::max(lowestT, std::floor(p.t / 5) * 5 - 5);
    if (p.t > r.tMax) r.tMax = std::min(highestT, std::ceil(p.t / 5) * 5 + 5);
    if (p.d > r.dMax) r.dMax = std::ceil(p.d * 1.1 / 10) * 10;
  }
  return r;
}

Readout readoutAt(ChartPoint p) {
  return {p.t, humidityAt(p.t, p.d), p.d, enthalpyAt(p.t, p.d)};
}

double Mapping::x(double d) const {
  return area.left + (d - ranges.dMin) / (ranges.dMax - ranges.dMin) * area.width;
}
double Mapping::y(double t) const {
  return area.top + (ranges.tMax - t) / (ranges.tMax - ranges.tMin) * area.height;
}
double Mapping::d(double x) const {
  return ranges.dMin + (x - area.left) / area.width * (ranges.dMax - ranges.dMin);
}
double Mapping::t(double y) const {
  return ranges.tMax - (y - area.top) / area.height * (ranges.tMax - ranges.tMin);
}

}  // namespace chart

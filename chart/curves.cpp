#include "chart/curves.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "psychro/air_state.h"
#include "psychro/bisection.h"
#include "psychro/saturation.h"

namespace chart {
namespace {

// Bounds of the work for one curve: first samples across the view's temperatures, then each
// interval halved where its chord is longer than curveChord of the view and crosses it, at most
// curveDepth times and up to curvePointLimit points in all.
constexpr int curveSamples = 48;
constexpr int curveDepth = 10;
constexpr double curveChord = 0.015;
constexpr std::size_t curvePointLimit = 2000;

using CurveAt = std::function<std::optional<SheetPoint>(double)>;

class CurveSampler {
 public:
  CurveSampler(const CurveAt& at, const View& view) : at_(at), view_(view) {}

  // The curve from t0 to t1, °C, where it exists from t0 up to some temperature (the vapour
  // reaching the total pressure there); it ends at t1 or where it stops.
  Polyline sample(double t0, double t1) {
    const auto exists = [&](double t) { return at_(t).has_value(); };
    if (!(t0 <= t1) || !exists(t0)) return {};
    if (!exists(t1)) {
      const double end =
          psychro::bisect([&](double t) { return exists(t) ? 0.0 : 1.0; }, t0, t1, 0.5).x;
      t1 = exists(end) ? end : std::nextafter(end, t0);
      if (!exists(t1)) return {};
    }
    double t = t0;
    SheetPoint p = *at_(t0);
    line_.push_back(p);
    for (int i = 1; i <= curveSamples; ++i) {
      const double tNext = t0 + (t1 - t0) * i / curveSamples;
      const SheetPoint q = *at_(tNext);
      refine(t, p, tNext, q, 0);
      line_.push_back(q);
      t = tNext;
      p = q;
    }
    return std::move(line_);
  }

 private:
  bool worthHalving(SheetPoint a, SheetPoint b) const {
    const double w = view_.dMax - view_.dMin, h = view_.yMax - view_.yMin;
    const bool long_ = std::max(std::abs(b.d - a.d) / w, std::abs(b.y - a.y) / h) > curveChord;
    const bool crosses = std::max(a.d, b.d) >= view_.dMin && std::min(a.d, b.d) <= view_.dMax &&
                         std::max(a.y, b.y) >= view_.yMin && std::min(a.y, b.y) <= view_.yMax;
    return long_ && crosses;
  }

  void refine(double ta, SheetPoint a, double tb, SheetPoint b, int depth) {
    if (depth >= curveDepth || line_.size() >= curvePointLimit || !worthHalving(a, b)) return;
    const double tm = (ta + tb) / 2;
    const std::optional<SheetPoint> m = at_(tm);
    if (!m) return;
    refine(ta, a, tm, *m, depth + 1);
    line_.push_back(*m);
    refine(tm, *m, tb, b, depth + 1);
  }

  const CurveAt& at_;
  const View& view_;
  Polyline line_;
};

// Values k·step within [lo, hi], at most gridLineLimit + 1 of them.
std::vector<double> multiplesWithin(double lo, double hi, double step) {
  std::vector<double> values;
  const double first = std::ceil(lo / step - 1e-9);
  for (int i = 0; i <= gridLineLimit; ++i) {
    const double v = (first + i) * step;
    if (v > hi + 1e-9 * step) break;
    values.push_back(v == 0 ? 0 : v);  // no −0
  }
  return values;
}

// The least of 10^k·{1, 2, 5}, not below finest (itself of that form), that spans `span` in at
// most gridLineLimit steps.
double stepFor(double span, double finest) {
  const double wanted = span / gridLineLimit;
  const int firstDecade = static_cast<int>(std::floor(std::log10(finest) + 1e-9));
  for (int k = firstDecade; k < firstDecade + 12; ++k)
    for (double m : {1.0, 2.0, 5.0}) {
      // Exact for k < 0 as well: 0.5 is 5 / 10, not 5 · 0.1.
      const double step = k < 0 ? m / std::pow(10, -k) : m * std::pow(10, k);
      if (step >= finest * (1 - 1e-12) && step >= wanted) return step;
    }
  return finest * 1e12;  // a span no view reaches
}

ChartLine clippedLine(double value, const Polyline& line, const View& view) {
  return {value, clipToView(line, view)};
}

// The saturation moisture content, g/kg, at t, °C, and pa, Pa; none at or above boiling.
std::optional<double> saturationD(double t, double pa, psychro::Arithmetic m) {
  return moistureAt(t, 1, pa, m);
}

// Where a line of constant enthalpy h, kJ/kg, meets the saturation curve: its moisture content,
// g/kg (at most highestD). None where the saturated air at lowestT already holds more enthalpy.
std::optional<double> saturationEndOfEnthalpy(double h, double pa, psychro::Arithmetic m) {
  const auto saturatedEnthalpy = [&](double t) {
    const std::optional<double> d = saturationD(t, pa, m);
    return d ? psychro::enthalpy(t, *d / 1000, m) : INFINITY;  // at or above boiling: too warm
  };
  if (!(saturatedEnthalpy(lowestT) <= h)) return std::nullopt;
  const double t = psychro::bisect(saturatedEnthalpy, lowestT, highestT, h).x;
  return std::min(saturationD(t, pa, m).value_or(highestD), highestD);
}

std::vector<ChartLine> isotherms(const View& view, double pa, double step, psychro::Arithmetic m) {
  const TemperatureSpan span = temperatureSpan(view, m);
  std::vector<ChartLine> lines;
  for (double t : multiplesWithin(span.low, span.high, step)) {
    const double dEnd = std::min(saturationD(t, pa, m).value_or(highestD), highestD);
    lines.push_back(clippedLine(t, {atTemperature(t, 0, m), atTemperature(t, dEnd, m)}, view));
  }
  return lines;
}

std::vector<ChartLine> enthalpyLines(const View& view, double pa, double step,
                                     psychro::Arithmetic m) {
  const double hLow = enthalpyAt({view.dMin, view.yMin});
  const double hHigh = enthalpyAt({view.dMax, view.yMax});
  std::vector<ChartLine> lines;
  for (double h : multiplesWithin(hLow, hHigh, step)) {
    const std::optional<double> dEnd = saturationEndOfEnthalpy(h, pa, m);
    if (!dEnd) continue;
    // Where the line would start above highestT (at small d for large h), it starts on that
    // isotherm instead: t falls along the line as d grows.
    const auto coldness = [&](double d) { return -temperatureAt(sheetPoint(d, h), m); };
    const double dStart =
        coldness(0) < -highestT ? psychro::bisect(coldness, 0, *dEnd, -highestT).x : 0;
    lines.push_back(clippedLine(h, {sheetPoint(dStart, h), sheetPoint(*dEnd, h)}, view));
  }
  return lines;
}

// Where a line of constant d, whose vapour is at pv, Pa, meets the saturation curve: the dew point,
// °C, at least lowestT (lowestT where none is found). The classic sheet keeps its own saturation
// temperature (to 0.01 K); ASHRAE's is its dew point.
double dewPointOnSheet(double pv, psychro::Arithmetic m) {
  if (m != psychro::Arithmetic::classic) {
    const double t = psychro::dewPointOf(pv, m);
    return std::isfinite(t) ? std::max(t, lowestT) : lowestT;
  }
  const psychro::SaturationTemperature dew = psychro::saturationTemperature(pv);
  return dew.settled ? std::max(dew.t, lowestT) : lowestT;
}

std::vector<ChartLine> moistureLines(const View& view, double pa, double step,
                                     psychro::Arithmetic m) {
  std::vector<ChartLine> lines;
  for (double d : multiplesWithin(view.dMin, view.dMax, step)) {
    const double tLow = dewPointOnSheet(psychro::vapourPressure(d / 1000, pa, m), m);
    lines.push_back(
        clippedLine(d, {atTemperature(tLow, d, m), atTemperature(highestT, d, m)}, view));
  }
  return lines;
}

std::vector<ChartLine> humidityCurves(const View& view, double pa, psychro::Arithmetic m) {
  const TemperatureSpan span = temperatureSpan(view, m);
  std::vector<ChartLine> curves;
  for (int percent = 10; percent <= 100; percent += 10) {
    const double φ = percent / 100.0;
    const CurveAt at = [&](double t) -> std::optional<SheetPoint> {
      const std::optional<double> d = moistureAt(t, φ, pa, m);
      if (!d) return std::nullopt;
      return atTemperature(t, *d, m);
    };
    curves.push_back(
        clippedLine(percent, CurveSampler(at, view).sample(span.low, span.high), view));
  }
  return curves;
}

// The fog region: beyond the saturation curve, down to the bottom and right edges. The curve rises
// to the right, entering the view at its left or bottom edge and leaving at its top or right.
Polyline fogRegion(const ChartLine& saturation, const View& view, double pa,
                   psychro::Arithmetic m) {
  if (saturation.parts.empty()) {
    const SheetPoint centre{(view.dMin + view.dMax) / 2, (view.yMin + view.yMax) / 2};
    if (!(humidityAt(centre, pa, m) > 1)) return {};
    return {{view.dMin, view.yMin},
            {view.dMin, view.yMax},
            {view.dMax, view.yMax},
            {view.dMax, view.yMin}};
  }
  Polyline fog = saturation.parts.front();
  if (fog.back().y >= view.yMax) fog.push_back({view.dMax, view.yMax});
  fog.push_back({view.dMax, view.yMin});
  fog.push_back({fog.front().d, view.yMin});
  return fog;
}

}  // namespace

std::optional<double> moistureAt(double t, double φ, double pa, psychro::Arithmetic m) {
  const double pv = φ * psychro::saturationPressure(t, m);
  if (!(pv < pa)) return std::nullopt;
  return 1000 * psychro::moistureContent(pv, pa, m);
}

double humidityAt(SheetPoint p, double pa, psychro::Arithmetic m) {
  return psychro::vapourPressure(p.d / 1000, pa, m) /
         psychro::saturationPressure(temperatureAt(p, m), m);
}

TemperatureSpan temperatureSpan(const View& view, psychro::Arithmetic m) {
  double low = highestT, high = lowestT;
  for (double d : {view.dMin, view.dMax})
    for (double y : {view.yMin, view.yMax}) {
      const double t = temperatureAt({d, y}, m);
      low = std::min(low, t);
      high = std::max(high, t);
    }
  return {std::max(low, lowestT), std::min(high, highestT)};
}

GridSteps gridSteps(const View& view, psychro::Arithmetic m) {
  const TemperatureSpan t = temperatureSpan(view, m);
  const double hSpan = enthalpyAt({view.dMax, view.yMax}) - enthalpyAt({view.dMin, view.yMin});
  return {stepFor(t.high - t.low, 0.5), stepFor(hSpan, 0.5), stepFor(view.dMax - view.dMin, 0.1)};
}

SheetLines sheetLines(const View& view, double pa, psychro::Arithmetic m) {
  SheetLines s;
  s.steps = gridSteps(view, m);
  s.humidity = humidityCurves(view, pa, m);
  s.isotherms = isotherms(view, pa, s.steps.t, m);
  s.enthalpy = enthalpyLines(view, pa, s.steps.h, m);
  s.moisture = moistureLines(view, pa, s.steps.d, m);
  s.fog = fogRegion(s.humidity.back(), view, pa, m);
  return s;
}

}  // namespace chart

#include "chart/zone_outline.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "chart/curves.h"
#include "chart/sheet.h"
#include "chart/view.h"
#include "psychro/arithmetic.h"
#include "psychro/bisection.h"

namespace chart {
namespace {

// One edge of the region in the (t, d) plane: the moisture content, g/kg, at the dry bulb t, °C,
// of a line of constant d, of a φ curve or of a line of constant h.
struct Edge {
  enum class Kind { moisture, humidity, enthalpy } kind = Kind::moisture;
  double value = 0;  // d in g/kg, φ as a fraction, h in kJ/kg
};

// Every psychrometric call the outline makes is in these two functions, with the arithmetic in
// force.

// The moisture content, g/kg, whose vapour pressure has the dew point tl, °C, at pa, Pa: none where
// the correlation has no such vapour pressure or it reaches pa.
double moistureAtDewPoint(double tl, double pa, psychro::Arithmetic m, double none) {
  const double pv = psychro::vapourAtDewPointOf(tl, m);
  if (!(pv > 0)) return tl < 0 ? 0 : none;
  if (!(pv < pa)) return none;
  return 1000 * psychro::moistureContent(pv, pa, m);
}

// The edge's d at t, g/kg; none (0 for a lower edge, highestD for an upper one) where it has no d.
double edgeAt(const Edge& e, double t, double pa, psychro::Arithmetic m, double none) {
  switch (e.kind) {
    case Edge::Kind::moisture:
      return e.value;
    case Edge::Kind::humidity:
      return moistureAt(t, e.value, pa, m).value_or(none);
    case Edge::Kind::enthalpy:
      return 1000 * psychro::moistureOfEnthalpy(e.value, t, m);
  }
  return none;
}

// The lower and upper edges of the bounds: the region is lower(t) <= d <= upper(t).
struct Edges {
  std::vector<Edge> lower, upper;
  double pa = 0;
  psychro::Arithmetic m = psychro::Arithmetic::classic;

  // The greatest of the lower edges, or the least of the upper ones, at t; which edge it is.
  double at(bool upperSide, double t, std::size_t* which = nullptr) const {
    const std::vector<Edge>& edges = upperSide ? upper : lower;
    const double none = upperSide ? highestD : 0;
    double best = none;
    std::size_t index = edges.size();
    for (std::size_t i = 0; i < edges.size(); ++i) {
      const double d = std::clamp(edgeAt(edges[i], t, pa, m, none), 0.0, highestD);
      if (upperSide ? d < best : d > best) {
        best = d;
        index = i;
      }
    }
    if (which) *which = index;
    return best;
  }
  double gap(double t) const { return at(true, t) - at(false, t); }
};

Edges edgesOf(const psychro::StateBounds& b, double pa, psychro::Arithmetic m) {
  Edges e;
  e.pa = pa;
  e.m = m;
  using K = Edge::Kind;
  if (b.d.min) e.lower.push_back({K::moisture, *b.d.min});
  if (b.d.max) e.upper.push_back({K::moisture, *b.d.max});
  if (b.tl.min) e.lower.push_back({K::moisture, moistureAtDewPoint(*b.tl.min, pa, m, highestD)});
  if (b.tl.max) e.upper.push_back({K::moisture, moistureAtDewPoint(*b.tl.max, pa, m, highestD)});
  if (b.rh.min) e.lower.push_back({K::humidity, *b.rh.min / 100});
  if (b.rh.max) e.upper.push_back({K::humidity, *b.rh.max / 100});
  e.upper.push_back({K::humidity, 1});  // the saturation curve
  if (b.h.min) e.lower.push_back({K::enthalpy, *b.h.min});
  if (b.h.max) e.upper.push_back({K::enthalpy, *b.h.max});
  return e;
}

// Where f, of opposite signs (or zero) at a and b, is zero; a and b in either order of sign.
template <class F>
double zeroBetween(F f, double a, double b) {
  if (f(a) <= 0) return psychro::bisect(f, a, b, 0, 1e-9).x;
  return psychro::bisect([&](double t) { return -f(t); }, a, b, 0, 1e-9).x;
}

struct Column {
  double t = 0, lo = 0, up = 0;
};

}  // namespace

std::vector<Polyline> zoneOutline(const psychro::StateBounds& bounds, double pa,
                                  psychro::Arithmetic m) {
  const double tLo = std::max(lowestT, bounds.t.min.value_or(lowestT));
  const double tHi = std::min(highestT, bounds.t.max.value_or(highestT));
  if (!(tLo <= tHi) || !std::isfinite(pa)) return {};
  const Edges edges = edgesOf(bounds, pa, m);

  // The isotherms sampled, with the corners between two of them added where an edge gives way to
  // another or the region opens or closes.
  const auto steps = static_cast<std::size_t>(std::ceil((tHi - tLo) / zoneSampleStep));
  std::vector<double> ts;
  for (std::size_t i = 0; i <= steps; ++i)
    ts.push_back(i == steps ? tHi : tLo + static_cast<double>(i) * (tHi - tLo) / double(steps));
  std::vector<Column> columns;
  std::size_t prevLower = 0, prevUpper = 0;
  for (std::size_t i = 0; i < ts.size(); ++i) {
    const double t = ts[i];
    std::size_t lower = 0, upper = 0;
    Column c{t, edges.at(false, t, &lower), edges.at(true, t, &upper)};
    if (i > 0) {
      const double a = ts[i - 1];
      std::vector<Column> corners;
      const auto add = [&](double tc, bool closes) {
        Column k{tc, edges.at(false, tc), edges.at(true, tc)};
        if (closes) k.lo = k.up = (k.lo + k.up) / 2;
        corners.push_back(k);
      };
      if ((columns.back().lo <= columns.back().up) != (c.lo <= c.up))
        add(zeroBetween([&](double x) { return edges.gap(x); }, a, t), true);
      for (const bool upperSide : {false, true}) {
        const std::size_t from = upperSide ? prevUpper : prevLower;
        const std::size_t to = upperSide ? upper : lower;
        if (from == to) continue;
        const std::vector<Edge>& list = upperSide ? edges.upper : edges.lower;
        const double none = upperSide ? highestD : 0;
        const auto of = [&](std::size_t k, double x) {
          return k < list.size() ? std::clamp(edgeAt(list[k], x, pa, m, none), 0.0, highestD)
                                 : none;
        };
        add(zeroBetween([&](double x) { return of(from, x) - of(to, x); }, a, t), false);
      }
      std::sort(corners.begin(), corners.end(),
                [](const Column& x, const Column& y) { return x.t < y.t; });
      columns.insert(columns.end(), corners.begin(), corners.end());
    }
    columns.push_back(c);
    prevLower = lower;
    prevUpper = upper;
  }

  // Each run of columns where the region is open: along the upper edge, back along the lower.
  std::vector<Polyline> outlines;
  for (std::size_t i = 0; i < columns.size();) {
    if (!(columns[i].lo <= columns[i].up)) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < columns.size() && columns[end].lo <= columns[end].up) ++end;
    Polyline outline;
    for (std::size_t k = i; k < end; ++k)
      outline.push_back(atTemperature(columns[k].t, columns[k].up, m));
    for (std::size_t k = end; k-- > i;) {
      const SheetPoint p = atTemperature(columns[k].t, columns[k].lo, m);
      if (columns[k].lo < columns[k].up || (k != i && k + 1 != end)) outline.push_back(p);
    }
    if (outline.size() >= 3) outlines.push_back(std::move(outline));
    i = end;
  }
  return outlines;
}

}  // namespace chart

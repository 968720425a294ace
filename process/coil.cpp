#include "process/coil.h"

#include <algorithm>
#include <cmath>

#include "process/figures.h"
#include "process/outlet.h"
#include "psychro/arithmetic.h"
#include "psychro/bisection.h"
#include "psychro/pair_state.h"

namespace process {

using psychro::AirState;
using Q = psychro::Quantity;

namespace {

// Points of the coil lines sampled for saturation.
constexpr int samples = 256;

// The straight h–d line through `from` with the step (Δh, Δd) per unit of its parameter s.
struct Line {
  const AirState& from;
  double Δh, Δd, pa;
  psychro::Arithmetic m;

  double h(double s) const { return from.h + s * Δh; }
  double d(double s) const { return from.d + s * Δd; }
  double t(double s) const { return psychro::dryBulbOfEnthalpy(h(s), d(s), m); }
  // The relative humidity at s by the state functions' test, pv / pws(t); +inf where the vapour
  // reaches the total pressure.
  double humidity(double s) const {
    const double pv = psychro::vapourPressure(d(s), pa, m);
    return pv < pa ? pv / psychro::saturationPressure(t(s), m) : INFINITY;
  }
  // The largest s >= 1 to which the dry bulb stays at or above tLow and at or below tHigh, °C, and
  // d above 0, given the point at s = 1 in range: each bound is linear in s, since h − h(T, d) is
  // for a fixed T (and the dry bulb is monotone along the line). +inf where none is met.
  double reach(double tLow, double tHigh) const {
    double end = Δd < 0 ? -from.d / Δd : INFINITY;
    for (const double T : {tLow, tHigh}) {
      const double f0 = from.h - psychro::enthalpy(T, from.d, m);
      const double f1 = h(1) - psychro::enthalpy(T, d(1), m);
      // Leaving the range: falling below tLow (f < 0) or rising above tHigh (f > 0).
      if (T == tLow ? f1 < f0 : f1 > f0) end = std::min(end, f0 / (f0 - f1));
    }
    return end;
  }
};

}  // namespace

Outlet coolAndDryByBypass(const AirState& in, double tAdp, double bf, double pa,
                          psychro::Arithmetic m) {
  if (!(bf >= 0 && bf < 1)) return refused(Code::bypassFactorRange);
  const Outlet adp = emptied(psychro::stateFromPair({Q::t, tAdp}, {Q::rh, 1}, pa, {}, m));
  if (!adp.ok()) return adp;
  if (!(adp.air.d < in.d)) return refused(Code::dewPointNotBelow);

  const Line line{in, adp.air.h - in.h, adp.air.d - in.d, pa, m};
  for (int k = 1; k <= samples; ++k) {
    const double u = static_cast<double>(k) / samples;
    if (!(line.humidity(1 - u * u) <= 1)) return refused(Code::coilLineFogs);
  }
  const double h = adp.air.h + bf * (in.h - adp.air.h);
  const double d = adp.air.d + bf * (in.d - adp.air.d);
  return emptied(psychro::stateFromPair({Q::h, h}, {Q::d, d}, pa, saturationRounding, m));
}

std::optional<CoilRating> apparatusDewPoint(const AirState& in, const AirState& out, double pa,
                                            psychro::Arithmetic m) {
  const double Δh = out.h - in.h;
  double Δd = out.d - in.d;
  if (!(Δh < 0 && Δd <= noMoistureChange)) return std::nullopt;
  if (Δd > -noMoistureChange) Δd = 0;  // constant d: the line meets saturation at the dew point
  const Line line{in, Δh, Δd, pa, m};
  const double end = line.reach(psychro::lowestDryBulb, psychro::highestDryBulb);
  if (!(end >= 1 && std::isfinite(end))) return std::nullopt;

  // The first sample at or beyond saturation (NaN counts as beyond, as in bisect).
  const auto at = [&](int k) {
    const double u = static_cast<double>(k) / samples;
    return 1 + (end - 1) * u * u;
  };
  for (int k = 0; k <= samples; ++k) {
    if (line.humidity(at(k)) < 1) continue;
    double s = at(k);
    if (k > 0) {
      const psychro::Root r =
          psychro::bisect([&](double x) { return line.humidity(x); }, at(k - 1), s, 1);
      if (!r.settled) return std::nullopt;
      s = r.x;
    }
    // At the end of the search the line's dry bulb is the bound's only to the last few places.
    const double t = std::clamp(line.t(s), psychro::lowestDryBulb, psychro::highestDryBulb);
    return CoilRating{t, (s - 1) / s};
  }
  return std::nullopt;
}

}  // namespace process

#include "process/processes.h"

#include <cmath>

#include "process/figures.h"
#include "process/outlet.h"
#include "psychro/bisection.h"
#include "psychro/constants.h"
#include "psychro/saturation.h"

namespace process {
namespace {

using Q = psychro::Quantity;

}  // namespace

Outlet mix(const AirState& a, double ga, const AirState& b, double gb, double pa,
           psychro::Arithmetic m) {
  if (!(ga > 0 && gb > 0 && std::isfinite(ga + gb))) return refused(Code::flowNotPositive);
  const double d = (ga * a.d + gb * b.d) / (ga + gb);
  const double h = (ga * a.h + gb * b.h) / (ga + gb);
  if (beyondSaturation(psychro::dryBulbOfEnthalpy(h, d, m), d, pa, m))
    return refused(Code::mixtureFogs);
  return outletOf(psychro::stateFromPair({Q::h, h}, {Q::d, d}, pa, {}, m));
}

Outlet heat(const AirState& in, double t, double pa, psychro::Arithmetic m) {
  if (!(t > in.t)) return refused(Code::heatingNotWarmer);
  return outletOf(psychro::stateFromPair({Q::t, t}, {Q::d, in.d}, pa, {}, m));
}

Outlet cool(const AirState& in, double t, double pa, psychro::Arithmetic m) {
  if (!(t < in.t)) return refused(Code::coolingNotCooler);
  // Below the dew point the window shows, or past saturation by the state functions' test.
  if (t < in.tl || beyondSaturation(t, in.d, pa, m)) return refused(Code::belowDewPoint);
  return outletOf(psychro::stateFromPair({Q::t, t}, {Q::d, in.d}, pa, {}, m));
}

Outlet coolAndDry(const AirState& in, psychro::Given a, psychro::Given b, double pa,
                  psychro::Arithmetic m) {
  const Outlet out = outletOf(psychro::stateFromPair(a, b, pa, {}, m));
  if (!out.ok()) return out;
  if (!(out.air.t < in.t && out.air.d <= in.d + noMoistureChange))
    return refused(Code::notCoolerAndDrier);
  return out;
}

Outlet coolAndDryToDewPoint(const AirState& in, double tAdp, double φ, double pa,
                            psychro::Arithmetic m) {
  const Outlet adp = outletOf(psychro::stateFromPair({Q::t, tAdp}, {Q::rh, 1}, pa, {}, m));
  if (!adp.ok()) return adp;
  if (!(adp.air.d < in.d)) return refused(Code::dewPointNotBelow);
  if (!(φ > in.φ && φ <= 1)) return refused(Code::humidityNotReached);

  // The point at s (0 at the inlet, 1 at the apparatus dew point) of the segment, and its relative
  // humidity; the dew point itself is saturated by construction, and a point whose vapour reaches
  // the total pressure counts as saturated.
  const auto dAt = [&](double s) { return in.d + s * (adp.air.d - in.d); };
  const auto tAt = [&](double s) {
    return psychro::dryBulbOfEnthalpy(in.h + s * (adp.air.h - in.h), dAt(s), m);
  };
  const auto humidityAt = [&](double s) {
    if (s >= 1) return 1.0;
    const double pv = psychro::vapourPressure(dAt(s), pa, m);
    return pv < pa ? pv / psychro::saturationPressure(tAt(s), m) : INFINITY;
  };
  constexpr int samples = 64;
  double lo = 0, hi = 1;
  for (int k = 1; k <= samples; ++k) {
    hi = static_cast<double>(k) / samples;
    if (!(humidityAt(hi) < φ)) break;  // NaN counts as reached, as in bisect
    lo = hi;
  }
  const psychro::Root s = psychro::bisect(humidityAt, lo, hi, φ);
  if (!s.settled) return refused(Outcome::outOfBounds);
  return outletOf(psychro::stateFromPair({Q::t, tAt(s.x)}, {Q::rh, φ}, pa, {}, m));
}

Outlet humidifyAdiabatic(const AirState& in, psychro::Given target, double pa,
                         psychro::Arithmetic m) {
  if (target.quantity == Q::rh) {
    if (!(target.value > in.φ)) return refused(Code::moistureNotRaised);
    if (target.value > 1) return refused(Code::pastSaturation);
    return outletOf(psychro::stateFromPair({Q::h, in.h}, target, pa, {}, m));
  }
  if (target.quantity == Q::t) {
    if (!(target.value < in.t)) return refused(Code::moistureNotRaised);
    const double t = target.value;
    const double d = psychro::moistureOfEnthalpy(in.h, t, m);
    return pointOnLine(t, d, pa, Code::pastSaturation, m);
  }
  if (target.quantity == Q::d) {
    if (!(target.value > in.d + noMoistureChange)) return refused(Code::moistureNotRaised);
    const double d = target.value;
    return pointOnLine(psychro::dryBulbOfEnthalpy(in.h, d, m), d, pa, Code::pastSaturation, m);
  }
  return refused(Outcome::pairNotDetermined);
}

Outlet humidifyIsothermal(const AirState& in, psychro::Given target, double pa,
                          psychro::Arithmetic m) {
  if (target.quantity == Q::rh) {
    if (!(target.value > in.φ)) return refused(Code::moistureNotRaised);
    if (target.value > 1) return refused(Code::pastSaturation);
    return outletOf(psychro::stateFromPair({Q::t, in.t}, target, pa, {}, m));
  }
  if (target.quantity == Q::d) {
    if (!(target.value > in.d + noMoistureChange)) return refused(Code::moistureNotRaised);
    return pointOnLine(in.t, target.value, pa, Code::pastSaturation, m);
  }
  return refused(Outcome::pairNotDetermined);
}

Outlet supplyPoint(const AirState& room, double ε, double Δt, double pa, psychro::Arithmetic m) {
  if (!std::isfinite(Δt) || std::isnan(ε)) return refused(Outcome::outOfBounds);
  if (Δt == 0) return refused(Code::supplyDifferenceZero);
  const double t = room.t - Δt;
  const double d = roomLineMoisture(room, ε, t, m);
  if (!(d > 0) || !std::isfinite(d)) return refused(Code::supplyNotOnLine);
  return pointOnLine(t, d, pa, Code::supplyPastSaturation, m);
}

}  // namespace process

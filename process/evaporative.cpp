#include "process/evaporative.h"

#include "process/outlet.h"
#include "psychro/pair_state.h"

namespace process {

using psychro::AirState;
using Q = psychro::Quantity;

namespace {

// Differences of dry bulb, K, no larger than this count as none: the saturation dry bulb of
// saturated air comes back from its solve a few units of the last place off its own dry bulb.
constexpr double noCooling = 1e-9;

}  // namespace

Outlet saturationAtEnthalpy(const AirState& air, double pa, psychro::Arithmetic m) {
  return emptied(psychro::stateFromPair({Q::h, air.h}, {Q::rh, 1}, pa, {}, m));
}

Outlet evaporativeCool(const AirState& in, double η, double pa, psychro::Arithmetic m) {
  if (!efficiencyInRange(η)) return refused(Code::efficiencyRange);
  const Outlet saturated = saturationAtEnthalpy(in, pa, m);
  if (!saturated.ok()) return saturated;
  const double ts = saturated.air.t;
  if (!(ts < in.t - noCooling)) return refused(Code::evaporationNotCooler);
  const double t = ts + (1 - η) * (in.t - ts);
  return emptied(psychro::stateFromPair({Q::t, t}, {Q::h, in.h}, pa, saturationRounding, m));
}

Outlet evaporativeCoolIndirect(const AirState& in, const AirState& secondary, double η, double pa,
                               psychro::Arithmetic m) {
  if (!efficiencyInRange(η)) return refused(Code::efficiencyRange);
  const Outlet saturated = saturationAtEnthalpy(secondary, pa, m);
  if (!saturated.ok()) return saturated;
  const double ts = saturated.air.t;
  if (!(ts < in.t - noCooling)) return refused(Code::evaporationNotCooler);
  const double t = in.t - η * (in.t - ts);
  // Below the dew point the window shows, as sensible cooling refuses it.
  if (t < in.tl) return refused(Code::indirectBelowDewPoint);
  return pointOnLine(t, in.d, pa, Code::indirectBelowDewPoint, m);
}

}  // namespace process

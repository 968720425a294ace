#include "process/heat_recovery.h"

#include <cmath>

#include "process/figures.h"
#include "process/outlet.h"
#include "psychro/arithmetic.h"

namespace process {

using psychro::AirState;

Outlet recoverSensible(const AirState& fresh, const AirState& exhaust, double ηt, double pa,
                       psychro::Arithmetic m) {
  if (!efficiencyInRange(ηt)) return refused(Code::efficiencyRange);
  if (fresh.t == exhaust.t) return refused(Code::recoveryNoDifference);
  const double t = fresh.t - ηt * (fresh.t - exhaust.t);
  // Below the dew point the window shows, as sensible cooling refuses it.
  if (t < fresh.tl) return refused(Code::recoveryPastSaturation);
  return pointOnLine(t, fresh.d, pa, Code::recoveryPastSaturation, m);
}

Outlet recoverTotal(const AirState& fresh, const AirState& exhaust, double ηh,
                    std::optional<double> ηd, double pa, psychro::Arithmetic m) {
  const double ηm = ηd.value_or(ηh);
  if (!efficiencyInRange(ηh) || !efficiencyInRange(ηm)) return refused(Code::efficiencyRange);
  if (fresh.h == exhaust.h && std::abs(fresh.d - exhaust.d) <= noMoistureChange)
    return refused(Code::recoveryNoDifference);
  const double h = fresh.h - ηh * (fresh.h - exhaust.h);
  const double d = fresh.d - ηm * (fresh.d - exhaust.d);
  return pointOnLine(psychro::dryBulbOfEnthalpy(h, d, m), d, pa, Code::recoveryPastSaturation, m,
                     saturationRounding);
}

}  // namespace process

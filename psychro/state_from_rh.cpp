#include <cmath>

#include "psychro/air_state.h"
#include "psychro/ashrae.h"
#include "psychro/constants.h"
#include "psychro/saturation.h"
#include "psychro/state_checks.h"
#include "psychro/wet_bulb.h"

namespace psychro {
namespace {

// Psychrometer coefficient, 1/K.
constexpr double A = (6.75 / 30 + 65) * 1e-5;

// The wet bulb of the psychrometric balance: the value tw_new that the air at t, °C, holding d,
// kg/kg, gives for a trial wet bulb tw, °C.
double balancedWetBulb(double t, double d, double tw, double pa) {
  const double ps = saturationPressure(tw);
  const double ds = moistureContent(ps, pa);
  return (t + d * (latentHeat0 + cpVapour * t) - latentHeat0 * ds) /
         (1 + cpVapour * ds + cpWater * (d - ds));
}

// Bisection of g(tw) = tw_new(tw) - tw on [bracketLow, t], where g falls from positive to <= 0,
// until the bracket is narrower than 0.001 °C.
WetBulb bisectWetBulb(double t, double d, double pa) {
  WetBulb result;
  double lo = bracketLow, hi = t;
  const double gLo = balancedWetBulb(t, d, lo, pa) - lo;
  const double gHi = balancedWetBulb(t, d, hi, pa) - hi;
  if (!(gLo > 0 && gHi <= 0)) return result;  // no sign change: no root to find
  while (result.rounds < bracketRoundLimit && hi - lo >= 0.001) {
    ++result.rounds;
    const double mid = (lo + hi) / 2;
    if (balancedWetBulb(t, d, mid, pa) - mid > 0)
      lo = mid;
    else
      hi = mid;
  }
  if (hi - lo < 0.001) {
    result.tw = (lo + hi) / 2;
    result.method = WetBulbMethod::bracketed;
  }
  return result;
}

}  // namespace

WetBulb wetBulbAveraged(double t, double d, double pa) {
  WetBulb result;
  double tw = t;
  while (result.rounds < averagedRoundLimit) {
    ++result.rounds;
    const double twNew = balancedWetBulb(t, d, tw, pa);
    const double err = std::abs(twNew - tw);
    tw = (tw + twNew) / 2;
    if (err < 0.01) {
      result.tw = tw;
      result.method = WetBulbMethod::averaged;
      return result;
    }
  }
  return bisectWetBulb(t, d, pa);
}

WetBulb wetBulbByPressure(double t, double pv, double pws_t, double pa) {
  WetBulb result;
  double p = pws_t;  // vapour pressure at the wet bulb, Pa
  while (result.rounds < pressureRoundLimit) {
    ++result.rounds;
    const SaturationTemperature sat = saturationTemperature(p);
    if (!sat.settled) return result;
    result.tw = sat.t;
    const double pNew = pv + A * pa * (t - result.tw);
    const double err = std::abs((pNew - p) / p);
    p = (pNew + p) / 2;
    if (!(p > 0) || !std::isfinite(p)) return result;
    if (err < 0.01) {
      result.method = WetBulbMethod::pressure;
      return result;
    }
  }
  return result;
}

StateOutcome stateFromHumidity(double t, double φ, double pa, Arithmetic m) {
  if (m == Arithmetic::ashrae2017) return ashrae::stateFromHumidity(t, φ, pa);
  StateOutcome out;
  AirState& air = out.air;
  air.t = t;
  air.φ = φ;

  const double pws_t = saturationPressure(t);
  const double pv = pws_t * φ;  // vapour partial pressure, Pa
  air.d = moistureContent(pv, pa);
  // Vapour at or above the total pressure: no air left to hold it (near boiling).
  if (!(pv < pa)) {
    out.outcome = Outcome::noSuchState;
    return out;
  }

  air.tw = t;
  const WetBulb wb = t <= 28 ? wetBulbAveraged(t, air.d, pa) : wetBulbByPressure(t, pv, pws_t, pa);
  // Saturated air balances at tw = t; the iteration can land a few ulps above it, which rounds
  // to a wet bulb shown one hundredth above the dry bulb. The wet bulb never exceeds the dry bulb.
  air.tw = wb.tw > t ? t : wb.tw;
  if (wb.method == WetBulbMethod::unsettled) {
    out.outcome = Outcome::outOfBounds;
    return out;
  }

  air.h = enthalpy(t, air.d);
  air.tl = shownDewPoint(pv, t);
  air.ρ = density(t, φ, pws_t, pa);
  out.outcome = finalCheck(air);
  return out;
}

}  // namespace psychro

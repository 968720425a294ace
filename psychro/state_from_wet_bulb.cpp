#include <cmath>

#include "psychro/air_state.h"
#include "psychro/ashrae.h"
#include "psychro/constants.h"
#include "psychro/saturation.h"
#include "psychro/state_checks.h"

namespace psychro {
namespace {

// The saturation moisture content, kg/kg, at the wet bulb tw, °C, under pa, Pa.
double saturationMoisture(double tw, double pa) {
  return moistureContent(saturationPressure(tw), pa);
}

}  // namespace

double wetBulbMoisture(double t, double tw, double pa) {
  const double ds = saturationMoisture(tw, pa);
  return ((tw - t) + ds * (latentHeat0 - cpWaterLessVapour * tw)) /
         (latentHeat0 + cpVapour * t - cpWater * tw);
}

double dryBulbOnWetBulbLine(double tw, double d, double pa) {
  const double ds = saturationMoisture(tw, pa);
  return (tw + ds * (latentHeat0 - cpWaterLessVapour * tw) - d * (latentHeat0 - cpWater * tw)) /
         (1 + cpVapour * d);
}

double dryEndOfWetBulbLine(double tw, double pa) {
  return dryBulbOnWetBulbLine(tw, 0, pa);
}

StateOutcome stateFromWetBulb(double t, double tw, double pa, Arithmetic m) {
  if (m == Arithmetic::ashrae2017) return ashrae::stateFromWetBulb(t, tw, pa);
  StateOutcome out;
  AirState& air = out.air;
  air.t = t;
  air.tw = tw;

  const double pws_t = saturationPressure(t);
  air.d = wetBulbMoisture(t, tw, pa);
  // Negative moisture: air too dry for this wet bulb. NaN arises from overflowing inputs.
  if (!(air.d >= 0)) {
    out.outcome = Outcome::noSuchState;
    return out;
  }

  const double pv = vapourPressure(air.d, pa);  // vapour partial pressure, Pa
  air.φ = pv / pws_t;
  air.h = enthalpy(t, air.d);
  air.tl = shownDewPoint(pv, t);
  air.ρ = density(t, air.φ, pws_t, pa);
  out.outcome = finalCheck(air);
  return out;
}

}  // namespace psychro

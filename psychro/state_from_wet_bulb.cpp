#include <cmath>

#include "psychro/air_state.h"
#include "psychro/ashrae.h"
#include "psychro/constants.h"
#include "psychro/saturation.h"
#include "psychro/state_checks.h"

namespace psychro {

StateOutcome stateFromWetBulb(double t, double tw, double pa, Arithmetic m) {
  if (m == Arithmetic::ashrae2017) return ashrae::stateFromWetBulb(t, tw, pa);
  StateOutcome out;
  AirState& air = out.air;
  air.t = t;
  air.tw = tw;

  const double pws_t = saturationPressure(t);
  const double pws_tw = saturationPressure(tw);
  const double ds = moistureContent(pws_tw, pa);  // saturation moisture content at tw
  air.d = ((tw - t) + ds * (latentHeat0 - cpWaterLessVapour * tw)) /
          (latentHeat0 + cpVapour * t - cpWater * tw);
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

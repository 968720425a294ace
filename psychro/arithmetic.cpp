#include "psychro/arithmetic.h"

#include "psychro/air_state.h"
#include "psychro/ashrae.h"
#include "psychro/constants.h"
#include "psychro/saturation.h"
#include "psychro/state_checks.h"

namespace psychro {

// Each formula: the classic one exactly as the state functions call it, or ASHRAE's.

double saturationPressure(double t, Arithmetic m) {
  return m == Arithmetic::ashrae2017 ? ashrae::saturationPressure(t) : saturationPressure(t);
}

double moistureContent(double pv, double pa, Arithmetic m) {
  return m == Arithmetic::ashrae2017 ? ashrae::moistureContent(pv, pa) : moistureContent(pv, pa);
}

double vapourPressure(double d, double pa, Arithmetic m) {
  return m == Arithmetic::ashrae2017 ? ashrae::vapourPressure(d, pa) : vapourPressure(d, pa);
}

double enthalpy(double t, double d, Arithmetic m) {
  return m == Arithmetic::ashrae2017 ? ashrae::enthalpy(t, d) : enthalpy(t, d);
}

double dryBulbOfEnthalpy(double h, double d, Arithmetic m) {
  return m == Arithmetic::ashrae2017 ? ashrae::dryBulbOfEnthalpy(h, d) : dryBulbOfEnthalpy(h, d);
}

double moistureOfEnthalpy(double h, double t, Arithmetic m) {
  return m == Arithmetic::ashrae2017 ? ashrae::moistureOfEnthalpy(h, t) : moistureOfEnthalpy(h, t);
}

double dryBulbOnWetBulbLine(double tw, double d, double pa, Arithmetic m) {
  return m == Arithmetic::ashrae2017 ? ashrae::dryBulbOnWetBulbLine(tw, d, pa)
                                     : dryBulbOnWetBulbLine(tw, d, pa);
}

double dryEndOfWetBulbLine(double tw, double pa, Arithmetic m) {
  return m == Arithmetic::ashrae2017 ? ashrae::dryEndOfWetBulbLine(tw, pa)
                                     : dryEndOfWetBulbLine(tw, pa);
}

double vapourHeat(Arithmetic m) {
  return m == Arithmetic::ashrae2017 ? ashrae::cpVapour : cpVapour;
}

double shownDewPoint(double pv, double t, Arithmetic m) {
  const double tl = dewPointOf(pv, m);
  return tl > t ? t : tl;
}

double dewPointOf(double pv, Arithmetic m) {
  return m == Arithmetic::ashrae2017 ? ashrae::dewPoint(pv) : dewPoint(pv);
}

double vapourAtDewPointOf(double tl, Arithmetic m) {
  return m == Arithmetic::ashrae2017 ? ashrae::saturationPressure(tl) : vapourAtDewPoint(tl);
}

}  // namespace psychro

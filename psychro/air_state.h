#pragma once

#include "psychro/arithmetic.h"
#include "psychro/constants.h"
#include "psychro/outcome.h"

// The state of humid air at a total pressure pa, Pa (101325 unless the user sets another), and the
// two ways of finding it.
namespace psychro {

struct AirState {
  double t = 0;   // dry-bulb temperature, °C
  double φ = 0;   // relative humidity, fraction 0..1
  double tw = 0;  // wet-bulb temperature, °C
  double h = 0;   // specific enthalpy, kJ per kg of dry air
  double tl = 0;  // dew-point temperature, °C
  double ρ = 0;   // density of the humid air, kg/m³
  double d = 0;   // moisture content, kg of water vapour per kg of dry air
};

// What a state function returns: the state, or the outcome that says why there is none.
// On a refusal the state holds what had been computed before the fault (d, and tw where the
// wet-bulb iteration ran) and nothing after it.
struct StateOutcome {
  AirState air;
  Outcome outcome = Outcome::ok;

  bool ok() const { return outcome == Outcome::ok; }
};

// Both state functions take the total pressure pa, Pa; the caller keeps it within
// [lowestPressure, highestPressure] (psychro/pressure.h). Both show the dew point as
// min(dewPoint(pv), t), since the correlation overshoots the dry bulb near saturation, and give
// outOfBounds for air too dry for the correlation to place its dew point (see dewPoint).

// stateFromWetBulb: state from the dry-bulb t, °C, and wet-bulb tw, °C. The caller ensures tw <= t.
// d < 0 (too dry to exist), NaN or a non-finite result give noSuchState. The arithmetic m: the
// classic one as described here, or ashrae::stateFromWetBulb (psychro/ashrae.h).
StateOutcome stateFromWetBulb(double t, double tw, double pa = standardPressure,
                              Arithmetic m = Arithmetic::classic);

// stateFromHumidity: state from the dry-bulb t, °C, and relative humidity φ, fraction 0..1; the wet
// bulb is found by iteration. A vapour pressure at or above pa, or a non-finite result, give
// noSuchState; a wet-bulb iteration that cannot settle gives outOfBounds. The arithmetic m: the
// classic one as described here, or ashrae::stateFromHumidity (psychro/ashrae.h).
StateOutcome stateFromHumidity(double t, double φ, double pa = standardPressure,
                               Arithmetic m = Arithmetic::classic);

// The wet-bulb route's psychrometric balance, with ds the saturation moisture content at the wet
// bulb tw, °C, under the total pressure pa, Pa (moistureContent of saturationPressure(tw)):
//   d·(2501 + 1.805·t − 4.186·tw) = (tw − t) + ds·(2501 − 2.381·tw)
// (latentHeat0, cpVapour, cpWater, cpWaterLessVapour). wetBulbMoisture solves it for the moisture
// content d, kg/kg, of air at the dry bulb t, °C: stateFromWetBulb's d. dryBulbOnWetBulbLine
// solves it for the dry bulb t, °C, of air holding d, kg/kg (it is linear in t), and
// dryEndOfWetBulbLine gives the dry bulb where that line reaches d = 0. As ashrae's functions of
// the same names, with the classic arithmetic.
double wetBulbMoisture(double t, double tw, double pa);
double dryBulbOnWetBulbLine(double tw, double d, double pa);
double dryEndOfWetBulbLine(double tw, double pa);

// Moisture content, kg/kg, of air whose vapour has the partial pressure pv, Pa, at the total
// pressure pa, Pa: d = 0.622 · pv / (pa − pv).
inline double moistureContent(double pv, double pa) {
  return 0.622 * pv / (pa - pv);
}

// Vapour partial pressure, Pa, of air holding d, kg/kg, at the total pressure pa, Pa:
// pv = d · pa / (0.622 + d).
inline double vapourPressure(double d, double pa) {
  return d * pa / (0.622 + d);
}

// Dew-point temperature, °C, from the vapour partial pressure pv, Pa (two-branch correlation,
// the low branch for pv <= 611 Pa). pv <= 0, and pv below the low branch's vertex at about
// 0.003 Pa (where the fit turns back up), give a non-finite value. Independent of the pressure.
double dewPoint(double pv);

// The inverse of dewPoint: the vapour partial pressure, Pa, whose dew point the correlation puts at
// tl, °C. Where both branches reach tl (just below 0 °C) the low one is taken, so pv <= 611 Pa
// there. The low branch is inverted in closed form; the high one by bisection on pv (bisect, to
// adjacent doubles, at most bisectRoundLimit rounds). NaN below the low branch's vertex (about
// -74.05 °C), above the dew point of 200 kPa, and for NaN.
double vapourAtDewPoint(double tl);

// The vapour partial pressure above 611 Pa, Pa, whose dew point the correlation's high branch puts
// at tl, °C: vapourAtDewPoint's high part, and where both branches reach tl (from about -0.034 to
// -0.001 °C) the other of the two. NaN where the high branch does not reach tl.
double highBranchVapourAtDewPoint(double tl);

// Enthalpy, kJ per kg of dry air, of air at t, °C, holding d, kg/kg:
// h = 2501·d + t·(1.006 + 1.805·d) (latentHeat0, cpAir, cpVapour).
double enthalpy(double t, double d);

// The enthalpy formula solved for the dry bulb, °C, of air of enthalpy h, kJ/kg, holding d, kg/kg.
double dryBulbOfEnthalpy(double h, double d);

// The enthalpy formula solved for the moisture content, kg/kg, of air of enthalpy h, kJ/kg, at the
// dry bulb t, °C.
double moistureOfEnthalpy(double h, double t);

// Density, kg/m³, of air at t, °C, relative humidity φ, with saturation pressure pws_t, Pa, at t,
// under the total pressure pa, Pa.
double density(double t, double φ, double pws_t, double pa);

}  // namespace psychro

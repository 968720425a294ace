#pragma once

#include "psychro/air_state.h"
#include "psychro/bisection.h"

// The ASHRAE Handbook—Fundamentals 2017, chapter 1, SI arithmetic: Hyland–Wexler saturation over
// ice below the triple point (0.01 °C) and over liquid water from it, perfect-gas relations for
// moisture content, enthalpy and volume, and the wet bulb of the psychrometric balance with a
// water bulb at 0 °C and above and an ice bulb below. Total pressures pa in Pa as elsewhere.
namespace psychro::ashrae {

// The triple point of water, °C: ice below, liquid water from here up.
inline constexpr double triplePoint = 0.01;

// The temperatures the saturation formulas cover, °C.
inline constexpr double lowestT = -100, highestT = 200;

// How closely every solve of the arithmetic settles, K: far below the hundredth shown.
inline constexpr double tolerance = 1e-9;

// ln of the saturation pressure, Pa, at t, °C, over ice below triplePoint and over liquid water
// from it; NaN outside lowestT…highestT (and for NaN).
double lnSaturationPressure(double t);

// Saturation pressure of water vapour, Pa, at t, °C: exp(lnSaturationPressure(t)).
double saturationPressure(double t);

// Dew point (frost point below the triple point), °C, of vapour at pv, Pa: the saturation
// pressure inverted by solveIncreasing on ln p to 1e-9 K, at most falsePositionRoundLimit rounds.
// NaN for pv outside the saturation pressures of lowestT…highestT (and for pv <= 0 or NaN).
double dewPoint(double pv);

// W = 0.621945·pv / (pa − pv), kg/kg, and its inverse pv = pa·W / (0.621945 + W), Pa.
double moistureContent(double pv, double pa);
double vapourPressure(double d, double pa);

// The specific heats of the enthalpy below, kJ/(kg·K): dry air's and water vapour's.
inline constexpr double cpAir = 1.006, cpVapour = 1.86;

// h = 1.006·t + W·(2501 + 1.86·t), kJ per kg of dry air (t in °C, d = W in kg/kg), and the formula
// solved for t, °C, and for d, kg/kg.
double enthalpy(double t, double d);
double dryBulbOfEnthalpy(double h, double d);
double moistureOfEnthalpy(double h, double t);

// Specific volume, m³ per kg of dry air: 0.287042·(t + 273.15)·(1 + 1.607858·d) / (pa/1000);
// density of the humid air, kg/m³: (1 + d) / v.
double specificVolume(double t, double d, double pa);
double density(double t, double d, double pa);

// The moisture content, kg/kg, the psychrometric balance gives air at t, °C, whose wet bulb is
// tw, °C: with Ws the saturation moisture content at tw,
//   tw >= 0: ((2501 − 2.326·tw)·Ws − 1.006·(t − tw)) / (2501 + 1.86·t − 4.186·tw),
//   tw < 0:  ((2830 − 0.24·tw)·Ws − 1.006·(t − tw)) / (2830 + 1.86·t − 2.1·tw).
// +inf where saturation at tw reaches pa; NaN outside lowestT…highestT.
double wetBulbMoisture(double t, double tw, double pa);

// The same balance solved for the dry bulb, °C (it is linear in t), of air holding d at wet bulb
// tw; and the dry bulb where that line reaches d = 0.
double dryBulbOnWetBulbLine(double tw, double d, double pa);
double dryEndOfWetBulbLine(double tw, double pa);

// The wet bulb, °C, of air at t, °C, holding d, kg/kg: wetBulbMoisture(t, ·) rises with the wet
// bulb on each side of 0 °C, so solveIncreasing to 1e-9 K, at most falsePositionRoundLimit rounds,
// on [0, t] where a water bulb balances (the balance at 0 °C at most d), else on [lowestT, 0).
// Unsettled where no wet bulb in that range balances (more moisture than saturation at t, or
// none in reach of the formulas).
Root wetBulb(double t, double d, double pa);

// The two state routes, as stateFromWetBulb and stateFromHumidity (psychro/air_state.h) with
// this arithmetic: φ = pv / pws(t), tl = dew point of pv but never above t, ρ = (1 + d) / v.
// A state that does not exist gives noSuchState; a wet bulb or dew point out of the formulas'
// reach gives outOfBounds.
StateOutcome stateFromWetBulb(double t, double tw, double pa);
StateOutcome stateFromHumidity(double t, double φ, double pa);

}  // namespace psychro::ashrae

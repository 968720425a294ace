#pragma once

// Saturation of water vapour over ice (below 0 °C) and over liquid water (0 °C and up), in the
// Hyland–Wexler form, and its inverse.
namespace psychro {

// saturationPressure: saturation pressure of water vapour, Pa, at the temperature t, °C.
// Ice set for -100 <= t < 0, water set for 0 <= t <= 200 (0 °C belongs to water).
// Outside both ranges (and for NaN) no formula applies and the result is exactly 1 Pa.
double saturationPressure(double t);

// Result of saturationTemperature: the saturation temperature and how the iteration ended.
struct SaturationTemperature {
  double t = 0;    // saturation temperature, °C (meaningful only when settled)
  int rounds = 0;  // Newton passes taken
  bool settled = false;
};

// saturationTemperature: temperature, °C, at which water vapour saturates at the pressure p, Pa.
// Damped Newton on ln p(T) - ln P in kelvin, from T = 293.15 K: each pass averages the old T with
// the Newton estimate, and the estimate is held while T lies outside 173.15–473.15 K. Stops when
// the step |T - Tn| < 0.01 K (so within about 0.01 K of the root) and returns the averaged T.
// Bound: saturationTemperatureRoundLimit passes; p <= 0, NaN or a bound reached without settling
// come back unsettled.
SaturationTemperature saturationTemperature(double p);

// Each pass at least halves the distance to a held estimate, so 0.01 K is reached from any finite
// start well within this many passes.
inline constexpr int saturationTemperatureRoundLimit = 2000;

}  // namespace psychro

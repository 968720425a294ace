#pragma once

#include <cmath>

// The total pressure of the humid air: the range the calculator accepts, and the pressure of the
// standard atmosphere at an altitude.
namespace psychro {

// Total pressures, Pa, the state functions accept (about 9 km above to 0.7 km below sea level).
inline constexpr double lowestPressure = 30000;
inline constexpr double highestPressure = 110000;

// Altitudes, m, that may stand for a pressure.
inline constexpr double lowestAltitude = -500;
inline constexpr double highestAltitude = 9000;

// True for a total pressure pa, Pa, in [lowestPressure, highestPressure] (false for NaN).
inline bool pressureInRange(double pa) {
  return pa >= lowestPressure && pa <= highestPressure;
}

// True for an altitude z, m, in [lowestAltitude, highestAltitude] (false for NaN).
inline bool altitudeInRange(double z) {
  return z >= lowestAltitude && z <= highestAltitude;
}

// Pressure of the standard atmosphere, Pa, at the altitude z, m:
// pa = 101325 · (1 − 2.25577e-5 · z)^5.2559, rounded to the nearest whole pascal, which is then the
// pressure used and shown (1000 m → 89875 Pa). Meaningful for altitudes in range.
inline double pressureAtAltitude(double z) {
  return std::round(101325 * std::pow(1 - 2.25577e-5 * z, 5.2559));
}

}  // namespace psychro

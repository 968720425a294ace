#include <cmath>

#include "psychro/constants.h"
#include "psychro/saturation.h"
#include "psychro/saturation_coefficients.h"

namespace psychro {
namespace {

// d(ln p)/dT, 1/K, at T, K.
double lnSaturationPressureSlope(const SaturationSet& s, double T) {
  double slope = -s.a / std::pow(T, 2) + s.b1;
  slope = slope + 2 * s.b2 * T;
  slope = slope + 3 * s.b3 * std::pow(T, 2);
  if (s.b4 != 0) slope = slope + 4 * s.b4 * std::pow(T, 3);
  return slope + s.cLn / T;
}

// Newton estimate of the root of ln p(T) - lnP from T with the set s.
double newtonStep(const SaturationSet& s, double T, double lnP) {
  return T - (lnSaturationPressure(s, T) - lnP) / lnSaturationPressureSlope(s, T);
}

}  // namespace

SaturationTemperature saturationTemperature(double p) {
  SaturationTemperature result;
  if (!(p > 0)) return result;  // no temperature saturates at a pressure <= 0 (or NaN)
  const double lnP = std::log(p);

  double T = 293.15;  // start, K
  double Tn = 0;      // Newton estimate, held while T is outside both ranges
  while (result.rounds < saturationTemperatureRoundLimit) {
    ++result.rounds;
    if (iceSet.lowK <= T && T < iceSet.highK)
      Tn = newtonStep(iceSet, T, lnP);
    else if (waterSet.lowK <= T && T <= waterSet.highK)
      Tn = newtonStep(waterSet, T, lnP);
    if (!std::isfinite(Tn)) return result;

    const double step = std::abs(T - Tn);
    T = (T + Tn) / 2;
    if (step < 0.01) {
      result.t = T - kelvin;
      result.settled = true;
      return result;
    }
  }
  return result;
}

}  // namespace psychro

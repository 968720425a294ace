#include <cmath>

#include "psychro/constants.h"
#include "psychro/saturation.h"
#include "psychro/saturation_coefficients.h"

namespace psychro {

double lnSaturationPressure(const SaturationSet& s, double T) {
  const double lnT = std::log(T);
  double lnp = s.a / T + s.c;
  lnp = lnp + s.b1 * T;
  lnp = lnp + s.b2 * std::pow(T, 2);
  lnp = lnp + s.b3 * std::pow(T, 3);
  if (s.b4 != 0) lnp = lnp + s.b4 * std::pow(T, 4);
  return lnp + s.cLn * lnT;
}

double saturationPressure(double t) {
  double lnp = 0;  // outside both ranges the result is exp(0) = 1
  if (-100 <= t && t < 0)
    lnp = lnSaturationPressure(iceSet, t + kelvin);
  else if (0 <= t && t <= 200)
    lnp = lnSaturationPressure(waterSet, t + kelvin);
  return std::exp(lnp);
}

}  // namespace psychro

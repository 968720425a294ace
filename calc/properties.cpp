#include "calc/properties.h"

#include <cmath>

#include "psychro/constants.h"

namespace calc {

double specificHeat(double d, psychro::Arithmetic m) {
  if (m == psychro::Arithmetic::ashrae2017) return (1.006 + 1.86 * d) / (1 + d);
  return (1.005 + 1.84 * d) / (1 + d);
}

double viscosity(double t) {
  return 1.7268e-5 * std::pow((t + psychro::kelvin) / psychro::kelvin, 0.7);
}

double conductivity(double t) {
  return 0.024066 * std::pow((t + psychro::kelvin) / psychro::kelvin, 0.9);
}

}  // namespace calc

#include "psychro/air_properties.h"

#include <cmath>

#include "psychro/ashrae.h"
#include "psychro/constants.h"

namespace psychro {

double specificHeat(double d, Arithmetic m) {
  if (m == Arithmetic::ashrae2017) return (ashrae::cpAir + ashrae::cpVapour * d) / (1 + d);
  return (cpShownAir + cpShownVapour * d) / (1 + d);
}

double viscosity(double t) {
  return viscosityAt0 * std::pow((t + kelvin) / kelvin, viscosityExponent);
}

double conductivity(double t) {
  return conductivityAt0 * std::pow((t + kelvin) / kelvin, conductivityExponent);
}

}  // namespace psychro

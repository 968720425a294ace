#include "psychro/air_state.h"
#include "psychro/constants.h"

namespace psychro {

double enthalpy(double t, double d) {
  return latentHeat0 * d + t * (cpAir + cpVapour * d);
}

double density(double t, double φ, double pws_t, double pa) {
  return 0.00348 * pa / (t + kelvin) - 0.00132 * φ * pws_t / (t + kelvin);
}

double dryBulbOfEnthalpy(double h, double d) {
  return (h - latentHeat0 * d) / (cpAir + cpVapour * d);
}

double moistureOfEnthalpy(double h, double t) {
  return (h - cpAir * t) / (latentHeat0 + cpVapour * t);
}

}  // namespace psychro

#include <cmath>
#include <limits>

#include "psychro/air_state.h"
#include "psychro/constants.h"

namespace psychro {

double dewPoint(double pv) {
  const double kPa = pv / 1000;
  const double L = std::log(kPa);
  if (pv > 611)
    return 6.54 + 14.526 * L + 0.7389 * std::pow(L, 2) + 0.09486 * std::pow(L, 3) +
           0.4569 * std::pow(kPa, 0.1984);
  // The low branch is a parabola in L whose vertex lies at about 0.003 Pa (-74.05 °C); below it
  // the dew point would rise again as the air gets drier, so there is none to give.
  if (!(L > -12.608 / (2 * 0.4959))) return std::numeric_limits<double>::quiet_NaN();
  return 6.09 + 12.608 * L + 0.4959 * std::pow(L, 2);
}

double enthalpy(double t, double d) {
  return 2501 * d + t * (1.006 + 1.805 * d);
}

double density(double t, double φ, double pws_t, double pa) {
  return 0.00348 * pa / (t + kelvin) - 0.00132 * φ * pws_t / (t + kelvin);
}

}  // namespace psychro

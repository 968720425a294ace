#include <cmath>
#include <limits>

#include "psychro/air_state.h"
#include "psychro/bisection.h"
#include "psychro/constants.h"

namespace psychro {

namespace {

// The low branch: a parabola in L with its vertex at L = -12.608 / (2 · 0.4959).
constexpr double lowA = 0.4959, lowB = 12.608, lowC = 6.09;
constexpr double lowVertexL = -lowB / (2 * lowA);

}  // namespace

double dewPoint(double pv) {
  const double kPa = pv / 1000;
  const double L = std::log(kPa);
  if (pv > 611)
    return 6.54 + 14.526 * L + 0.7389 * std::pow(L, 2) + 0.09486 * std::pow(L, 3) +
           0.4569 * std::pow(kPa, 0.1984);
  // The low branch is a parabola in L whose vertex lies at about 0.003 Pa (-74.05 °C); below it
  // the dew point would rise again as the air gets drier, so there is none to give.
  if (!(L > lowVertexL)) return std::numeric_limits<double>::quiet_NaN();
  return 6.09 + 12.608 * L + 0.4959 * std::pow(L, 2);
}

double vapourAtDewPoint(double tl) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  if (tl <= dewPoint(611)) {
    // lowA·L² + lowB·L + (lowC − tl) = 0, the root right of the vertex.
    const double disc = lowB * lowB - 4 * lowA * (lowC - tl);
    if (!(disc > 0)) return nan;
    return 1000 * std::exp((-lowB + std::sqrt(disc)) / (2 * lowA));
  }
  return highBranchVapourAtDewPoint(tl);
}

double highBranchVapourAtDewPoint(double tl) {
  // The high branch rises with pv; bisect on pv itself so that dewPoint gives tl back.
  constexpr double highest = 200000;
  const double lowest = std::nextafter(611.0, highest);
  if (!(dewPoint(lowest) <= tl && tl <= dewPoint(highest)))
    return std::numeric_limits<double>::quiet_NaN();
  const Root r = bisect(dewPoint, lowest, highest, tl);
  return r.settled ? r.x : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace psychro

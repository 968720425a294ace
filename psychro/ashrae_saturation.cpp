#include <cmath>
#include <limits>

#include "psychro/ashrae.h"
#include "psychro/constants.h"
#include "psychro/false_position.h"

namespace psychro::ashrae {
namespace {

// ln p = C1/T + C2 + C3·T + C4·T² + C5·T³ + C6·T⁴ + C7·ln T over ice, and
// ln p = C8/T + C9 + C10·T + C11·T² + C12·T³ + C13·ln T over liquid water (p in Pa, T in K).
constexpr double C1 = -5.6745359e3, C2 = 6.3925247, C3 = -9.6778430e-3, C4 = 6.2215701e-7,
                 C5 = 2.0747825e-9, C6 = -9.4840240e-13, C7 = 4.1635019;
constexpr double C8 = -5.8002206e3, C9 = 1.3914993, C10 = -4.8640239e-2, C11 = 4.1764768e-5,
                 C12 = -1.4452093e-8, C13 = 6.5459673;

}  // namespace

double lnSaturationPressure(double t) {
  if (!(t >= lowestT && t <= highestT)) return std::numeric_limits<double>::quiet_NaN();
  const double T = t + kelvin;
  if (t < triplePoint)
    return C1 / T + C2 + T * (C3 + T * (C4 + T * (C5 + T * C6))) + C7 * std::log(T);
  return C8 / T + C9 + T * (C10 + T * (C11 + T * C12)) + C13 * std::log(T);
}

double saturationPressure(double t) {
  return std::exp(lnSaturationPressure(t));
}

double dewPoint(double pv) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  if (!(pv > 0)) return nan;
  const double lnP = std::log(pv);
  // Saturation rises with t; where it jumps at the triple point the solve settles on it.
  if (!(lnSaturationPressure(lowestT) <= lnP && lnP <= lnSaturationPressure(highestT))) return nan;
  const Root r = solveIncreasing(lnSaturationPressure, lowestT, highestT, lnP, tolerance);
  return r.settled ? r.x : nan;
}

}  // namespace psychro::ashrae

#pragma once

#include <cmath>
#include <initializer_list>

#include "psychro/air_state.h"

namespace psychro {

// The dew point the calculator shows, °C, for vapour at pv, Pa, in air at t, °C: the correlation's
// value, but never above the dry bulb (near saturation the correlation overshoots it by a few
// hundredths of a kelvin). Non-finite where the correlation places no dew point.
inline double shownDewPoint(double pv, double t) {
  const double tl = dewPoint(pv);
  return tl > t ? t : tl;
}

// The outcome of a computed state: any non-finite quantity other than the dew point means the
// state does not exist; a dew point alone that is not finite means the air exists but is too dry
// for the correlation (pv <= 0 or below the low branch's vertex).
inline Outcome finalCheck(const AirState& a) {
  for (double v : {a.t, a.φ, a.tw, a.h, a.ρ, a.d})
    if (!std::isfinite(v)) return Outcome::noSuchState;
  return std::isfinite(a.tl) ? Outcome::ok : Outcome::outOfBounds;
}

}  // namespace psychro

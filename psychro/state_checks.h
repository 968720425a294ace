#pragma once

#include <cmath>

#include "psychro/air_state.h"

namespace psychro {

// True when every quantity of the state is a finite number, so that it can be shown.
inline bool allFinite(const AirState& a) {
  for (double v : {a.t, a.φ, a.tw, a.h, a.tl, a.ρ, a.d})
    if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace psychro

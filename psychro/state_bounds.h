#pragma once

#include <optional>

#include "psychro/air_state.h"

// Inclusive bounds on the quantities of a state: the region of the 焓湿图 a comfort zone or a
// design envelope covers. Shared by the workspace (which states a zone holds) and the chart (its
// outline).
namespace psychro {

// An optional least and an optional greatest value, both inclusive; none on either side is open.
struct Bound {
  std::optional<double> min, max;

  bool operator==(const Bound&) const = default;
  bool empty() const { return !min && !max; }
  // True when value lies within the bound (false for NaN once either side is set). Both sides are
  // compared as given, so a value equal to a side is inside.
  bool holds(double value) const { return (!min || value >= *min) && (!max || value <= *max); }
};

// Bounds in the units the window shows: t and tl in °C, rh in per cent, d in g/kg, h in kJ/kg.
struct StateBounds {
  Bound t, rh, tl, d, h;

  bool operator==(const StateBounds&) const = default;
};

// True when the state air meets every bound. The state's values are taken as computed; a bound in
// per cent or g/kg is turned into the state's own unit (a fraction, kg/kg) by one division, so that
// a state given at a bound's value (φ = 60 %) lies on it exactly and counts as inside.
inline bool holds(const StateBounds& b, const AirState& air) {
  const auto scaled = [](const Bound& bound, double factor) {
    Bound s;
    if (bound.min) s.min = *bound.min / factor;
    if (bound.max) s.max = *bound.max / factor;
    return s;
  };
  return b.t.holds(air.t) && scaled(b.rh, 100).holds(air.φ) && b.tl.holds(air.tl) &&
         scaled(b.d, 1000).holds(air.d) && b.h.holds(air.h);
}

}  // namespace psychro

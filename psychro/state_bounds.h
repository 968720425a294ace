#pragma once

#include <optional>

#include "psychro/air_state.h"

// Inclusive bounds on the quantities of a state: the region of the 焓湿图 a comfort zone or a
// design envelope covers. Shared by the workspace (which states a zone holds) and the chart (its
// outline).
namespace psychro {

// Slack of every bound, in its own unit: a state given at a bound's value comes back from the
// arithmetic a few units of the last place off (a dew point of −12 °C as −12.000000000000004), and
// must still lie on the bound. Far below every shown digit (0.01 °C, 0.1 %, 0.01 g/kg).
inline constexpr double boundSlack = 1e-9;

// An optional least and an optional greatest value, both inclusive; none on either side is open.
struct Bound {
  std::optional<double> min, max;

  bool operator==(const Bound&) const = default;
  bool empty() const { return !min && !max; }
  // True when value lies within the bound, within boundSlack (false for NaN once either side is
  // set).
  bool holds(double value) const {
    return (!min || value >= *min - boundSlack) && (!max || value <= *max + boundSlack);
  }
};

// Bounds in the units the window shows: t and tl in °C, rh in per cent, d in g/kg, h in kJ/kg.
struct StateBounds {
  Bound t, rh, tl, d, h;

  bool operator==(const StateBounds&) const = default;
};

// True when the state air meets every bound: its values as computed, in the window's units
// (φ·100, d·1000), each within its bound's slack.
inline bool holds(const StateBounds& b, const AirState& air) {
  return b.t.holds(air.t) && b.rh.holds(100 * air.φ) && b.tl.holds(air.tl) &&
         b.d.holds(1000 * air.d) && b.h.holds(air.h);
}

}  // namespace psychro

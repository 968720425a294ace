#pragma once

#include "process/refusal.h"
#include "psychro/air_state.h"

namespace process {

// The supply state on the line of heat-moisture ratio ε, kJ/kg, through the room state, on the
// cooling side of the room (t below t_N), where the line first reaches the relative humidity φ
// (fraction): the 机器露点 state L of 露点送风 and of 二次回风, the line from N through O extended.
// The result is supplyPoint(room, ε, Δt) for the Δt, K, found, at pa, Pa, with the arithmetic m: it
// lies on the line as every supply point does, at φ to the last double of Δt and never above it.
// Solve: the line runs from t_N to the nearest of −50 °C, the dry bulb where its d reaches 0 and
// the one where it runs parallel to an isotherm (d without bound); its relative humidity (that of
// the state functions, pv/pws(t)) is sampled at 256 equal steps of Δt over that span for the first
// at or above φ, and that step is bisected (psychro::bisect) to adjacent doubles of Δt, at most
// psychro::bisectRoundLimit rounds. A line that grazes φ between two samples counts as not reaching
// it. Refusals (with an empty state): φ outside (0, 1] (coilHumidityRange); a room already at φ or
// above, or a line that never reaches φ (coilHumidityNotOnLine); NaN for ε (outOfBounds).
Outlet supplyAtHumidity(const psychro::AirState& room, double ε, double φ, double pa,
                        psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace process

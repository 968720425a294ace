#pragma once

#include "process/refusal.h"
#include "psychro/air_state.h"
#include "psychro/pair_state.h"

// 等焓减湿: drying by a desiccant wheel, in the textbook idealisation: the vapour the desiccant
// takes up gives its heat of sorption back to the air, so the air keeps its enthalpy and leaves
// warmer and drier, along the line of constant h (the reverse of evaporative cooling). States in
// the units of psychro/air_state.h at the total pressure pa, Pa, with the arithmetic m throughout.
namespace process {

// The outlet at the inlet's h and the target, given as the moisture content (Quantity::d, kg/kg,
// below the inlet's by more than noMoistureChange), the relative humidity (Quantity::rh, fraction,
// below the inlet's) or the dry bulb (Quantity::t, °C, above the inlet's); other quantities give
// pairNotDetermined. The outlet is psychro::stateFromPair of h₁ and the target. Refusals (with an
// empty state): a target that does not dry (dryingNotDrier); one whose state the arithmetic cannot
// give (dryingOutOfRange: a dry bulb above 100 °C, no moisture left, or air too dry for a dew
// point).
Outlet dryAdiabatic(const psychro::AirState& in, psychro::Given target, double pa,
                    psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace process

#pragma once

#include "process/refusal.h"
#include "psychro/air_state.h"

// 蒸发冷却: evaporative cooling rated by its saturation efficiency η (0 < η ≤ 1), the share of the
// way to saturation the air goes. States in the units of psychro/air_state.h (t °C, d kg/kg, h kJ
// per kg of dry air) at the total pressure pa, Pa, with the arithmetic m throughout.
//
// The limit of evaporation is t_s, the dry bulb where a state's line of constant enthalpy meets
// the saturation curve (φ = 100 %), found by psychro::stateFromPair from h and φ = 1 (bisection to
// adjacent doubles, at most psychro::bisectRoundLimit rounds). Water evaporating into the air
// without heat from outside keeps h (the textbook idealisation, the water's own enthalpy
// neglected), so η = 1 reaches saturation exactly under either arithmetic. That limit is not the
// classic arithmetic's shown wet bulb, which comes from its psychrometric balance and lies off the
// line of constant h by a few hundredths of a kelvin.
//
// Refusals (with an empty state): η outside (0, 1] (efficiencyRange); evaporating air whose t_s is
// not below the inlet's dry bulb (evaporationNotCooler: saturated air, or a secondary air no cooler
// than the inlet); faults of the states themselves (an enthalpy line meeting saturation outside
// −50…100 °C) with the state functions' own outcomes.
namespace process {

// The saturated state on the line of constant enthalpy through air: its dry bulb is t_s.
Outlet saturationAtEnthalpy(const psychro::AirState& air, double pa,
                            psychro::Arithmetic m = psychro::Arithmetic::classic);

// Direct evaporative cooling (直接蒸发冷却), and adiabatic humidification (等焓加湿) given by its
// efficiency: at constant h, t₂ = t₁ − η·(t₁ − t_s), t_s that of the inlet; computed as
// t_s + (1 − η)·(t₁ − t_s) so that η = 1 gives t_s itself. The outlet is taken from t₂ and h₁.
Outlet evaporativeCool(const psychro::AirState& in, double η, double pa,
                       psychro::Arithmetic m = psychro::Arithmetic::classic);

// Indirect evaporative cooling (间接蒸发冷却): a secondary air stream is cooled by evaporation on
// one side of a plate and cools the inlet air, at constant d, on the other:
// t₂ = t₁ − η·(t₁ − t_s′), t_s′ the saturation dry bulb of the secondary air (the inlet itself,
// or another state such as the room's exhaust). Refused also where t₂ falls below the inlet's dew
// point (indirectBelowDewPoint): the inlet would condense on the plate.
Outlet evaporativeCoolIndirect(const psychro::AirState& in, const psychro::AirState& secondary,
                               double η, double pa,
                               psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace process

#pragma once

#include "process/refusal.h"
#include "psychro/air_state.h"

// 风机温升: the heat a fan puts into the air it moves. All the shaft power ends as heat in the air
// (friction and turbulence), and with the motor in the air stream the motor's losses too; the
// moisture is unchanged. Per kg of dry air, with v = (1 + d)/ρ the inlet's volume per kg of dry
// air, m³/kg (ρ the humid air's density, kg/m³, as the state gives it):
//   Δh = ΔP·v / (1000·η)  kJ/kg,
// ΔP the fan's total pressure rise, Pa, and η its total efficiency (fan times motor) where the
// motor sits in the air stream, or the fan's own efficiency where the motor is outside it.
// For a dry-air flow G, kg/s, the fan's power is G·Δh kW, which is L·ΔP/(3.6·10⁶·η) for the
// volume flow L = 3600·G·v, m³/h, at the inlet: the textbook fan power.
namespace process {

// Δh, kJ per kg of dry air, of the fan with the pressure rise Δp, Pa, and efficiency η, fraction,
// on the inlet air in. Meaningful for Δp > 0 and 0 < η <= 1.
double fanHeatRise(const psychro::AirState& in, double Δp, double η);

// The fan's power, kW, for the dry-air flow G, kg/s: G·fanHeatRise(in, Δp, η).
double fanPower(const psychro::AirState& in, double Δp, double η, double G);

// The air leaving the fan: h₂ = h₁ + Δh at d₂ = d₁, at the total pressure pa, Pa, with the
// arithmetic m. Refusals (with an empty state): Δp not positive and finite
// (fanPressureNotPositive); η outside (0, 1] (efficiencyRange); an outlet whose dry bulb lies
// beyond 100 °C, with the state functions' own outcome.
Outlet fanHeat(const psychro::AirState& in, double Δp, double η, double pa,
               psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace process

#pragma once

#include <optional>

#include "process/refusal.h"
#include "psychro/air_state.h"

// 热回收: exhaust-air heat recovery in a unit whose fresh and exhaust air flows are equal, by the
// effectiveness of GB/T 21087 (air-to-air energy recovery equipment): with 1 the fresh air
// entering, 2 the fresh air leaving and 3 the exhaust air entering,
//   sensible (显热) effectiveness  ηt = (t₁ − t₂)/(t₁ − t₃),
//   enthalpy (全热) effectiveness  ηh = (h₁ − h₂)/(h₁ − h₃),
//   moisture effectiveness         ηd = (d₁ − d₂)/(d₁ − d₃).
// Each function solves these for the fresh air leaving, state 2, in the units of
// psychro/air_state.h (t °C, d kg/kg, h kJ per kg of dry air) at the total pressure pa, Pa, with
// the arithmetic m throughout. Summer and winter alike: the fresh air moves towards the exhaust.
// The heat recovered for a dry-air flow G, kg/s, is the process's total load (process/figures.h),
// G·(h₂ − h₁) kW: negative where the fresh air gives heat up (summer), positive where it takes it.
// Refusals (with an empty state): an effectiveness outside (0, 1] (efficiencyRange); fresh and
// exhaust air alike (recoveryNoDifference); a fresh-air outlet beyond saturation, where the
// fresh air would condense or frost in the exchanger (recoveryPastSaturation).
namespace process {

// 显热回收: t₂ = t₁ − ηt·(t₁ − t₃), d₂ = d₁. Alike: t₁ = t₃. Beyond saturation: t₂ below the fresh
// air's dew point.
Outlet recoverSensible(const psychro::AirState& fresh, const psychro::AirState& exhaust, double ηt,
                       double pa, psychro::Arithmetic m = psychro::Arithmetic::classic);

// 全热回收: h₂ = h₁ − ηh·(h₁ − h₃), d₂ = d₁ − ηd·(d₁ − d₃), ηd equal to ηh unless given (the usual
// rating of an enthalpy wheel gives one figure). The outlet is taken from h₂ and d₂. Alike: equal h
// and d (within noMoistureChange). Beyond saturation: a cold fresh air warmed and moistened by
// warm, humid exhaust along a line that cuts into the fog region.
Outlet recoverTotal(const psychro::AirState& fresh, const psychro::AirState& exhaust, double ηh,
                    std::optional<double> ηd, double pa,
                    psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace process

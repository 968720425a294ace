#pragma once

#include <string_view>

#include "process/refusal.h"
#include "psychro/air_state.h"

// The figures of a process from its inlet to its outlet state, its heat-moisture ratio and its
// loads for an air flow, as numbers: the 过程 table writes them (document/process_table.h).
//
// Definitions (per kg of dry air; G is the dry-air mass flow, kg/s):
//   Δt = t2 − t1 (K), Δd = d2 − d1 (kg/kg; shown in g/kg), Δh = h2 − h1 (kJ/kg);
//   ε = Δh / Δd (kJ/kg), infinite (sign of Δh, shown "∞") when Δd = 0;
//   total heat     Q  = G·Δh          kW
//   latent heat    QL = G·2501·Δd     kW  (vapour's enthalpy of evaporation at 0 °C)
//   sensible heat  QS = Q − QL        kW  (= G·(1.006 + 1.805·d)·Δt at constant d)
//   water          W  = G·Δd·3600     kg/h
// Every figure is positive when the process adds (heat, water) and negative when it removes.
// A volume flow L, m³/h, of humid air at a state of density ρ, kg/m³, and moisture d is
// G = L·ρ / 3600 / (1 + d) kg/s of dry air.
namespace process {

// Moisture differences, kg/kg, no larger than this count as none: the outlet of a process at
// constant d is computed anew from its two quantities and may differ from the inlet's d by a few
// units of its last binary digit.
inline constexpr double noMoistureChange = 1e-12;

struct Figures {
  double Δt = 0;  // K
  double Δd = 0;  // kg/kg
  double Δh = 0;  // kJ/kg
  double ε = 0;   // kJ/kg; ±infinity when |Δd| <= noMoistureChange
};

// The figures of the process from the state `from` to the state `to`.
Figures figures(const psychro::AirState& from, const psychro::AirState& to);

// Dry-air mass flow, kg/s, of a volume flow L, m³/h, of humid air at the state air.
double dryAirFlow(double L, const psychro::AirState& air);

// The volume flow, m³/h of humid air at the state air, of G kg/s of dry air:
// L = 3600·G·(1 + d)/ρ, the inverse of dryAirFlow.
double volumeFlow(double G, const psychro::AirState& air);

// The heat-moisture ratio, kJ/kg, of a room's surplus heat Q, kW, and surplus moisture W, kg/h:
// ε = 3600·Q/W; ±infinity (the sign of Q) when W = 0, NaN when both are zero.
double roomEpsilon(double Q, double W);

// The supply air flow, kg/s of dry air, that takes up the room's surplus heat Q, kW, warming from
// the supply state to the room's: G = Q/(h_room − h_supply); for a room with surplus moisture W,
// kg/h, alone (Q = 0), G = W/3600/(d_room − d_supply). Not positive (or not finite) where the
// load and the difference differ in sign or are zero.
double supplyAirFlow(double Q, double W, const psychro::AirState& room,
                     const psychro::AirState& supply);

struct Loads {
  double total = 0;     // kW
  double latent = 0;    // kW
  double sensible = 0;  // kW
  double water = 0;     // kg/h
  Refusal why;          // flowNotPositiveOrFinite when G is not positive and finite

  bool ok() const { return why == Refusal{}; }
};

// The loads of a process with the figures f for the dry-air mass flow G, kg/s.
Loads loads(const Figures& f, double G);

}  // namespace process

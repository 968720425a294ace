#pragma once

#include <array>
#include <string>
#include <string_view>

#include "psychro/air_state.h"

// The figures of a process from its inlet to its outlet state, its heat-moisture ratio, its loads
// for an air flow, and their texts as the 过程 table shows them.
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

// A step along a line of heat-moisture ratio ε, kJ/kg, in the h–d plane: Δd = 0.001 kg/kg (one
// g/kg) with Δh = ε · 0.001 kJ/kg; for ε = ±∞ a step of Δd = 0, Δh = ±1 kJ/kg. NaN gives {0, 0}.
// The chart turns it into a direction on the sheet; the opposite direction is the same line.
struct Step {
  double d = 0;  // kg/kg
  double h = 0;  // kJ/kg
};
Step epsilonStep(double ε);

// ε as the table and the protractor show it: a whole number ("8000", "-2000"), "∞" when infinite,
// empty for NaN.
std::string epsilonText(double ε);

// Dry-air mass flow, kg/s, of a volume flow L, m³/h, of humid air at the state air.
double dryAirFlow(double L, const psychro::AirState& air);

struct Loads {
  double total = 0;     // kW
  double latent = 0;    // kW
  double sensible = 0;  // kW
  double water = 0;     // kg/h
  // flowNotPositiveOrFinite when G is not positive and finite
  psychro::Outcome outcome = psychro::Outcome::ok;

  bool ok() const { return outcome == psychro::Outcome::ok; }
};

// The loads of a process with the figures f for the dry-air mass flow G, kg/s.
Loads loads(const Figures& f, double G);

// The columns of the 过程 table: caption, short ASCII key and decimals of each figure.
enum class Column { Δt, Δd, Δh, ε, sensible, latent, total, water };

struct ColumnInfo {
  Column column;
  std::string_view caption;
  std::string_view key;
  int decimals;  // ε is a whole number; "∞" when infinite
};

inline constexpr std::array<ColumnInfo, 8> columns{{
    {Column::Δt, "Δt ℃", "dt", 2},
    {Column::Δd, "Δd g/kg", "dd", 2},
    {Column::Δh, "Δh kJ/kg", "dh", 2},
    {Column::ε, "ε kJ/kg", "epsilon", 0},
    {Column::sensible, "显热 kW", "sensible", 2},
    {Column::latent, "潜热 kW", "latent", 2},
    {Column::total, "全热 kW", "total", 2},
    {Column::water, "水量 kg/h", "water", 2},
}};

// A row of the table in the order of columns, rounded as calc::formatFixed rounds the window's
// results. Without loads (nullptr, or a refused load) the four load texts are empty.
std::array<std::string, columns.size()> rowTexts(const Figures& f, const Loads* l);

}  // namespace process

#pragma once

#include <string_view>

// The state of humid air at 101325 Pa and the two ways of finding it.
namespace psychro {

// Messages a state function gives when the state cannot be computed.
inline constexpr std::string_view noSuchState = "该状态点不存在";
inline constexpr std::string_view outOfBounds = "输入参数超界";

struct AirState {
  double t = 0;   // dry-bulb temperature, °C
  double φ = 0;   // relative humidity, fraction 0..1
  double tw = 0;  // wet-bulb temperature, °C
  double h = 0;   // specific enthalpy, kJ per kg of dry air
  double tl = 0;  // dew-point temperature, °C
  double ρ = 0;   // density of the humid air, kg/m³
  double d = 0;   // moisture content, kg of water vapour per kg of dry air
};

// What a state function returns: the state, or the message that says why there is none.
// On a message the state holds what had been computed before the fault (d, and tw where the
// wet-bulb iteration ran) and nothing after it.
struct StateOutcome {
  AirState air;
  std::string_view message;  // empty when the state exists

  bool ok() const { return message.empty(); }
};

// airt2tw: state from the dry-bulb t, °C, and wet-bulb tw, °C. The caller ensures tw <= t.
// d < 0 (too dry to exist), NaN or a non-finite result give noSuchState.
StateOutcome airt2tw(double t, double tw);

// airt2φ: state from the dry-bulb t, °C, and relative humidity φ, fraction 0..1; the wet bulb is
// found by iteration. A vapour pressure at or above pa, or a non-finite result, give noSuchState;
// a wet-bulb iteration that cannot settle gives outOfBounds.
StateOutcome airt2φ(double t, double φ);

// Dew-point temperature, °C, from the vapour partial pressure pv, Pa (two-branch correlation,
// the low branch for pv <= 611 Pa). pv <= 0, and pv below the low branch's vertex at about
// 0.003 Pa (where the fit turns back up), give a non-finite value.
double dewPoint(double pv);

// Enthalpy, kJ per kg of dry air, of air at t, °C, holding d, kg/kg.
double enthalpy(double t, double d);

// Density, kg/m³, of air at t, °C, relative humidity φ, with saturation pressure pws_t, Pa, at t.
double density(double t, double φ, double pws_t);

}  // namespace psychro

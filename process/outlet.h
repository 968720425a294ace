#pragma once

#include "process/refusal.h"
#include "psychro/air_state.h"
#include "psychro/pair_state.h"

// What the processes of this library share in finding an outlet: the refusal that leaves no state,
// the state functions' test of saturation, and the outlet of a point on a process line.
namespace process {

// A refusal for the process's own reason why, or for the arithmetic's outcome: an empty state.
Outlet refused(Code why);
Outlet refused(psychro::Outcome why);

// A state function's answer as a process's: its state, or its refusal with the state as it is.
Outlet outletOf(const psychro::StateOutcome& s);

// The state function's answer s as a process's, its state emptied where it is a refusal (a state
// function leaves what it had computed before the fault): a process's refusal never carries a
// state.
Outlet emptied(const psychro::StateOutcome& s);

// True when air at t, °C, cannot hold d, kg/kg, at pa, Pa: its vapour pressure exceeds saturation
// at t or reaches pa (the test the state functions make), or is not a number.
bool beyondSaturation(double t, double d, double pa, psychro::Arithmetic m);

// True for an effectiveness or efficiency, fraction, in (0, 1] (false for NaN).
inline bool efficiencyInRange(double η) {
  return η > 0 && η <= 1;
}

// How far a given pair may land beyond saturation by the rounding of a process's own arithmetic
// and still be the saturated state (psychro::stateFromPair): an outlet reached exactly at
// saturation (η = 1, a bypass factor of 0) or from a saturated state (an exhaust at φ = 100 %).
// Far below every shown digit.
inline constexpr psychro::Resolution saturationRounding{.t = 1e-9, .d = 1e-12, .h = 1e-9};

// The outlet at the dry bulb t, °C, holding d, kg/kg, found on a process line; where it does not
// exist because it lies beyond saturation (by more than the resolution r), the process's own
// refusal `beyond`. Any refusal comes with an empty state.
Outlet pointOnLine(double t, double d, double pa, Code beyond, psychro::Arithmetic m,
                   const psychro::Resolution& r = {});

// The moisture content, kg/kg, at the dry bulb t, °C, of the line of heat-moisture ratio ε, kJ/kg,
// through the room state: h − h_N = ε·(d − d_N) with h = 2501·d + t·(1.006 + cpv·d) gives
// d = (h_N − ε·d_N − 1.006·t) / (2501 + cpv·t − ε), cpv that of the arithmetic m; d_N itself for
// ε = ±∞. Not finite where the line runs parallel to the isotherm t; NaN for a NaN ε.
double roomLineMoisture(const psychro::AirState& room, double ε, double t, psychro::Arithmetic m);

}  // namespace process

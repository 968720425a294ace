#pragma once

#include "process/refusal.h"
#include "psychro/air_state.h"
#include "psychro/pair_state.h"

// The air-handling processes of the 焓湿图: each takes an inlet state and the process's parameters
// and gives the outlet state, or exactly one refusal saying why the process cannot happen.
//
// Units are the state's own (psychro/air_state.h): t in °C, φ as a fraction 0..1, d in kg of vapour
// per kg of dry air, h in kJ per kg of dry air; pa is the total pressure, Pa, in force (kept in
// range by the caller). States are those the calculator computed at pa. Every outlet is computed by
// psychro::stateFromPair from two of its quantities, so it shows exactly what the main window shows
// for them. On a refusal the outlet's state is empty: the caller changes nothing. Each takes the
// arithmetic m in force (classic unless given) and uses its formulas throughout.
namespace process {

using psychro::AirState;

// A process refuses with its own codes (process/refusal.h, from flowNotPositive to
// supplyPastSaturation); faults of the state itself (a dry bulb out of range, a state that cannot
// exist) come with the state functions' own outcomes.
using psychro::Outcome;

// 混合: the mixture of a with the dry-air mass flow ga and b with gb (any one unit: kg/s, or the
// parts of a ratio such as 0.2 : 0.8). Its d and h are the flow-weighted means, so it lies on the
// straight segment ab of the h–d plane; its state is taken from h and d. A flow that is not
// positive and finite gives flowNotPositive; a mixture beyond saturation gives mixtureFogs.
Outlet mix(const AirState& a, double ga, const AirState& b, double gb, double pa,
           psychro::Arithmetic m = psychro::Arithmetic::classic);

// 加热: at constant d to the dry bulb t, °C, which must be above the inlet's (heatingNotWarmer).
Outlet heat(const AirState& in, double t, double pa,
            psychro::Arithmetic m = psychro::Arithmetic::classic);

// 冷却 (sensible): at constant d to the dry bulb t, °C, below the inlet's (coolingNotCooler) and
// not below its dew point, where the vapour would exceed saturation (belowDewPoint).
Outlet cool(const AirState& in, double t, double pa,
            psychro::Arithmetic m = psychro::Arithmetic::classic);

// 冷却除湿 to a given leaving state, any pair that determines one (psychro::stateFromPair). It must
// be cooler than the inlet and hold no more moisture (notCoolerAndDrier).
Outlet coolAndDry(const AirState& in, psychro::Given a, psychro::Given b, double pa,
                  psychro::Arithmetic m = psychro::Arithmetic::classic);

// 冷却除湿 towards the apparatus dew point (机器露点): the saturated state at tAdp, °C, which must
// hold less moisture than the inlet (dewPointNotBelow). The leaving state is the first point of the
// straight h–d segment from the inlet to it whose relative humidity reaches φ (fraction); that is
// the state at φ and the dry bulb found there. φ must lie above the inlet's and at most 1
// (humidityNotReached). Solve: the segment is sampled at 64 equal steps for the first that reaches
// φ, then that step is bisected (psychro::bisect) to adjacent doubles of the segment parameter.
Outlet coolAndDryToDewPoint(const AirState& in, double tAdp, double φ, double pa,
                            psychro::Arithmetic m = psychro::Arithmetic::classic);

// 等焓加湿 (adiabatic humidification): at constant h to a target given as the dry bulb
// (Quantity::t), relative humidity (Quantity::rh) or moisture content (Quantity::d, kg/kg); other
// quantities give Outcome::pairNotDetermined. The outlet must hold more moisture than the inlet
// (moistureNotRaised: a target at or above the inlet's dry bulb, at or below its φ or its d) and
// not exceed saturation
// (pastSaturation: φ above 1, or a dry bulb below the adiabatic saturation temperature).
Outlet humidifyAdiabatic(const AirState& in, psychro::Given target, double pa,
                         psychro::Arithmetic m = psychro::Arithmetic::classic);

// 等温加湿 (steam humidification): at the inlet's dry bulb to a target given as the moisture
// content (Quantity::d) or relative humidity (Quantity::rh); other quantities give
// Outcome::pairNotDetermined. More moisture than the inlet (moistureNotRaised), not beyond
// saturation (pastSaturation).
Outlet humidifyIsothermal(const AirState& in, psychro::Given target, double pa,
                          psychro::Arithmetic m = psychro::Arithmetic::classic);

// 送风状态点: the supply state on the line of heat-moisture ratio ε, kJ/kg (Δh over Δd in kg/kg;
// ±∞ for constant d), through the room state, at the dry bulb room.t − Δt, °C (Δt > 0 for cooling,
// < 0 for heating; zero gives supplyDifferenceZero). Along the line h − h_N = ε·(d − d_N), with
// h = 2501·d + t·(1.006 + 1.805·d), d at the supply dry bulb t_O is linear:
// d = (h_N − ε·d_N − 1.006·t_O) / (2501 + 1.805·t_O − ε) (1.86 in place of 1.805 under ASHRAE). A
// line parallel to that isotherm, a negative d or NaN give supplyNotOnLine; d above saturation at
// t_O gives supplyPastSaturation.
Outlet supplyPoint(const AirState& room, double ε, double Δt, double pa,
                   psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace process

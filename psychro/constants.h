#pragma once

// Fixed quantities shared by every state function of the calculator.
namespace psychro {

// The standard atmosphere, Pa: the total pressure of the humid air unless the user sets another.
inline constexpr double standardPressure = 101325;

// Offset between degrees Celsius and kelvin.
inline constexpr double kelvin = 273.15;

// The calculator's enthalpy of humid air, h = r0·d + t·(cpAir + cpVapour·d) kJ per kg of dry air
// (t in °C, d in kg/kg; the usual Chinese textbook form):
inline constexpr double latentHeat0 = 2501;  // heat of vaporisation of water at 0 °C, kJ/kg
inline constexpr double cpAir = 1.006;       // specific heat of dry air, kJ/(kg·K)
inline constexpr double cpVapour = 1.805;    // specific heat of water vapour, kJ/(kg·K)

// The wet bulb's heat balance (the psychrometric equation of the wet-bulb route) also takes
inline constexpr double cpWater = 4.186;            // specific heat of liquid water, kJ/(kg·K)
inline constexpr double cpWaterLessVapour = 2.381;  // cpWater − cpVapour, as the route writes it

// The properties shown beside the state (psychro/air_properties.h), with the classic arithmetic.
// The specific heat of humid air, (cpShownAir + cpShownVapour·d) / (1 + d) per kg of humid air,
// takes its own pair of specific heats (round values engineering texts give for dry air and
// vapour), not the enthalpy's cpAir and cpVapour above. Both pairs are the calculator's own
// formulas and both are kept, so that every figure it has ever shown stays as it was: the
// enthalpy's pair fixes the heat balance that every route, pair and process solves, and the shown
// specific heat is a figure for heat transfer (it goes with the viscosity and conductivity into the
// Prandtl number), not the slope of that enthalpy. The two agree within 0.1 % for dry air and
// closer at the usual moisture contents (equal at about 29 g/kg).
inline constexpr double cpShownAir = 1.005;    // specific heat of dry air, kJ/(kg·K)
inline constexpr double cpShownVapour = 1.84;  // specific heat of water vapour, kJ/(kg·K)
// Viscosity and thermal conductivity as powers of the absolute temperature T, K:
// μ = viscosityAt0·(T / 273.15)^viscosityExponent, kg/(m·s), and likewise λ, W/(m·K).
inline constexpr double viscosityAt0 = 1.7268e-5, viscosityExponent = 0.7;
inline constexpr double conductivityAt0 = 0.024066, conductivityExponent = 0.9;

// The dry bulbs the calculator accepts and the chart can show, °C.
inline constexpr double lowestDryBulb = -50, highestDryBulb = 100;

}  // namespace psychro

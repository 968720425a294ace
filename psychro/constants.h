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

// The dry bulbs the calculator accepts and the chart can show, °C.
inline constexpr double lowestDryBulb = -50, highestDryBulb = 100;

}  // namespace psychro

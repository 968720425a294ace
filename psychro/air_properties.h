#pragma once

#include "psychro/arithmetic.h"

// The properties the calculator shows beside the state of humid air: its specific heat, and the
// viscosity and thermal conductivity of the Prandtl number.
namespace psychro {

// Specific heat of humid air, kJ/(kg·K) per kg of humid air, from the moisture content d, kg/kg:
// (1.005 + 1.84·d) / (1 + d) with the classic arithmetic (cpShownAir, cpShownVapour; why these and
// not the enthalpy's, see psychro/constants.h), and (1.006 + 1.86·d) / (1 + d) with ASHRAE's, from
// the specific heats of its enthalpy.
double specificHeat(double d, Arithmetic m = Arithmetic::classic);

// Dynamic viscosity, kg/(m·s), at the temperature t, °C: 1.7268e-5·(T / 273.15)^0.7, T in kelvin.
double viscosity(double t);

// Thermal conductivity, W/(m·K), at the temperature t, °C: 0.024066·(T / 273.15)^0.9, T in kelvin.
double conductivity(double t);

}  // namespace psychro

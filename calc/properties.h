#pragma once

// Transport properties of humid air.
#include "psychro/arithmetic.h"

namespace calc {

// Specific heat of humid air, kJ/(kg·K) per kg of humid air, from the moisture content d, kg/kg:
// (1.005 + 1.84·d) / (1 + d) with the classic arithmetic, and (1.006 + 1.86·d) / (1 + d) with
// ASHRAE's, from the specific heats of its enthalpy.
double specificHeat(double d, psychro::Arithmetic m = psychro::Arithmetic::classic);

// Dynamic viscosity, kg/(m·s), at the temperature t, °C.
double viscosity(double t);

// Thermal conductivity, W/(m·K), at the temperature t, °C.
double conductivity(double t);

}  // namespace calc

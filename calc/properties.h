#pragma once

// Transport properties of humid air.
namespace calc {

// Specific heat of humid air, kJ/(kg·K), from the moisture content d, kg/kg.
double specificHeat(double d);

// Dynamic viscosity, kg/(m·s), at the temperature t, °C.
double viscosity(double t);

// Thermal conductivity, W/(m·K), at the temperature t, °C.
double conductivity(double t);

}  // namespace calc

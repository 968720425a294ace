#pragma once

#include "psychro/air_state.h"
#include "psychro/arithmetic.h"

// The plane of the 焓湿图: oblique coordinates of enthalpy h and moisture content d.
namespace chart {

// A point of the sheet: d across, g/kg of dry air; y up, kJ/kg, y = h − 2501·d (d in kg/kg), the
// enthalpy less that of the vapour at 0 °C. So lines of constant h are straight and parallel,
// falling to the right, the 0 °C isotherm is level, and every isotherm is a straight line rising
// slightly with d. All of it comes from psychro::enthalpy; no formula is copied here.
struct SheetPoint {
  double d = 0;  // g/kg
  double y = 0;  // kJ/kg
};

// The sheet point of air holding d, g/kg, with enthalpy h, kJ/kg.
SheetPoint sheetPoint(double d, double h);

// The sheet point of a computed state (its d in kg/kg, as the state holds it).
inline SheetPoint sheetPoint(const psychro::AirState& a) {
  return sheetPoint(1000 * a.d, a.h);
}

// The sheet point of air at t, °C, holding d, g/kg (on the isotherm t).
SheetPoint atTemperature(double t, double d, psychro::Arithmetic m = psychro::Arithmetic::classic);

// Enthalpy, kJ/kg, and dry-bulb temperature, °C, of the air at p. The sheet point itself is the
// same under both arithmetics (the vapour's 2501·d at 0 °C); the isotherms are the arithmetic's.
double enthalpyAt(SheetPoint p);
double temperatureAt(SheetPoint p, psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace chart

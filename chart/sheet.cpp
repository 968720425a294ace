#include "chart/sheet.h"

#include "psychro/air_state.h"

namespace chart {
namespace {

// Enthalpy of the vapour that d, g/kg, brings at 0 °C, kJ/kg: the shift between h and y.
double vapourAtZero(double d) {
  return psychro::enthalpy(0, d / 1000);
}

// Rise of the enthalpy per kelvin of air holding d, g/kg, kJ/(kg·K): the enthalpy is linear in t.
double heatPerKelvin(double d, psychro::Arithmetic m) {
  if (m != psychro::Arithmetic::classic)
    return psychro::enthalpy(1, d / 1000, m) - psychro::enthalpy(0, d / 1000, m);
  return psychro::enthalpy(1, d / 1000) - vapourAtZero(d);
}

}  // namespace

SheetPoint sheetPoint(double d, double h) {
  return {d, h - vapourAtZero(d)};
}

SheetPoint atTemperature(double t, double d, psychro::Arithmetic m) {
  if (m != psychro::Arithmetic::classic) return sheetPoint(d, psychro::enthalpy(t, d / 1000, m));
  return sheetPoint(d, psychro::enthalpy(t, d / 1000));
}

double enthalpyAt(SheetPoint p) {
  return p.y + vapourAtZero(p.d);
}

double temperatureAt(SheetPoint p, psychro::Arithmetic m) {
  return p.y / heatPerKelvin(p.d, m);
}

}  // namespace chart

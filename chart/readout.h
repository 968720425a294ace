#pragma once

#include <optional>

#include "chart/sheet.h"
#include "psychro/arithmetic.h"

namespace chart {

// What the line under the chart tells of the point under the pointer.
struct Readout {
  double t = 0;  // dry bulb, °C
  double φ = 0;  // relative humidity, fraction (above 1 in the fog region)
  double d = 0;  // moisture content, g/kg
  double h = 0;  // enthalpy, kJ/kg
  // Wet bulb and dew point, °C, as the main window would show them for this t and φ; none where
  // that air has no state (outside −50…100 °C, in the fog, too dry for the dew-point fit).
  std::optional<double> tw, tl;
};

// The air at p, at the total pressure pa, Pa.
Readout readoutAt(SheetPoint p, double pa, psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace chart

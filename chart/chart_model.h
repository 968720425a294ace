#pragma once

#include <optional>
#include <vector>

#include "psychro/air_state.h"

// The numbers of the 焓湿图 (h-d chart) at 101325 Pa: moisture content d, g/kg, across; dry-bulb
// temperature t, °C, up. Every curve comes from the calculator's own waterps and enthalpy
// formula, so a calculated state lies on the φ curve and the h line the window reports.
namespace chart {

// A point of the chart: moisture content d, g/kg, and dry-bulb temperature t, °C.
struct ChartPoint {
  double d = 0;
  double t = 0;
};

// The part of the plane the chart shows.
struct Ranges {
  double dMin = 0, dMax = 40;    // g/kg
  double tMin = -20, tMax = 50;  // °C
};

inline constexpr Ranges defaultRanges{};

// The temperatures the calculator accepts; the chart never widens beyond them.
inline constexpr double lowestT = -50, highestT = 100;

// Moisture content, g/kg, of air at t, °C, with relative humidity φ (fraction); empty where the
// vapour pressure φ·waterps(t) reaches the total pressure.
std::optional<double> moistureAt(double t, double φ);

// Relative humidity, fraction, of air at t, °C, holding d, g/kg.
double humidityAt(double t, double d);

// Enthalpy, kJ per kg of dry air, of air at t, °C, holding d, g/kg.
double enthalpyAt(double t, double d);

// Dry-bulb temperature, °C, at which air holding d, g/kg, has the enthalpy h, kJ/kg.
double temperatureOnEnthalpy(double h, double d);

// Temperature, °C, at which air holding d, g/kg, is saturated (its dew point on the chart).
std::optional<double> saturationTemperature(double d);

// A labelled line of the chart.
struct Curve {
  double value = 0;  // φ in per cent, or h in kJ/kg
  std::vector<ChartPoint> points;
};

// φ = 10 %, 20 %, … 100 %, from tMin up, each until it leaves the ranges or the vapour reaches
// the total pressure.
std::vector<Curve> humidityCurves(const Ranges& r);

// Lines of constant enthalpy every 10 kJ/kg, from the saturation curve (or the left edge) to the
// edge of the ranges; only the unsaturated part is drawn.
std::vector<Curve> enthalpyLines(const Ranges& r);

// Grid values: isotherms every 5 °C, lines of constant d every 2 g/kg, inside the ranges.
std::vector<double> isotherms(const Ranges& r);
std::vector<double> moistureLines(const Ranges& r);

// Where a calculated state is marked: the state itself, its dew point straight across at
// constant d on the saturation curve, and its wet bulb on the saturation curve.
struct StateMarks {
  ChartPoint state, dewPoint, wetBulb;
};
StateMarks marksFor(const psychro::AirState& air);

// The default ranges, widened to hold every mark of the state (never beyond -50…100 °C), in whole
// steps of the grid.
Ranges rangesFor(const std::optional<psychro::AirState>& air);

// What the hover line shows for a point of the chart.
struct Readout {
  double t = 0, φ = 0, d = 0, h = 0;  // °C, fraction, g/kg, kJ/kg
};
Readout readoutAt(ChartPoint p);

// The plot rectangle in pixels, and the mapping of chart points onto it and back.
struct PlotArea {
  double left = 0, top = 0, width = 1, height = 1;
};

struct Mapping {
  Ranges ranges;
  PlotArea area;

  // x grows with d, y grows downwards as t falls.
  double x(double d) const;
  double y(double t) const;
  double d(double x) const;
  double t(double y) const;
};

}  // namespace chart

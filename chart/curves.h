#pragma once

#include <optional>
#include <vector>

#include "chart/clip.h"
#include "chart/view.h"

// The lines of the 焓湿图 over a view, at the total pressure pa, Pa: relative humidity curves,
// isotherms, lines of constant enthalpy and of constant moisture content. The unsaturated region
// carries the grid; beyond the saturation curve lies the fog region, left bare. Every value comes
// from psychro (saturationPressure, saturationTemperature, moistureContent, vapourPressure,
// enthalpy).
namespace chart {

// One line of the chart, as far as it lies inside the view.
struct ChartLine {
  double value = 0;  // φ in per cent, t in °C, h in kJ/kg or d in g/kg
  std::vector<Polyline> parts;
};

// The spacing of the grid: the least of 10^k·{1, 2, 5} that draws no more than gridLineLimit
// lines of a kind across the view. At the default view: 5 °C, 10 kJ/kg, 2 g/kg.
struct GridSteps {
  double t = 5, h = 10, d = 2;
};
inline constexpr int gridLineLimit = 16;
GridSteps gridSteps(const View& view, psychro::Arithmetic m = psychro::Arithmetic::classic);

// Everything drawn on the sheet over a view. However the view lies, there are at most
// gridLineLimit + 1 lines of each grid kind, ten humidity curves, and a bounded number of points
// on each curve.
struct SheetLines {
  GridSteps steps;
  std::vector<ChartLine> humidity;   // φ = 10 %, 20 %, …, 100 % (the saturation curve last)
  std::vector<ChartLine> isotherms;  // from the left edge to the saturation curve
  std::vector<ChartLine> enthalpy;   // from the left edge to the saturation curve
  std::vector<ChartLine> moisture;   // from the saturation curve (the dew point) upwards
  Polyline fog;                      // the region beyond the saturation curve, a closed polygon
};
// Every line follows the arithmetic m.
SheetLines sheetLines(const View& view, double pa,
                      psychro::Arithmetic m = psychro::Arithmetic::classic);

// Moisture content, g/kg, of air at t, °C, with relative humidity φ (fraction), at the total
// pressure pa, Pa; none where the vapour pressure φ·saturationPressure(t) reaches pa.
std::optional<double> moistureAt(double t, double φ, double pa,
                                 psychro::Arithmetic m = psychro::Arithmetic::classic);

// Relative humidity, fraction, of the air at p at the total pressure pa, Pa (above 1 in the fog).
double humidityAt(SheetPoint p, double pa, psychro::Arithmetic m = psychro::Arithmetic::classic);

// The temperatures, °C, the view spans (its corners' isotherms), within lowestT…highestT.
struct TemperatureSpan {
  double low = 0, high = 0;
};
TemperatureSpan temperatureSpan(const View& view,
                                psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace chart

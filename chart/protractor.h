#pragma once

#include <array>
#include <limits>
#include <vector>

#include "chart/clip.h"
#include "chart/view.h"

// Lines of a heat-moisture ratio ε = Δh / Δd (kJ/kg, Δd in kg/kg) on the sheet: through a point,
// and as the rays of the ε protractor (热湿比 scale) in a corner of the plot.
namespace chart {

// The direction of ε on the sheet for one g/kg of moisture: Δd = 1 g/kg, Δy = (ε − 2501)·0.001
// kJ/kg; for ε = ±∞ a line of constant d, Δd = 0, Δy = ±1. NaN gives {0, 0}.
SheetPoint epsilonDirection(double ε);

// The part of the line of ε through p that the view shows (empty when none, or for NaN).
std::vector<Polyline> epsilonLine(SheetPoint p, double ε, const View& view);

// The values the protractor shows, from constant d rising through the isotherm-like 2501 to
// constant d falling: each ray is the direction of a process with that ε.
inline constexpr std::array<double, 11> protractorValues{
    -std::numeric_limits<double>::infinity(), -5000, -2000, 0, 1000, 2000, 3000, 5000, 10000, 20000,
    std::numeric_limits<double>::infinity()};

// A ray of the protractor from its centre: its ε and its end in pixels. Rays point to the left of
// the centre (the direction of drying; the same line as that of moistening), so that the
// protractor fits in the lower right corner.
struct Ray {
  double ε = 0;
  Pixel end;
};

// The protractor's rays of length radius, pixels, from centre under mapping (whose scales give
// each direction its angle on the screen).
std::vector<Ray> protractorRays(const Mapping& mapping, Pixel centre, double radius);

}  // namespace chart

#pragma once

#include <vector>

#include "chart/clip.h"
#include "psychro/arithmetic.h"
#include "psychro/state_bounds.h"

// The outline of a comfort zone on the 焓湿图: the region of the unsaturated states that meet all
// of a zone's bounds, at the total pressure in force.
namespace chart {

// Steps, °C, between the isotherms at which the curved edges (φ curves, the saturation curve) are
// sampled; the corners where two edges cross are found exactly, by bisection, not sampled.
inline constexpr double zoneSampleStep = 0.25;

// The region of bounds at the total pressure pa, Pa, with the arithmetic m, as closed polygons in
// the sheet's coordinates (the last point joins the first; not repeated), clipped at the saturation
// curve and at the chart's lowestT…highestT and 0…highestD. Its edges follow the isotherms (t
// bounds), the φ curves (rh bounds), lines of constant d (d and dew-point bounds: a dew point
// stands for the d whose vapour pressure has it) and lines of constant h. Each polygon runs along
// the upper edge from the coldest isotherm to the warmest, then back along the lower edge. Usually
// one polygon; none where no state meets the bounds; more only where the bounds leave separate
// pieces.
std::vector<Polyline> zoneOutline(const psychro::StateBounds& bounds, double pa,
                                  psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace chart

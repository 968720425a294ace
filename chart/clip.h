#pragma once

#include <vector>

#include "chart/view.h"

namespace chart {

// A line of the sheet through its points in order.
using Polyline = std::vector<SheetPoint>;

// The parts of line that lie inside view, in order: each part a run of the line's points with the
// points where it crosses the edges of the view added. Non-finite points break the line.
std::vector<Polyline> clipToView(const Polyline& line, const View& view);

}  // namespace chart

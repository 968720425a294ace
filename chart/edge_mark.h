#pragma once

#include "chart/view.h"

namespace chart {

// Where a point is marked: at its place when the plot shows it, else on the plot's edge, as near
// as the edge comes to it, with an arrow pointing its way.
struct EdgeMark {
  Pixel at;
  bool inside = true;
  double dx = 0, dy = 0;  // unit vector towards the point, in pixels (y down); zero when inside
};

// The mark of p under mapping; an outside mark is kept inset pixels within the plot.
EdgeMark edgeMark(const Mapping& mapping, SheetPoint p, double inset);

}  // namespace chart

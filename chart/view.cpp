#include "chart/view.h"

#include <algorithm>

namespace chart {
namespace {

// [lo, hi] with its extent kept within [least, most], then moved inside [floor, ceiling].
void fit(double& lo, double& hi, double least, double floor, double ceiling) {
  const double most = ceiling - floor;
  // A NaN extent (from a NaN anchor or factor) takes the least.
  double span = hi - lo;
  if (!(span >= least)) span = least;
  span = std::min(span, most);
  const double centre = (lo + hi) / 2;
  lo = centre == centre ? centre - span / 2 : floor;
  lo = std::clamp(lo, floor, ceiling - span);
  hi = lo + span;
}

}  // namespace

View defaultView() {
  View v;
  v.dMin = 0;
  v.dMax = 30;
  v.yMin = atTemperature(-10, v.dMin).y;
  v.yMax = atTemperature(45, v.dMax).y;
  return v;
}

View sheetBounds() {
  return {0, highestD, atTemperature(lowestT, 0).y, atTemperature(highestT, highestD).y};
}

View clamped(View view) {
  const View b = sheetBounds();
  fit(view.dMin, view.dMax, leastDSpan, b.dMin, b.dMax);
  fit(view.yMin, view.yMax, leastYSpan, b.yMin, b.yMax);
  return view;
}

View zoomed(const View& view, SheetPoint anchor, double factor) {
  View out = view;
  const View b = sheetBounds();
  // Each extent is limited first, so that the anchor keeps its place whenever the bounds allow.
  const auto scale = [&](double& lo, double& hi, double a, double least, double most) {
    const double span = std::clamp((hi - lo) * factor, least, most);
    const double share = (a - lo) / (hi - lo);
    lo = a - share * span;
    hi = lo + span;
  };
  scale(out.dMin, out.dMax, anchor.d, leastDSpan, b.dMax - b.dMin);
  scale(out.yMin, out.yMax, anchor.y, leastYSpan, b.yMax - b.yMin);
  return clamped(out);
}

View panned(const View& view, double dd, double dy) {
  View out = clamped(view);
  const View b = sheetBounds();
  const double d = std::clamp(dd, b.dMin - out.dMin, b.dMax - out.dMax);
  const double y = std::clamp(dy, b.yMin - out.yMin, b.yMax - out.yMax);
  if (d == d) {  // NaN moves nothing
    out.dMin += d;
    out.dMax += d;
  }
  if (y == y) {
    out.yMin += y;
    out.yMax += y;
  }
  return out;
}

Pixel Mapping::toPixel(SheetPoint p) const {
  return {area.left + (p.d - view.dMin) / (view.dMax - view.dMin) * area.width,
          area.top + (view.yMax - p.y) / (view.yMax - view.yMin) * area.height};
}

SheetPoint Mapping::toSheet(Pixel p) const {
  return {view.dMin + (p.x - area.left) / area.width * (view.dMax - view.dMin),
          view.yMax - (p.y - area.top) / area.height * (view.yMax - view.yMin)};
}

}  // namespace chart

#include "chart/clip.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace chart {
namespace {

bool finite(SheetPoint p) {
  return std::isfinite(p.d) && std::isfinite(p.y);
}

// The part of the segment a–b inside view (Liang–Barsky), or none.
std::optional<std::pair<SheetPoint, SheetPoint>> clipSegment(SheetPoint a, SheetPoint b,
                                                             const View& view) {
  const double dd = b.d - a.d, dy = b.y - a.y;
  double enter = 0, leave = 1;
  // Each edge: the segment runs inside where p·s <= q, s the position along it from 0 to 1.
  const double p[] = {-dd, dd, -dy, dy};
  const double q[] = {a.d - view.dMin, view.dMax - a.d, a.y - view.yMin, view.yMax - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;  // parallel to this edge and outside it
      continue;
    }
    const double s = q[i] / p[i];
    if (p[i] < 0)
      enter = std::max(enter, s);
    else
      leave = std::min(leave, s);
  }
  if (!(enter <= leave)) return std::nullopt;
  const auto at = [&](double s) { return SheetPoint{a.d + s * dd, a.y + s * dy}; };
  return std::make_pair(enter == 0 ? a : at(enter), leave == 1 ? b : at(leave));
}

}  // namespace

std::vector<Polyline> clipToView(const Polyline& line, const View& view) {
  std::vector<Polyline> parts;
  bool open = false;  // the last part ends at the previous point of the line
  for (std::size_t i = 1; i < line.size(); ++i) {
    const SheetPoint a = line[i - 1], b = line[i];
    const auto inside = finite(a) && finite(b) ? clipSegment(a, b, view) : std::nullopt;
    if (!inside) {
      open = false;
      continue;
    }
    if (!open || inside->first.d != a.d || inside->first.y != a.y) parts.push_back({inside->first});
    parts.back().push_back(inside->second);
    open = inside->second.d == b.d && inside->second.y == b.y;
  }
  return parts;
}

}  // namespace chart

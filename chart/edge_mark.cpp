#include "chart/edge_mark.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace chart {

EdgeMark edgeMark(const Mapping& mapping, SheetPoint p, double inset) {
  const PlotArea& a = mapping.area;
  Pixel px = mapping.toPixel(p);
  // A NaN coordinate points nowhere in particular: take it as the plot's middle on that axis.
  if (px.x != px.x) px.x = a.left + a.width / 2;
  if (px.y != px.y) px.y = a.top + a.height / 2;
  EdgeMark m;
  if (a.contains(px)) {
    m.at = px;
    return m;
  }
  m.inside = false;
  const double in = std::min({inset, a.width / 2, a.height / 2});
  m.at = {std::clamp(px.x, a.left + in, a.right() - in),
          std::clamp(px.y, a.top + in, a.bottom() - in)};
  // The direction from the mark to the point; far points (1e16 pixels away, or infinitely) are
  // scaled down first so that the length neither overflows nor loses the smaller component.
  double dx = px.x - m.at.x, dy = px.y - m.at.y;
  const double big = std::numeric_limits<double>::max();
  if (std::isinf(dx) || std::isinf(dy)) {
    dx = std::isinf(dx) ? std::copysign(1.0, dx) : 0;
    dy = std::isinf(dy) ? std::copysign(1.0, dy) : 0;
  }
  const double scale = std::max(std::abs(dx), std::abs(dy));
  if (!(scale > 0 && scale < big)) {
    m.dx = 1;
    return m;
  }
  dx /= scale;
  dy /= scale;
  const double length = std::hypot(dx, dy);
  m.dx = dx / length;
  m.dy = dy / length;
  return m;
}

}  // namespace chart

#include "chart/protractor.h"

#include <cmath>

#include "psychro/constants.h"

namespace chart {

SheetPoint epsilonDirection(double ε) {
  if (std::isnan(ε)) return {};
  if (std::isinf(ε)) return {0, std::copysign(1.0, ε)};
  return {1, (ε - psychro::latentHeat0) * 0.001};
}

std::vector<Polyline> epsilonLine(SheetPoint p, double ε, const View& view) {
  const SheetPoint u = epsilonDirection(ε);
  const double length = std::hypot(u.d, u.y);
  if (!(length > 0) || !std::isfinite(p.d) || !std::isfinite(p.y)) return {};
  // Far enough both ways to cross the whole view from wherever p is.
  const double k = (std::abs(p.d - view.dMin) + std::abs(p.d - view.dMax) +
                    std::abs(p.y - view.yMin) + std::abs(p.y - view.yMax)) /
                   std::max(std::abs(u.d), std::abs(u.y));
  return clipToView({{p.d - k * u.d, p.y - k * u.y}, p, {p.d + k * u.d, p.y + k * u.y}}, view);
}

std::vector<Ray> protractorRays(const Mapping& mapping, Pixel centre, double radius) {
  std::vector<Ray> rays;
  for (double ε : protractorValues) {
    const SheetPoint u = epsilonDirection(ε);
    // The drying direction (−Δd, −Δy) for finite ε and the direction of ε itself for ±∞, so
    // that the rays sweep from up (−∞) through left (near 2501) to down (+∞); screen y grows
    // downwards.
    const double dx = -u.d / mapping.dPerPixel();
    const double dy = u.y / mapping.yPerPixel();
    const double n = std::hypot(dx, dy);
    if (!(n > 0)) continue;
    rays.push_back({ε, {centre.x + radius * dx / n, centre.y + radius * dy / n}});
  }
  return rays;
}

}  // namespace chart

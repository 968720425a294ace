#include "process/figures.h"

#include <cmath>

#include "psychro/constants.h"

namespace process {

Figures figures(const psychro::AirState& from, const psychro::AirState& to) {
  Figures f;
  f.Δt = to.t - from.t;
  f.Δd = to.d - from.d;
  f.Δh = to.h - from.h;
  if (std::abs(f.Δd) <= noMoistureChange) {
    f.Δd = 0;
    f.ε = std::copysign(INFINITY, f.Δh);
  } else {
    f.ε = f.Δh / f.Δd;
  }
  return f;
}

double dryAirFlow(double L, const psychro::AirState& air) {
  return L * air.ρ / 3600 / (1 + air.d);
}

Loads loads(const Figures& f, double G) {
  Loads l;
  if (!(G > 0) || !std::isfinite(G)) {
    l.outcome = psychro::Outcome::flowNotPositiveOrFinite;
    return l;
  }
  l.total = G * f.Δh;
  l.latent = G * psychro::latentHeat0 * f.Δd;
  l.sensible = l.total - l.latent;
  l.water = G * f.Δd * 3600;
  return l;
}

}  // namespace process

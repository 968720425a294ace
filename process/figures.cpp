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

double volumeFlow(double G, const psychro::AirState& air) {
  return 3600 * G * (1 + air.d) / air.ρ;
}

double roomEpsilon(double Q, double W) {
  if (W == 0) return Q == 0 ? NAN : std::copysign(INFINITY, Q);
  return 3600 * Q / W;
}

double supplyAirFlow(double Q, double W, const psychro::AirState& room,
                     const psychro::AirState& supply) {
  if (Q == 0) return W / 3600 / (room.d - supply.d);
  return Q / (room.h - supply.h);
}

Loads loads(const Figures& f, double G) {
  Loads l;
  if (!(G > 0) || !std::isfinite(G)) {
    l.why.code = Code::flowNotPositiveOrFinite;
    return l;
  }
  l.total = G * f.Δh;
  l.latent = G * psychro::latentHeat0 * f.Δd;
  l.sensible = l.total - l.latent;
  l.water = G * f.Δd * 3600;
  return l;
}

}  // namespace process

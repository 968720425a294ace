#include "process/figures.h"

#include <cmath>

#include "calc/number_text.h"
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

Step epsilonStep(double ε) {
  if (std::isnan(ε)) return {};
  if (std::isinf(ε)) return {0, std::copysign(1.0, ε)};
  return {0.001, ε * 0.001};
}

std::string epsilonText(double ε) {
  if (std::isinf(ε)) return "∞";
  return calc::formatFixed(ε, 0);  // empty for NaN
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

std::array<std::string, columns.size()> rowTexts(const Figures& f, const Loads* l) {
  const bool withLoads = l != nullptr && l->ok();
  const Loads none;
  const Loads& x = withLoads ? *l : none;
  // Each column's shown value, in the order of Column.
  const double values[] = {f.Δt, f.Δd * 1000, f.Δh, f.ε, x.sensible, x.latent, x.total, x.water};
  std::array<std::string, columns.size()> texts;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const Column c = columns[i].column;
    const bool isLoad = c >= Column::sensible;
    if (c == Column::ε)
      texts[i] = epsilonText(f.ε);
    else if (withLoads || !isLoad)
      texts[i] = calc::formatFixed(values[static_cast<int>(c)], columns[i].decimals);
  }
  return texts;
}

}  // namespace process

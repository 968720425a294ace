#include "calc/state_results.h"

#include <algorithm>
#include <cmath>

#include "calc/number_text.h"
#include "psychro/air_properties.h"

namespace calc {

ShownValues shownValues(const psychro::AirState& a, psychro::Arithmetic m) {
  const double cp = psychro::specificHeat(a.d, m);
  const double μ = psychro::viscosity(a.t);
  const double λ = psychro::conductivity(a.t);
  const double Pr = (1000 * cp * μ) / λ;
  const double values[] = {a.t, a.φ, a.tw, a.h, a.tl, a.ρ, a.d, cp, μ, λ, Pr};
  ShownValues shown{};
  for (std::size_t i = 0; i < shown.size(); ++i) shown[i] = values[i] * outputs[i].factor;
  return shown;
}

bool showable(const ShownValues& shown) {
  return std::all_of(shown.begin(), shown.end(), [](double v) { return std::isfinite(v); });
}

bool formatResults(const psychro::AirState& air, std::array<std::string, outputs.size()>& texts,
                   psychro::Arithmetic m) {
  const ShownValues shown = shownValues(air, m);
  if (!showable(shown)) return false;
  for (std::size_t i = 0; i < shown.size(); ++i)
    texts[i] = formatFixed(shown[i], outputs[i].decimals);
  return true;
}

}  // namespace calc

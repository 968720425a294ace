#include "calc/state_results.h"

#include "calc/number_text.h"
#include "calc/properties.h"

namespace calc {

ShownValues shownValues(const psychro::AirState& a) {
  const double cp = aircpa(a.d);
  const double μ = airμ(a.t);
  const double λ = airλ(a.t);
  const double Pr = (1000 * cp * μ) / λ;
  const double values[] = {a.t, a.φ, a.tw, a.h, a.tl, a.ρ, a.d, cp, μ, λ, Pr};
  ShownValues shown{};
  for (std::size_t i = 0; i < shown.size(); ++i) shown[i] = values[i] * outputs[i].factor;
  return shown;
}

bool formatResults(const psychro::AirState& air, std::array<std::string, outputs.size()>& texts) {
  const ShownValues shown = shownValues(air);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    texts[i] = formatFixed(shown[i], outputs[i].decimals);
    // A finite state can still overflow once scaled; never show an empty or infinite result.
    if (texts[i].empty()) return false;
  }
  return true;
}

}  // namespace calc

#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/outputs.h"
#include "psychro/air_state.h"

// The eleven results of an air state, as the window shows them.
namespace calc {

// Each result's shown value (the quantity times its factor), in the order of calc::outputs.
using ShownValues = std::array<double, outputs.size()>;

// The state's eleven shown values: t, φ·100, tw, h, tl, ρ, d·1000, then the properties from the
// correlations (cp·1000, μ·10⁶, λ, Pr), cp that of the arithmetic m.
ShownValues shownValues(const psychro::AirState& air,
                        psychro::Arithmetic m = psychro::Arithmetic::classic);

// True when every value can be shown: a finite state can still overflow once scaled, and such a
// state is answered with Outcome::noSuchState, never with an empty or infinite result.
bool showable(const ShownValues& shown);

// The eleven texts of a state, each formatted with its box's decimals, in the order of
// calc::outputs; false (texts unspecified) when some value cannot be shown (not finite once
// scaled).
bool formatResults(const psychro::AirState& air, std::array<std::string, outputs.size()>& texts,
                   psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace calc

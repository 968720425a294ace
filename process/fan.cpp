#include "process/fan.h"

#include <cmath>

#include "process/outlet.h"
#include "psychro/pair_state.h"

namespace process {

using psychro::AirState;
using psychro::Outcome;
using psychro::StateOutcome;
using Q = psychro::Quantity;

double fanHeatRise(const AirState& in, double Δp, double η) {
  const double v = (1 + in.d) / in.ρ;
  return Δp * v / (1000 * η);
}

double fanPower(const AirState& in, double Δp, double η, double G) {
  return G * fanHeatRise(in, Δp, η);
}

StateOutcome fanHeat(const AirState& in, double Δp, double η, double pa, psychro::Arithmetic m) {
  if (!(Δp > 0 && std::isfinite(Δp))) return refused(Outcome::fanPressureNotPositive);
  if (!efficiencyInRange(η)) return refused(Outcome::efficiencyRange);
  const double h = in.h + fanHeatRise(in, Δp, η);
  return emptied(psychro::stateFromPair({Q::h, h}, {Q::d, in.d}, pa, {}, m));
}

}  // namespace process

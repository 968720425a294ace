#include "process/fan.h"

#include <cmath>

#include "process/outlet.h"
#include "psychro/pair_state.h"

namespace process {

using psychro::AirState;
using Q = psychro::Quantity;

double fanHeatRise(const AirState& in, double Δp, double η) {
  const double v = (1 + in.d) / in.ρ;
  return Δp * v / (1000 * η);
}

double fanPower(const AirState& in, double Δp, double η, double G) {
  return G * fanHeatRise(in, Δp, η);
}

Outlet fanHeat(const AirState& in, double Δp, double η, double pa, psychro::Arithmetic m) {
  if (!(Δp > 0 && std::isfinite(Δp))) return refused(Code::fanPressureNotPositive);
  if (!efficiencyInRange(η)) return refused(Code::efficiencyRange);
  const double h = in.h + fanHeatRise(in, Δp, η);
  return emptied(psychro::stateFromPair({Q::h, h}, {Q::d, in.d}, pa, {}, m));
}

}  // namespace process

#include "process/outlet.h"

#include <cmath>

#include "psychro/arithmetic.h"
#include "psychro/constants.h"

namespace process {

using psychro::Outcome;
using psychro::StateOutcome;

Outlet refused(Code why) {
  return {{}, {why, Outcome::ok}};
}

Outlet refused(Outcome why) {
  return {{}, {Code::arithmetic, why}};
}

Outlet outletOf(const StateOutcome& s) {
  return {s.air, {Code::arithmetic, s.outcome}};
}

Outlet emptied(const StateOutcome& s) {
  return s.ok() ? outletOf(s) : refused(s.outcome);
}

bool beyondSaturation(double t, double d, double pa, psychro::Arithmetic m) {
  const double pv = psychro::vapourPressure(d, pa, m);
  return !(pv < pa && pv <= psychro::saturationPressure(t, m));
}

Outlet pointOnLine(double t, double d, double pa, Code beyond, psychro::Arithmetic m,
                   const psychro::Resolution& r) {
  using Q = psychro::Quantity;
  const StateOutcome s = psychro::stateFromPair({Q::t, t}, {Q::d, d}, pa, r, m);
  if (s.outcome == Outcome::noSuchState && beyondSaturation(t, d, pa, m)) return refused(beyond);
  return emptied(s);
}

double roomLineMoisture(const psychro::AirState& room, double ε, double t, psychro::Arithmetic m) {
  if (std::isinf(ε)) return room.d;
  return (room.h - ε * room.d - psychro::cpAir * t) /
         (psychro::latentHeat0 + psychro::vapourHeat(m) * t - ε);
}

}  // namespace process

#include "process/outlet.h"

#include "psychro/arithmetic.h"

namespace process {

using psychro::Outcome;
using psychro::StateOutcome;

StateOutcome refused(Outcome why) {
  return {{}, why};
}

StateOutcome emptied(StateOutcome s) {
  if (!s.ok()) s.air = {};
  return s;
}

bool beyondSaturation(double t, double d, double pa, psychro::Arithmetic m) {
  const double pv = psychro::vapourPressure(d, pa, m);
  return !(pv < pa && pv <= psychro::saturationPressure(t, m));
}

StateOutcome pointOnLine(double t, double d, double pa, Outcome beyond, psychro::Arithmetic m,
                         const psychro::Resolution& r) {
  using Q = psychro::Quantity;
  const StateOutcome s = psychro::stateFromPair({Q::t, t}, {Q::d, d}, pa, r, m);
  if (s.outcome == Outcome::noSuchState && beyondSaturation(t, d, pa, m)) return refused(beyond);
  return emptied(s);
}

}  // namespace process

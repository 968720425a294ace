#include "process/desiccant.h"

#include "process/figures.h"
#include "process/outlet.h"

namespace process {

using Q = psychro::Quantity;

Outlet dryAdiabatic(const psychro::AirState& in, psychro::Given target, double pa,
                    psychro::Arithmetic m) {
  bool dries = false;
  switch (target.quantity) {
    case Q::d:
      dries = target.value < in.d - noMoistureChange;
      break;
    case Q::rh:
      dries = target.value < in.φ;
      break;
    case Q::t:
      dries = target.value > in.t;
      break;
    default:
      return refused(psychro::Outcome::pairNotDetermined);
  }
  if (!dries) return refused(Code::dryingNotDrier);
  const psychro::StateOutcome out = psychro::stateFromPair({Q::h, in.h}, target, pa, {}, m);
  return out.ok() ? outletOf(out) : refused(Code::dryingOutOfRange);
}

}  // namespace process

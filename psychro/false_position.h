#pragma once

#include <cmath>

#include "psychro/bisection.h"

// The bracketing solver of the ASHRAE 2017 arithmetic: false position with the Illinois
// correction, guarded by halvings, so that a smooth function settles in a handful of rounds and
// any other in no more than bisection would take.
namespace psychro {

// Rounds of solveIncreasing: at most three rounds pass before the bracket has halved, so a
// bracket of width 1e3 (in the unit of x) reaches 1e-12 within 3·50 rounds; the limit leaves room.
inline constexpr int falsePositionRoundLimit = 200;

// solveIncreasing: the x in [lo, hi] where the increasing function f crosses target, to within
// tolerance (in x's unit; the bracket's ends become adjacent doubles first where that is finer).
// f(lo) <= target <= f(hi) is the caller's to ensure; a NaN or +inf value of f counts as above
// the target. Each round takes the false-position point of the bracket (halving the value kept at
// an end that stayed twice running), or its middle where that point is not strictly inside or the
// bracket has not halved over the last three rounds. Returns the middle of the final bracket.
// Bound: falsePositionRoundLimit rounds; unsettled only for a bracket that is not finite or not
// closed within them.
template <class F>
Root solveIncreasing(F f, double lo, double hi, double target, double tolerance) {
  Root r;
  if (!(std::isfinite(lo) && std::isfinite(hi) && lo <= hi)) return r;
  const auto excess = [&](double x) {
    const double v = f(x) - target;
    return std::isnan(v) ? INFINITY : v;
  };
  double fLo = excess(lo), fHi = excess(hi);
  int kept = 0;  // -1: lo replaced last round, +1: hi replaced last round
  double widthBefore = hi - lo;
  while (r.rounds < falsePositionRoundLimit) {
    const double mid = lo + (hi - lo) / 2;
    if (!(hi - lo > tolerance) || mid <= lo || mid >= hi) {
      r.x = mid;
      r.settled = true;
      return r;
    }
    ++r.rounds;
    double x = mid;
    const bool halving = r.rounds % 3 == 0 && !(hi - lo <= widthBefore / 2);
    if (r.rounds % 3 == 0) widthBefore = hi - lo;
    if (!halving && std::isfinite(fLo) && std::isfinite(fHi) && fHi != fLo) {
      const double fp = lo - fLo * (hi - lo) / (fHi - fLo);
      if (fp > lo && fp < hi) x = fp;
    }
    const double fx = excess(x);
    if (fx < 0) {
      lo = x;
      fLo = fx;
      if (kept == -1) fHi /= 2;
      kept = -1;
    } else {
      hi = x;
      fHi = fx;
      if (kept == 1) fLo /= 2;
      kept = 1;
    }
  }
  return r;
}

}  // namespace psychro

#pragma once

#include <cmath>

// The one bracketing solver of the state functions.
namespace psychro {

// Result of bisect: the root and how the search ended (the same shape as SaturationTemperature).
struct Root {
  double x = 0;    // the root, in the unit of the bracket (meaningful only when settled)
  int rounds = 0;  // halvings taken
  bool settled = false;
};

// Halvings after which any bracket of finite doubles has shrunk to adjacent numbers (a double has
// 64 bits; each halving fixes at least one of them), so the search always ends well within it.
inline constexpr int bisectRoundLimit = 200;

// bisect: the x in [lo, hi] where the increasing function f crosses target. f(lo) <= target <=
// f(hi) is the caller's to ensure (a NaN or +inf value of f counts as above the target, so an end
// where f is undefined may close the bracket). Halves the bracket until its ends are adjacent
// doubles or within tolerance (in x's unit), at most bisectRoundLimit rounds, and returns its
// middle. Unsettled only if the bound is reached, which finite brackets never do.
template <class F>
Root bisect(F f, double lo, double hi, double target, double tolerance = 0) {
  Root r;
  while (r.rounds < bisectRoundLimit) {
    const double mid = lo + (hi - lo) / 2;
    if (!(hi - lo > tolerance) || mid <= lo || mid >= hi) {
      r.x = mid;
      r.settled = std::isfinite(mid);
      return r;
    }
    ++r.rounds;
    if (f(mid) < target)
      lo = mid;
    else
      hi = mid;
  }
  return r;
}

}  // namespace psychro

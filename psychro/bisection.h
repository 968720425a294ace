#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

// The one bracketing solver of the state functions.
namespace psychro {

// Result of bisect: the root and how the search ended (the same shape as SaturationTemperature).
struct Root {
  double x = 0;    // the root, in the unit of the bracket (meaningful only when settled)
  int rounds = 0;  // halvings taken
  bool settled = false;
};

// Halvings of the value taken before the search turns to halving the representation. Within them
// a bracket of ordinary width shrinks to adjacent doubles; one that closes on a root at or near 0
// does not (the doubles are dense there: about 1075 halvings from 1 to the smallest), so the
// search goes on by halving the count of doubles between the ends, which takes at most 64 more.
inline constexpr int bisectValueRounds = 200;
inline constexpr int bisectRoundLimit = bisectValueRounds + 64;

namespace detail {

// An integer that orders doubles as their values do (−0 and +0 alike), and its inverse; the
// distance between two keys is the count of doubles between them.
inline std::int64_t orderKey(double x) {
  const auto bits = std::bit_cast<std::int64_t>(std::abs(x));
  return std::signbit(x) ? -bits : bits;
}
inline double fromOrderKey(std::int64_t k) {
  return k < 0 ? -std::bit_cast<double>(-k) : std::bit_cast<double>(k);
}

}  // namespace detail

// bisect: the x in [lo, hi] where the increasing function f crosses target. f(lo) <= target <=
// f(hi) is the caller's to ensure (a NaN or +inf value of f counts as above the target, so an end
// where f is undefined may close the bracket). Halves the bracket until its ends are adjacent
// doubles or within tolerance (in x's unit) and returns its middle (or, once the ends are adjacent
// after halving the count of doubles, the upper end): bisectValueRounds halvings of the value, then
// halvings of the count of doubles between the ends, at most bisectRoundLimit rounds in all.
// Unsettled only for a bracket that is not finite.
template <class F>
Root bisect(F f, double lo, double hi, double target, double tolerance = 0) {
  Root r;
  const auto settle = [&r](double x) {
    r.x = x;
    r.settled = std::isfinite(x);
    return r;
  };
  while (r.rounds < bisectValueRounds) {
    const double mid = lo + (hi - lo) / 2;
    if (!(hi - lo > tolerance) || mid <= lo || mid >= hi) return settle(mid);
    ++r.rounds;
    if (f(mid) < target)
      lo = mid;
    else
      hi = mid;
  }
  if (!std::isfinite(lo) || !std::isfinite(hi)) return r;
  std::int64_t kLo = detail::orderKey(lo), kHi = detail::orderKey(hi);
  for (;;) {
    // Both keys lie within ±2^63 of each other's sign-folded range, so the halved distance fits.
    const std::int64_t kMid =
        kLo + static_cast<std::int64_t>(
                  (static_cast<std::uint64_t>(kHi) - static_cast<std::uint64_t>(kLo)) / 2);
    const double mid = detail::fromOrderKey(kMid);
    // Adjacent ends: the upper one is the first double where f reaches the target (at a jump of
    // f, the side the target lies on). Checked before the round limit: fewer than 2^64 doubles
    // lie between finite ends, so the 64th halving of their count leaves them adjacent.
    if (kMid == kLo) return settle(detail::fromOrderKey(kHi));
    if (!(detail::fromOrderKey(kHi) - detail::fromOrderKey(kLo) > tolerance)) return settle(mid);
    if (r.rounds >= bisectRoundLimit) return r;
    ++r.rounds;
    if (f(mid) < target)
      kLo = kMid;
    else
      kHi = kMid;
  }
  return r;
}

}  // namespace psychro

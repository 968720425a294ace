#include "psychro/pair_state.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "psychro/air_state.h"
#include "psychro/arithmetic.h"
#include "psychro/bisection.h"
#include "psychro/constants.h"
#include "psychro/saturation.h"
#include "psychro/state_checks.h"

namespace psychro {
namespace {

constexpr double lowestT = lowestDryBulb, highestT = highestDryBulb;

bool dryBulbOutOfRange(double t) {
  return t < lowestT || t > highestT;
}

// The checks and state call of the wet-bulb route: t and tw given.
StateOutcome wetBulbRoute(double t, double tw, double pa, Arithmetic m) {
  if (dryBulbOutOfRange(t)) return {{}, Outcome::dryBulbRange};
  if (tw > t) return {{}, Outcome::wetAboveDry};
  return stateFromWetBulb(t, tw, pa, m);
}

// The checks and state call of the relative-humidity route: t and φ given.
StateOutcome humidityRoute(double t, double φ, double pa, Arithmetic m) {
  if (φ <= 0 || φ > 1) return {{}, Outcome::humidityRange};
  if (dryBulbOutOfRange(t)) return {{}, Outcome::dryBulbRange};
  return stateFromHumidity(t, φ, pa, m);
}

// The refusal of a given moisture content, kg/kg, that no state can hold, or ok: negative (or NaN)
// cannot exist; none at all exists but has no dew point the correlation can place.
Outcome moistureFault(double d) {
  if (d == 0) return Outcome::outOfBounds;
  return d > 0 && std::isfinite(d) ? Outcome::ok : Outcome::noSuchState;
}

// The vapour pressure, Pa, of a given dew point tl, °C, or the outcome why there is none.
std::pair<double, Outcome> vapourOfDewPoint(double tl, Arithmetic m) {
  if (!std::isfinite(tl)) return {0, Outcome::noSuchState};
  const double pv = vapourAtDewPointOf(tl, m);
  if (std::isfinite(pv)) return {pv, Outcome::ok};
  return {0, tl < 0 ? Outcome::outOfBounds
                    : Outcome::pairOutOfRange};  // below the fit's reach, or above 200 kPa
}

// The state at the dry bulb t, °C, whose vapour has the partial pressure pv, Pa: the relative-
// humidity route at φ = pv / pws(t). tGiven tells whether t was typed (dryBulbRange) or found from
// the pair (pairOutOfRange).
StateOutcome fromDryBulbAndVapour(double t, double pv, double pa, bool tGiven, Arithmetic m) {
  if (!(t >= lowestT && t <= highestT))
    return {{}, tGiven ? Outcome::dryBulbRange : Outcome::pairOutOfRange};
  if (pv == 0) return {{}, Outcome::outOfBounds};
  if (!(pv > 0) || !(pv < pa)) return {{}, Outcome::noSuchState};
  const double φ = pv / saturationPressure(t, m);
  if (!(φ <= 1)) return {{}, Outcome::noSuchState};  // more vapour than saturation allows
  return stateFromHumidity(t, φ, pa, m);
}

// The state at the dry bulb t, °C, holding d, kg/kg.
StateOutcome fromDryBulbAndMoisture(double t, double d, double pa, bool tGiven, Arithmetic m) {
  if (const Outcome fault = moistureFault(d); fault != Outcome::ok) return {{}, fault};
  return fromDryBulbAndVapour(t, vapourPressure(d, pa, m), pa, tGiven, m);
}

// The state of enthalpy h, kJ/kg, and moisture d, kg/kg: h = 2501·d + t·(1.006 + 1.805·d) solved
// for t.
StateOutcome fromEnthalpyAndMoisture(double h, double d, double pa, Arithmetic m) {
  if (const Outcome fault = moistureFault(d); fault != Outcome::ok) return {{}, fault};
  return fromDryBulbAndMoisture(dryBulbOfEnthalpy(h, d, m), d, pa, false, m);
}

// The state at relative humidity φ whose vapour has the partial pressure pv, Pa: φ·pws(t) = pv
// solved for t by bisection on [-50, 100] °C (pws rises with t).
StateOutcome fromHumidityAndVapour(double φ, double pv, double pa, Arithmetic m) {
  if (pv == 0) return {{}, Outcome::outOfBounds};
  if (!(pv > 0) || !(pv < pa)) return {{}, Outcome::noSuchState};
  const auto vapourAt = [φ, m](double t) { return φ * saturationPressure(t, m); };
  if (!(vapourAt(lowestT) <= pv && pv <= vapourAt(highestT))) return {{}, Outcome::pairOutOfRange};
  const Root t = bisect(vapourAt, lowestT, highestT, pv);
  if (!t.settled) return {{}, Outcome::outOfBounds};
  return stateFromHumidity(t.x, φ, pa, m);
}

// The state of enthalpy h, kJ/kg, at relative humidity φ: h(t) at φ rises with t; solved by
// bisection on [-50, 100] °C, where vapour at or above the total pressure counts as too warm.
StateOutcome fromEnthalpyAndHumidity(double h, double φ, double pa, Arithmetic m) {
  const auto enthalpyAt = [φ, pa, m](double t) {
    const double pv = φ * saturationPressure(t, m);
    return pv < pa ? enthalpy(t, moistureContent(pv, pa, m), m) : INFINITY;
  };
  if (!(enthalpyAt(lowestT) <= h && h <= enthalpyAt(highestT)))
    return {{}, Outcome::pairOutOfRange};
  const Root t = bisect(enthalpyAt, lowestT, highestT, h);
  if (!t.settled) return {{}, Outcome::outOfBounds};
  return stateFromHumidity(t.x, φ, pa, m);
}

// The state at wet bulb tw, °C, holding d, kg/kg: the wet-bulb balance is linear in the dry bulb,
// solved for it by dryBulbOnWetBulbLine.
StateOutcome fromWetBulbAndMoisture(double tw, double d, double pa, Arithmetic m) {
  if (const Outcome fault = moistureFault(d); fault != Outcome::ok) return {{}, fault};
  if (!std::isfinite(tw)) return {{}, Outcome::noSuchState};
  const double t = dryBulbOnWetBulbLine(tw, d, pa, m);
  if (!(t >= lowestT && t <= highestT)) return {{}, Outcome::pairOutOfRange};
  if (tw > t) return {{}, Outcome::noSuchState};  // more moisture than saturation at tw allows
  return stateFromWetBulb(t, tw, pa, m);
}

// The state at wet bulb tw, °C, and relative humidity φ: along the wet-bulb line φ falls from
// saturation at t = tw to 0 where d reaches 0, at t0 = dryEndOfWetBulbLine (classic:
// tw + ds·(2501 − 2.381·tw)); bisection on [max(tw, -50), min(t0, 100)] °C.
StateOutcome fromWetBulbAndHumidity(double tw, double φ, double pa, Arithmetic m) {
  if (!std::isfinite(tw)) return {{}, Outcome::noSuchState};
  const double t0 = dryEndOfWetBulbLine(tw, pa, m);
  const double lo = std::max(tw, lowestT);
  const double hi = std::min(t0, highestT);
  if (!(lo <= hi)) return {{}, Outcome::pairOutOfRange};
  // −φ along the line, rising with t; a state that does not exist counts as driest.
  const auto dryness = [tw, pa, m](double t) {
    const StateOutcome s = stateFromWetBulb(t, tw, pa, m);
    return s.air.d >= 0 && std::isfinite(s.air.φ) ? -s.air.φ : 0.0;
  };
  if (!(dryness(lo) <= -φ || lo == tw)) return {{}, Outcome::pairOutOfRange};
  if (!(-φ <= dryness(hi))) return {{}, Outcome::pairOutOfRange};
  const Root t = bisect(dryness, lo, hi, -φ);
  if (!t.settled) return {{}, Outcome::outOfBounds};
  return stateFromWetBulb(t.x, tw, pa, m);
}

// Whether a given relative humidity, fraction, can be used.
bool humidityUsable(double φ) {
  return φ > 0 && φ <= 1;
}

}  // namespace

bool determines(Quantity a, Quantity b) {
  if (a == b) return false;
  const auto is = [&](Quantity x, Quantity y) { return (a == x && b == y) || (a == y && b == x); };
  return !is(Quantity::tl, Quantity::d) && !is(Quantity::tw, Quantity::h);
}

std::optional<Quantity> quantityNamed(std::string_view name) {
  constexpr std::pair<std::string_view, Quantity> names[] = {
      {"t", Quantity::t},   {"tw", Quantity::tw}, {"rh", Quantity::rh},
      {"tl", Quantity::tl}, {"d", Quantity::d},   {"h", Quantity::h}};
  for (const auto& [n, q] : names)
    if (n == name) return q;
  return std::nullopt;
}

namespace {

StateOutcome fromDewPoint(double tl, Given other, double pa, double tlResolution, Arithmetic m);

// The state of a pair that determines one, before any rounding onto saturation.
StateOutcome solvePair(Given a, Given b, double pa, double tlResolution, Arithmetic m) {
  if (b.quantity < a.quantity) std::swap(a, b);  // the order of the enum: t, tw, rh, tl, d, h
  const double x = a.value, y = b.value;
  using Q = Quantity;
  const Q p = a.quantity, q = b.quantity;

  if (p == Q::t && q == Q::tw) return wetBulbRoute(x, y, pa, m);
  if (p == Q::t && q == Q::rh) return humidityRoute(x, y, pa, m);
  if ((p == Q::rh && !humidityUsable(x)) || (q == Q::rh && !humidityUsable(y)))
    return {{}, Outcome::humidityRange};
  if (p == Q::t && dryBulbOutOfRange(x)) return {{}, Outcome::dryBulbRange};

  if (p == Q::tl) return fromDewPoint(x, b, pa, tlResolution, m);
  if (q == Q::tl) return fromDewPoint(y, a, pa, tlResolution, m);

  if (p == Q::t && q == Q::d) return fromDryBulbAndMoisture(x, y, pa, true, m);
  if (p == Q::t && q == Q::h) {
    return fromDryBulbAndMoisture(x, moistureOfEnthalpy(y, x, m), pa, true, m);
  }
  if (p == Q::tw && q == Q::rh) return fromWetBulbAndHumidity(x, y, pa, m);
  if (p == Q::tw && q == Q::d) return fromWetBulbAndMoisture(x, y, pa, m);
  if (p == Q::rh && q == Q::d) {
    if (const Outcome fault = moistureFault(y); fault != Outcome::ok) return {{}, fault};
    return fromHumidityAndVapour(x, vapourPressure(y, pa, m), pa, m);
  }
  if (p == Q::rh && q == Q::h) return fromEnthalpyAndHumidity(y, x, pa, m);
  if (p == Q::d && q == Q::h) return fromEnthalpyAndMoisture(y, x, pa, m);
  return {{}, Outcome::pairNotDetermined};
}

// The state whose shown dew point, min(correlation, t), is tl, °C, given one other quantity. With
// the dry or wet bulb given equal to tl, saturated air. Else, in turn: the state whose vapour the
// correlation's high branch puts at tl where both branches reach it; the state whose dry bulb is
// tl and whose correlation reaches it (so it shows tl); the state whose correlation gives tl. A
// state whose correlation gives tl must not be colder than tl, or it would show its own dry bulb.
// tlResolution, °C, is how finely tl is known.
StateOutcome fromDewPoint(double tl, Given other, double pa, double tlResolution, Arithmetic m) {
  if ((other.quantity == Quantity::t || other.quantity == Quantity::tw) && other.value == tl) {
    if (dryBulbOutOfRange(tl))
      return {{}, other.quantity == Quantity::t ? Outcome::dryBulbRange : Outcome::pairOutOfRange};
    return stateFromHumidity(tl, 1, pa, m);
  }
  const auto [pv, fault] = vapourOfDewPoint(tl, m);
  const auto withVapour = [&](double vapour) -> StateOutcome {
    if (!(vapour < pa)) return {{}, Outcome::noSuchState};
    StateOutcome s;
    switch (other.quantity) {
      case Quantity::t:
        s = fromDryBulbAndVapour(other.value, vapour, pa, true, m);
        break;
      case Quantity::tw:
        s = fromWetBulbAndMoisture(other.value, moistureContent(vapour, pa, m), pa, m);
        break;
      case Quantity::rh:
        s = fromHumidityAndVapour(other.value, vapour, pa, m);
        break;
      case Quantity::h:
        s = fromEnthalpyAndMoisture(other.value, moistureContent(vapour, pa, m), pa, m);
        break;
      default:
        return {{}, Outcome::pairNotDetermined};
    }
    if (s.ok() && s.air.t < tl - tlResolution) return {{}, Outcome::noSuchState};
    return s;
  };
  // Just below 0 °C both branches of the correlation reach tl; air at 0 °C and above holds the
  // high branch's vapour, so that one is tried first. ASHRAE's dew point has one branch.
  if (const double high = m == Arithmetic::classic ? highBranchVapourAtDewPoint(tl) : NAN;
      fault == Outcome::ok && std::isfinite(high) && high != pv) {
    const StateOutcome s = withVapour(high);
    if (s.ok()) return s;
  }
  if (other.quantity != Quantity::t && !dryBulbOutOfRange(tl)) {
    const StateOutcome own = solvePair({Quantity::t, tl}, other, pa, tlResolution, m);
    if (own.ok() && own.air.tl >= tl - tlResolution) return own;
  }

  if (fault != Outcome::ok) return {{}, fault};
  return withVapour(pv);
}

// The value of quantity q, in its own unit, of saturated air at t, °C, under pa, Pa, as the
// calculator shows it; +inf where saturation is at or above the total pressure. Never falls as t
// rises.
double saturatedValue(Quantity q, double t, double pa, Arithmetic m) {
  const double pws = saturationPressure(t, m);
  switch (q) {
    case Quantity::t:
    case Quantity::tw:
      return t;
    case Quantity::rh:
      return 1;
    case Quantity::tl:
      return shownDewPoint(pws, t, m);
    case Quantity::d:
      return pws < pa ? moistureContent(pws, pa, m) : INFINITY;
    case Quantity::h:
      return pws < pa ? enthalpy(t, moistureContent(pws, pa, m), m) : INFINITY;
  }
  return NAN;
}

// The dry bulb, °C, of saturated air whose two given values both lie within their resolution of
// the values it shows, if there is one in -50…100 °C: the given dry or wet bulb where saturated air
// there shows the other value too, else the middle of the dry bulbs that meet both. Not an end of
// them: there one value lies exactly half a unit from its text, where the last ulps of its formula
// decide whether it is within and which way it rounds.
std::optional<double> saturatedWithin(Given a, Given b, double pa, const Resolution& r,
                                      Arithmetic m) {
  double lo = lowestT, hi = highestT;
  for (const Given g : {a, b}) {
    const double e = r.of(g.quantity);
    const auto value = [&](double t) { return saturatedValue(g.quantity, t, pa, m); };
    if (!(value(lowestT) <= g.value + e && g.value - e <= value(highestT))) return std::nullopt;
    if (value(lowestT) < g.value - e)
      lo = std::max(lo, bisect(value, lowestT, highestT, g.value - e).x);
    if (value(highestT) > g.value + e)
      hi = std::min(hi, bisect(value, lowestT, highestT, g.value + e).x);
  }
  if (!(lo <= hi)) return std::nullopt;
  double t = lo + (hi - lo) / 2;
  for (const Given g : {a, b})
    if ((g.quantity == Quantity::t || g.quantity == Quantity::tw) && lo <= g.value && g.value <= hi)
      t = g.value;
  for (const Given g : {a, b}) {
    // The bisected ends are good to adjacent doubles; allow the last few ulps of each value.
    const double e = r.of(g.quantity) * (1 + 1e-9) +
                     4 * std::numeric_limits<double>::epsilon() * std::abs(g.value);
    if (!(std::abs(saturatedValue(g.quantity, t, pa, m) - g.value) <= e)) return std::nullopt;
  }
  return t;
}

}  // namespace

double Resolution::of(Quantity q) const {
  switch (q) {
    case Quantity::t:
      return t;
    case Quantity::tw:
      return tw;
    case Quantity::rh:
      return rh;
    case Quantity::tl:
      return tl;
    case Quantity::d:
      return d;
    case Quantity::h:
      return h;
  }
  return 0;
}

StateOutcome stateFromPair(Given a, Given b, double pa, const Resolution& resolution,
                           Arithmetic m) {
  if (!determines(a.quantity, b.quantity)) return {{}, Outcome::pairNotDetermined};
  const StateOutcome s = solvePair(a, b, pa, resolution.tl, m);
  // Beyond saturation, or just beyond −50 ℃ where the rounding of saturated air's texts puts it.
  if (s.outcome != Outcome::noSuchState && s.outcome != Outcome::pairOutOfRange) return s;
  // The Calculate command's two routes refuse as they always have.
  const auto is = [&](Quantity x, Quantity y) {
    return (a.quantity == x && b.quantity == y) || (a.quantity == y && b.quantity == x);
  };
  if (is(Quantity::t, Quantity::tw) || is(Quantity::t, Quantity::rh)) return s;
  if (const std::optional<double> t = saturatedWithin(a, b, pa, resolution, m)) {
    // Saturated air that cannot be computed either (its vapour at the total pressure, near
    // 100 ℃) leaves the pair's own refusal.
    if (const StateOutcome saturated = stateFromHumidity(*t, 1, pa, m); saturated.ok())
      return saturated;
  }
  return s;
}

}  // namespace psychro

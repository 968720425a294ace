#include <algorithm>
#include <cmath>

#include "psychro/ashrae.h"
#include "psychro/constants.h"
#include "psychro/false_position.h"
#include "psychro/state_checks.h"

namespace psychro::ashrae {
namespace {

// Ratio of the molar masses of water and dry air.
constexpr double massRatio = 0.621945;
// Enthalpy: dry air's specific heat, water vapour's, kJ/(kg·K) (psychro/ashrae.h), and the heat
// of vaporisation at 0 °C, kJ/kg.
constexpr double cpa = cpAir, cpv = cpVapour, r0 = 2501;
// Dry air's gas constant, kJ/(kg·K), and the ratio of the gas constants of vapour and dry air.
constexpr double Ra = 0.287042, gasRatio = 1.607858;

// The two balances of the wet bulb: r0b − ab·tw and rb − bb·tw with a water bulb (r0b = r = 2501,
// ab = 2.326, bb = 4.186) and an ice bulb (2830, 0.24, 2.1).
struct Balance {
  double r, a, b;
};
constexpr Balance waterBulb{2501, 2.326, 4.186}, iceBulb{2830, 0.24, 2.1};

const Balance& balanceAt(double tw) {
  return tw >= 0 ? waterBulb : iceBulb;
}

// The saturation moisture content, kg/kg, at tw, °C, under pa, Pa; +inf where saturation reaches
// pa, NaN outside the formulas.
double saturationMoisture(double tw, double pa) {
  const double ps = saturationPressure(tw);
  if (std::isnan(ps)) return ps;
  return ps < pa ? moistureContent(ps, pa) : INFINITY;
}

// The dew point shown for vapour at pv, Pa, in air at t, °C: never above t, and t itself for
// saturated air.
double shownDewPoint(double pv, double t, bool saturated) {
  if (saturated) return t;
  const double tl = dewPoint(pv);
  return tl > t ? t : tl;
}

}  // namespace

double moistureContent(double pv, double pa) {
  return massRatio * pv / (pa - pv);
}

double vapourPressure(double d, double pa) {
  return pa * d / (massRatio + d);
}

double enthalpy(double t, double d) {
  return cpa * t + d * (r0 + cpv * t);
}

double dryBulbOfEnthalpy(double h, double d) {
  return (h - r0 * d) / (cpa + cpv * d);
}

double moistureOfEnthalpy(double h, double t) {
  return (h - cpa * t) / (r0 + cpv * t);
}

double specificVolume(double t, double d, double pa) {
  return Ra * (t + kelvin) * (1 + gasRatio * d) / (pa / 1000);
}

double density(double t, double d, double pa) {
  return (1 + d) / specificVolume(t, d, pa);
}

double wetBulbMoisture(double t, double tw, double pa) {
  const double ws = saturationMoisture(tw, pa);
  // Saturated air balances at its own dry bulb: both balances reduce to ws there, which their
  // sums would give only to the last few digits.
  if (!std::isfinite(ws) || tw == t) return ws;
  const Balance& k = balanceAt(tw);
  return ((k.r - k.a * tw) * ws - cpa * (t - tw)) / (k.r + cpv * t - k.b * tw);
}

double dryBulbOnWetBulbLine(double tw, double d, double pa) {
  const double ws = saturationMoisture(tw, pa);
  const Balance& k = balanceAt(tw);
  return ((k.r - k.a * tw) * ws + cpa * tw - d * (k.r - k.b * tw)) / (cpa + cpv * d);
}

double dryEndOfWetBulbLine(double tw, double pa) {
  return dryBulbOnWetBulbLine(tw, 0, pa);
}

Root wetBulb(double t, double d, double pa) {
  const auto moistureAt = [t, pa](double tw) { return wetBulbMoisture(t, tw, pa); };
  if (!(t >= lowestT && t <= highestT) || !(moistureAt(lowestT) <= d) || !(d <= moistureAt(t)))
    return {};
  // The ice bulb's balance at 0 °C lies above the water bulb's, so a moisture content between
  // the two balances with either bulb. The water bulb is taken wherever one at 0 °C or above
  // balances, the ice bulb below that: each branch rises with the wet bulb, and the wet bulb never
  // falls as t rises at fixed φ or d (it steps up where the water bulb takes over).
  if (t >= 0 && moistureAt(0) <= d) return solveIncreasing(moistureAt, 0, t, d, tolerance);
  return solveIncreasing(moistureAt, lowestT, std::min(t, std::nextafter(0.0, -1.0)), d, tolerance);
}

StateOutcome stateFromWetBulb(double t, double tw, double pa) {
  StateOutcome out;
  AirState& air = out.air;
  air.t = t;
  air.tw = tw;
  air.d = wetBulbMoisture(t, tw, pa);
  // Negative moisture: air too dry for this wet bulb; NaN or +inf: beyond the formulas or
  // saturation at the wet bulb reaching the total pressure.
  if (!(air.d >= 0) || !std::isfinite(air.d)) {
    out.outcome = Outcome::noSuchState;
    return out;
  }
  // An ice bulb given where the same air also balances with a water bulb (a narrow band just
  // below 0 °C): the air shows its water bulb, as every other route finds it, so that the same
  // air never shows two wet bulbs.
  if (tw < 0 && t >= 0 && wetBulbMoisture(t, 0, pa) <= air.d) {
    const Root water = wetBulb(t, air.d, pa);
    if (water.settled) air.tw = std::min(water.x, t);
  }
  const double pv = vapourPressure(air.d, pa);
  air.φ = pv / saturationPressure(t);
  air.h = enthalpy(t, air.d);
  air.tl = shownDewPoint(pv, t, tw == t);
  air.ρ = density(t, air.d, pa);
  out.outcome = finalCheck(air);
  return out;
}

StateOutcome stateFromHumidity(double t, double φ, double pa) {
  StateOutcome out;
  AirState& air = out.air;
  air.t = t;
  air.φ = φ;
  const double pv = φ * saturationPressure(t);
  air.d = moistureContent(pv, pa);
  if (!(pv < pa)) {
    out.outcome = Outcome::noSuchState;
    return out;
  }
  air.tw = t;
  const Root wb = wetBulb(t, air.d, pa);
  if (!wb.settled) {
    out.outcome = Outcome::outOfBounds;
    return out;
  }
  // Saturated air's wet bulb and dew point are its dry bulb, which their solves reach only to
  // within their tolerance (a hundredth lower where t is a tie between two shown hundredths).
  air.tw = φ >= 1 ? t : std::min(wb.x, t);
  air.h = enthalpy(t, air.d);
  air.tl = shownDewPoint(pv, t, φ >= 1);
  air.ρ = density(t, air.d, pa);
  out.outcome = finalCheck(air);
  return out;
}

}  // namespace psychro::ashrae

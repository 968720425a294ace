#pragma once

#include <optional>
#include <string_view>

#include "psychro/air_state.h"

// The state of humid air from any two of six quantities, with either arithmetic of the calculator
// (psychro/arithmetic.h): every pair is solved through the two state routes of that arithmetic.
namespace psychro {

// The quantities a state can be given by. Values are in the state's own units: t, tw, tl in °C,
// rh as a fraction 0..1, d in kg/kg, h in kJ per kg of dry air.
enum class Quantity { t, tw, rh, tl, d, h };

struct Given {
  Quantity quantity;
  double value;
};

// How finely given values are known, in the state's own units: half a unit of the last digit the
// calculator shows of each quantity. Zero (the default) takes every value as exact.
struct Resolution {
  double t = 0, tw = 0, rh = 0, tl = 0, d = 0, h = 0;

  double of(Quantity q) const;
};

// True when the two quantities fix a state (t+tw, t+rh, t+tl, t+d, t+h, h+rh, h+d, h+tl, d+rh,
// tl+rh, tw+rh, tw+tl, tw+d, in either order); false for tl+d, tw+h and a quantity named twice.
bool determines(Quantity a, Quantity b);

// stateFromPair: the state, at the total pressure pa, Pa, given two quantities. t+tw is
// stateFromWetBulb and t+rh is stateFromHumidity, checked as the Calculate command checks them;
// every other pair first finds the dry bulb (and the relative humidity or wet bulb) that meets it,
// then takes the state from the same two routes, so that all pairs agree with them. A pair that
// does not determine a state gives Outcome::pairNotDetermined; a dry bulb outside -50…100 °C gives
// dryBulbRange (pairOutOfRange where the solve finds none in range); φ outside (0, 1]
// humidityRange; tw > t wetAboveDry.
//
// A dew point is the one the calculator shows, min(correlation, t): a dew point equal to the dry
// bulb (or to the wet bulb) is saturated air; a state whose shown dew point is its own dry bulb is
// found at t = tl; otherwise the correlation gives the vapour pressure. Every pair but t+tw and
// t+rh that lands beyond saturation by no more than the resolution of both given values is the
// saturated state within it (so too where that rounding puts the solve just outside -50…100 °C);
// farther beyond, noSuchState.
//
// The arithmetic m: every formula, route and dew point above is that arithmetic's (with ASHRAE's,
// the dew point is the inverse of its saturation pressure and has a single branch).
StateOutcome stateFromPair(Given a, Given b, double pa = standardPressure,
                           const Resolution& resolution = {}, Arithmetic m = Arithmetic::classic);

// The quantity named by a short name: "t", "tw", "rh", "tl", "d", "h".
std::optional<Quantity> quantityNamed(std::string_view name);

}  // namespace psychro

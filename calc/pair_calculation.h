#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/outputs.h"
#include "calc/route.h"
#include "psychro/pair_state.h"

// The whole calculation from any two known quantities, in the units the window shows: t, tw, tl
// in °C, rh in per cent, d in g/kg, h in kJ/kg.
namespace calc {

struct Pair {
  psychro::Quantity first, second;

  bool operator==(const Pair&) const = default;
};

// The pair a route computes from: t+tw for the wet-bulb route, t+rh for the relative-humidity
// route. Every face that offers the two routes (the window's selector, torvale-calc's --tw and
// --rh, a CSV mode of tw, rh, 0 or 1) reads them through this.
constexpr Pair routePair(Route route) {
  return {psychro::Quantity::t,
          route == Route::wetBulb ? psychro::Quantity::tw : psychro::Quantity::rh};
}

// The pair at an index of the window's second selector (routeAt): empty for no route.
constexpr std::optional<Pair> selectedPair(int index) {
  const std::optional<Route> route = routeAt(index);
  if (!route) return std::nullopt;
  return routePair(*route);
}

// The pair named "A+B" (names t, tw, rh, tl, d, h in any case, blanks around each allowed), if it
// determines a state; otherwise empty, and the second form puts why in error (pairNameWords).
std::optional<Pair> pairNamed(std::string_view text);
std::optional<Pair> pairNamed(std::string_view text, std::string& error);

// Why text names no pair that determines a state: an unknown name ("无法识别的参数组合 …"), or
// a pair such as tl+d (the words of Outcome::pairNotDetermined and the pair as given).
std::string pairNameWords(std::string_view text);

// The short name of a quantity ("rh") and the caption of its value as the window shows it
// ("φ", with "%" after the value).
std::string_view quantityName(psychro::Quantity q);
// The caption of a quantity with its unit, as the dialogs label its value: "干球温度 t ℃".
std::string_view quantityCaption(psychro::Quantity q);

// How a state was given, e.g. "t=25, φ=50%", from the pair and the two texts as typed.
std::string givenText(Pair pair, std::string_view first, std::string_view second);

// The outcome of one calculation: the state and its eleven texts, or exactly one refusal (its text
// is calc::words(outcome)).
struct Calculation {
  psychro::AirState air;
  std::array<std::string, outputs.size()> texts;  // in the order of calc::outputs
  psychro::Outcome outcome = psychro::Outcome::ok;

  bool ok() const { return outcome == psychro::Outcome::ok; }
};

// The state from the pair's two values, in the window's units, at the total pressure pa, Pa, or
// the outcome why there is none; calculate() without the texts. Each of these computes with the
// arithmetic m.
psychro::StateOutcome pairState(Pair pair, double first, double second, double pa,
                                psychro::Arithmetic m = psychro::Arithmetic::classic);

// The state from the pair's two values, in the window's units, at the total pressure pa, Pa.
Calculation calculate(Pair pair, double first, double second, double pa,
                      psychro::Arithmetic m = psychro::Arithmetic::classic);

// The same from the two values as typed: an empty text gives Outcome::missingInput;
// otherwise each is read as the window reads it (numericValue).
Calculation calculateTyped(Pair pair, std::string_view first, std::string_view second, double pa,
                           psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace calc

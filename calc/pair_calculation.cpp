#include "calc/pair_calculation.h"

#include <cmath>

#include "calc/messages.h"
#include "calc/number_text.h"
#include "calc/state_results.h"

namespace calc {
namespace {

using psychro::Quantity;

// A value in the window's unit of q in the state's own: per cent and g/kg to fractions (divided,
// as the relative-humidity route always has, so its results stay exactly as they were).
double inStateUnits(Quantity q, double shown) {
  if (q == Quantity::rh) return shown / 100;
  if (q == Quantity::d) return shown / 1000;
  return shown;
}

std::string_view trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::optional<Quantity> quantityOf(std::string_view name) {
  std::string lower(trimmed(name));
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return psychro::quantityNamed(lower);
}

// How finely the window shows each quantity, in the state's own units: half a unit of the last
// digit of its box, so that a state fed back by its shown texts is found even where their rounding
// puts it a hair beyond saturation.
psychro::Resolution shownResolution() {
  const auto half = [](Output box) {
    const OutputInfo& o = info(box);
    return std::pow(10.0, -o.decimals) / 2 / o.factor;
  };
  psychro::Resolution r;
  r.t = half(Output::dryBulb);
  r.rh = half(Output::humidity);
  r.tw = half(Output::wetBulb);
  r.h = half(Output::enthalpy);
  r.tl = half(Output::dewPoint);
  r.d = half(Output::moisture);
  return r;
}

}  // namespace

std::optional<Pair> pairNamed(std::string_view text) {
  const std::size_t plus = text.find('+');
  const std::optional<Quantity> a = quantityOf(text.substr(0, plus));
  const std::optional<Quantity> b =
      plus == std::string_view::npos ? std::nullopt : quantityOf(text.substr(plus + 1));
  if (!a || !b || !psychro::determines(*a, *b)) return std::nullopt;
  return Pair{*a, *b};
}

std::optional<Pair> pairNamed(std::string_view text, std::string& error) {
  std::optional<Pair> pair = pairNamed(text);
  if (!pair) error = pairNameWords(text);
  return pair;
}

std::string pairNameWords(std::string_view text) {
  const std::size_t plus = text.find('+');
  if (!quantityOf(text.substr(0, plus)) || plus == std::string_view::npos ||
      !quantityOf(text.substr(plus + 1)))
    return "无法识别的参数组合 \"" + std::string(text) +
           "\"：应为 A+B，A、B 取 t、tw、rh、tl、d、h 之一";
  return std::string(words(psychro::Outcome::pairNotDetermined)) + "：" +
         std::string(trimmed(text));
}

std::string_view quantityName(Quantity q) {
  constexpr std::string_view names[] = {"t", "tw", "rh", "tl", "d", "h"};
  return names[static_cast<int>(q)];
}

std::string_view quantityCaption(Quantity q) {
  constexpr std::string_view captions[] = {"干球温度 t ℃",  "湿球温度 tw ℃", "相对湿度 φ %",
                                           "露点温度 tl ℃", "含湿量 d g/kg", "焓 h kJ/kg"};
  return captions[static_cast<int>(q)];
}

std::string givenText(Pair pair, std::string_view first, std::string_view second) {
  const auto part = [](Quantity q, std::string_view value) {
    constexpr std::string_view symbols[] = {"t", "tw", "φ", "tl", "d", "h"};
    std::string s(symbols[static_cast<int>(q)]);
    s += '=';
    s += trimmed(value);
    if (q == Quantity::rh) s += '%';
    return s;
  };
  return part(pair.first, first) + ", " + part(pair.second, second);
}

psychro::StateOutcome pairState(Pair pair, double first, double second, double pa,
                                psychro::Arithmetic m) {
  static const psychro::Resolution resolution = shownResolution();
  return psychro::stateFromPair({pair.first, inStateUnits(pair.first, first)},
                                {pair.second, inStateUnits(pair.second, second)}, pa, resolution,
                                m);
}

Calculation calculate(Pair pair, double first, double second, double pa, psychro::Arithmetic m) {
  Calculation c;
  const psychro::StateOutcome s = pairState(pair, first, second, pa, m);
  c.air = s.air;
  c.outcome = s.outcome;
  if (c.ok() && !formatResults(c.air, c.texts, m)) c.outcome = psychro::Outcome::noSuchState;
  return c;
}

Calculation calculateTyped(Pair pair, std::string_view first, std::string_view second, double pa,
                           psychro::Arithmetic m) {
  if (first.empty() || second.empty()) {
    Calculation c;
    c.outcome = psychro::Outcome::missingInput;
    return c;
  }
  return calculate(pair, numericValue(first), numericValue(second), pa, m);
}

}  // namespace calc

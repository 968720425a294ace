#pragma once

// What every fuzz harness checks of eleven shown results: each a finite fixed-point number with
// its box's decimals and no minus sign on zero, of a physical state.
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "calc/outputs.h"

namespace fuzzing {

// The text with every byte outside printable ASCII (and the backslash) as \xNN.
inline std::string printable(std::string_view s) {
  std::string out;
  for (const char byte : s) {
    const auto c = static_cast<unsigned char>(byte);
    char buf[8];
    std::snprintf(buf, sizeof buf, c >= 0x20 && c < 0x7F && c != '\\' ? "%c" : "\\x%02X", c);
    out += buf;
  }
  return out;
}

// -?[0-9]+ followed by exactly `decimals` fraction digits (and a point when there are any).
inline bool isFixed(std::string_view s, int decimals) {
  if (s.starts_with('-')) s.remove_prefix(1);
  const std::size_t point = s.find('.');
  const std::string_view whole = s.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? "" : s.substr(point + 1);
  const auto digits = [](std::string_view d) {
    return !d.empty() && d.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (!digits(whole)) return false;
  if (decimals == 0) return point == std::string_view::npos;
  return point != std::string_view::npos && fraction.size() == std::size_t(decimals) &&
         digits(fraction);
}

// Why the eleven texts, in box order, are not a shown physical state; nullptr when they are.
inline const char* resultFault(const std::array<std::string, calc::outputs.size()>& texts) {
  double shown[calc::outputs.size()];
  for (std::size_t i = 0; i < calc::outputs.size(); ++i) {
    const std::string& text = texts[i];
    if (!isFixed(text, calc::outputs[i].decimals)) return "result is not a fixed-point number";
    const char* first = text.data() + (text.starts_with('-') ? 1 : 0);
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), shown[i]);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(shown[i]))
      return "result does not read back as a finite number";
    if (text.starts_with('-')) {
      if (shown[i] == 0) return "zero shown with a minus sign";
      shown[i] = -shown[i];
    }
  }
  // Rounding keeps order, so neither the wet bulb nor the dew point may show above the dry bulb;
  // the dew-point correlation runs up to 1.5 K above the frost point near -50 °C.
  const double t = shown[0], rh = shown[1], tw = shown[2], tl = shown[4];
  if (t < -50 || t > 100) return "dry bulb outside -50…100 °C";
  if (tw > t) return "wet bulb above dry bulb";
  if (tl > t) return "dew point above dry bulb";
  if (tl > tw + 1.6) return "dew point above wet bulb";
  if (rh < 0 || rh > 100) return "relative humidity outside 0..100 %";
  for (std::size_t i : {5u, 6u, 7u, 8u, 9u, 10u})  // rho, d, cp, mu, lambda, pr
    if (shown[i] < 0) return "negative density, moisture or transport property";
  return nullptr;
}

}  // namespace fuzzing

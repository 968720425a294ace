#pragma once

#include <optional>

// The two routes of the Calculate command: the dry bulb with the wet bulb, or with the relative
// humidity.
namespace calc {

// In the order the window's second selector (object name Combo2) lists them.
enum class Route { wetBulb, humidity };

// The route at an index of the window's second selector: 0 the wet bulb, 1 the relative humidity;
// none for any other index (-1 when nothing is selected).
constexpr std::optional<Route> routeAt(int index) {
  if (index == 0) return Route::wetBulb;
  if (index == 1) return Route::humidity;
  return std::nullopt;
}

}  // namespace calc

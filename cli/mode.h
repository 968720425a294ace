#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/pair_calculation.h"

namespace cli {

// The route a CSV mode field selects: "tw" or "0" the wet-bulb route, "rh" or "1" the
// relative-humidity route, in any case and with blanks around; anything else none, which the
// command refuses as the window refuses an empty selector.
std::optional<calc::Route> modeRoute(std::string_view mode);

// The pair a CSV mode field names: the two routes by index or name (t+tw, t+rh), or any pair
// "A+B" of calc::pairNamed. Empty for a field that names none: then error holds the record's
// notice (a refused pair says why, the field shown by visibleText; anything else is, as in the
// window, no selection).
std::optional<calc::Pair> modePair(std::string_view mode, std::string& error);

}  // namespace cli

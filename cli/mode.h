#pragma once

#include <string_view>

namespace cli {

// Combo2 index a CSV mode field selects: "tw" or "0" the wet-bulb route (0), "rh" or "1" the
// relative-humidity route (1), anything else no selection (-1), which the command refuses.
int modeIndex(std::string_view mode);

}  // namespace cli

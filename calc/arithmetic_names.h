#pragma once

#include <optional>
#include <string_view>

#include "psychro/arithmetic.h"

// The names of the two arithmetics (psychro::Arithmetic): as the faces show them, as the workspace
// file records them, and as torvale-calc's and torvale's --model take them.
namespace calc {

// The caption the arithmetic goes under in sheets, settings and printouts.
inline constexpr std::string_view arithmeticCaption = "计算方法";

// "经典" or "ASHRAE 2017".
std::string_view arithmeticName(psychro::Arithmetic m);

// The workspace file's key: "classic" or "ashrae-2017".
std::string_view arithmeticKey(psychro::Arithmetic m);

// The arithmetic of a file key; empty for any other text.
std::optional<psychro::Arithmetic> arithmeticOfKey(std::string_view key);

// The arithmetic of a --model name, "classic" or "ashrae"; empty for any other text.
std::optional<psychro::Arithmetic> arithmeticOfModelName(std::string_view name);

}  // namespace calc

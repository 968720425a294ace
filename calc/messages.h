#pragma once

#include <string_view>

#include "psychro/pair_state.h"

// The notices of the Calculate command. The state functions bring their own two
// (psychro::noSuchState, psychro::outOfBounds) and those of the range checks they share.
namespace calc::messages {

inline constexpr std::string_view title = "提示信息";
inline constexpr std::string_view missingInput = "请输入具体参数";
inline constexpr std::string_view humidityRange = psychro::humidityRange;
inline constexpr std::string_view dryBulbRange = psychro::dryBulbRange;
inline constexpr std::string_view wetAboveDry = psychro::wetAboveDry;

}  // namespace calc::messages

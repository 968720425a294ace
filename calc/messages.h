#pragma once

#include <string_view>

// The notices of the Calculate command. The state functions bring their own two
// (psychro::noSuchState, psychro::outOfBounds).
namespace calc::messages {

inline constexpr std::string_view title = "提示信息";
inline constexpr std::string_view missingInput = "请输入具体参数";
inline constexpr std::string_view humidityRange = "相对湿度φ必须为：0％～100％";
inline constexpr std::string_view dryBulbRange = "干球温度t超界";
inline constexpr std::string_view wetAboveDry = "tw > t；输入参数有误";

}  // namespace calc::messages

#pragma once

#include <string_view>

#include "psychro/outcome.h"

// The words of the calculator's notices: the title every notice carries, and the one table that
// turns an outcome of the arithmetic (psychro/outcome.h) into the text every face shows for it.
namespace calc {

// The text shown for an outcome, as UTF-8; empty for Outcome::ok. The range figures in the texts
// come from the constants they describe (psychro/constants.h, psychro/pressure.h).
std::string_view words(psychro::Outcome outcome);

namespace messages {

inline constexpr std::string_view title = "提示信息";

}  // namespace messages
}  // namespace calc

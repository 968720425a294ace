#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "calc/outputs.h"

// The eleven results as the single calculation prints them.
namespace cli {

// Terminal columns a UTF-8 text takes: two for East Asian wide and full-width characters (CJK,
// full-width forms), one for any other character and for each malformed byte.
std::size_t displayWidth(std::string_view text);

// One line per result, its label (calc::shownCaption) then its text, in the order of calc::outputs,
// the labels padded so that the texts start in one column.
std::string resultTable(const std::array<std::string, calc::outputs.size()>& texts);

}  // namespace cli

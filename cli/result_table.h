#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "calc/outputs.h"
#include "cli/text_window.h"

// The eleven results as the single calculation prints them.
namespace cli {

// A result's label as the window draws it: the caption followed by its raised suffix, written
// with superscript characters ("密度 kg/m" and "3" give "密度 kg/m³").
std::string resultLabel(const calc::OutputInfo& output);

// Terminal columns a UTF-8 text takes: two for East Asian wide and full-width characters (CJK,
// full-width forms), one for any other character and for each malformed byte.
std::size_t displayWidth(std::string_view text);

// One line per result, label then text, the labels padded so that the texts start in one column.
std::string resultTable(const TextWindow& window);

}  // namespace cli

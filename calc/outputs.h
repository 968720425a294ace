#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "calc/window.h"

// The eleven results: which box shows what, under which caption, scaled and rounded how.
namespace calc {

struct OutputInfo {
  Output field;
  std::string_view objectName;   // the box's name in the window
  std::string_view caption;      // its label's caption in the window
  std::string_view superscript;  // a raised suffix drawn after the caption ("3" of kg/m³), or ""
  std::string_view key;          // short ASCII name, used as the CSV column
  double factor;                 // shown value = quantity · factor
  int decimals;                  // digits after the point
};

inline constexpr std::array<OutputInfo, 11> outputs{{
    {Output::dryBulb, "Text1", "干球温度 ℃", "", "t", 1, 2},
    {Output::humidity, "Text2", "相对湿度 ％", "", "rh", 100, 1},
    {Output::wetBulb, "Text3", "湿球温度 ℃", "", "tw", 1, 2},
    {Output::enthalpy, "Text4", "焓 kJ/kg", "", "h", 1, 4},
    {Output::dewPoint, "Text5", "露点温度 ℃", "", "tl", 1, 2},
    {Output::density, "Text6", "密度 kg/m", "3", "rho", 1, 4},
    {Output::moisture, "Text7", "含湿量 g/kg", "", "d", 1000, 2},
    {Output::specificHeat, "Text8", "比热 J/(kg·K)", "", "cp", 1000, 3},
    {Output::viscosity, "Text9", "粘度 μkg/(m·s)", "", "mu", 1000000, 4},
    {Output::conductivity, "Text10", "导热系数 W/(m·K)", "", "lambda", 1, 4},
    {Output::prandtl, "Text13", "普朗特数", "", "pr", 1, 2},
}};

// Row i describes box Output(i), and every box has a row: the faces index texts in the order of
// this table by the Output value.
constexpr bool inOutputOrder() {
  for (std::size_t i = 0; i < outputs.size(); ++i)
    if (static_cast<std::size_t>(outputs[i].field) != i) return false;
  return static_cast<std::size_t>(Output::prandtl) + 1 == outputs.size();
}
static_assert(inOutputOrder(), "calc::outputs must list the boxes in the order of calc::Output");

constexpr const OutputInfo& info(Output field) {
  for (const OutputInfo& o : outputs)
    if (o.field == field) return o;
  return outputs.front();  // not reached: every Output has a row
}

// A raised suffix in superscript characters: digits, "+" and "-" raised ("3" gives "³"), any
// other character as it is. Every face writes a caption's suffix with this when it cannot draw it
// raised.
std::string superscriptText(std::string_view suffix);

// A result's caption followed by its raised suffix in superscript characters, as one text:
// "密度 kg/m" and "3" give "密度 kg/m³".
std::string shownCaption(const OutputInfo& output);

}  // namespace calc

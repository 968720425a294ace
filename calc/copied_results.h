#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/outputs.h"
#include "psychro/arithmetic.h"

// The whole calculation as text for a spreadsheet: one "caption<TAB>value" line per quantity, so
// that a paste fills two columns.
namespace calc {

// An input as the window shows it: its selector's caption and the text typed.
struct CopiedValue {
  std::string_view caption;
  std::string_view text;
};

// The lines, each ending in "\n": the dry bulb and the second input under their captions, the
// pressure pa, Pa ("大气压力 Pa<TAB>89875"), the arithmetic m where it is not the classic one
// ("计算方法<TAB>ASHRAE 2017"), then the eleven results in the order of calc::outputs
// under their captions, a raised suffix written as a superscript character ("密度 kg/m³"). Tabs,
// line breaks and other control characters inside a text become blanks, so a typed text cannot
// shift the columns; empty results stay empty cells.
std::string copiedResults(CopiedValue first, CopiedValue second, double pa,
                          const std::array<std::string, outputs.size()>& results,
                          psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace calc

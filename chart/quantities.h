#pragma once

#include <array>
#include <string_view>

#include "psychro/pair_state.h"

// The six quantities a state point may be given by, as the chart window names and scales them.
namespace chart {

struct QuantityInfo {
  psychro::Quantity quantity;
  std::string_view caption;  // in the 新建状态点 dialog's selectors
  std::string_view symbol;   // in the text of how a point was given
  std::string_view unit;     // after the value there ("" for temperatures, as "t=25")
  double factor;             // typed and shown value = the quantity's own value · factor
};

inline constexpr std::array<QuantityInfo, 6> quantities{{
    {psychro::Quantity::t, "干球温度 t ℃", "t", "", 1},
    {psychro::Quantity::tw, "湿球温度 tw ℃", "tw", "", 1},
    {psychro::Quantity::rh, "相对湿度 φ %", "φ", "%", 100},
    {psychro::Quantity::tl, "露点温度 tl ℃", "tl", "", 1},
    {psychro::Quantity::d, "含湿量 d g/kg", "d", " g/kg", 1000},
    {psychro::Quantity::h, "焓 h kJ/kg", "h", " kJ/kg", 1},
}};

constexpr const QuantityInfo& quantityInfo(psychro::Quantity q) {
  for (const QuantityInfo& i : quantities)
    if (i.quantity == q) return i;
  return quantities.front();  // not reached: every quantity has a row
}

}  // namespace chart

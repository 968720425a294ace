#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "process/figures.h"
#include "workspace/points.h"
#include "workspace/process_list.h"

// The 过程 table as the chart window shows it and as it leaves the program after the points.
namespace document {

// The columns of the 过程 table after 过程, 类型 and 风量: caption, short ASCII key and decimals
// of each figure of a process (process/figures.h).
enum class Column { Δt, Δd, Δh, ε, sensible, latent, total, water };

struct ColumnInfo {
  Column column;
  std::string_view caption;
  std::string_view key;
  int decimals;  // ε is a whole number; "∞" when infinite
};

inline constexpr std::array<ColumnInfo, 8> columns{{
    {Column::Δt, "Δt ℃", "dt", 2},
    {Column::Δd, "Δd g/kg", "dd", 2},
    {Column::Δh, "Δh kJ/kg", "dh", 2},
    {Column::ε, "ε kJ/kg", "epsilon", 0},
    {Column::sensible, "显热 kW", "sensible", 2},
    {Column::latent, "潜热 kW", "latent", 2},
    {Column::total, "全热 kW", "total", 2},
    {Column::water, "水量 kg/h", "water", 2},
}};

// The figures of a process in the order of columns, rounded as calc::formatFixed rounds the
// window's results. Without loads (nullptr, or a load with a message) the four load texts are
// empty.
std::array<std::string, columns.size()> rowTexts(const process::Figures& f,
                                                 const process::Loads* l);

// The 过程 table: 过程 ("C→L"), 类型, 风量, then the columns above. A process with no air flow, a
// mixing, or one with a point that has no state has empty cells where there is no figure.
std::vector<std::string> processHeader();
std::vector<std::vector<std::string>> processRows(const workspace::ProcessList& processes,
                                                  const workspace::PointList& points);

}  // namespace document

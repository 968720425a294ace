#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "process/coil.h"
#include "process/figures.h"
#include "workspace/points.h"
#include "workspace/process_list.h"

// The 过程 table as the chart window shows it and as it leaves the program after the points.
namespace document {

// The columns of the 过程 table after 过程, 类型 and 风量: caption, short ASCII key and decimals
// of each figure of a process (process/figures.h).
enum class Column { Δt, Δd, Δh, ε, sensible, latent, total, water, adp, bf };

struct ColumnInfo {
  Column column;
  std::string_view caption;
  std::string_view key;
  int decimals;  // ε is a whole number; "∞" when infinite
};

inline constexpr std::array<ColumnInfo, 10> columns{{
    {Column::Δt, "Δt ℃", "dt", 2},
    {Column::Δd, "Δd g/kg", "dd", 2},
    {Column::Δh, "Δh kJ/kg", "dh", 2},
    {Column::ε, "ε kJ/kg", "epsilon", 0},
    {Column::sensible, "显热 kW", "sensible", 2},
    {Column::latent, "潜热 kW", "latent", 2},
    {Column::total, "全热 kW", "total", 2},
    {Column::water, "水量 kg/h", "water", 2},
    {Column::adp, "机器露点 ℃", "adp", 2},
    {Column::bf, "旁通系数", "bf", 3},
}};

// The text of a coil row's apparatus dew point and bypass factor where its line never meets
// saturation.
inline constexpr std::string_view noRating = "无";

// Whether rows of the kind cool and dry, whichever way given: they state the coil's rating.
bool ratesCoil(workspace::ProcessKind kind);

// The figures of a process in the order of columns, rounded as calc::formatFixed rounds the
// window's results. Without loads (nullptr, or a load with a message) the four load texts are
// empty. A coil row (coil) states its rating, or noRating where it has none; other rows leave
// those two cells empty.
std::array<std::string, columns.size()> rowTexts(
    const process::Figures& f, const process::Loads* l, bool coil = false,
    const std::optional<process::CoilRating>& rating = std::nullopt);

// The dry-air flow of each process's row, in the order of the list: given there (a volume turned
// into dry air at the row's first state), sized from the room's loads (byLoads), or carried on from
// the process that made its inlet (carried); none for a mixing, whose outlet carries the sum of its
// two streams on, and where none is known.
struct RowFlow {
  std::optional<double> G;  // kg/s of dry air
  bool carried = false;
  bool byLoads = false;
};
std::vector<RowFlow> rowFlows(const workspace::ProcessList& processes,
                              const workspace::PointList& points);

// The loads of process p with its row's flow; none for a mixing, without a flow, or where a point
// is gone or has no state.
std::optional<process::Loads> rowLoads(const workspace::Process& p, const RowFlow& flow,
                                       const workspace::PointList& points);

// The 过程 table: 过程 ("C→L"), 类型, 风量, then the columns above. A process with no air flow, a
// mixing, or one with a point that has no state has empty cells where there is no figure.
std::vector<std::string> processHeader();
std::vector<std::vector<std::string>> processRows(const workspace::ProcessList& processes,
                                                  const workspace::PointList& points);

}  // namespace document

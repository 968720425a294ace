#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "process/figures.h"
#include "workspace/points.h"

// The workspace as a sheet of texts: the table of state points and the 过程 table as the chart
// window shows them, and the one sheet that leaves the program (copied, exported, printed).
namespace workspace {

class ProcessList;
class Workspace;

// The first line of the sheet wherever it leaves the program (copied, exported, printed): the
// pressure the points are computed at, {"大气压力", "89875 Pa"}.
std::vector<std::string> pressureRow(double pa);

// Columns: 名称, 给定参数, then the eleven results under the main window's captions.
std::vector<std::string> tableHeader();

// Cell `column` of a point's row (an empty text past the last): its name, how it was given, and
// its eleven texts. A point with no state at the pressure in force has empty values and its
// message after how it was given.
std::string tableCell(const StatePoint& point, std::size_t column);
// A point's row: tableCell for every column of tableHeader.
std::vector<std::string> tableRow(const StatePoint& point);
// One row per point.
std::vector<std::vector<std::string>> tableRows(const PointList& points);

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

// ε as the 过程 table, a supply point's given text and the protractor's finite rays show it: a
// whole number ("8000", "-2000"), "∞" when infinite, empty for NaN.
std::string epsilonText(double ε);

// The figures of a process in the order of columns, rounded as calc::formatFixed rounds the
// window's results. Without loads (nullptr, or a load with a message) the four load texts are
// empty.
std::array<std::string, columns.size()> rowTexts(const process::Figures& f,
                                                 const process::Loads* l);

// The 过程 table: 过程 ("C→L"), 类型, 风量, then the columns above. A process with no air flow, a
// mixing, or one with a point that has no state has empty cells where there is no figure.
std::vector<std::string> processHeader();
std::vector<std::vector<std::string>> processRows(const ProcessList& processes,
                                                  const PointList& points);

// A text cell (a name) as a spreadsheet should take it: one it would take for a formula (starting
// = + - @, a tab or a carriage return) gets a leading apostrophe.
std::string guardedText(std::string cell);

// The sheet as it leaves the program (copied, exported, printed), line by line: the pressure, the
// header, a row per point; with processes, an empty line and the 过程 table.
std::vector<std::vector<std::string>> sheetRows(const Workspace& workspace);

// The sheet's rows, cells separated by tabs and rows ended by "\n", for pasting into a
// spreadsheet. Tabs and line breaks inside a cell become blanks; names are guarded as above.
std::string tabSeparated(const Workspace& workspace);

// The same as a CSV file: UTF-8 with a byte-order mark (so that a spreadsheet opens it as UTF-8),
// cells quoted as calc::appendCsvField quotes them, rows ended by CR LF.
std::string commaSeparated(const Workspace& workspace);

}  // namespace workspace

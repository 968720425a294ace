#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "workspace/points.h"
#include "workspace/weather.h"
#include "workspace/zones.h"

// The workspace as a sheet of texts: the table of state points and the 过程 table as the chart
// window shows them, and the one sheet that leaves the program (copied, exported, printed).
namespace workspace {

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

// The column a point's row gains while at least one comfort zone is on: its caption, and its cell,
// the names of the zones (the active ones, in their order) that hold the point's state joined
// with "、"; empty where none does or the point has no state.
inline constexpr std::string_view zoneCaption = "舒适区";
std::string zoneCell(const StatePoint& point, std::span<const Zone> zones);

// The 逐时统计 table's header: the zone, its hours, their percentage of the hours counted.
std::vector<std::string> zoneHourHeader();

// A text cell (a name) as a spreadsheet should take it: one it would take for a formula (starting
// = + - @, a tab or a carriage return) gets a leading apostrophe.
std::string guardedText(std::string cell);

// The sheet as it leaves the program (copied, exported, printed), line by line: the pressure, the
// arithmetic where it is ASHRAE's ({"计算方法", "ASHRAE 2017"}), the header, a row per point; with
// processes, an empty line and the 过程 table. While a zone is on, every point's row ends with the
// 舒适区 column. With hours (a weather layer shown), an empty line and the 逐时统计 table last.
std::vector<std::vector<std::string>> sheetRows(const Workspace& workspace,
                                                const std::vector<ZoneHourRow>* hours = nullptr);

// The sheet's rows, cells separated by tabs and rows ended by "\n", for pasting into a
// spreadsheet. Tabs and line breaks inside a cell become blanks; names are guarded as above.
std::string tabSeparated(const Workspace& workspace,
                         const std::vector<ZoneHourRow>* hours = nullptr);

// The same as a CSV file: UTF-8 with a byte-order mark (so that a spreadsheet opens it as UTF-8),
// cells quoted as calc::appendCsvField quotes them, rows ended by CR LF.
std::string commaSeparated(const Workspace& workspace,
                           const std::vector<ZoneHourRow>* hours = nullptr);

}  // namespace workspace

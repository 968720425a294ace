#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "workspace/points.h"
#include "workspace/weather.h"
#include "workspace/workspace.h"
#include "workspace/zones.h"

// The design as a table of texts: the table of state points and the 过程 table as the chart
// window shows them, and the one table that leaves the program (copied, exported, printed, drawn)
// for the window and torvale-calc alike.
namespace document {

// The first line of the design's table wherever it leaves the program (copied, exported,
// printed, drawn): the pressure the points are computed at, {"大气压力", "89875 Pa"}.
std::vector<std::string> pressureRow(double pa);

// The points table's columns: 名称, 给定参数, then the eleven results under the main window's
// captions.
std::vector<std::string> pointHeader();

// Cell `column` of a point's row (an empty text past the last): its name, how it was given, and
// its eleven texts. A point with no state at the pressure in force has empty values and its
// message after how it was given.
// A process's outlet reads as its process (in processes) was asked for.
std::string pointCell(const workspace::ProcessList& processes, const workspace::StatePoint& point,
                      std::size_t column);
// A point's row: pointCell for every column of pointHeader.
std::vector<std::string> pointRow(const workspace::ProcessList& processes,
                                  const workspace::StatePoint& point);
// One row per point.
std::vector<std::vector<std::string>> pointRows(const workspace::ProcessList& processes,
                                                const workspace::PointList& points);

// The column a point's row gains while at least one comfort zone is on: its caption, and its cell,
// the names of the zones (the active ones, in their order) that hold the point's state joined
// with "、"; empty where none does or the point has no state.
inline constexpr std::string_view zoneCaption = "舒适区";
std::string zoneCell(const workspace::StatePoint& point, std::span<const workspace::Zone> zones);

// The 逐时统计 table's header: the zone, its hours, their percentage of the hours counted.
std::vector<std::string> zoneHourHeader();

// A text cell (a name) as a spreadsheet should take it: one it would take for a formula (starting
// = + - @, a tab or a carriage return) gets a leading apostrophe.
std::string guardedText(std::string cell);

// The design's table as it leaves the program (copied, exported, printed, drawn), line by line:
// the pressure, the arithmetic where it is ASHRAE's ({"计算方法", "ASHRAE 2017"}), the points
// table's header, a row per point; with processes, an empty line and the 过程 table, then where a
// process has loads an empty line and the unit's summary (unit_summary.h). While a zone
// is on, every point's row ends with the 舒适区 column. With hours (a weather layer shown), an
// empty line and the 逐时统计 table last.
std::vector<std::vector<std::string>> designTable(
    const workspace::Workspace& design, const std::vector<workspace::ZoneHourRow>* hours = nullptr);

// The design's table, cells separated by tabs and rows ended by "\n", for pasting into a
// spreadsheet. Tabs and line breaks inside a cell become blanks; names are guarded as above.
std::string tabSeparated(const workspace::Workspace& design,
                         const std::vector<workspace::ZoneHourRow>* hours = nullptr);

// The same as a CSV file: UTF-8 with a byte-order mark (so that a spreadsheet opens it as UTF-8),
// cells quoted as calc::appendCsvField quotes them, rows ended by CR LF.
std::string commaSeparated(const workspace::Workspace& design,
                           const std::vector<workspace::ZoneHourRow>* hours = nullptr);

}  // namespace document

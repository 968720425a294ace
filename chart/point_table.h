#pragma once

#include <string>
#include <vector>

#include "chart/points.h"

// The table of state points as the window shows it and as it leaves the program.
namespace chart {

class ProcessList;

// The first line of the table wherever it leaves the program (copied, exported, printed): the
// pressure the points are computed at, {"大气压力", "89875 Pa"}.
std::vector<std::string> pressureRow(double pa);

// Columns: 名称, 给定参数, then the eleven results under the main window's captions.
std::vector<std::string> tableHeader();

// A point's row: its name, how it was given, and its eleven texts. A point with no state at the
// pressure in force has empty values and its message after how it was given.
std::vector<std::string> tableRow(const StatePoint& point);
// One row per point.
std::vector<std::vector<std::string>> tableRows(const PointList& points);

// A text cell (a name) as a spreadsheet should take it: one it would take for a formula (starting
// = + - @, a tab or a carriage return) gets a leading apostrophe.
std::string guardedText(std::string cell);

// The table as it leaves the program (copied, exported, printed), line by line: the pressure, the
// header, a row per point; with processes, an empty line and the 过程 table.
std::vector<std::vector<std::string>> tableLines(const PointList& points,
                                                 const ProcessList* processes = nullptr);

// Those lines, cells separated by tabs and rows ended by "\n",
// for pasting into a spreadsheet. Tabs and line breaks inside a cell become blanks; names are
// guarded as above. With processes, an empty line and the 过程 table follow.
std::string tabSeparated(const PointList& points, const ProcessList* processes = nullptr);

// The same as a CSV file: UTF-8 with a byte-order mark (so that a spreadsheet opens it as UTF-8),
// cells quoted where they hold a comma, quote or line break, rows ended by CR LF.
std::string commaSeparated(const PointList& points, const ProcessList* processes = nullptr);

}  // namespace chart

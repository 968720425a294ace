#pragma once

#include <string>
#include <vector>

#include "chart/points.h"

// The table of state points as the window shows it and as it leaves the program.
namespace chart {

class ProcessList;

// Columns: 名称, 给定参数, then the eleven results under the main window's captions.
std::vector<std::string> tableHeader();

// One row per point: its name, how it was given, and its eleven texts. A point with no state at
// the pressure in force has empty values and its message after how it was given.
std::vector<std::vector<std::string>> tableRows(const PointList& points);

// The header and the rows, cells separated by tabs and rows ended by "\n", for pasting into a
// spreadsheet. Tabs and line breaks inside a cell become blanks. With processes, an empty line and
// the 过程 table follow.
std::string tabSeparated(const PointList& points, const ProcessList* processes = nullptr);

// The same as a CSV file: UTF-8 with a byte-order mark (so that a spreadsheet opens it as UTF-8),
// cells quoted where they hold a comma, quote or line break, rows ended by CR LF. A name that a
// spreadsheet would take for a formula (starting = + - @) is written with a leading apostrophe.
// With processes, an empty record and the 过程 table follow.
std::string commaSeparated(const PointList& points, const ProcessList* processes = nullptr);

}  // namespace chart

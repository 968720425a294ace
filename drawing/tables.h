#pragma once

#include <string>
#include <vector>

#include "chart/label_board.h"
#include "dxf/document.h"

// The sheet's tables (document::designTable: the pressure, the points, the processes) as text in
// ruled rows on the drawing, on layers::tables.
namespace drawing {

// The height, mm, of rows as a table at its own text height (2.5 mm).
double tablesHeight(const std::vector<std::vector<std::string>>& rows);

// Draws rows in box (mm, y down on a paper of paperHeight): each column as wide as its widest
// cell, the first two left-aligned and the rest right-aligned, a rule under every row, a table's
// header in two lines (the unit under the name); the text 2.5 mm high, or smaller (down to 1 mm)
// so that the table fits the box. Rows that still do not fit are left out, the last line saying
// how many.
void drawTables(dxf::Document& drawing, double paperHeight, const chart::Box& box,
                const std::vector<std::vector<std::string>>& rows);

}  // namespace drawing

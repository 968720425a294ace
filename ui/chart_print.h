#pragma once

#include <QFont>
#include <QRectF>
#include <string>
#include <vector>

#include "ui/chart_drawing.h"

class QFontMetricsF;
class QPainter;
class QPagedPaintDevice;

// The printed pages of the chart window: a title block and the chart, then the tables, over as
// many pages as they need.
namespace ui {

// The table as printed: its lines of cells (document::designTable), the first two columns read as
// text, the rest as numbers. A line after an empty one (and the second line, after the pressure)
// is the header of the table it starts, repeated at the top of every page that table continues on.
struct PrintedTable {
  std::vector<std::vector<std::string>> rows;
};

// The title block over the chart: a title and a line of what the pages are of (file, date,
// pressure).
struct PrintedHeading {
  std::string title;
  std::string details;
};

// Where a cell of the printed table stands at its natural size, from the table's left edge, and
// whether it is a number, right-aligned.
struct PrintedCell {
  double left = 0, width = 0;
  bool number = false;
};

// The cells of each line of table as printed in metrics: each table of the pages (the opening
// lines, then each from its header to an empty line) with its columns as wide as their widest
// text and padding, its own; a column whose cells all read as numbers (never the first) is
// right-aligned, its header too. An empty line has none.
std::vector<std::vector<PrintedCell>> printedCells(const QFontMetricsF& metrics,
                                                   const PrintedTable& table);

// A table measured in a painter's font: its cells, the rows' height, its natural width.
struct TableMetrics {
  std::vector<std::vector<PrintedCell>> cells;
  double rowHeight = 0;

  double width() const;
};
TableMetrics measureTable(const QPainter& painter, const PrintedTable& table);

// Paints the rows of table with these indices one under another, the top left at (0, 0).
void paintRows(QPainter& painter, const PrintedTable& table, const TableMetrics& m,
               const std::vector<std::size_t>& rows);

// Paints scene and table onto one page, in the painter's logical units and in font (pixel-sized):
// the table at the foot, shrunk as needed to fit the width and at most half the page; the chart
// over the rest.
void paintPage(QPainter& painter, const QRectF& page, const QFont& font, const ChartScene& scene,
               const PrintedTable& table);

// The rows of table page by page, rowsPerPage to a page (at least 2), a table that goes on over a
// page break starting the next page with its header again. A table starts after the page's
// opening lines of two cells (the pressure, the arithmetic) and after each empty line.
std::vector<std::vector<std::size_t>> tablePages(const PrintedTable& table,
                                                 std::size_t rowsPerPage);

// Prints heading, chart and table to device (a printer or a PDF writer), laid out at 96 logical
// units to the inch whatever its resolution, in font (its point size is taken). Where the table
// fits the lower half of the first page at its own size, one page as paintPage lays it out under
// the heading; otherwise the chart fills the first page under the heading and the table follows
// at its own size (narrowed only to the page's width) over as many pages as it needs, its header
// repeated on each. False when the device cannot be painted on. pages, when given, receives the
// number of pages printed.
bool printPages(QPagedPaintDevice& device, const QFont& font, const PrintedHeading& heading,
                const ChartScene& scene, const PrintedTable& table, int* pages = nullptr);

}  // namespace ui

#pragma once

#include <QRectF>
#include <optional>

#include "drawing/page_layout.h"
#include "drawing/title_block.h"
#include "ui/chart_print.h"
#include "workspace/page.h"

class QFont;
class QPagedPaintDevice;
class QPainter;

// The printed pages as sheets of a drawing set: each page framed as the page set-up says, the
// title block (标题栏) of drawing::titleBlockCells in its lower right corner, and above it the
// chart, the tables or both. The geometry is drawing::pageLayout's, in millimetres from the
// paper's corner, the same as the DXF drawing's.
namespace ui {

// Paints the frame of layout and the title block's cells, the painter's units millimetres from
// the paper's upper left corner: the frame 0.7 mm, the block's outline 0.5 mm, its rules 0.25 mm;
// each text in font's family with its cap height the height it was fitted at, squeezed across
// where the font runs wider than the fixed glyph widths it was fitted by.
void paintTitleBlock(QPainter& painter, const drawing::PageLayout& layout,
                     const drawing::TitleBlockCells& cells, const QFont& font);

// What the pages were given: the page set-up, the title block's fields and their defaults, and
// the printer's paper (used where the set-up asks for the printer's own).
struct FramedSheet {
  workspace::PageSetup page;
  workspace::TitleBlock fields;
  drawing::TitleDefaults defaults;
  std::optional<drawing::PrinterPaper> printer;
};

// Prints scene and table on framed sheets to device, in font (its point size taken, × the
// layout's scale on A2): the chart scaled to fill its area at drawing::plotRatio (lines of
// constant h at 45°), placed by drawing::chartPlot; the tables at their own size, narrowed only to
// the area's width. With the chart and the tables, one page where the tables take at most half
// the height above the title block, else the chart's page and then the tables' pages. The tables
// go over as many pages as they need, each table's header repeated (tablePages). False when the
// device cannot be painted on. pages receives the number of pages, chart (when given) where the
// chart with its scales was printed, mm from the paper's corner (empty if nowhere).
bool printFramed(QPagedPaintDevice& device, const QFont& font, const FramedSheet& sheet,
                 const ChartScene& scene, const PrintedTable& table, int* pages = nullptr,
                 QRectF* chart = nullptr);

}  // namespace ui

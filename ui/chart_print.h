#pragma once

#include <QFont>
#include <QRectF>
#include <string>
#include <vector>

#include "ui/chart_drawing.h"

class QPainter;
class QPrinter;

// One printed sheet: the chart over the upper part of the page, the table of points under it.
namespace ui {

// The table as printed: its lines of cells (workspace::sheetRows), the first two columns read as
// text, the rest as numbers.
struct PrintedTable {
  std::vector<std::vector<std::string>> rows;
};

// Paints scene and table onto page, in the painter's logical units and in font (pixel-sized): the
// table at the foot, shrunk as needed to fit the width and at most half the page; the chart over
// the rest.
void paintSheet(QPainter& painter, const QRectF& page, const QFont& font, const ChartScene& scene,
                const PrintedTable& table);

// Prints one page to printer, laid out at 96 logical units to the inch whatever its resolution,
// in font (its point size is taken). False when the printer cannot be painted on.
bool printSheet(QPrinter& printer, const QFont& font, const ChartScene& scene,
                const PrintedTable& table);

}  // namespace ui

#include "ui/chart_print.h"
#include "ui/utf8.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <string_view>

namespace ui {
namespace {

constexpr double layoutDpi = 96;
constexpr double cellPadding = 4;
constexpr double tableShare = 0.5;  // of the page's height, at most
constexpr QRgb ruleInk = qRgb(0x9a, 0xa2, 0xad);

// Whether a cell reads as a number (a value, with or without its unit, or ∞).
bool isNumber(const std::string& cell) {
  const std::string_view c = cell;
  const std::size_t digit = !c.empty() && (c[0] == '-' || c[0] == '+') ? 1 : 0;
  return (c.size() > digit && c[digit] >= '0' && c[digit] <= '9') || c.substr(digit) == "∞";
}

std::vector<std::size_t> allRows(const PrintedTable& table) {
  std::vector<std::size_t> rows(table.rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = i;
  return rows;
}

// Paints the title block at the top of page; returns its height.
double paintHeading(QPainter& painter, const QRectF& page, const QFont& font,
                    const PrintedHeading& heading) {
  painter.save();
  QFont title(font);
  title.setBold(true);
  title.setPixelSize(std::max(1, qRound(font.pixelSize() * 1.4)));
  const double titleHeight = QFontMetricsF(title, painter.device()).height();
  const double lineHeight = QFontMetricsF(font, painter.device()).height();
  painter.setFont(title);
  painter.drawText(QRectF(page.left(), page.top(), page.width(), titleHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, fromUtf8(heading.title));
  painter.setFont(font);
  painter.drawText(QRectF(page.left(), page.top() + titleHeight, page.width(), lineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, fromUtf8(heading.details));
  const double height = titleHeight + lineHeight * 1.5;
  painter.setPen(QColor(ruleInk));
  painter.drawLine(QPointF(page.left(), page.top() + height - lineHeight * 0.25),
                   QPointF(page.right(), page.top() + height - lineHeight * 0.25));
  painter.restore();
  return height;
}

}  // namespace

TableMetrics measureTable(const QPainter& painter, const PrintedTable& table) {
  const QFontMetricsF metrics(painter.font(), painter.device());
  return {printedCells(metrics, table), metrics.height() + cellPadding};
}

void paintRows(QPainter& painter, const PrintedTable& table, const TableMetrics& m,
               const std::vector<std::size_t>& rows) {
  double y = 0;
  for (const std::size_t r : rows) {
    const std::vector<PrintedCell>& cells = m.cells[r];
    if (!cells.empty()) {
      const double right = cells.back().left + cells.back().width;
      painter.setPen(QColor(ruleInk));
      painter.drawLine(QPointF(0, y), QPointF(right, y));
      painter.drawLine(QPointF(0, y + m.rowHeight), QPointF(right, y + m.rowHeight));
      painter.setPen(Qt::black);
    }
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const QRectF cell(cells[i].left + cellPadding, y, cells[i].width - 2 * cellPadding,
                        m.rowHeight);
      const Qt::Alignment align =
          (cells[i].number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
      painter.drawText(cell, static_cast<int>(align.toInt()), fromUtf8(table.rows[r][i]));
    }
    y += m.rowHeight;
  }
}

double TableMetrics::width() const {
  double w = 0;
  for (const auto& row : cells)
    if (!row.empty()) w = std::max(w, row.back().left + row.back().width);
  return w;
}

// Whether row r starts a table: the first after the sheet's opening lines of two cells (the
// pressure, and the arithmetic where it is named), or the first after an empty line.
static bool isHeader(const PrintedTable& table, std::size_t r) {
  if (r == 0 || table.rows[r].empty()) return false;
  const std::vector<std::string>& before = table.rows[r - 1];
  return before.empty() || (before.size() == 2 && table.rows[r].size() > 2);
}

std::vector<std::vector<PrintedCell>> printedCells(const QFontMetricsF& metrics,
                                                   const PrintedTable& table) {
  std::vector<std::vector<PrintedCell>> cells(table.rows.size());
  // Each table: its rows from its first (the header, or the sheet's opening lines) to an empty
  // line.
  for (std::size_t first = 0; first < table.rows.size();) {
    std::size_t end = first + 1;
    while (end < table.rows.size() && !table.rows[end].empty() && !isHeader(table, end)) ++end;
    std::vector<double> widths;
    std::vector<bool> numbers;
    for (std::size_t r = first; r < end; ++r) {
      const std::vector<std::string>& row = table.rows[r];
      widths.resize(std::max(widths.size(), row.size()), 0);
      numbers.resize(widths.size(), true);
      for (std::size_t c = 0; c < row.size(); ++c) {
        widths[c] =
            std::max(widths[c], metrics.horizontalAdvance(fromUtf8(row[c])) + 2 * cellPadding);
        const bool header = r == first && isHeader(table, r);
        if (c == 0 || (!header && !row[c].empty() && !isNumber(row[c]))) numbers[c] = false;
      }
    }
    for (std::size_t r = first; r < end; ++r) {
      double left = 0;
      for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
        cells[r].push_back({left, widths[c], numbers[c]});
        left += widths[c];
      }
    }
    first = end;
    while (first < table.rows.size() && table.rows[first].empty()) ++first;
  }
  return cells;
}

std::vector<std::vector<std::size_t>> tablePages(const PrintedTable& table,
                                                 std::size_t rowsPerPage) {
  rowsPerPage = std::max<std::size_t>(rowsPerPage, 2);
  std::vector<std::vector<std::size_t>> pages(1);
  std::size_t header = 0;
  bool headerSeen = false;
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    if (isHeader(table, r)) {
      header = r;
      headerSeen = true;
    }
    if (pages.back().size() == rowsPerPage) {
      pages.emplace_back();
      // A header alone at the foot of a page moves over with its table; a table that has ended
      // (the break falls on the empty line after it) takes no header over.
      if (headerSeen && r != header && !table.rows[r].empty()) pages.back().push_back(header);
    }
    if (table.rows[r].empty() && pages.back().empty()) continue;  // no gap at a page's top
    pages.back().push_back(r);
  }
  return pages;
}

void paintPage(QPainter& painter, const QRectF& page, const QFont& font, const ChartScene& scene,
               const PrintedTable& table) {
  painter.save();
  painter.setFont(font);
  const TableMetrics m = measureTable(painter, table);
  const QSizeF natural(m.width(), m.rowHeight * static_cast<double>(table.rows.size()));
  const double gap = QFontMetricsF(font, painter.device()).height();
  const double scale = std::min(
      {1.0, page.width() / natural.width(), page.height() * tableShare / natural.height()});
  const double tableHeight = natural.height() * scale;
  const QSizeF chartSize(page.width(), page.height() - tableHeight - gap);

  painter.save();
  painter.translate(page.topLeft());
  drawChart(painter, chartSize, scene);
  painter.restore();

  painter.save();
  painter.translate(page.left(), page.bottom() - tableHeight);
  painter.scale(scale, scale);
  paintRows(painter, table, m, allRows(table));
  painter.restore();
  painter.restore();
}

bool printPages(QPagedPaintDevice& device, const QFont& font, const PrintedHeading& heading,
                const ChartScene& scene, const PrintedTable& table, int* pages) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // Logical units of 1/96 inch, so that pens, gaps and the font keep the proportions of the screen.
  const int dpi = device.logicalDpiY();
  const double unit = dpi / layoutDpi;
  painter.scale(unit, unit);
  const QRectF paint = device.pageLayout().paintRectPixels(dpi);
  const QRectF page(QPointF(0, 0), paint.size() / unit);
  QFont printed(font);
  if (font.pointSizeF() > 0)
    printed.setPixelSize(std::max(1, qRound(font.pointSizeF() * layoutDpi / 72)));
  painter.setFont(printed);

  const double top = paintHeading(painter, page, printed, heading);
  const QRectF below(page.left(), page.top() + top, page.width(), page.height() - top);
  const TableMetrics m = measureTable(painter, table);
  const double scale = std::min(1.0, page.width() / m.width());
  const double rowHeight = m.rowHeight * scale;
  int printedPages = 1;
  if (rowHeight * static_cast<double>(table.rows.size()) <= below.height() * tableShare) {
    paintPage(painter, below, printed, scene, table);
  } else {
    painter.save();
    painter.translate(below.topLeft());
    drawChart(painter, below.size(), scene);
    painter.restore();
    const auto rowsPerPage = static_cast<std::size_t>(std::max(1.0, page.height() / rowHeight));
    for (const std::vector<std::size_t>& rows : tablePages(table, rowsPerPage)) {
      if (!device.newPage()) return false;
      ++printedPages;
      painter.save();
      painter.translate(page.topLeft());
      painter.scale(scale, scale);
      paintRows(painter, table, m, rows);
      painter.restore();
    }
  }
  if (pages) *pages = printedPages;
  return painter.end();
}

}  // namespace ui

#include "ui/chart_print.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace ui {
namespace {

constexpr double layoutDpi = 96;
constexpr double cellPadding = 4;
constexpr double tableShare = 0.5;  // of the page's height, at most
constexpr QRgb ruleInk = qRgb(0x9a, 0xa2, 0xad);

QString fromUtf8(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The columns' widths and the rows' height of the table at its natural size in the painter's font.
struct TableMetrics {
  std::vector<double> widths;
  double rowHeight = 0;

  double width() const {
    double w = 0;
    for (double c : widths) w += c;
    return w;
  }
};

TableMetrics measure(const QPainter& painter, const PrintedTable& table) {
  const QFontMetricsF metrics(painter.font(), painter.device());
  TableMetrics m;
  m.rowHeight = metrics.height() + cellPadding;
  for (const auto& cells : table.rows) {
    if (m.widths.size() < cells.size()) m.widths.resize(cells.size(), 0);
    for (std::size_t i = 0; i < cells.size(); ++i)
      m.widths[i] =
          std::max(m.widths[i], metrics.horizontalAdvance(fromUtf8(cells[i])) + 2 * cellPadding);
  }
  return m;
}

// Paints the rows of table with these indices one under another, the top left at (0, 0).
void paintRows(QPainter& painter, const PrintedTable& table, const TableMetrics& m,
               const std::vector<std::size_t>& rows) {
  const double width = m.width();
  painter.setPen(QColor(ruleInk));
  for (std::size_t r = 0; r <= rows.size(); ++r)
    painter.drawLine(QPointF(0, static_cast<double>(r) * m.rowHeight),
                     QPointF(width, static_cast<double>(r) * m.rowHeight));
  painter.setPen(Qt::black);
  double y = 0;
  for (const std::size_t r : rows) {
    const std::vector<std::string>& cells = table.rows[r];
    double x = 0;
    for (std::size_t i = 0; i < cells.size() && i < m.widths.size(); ++i) {
      const QRectF cell(x + cellPadding, y, m.widths[i] - 2 * cellPadding, m.rowHeight);
      const Qt::Alignment align = (i < 2 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
      painter.drawText(cell, static_cast<int>(align.toInt()), fromUtf8(cells[i]));
      x += m.widths[i];
    }
    y += m.rowHeight;
  }
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

// Whether row r starts a table: the first after the sheet's opening lines of two cells (the
// pressure, and the arithmetic where it is named), or the first after an empty line.
static bool isHeader(const PrintedTable& table, std::size_t r) {
  if (r == 0 || table.rows[r].empty()) return false;
  const std::vector<std::string>& before = table.rows[r - 1];
  return before.empty() || (before.size() == 2 && table.rows[r].size() > 2);
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

void paintSheet(QPainter& painter, const QRectF& page, const QFont& font, const ChartScene& scene,
                const PrintedTable& table) {
  painter.save();
  painter.setFont(font);
  const TableMetrics m = measure(painter, table);
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

bool printSheets(QPagedPaintDevice& device, const QFont& font, const PrintedHeading& heading,
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
  const TableMetrics m = measure(painter, table);
  const double scale = std::min(1.0, page.width() / m.width());
  const double rowHeight = m.rowHeight * scale;
  int printedPages = 1;
  if (rowHeight * static_cast<double>(table.rows.size()) <= below.height() * tableShare) {
    paintSheet(painter, below, printed, scene, table);
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

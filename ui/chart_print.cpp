#include "ui/chart_print.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
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

// Paints the table at its natural size with its top left at (0, 0); returns that size.
QSizeF paintTable(QPainter& painter, const PrintedTable& table, bool paint) {
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double rowHeight = metrics.height() + cellPadding;
  std::vector<double> widths;
  for (const auto& cells : table.rows) {
    if (widths.size() < cells.size()) widths.resize(cells.size(), 0);
    for (std::size_t i = 0; i < cells.size(); ++i)
      widths[i] =
          std::max(widths[i], metrics.horizontalAdvance(fromUtf8(cells[i])) + 2 * cellPadding);
  }
  double width = 0;
  for (double w : widths) width += w;
  const double height = rowHeight * static_cast<double>(table.rows.size());
  if (!paint) return {width, height};

  painter.setPen(QColor(ruleInk));
  for (std::size_t r = 0; r <= table.rows.size(); ++r)
    painter.drawLine(QPointF(0, static_cast<double>(r) * rowHeight),
                     QPointF(width, static_cast<double>(r) * rowHeight));
  painter.setPen(Qt::black);
  double y = 0;
  const auto line = [&](const std::vector<std::string>& cells) {
    double x = 0;
    for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i) {
      const QRectF cell(x + cellPadding, y, widths[i] - 2 * cellPadding, rowHeight);
      const Qt::Alignment align = (i < 2 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
      painter.drawText(cell, static_cast<int>(align.toInt()), fromUtf8(cells[i]));
      x += widths[i];
    }
    y += rowHeight;
  };
  for (const auto& row : table.rows) line(row);
  return {width, height};
}

}  // namespace

void paintSheet(QPainter& painter, const QRectF& page, const QFont& font, const ChartScene& scene,
                const PrintedTable& table) {
  painter.save();
  painter.setFont(font);
  const QSizeF natural = paintTable(painter, table, false);
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
  paintTable(painter, table, true);
  painter.restore();
  painter.restore();
}

bool printSheet(QPrinter& printer, const QFont& font, const ChartScene& scene,
                const PrintedTable& table) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // Logical units of 1/96 inch, so that pens, gaps and the font keep the proportions of the screen.
  const double unit = printer.resolution() / layoutDpi;
  painter.scale(unit, unit);
  const QRectF page(QPointF(0, 0), QSizeF(printer.pageRect(QPrinter::DevicePixel).size()) / unit);
  QFont printed(font);
  if (font.pointSizeF() > 0)
    printed.setPixelSize(std::max(1, qRound(font.pointSizeF() * layoutDpi / 72)));
  paintSheet(painter, page, printed, scene, table);
  return painter.end();
}

}  // namespace ui

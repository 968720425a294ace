#include "ui/framed_print.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <limits>

#include "ui/utf8.h"

namespace ui {
namespace {

constexpr double layoutDpi = 96;
constexpr double unitsPerMm = layoutDpi / 25.4;  // of the painter as printPages sets it up
constexpr double tableShare = 0.5;               // of the height above the title block, at most

QRectF rect(const chart::Box& b) {
  return {b.left, b.top, b.width, b.height};
}

std::vector<std::size_t> everyRow(const PrintedTable& table) {
  std::vector<std::size_t> rows(table.rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = i;
  return rows;
}

// The painter of one sheet: units of 1/96 inch from the paper's corner; the chart and the tables
// laid out in units `scale` times that (the layout's, larger on A2).
class Sheet {
 public:
  Sheet(QPainter& painter, const QFont& font, const drawing::PageLayout& layout)
      : p_(painter), font_(font), scale_(layout.scale) {}

  // The chart with its scales in region (mm), the plot at its natural proportion as large as the
  // region allows; where it went, mm (empty where the region has too little room).
  QRectF chart(const chart::Box& region, const ChartScene& scene) {
    const double perMm = unitsPerMm / scale_;
    const chart::Box room{0, 0, region.width * perMm, region.height * perMm};
    const chart::Mapping probe = chartMapping(scene.view, QSizeF(room.width, room.height),
                                              QFontMetricsF(font_, p_.device()));
    const drawing::ScaleRoom around{probe.area.left, probe.area.top,
                                    room.width - probe.area.right(),
                                    room.height - probe.area.bottom()};
    const chart::Box plot = drawing::chartPlot(room, around, drawing::plotRatio(scene.view));
    if (!(plot.width > 20 && plot.height > 20)) return {};
    const QRectF canvas(plot.left - around.left, plot.top - around.top,
                        plot.width + around.left + around.right,
                        plot.height + around.top + around.bottom);
    p_.save();
    p_.translate(region.left * unitsPerMm, region.top * unitsPerMm);
    p_.scale(scale_, scale_);
    p_.translate(canvas.topLeft());
    drawChart(p_, canvas.size(), scene);
    p_.restore();
    return {region.left + canvas.left() / perMm, region.top + canvas.top() / perMm,
            canvas.width() / perMm, canvas.height() / perMm};
  }

  // The factor that narrows table to the width of region, and its rows' height then, mm.
  std::pair<double, double> tableFit(const TableMetrics& m, const chart::Box& region) const {
    const double perMm = unitsPerMm / scale_;
    const double fit = std::min(1.0, region.width * perMm / m.width());
    return {fit, m.rowHeight * fit / perMm};
  }

  void rows(const chart::Box& region, const PrintedTable& table, const TableMetrics& m,
            const std::vector<std::size_t>& rows) {
    p_.save();
    p_.translate(region.left * unitsPerMm, region.top * unitsPerMm);
    const double fit = tableFit(m, region).first;
    p_.scale(scale_ * fit, scale_ * fit);
    paintRows(p_, table, m, rows);
    p_.restore();
  }

  void frame(const drawing::PageLayout& layout, const drawing::TitleBlockCells& cells) {
    p_.save();
    p_.scale(unitsPerMm, unitsPerMm);
    paintTitleBlock(p_, layout, cells, font_);
    p_.restore();
  }

 private:
  QPainter& p_;
  const QFont& font_;
  double scale_;
};

}  // namespace

void paintTitleBlock(QPainter& painter, const drawing::PageLayout& layout,
                     const drawing::TitleBlockCells& cells, const QFont& font) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const auto pen = [&](int hundredths) {
    QPen p(Qt::black, hundredths / 100.0);
    p.setJoinStyle(Qt::MiterJoin);
    painter.setPen(p);
  };
  painter.setBrush(Qt::NoBrush);
  pen(drawing::frameLineweight);
  painter.drawRect(rect(layout.frame));
  pen(drawing::cellLineweight);
  for (const drawing::TitleRule& r : cells.rules)
    painter.drawLine(QPointF(r.from.x, r.from.y), QPointF(r.to.x, r.to.y));
  pen(drawing::outlineLineweight);
  painter.drawRect(rect(cells.outline));
  // Texts set at 100 px and scaled down to their height, so that no size is rounded to a pixel.
  QFont f(font);
  f.setPixelSize(100);
  f.setBold(false);
  painter.setFont(f);
  const QFontMetricsF metrics(f, painter.device());
  const double cap = metrics.capHeight() > 0 ? metrics.capHeight() : metrics.ascent() * 0.7;
  for (const drawing::TitleText& t : cells.texts) {
    if (t.text.shown.empty()) continue;
    const QString words = fromUtf8(t.text.shown);
    const double s = t.text.height / cap;
    const double room = t.cell.width - 2 * t.pad;
    const double wide = metrics.horizontalAdvance(words) * s;
    const double squeeze = wide > room && wide > 0 ? room / wide : 1;
    const double x =
        t.label ? t.cell.left + (t.cell.width - wide * squeeze) / 2 : t.cell.left + t.pad;
    painter.save();
    painter.translate(x, t.cell.top + (t.cell.height + t.text.height) / 2);
    painter.scale(s * squeeze, s);
    painter.drawText(QPointF(0, 0), words);
    painter.restore();
  }
  painter.restore();
}

bool printFramed(QPagedPaintDevice& device, const QFont& font, const FramedSheet& sheet,
                 const ChartScene& scene, const PrintedTable& table, int* pages, QRectF* chart) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // From the paper's corner (the painter starts at the printable area's), in 1/96 inch.
  const int dpi = device.logicalDpiY();
  const QRectF paint = device.pageLayout().paintRectPixels(dpi);
  painter.translate(-paint.topLeft());
  painter.scale(dpi / layoutDpi, dpi / layoutDpi);

  const workspace::PageSetup& page = sheet.page;
  const auto layoutOf = [&](workspace::PageContent content, double chartHeight) {
    workspace::PageSetup p = page;
    p.content = content;
    return drawing::pageLayout(p, chartHeight, sheet.printer);
  };
  const drawing::PageLayout first = layoutOf(page.content, std::numeric_limits<double>::infinity());
  const drawing::TitleBlockCells cells =
      drawing::titleBlockCells(first, sheet.fields, sheet.defaults, scene.pa, scene.arithmetic);
  QFont printed(font);
  if (font.pointSizeF() > 0)
    printed.setPixelSize(std::max(1, qRound(font.pointSizeF() * layoutDpi / 72)));
  painter.setFont(printed);
  Sheet s(painter, printed, first);
  const TableMetrics m = measureTable(painter, table);

  int printedPages = 1;
  QRectF chartAt;
  s.frame(first, cells);
  std::vector<std::vector<std::size_t>> tablePageRows;
  drawing::PageLayout tables = layoutOf(workspace::PageContent::tables, 0);
  switch (page.content) {
    case workspace::PageContent::chart:
      chartAt = s.chart(first.chart, scene);
      tables = {};
      break;
    case workspace::PageContent::tables:
      break;
    case workspace::PageContent::chartAndTables: {
      const double rowHeight = s.tableFit(m, first.chart).second;
      const double height = rowHeight * static_cast<double>(table.rows.size());
      if (height <= first.chart.height * tableShare) {
        const drawing::PageLayout both =
            layoutOf(page.content, first.chart.height - height - drawing::pageGap);
        chartAt = s.chart(both.chart, scene);
        // The tables right under the chart, where it kept its proportion short of its room.
        chart::Box under = both.tables;
        if (!chartAt.isEmpty())
          under.top = std::min(under.top, chartAt.bottom() + drawing::pageGap);
        s.rows(under, table, m, everyRow(table));
        tables = {};
      } else {
        chartAt = s.chart(first.chart, scene);
      }
      break;
    }
  }
  if (tables.tables.height > 0) {
    const double rowHeight = s.tableFit(m, tables.tables).second;
    const auto perPage = static_cast<std::size_t>(std::max(1.0, tables.tables.height / rowHeight));
    bool onFirst = page.content == workspace::PageContent::tables;
    for (const std::vector<std::size_t>& rows : tablePages(table, perPage)) {
      if (!onFirst) {
        if (!device.newPage()) return false;
        ++printedPages;
        s.frame(tables, cells);
      }
      onFirst = false;
      s.rows(tables.tables, table, m, rows);
    }
  }
  if (pages) *pages = printedPages;
  if (chart) *chart = chartAt;
  return painter.end();
}

}  // namespace ui

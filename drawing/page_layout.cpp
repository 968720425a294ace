#include "drawing/page_layout.h"

#include <algorithm>

namespace drawing {

PageLayout pageLayout(const workspace::PageSetup& page, double chartHeight,
                      const std::optional<PrinterPaper>& printer) {
  const workspace::Paper paper =
      page.paper == workspace::Paper::printer ? workspace::Paper::a4 : page.paper;
  PageLayout l;
  l.paper = *workspace::paperSize(paper, page.orientation);
  l.scale = paper == workspace::Paper::a2 ? 4.0 / 3 : 1;
  const auto frameOf = [&](const workspace::Margins& m) {
    return chart::Box{m.left, m.top, l.paper.width - m.left - m.right,
                      l.paper.height - m.top - m.bottom};
  };
  const auto fits = [&](const workspace::Margins& m) {
    const chart::Box own = frameOf(m);
    return m.left >= 0 && m.top >= 0 && m.right >= 0 && m.bottom >= 0 && own.width >= 100 &&
           own.height >= 100;  // also false for NaN
  };
  // The printer's own paper where it holds the standard frame of A4 at least.
  const bool printers = page.paper == workspace::Paper::printer && printer &&
                        printer->size.width >= 130 &&
                        printer->size.height >= 110;  // also false for NaN
  if (printers) {
    l.paper = printer->size;
    l.scale = std::min(l.paper.width, l.paper.height) >= 420 ? 4.0 / 3 : 1;
  }
  l.frame = frameOf(workspace::standardMargins(paper));
  if (printers && fits(printer->margins)) l.frame = frameOf(printer->margins);
  if (page.margins && fits(*page.margins)) l.frame = frameOf(*page.margins);
  const double width = std::min(180 * l.scale, l.frame.width);
  const double height = 40 * l.scale;
  l.titleBlock = {l.frame.right() - width, l.frame.bottom() - height, width, height};
  const chart::Box above{l.frame.left + pageGap, l.frame.top + pageGap, l.frame.width - 2 * pageGap,
                         l.titleBlock.top - pageGap - l.frame.top - pageGap};
  switch (page.content) {
    case workspace::PageContent::chart:
      l.chart = above;
      break;
    case workspace::PageContent::tables:
      l.tables = above;
      break;
    case workspace::PageContent::chartAndTables: {
      const double h = chartHeight >= 0 ? std::min(chartHeight, above.height) : 0;  // NaN: 0
      l.chart = {above.left, above.top, above.width, h};
      l.tables = {above.left, above.top + h + pageGap, above.width,
                  std::max(0.0, above.height - h - pageGap)};
      break;
    }
  }
  return l;
}

double plotRatio(const chart::View& v) {
  const double ratio = (v.yMax - v.yMin) / (2.501 * (v.dMax - v.dMin));
  return ratio >= 0.25 ? std::min(ratio, 4.0) : 0.25;  // NaN: 1/4
}

chart::Box chartPlot(const chart::Box& region, const ScaleRoom& around, double ratio) {
  const double roomX = region.width - around.left - around.right;
  const double roomY = region.height - around.top - around.bottom;
  const double width = std::min(roomX, roomY / ratio);
  return {region.left + around.left + (roomX - width) / 2, region.top + around.top, width,
          width * ratio};
}

}  // namespace drawing

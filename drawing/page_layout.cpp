#include "drawing/page_layout.h"

#include <algorithm>

namespace drawing {

PageLayout pageLayout(const workspace::PageSetup& page, double chartHeight) {
  const workspace::Paper paper =
      page.paper == workspace::Paper::printer ? workspace::Paper::a4 : page.paper;
  PageLayout l;
  l.paper = *workspace::paperSize(paper, page.orientation);
  l.scale = paper == workspace::Paper::a2 ? 4.0 / 3 : 1;
  const auto frameOf = [&](const workspace::Margins& m) {
    return chart::Box{m.left, m.top, l.paper.width - m.left - m.right,
                      l.paper.height - m.top - m.bottom};
  };
  l.frame = frameOf(workspace::standardMargins(paper));
  if (page.margins) {
    const workspace::Margins& m = *page.margins;
    const chart::Box own = frameOf(m);
    if (m.left >= 0 && m.top >= 0 && m.right >= 0 && m.bottom >= 0 && own.width >= 100 &&
        own.height >= 100)  // also false for NaN
      l.frame = own;
  }
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

}  // namespace drawing

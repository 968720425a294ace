#pragma once

#include "chart/label_board.h"
#include "workspace/page.h"

// Where things go on the page of the drawing, mm from the paper's upper left corner, y downwards
// (as on the screen; the drawing turns it up when it writes).
namespace drawing {

struct PageLayout {
  workspace::PaperSize paper;
  chart::Box frame;       // the 图框, inside the margins
  chart::Box titleBlock;  // the 标题栏, in the frame's lower right corner
  chart::Box chart;       // the chart with its scales; no width when the page has none
  chart::Box tables;      // the tables; no width when the page has none
  double scale = 1;       // of the title block and its texts: 1 for A4 and A3, 4/3 for A2
};

// The gap, mm, between the title block and what is above it, and between the chart and the tables.
inline constexpr double pageGap = 5;

// The layout of page: its paper (A4 for the printer's own), its margins (the standard frame's
// where none are set, or where those set leave a frame smaller than 100 × 100 mm), the title block
// of 180 × 40 mm (240 × 53⅓ on A2; narrower where the frame is) in the frame's lower right corner,
// and above it the chart, the tables or both as page.content says: the chart then takes at most
// chartHeight of the height (the tables the rest).
PageLayout pageLayout(const workspace::PageSetup& page, double chartHeight);

}  // namespace drawing

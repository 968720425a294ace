#pragma once

#include <optional>

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

// The printer's own paper as the printer has it: its size and the margins it prints within, mm.
struct PrinterPaper {
  workspace::PaperSize size;
  workspace::Margins margins;
};

// The layout of page: its paper (the printer's when given for the printer's own, else A4), its
// margins (the standard frame's
// where none are set, or where those set leave a frame smaller than 100 × 100 mm; on the
// printer's paper its own margins, or A4's where those leave no such frame), the title block of
// 180 × 40 mm (240 × 53⅓ on A2 and larger; narrower where the frame is) in the frame's lower right
// corner, and above it the chart, the tables or both as page.content says: the chart then takes at
// most chartHeight of the height (the tables the rest).
PageLayout pageLayout(const workspace::PageSetup& page, double chartHeight,
                      const std::optional<PrinterPaper>& printer = std::nullopt);

// The room the scales and titles take round a chart's plot, in the plot's units.
struct ScaleRoom {
  double left = 0, top = 0, right = 0, bottom = 0;
};

// The plot's height over its width at which view shows lines of constant h at 45° (2.501 kJ/kg
// of y across for each g/kg of d), kept between 1/4 and 4.
double plotRatio(const chart::View& view);

// The plot of a chart in region with around it for its scales: at ratio (height over width), as
// large as region's width and height allow, centred across, at the top. The print and the drawing
// both place their chart so.
chart::Box chartPlot(const chart::Box& region, const ScaleRoom& around, double ratio);

}  // namespace drawing

#pragma once

#include <string>

#include "drawing/title_block.h"
#include "dxf/document.h"
#include "workspace/page.h"
#include "workspace/workspace.h"

// The 焓湿图 of a design as a CAD drawing: a page of the page set-up's paper in millimetres at
// scale 1:1, with its frame and title block; the chart at its default view (t −10…45 ℃, d 0…30
// g/kg) at the design's pressure and arithmetic, its plot as tall as wide × the view's natural
// proportion (lines of constant h at 45°): the grid, the φ curves and the saturation curve, the
// h lines, the scales, the comfort zones in force as outlines, the ε lines, the processes with
// their arrowheads, the points with their labels and the ε protractor, labels placed as the window
// places them (chart/label_places) from a fixed table of glyph widths; with the tables as the
// page set-up asks. Each kind of thing on its own layer (drawing/layers.h). Neither the fonts
// installed nor the window's view or size change it: the same design, page set-up, title block and
// defaults make the same file, byte for byte.
namespace drawing {

// The drawing's one text style and its font (仿宋, on every Chinese system).
inline constexpr char textStyle[] = "汉字";
inline constexpr char fontFile[] = "simfang.ttf";

dxf::Document chartDrawing(const workspace::Workspace& design, const workspace::PageSetup& page,
                           const workspace::TitleBlock& title, const TitleDefaults& defaults);

// The drawing's DXF file (dxf::Document::write).
std::string chartDxf(const workspace::Workspace& design, const workspace::PageSetup& page,
                     const workspace::TitleBlock& title, const TitleDefaults& defaults);

}  // namespace drawing

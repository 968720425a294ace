#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "workspace/page.h"
#include "workspace/workspace.h"

// torvale-calc --workspace FILE --dxf OUT.dxf [--paper SIZE]: the design's 焓湿图 as a CAD drawing
// (drawing::chartDxf), the same file the chart window's 导出 DXF writes.
namespace cli {

// The paper --paper names: A4, A3 or A2 (GB/T 14689), upright unless followed by ",landscape"
// (",portrait" says upright outright); letters in either case. False for any other text, page
// unchanged.
bool readPaper(std::string_view text, workspace::PageSetup& page);

// Writes the drawing of design on page to path: beside it first, then renamed over it once
// written whole and flushed to the disk, so that a failure leaves any file there as it was. The
// title block is the design's; an empty 图名 is the design file's name without folder and suffix,
// an empty 日期 today's local date (drawing::titleDefaults). False, with the reason on err, when it
// cannot.
bool writeDrawing(const workspace::Workspace& design, const workspace::PageSetup& page,
                  std::string_view designPath, const std::string& path, std::FILE* err);

}  // namespace cli

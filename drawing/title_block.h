#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drawing/page_layout.h"
#include "dxf/document.h"
#include "psychro/arithmetic.h"
#include "workspace/page.h"

// The page's frame and its title block (标题栏) as building drawings have them (GB/T 50001): a
// grid of labelled cells in the frame's lower right corner, beside the pressure and the arithmetic
// the chart is drawn with.
namespace drawing {

// What an empty 图名 and 日期 print: the design's file name (without folder and suffix) and the
// date the drawing is made ("2024-07-01"), given by the caller so that the same design and the
// same day make the same file.
struct TitleDefaults {
  std::string drawingName;
  std::string date;
};

// The defaults of the design saved at designPath on the day it is drawn: its file's name without
// folder and last suffix ("docs/夏季工况.torvale" → "夏季工况"; 焓湿图 for a design never saved)
// and today's local date. The window and the command line both take them from here, so that the
// same saved design makes the same file.
TitleDefaults titleDefaults(std::string_view designPath);

// The lineweights of the frame (b = 0.7 mm), the title block's outline (0.7 b) and its cells'
// rules (0.35 b), hundredths of a mm (GB/T 50001).
inline constexpr int frameLineweight = 70, outlineLineweight = 50, cellLineweight = 25;

// A text shrunk and cut to its cell: what is shown, mm high.
struct FittedText {
  std::string shown;  // empty for an empty text
  double height = 0;
};

// text in a box, one line at most height high, shrunk so that it fits the box's width less 2·pad
// by the fixed glyph widths (to no less than 1.8 mm, or than height where that is less), then cut
// with "…".
FittedText fitToBox(const chart::Box& box, std::string_view text, double height, double pad);

// A text of the title block in its cell (mm, y down): a label centred, a value from the left.
struct TitleText {
  chart::Box cell;
  FittedText text;
  bool label = false;
  double pad = 0;  // from the cell's left edge to a value
};

// A rule between the title block's cells, mm, y down.
struct TitleRule {
  chart::Pixel from, to;
};

// The title block's cells, worked out once for every output: the outline, the rules between
// the cells (lineweight cellLineweight) and the texts, labels and values in the order written.
struct TitleBlockCells {
  chart::Box outline;
  std::vector<TitleRule> rules;
  std::vector<TitleText> texts;
};

// The cells of the title block of layout, rows of
// 单位 | 图号, 项目名称 | 日期, 子项 | 大气压力, 图名 | 计算方法, then 设计 | 校对 | 审核: six
// columns in the proportions 20 | 40 | 20 | 40 | 20 | 40 of the block's width, five equal rows;
// labels 2.5 mm high, values 3.5 mm (× layout.scale), each shrunk and cut to its cell; an empty
// field blank, but for 图名 and 日期 (defaults). pa and m: the pressure and arithmetic in force.
TitleBlockCells titleBlockCells(const PageLayout& layout, const workspace::TitleBlock& fields,
                                const TitleDefaults& defaults, double pa, psychro::Arithmetic m);

// Draws the paper's edge and the frame on layers::frame and the title block's cells
// (titleBlockCells) on layers::titleBlock.
void drawTitleBlock(dxf::Document& drawing, const PageLayout& layout,
                    const workspace::TitleBlock& fields, const TitleDefaults& defaults, double pa,
                    psychro::Arithmetic m);

// Writes text in the box (mm, y down on a paper of paperHeight) as fitToBox fits it.
void fitText(dxf::Document& drawing, std::string_view layer, const chart::Box& box,
             double paperHeight, std::string_view text, double height, double pad,
             dxf::Attachment attachment);

}  // namespace drawing

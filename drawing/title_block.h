#pragma once

#include <string>
#include <string_view>

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

// Draws the paper's edge and the frame on layers::frame and the title block on
// layers::titleBlock: rows of
// 单位 | 图号, 项目名称 | 日期, 子项 | 大气压力, 图名 | 计算方法, then 设计 | 校对 | 审核, each
// label in its cell and each value (shrunk to its cell, down to 1.8 mm, and cut with "…" beyond
// that) beside it; an empty field blank, but for 图名 and 日期 (defaults).
void drawTitleBlock(dxf::Document& drawing, const PageLayout& layout,
                    const workspace::TitleBlock& fields, const TitleDefaults& defaults, double pa,
                    psychro::Arithmetic m);

// Writes text in the box (mm, y down on a paper of paperHeight), one line at most height high,
// shrunk so that it fits the box's width less 2·pad (to no less than 1.8 mm, or than height where
// that is less), then cut with "…".
void fitText(dxf::Document& drawing, std::string_view layer, const chart::Box& box,
             double paperHeight, std::string_view text, double height, double pad,
             dxf::Attachment attachment);

}  // namespace drawing

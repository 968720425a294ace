#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "workspace/refusal.h"

// How a design goes onto paper: the page set-up (paper, orientation, margins, what the pages
// carry) and the title block (标题栏) the engineer fills in, both kept with the design. Plain data:
// the window's print and PDF, and the drawing, read them.
namespace workspace {

// The drawing sizes of GB/T 14689, or the printer's own paper.
enum class Paper { printer, a4, a3, a2 };
enum class Orientation { portrait, landscape };

// What the pages carry: the chart alone, the chart with the tables (points, processes) after it,
// or the tables alone.
enum class PageContent { chart, chartAndTables, tables };

// Margins of the page, mm: the distance from each edge of the paper to the frame (or, in print,
// to what is printed).
struct Margins {
  double left = 25, top = 5, right = 5, bottom = 5;

  bool operator==(const Margins&) const = default;
};

struct PageSetup {
  Paper paper = Paper::printer;
  Orientation orientation = Orientation::portrait;
  std::optional<Margins> margins;  // none: the printer's own, or the standard frame's
  PageContent content = PageContent::chartAndTables;

  bool operator==(const PageSetup&) const = default;
};

// A sheet's width and height, mm.
struct PaperSize {
  double width = 0, height = 0;

  bool operator==(const PaperSize&) const = default;
};

// The size of a GB/T 14689 sheet (A4 210 × 297, A3 297 × 420, A2 420 × 594) in the orientation
// given; none for the printer's own paper.
inline std::optional<PaperSize> paperSize(Paper paper, Orientation orientation) {
  PaperSize s;
  switch (paper) {
    case Paper::a4:
      s = {210, 297};
      break;
    case Paper::a3:
      s = {297, 420};
      break;
    case Paper::a2:
      s = {420, 594};
      break;
    case Paper::printer:
      return std::nullopt;
  }
  if (orientation == Orientation::landscape) return PaperSize{s.height, s.width};
  return s;
}

// The frame of a GB/T 14689 sheet with a binding edge: 25 mm on the binding (left) side, 10 mm on
// the others for A2 and larger, 5 mm for A3 and A4.
inline Margins standardMargins(Paper paper) {
  const double c = paper == Paper::a2 ? 10 : 5;
  return {25, c, c, c};
}

// The title block's fields, each optional; an empty one is printed blank, except 图名 (the
// design's file name in its place) and 日期 (the date of printing).
struct TitleBlock {
  std::string project;        // 项目名称
  std::string subproject;     // 子项
  std::string drawingName;    // 图名
  std::string drawingNumber;  // 图号
  std::string designer;       // 设计
  std::string checker;        // 校对
  std::string reviewer;       // 审核
  std::string date;           // 日期
  std::string firm;           // 单位

  bool operator==(const TitleBlock&) const = default;
  bool empty() const { return *this == TitleBlock{}; }
};

// The longest text a field of the title block may hold, bytes of UTF-8 (a cell of the block shows
// far less; the rest is cut with "…" when drawn).
inline constexpr std::size_t maxTitleBytes = 256;
// The widest margin the page set-up takes, mm: a frame of 4 × 50 mm still leaves an A4 sheet
// 110 mm of width for the chart.
inline constexpr double maxMargin = 50;

// The title block's fields by the keys the workspace file gives them, in the order of the block.
inline constexpr std::array<std::pair<std::string_view, std::string TitleBlock::*>, 9> titleKeys{{
    {"project", &TitleBlock::project},
    {"subproject", &TitleBlock::subproject},
    {"drawingName", &TitleBlock::drawingName},
    {"drawingNumber", &TitleBlock::drawingNumber},
    {"designer", &TitleBlock::designer},
    {"checker", &TitleBlock::checker},
    {"reviewer", &TitleBlock::reviewer},
    {"date", &TitleBlock::date},
    {"firm", &TitleBlock::firm},
}};

// Why a page set-up cannot be the design's: a margin that is not a number from 0 to maxMargin
// (marginsRange, detail the limit).
std::optional<Refusal> checkPage(const PageSetup& page);
// Why a title block cannot be the design's: a field over maxTitleBytes (titleTooLong, detail the
// limit) or holding a control character or a mark that turns the direction of text
// (titleControl).
std::optional<Refusal> checkTitleBlock(const TitleBlock& title);

}  // namespace workspace

// The 焓湿图 as a drawing: the page's layout, the widths its labels are placed by, and what the
// drawing of a design holds.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <variant>

#include "drawing/chart_dxf.h"
#include "drawing/layers.h"
#include "drawing/page_layout.h"
#include "drawing/text_width.h"
#include "support/dxf_structure.h"
#include "workspace/file.h"

namespace {

using workspace::Orientation;
using workspace::PageContent;
using workspace::Paper;

// Widths come from the table, not from a font: CJK full width, Latin and digits narrower,
// direction marks nothing, bytes that are not UTF-8 a full width each.
TEST(TextWidth, FromTheFixedTable) {
  const struct {
    const char* name;
    std::string text;
    double heights;
  } rows[] = {{"Digits", "25", 1.9},
              {"Chinese", "供冷", 3.1},
              {"IsolatedName", "\u2068N\u2069", 1.11},
              {"WidestLine", "h=5\n供", 3.12},
              {"NotUtf8", "\xFF", 1.55}};
  for (const auto& r : rows)
    EXPECT_NEAR(drawing::textWidth(r.text, 2), 2 * r.heights, 1e-9) << r.name;
}

// The papers of GB/T 14689 with their frames, the title block in the frame's lower right corner
// and the chart and the tables above it.
TEST(PageLayout, SheetsFramesAndTitleBlock) {
  const struct {
    const char* name;
    workspace::PageSetup page;
    double width, height, left, right, titleWidth;
    std::optional<drawing::PrinterPaper> printer = std::nullopt;
  } rows[] = {
      {"A4Portrait",
       {Paper::a4, Orientation::portrait, {}, PageContent::chart},
       210,
       297,
       25,
       5,
       180},
      {"A3Landscape",
       {Paper::a3, Orientation::landscape, {}, PageContent::chartAndTables},
       420,
       297,
       25,
       5,
       180},
      {"A2Landscape",
       {Paper::a2, Orientation::landscape, {}, PageContent::tables},
       594,
       420,
       25,
       10,
       240},
      {"PrinterIsA4",
       {Paper::printer, Orientation::landscape, {}, PageContent::chart},
       297,
       210,
       25,
       5,
       180},
      {"OwnMargins",
       {Paper::a3, Orientation::portrait, workspace::Margins{30, 10, 10, 10}, PageContent::chart},
       297,
       420,
       30,
       10,
       180},
      {"NarrowFrameRefused",
       {Paper::a4, Orientation::portrait, workspace::Margins{100, 5, 100, 5}, PageContent::chart},
       210,
       297,
       25,
       5,
       180},
      {"NaNMarginsRefused",
       {Paper::a4, Orientation::portrait, workspace::Margins{std::nan(""), 5, 5, 5},
        PageContent::chart},
       210,
       297,
       25,
       5,
       180},
      {"PrintersPaperAndMargins",
       {Paper::printer, Orientation::portrait, {}, PageContent::chartAndTables},
       215.9,
       279.4,
       10,
       12,
       180,
       drawing::PrinterPaper{{215.9, 279.4}, {10, 8, 12, 8}}},
      {"PrintersMarginsTooWideTheStandardFrame",
       {Paper::printer, Orientation::portrait, {}, PageContent::chart},
       215.9,
       279.4,
       25,
       5,
       180,
       drawing::PrinterPaper{{215.9, 279.4}, {60, 5, 60, 5}}},
  };
  for (const auto& r : rows) {
    const drawing::PageLayout l = drawing::pageLayout(r.page, 100, r.printer);
    EXPECT_EQ(l.paper, (workspace::PaperSize{r.width, r.height})) << r.name;
    EXPECT_DOUBLE_EQ(l.frame.left, r.left) << r.name;
    EXPECT_DOUBLE_EQ(r.width - l.frame.right(), r.right) << r.name;
    EXPECT_DOUBLE_EQ(l.titleBlock.width, r.titleWidth) << r.name;
    EXPECT_DOUBLE_EQ(l.titleBlock.right(), l.frame.right()) << r.name;
    EXPECT_DOUBLE_EQ(l.titleBlock.bottom(), l.frame.bottom()) << r.name;
    for (const chart::Box& b : {l.chart, l.tables}) {
      if (b.width == 0) continue;
      EXPECT_TRUE(l.frame.contains(b)) << r.name;
      EXPECT_LE(b.bottom(), l.titleBlock.top) << r.name;
    }
    EXPECT_EQ(l.chart.width > 0, r.page.content != PageContent::tables) << r.name;
    EXPECT_EQ(l.tables.width > 0, r.page.content != PageContent::chart) << r.name;
    if (r.page.content == PageContent::chartAndTables) {
      EXPECT_GE(l.tables.top, l.chart.bottom()) << r.name;
    }
  }
}

workspace::Workspace summerDesign() {
  const char* text = R"({"format": "torvale-workspace", "version": 1, "pressure": 101325,
    "points": [{"name": "室外", "pair": "t+rh", "values": ["35", "60"]},
               {"name": "室内", "pair": "t+rh", "values": ["26", "55"]}],
    "processes": [
      {"kind": "mix", "from": "室内", "other": "室外", "values": ["0.8", "0.2"], "outlet": "混合", "at": 2},
      {"kind": "supply", "from": "室内", "values": ["8000", "8"], "outlet": "送风", "at": 3},
      {"kind": "cool-dry", "from": "混合", "pair": "d+rh", "values": ["10.06", "95"], "outlet": "露点", "at": 4}],
    "zones": {"on": ["供冷工况 I级"], "user": [{"name": "自定义区", "t": [20, 30]}]}})";
  auto read = workspace::readWorkspace(text);
  if (std::holds_alternative<workspace::FileRefusal>(read)) ADD_FAILURE() << "refused";
  return std::get<workspace::Workspace>(read);
}

// The drawing of a design with Chinese names is well formed, holds an arrowhead per process line
// (a mixing has two), a mark per point with its name written by it, the ε line of the supply
// point, an outline per zone; the same inputs make the same bytes.
TEST(ChartPlot, HoldsTheDesignOnItsLayers) {
  const workspace::Workspace design = summerDesign();
  const workspace::PageSetup page{
      Paper::a3, Orientation::landscape, {}, PageContent::chartAndTables};
  const std::string text = drawing::chartDxf(design, page, {}, {"夏季", "2025-07-01"});
  const testsupport::DxfReading r = testsupport::readDxf(text);
  ASSERT_EQ(r.problem, "");
  EXPECT_EQ(r.entities.at({"SOLID", drawing::layers::processes}), 4);
  EXPECT_EQ(r.entities.at({"LWPOLYLINE", drawing::layers::zones}), 2);
  EXPECT_EQ(r.entities.at({"LWPOLYLINE", drawing::layers::epsilon}), 1);
  for (const workspace::StatePoint& p : design.points().points()) {
    bool named = false;
    for (auto [it, end] = r.texts.equal_range(drawing::layers::points); it != end; ++it)
      named = named || it->second.starts_with(p.name + "  ") || it->second == p.name;
    EXPECT_TRUE(named) << p.name;
  }
  for (const char* title : {"夏季", "2025-07-01", "101325 Pa", "经典"}) {
    bool found = false;
    for (auto [it, end] = r.texts.equal_range(drawing::layers::titleBlock); it != end; ++it)
      found = found || it->second == title;
    EXPECT_TRUE(found) << title;
  }
  EXPECT_EQ(drawing::chartDxf(design, page, {}, {"夏季", "2025-07-01"}), text);
}

}  // namespace

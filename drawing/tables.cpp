#include "drawing/tables.h"

#include <algorithm>

#include "drawing/layers.h"
#include "drawing/text_width.h"
#include "drawing/title_block.h"

namespace drawing {
namespace {

constexpr double ownHeight = 2.5, leastHeight = 1;  // mm
constexpr double pitch = 1.8;                       // a row's height over the text's
constexpr double secondLine = 5.0 / 3;              // what a second line adds, over the text's
constexpr double pad = 0.8;                         // mm each side of a cell's text

// Whether row r starts a table (as in print): the first after the sheet's opening lines of two
// cells (the pressure, the arithmetic), or the first after an empty line.
bool isHeader(const std::vector<std::vector<std::string>>& rows, std::size_t r) {
  if (r == 0 || rows[r].empty()) return false;
  return rows[r - 1].empty() || (rows[r - 1].size() == 2 && rows[r].size() > 2);
}

// The rows as drawn: a header's captions in two lines, the unit ("干球温度 ℃") under the name.
std::vector<std::vector<std::string>> shownRows(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::vector<std::string>> shown = rows;
  for (std::size_t r = 0; r < rows.size(); ++r)
    if (isHeader(rows, r))
      for (std::string& cell : shown[r])
        if (const std::size_t blank = cell.rfind(' '); blank != std::string::npos && blank > 0)
          cell[blank] = '\n';
  return shown;
}

// A row's height over the text's.
double rowLines(const std::vector<std::string>& cells) {
  const bool two = std::any_of(cells.begin(), cells.end(), [](const std::string& c) {
    return c.find('\n') != std::string::npos;
  });
  return pitch + (two ? secondLine : 0);
}

}  // namespace

double tablesHeight(const std::vector<std::vector<std::string>>& rows) {
  double lines = 0;
  for (const std::vector<std::string>& cells : shownRows(rows)) lines += rowLines(cells);
  return lines * ownHeight;
}

void drawTables(dxf::Document& drawing, double paperHeight, const chart::Box& box,
                const std::vector<std::vector<std::string>>& given) {
  if (given.empty()) return;
  const std::vector<std::vector<std::string>> rows = shownRows(given);
  // Each column's width at a text height of 1 mm, without its padding.
  std::vector<double> widths;
  double lines = 0;
  for (const std::vector<std::string>& cells : rows) {
    if (widths.size() < cells.size()) widths.resize(cells.size(), 0);
    for (std::size_t i = 0; i < cells.size(); ++i)
      widths[i] = std::max(widths[i], textWidth(cells[i], 1));
    lines += rowLines(cells);
  }
  double text = 0;
  for (double w : widths) text += w;
  const double padding = 2 * pad * static_cast<double>(widths.size());
  const double byWidth = text > 0 ? (box.width - padding) / text : ownHeight;
  const double h = std::max(leastHeight, std::min({ownHeight, byWidth, box.height / lines}));

  const auto at = [&](double x, double y) { return dxf::Point{x, paperHeight - y}; };
  const double tableWidth = std::min(padding + text * h, box.width);
  const dxf::Pen rule{dxf::byLayer, 13, {}};
  drawing.line(layers::tables, at(box.left, box.top), at(box.left + tableWidth, box.top), rule);
  double top = box.top;
  std::size_t r = 0;
  for (; r < rows.size(); ++r) {
    const double height = rowLines(rows[r]) * h;
    // Room for this row, and for the note of those left out after it.
    const double after = r + 1 < rows.size() ? pitch * h : 0;
    if (top + height + after > box.bottom() + 1e-9) break;
    double x = box.left;
    for (std::size_t i = 0; i < rows[r].size(); ++i) {
      const double w = std::min(widths[i] * h + 2 * pad, box.right() - x);
      if (w <= 2 * pad) break;
      fitText(drawing, layers::tables, {x, top, w, height}, paperHeight, rows[r][i], h, pad,
              i < 2 ? dxf::Attachment::middleLeft : dxf::Attachment::middleRight);
      x += w;
    }
    top += height;
    drawing.line(layers::tables, at(box.left, top), at(box.left + tableWidth, top), rule);
  }
  if (r < rows.size())
    fitText(drawing, layers::tables, {box.left, top, tableWidth, pitch * h}, paperHeight,
            "…（余下 " + std::to_string(rows.size() - r) + " 行未画出）", h, pad,
            dxf::Attachment::middleLeft);
}

}  // namespace drawing

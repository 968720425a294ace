#include "chart/point_table.h"

#include "calc/messages.h"
#include "calc/outputs.h"
#include "calc/pressure_setting.h"
#include "chart/process_list.h"

namespace chart {
namespace {

// A caption with its raised suffix as superscript digits: "密度 kg/m" and "3" give "密度 kg/m³".
std::string columnCaption(const calc::OutputInfo& o) {
  static constexpr const char* raised[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string caption(o.caption);
  for (char c : o.superscript)
    caption += c >= '0' && c <= '9' ? raised[c - '0'] : std::string(1, c);
  return caption;
}

std::string tsvCell(std::string cell, bool text) {
  if (text) cell = guardedText(std::move(cell));
  for (char& c : cell)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return cell;
}

std::string csvCell(std::string cell, bool text) {
  if (text) cell = guardedText(std::move(cell));
  if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
  std::string quoted = "\"";
  for (char c : cell) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

std::string guardedText(std::string cell) {
  if (!cell.empty() && std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos)
    cell.insert(cell.begin(), '\'');
  return cell;
}

std::vector<std::string> pressureRow(double pa) {
  return {std::string(calc::pressureName), calc::pressureText(pa) + " Pa"};
}

std::vector<std::string> tableHeader() {
  std::vector<std::string> header{"名称", "给定参数"};
  for (const calc::OutputInfo& o : calc::outputs) header.push_back(columnCaption(o));
  return header;
}

std::vector<std::string> tableRow(const StatePoint& p) {
  std::vector<std::string> row{p.name, p.given};
  if (!p.exists()) row[1] += "：" + std::string(calc::words(p.result.outcome));
  row.insert(row.end(), p.result.texts.begin(), p.result.texts.end());
  return row;
}

std::vector<std::vector<std::string>> tableRows(const PointList& points) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(points.size());
  for (const StatePoint& p : points.points()) rows.push_back(tableRow(p));
  return rows;
}

std::vector<std::vector<std::string>> tableLines(const PointList& points,
                                                 const ProcessList* processes) {
  std::vector<std::vector<std::string>> lines{pressureRow(points.pressure()), tableHeader()};
  lines.reserve(points.size() + 2);
  for (const StatePoint& p : points.points()) lines.push_back(tableRow(p));
  if (processes && !processes->processes().empty()) {
    lines.emplace_back();
    lines.push_back(processHeader());
    for (auto& row : processRows(*processes, points)) lines.push_back(std::move(row));
  }
  return lines;
}

// In both forms a line's first cell is text (a name, or a caption); the rest are how a point was
// given, captions and numbers.
std::string tabSeparated(const PointList& points, const ProcessList* processes) {
  std::string out;
  for (const auto& cells : tableLines(points, processes)) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i) out += '\t';
      out += tsvCell(cells[i], i == 0);
    }
    out += '\n';
  }
  return out;
}

std::string commaSeparated(const PointList& points, const ProcessList* processes) {
  std::string out = "\xEF\xBB\xBF";
  for (const auto& cells : tableLines(points, processes)) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i) out += ',';
      out += csvCell(cells[i], i == 0);
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace chart

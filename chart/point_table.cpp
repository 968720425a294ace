#include "chart/point_table.h"

#include "calc/outputs.h"
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

std::string tsvCell(std::string cell) {
  for (char& c : cell)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return cell;
}

std::string csvCell(std::string cell, bool text) {
  if (text && !cell.empty() &&
      std::string_view("=+-@").find(cell.front()) != std::string_view::npos)
    cell.insert(cell.begin(), '\'');
  if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
  std::string quoted = "\"";
  for (char c : cell) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

std::vector<std::string> tableHeader() {
  std::vector<std::string> header{"名称", "给定参数"};
  for (const calc::OutputInfo& o : calc::outputs) header.push_back(columnCaption(o));
  return header;
}

std::vector<std::vector<std::string>> tableRows(const PointList& points) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(points.size());
  for (const StatePoint& p : points.points()) {
    std::vector<std::string> row{p.name, p.given};
    if (!p.exists()) row[1] += "：" + std::string(p.result.message);
    row.insert(row.end(), p.result.texts.begin(), p.result.texts.end());
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string tabSeparated(const PointList& points, const ProcessList* processes) {
  std::string out;
  const auto line = [&](const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i) out += '\t';
      out += tsvCell(cells[i]);
    }
    out += '\n';
  };
  line(tableHeader());
  for (const auto& row : tableRows(points)) line(row);
  if (processes && !processes->processes().empty()) {
    out += '\n';
    line(processHeader());
    for (const auto& row : processRows(*processes, points)) line(row);
  }
  return out;
}

std::string commaSeparated(const PointList& points, const ProcessList* processes) {
  std::string out = "\xEF\xBB\xBF";
  const auto line = [&](const std::vector<std::string>& cells) {
    // The name and how it was given are text; the rest are numbers.
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i) out += ',';
      out += csvCell(cells[i], i == 0);
    }
    out += "\r\n";
  };
  line(tableHeader());
  for (const auto& row : tableRows(points)) line(row);
  if (processes && !processes->processes().empty()) {
    out += "\r\n";
    line(processHeader());
    for (const auto& row : processRows(*processes, points)) line(row);
  }
  return out;
}

}  // namespace chart

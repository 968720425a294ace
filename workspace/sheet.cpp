#include "workspace/sheet.h"

#include <cmath>
#include <optional>

#include "calc/csv_field.h"
#include "calc/number_text.h"
#include "calc/outputs.h"
#include "calc/pressure_setting.h"
#include "workspace/process_list.h"
#include "workspace/workspace.h"

namespace workspace {
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

std::string flowText(const std::optional<Flow>& flow) {
  if (!flow) return {};
  return readValue(flow->value) + (flow->unit == FlowUnit::cubicMetresPerHour ? " m³/h" : " kg/s");
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

std::string tableCell(const StatePoint& p, std::size_t column) {
  if (column == 0) return p.name;
  if (column == 1) return p.exists() ? p.given : p.given + "：" + std::string(p.result.message);
  return column - 2 < p.result.texts.size() ? p.result.texts[column - 2] : std::string();
}

std::vector<std::string> tableRow(const StatePoint& p) {
  std::vector<std::string> row;
  row.reserve(2 + p.result.texts.size());
  for (std::size_t c = 0; c < 2 + p.result.texts.size(); ++c) row.push_back(tableCell(p, c));
  return row;
}

std::vector<std::vector<std::string>> tableRows(const PointList& points) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(points.size());
  for (const StatePoint& p : points.points()) rows.push_back(tableRow(p));
  return rows;
}

std::string epsilonText(double ε) {
  if (std::isinf(ε)) return "∞";
  return calc::formatFixed(ε, 0);  // empty for NaN
}

std::array<std::string, columns.size()> rowTexts(const process::Figures& f,
                                                 const process::Loads* l) {
  const bool withLoads = l != nullptr && l->ok();
  const process::Loads none;
  const process::Loads& x = withLoads ? *l : none;
  // Each column's shown value, in the order of Column.
  const double values[] = {f.Δt, f.Δd * 1000, f.Δh, f.ε, x.sensible, x.latent, x.total, x.water};
  std::array<std::string, columns.size()> texts;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const Column c = columns[i].column;
    const bool isLoad = c >= Column::sensible;
    if (c == Column::ε)
      texts[i] = epsilonText(f.ε);
    else if (withLoads || !isLoad)
      texts[i] = calc::formatFixed(values[static_cast<int>(c)], columns[i].decimals);
  }
  return texts;
}

std::vector<std::string> processHeader() {
  std::vector<std::string> header{"过程", "类型", "风量"};
  for (const ColumnInfo& c : columns) header.emplace_back(c.caption);
  return header;
}

std::vector<std::vector<std::string>> processRows(const ProcessList& processes,
                                                  const PointList& points) {
  std::vector<std::vector<std::string>> rows;
  for (const Process& p : processes.processes()) {
    const Ends e = ends(p);
    const StatePoint* from = points.find(e.from);
    const StatePoint* to = points.find(e.to);
    if (from == nullptr || to == nullptr) continue;
    std::string name = from->name;
    if (p.request.kind == ProcessKind::mix)
      if (const StatePoint* other = points.find(p.request.other)) name += "+" + other->name;
    std::vector<std::string> row{name + "→" + to->name, std::string(kindCaption(p.request.kind)),
                                 flowText(p.request.flow)};
    std::array<std::string, columns.size()> texts;
    if (from->exists() && to->exists()) {
      const process::Figures f = process::figures(from->result.air, to->result.air);
      std::optional<process::Loads> l;
      if (p.request.flow) {
        const Flow& flow = *p.request.flow;
        l = process::loads(f, flow.unit == FlowUnit::kilogramsPerSecond
                                  ? flow.value
                                  : process::dryAirFlow(flow.value, from->result.air));
      }
      texts = rowTexts(f, l ? &*l : nullptr);
    }
    row.insert(row.end(), texts.begin(), texts.end());
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<std::vector<std::string>> sheetRows(const Workspace& workspace) {
  const PointList& points = workspace.points();
  std::vector<std::vector<std::string>> lines{pressureRow(points.pressure()), tableHeader()};
  lines.reserve(points.size() + 2);
  for (const StatePoint& p : points.points()) lines.push_back(tableRow(p));
  if (!workspace.processes().processes().empty()) {
    lines.emplace_back();
    lines.push_back(processHeader());
    for (auto& row : processRows(workspace.processes(), points)) lines.push_back(std::move(row));
  }
  return lines;
}

// In both forms a line's first cell is text (a name, or a caption); the rest are how a point was
// given, captions and numbers.
std::string tabSeparated(const Workspace& workspace) {
  std::string out;
  for (const auto& cells : sheetRows(workspace)) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i) out += '\t';
      out += tsvCell(cells[i], i == 0);
    }
    out += '\n';
  }
  return out;
}

std::string commaSeparated(const Workspace& workspace) {
  std::string out = "\xEF\xBB\xBF";
  for (const auto& cells : sheetRows(workspace)) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i) out += ',';
      calc::appendCsvField(out, i == 0 ? guardedText(cells[i]) : cells[i]);
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace workspace

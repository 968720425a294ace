#include "document/design_table.h"

#include "calc/arithmetic_names.h"
#include "calc/csv_field.h"
#include "calc/outputs.h"
#include "calc/pressure_setting.h"
#include "document/process_table.h"
#include "document/process_words.h"
#include "document/unit_summary.h"
#include "document/words.h"

namespace document {
namespace {

using workspace::PointList;
using workspace::ProcessList;
using workspace::StatePoint;
using workspace::Workspace;
using workspace::Zone;
using workspace::ZoneHourRow;

std::string tsvCell(std::string cell, bool text) {
  if (text) cell = guardedText(std::move(cell));
  for (char& c : cell)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return cell;
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

std::vector<std::string> pointHeader() {
  std::vector<std::string> header{"名称", "给定参数"};
  for (const calc::OutputInfo& o : calc::outputs) header.push_back(calc::shownCaption(o));
  return header;
}

std::string pointCell(const ProcessList& processes, const StatePoint& p, std::size_t column) {
  if (column == 0) return p.name;
  if (column == 1) {
    std::string given = givenCell(processes, p);
    return p.exists() ? given : given + "：" + words(p.why);
  }
  return column - 2 < p.result.texts.size() ? p.result.texts[column - 2] : std::string();
}

std::vector<std::string> pointRow(const ProcessList& processes, const StatePoint& p) {
  std::vector<std::string> row;
  row.reserve(2 + p.result.texts.size());
  for (std::size_t c = 0; c < 2 + p.result.texts.size(); ++c)
    row.push_back(pointCell(processes, p, c));
  return row;
}

std::vector<std::vector<std::string>> pointRows(const ProcessList& processes,
                                                const PointList& points) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(points.size());
  for (const StatePoint& p : points.points()) rows.push_back(pointRow(processes, p));
  return rows;
}

std::string zoneCell(const StatePoint& point, std::span<const Zone> zones) {
  std::string names;
  if (!point.exists()) return names;
  for (const std::size_t i : zonesHolding(zones, point.result.air)) {
    if (!names.empty()) names += "、";
    names += zones[i].name;
  }
  return names;
}

std::vector<std::string> zoneHourHeader() {
  return {"逐时统计", "小时数", "百分比 %"};
}

namespace {

// designTable; for a spreadsheet (guarded) the 舒适区 cells are guarded as names are, since a
// user's zone may be named like a formula.
std::vector<std::vector<std::string>> rowsOf(const Workspace& design,
                                             const std::vector<ZoneHourRow>* hours, bool guarded) {
  const PointList& points = design.points();
  const std::vector<Zone> zones = design.zones().active();
  std::vector<std::vector<std::string>> lines{pressureRow(points.pressure())};
  // The arithmetic, where it is not the classic one (so a classic design reads as it always has).
  if (design.arithmetic() != psychro::Arithmetic::classic)
    lines.push_back({std::string(calc::arithmeticCaption),
                     std::string(calc::arithmeticName(design.arithmetic()))});
  lines.push_back(pointHeader());
  if (!zones.empty()) lines.back().emplace_back(zoneCaption);
  lines.reserve(points.size() + 3);
  for (const StatePoint& p : points.points()) {
    lines.push_back(pointRow(design.processes(), p));
    if (!zones.empty())
      lines.back().push_back(guarded ? guardedText(zoneCell(p, zones)) : zoneCell(p, zones));
  }
  if (!design.processes().processes().empty()) {
    lines.emplace_back();
    lines.push_back(processHeader());
    for (auto& row : processRows(design.processes(), points)) lines.push_back(std::move(row));
    // The unit's summary, only where some row has loads: a design without any reads as before.
    std::vector<std::vector<std::string>> summary = summaryRows(design.processes(), points);
    if (!summary.empty()) {
      lines.emplace_back();
      lines.push_back(summaryHeader());
      for (auto& row : summary) lines.push_back(std::move(row));
    }
  }
  if (hours) {
    lines.emplace_back();
    lines.push_back(zoneHourHeader());
    for (const ZoneHourRow& r : *hours) lines.push_back({r.zone, r.hours, r.percent});
  }
  return lines;
}

}  // namespace

std::vector<std::vector<std::string>> designTable(const Workspace& design,
                                                  const std::vector<ZoneHourRow>* hours) {
  return rowsOf(design, hours, false);
}

// In both forms a line's first cell is text (a name, or a caption); the rest are how a point was
// given, captions and numbers, but for the 舒适区 cells, guarded already.
std::string tabSeparated(const Workspace& design, const std::vector<ZoneHourRow>* hours) {
  std::string out;
  for (const auto& cells : rowsOf(design, hours, true)) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i) out += '\t';
      out += tsvCell(cells[i], i == 0);
    }
    out += '\n';
  }
  return out;
}

std::string commaSeparated(const Workspace& design, const std::vector<ZoneHourRow>* hours) {
  std::string out = "\xEF\xBB\xBF";
  for (const auto& cells : rowsOf(design, hours, true)) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i) out += ',';
      calc::appendCsvField(out, i == 0 ? guardedText(cells[i]) : cells[i]);
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace document

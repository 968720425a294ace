#include "document/unit_summary.h"

#include <optional>

#include "calc/number_text.h"
#include "document/process_table.h"

namespace document {
namespace {

using workspace::PointList;
using workspace::Process;
using workspace::ProcessKind;
using workspace::ProcessList;

// Rows that take heat out of the air: they give the cooling capacity and the condensate.
bool cools(ProcessKind kind) {
  return kind == ProcessKind::cool || ratesCoil(kind) || kind == ProcessKind::evaporateIndirect;
}

bool humidifies(ProcessKind kind) {
  return kind == ProcessKind::humidifyAdiabatic || kind == ProcessKind::humidifyIsothermal ||
         kind == ProcessKind::evaporate;
}

// Adds the loads l of a row of kind to the stream s.
void add(StreamSummary& s, ProcessKind kind, const process::Loads& l) {
  if (cools(kind)) {
    s.cools = true;
    s.cooling -= l.total;
    s.sensible -= l.sensible;
    s.latent -= l.latent;
    s.condensate -= l.water;
  } else if (kind == ProcessKind::heat && s.cools) {
    s.reheats = true;
    s.reheat += l.total;
  } else if (kind == ProcessKind::heat) {
    s.heats = true;
    s.heating += l.total;
  } else if (humidifies(kind)) {
    s.humidifies = true;
    s.humidifier += l.water;
  } else if (kind == ProcessKind::recoverSensible || kind == ProcessKind::recoverTotal) {
    s.recovers = true;
    s.recovered += l.total;
  } else if (kind == ProcessKind::fan) {
    s.fans = true;
    s.fan += l.total;
  }
}

std::string cell(bool given, double value) {
  return given ? calc::formatFixed(value, 2) : std::string();
}

std::vector<std::string> rowOf(const StreamSummary& s) {
  return {s.name,
          cell(s.cools, s.cooling),
          cell(s.cools, s.cooling / kilowattsPerTon),
          cell(s.cools, s.sensible),
          cell(s.cools, s.latent),
          cell(s.heats, s.heating),
          cell(s.reheats, s.reheat),
          cell(s.humidifies, s.humidifier),
          cell(s.cools, s.condensate),
          cell(s.recovers, s.recovered),
          cell(s.fans, s.fan)};
}

}  // namespace

std::vector<StreamSummary> unitStreams(const ProcessList& processes, const PointList& points) {
  struct Open {
    StreamSummary summary;
    unsigned first = 0, last = 0;  // the points the chain starts and (so far) ends at
  };
  std::vector<Open> streams;
  const std::vector<RowFlow> flows = rowFlows(processes, points);
  for (std::size_t i = 0; i < processes.processes().size(); ++i) {
    const Process& p = processes.processes()[i];
    if (p.request.kind == ProcessKind::mix || p.request.kind == ProcessKind::supply) continue;
    const std::optional<process::Loads> l = rowLoads(p, flows[i], points);
    if (!l) continue;
    Open* stream = nullptr;
    for (Open& s : streams)
      if (s.last == p.request.from) stream = &s;
    if (stream == nullptr) stream = &streams.emplace_back(Open{{}, p.request.from, 0});
    stream->last = p.outlet;
    add(stream->summary, p.request.kind, *l);
  }
  std::vector<StreamSummary> out;
  out.reserve(streams.size());
  for (Open& s : streams) {
    const workspace::StatePoint* first = points.find(s.first);
    const workspace::StatePoint* last = points.find(s.last);
    s.summary.name = (first ? first->name : std::string()) + "→" + (last ? last->name : "");
    out.push_back(std::move(s.summary));
  }
  return out;
}

std::vector<std::string> summaryHeader() {
  return {"机组汇总（空气流）",
          "冷量 kW",
          "冷吨 RT",
          "显冷 kW",
          "潜冷 kW",
          "加热 kW",
          "再热 kW",
          "加湿量 kg/h",
          "冷凝水 kg/h",
          "热回收 kW",
          "风机温升 kW"};
}

std::vector<std::vector<std::string>> summaryRows(const ProcessList& processes,
                                                  const PointList& points) {
  std::vector<std::vector<std::string>> rows;
  const std::vector<StreamSummary> streams = unitStreams(processes, points);
  if (streams.empty()) return rows;
  StreamSummary total;
  total.name = "合计";
  for (const StreamSummary& s : streams) {
    rows.push_back(rowOf(s));
    total.cooling += s.cooling;
    total.sensible += s.sensible;
    total.latent += s.latent;
    total.heating += s.heating;
    total.reheat += s.reheat;
    total.humidifier += s.humidifier;
    total.condensate += s.condensate;
    total.recovered += s.recovered;
    total.fan += s.fan;
    total.cools |= s.cools;
    total.heats |= s.heats;
    total.reheats |= s.reheats;
    total.humidifies |= s.humidifies;
    total.recovers |= s.recovers;
    total.fans |= s.fans;
  }
  rows.push_back(rowOf(total));
  return rows;
}

}  // namespace document

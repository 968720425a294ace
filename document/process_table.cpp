#include "document/process_table.h"

#include <cmath>
#include <optional>
#include <unordered_map>

#include "calc/number_text.h"
#include "document/process_words.h"

namespace document {
namespace {

using workspace::Ends;
using workspace::epsilonText;
using workspace::Flow;
using workspace::FlowUnit;
using workspace::PointList;
using workspace::Process;
using workspace::ProcessKind;
using workspace::ProcessList;
using workspace::StatePoint;
using workspace::valueText;

std::string flowText(const std::optional<Flow>& flow) {
  if (!flow) return {};
  return valueText(flow->value) + (flow->unit == FlowUnit::cubicMetresPerHour ? " m³/h" : " kg/s");
}

}  // namespace

bool ratesCoil(workspace::ProcessKind kind) {
  return kind == ProcessKind::coolAndDry || kind == ProcessKind::coolToDewPoint ||
         kind == ProcessKind::coolByBypass;
}

std::array<std::string, columns.size()> rowTexts(const process::Figures& f, const process::Loads* l,
                                                 bool coil,
                                                 const std::optional<process::CoilRating>& rating) {
  const bool withLoads = l != nullptr && l->ok();
  const process::Loads none;
  const process::Loads& x = withLoads ? *l : none;
  // Each column's shown value, in the order of Column.
  const double values[] = {f.Δt,
                           f.Δd * 1000,
                           f.Δh,
                           f.ε,
                           x.sensible,
                           x.latent,
                           x.total,
                           x.water,
                           rating ? rating->tAdp : 0,
                           rating ? rating->bf : 0};
  std::array<std::string, columns.size()> texts;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const Column c = columns[i].column;
    const bool isLoad = c >= Column::sensible;
    if (c == Column::ε)
      texts[i] = epsilonText(f.ε);
    else if (c == Column::adp || c == Column::bf)
      texts[i] = !coil    ? std::string()
                 : rating ? calc::formatFixed(values[static_cast<int>(c)], columns[i].decimals)
                          : std::string(noRating);
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

std::vector<RowFlow> rowFlows(const ProcessList& processes, const PointList& points) {
  std::vector<RowFlow> flows;
  flows.reserve(processes.processes().size());
  // The dry-air flow, kg/s, each outlet carries on: one air stream through the unit keeps its mass
  // flow from process to process, so a flow is given (and a volume turned into mass) once.
  std::unordered_map<unsigned, double> carried;
  const auto carriedBy = [&](unsigned id) -> std::optional<double> {
    const auto it = carried.find(id);
    return it == carried.end() ? std::nullopt : std::optional<double>(it->second);
  };
  for (const Process& p : processes.processes()) {
    RowFlow row;
    const Ends e = ends(p);
    const StatePoint* from = points.find(e.from);
    const StatePoint* to = points.find(e.to);
    if (from == nullptr || to == nullptr) {
      flows.push_back(row);
      continue;
    }
    // The flow of this row: given here (a volume at the row's first state), else carried on
    // from the process that made its inlet; a mixing's outlet carries the sum of its two streams
    // (one of them found from the other by the mixing's ratio).
    std::optional<double>& G = row.G;
    if (p.request.loads) {
      // A supply point sized from the room's loads: the air flow that takes them up.
      if (from->exists() && to->exists()) {
        G = supplyFlow(p.request, to->result.air, from->result.air);
        row.byLoads = *G > 0 && std::isfinite(*G);
      }
    } else if (p.request.flow) {
      const Flow& given = *p.request.flow;
      if (given.unit == FlowUnit::kilogramsPerSecond)
        G = given.value;
      else if (from->exists())
        G = process::dryAirFlow(given.value, from->result.air);
    } else if (p.request.kind == ProcessKind::mix) {
      const std::optional<double> a = carriedBy(p.request.from), b = carriedBy(p.request.other);
      const double ra = p.request.first, rb = p.request.second;
      std::optional<double> sum;
      if (a && b)
        sum = *a + *b;
      else if (a && ra > 0)
        sum = *a * (ra + rb) / ra;
      else if (b && rb > 0)
        sum = *b * (ra + rb) / rb;
      if (sum && std::isfinite(*sum) && *sum > 0) carried[p.outlet] = *sum;
    } else if ((G = carriedBy(p.request.from))) {
      row.carried = true;
    }
    if (G && std::isfinite(*G) && *G > 0) carried[p.outlet] = *G;
    flows.push_back(row);
  }
  return flows;
}

std::optional<process::Loads> rowLoads(const Process& p, const RowFlow& flow,
                                       const PointList& points) {
  const Ends e = ends(p);
  const StatePoint* from = points.find(e.from);
  const StatePoint* to = points.find(e.to);
  if (from == nullptr || to == nullptr || !from->exists() || !to->exists() || !flow.G ||
      p.request.kind == ProcessKind::mix)
    return std::nullopt;
  process::Loads l = process::loads(process::figures(from->result.air, to->result.air), *flow.G);
  if (!l.ok()) return std::nullopt;
  return l;
}

std::vector<std::vector<std::string>> processRows(const ProcessList& processes,
                                                  const PointList& points) {
  std::vector<std::vector<std::string>> rows;
  const std::vector<RowFlow> flows = rowFlows(processes, points);
  for (std::size_t i = 0; i < processes.processes().size(); ++i) {
    const Process& p = processes.processes()[i];
    const Ends e = ends(p);
    const StatePoint* from = points.find(e.from);
    const StatePoint* to = points.find(e.to);
    if (from == nullptr || to == nullptr) continue;
    const std::optional<double>& G = flows[i].G;
    std::string flow = flowText(p.request.flow);
    if (flows[i].byLoads)
      // Given in kg/s and as the volume at the supply state.
      flow = calc::formatFixed(*G, 4) + " kg/s（" +
             calc::formatFixed(process::volumeFlow(*G, from->result.air), 0) + " m³/h，按负荷）";
    else if (flows[i].carried)
      flow = calc::formatFixed(*G, 4) + " kg/s（沿用）";
    std::vector<std::string> row{processName(p, points), std::string(kindCaption(p.request.kind)),
                                 flow};
    std::array<std::string, columns.size()> texts;
    if (from->exists() && to->exists()) {
      const process::Figures f = process::figures(from->result.air, to->result.air);
      std::optional<process::Loads> l;
      if (G && p.request.kind != ProcessKind::mix) l = process::loads(f, *G);
      const bool coil = ratesCoil(p.request.kind);
      const std::optional<process::CoilRating> rating =
          coil ? process::apparatusDewPoint(from->result.air, to->result.air, points.pressure(),
                                            points.arithmetic())
               : std::nullopt;
      texts = rowTexts(f, l ? &*l : nullptr, coil, rating);
    }
    row.insert(row.end(), texts.begin(), texts.end());
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace document

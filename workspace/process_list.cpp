#include "workspace/process_list.h"

#include <algorithm>
#include <cmath>

#include "calc/number_text.h"
#include "process/coil.h"
#include "process/desiccant.h"
#include "process/evaporative.h"
#include "process/fan.h"
#include "process/figures.h"
#include "process/heat_recovery.h"
#include "process/processes.h"

namespace workspace {
namespace {

using psychro::Quantity;

Outlet refused(Rule why) {
  return {{}, Refusal{why, {}, {}}};
}

Outlet refused(process::Code why) {
  return {{}, refusedBy(process::Refusal{why, psychro::Outcome::ok})};
}

// A process's outlet as the design keeps it.
Outlet outletOf(const process::Outlet& out) {
  if (out.ok()) return {out.air, std::nullopt};
  return {out.air, refusedBy(out.why)};
}

// A value in the window's unit of q in the state's own: per cent and g/kg to fractions.
psychro::Given inStateUnits(Quantity q, double shown) {
  if (q == Quantity::rh) return {q, shown / 100};
  if (q == Quantity::d) return {q, shown / 1000};
  return {q, shown};
}

// A request as the list keeps it: a mixing has no flow of its own; a supply point sized from the
// room's loads takes its ε from them, and its air flow too (none typed).
ProcessRequest kept(ProcessRequest r) {
  if (r.kind == ProcessKind::mix) r.flow.reset();
  if (!usesOtherPoint(r.kind)) r.other = 0;
  if (!usesSecondValue(r.kind)) r.second = 0;
  if (r.kind != ProcessKind::supply) r.loads.reset();
  if (r.loads) {
    r.first = process::roomEpsilon(r.loads->heat, r.loads->moisture);
    r.flow.reset();
  }
  return r;
}

// Why the room's loads cannot size the supply point `supply` of r: their air flow is not positive.
Refused flowRefusal(const PointList& points, const ProcessRequest& r,
                    const psychro::AirState& supply) {
  if (!r.loads) return std::nullopt;
  const double G = supplyFlow(r, points.find(r.from)->result.air, supply);
  if (G > 0 && std::isfinite(G)) return std::nullopt;
  return refusedBy(process::Refusal{process::Code::supplyFlowNotPositive, psychro::Outcome::ok});
}

}  // namespace

double supplyFlow(const ProcessRequest& r, const psychro::AirState& room,
                  const psychro::AirState& supply) {
  if (!r.loads) return NAN;
  return process::supplyAirFlow(r.loads->heat, r.loads->moisture, room, supply);
}

std::vector<Quantity> targetQuantities(ProcessKind kind) {
  if (kind == ProcessKind::humidifyAdiabatic) return {Quantity::rh, Quantity::t, Quantity::d};
  if (kind == ProcessKind::humidifyIsothermal) return {Quantity::rh, Quantity::d};
  if (kind == ProcessKind::dryAdiabatic) return {Quantity::d, Quantity::rh, Quantity::t};
  return {};
}

bool usesOtherPoint(ProcessKind kind) {
  return kind == ProcessKind::mix || kind == ProcessKind::recoverSensible ||
         kind == ProcessKind::recoverTotal || kind == ProcessKind::evaporateIndirect;
}

bool usesSecondValue(ProcessKind kind) {
  switch (kind) {
    case ProcessKind::mix:
    case ProcessKind::coolAndDry:
    case ProcessKind::coolToDewPoint:
    case ProcessKind::supply:
    case ProcessKind::recoverTotal:
    case ProcessKind::fan:
    case ProcessKind::coolByBypass:
      return true;
    default:
      return false;
  }
}

Outlet runProcess(const PointList& points, const ProcessRequest& r) {
  const StatePoint* in = points.find(r.from);
  if (in == nullptr) return refused(Rule::noSuchPoint);
  if (!in->exists()) return refused(Rule::pointWithoutState);
  const psychro::AirState& a = in->result.air;
  const double pa = points.pressure();
  const psychro::Arithmetic m = points.arithmetic();
  switch (r.kind) {
    case ProcessKind::mix: {
      const StatePoint* b = points.find(r.other);
      if (b == nullptr) return refused(Rule::noSuchPoint);
      if (b == in) return refused(Rule::samePoint);
      if (!b->exists()) return refused(Rule::pointWithoutState);
      return outletOf(process::mix(a, r.first, b->result.air, r.second, pa, m));
    }
    case ProcessKind::heat:
      return outletOf(process::heat(a, r.first, pa, m));
    case ProcessKind::cool:
      return outletOf(process::cool(a, r.first, pa, m));
    case ProcessKind::coolAndDry:
      return outletOf(process::coolAndDry(a, inStateUnits(r.pair.first, r.first),
                                          inStateUnits(r.pair.second, r.second), pa, m));
    case ProcessKind::coolToDewPoint:
      return outletOf(process::coolAndDryToDewPoint(a, r.first, r.second / 100, pa, m));
    case ProcessKind::humidifyAdiabatic:
      return outletOf(process::humidifyAdiabatic(a, inStateUnits(r.pair.first, r.first), pa, m));
    case ProcessKind::humidifyIsothermal:
      return outletOf(process::humidifyIsothermal(a, inStateUnits(r.pair.first, r.first), pa, m));
    case ProcessKind::supply: {
      const double ε = r.loads ? process::roomEpsilon(r.loads->heat, r.loads->moisture) : r.first;
      if (r.loads && std::isnan(ε)) return refused(process::Code::roomLoadsZero);
      return outletOf(process::supplyPoint(a, ε, r.second, pa, m));
    }
    case ProcessKind::recoverSensible:
    case ProcessKind::recoverTotal: {
      const StatePoint* exhaust = points.find(r.other);
      // Against itself the process refuses: fresh and exhaust air alike.
      if (exhaust == nullptr) return refused(Rule::noSuchPoint);
      if (!exhaust->exists()) return refused(Rule::pointWithoutState);
      if (r.kind == ProcessKind::recoverSensible)
        return outletOf(process::recoverSensible(a, exhaust->result.air, r.first, pa, m));
      const std::optional<double> ηd =
          std::isnan(r.second) ? std::nullopt : std::optional<double>(r.second);
      return outletOf(process::recoverTotal(a, exhaust->result.air, r.first, ηd, pa, m));
    }
    case ProcessKind::evaporate:
      return outletOf(process::evaporativeCool(a, r.first, pa, m));
    case ProcessKind::evaporateIndirect: {
      const StatePoint* secondary = r.other == 0 ? in : points.find(r.other);
      if (secondary == nullptr) return refused(Rule::noSuchPoint);
      if (!secondary->exists()) return refused(Rule::pointWithoutState);
      return outletOf(process::evaporativeCoolIndirect(a, secondary->result.air, r.first, pa, m));
    }
    case ProcessKind::dryAdiabatic:
      return outletOf(process::dryAdiabatic(a, inStateUnits(r.pair.first, r.first), pa, m));
    case ProcessKind::fan:
      return outletOf(process::fanHeat(a, r.first, r.second, pa, m));
    case ProcessKind::coolByBypass:
      return outletOf(process::coolAndDryByBypass(a, r.first, r.second, pa, m));
  }
  return Outlet{{}, refusedBy(psychro::Outcome::noSuchState)};
}

Refused ProcessList::add(PointList& points, const ProcessRequest& request,
                         std::string_view outletName) {
  const ProcessRequest r = kept(request);
  std::string name;
  if (!outletName.empty()) {
    auto checked = points.checkName(outletName);
    if (auto* why = std::get_if<Refusal>(&checked)) return std::move(*why);
    name = std::move(std::get<std::string>(checked));
  }
  if (points.full()) return Refusal{Rule::tooManyPoints, {}, std::to_string(maxPoints)};
  const Outlet out = runProcess(points, r);
  if (out.why) return out.why;
  if (Refused why = flowRefusal(points, r, out.air)) return why;
  Process p{r, 0};
  p.outlet = points.addDerived(out.air, name);
  if (p.outlet == 0) return refusedBy(psychro::Outcome::noSuchState);
  // The supply point lies on the room's ε line: draw it while the process stands.
  if (r.kind == ProcessKind::supply) lines_.push_back({{r.from, r.first}, p.outlet});
  processes_.push_back(std::move(p));
  return std::nullopt;
}

bool ProcessList::mayUse(std::size_t i, unsigned id) const {
  for (std::size_t k = i; k < processes_.size(); ++k)
    if (processes_[k].outlet == id) return false;
  return true;
}

Refused ProcessList::edit(PointList& points, std::size_t i, const ProcessRequest& request) {
  const ProcessRequest r = kept(request);
  if (i >= processes_.size()) return Refusal{Rule::noSuchProcess, {}, {}};
  if (!mayUse(i, r.from) || (r.other != 0 && !mayUse(i, r.other)))
    return Refusal{Rule::laterOutlet, {}, {}};
  const Outlet out = runProcess(points, r);
  if (out.why) return out.why;
  if (Refused why = flowRefusal(points, r, out.air)) return why;
  Process& p = processes_[i];
  p.request = r;
  const unsigned outlet = p.outlet;
  const auto own = [outlet](const DrawnLine& l) { return l.by == outlet; };
  const auto line = std::find_if(lines_.begin(), lines_.end(), own);
  if (r.kind != ProcessKind::supply)
    std::erase_if(lines_, own);
  else if (line != lines_.end())
    line->line = {r.from, r.first};
  else
    lines_.push_back({{r.from, r.first}, outlet});
  // The outlet and whatever was made from it, in the order made.
  rerun(points);
  return std::nullopt;
}

unsigned ProcessList::remove(PointList& points, std::size_t i) {
  if (i >= processes_.size()) return 0;
  const unsigned outlet = processes_[i].outlet;
  points.release(outlet);
  std::erase_if(lines_, [outlet](const DrawnLine& l) { return l.by == outlet; });
  processes_.erase(processes_.begin() + static_cast<std::ptrdiff_t>(i));
  return outlet;
}

void ProcessList::addSaved(PointList& points, const ProcessRequest& request) {
  const ProcessRequest r = kept(request);
  Process p{r, 0};
  p.outlet = points.addDerivedSaved(runProcess(points, r));
  if (r.kind == ProcessKind::supply) lines_.push_back({{r.from, r.first}, p.outlet});
  processes_.push_back(std::move(p));
}

void ProcessList::rerun(PointList& points) const {
  for (const Process& p : processes_) points.setDerived(p.outlet, runProcess(points, p.request));
}

std::vector<unsigned> ProcessList::forget(PointList& points, unsigned id) {
  const auto touches = [id](const Process& p) {
    return p.request.from == id || p.outlet == id ||
           (p.request.other != 0 && p.request.other == id);
  };
  std::vector<unsigned> dropped, released;
  for (const Process& p : processes_)
    if (touches(p)) {
      dropped.push_back(p.outlet);
      if (p.outlet != id && points.find(p.outlet)) {
        points.release(p.outlet);
        released.push_back(p.outlet);
      }
    }
  std::erase_if(processes_, touches);
  std::erase_if(lines_, [&](const DrawnLine& l) {
    return l.line.point == id || std::find(dropped.begin(), dropped.end(), l.by) != dropped.end();
  });
  return released;
}

Refused ProcessList::addLine(const PointList& points, unsigned point, double ε) {
  if (points.find(point) == nullptr) return Refusal{Rule::noSuchPoint, {}, {}};
  if (std::isnan(ε)) return Refusal{Rule::epsilonNotANumber, {}, {}};
  std::size_t drawn = 0;
  for (const DrawnLine& l : lines_) {
    if (l.by != 0) continue;
    if (l.line.point == point && l.line.ε == ε) return std::nullopt;
    ++drawn;
  }
  if (drawn >= maxLines) return Refusal{Rule::tooManyLines, {}, std::to_string(maxLines)};
  lines_.push_back({{point, ε}, 0});
  return std::nullopt;
}

std::vector<EpsilonLine> ProcessList::drawnLines() const {
  std::vector<EpsilonLine> out;
  for (const DrawnLine& d : lines_)
    if (d.by == 0) out.push_back(d.line);
  return out;
}

bool ProcessList::removeLine(std::size_t i) {
  for (auto l = lines_.begin(); l != lines_.end(); ++l)
    if (l->by == 0 && i-- == 0) {
      lines_.erase(l);
      return true;
    }
  return false;
}

std::vector<EpsilonLine> ProcessList::lines() const {
  std::vector<EpsilonLine> out;
  for (const DrawnLine& d : lines_)
    if (std::none_of(out.begin(), out.end(), [&](const EpsilonLine& l) {
          return l.point == d.line.point && l.ε == d.line.ε;
        }))
      out.push_back(d.line);
  return out;
}

std::string processName(const Process& p, const PointList& points) {
  const Ends e = ends(p);
  const StatePoint* from = points.find(e.from);
  const StatePoint* to = points.find(e.to);
  if (from == nullptr || to == nullptr) return {};
  std::string name = from->name;
  if (p.request.kind == ProcessKind::mix)
    if (const StatePoint* other = points.find(p.request.other)) name += "+" + other->name;
  return name + "→" + to->name;
}

std::string epsilonText(double ε) {
  if (std::isinf(ε)) return "∞";
  return calc::formatFixed(ε, 0);  // empty for NaN
}

Ends ends(const Process& p) {
  if (p.request.kind == ProcessKind::supply) return {p.outlet, p.request.from};
  return {p.request.from, p.outlet};
}

std::optional<double> readEpsilon(std::string_view text) {
  std::string s(text);
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::erase_if(s, blank);
  for (std::string_view form : {"∞", "+∞", "inf", "+inf", "INF"})
    if (s == form) return INFINITY;
  for (std::string_view form : {"-∞", "-inf", "－∞"})
    if (s == form) return -INFINITY;
  return calc::wholeNumber(text);
}

}  // namespace workspace

#include "workspace/systems.h"

#include <cmath>
#include <utility>

#include "workspace/names.h"

namespace workspace {
namespace {

using Q = psychro::Quantity;

struct KindNames {
  SystemKind kind;
  std::string_view caption, key;
};
constexpr std::array<KindNames, 5> kindNames{{
    {SystemKind::oneReturnSummer, "一次回风（夏季）", "one-return-summer"},
    {SystemKind::twoReturnSummer, "二次回风（夏季）", "two-return-summer"},
    {SystemKind::allFreshSummer, "全新风（直流，夏季）", "all-fresh-summer"},
    {SystemKind::fanCoil, "风机盘管加新风", "fan-coil"},
    {SystemKind::oneReturnWinter, "一次回风（冬季）", "one-return-winter"},
}};

Refusal valueRange(std::string key) {
  return Refusal{Rule::systemValueRange, {}, std::move(key)};
}

}  // namespace

std::string systemName(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string_view systemCaption(SystemKind kind) {
  for (const KindNames& k : kindNames)
    if (k.kind == kind) return k.caption;
  return {};
}

std::string_view systemKey(SystemKind kind) {
  for (const KindNames& k : kindNames)
    if (k.kind == kind) return k.key;
  return {};
}

std::optional<SystemKind> systemOfKey(std::string_view key) {
  for (const KindNames& k : kindNames)
    if (k.key == key) return k.kind;
  return std::nullopt;
}

Refused checkSystem(const SystemRequest& request, const std::vector<AirSystem>& others,
                    std::size_t own) {
  const std::string name = systemName(request.name);
  if (name.empty()) return Refusal{Rule::systemNameEmpty, {}, {}};
  if (characters(name) > maxSystemNameLength)
    return Refusal{Rule::systemNameTooLong, {}, std::to_string(maxSystemNameLength)};
  if (hasControl(name) || turnsDirection(name)) return Refusal{Rule::systemNameControl, {}, {}};
  for (std::size_t i = 0; i < others.size(); ++i)
    if (i != own && others[i].request.name == name) return Refusal{Rule::systemNameTaken, {}, name};
  const auto finite = [](double v, double bound) {
    return std::isfinite(v) && std::abs(v) <= bound;
  };
  if (!finite(request.heat, 1e9)) return valueRange("heat");
  if (!finite(request.moisture, 1e9)) return valueRange("moisture");
  if (!finite(request.fresh, 1e9) || !(request.fresh > 0) ||
      (!request.freshIsFlow && request.fresh > 100))
    return valueRange("fresh");
  if (!finite(request.Δt, 100)) return valueRange("dt");
  if (!finite(request.φL, 100) || !(request.φL > 0)) return valueRange("coil");
  if (request.preheatTo && !(*request.preheatTo >= -100 && *request.preheatTo <= 200))
    return valueRange("preheat");
  if (!finite(request.targetFirst, 1e9) || !finite(request.targetSecond, 1e9))
    return valueRange("target");
  return std::nullopt;
}

process::System buildSystem(const SystemRequest& request, const psychro::AirState& W,
                            const psychro::AirState& N, double pa, psychro::Arithmetic m) {
  process::SystemInputs in;
  in.outdoor = W;
  in.room = N;
  in.heat = request.heat;
  in.moisture = request.moisture;
  in.fresh = {request.freshIsFlow ? request.fresh : request.fresh / 100, request.freshIsFlow};
  in.Δt = request.Δt;
  in.φL = request.φL / 100;
  in.pa = pa;
  in.arithmetic = m;
  switch (request.kind) {
    case SystemKind::oneReturnSummer:
      return process::oneReturnSummer(in, request.dewPointSupply);
    case SystemKind::allFreshSummer:
      return process::allFreshSummer(in, request.dewPointSupply);
    case SystemKind::twoReturnSummer:
      return process::twoReturnSummer(in);
    case SystemKind::fanCoil: {
      process::FreshAirUnit unit{request.target, {}, {}};
      if (request.target == process::FreshAirTarget::given) {
        // The given state as any pair the window takes, passed on by its t and d.
        const psychro::StateOutcome s =
            calc::pairState(request.targetPair, request.targetFirst, request.targetSecond, pa, m);
        if (s.outcome != psychro::Outcome::ok) {
          process::System refused;
          refused.why = {process::Code::arithmetic, s.outcome};
          return refused;
        }
        unit.a = {Q::t, s.air.t};
        unit.b = {Q::d, s.air.d};
      }
      return process::fanCoilWithFreshAir(in, unit);
    }
    case SystemKind::oneReturnWinter:
      return process::oneReturnWinter(in, request.humidifier, request.preheatTo);
  }
  return {};
}

std::optional<ProcessRequest> memberRequest(const process::System& s, const process::Step& step,
                                            const std::vector<unsigned>& ids) {
  const psychro::AirState& from = s.states[step.from].air;
  const psychro::AirState& to = s.states[step.to].air;
  ProcessRequest r;
  r.from = ids[step.from];
  // Each treating process carries its own dry-air flow, so that the 过程 table and the unit's
  // summary show the system's loads (a mixing is given by its two flows instead).
  r.flow = Flow{step.G, FlowUnit::kilogramsPerSecond};
  switch (step.kind) {
    case process::StepKind::room:
      return std::nullopt;
    case process::StepKind::mix:
      r.kind = ProcessKind::mix;
      r.other = ids[step.other];
      r.first = step.G;
      r.second = step.otherG;
      return r;
    case process::StepKind::heat:
      r.kind = ProcessKind::heat;
      r.first = to.t;
      return r;
    case process::StepKind::coolAndDry:
      // A coil that takes out no moisture (a fan-coil running dry) cools at constant d.
      if (!(to.d < from.d)) {
        r.kind = ProcessKind::cool;
        r.first = to.t;
        return r;
      }
      r.kind = ProcessKind::coolAndDry;
      r.pair = {Q::t, Q::d};
      r.first = to.t;
      r.second = to.d * 1000;
      return r;
    case process::StepKind::humidifyAdiabatic:
    case process::StepKind::humidifyIsothermal:
      r.kind = step.kind == process::StepKind::humidifyAdiabatic ? ProcessKind::humidifyAdiabatic
                                                                 : ProcessKind::humidifyIsothermal;
      r.pair = {Q::d, Q::t};
      r.first = to.d * 1000;
      return r;
  }
  return std::nullopt;
}

bool givenRole(std::string_view role) {
  return role == "W" || role == "N";
}

}  // namespace workspace

#include "workspace/workspace.h"

#include <algorithm>

namespace workspace {
namespace {

// The first name of role, role2, role3, … that taken does not refuse.
template <class Taken>
std::string freeName(const std::string& role, Taken taken) {
  if (!taken(role)) return role;
  for (std::size_t n = 2;; ++n)
    if (std::string name = role + std::to_string(n); !taken(name)) return name;
}

}  // namespace

std::vector<unsigned> Workspace::remove(std::size_t i) {
  if (i >= points_.size()) return {};
  const unsigned id = points_.points()[i].id;
  dissolveHolding(id);
  points_.remove(i);
  return processes_.forget(points_, id);
}

Refused Workspace::editPoint(std::size_t i, const TypedPair& given) {
  if (i < points_.size() && points_.points()[i].derived)
    return Refusal{Rule::outletOfProcess, {}, points_.points()[i].name};
  if (Refused why = points_.edit(i, given)) return why;
  dissolveHolding(points_.points()[i].id);
  processes_.rerun(points_);
  return std::nullopt;
}

Refused Workspace::editProcess(std::size_t i, const ProcessRequest& r) {
  if (Refused why = processes_.edit(points_, i, r)) return why;
  dissolveHolding(processes_.processes()[i].outlet);
  return std::nullopt;
}

unsigned Workspace::removeProcess(std::size_t i) {
  const unsigned outlet = processes_.remove(points_, i);
  dissolveHolding(outlet);
  return outlet;
}

std::optional<std::size_t> Workspace::systemHolding(unsigned id) const {
  for (std::size_t i = 0; i < systems_.size(); ++i)
    for (const SystemMember& m : systems_[i].members)
      if (m.id == id) return i;
  return std::nullopt;
}

void Workspace::dissolveHolding(unsigned id) {
  if (const auto i = systemHolding(id))
    systems_.erase(systems_.begin() + static_cast<std::ptrdiff_t>(*i));
}

std::variant<SystemPlan, Refusal> Workspace::planSystem(
    const SystemRequest& request, std::size_t own, const std::vector<std::string>& names) const {
  if (Refused why = checkSystem(request, systems_, own)) return std::move(*why);
  // W and N as the design would compute them as points.
  PointList scratch(pressure());
  scratch.setArithmetic(arithmetic());
  if (Refused why = scratch.add(request.outdoor)) return std::move(*why);
  if (Refused why = scratch.add(request.room)) return std::move(*why);
  SystemPlan plan;
  plan.built = buildSystem(request, scratch.points()[0].result.air, scratch.points()[1].result.air,
                           pressure(), arithmetic());
  if (!plan.built.ok()) return refusedBy(plan.built.why);
  const std::vector<SystemMember> none;
  const std::vector<SystemMember>& mine = own < systems_.size() ? systems_[own].members : none;
  const auto memberName = [&](std::string_view role) -> const std::string* {
    for (const SystemMember& m : mine)
      if (const StatePoint* p = points_.find(m.id); m.role == role && p != nullptr) return &p->name;
    return nullptr;
  };
  for (std::size_t k = 0; k < plan.built.states.size(); ++k) {
    const std::string role(plan.built.states[k].name);
    if (k < names.size() && !names[k].empty()) {
      plan.names.push_back(names[k]);
    } else if (const std::string* kept = memberName(role)) {
      plan.names.push_back(*kept);
    } else {
      // A name no point has but the system's own, nor one already chosen here.
      plan.names.push_back(freeName(role, [&](const std::string& name) {
        if (std::ranges::find(plan.names, name) != plan.names.end()) return true;
        for (const StatePoint& p : points_.points())
          if (p.name == name) return std::ranges::find(mine, p.id, &SystemMember::id) == mine.end();
        return false;
      }));
    }
  }
  return plan;
}

Refused Workspace::makeSystem(const SystemRequest& request, const std::vector<std::string>& names,
                              std::size_t at) {
  auto planned = planSystem(request, at, names);
  if (auto* why = std::get_if<Refusal>(&planned)) return std::move(*why);
  const SystemPlan& plan = std::get<SystemPlan>(planned);
  const process::System& s = plan.built;
  AirSystem made{request, {}};
  made.request.name = systemName(request.name);
  std::vector<unsigned> ids(s.states.size(), 0);
  for (std::size_t k = 0; k < s.states.size(); ++k) {
    const std::string_view role = s.states[k].name;
    Refused why;
    if (givenRole(role)) {
      why = points_.add(role == "W" ? request.outdoor : request.room, plan.names[k]);
    } else {
      const auto step = std::ranges::find_if(s.steps, [k](const process::Step& st) {
        return st.to == k && st.kind != process::StepKind::room;
      });
      if (step == s.steps.end()) return refusedBy(psychro::Outcome::noSuchState);
      why = processes_.add(points_, *memberRequest(s, *step, ids), plan.names[k]);
    }
    if (why) return why;
    ids[k] = points_.points().back().id;
    made.members.push_back({std::string(role), ids[k]});
  }
  if (at < systems_.size())
    systems_[at] = std::move(made);
  else
    systems_.push_back(std::move(made));
  return std::nullopt;
}

bool Workspace::rebuildInPlace(std::size_t i, const SystemRequest& request,
                               const std::vector<std::string>& names, Refused& why) {
  auto planned = planSystem(request, i, names);
  if (auto* refused = std::get_if<Refusal>(&planned)) {
    why = std::move(*refused);
    return true;
  }
  const SystemPlan& plan = std::get<SystemPlan>(planned);
  const process::System& s = plan.built;
  std::vector<SystemMember>& members = systems_[i].members;
  if (members.size() != s.states.size()) return false;
  std::vector<unsigned> ids;
  for (std::size_t k = 0; k < members.size(); ++k) {
    const std::size_t at = points_.indexOf(members[k].id);
    if (members[k].role != s.states[k].name || at == points_.size()) return false;
    if (givenRole(members[k].role)) {
      if (points_.points()[at].derived) return false;
      if ((why = points_.edit(at, members[k].role == "W" ? request.outdoor : request.room)))
        return true;
    }
    ids.push_back(members[k].id);
  }
  processes_.rerun(points_);
  for (const process::Step& step : s.steps) {
    const std::optional<ProcessRequest> r = memberRequest(s, step, ids);
    if (!r) continue;
    const auto& all = processes_.processes();
    const auto p = std::ranges::find(all, ids[step.to], &Process::outlet);
    if (p == all.end()) return false;
    if ((why = processes_.edit(points_, static_cast<std::size_t>(p - all.begin()), *r)))
      return true;
  }
  for (std::size_t k = 0; k < members.size(); ++k)
    if ((why = points_.rename(points_.indexOf(ids[k]), plan.names[k]))) return true;
  systems_[i].request = request;
  systems_[i].request.name = systemName(request.name);
  why.reset();
  return true;
}

void Workspace::removeMembers(std::size_t i) {
  for (const SystemMember& m : systems_[i].members) {
    const std::size_t at = points_.indexOf(m.id);
    if (at == points_.size()) continue;
    points_.remove(at);
    processes_.forget(points_, m.id);
  }
}

Refused Workspace::addSystem(const SystemRequest& request, const std::vector<std::string>& names) {
  Workspace next = *this;
  if (Refused why = next.makeSystem(request, names, systems_.size())) return why;
  *this = std::move(next);
  return std::nullopt;
}

Refused Workspace::editSystem(std::size_t i, const SystemRequest& request,
                              const std::vector<std::string>& names) {
  if (i >= systems_.size()) return Refusal{Rule::noSuchSystem, {}, {}};
  Workspace next = *this;
  Refused why;
  if (!next.rebuildInPlace(i, request, names, why)) {
    next = *this;
    next.removeMembers(i);
    why = next.makeSystem(request, names, i);
  }
  if (why) return why;
  *this = std::move(next);
  return std::nullopt;
}

void Workspace::rebuildSystems() {
  for (std::size_t i = 0; i < systems_.size(); ++i) {
    Workspace next = *this;
    Refused why;
    if (next.rebuildInPlace(i, systems_[i].request, {}, why) && !why) *this = std::move(next);
  }
}

bool Workspace::setBuiltInZone(std::size_t i, bool on) {
  if (i >= builtInZoneCount) return false;
  zones_.builtInOn[i] = on;
  return true;
}

Refused Workspace::addZone(Zone zone) {
  const std::size_t first = zone.name.find_first_not_of(" \t");
  zone.name = first == std::string::npos
                  ? std::string()
                  : zone.name.substr(first, zone.name.find_last_not_of(" \t") - first + 1);
  if (Refused why = checkZone(zone, zones_)) return why;
  zones_.user.push_back(std::move(zone));
  return std::nullopt;
}

bool Workspace::removeZone(std::size_t i) {
  if (i >= zones_.user.size()) return false;
  zones_.user.erase(zones_.user.begin() + static_cast<std::ptrdiff_t>(i));
  return true;
}

void Workspace::setPressure(double pa) {
  points_.setPressure(pa);
  processes_.rerun(points_);
  rebuildSystems();
}

void Workspace::setArithmetic(psychro::Arithmetic m) {
  points_.setArithmetic(m);
  processes_.rerun(points_);
  rebuildSystems();
}

std::size_t approximateBytes(const Workspace& design) {
  // A string's own size plus its storage where it is too long to be held inside it.
  const auto text = [](const std::string& s) { return s.capacity() > 15 ? s.capacity() + 1 : 0; };
  std::size_t bytes = sizeof(Workspace);
  for (const StatePoint& p : design.points().points()) {
    // The point and its name in the list's index of names (a hash node with its string).
    bytes += sizeof(StatePoint) + text(p.name) + text(p.given) + 2 * sizeof(std::string) + 32;
    for (const std::string& t : p.result.texts) bytes += text(t);
  }
  bytes += design.processes().processes().size() * sizeof(Process);
  bytes += design.processes().lines().size() * 2 * sizeof(EpsilonLine);
  for (const Zone& z : design.zones().user) bytes += sizeof(Zone) + text(z.name);
  for (const auto& [key, field] : titleKeys) bytes += text(design.titleBlock().*field);
  for (const AirSystem& s : design.systems())
    bytes += sizeof(AirSystem) + text(s.request.name) + s.members.size() * sizeof(SystemMember);
  return bytes;
}

void Workspace::restore(const Workspace& design) {
  const double pa = pressure();
  const psychro::Arithmetic m = arithmetic();
  points_ = design.points_;
  processes_ = design.processes_;
  zones_ = design.zones_;
  weather_ = design.weather_;
  page_ = design.page_;
  title_ = design.title_;
  systems_ = design.systems_;
  if (arithmetic() != m) {
    points_.setArithmetic(m);
    if (pressure() == pa) {
      processes_.rerun(points_);
      rebuildSystems();
    }
  }
  if (pressure() != pa) setPressure(pa);
}

}  // namespace workspace

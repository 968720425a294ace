#include "workspace/workspace.h"

namespace workspace {

std::vector<unsigned> Workspace::remove(std::size_t i) {
  if (i >= points_.size()) return {};
  const unsigned id = points_.points()[i].id;
  points_.remove(i);
  return processes_.forget(points_, id);
}

Refused Workspace::editPoint(std::size_t i, const TypedPair& given) {
  if (i < points_.size() && points_.points()[i].derived)
    return Refusal{Rule::outletOfProcess, {}, points_.points()[i].name};
  if (Refused why = points_.edit(i, given)) return why;
  processes_.rerun(points_);
  return std::nullopt;
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
}

void Workspace::setArithmetic(psychro::Arithmetic m) {
  points_.setArithmetic(m);
  processes_.rerun(points_);
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
  if (arithmetic() != m) {
    points_.setArithmetic(m);
    if (pressure() == pa) processes_.rerun(points_);
  }
  if (pressure() != pa) setPressure(pa);
}

}  // namespace workspace

#include "document/document.h"

#include <algorithm>
#include <utility>

#include "calc/arithmetic_names.h"
#include "calc/pressure_setting.h"
#include "document/files.h"
#include "psychro/pressure.h"
#include "workspace/process_list.h"

namespace document {
namespace {

Refusal noSuch(workspace::Rule rule) {
  return byDesign({rule, psychro::Outcome::ok, {}});
}

Refusal noSuchPoint() {
  return noSuch(workspace::Rule::noSuchPoint);
}

Refused designRefused(workspace::Refused why) {
  if (!why) return std::nullopt;
  return byDesign(std::move(*why));
}

}  // namespace

Document::Document(FileSystem& fs, double pa, psychro::Arithmetic m) : fs_(fs), design_(pa) {
  design_.setArithmetic(m);
  history_.reset(std::make_shared<const workspace::Workspace>(design_), true);
}

bool Document::empty() const {
  return design_.points().size() == 0 && design_.zones().empty() &&
         design_.weather().file.empty() && design_.page() == workspace::PageSetup{} &&
         design_.titleBlock().empty();
}

std::size_t Document::listen(Listener listener) {
  listeners_.emplace_back(nextListener_, std::move(listener));
  return nextListener_++;
}

void Document::stopListening(std::size_t id) {
  std::erase_if(listeners_, [id](const auto& l) { return l.first == id; });
}

void Document::tell(Change change) {
  if (Refused unreadable = weather_.sync(fs_, design_); unreadable && !change.notice)
    change.notice = std::move(unreadable);
  // A listener may stop listening as it hears: go through a copy.
  const auto listeners = listeners_;
  for (const auto& [id, listener] : listeners) listener(change);
}

void Document::record(Step step, Change change) {
  history_.record(std::move(step), std::make_shared<const workspace::Workspace>(design_));
  tell(std::move(change));
  dissolved_.clear();
}

std::string Document::systemOfProcess(std::size_t i) const {
  const auto& all = design_.processes().processes();
  return i < all.size() ? systemOf(all[i].outlet) : std::string();
}

std::string Document::systemOf(unsigned id) const {
  const auto i = design_.systemHolding(id);
  return i ? design_.systems()[*i].request.name : std::string();
}

void Document::noteDissolved(const std::string& name) {
  if (name.empty()) return;
  for (const workspace::AirSystem& s : design_.systems())
    if (s.request.name == name) return;
  dissolved_ = name;
}

Refused Document::addSystem(const workspace::SystemRequest& request,
                            const std::vector<std::string>& names) {
  if (Refused why = designRefused(design_.addSystem(request, names))) return why;
  record({StepKind::addSystem, {design_.systems().back().request.name}}, {});
  return std::nullopt;
}

Refused Document::editSystem(std::size_t i, const workspace::SystemRequest& request,
                             const std::vector<std::string>& names) {
  if (Refused why = designRefused(design_.editSystem(i, request, names))) return why;
  record({StepKind::editSystem, {design_.systems()[i].request.name}}, {});
  return std::nullopt;
}

void Document::bring(const Step& step, const Snapshot& design) {
  // A step of the pressure or the arithmetic brings its own back; any other step comes back at
  // those in force, as the design they belong to now.
  const bool settings = step.kind == StepKind::pressure || step.kind == StepKind::arithmetic;
  if (settings) {
    design_.setArithmetic(design->arithmetic());
    design_.setPressure(design->pressure());
  }
  design_.restore(*design);
  Change change;
  change.settings = settings;
  tell(std::move(change));
}

void Document::undo() {
  if (const Step* step = history_.undo()) bring(*step, history_.current());
}

void Document::redo() {
  if (const Step* step = history_.redo()) bring(*step, history_.current());
}

std::string Document::pointName(std::size_t i) const {
  return i < design_.points().size() ? design_.points().points()[i].name : std::string();
}

std::string Document::processName(std::size_t i) const {
  const auto& all = design_.processes().processes();
  return i < all.size() ? workspace::processName(all[i], design_.points()) : std::string();
}

std::string Document::lineSubject(const workspace::EpsilonLine& line) const {
  const workspace::StatePoint* p = design_.points().find(line.point);
  return p != nullptr ? p->name : std::string();
}

Refused Document::addPoint(const workspace::TypedPair& given, std::string_view name) {
  if (Refused why = designRefused(design_.add(given, name))) return why;
  const std::size_t row = design_.points().size() - 1;
  record({StepKind::addPoint, {pointName(row)}}, {Change::Rows::added, row, row, {}, false, {}});
  return std::nullopt;
}

Refused Document::editPoint(std::size_t i, const workspace::TypedPair& given) {
  const std::string system =
      i < design_.points().size() ? systemOf(design_.points().points()[i].id) : "";
  if (Refused why = designRefused(design_.editPoint(i, given))) return why;
  noteDissolved(system);
  record({StepKind::editPoint, {pointName(i)}}, {Change::Rows::all, i, i, {}, false, {}});
  return std::nullopt;
}

Refused Document::renamePoint(std::size_t i, std::string_view name) {
  const std::string before = pointName(i);
  if (Refused why = designRefused(design_.rename(i, name))) return why;
  if (pointName(i) == before) return std::nullopt;  // the name it had: no step
  record({StepKind::renamePoint, {before, pointName(i)}},
         {Change::Rows::edited, i, i, {}, false, {}});
  return std::nullopt;
}

Refused Document::movePoint(std::size_t from, std::size_t to) {
  if (from == to && from < design_.points().size()) return std::nullopt;
  if (!design_.move(from, to)) return noSuchPoint();
  record({StepKind::movePoint, {pointName(to)}}, {Change::Rows::moved, from, to, {}, false, {}});
  return std::nullopt;
}

Refused Document::deletePoint(std::size_t i) {
  if (i >= design_.points().size()) return noSuchPoint();
  const std::string name = pointName(i);
  const std::string system = systemOf(design_.points().points()[i].id);
  Change change{Change::Rows::removed, i, i, {}, false, {}};
  for (unsigned id : design_.remove(i)) change.released.push_back(design_.points().indexOf(id));
  noteDissolved(system);
  record({StepKind::deletePoint, {name}}, std::move(change));
  return std::nullopt;
}

Refused Document::addProcess(const workspace::ProcessRequest& request,
                             std::string_view outletName) {
  if (Refused why = designRefused(design_.addProcess(request, outletName))) return why;
  const std::size_t row = design_.points().size() - 1;
  record({StepKind::addProcess, {processName(design_.processes().processes().size() - 1)}},
         {Change::Rows::added, row, row, {}, false, {}});
  return std::nullopt;
}

Refused Document::editProcess(std::size_t i, const workspace::ProcessRequest& request) {
  const std::string system = systemOfProcess(i);
  if (Refused why = designRefused(design_.editProcess(i, request))) return why;
  noteDissolved(system);
  // The outlet and whatever was made from it may stand in any row.
  record({StepKind::editProcess, {processName(i)}}, {Change::Rows::all, 0, 0, {}, false, {}});
  return std::nullopt;
}

Refused Document::deleteProcess(std::size_t i) {
  const std::string name = processName(i);
  const std::string system = systemOfProcess(i);
  const unsigned outlet = design_.removeProcess(i);
  if (outlet == 0) return noSuch(workspace::Rule::noSuchProcess);
  noteDissolved(system);
  const std::size_t row = design_.points().indexOf(outlet);
  record({StepKind::deleteProcess, {name}}, {Change::Rows::edited, row, row, {}, false, {}});
  return std::nullopt;
}

Refused Document::addEpsilonLine(unsigned point, double ε) {
  const std::size_t drawn = design_.processes().drawnLines().size();
  if (Refused why = designRefused(design_.addEpsilonLine(point, ε))) return why;
  // The same line again draws nothing new, and is no step.
  if (design_.processes().drawnLines().size() == drawn) return std::nullopt;
  const workspace::EpsilonLine line = design_.processes().drawnLines().back();
  record({StepKind::addLine, {lineSubject(line), workspace::epsilonText(line.ε)}},
         {Change::Rows::none, 0, 0, {}, false, {}});
  return std::nullopt;
}

Refused Document::deleteEpsilonLine(std::size_t i) {
  const std::vector<workspace::EpsilonLine> lines = design_.processes().drawnLines();
  if (i >= lines.size() || !design_.removeEpsilonLine(i))
    return noSuch(workspace::Rule::noSuchLine);
  record({StepKind::deleteLine, {lineSubject(lines[i]), workspace::epsilonText(lines[i].ε)}},
         {Change::Rows::none, 0, 0, {}, false, {}});
  return std::nullopt;
}

Refused Document::setBuiltInZone(std::size_t i, bool on) {
  if (i >= workspace::builtInZoneCount) return noSuch(workspace::Rule::noSuchZone);
  if (design_.zones().builtInOn[i] == on) return std::nullopt;
  design_.setBuiltInZone(i, on);
  // The points table gains or loses its 舒适区 column.
  record({on ? StepKind::zoneOn : StepKind::zoneOff, {workspace::builtInZones()[i].name}}, {});
  return std::nullopt;
}

Refused Document::addZone(workspace::Zone zone) {
  if (Refused why = designRefused(design_.addZone(std::move(zone)))) return why;
  record({StepKind::addZone, {design_.zones().user.back().name}}, {});
  return std::nullopt;
}

Refused Document::deleteZone(std::size_t i) {
  if (i >= design_.zones().user.size()) return noSuch(workspace::Rule::noSuchZone);
  const std::string name = design_.zones().user[i].name;
  design_.removeZone(i);
  record({StepKind::deleteZone, {name}}, {});
  return std::nullopt;
}

Refused Document::importWeather(const std::string& path, std::optional<workspace::LogColumns> log,
                                workspace::WeatherFile data) {
  workspace::WeatherSettings settings = design_.weather();
  settings.file = path;
  settings.log = log;
  weather_.take(path, std::move(log), std::move(data));
  design_.setWeather(std::move(settings));
  const std::size_t slash = path.find_last_of('/');
  record({StepKind::importWeather, {slash == std::string::npos ? path : path.substr(slash + 1)}},
         {Change::Rows::none, 0, 0, {}, false, {}});
  return std::nullopt;
}

Refused Document::removeWeather() {
  workspace::WeatherSettings settings = design_.weather();
  if (settings.file.empty()) return std::nullopt;
  const std::size_t slash = settings.file.find_last_of('/');
  const std::string name =
      slash == std::string::npos ? settings.file : settings.file.substr(slash + 1);
  settings.file.clear();
  settings.log.reset();
  design_.setWeather(std::move(settings));
  record({StepKind::removeWeather, {name}}, {Change::Rows::none, 0, 0, {}, false, {}});
  return std::nullopt;
}

Refused Document::setMonths(workspace::MonthSet months) {
  // No month at all is 全年: the layer never shows nothing for want of a month.
  if (months.none()) months = workspace::allMonths;
  workspace::WeatherSettings settings = design_.weather();
  if (settings.months == months) return std::nullopt;
  settings.months = months;
  design_.setWeather(std::move(settings));
  Step step{StepKind::months, {}};
  if (!months.all())
    for (std::size_t m = 0; m < 12; ++m)
      if (months.test(m)) step.subjects.push_back(std::to_string(m + 1));
  record(std::move(step), {Change::Rows::none, 0, 0, {}, false, {}});
  return std::nullopt;
}

Refused Document::setPageSetup(const workspace::PageSetup& page) {
  if (Refused why = designRefused(workspace::checkPage(page))) return why;
  if (page == design_.page()) return std::nullopt;
  design_.setPage(page);
  record({StepKind::pageSetup, {}}, {Change::Rows::none, 0, 0, {}, false, {}});
  return std::nullopt;
}

Refused Document::setTitleBlock(const workspace::TitleBlock& title) {
  if (Refused why = designRefused(workspace::checkTitleBlock(title))) return why;
  if (title == design_.titleBlock()) return std::nullopt;
  design_.setTitleBlock(title);
  record({StepKind::titleBlock, {}}, {Change::Rows::none, 0, 0, {}, false, {}});
  return std::nullopt;
}

Refused Document::setPressure(double pa) {
  if (!psychro::pressureInRange(pa))
    return byDesign(workspace::refusedBy(psychro::Outcome::pressureRange));
  if (pa == design_.pressure()) return std::nullopt;
  design_.setPressure(pa);
  if (empty()) {
    tell({});
    return std::nullopt;
  }
  record({StepKind::pressure, {calc::pressureText(pa)}}, {Change::Rows::all, 0, 0, {}, true, {}});
  return std::nullopt;
}

Refused Document::setArithmetic(psychro::Arithmetic m) {
  if (m == design_.arithmetic()) return std::nullopt;
  design_.setArithmetic(m);
  if (empty()) {
    tell({});
    return std::nullopt;
  }
  record({StepKind::arithmetic, {std::string(calc::arithmeticKey(m))}},
         {Change::Rows::all, 0, 0, {}, true, {}});
  return std::nullopt;
}

void Document::setCurrent(const psychro::AirState& air, const workspace::TypedPair& given) {
  design_.setCurrent(air, given);
  tell({Change::Rows::none, 0, 0, {}, false, {}});
}

void Document::setCurrentFresh(bool fresh) {
  design_.setCurrentFresh(fresh);
  tell({Change::Rows::none, 0, 0, {}, false, {}});
}

std::variant<workspace::Workspace, Refusal> Document::read(const std::string& path) {
  return readDesign(fs_, path);
}

void Document::replace(const workspace::Workspace& design, bool clean) {
  const bool settings =
      design.pressure() != design_.pressure() || design.arithmetic() != design_.arithmetic();
  // The design's own pressure and arithmetic first, so that restoring computes nothing again; the
  // main window's last state stays.
  design_.setArithmetic(design.arithmetic());
  design_.setPressure(design.pressure());
  design_.restore(design);
  // Its weather file is read afresh, as it is now.
  weather_.forget();
  history_.reset(std::make_shared<const workspace::Workspace>(design_), clean);
  Change change;
  change.settings = settings;
  tell(std::move(change));
}

void Document::open(const workspace::Workspace& design, std::string path) {
  path_ = std::move(path);
  replace(design, true);
}

void Document::newDesign() {
  workspace::Workspace fresh(design_.pressure());
  fresh.setArithmetic(design_.arithmetic());
  path_.clear();
  replace(fresh, true);
}

void Document::openRecovered(const workspace::Recovered& recovered) {
  path_ = recovered.source;
  // Unsaved work, as it was when kept; no step undoes back to a saved state.
  replace(recovered.design, false);
}

Refused Document::save(const std::string& path) {
  const std::string& to = path.empty() ? path_ : path;
  if (Refused why = writeFile(fs_, to, workspace::workspaceText(design_))) return why;
  path_ = to;
  history_.setClean();
  discardRecovery();
  tell({Change::Rows::none, 0, 0, {}, false, {}});
  return std::nullopt;
}

void Document::setRecovery(std::unique_ptr<Recovery> recovery) {
  recovery_ = std::move(recovery);
}

Refused Document::keepRecovery() {
  if (!recovery_) return std::nullopt;
  if (!modified()) {
    recovery_->discard();
    return std::nullopt;
  }
  return recovery_->keep(workspace::recoveryText(design_, path_));
}

void Document::discardRecovery() {
  if (recovery_) recovery_->discard();
}

}  // namespace document

#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "psychro/air_state.h"
#include "psychro/constants.h"
#include "workspace/page.h"
#include "workspace/points.h"
#include "workspace/process_list.h"
#include "workspace/systems.h"
#include "workspace/weather.h"
#include "workspace/zones.h"

// What the chart window works on, without Qt: the named state points, the processes between them
// and the ε lines through them, the pressure they are computed at, and the main window's last
// state. Every change goes through here, so that the processes follow the points and the pressure.
namespace workspace {

// What a system would make in a design, for the face to show before it is made: the roles of its
// states (W, N, C, L, O, …) and the names its points would take.
struct SystemPlan {
  process::System built;
  std::vector<std::string> names;  // in the order of built.states
};

// The main window's last calculated state and how it was given: ringed on the chart, and what
// 加入当前状态点 adds.
struct CurrentState {
  psychro::AirState air;
  TypedPair given;
};

class Workspace {
 public:
  explicit Workspace(double pa = psychro::standardPressure) : points_(pa) {}

  const PointList& points() const { return points_; }
  const ProcessList& processes() const { return processes_; }
  // The total pressure, Pa, the points are computed at.
  double pressure() const { return points_.pressure(); }

  // Adds the state of the pair as the last point, named name (the next free name when empty);
  // refused as PointList::add refuses, nothing added.
  Refused add(const TypedPair& given, std::string_view name = {}) {
    return points_.add(given, name);
  }
  // Gives point i a new pair and values (PointList::edit) and runs every process again, so that
  // those starting from it follow. A process's outlet is refused (outletOfProcess): it is changed
  // through its process.
  Refused editPoint(std::size_t i, const TypedPair& given);
  // Runs a process, adding its outlet as the last point (a derived one, which the process computes
  // again at every pressure) named outletName (the next free name when empty); refused as
  // ProcessList::add refuses, nothing changed.
  Refused addProcess(const ProcessRequest& request, std::string_view outletName = {}) {
    return processes_.add(points_, request, outletName);
  }
  // A point and a process of a saved design, kept with the message why where they have no state
  // at the pressure in force (PointList::addSaved, ProcessList::addSaved).
  void addSaved(calc::Pair pair, double first, double second) {
    points_.addSaved(pair, first, second);
  }
  void addSavedProcess(const ProcessRequest& request) { processes_.addSaved(points_, request); }
  // Draws the line of ε through the point with this id (ProcessList::addLine).
  Refused addEpsilonLine(unsigned id, double ε) { return processes_.addLine(points_, id, ε); }

  // Asks process i for r instead (ProcessList::edit); refused, nothing changed.
  Refused editProcess(std::size_t i, const ProcessRequest& r);
  // Whether process i (a new one: i = processes().processes().size()) may start at, or mix in,
  // the point with this id (ProcessList::mayUse).
  bool mayUse(std::size_t i, unsigned id) const { return processes_.mayUse(i, id); }
  // Removes process i; its outlet stays as a point given by its t and d. Returns the outlet's id;
  // 0 when there is no process i.
  unsigned removeProcess(std::size_t i);
  // Removes line i of those drawn through 热湿比线… (ProcessList::drawnLines); false for none.
  bool removeEpsilonLine(std::size_t i) { return processes_.removeLine(i); }

  // Names point i; refused as PointList::rename refuses, the name kept.
  Refused rename(std::size_t i, std::string_view name) { return points_.rename(i, name); }
  // Removes point i and the processes and ε lines that touch it; the outlets of those processes
  // become points given by their t and d. Returns the ids of the points so changed; none when
  // there is no point i.
  std::vector<unsigned> remove(std::size_t i);
  // Moves point `from` so that it becomes point `to`; false when either is out of range.
  bool move(std::size_t from, std::size_t to) { return points_.move(from, to); }

  // Computes every point again at pa, Pa, and runs every process again in the order they were
  // made.
  void setPressure(double pa);

  // The comfort zones drawn (the built-ins turned on and the user's own) and the weather layer's
  // settings: part of the design, saved in its file and brought back by undo (restore).
  const ZoneSet& zones() const { return zones_; }
  // Turns built-in zone i (in the order of builtInZones) on or off; false for no zone i.
  bool setBuiltInZone(std::size_t i, bool on);
  // Adds a zone of the user's, its name's blanks trimmed; refused as checkZone refuses.
  Refused addZone(Zone zone);
  // Removes the user's zone i; false for none.
  bool removeZone(std::size_t i);
  const WeatherSettings& weather() const { return weather_; }
  void setWeather(WeatherSettings weather) { weather_ = std::move(weather); }

  // How the design goes onto paper (page set-up) and the title block's fields: part of the design,
  // saved in its file (only where they differ from the defaults) and brought back by undo.
  const PageSetup& page() const { return page_; }
  void setPage(const PageSetup& page) { page_ = page; }
  const TitleBlock& titleBlock() const { return title_; }
  void setTitleBlock(TitleBlock title) { title_ = std::move(title); }

  // The arithmetic the points and processes are computed with (classic unless set); setting it
  // computes every point and process again, as setPressure does.
  psychro::Arithmetic arithmetic() const { return points_.arithmetic(); }
  void setArithmetic(psychro::Arithmetic m);

  // Takes the points, processes, ε lines, zones, weather settings, page set-up and title block of
  // design, computed again at this workspace's pressure and arithmetic where design's differ, and
  // keeps this one's main window's state: what undo and redo bring back, the pressure and
  // arithmetic being settings rather than part of the design.
  void restore(const Workspace& design);

  // The standard systems (workspace/systems.h), in the order made. Editing or removing one of a
  // system's points or processes alone (editPoint, editProcess, removeProcess, remove) dissolves
  // it: its points and processes stay as plain ones. Renaming or moving a point keeps it.
  const std::vector<AirSystem>& systems() const { return systems_; }
  // The index of the system the point with this id belongs to; none.
  std::optional<std::size_t> systemHolding(unsigned id) const;
  // What request would make, as system own (own = systems().size() for a new one): refused as
  // checkSystem refuses, where W or N has no state, or as the system's arithmetic refuses. names
  // (one for each state, in their order) as given, or where not given the names by default: a
  // member of own keeps its name; any other takes its role where no point has it, else the role
  // and the first free number from 2 ("C2").
  std::variant<SystemPlan, Refusal> planSystem(const SystemRequest& request, std::size_t own,
                                               const std::vector<std::string>& names = {}) const;
  // Makes the system of request: its W and N as points given by their pairs, the other states as
  // the outlets of its processes, named as planSystem names them. Refused as planSystem refuses,
  // or a name as PointList::rename refuses it, or past maxPoints: nothing changed.
  Refused addSystem(const SystemRequest& request, const std::vector<std::string>& names = {});
  // Builds system i from request instead: where its states are the same roles, its points and
  // processes are given their new inputs (their ids kept, so that what the user made from them
  // follows); otherwise they are removed and made anew. Refused as addSystem, or no system i
  // (noSuchSystem): nothing changed.
  Refused editSystem(std::size_t i, const SystemRequest& request,
                     const std::vector<std::string>& names = {});
  // A system of a saved design whose points exist (the file's reader checks them).
  void addSavedSystem(AirSystem system) { systems_.push_back(std::move(system)); }

  // The main window's last state; none until it has calculated one.
  void setCurrent(const psychro::AirState& air, const TypedPair& given) {
    current_ = CurrentState{air, given};
  }
  const std::optional<CurrentState>& current() const { return current_; }
  // Whether the main window's results are still those of its inputs (not greyed); only then may
  // its state be added.
  void setCurrentFresh(bool fresh) { currentFresh_ = fresh; }
  bool currentAddable() const { return current_ && currentFresh_; }

 private:
  // Makes the system of request as system `at` (the last where at is systems_.size()).
  Refused makeSystem(const SystemRequest& request, const std::vector<std::string>& names,
                     std::size_t at);
  // Gives system i's points and processes request's inputs in place; false where its points are not
  // those request makes (other roles, or not made as request would make them), why the refusal.
  bool rebuildInPlace(std::size_t i, const SystemRequest& request,
                      const std::vector<std::string>& names, Refused& why);
  // Removes system i's points, and with them its processes.
  void removeMembers(std::size_t i);
  // Rebuilds every system at the pressure and arithmetic in force, where it can be in place.
  void rebuildSystems();
  // Dissolves the system the point with this id belongs to, if any.
  void dissolveHolding(unsigned id);

  PointList points_;
  ProcessList processes_;
  ZoneSet zones_;
  WeatherSettings weather_;
  PageSetup page_;
  TitleBlock title_;
  std::vector<AirSystem> systems_;
  std::optional<CurrentState> current_;
  bool currentFresh_ = true;
};

// The memory a design takes, bytes, estimated from what it holds (its points with their texts,
// processes, lines and zones): what the history counts against its limit.
std::size_t approximateBytes(const Workspace& design);

}  // namespace workspace

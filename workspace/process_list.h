#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/pair_calculation.h"
#include "workspace/points.h"

// The air-handling processes of the chart window: each starts at a state point and makes a new
// one with the arithmetic of process/, at the pressure of the point list. The processes keep what
// the user asked for, so that a new pressure runs them again in the order they were made.
namespace workspace {

enum class ProcessKind {
  mix,                 // 混合: the inlet and a second point, with their flows or a ratio
  heat,                // 加热 at constant d to a dry bulb
  cool,                // 冷却 at constant d to a dry bulb, not below the dew point
  coolAndDry,          // 冷却除湿 to a leaving state given by any pair
  coolToDewPoint,      // 冷却除湿 towards an apparatus dew point to a leaving φ
  humidifyAdiabatic,   // 等焓加湿 to a dry bulb or a φ
  humidifyIsothermal,  // 等温加湿 to a moisture content or a φ
  supply,              // 送风状态点 on the room's ε line at a supply temperature difference
  recoverSensible,     // 热回收（显热） against the exhaust air by the effectiveness ηt
  recoverTotal,        // 热回收（全热） against the exhaust air by ηh (and ηd)
  evaporate,           // 直接蒸发冷却 at constant h by the saturation efficiency η
  evaporateIndirect,   // 间接蒸发冷却 at constant d by η of a secondary air
  dryAdiabatic,        // 等焓减湿 (desiccant wheel) to a d, φ or dry bulb
  fan,                 // 风机温升 by the fan's pressure rise and efficiency
  coolByBypass,        // 冷却除湿 by the apparatus dew point and the bypass factor
};
inline constexpr std::array<ProcessKind, 15> processKinds{
    ProcessKind::mix,
    ProcessKind::heat,
    ProcessKind::cool,
    ProcessKind::coolAndDry,
    ProcessKind::coolToDewPoint,
    ProcessKind::humidifyAdiabatic,
    ProcessKind::humidifyIsothermal,
    ProcessKind::supply,
    ProcessKind::recoverSensible,
    ProcessKind::recoverTotal,
    ProcessKind::evaporate,
    ProcessKind::evaporateIndirect,
    ProcessKind::dryAdiabatic,
    ProcessKind::fan,
    ProcessKind::coolByBypass,
};

// The quantities a humidifying or drying process may be taken to; empty for the other kinds.
std::vector<psychro::Quantity> targetQuantities(ProcessKind kind);

// Whether a request of the kind names a second point (`other`): the mixing's second stream, the
// heat recovery's exhaust air, the indirect evaporative cooler's secondary air (0 there for the
// inlet itself).
bool usesOtherPoint(ProcessKind kind);

// Whether a request of the kind carries a second value (`second`).
bool usesSecondValue(ProcessKind kind);

// An air flow for a process's loads: a volume of humid air at the process's inlet state, m³/h, or
// a mass of dry air, kg/s.
enum class FlowUnit { cubicMetresPerHour, kilogramsPerSecond };
struct Flow {
  double value = 0;
  FlowUnit unit = FlowUnit::cubicMetresPerHour;
};

// A room's surplus heat and moisture, from which a supply point can be sized: 余热 Q, kW (negative
// for a room that loses heat), and 余湿 W, kg/h.
struct RoomLoads {
  double heat = 0;      // Q, kW
  double moisture = 0;  // W, kg/h
};

// A process as the user asked for it. Values are in the window's units (t, tw, tl, t_adp in °C, φ
// in per cent, d in g/kg, h and ε in kJ/kg, Δt in K):
//   mix             first, second: the flows (or parts of a ratio) of `from` and `other`
//   heat, cool      first: the leaving dry bulb
//   coolAndDry      pair with first, second: the leaving state
//   coolToDewPoint  first: the apparatus dew point; second: the leaving φ
//   humidify…       pair.first with first: the target (see targetQuantities)
//   supply          first: the room's ε (±inf for constant d); second: Δt = t_room − t_supply;
//                   or, with loads, ε = 3600·Q/W and the supply air flow G = Q/(h_room − h_supply)
//   recoverSensible other: the exhaust air; first: ηt
//   recoverTotal    other: the exhaust air; first: ηh; second: ηd, NaN where not given (= ηh)
//   evaporate       first: η
//   evaporateIndirect other: the secondary air, 0 for the inlet itself; first: η
//   dryAdiabatic    pair.first with first: the target (see targetQuantities)
//   fan             first: the pressure rise ΔP, Pa; second: the efficiency η
//   coolByBypass    first: the apparatus dew point t_ADP; second: the bypass factor BF
// Effectiveness, efficiency and bypass factor are fractions (0.6, not 60).
struct ProcessRequest {
  ProcessKind kind = ProcessKind::heat;
  unsigned from = 0;   // the inlet's point id (the room's for supply)
  unsigned other = 0;  // mix: the second point's id
  calc::Pair pair{psychro::Quantity::t, psychro::Quantity::rh};
  double first = 0, second = 0;
  std::optional<Flow> flow;  // the loads' air flow; none for mixing and for supply by loads
  std::optional<RoomLoads> loads =
      std::nullopt;  // supply: the room's loads that give ε and the air flow
};

// A process of the list: the request, the point it made, and how it reads in the points table.
struct Process {
  ProcessRequest request;
  unsigned outlet = 0;  // the id of the point it made
};

// A line of heat-moisture ratio ε, kJ/kg, through a point.
struct EpsilonLine {
  unsigned point = 0;
  double ε = 0;
};

class ProcessList {
 public:
  // Runs r on points at their pressure: adds the outlet as a new derived point named outletName
  // (the next free name when empty) and the process; or refuses, nothing changed: the name as
  // PointList::checkName refuses it, points holding maxPoints already, or a process that cannot
  // happen (the process's code, or the arithmetic's outcome).
  Refused add(PointList& points, const ProcessRequest& r, std::string_view outletName = {});
  // Adds a process of a saved design, whose points exist (and, for a mixing, differ): as add, but
  // an outlet with no state at the points' pressure keeps its row with the message why, as
  // rerun keeps one.
  void addSaved(PointList& points, const ProcessRequest& r);

  // Asks process i for r instead: its outlet keeps its id and name, reads as r made it, and is
  // computed again with every process after it. Refused, nothing changed: no process i
  // (noSuchProcess), r starts at a point it may not (laterOutlet), or r cannot happen. A supply
  // point's ε line follows its request.
  Refused edit(PointList& points, std::size_t i, const ProcessRequest& r);
  // Whether process i (a new one: i = processes().size()) may start at, or mix in, the point id:
  // any point but its own outlet and the outlets of the processes made after it, which it runs
  // before.
  bool mayUse(std::size_t i, unsigned id) const;
  // Removes process i and a supply point's ε line with it; its outlet stays as a point given by
  // its t and d. Returns the outlet's id; 0 when there is no process i.
  unsigned remove(PointList& points, std::size_t i);

  // Runs every process again, in the order they were made, after points.setPressure; an outlet
  // that no longer exists keeps its row with the message why.
  void rerun(PointList& points) const;

  // After the point id was removed from points: drops the processes that start or end at it, the
  // ε lines through it and those drawn with the dropped supply points; outlets of dropped
  // processes become plain points. Returns the ids of the points so released.
  std::vector<unsigned> forget(PointList& points, unsigned id);

  // Draws the line of ε through point (the same line twice draws it once); refused for an unknown
  // point (noSuchPoint), a NaN ε (epsilonNotANumber) and past maxLines lines (tooManyLines).
  Refused addLine(const PointList& points, unsigned point, double ε);
  // The lines drawn through 热湿比线…, in the order drawn: those the user may remove (a supply
  // point's line goes only with its process).
  std::vector<EpsilonLine> drawnLines() const;
  // Removes line i of drawnLines(); false when there is none.
  bool removeLine(std::size_t i);

  const std::vector<Process>& processes() const { return processes_; }
  // The ε lines to draw, each once: those drawn through 热湿比线… and those of the supply points.
  std::vector<EpsilonLine> lines() const;

 private:
  // A line and what drew it: 0 for the user, else the outlet of the supply process it goes with.
  struct DrawnLine {
    EpsilonLine line;
    unsigned by = 0;
  };
  std::vector<Process> processes_;
  std::vector<DrawnLine> lines_;
};

// The outlet a request leads to from the points' present states, or why there is none: an inlet
// gone (noSuchPoint) or without a state (pointWithoutState), a mixing of a point with itself
// (samePoint), or the process's refusal.
Outlet runProcess(const PointList& points, const ProcessRequest& r);

// The supply air flow, kg/s of dry air, of a supply point sized from the room's loads, with the
// room's and the supply's states (process::supplyAirFlow); NaN for a request without loads.
double supplyFlow(const ProcessRequest& r, const psychro::AirState& room,
                  const psychro::AirState& supply);

// The two points of a process's line and row, in the direction the air goes: inlet to outlet,
// except for the supply point, whose row is the room process from the supply air to the room.
struct Ends {
  unsigned from = 0, to = 0;
};
Ends ends(const Process& p);

// A process as its row and its steps name it: from its first point to its last, "C→L", "N+W→C".
std::string processName(const Process& p, const PointList& points);

// ε as the 过程 table, a supply point's given text and the protractor's finite rays show it: a
// whole number ("8000", "-2000"), "∞" when infinite, empty for NaN.
std::string epsilonText(double ε);

// ε as typed: a number, or "∞" (also "+∞", "-∞", "inf") for a line of constant d.
std::optional<double> readEpsilon(std::string_view text);

}  // namespace workspace

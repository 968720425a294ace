#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <variant>
#include <vector>

#include "calc/pair_calculation.h"
#include "psychro/constants.h"
#include "workspace/limits.h"
#include "workspace/refusal.h"

// The named state points of the chart window, each computed at the pressure in force.
namespace workspace {

// How a point is given: two quantities and their values as typed, in the window's units (t, tw,
// tl in °C, rh in per cent, d in g/kg, h in kJ/kg), read as the main window reads numbers.
struct TypedPair {
  calc::Pair pair;
  std::string first, second;

  bool operator==(const TypedPair&) const = default;
};

// A value as read, to 12 significant digits in its shortest form, whatever the locale: "25.5" for
// "25。5", "7" for 7.000000000000001.
std::string valueText(double value);

struct StatePoint {
  unsigned id = 0;  // fixed for the point's life, whatever its name or place; never 0
  std::string name;
  calc::Pair pair;
  double first = 0, second = 0;  // the values read from what was typed
  // "t=25, φ=50%": calc::givenText of the values as read; empty for a process's outlet, which
  // reads as its process was asked for (the faces' words).
  std::string given;
  calc::Calculation result;  // at the list's pressure: the state and its texts
  // Where there is none, why: the arithmetic's outcome (as result.outcome), or for a process's
  // outlet the process's or the design's reason (result.outcome then noSuchState).
  Refusal why;
  bool derived = false;  // made by a process, which computes it again (not from pair and values)

  bool exists() const { return result.ok(); }
};

// None when a change is done; otherwise why it was refused, nothing changed.
using Refused = std::optional<Refusal>;

// A process's outlet as the process computes it: the state, or why there is none (the process's
// code, the arithmetic's outcome, or the design's rule: an inlet gone or without a state).
struct Outlet {
  psychro::AirState air;
  Refused why;

  bool ok() const { return !why; }
};

// Points in the user's order. Names are unique: new points take the first free of A, B, …, Z,
// AA, AB, …; a rename may take any other free name.
class PointList {
 public:
  explicit PointList(double pa = psychro::standardPressure) : pa_(pa) {}

  // Adds the state of the pair at the pressure in force, at the end, named name (the next free
  // name when empty). Refused, nothing added: a name refused as rename refuses it, a list holding
  // maxPoints already (tooManyPoints), or a pair with no state (a value missing, or no such air:
  // the arithmetic's outcome).
  Refused add(const TypedPair& given, std::string_view name = {});
  // Gives point i (a point given by a pair, not a process's outlet) a new pair and values,
  // computed as add computes them; refused as add refuses, the point as it was.
  Refused edit(std::size_t i, const TypedPair& given);
  // Adds a point of a saved design, given by pair at the values read: as add, but one with no
  // state at the pressure in force keeps its row, its texts empty and its message kept (as
  // setPressure keeps one), so that a design saved at any pressure opens whole.
  void addSaved(calc::Pair pair, double first, double second);

  // Adds the outlet of a process, the state air, at the end, named name (checked by the caller
  // with checkName; the next free name when empty); marked derived, so that it reads as its
  // process was asked for. Its pair is t+d at the state's values, which it keeps if released.
  // Returns its id; 0 (nothing added) when the state cannot be shown.
  unsigned addDerived(const psychro::AirState& air, std::string_view name = {});
  // Adds the outlet of a process of a saved design as addDerived does, with the state it has now
  // or, where it has none, the reason why (as setDerived keeps it). Returns its id.
  unsigned addDerivedSaved(const Outlet& outlet);
  // The state of a derived point computed anew, or the reason why there is none.
  void setDerived(unsigned id, const Outlet& outlet);
  // A derived point whose process is gone becomes a point given by its t and d, and reads so.
  void release(unsigned id);

  // The index of the point with this id; size() when there is none.
  std::size_t indexOf(unsigned id) const;
  const StatePoint* find(unsigned id) const;

  // Names point i; or, for a name that is empty once blanks are trimmed, longer than
  // maxNameLength characters, another point's, or holding a character that turns the direction
  // of text (which would turn a label's figures around), refuses and changes nothing (no point
  // i: noSuchPoint). Control characters become blanks.
  Refused rename(std::size_t i, std::string_view name);
  static constexpr std::size_t maxNameLength = 24;
  // The name as a point would take it (control characters blanks, blanks trimmed), or why it is
  // refused; a name point `own` has already is its to keep.
  std::variant<std::string, Refusal> checkName(std::string_view name,
                                               std::size_t own = SIZE_MAX) const;
  // Whether the list holds maxPoints already: no point or outlet may be added.
  bool full() const { return points_.size() >= maxPoints; }

  void remove(std::size_t i);
  // Moves point `from` so that it becomes point `to`; false when either is out of range.
  bool move(std::size_t from, std::size_t to);

  // Computes every point again at pa, Pa, except the derived ones, which their processes compute.
  // A point with no state there keeps its row, its texts empty and its message kept, until a
  // pressure gives it a state again.
  void setPressure(double pa);
  double pressure() const { return pa_; }
  // Computes every point again with the arithmetic m, as setPressure does for a pressure.
  void setArithmetic(psychro::Arithmetic m);
  psychro::Arithmetic arithmetic() const { return m_; }

  const std::vector<StatePoint>& points() const { return points_; }
  std::size_t size() const { return points_.size(); }
  std::string nextName() const;

 private:
  // Takes name for a new point, or the next free name when it is empty.
  std::string takeName(std::string_view name);
  // The name is free again (its point removed or renamed).
  void freeName(const std::string& name);

  double pa_;
  psychro::Arithmetic m_ = psychro::Arithmetic::classic;
  unsigned lastId_ = 0;
  std::vector<StatePoint> points_;
  // Every point's name, so that a name is looked up at once however many points there are; and
  // the index of the first of A, B, … that may be free (every one before it is taken).
  std::unordered_set<std::string> names_;
  std::size_t firstFree_ = 0;
};

}  // namespace workspace

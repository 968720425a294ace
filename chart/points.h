#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calc/pair_calculation.h"
#include "psychro/constants.h"

// The named state points of the chart window, each computed at the pressure in force.
namespace chart {

// How a point is given: two quantities and their values as typed, in the window's units (t, tw,
// tl in °C, rh in per cent, d in g/kg, h in kJ/kg), read as the main window reads numbers.
struct TypedPair {
  calc::Pair pair;
  std::string first, second;
};

struct StatePoint {
  std::string name;
  calc::Pair pair;
  double first = 0, second = 0;  // the values read from what was typed
  std::string given;             // "t=25, φ=50%": calc::givenText of the values as read
  calc::Calculation result;      // at the list's pressure: the state and its texts, or a message

  bool exists() const { return result.ok(); }
};

// Points in the user's order. Names are unique: new points take the first free of A, B, …, Z,
// AA, AB, …; a rename may take any other free name.
class PointList {
 public:
  explicit PointList(double pa = psychro::standardPressure) : pa_(pa) {}

  // Adds the state of the pair at the pressure in force, at the end; or, where it has none (a
  // value missing, or no such air), adds nothing and returns the main window's message for it.
  std::string_view add(const TypedPair& given);

  // Names point i; false (and nothing changed) for a name that is empty once blanks are trimmed,
  // longer than maxNameLength characters, or another point's. Control characters become blanks.
  bool rename(std::size_t i, std::string_view name);
  static constexpr std::size_t maxNameLength = 24;

  void remove(std::size_t i);
  // Moves point `from` so that it becomes point `to`; false when either is out of range.
  bool move(std::size_t from, std::size_t to);

  // Computes every point again at pa, Pa. A point with no state there keeps its row, its texts
  // empty and its message kept, until a pressure gives it a state again.
  void setPressure(double pa);
  double pressure() const { return pa_; }

  const std::vector<StatePoint>& points() const { return points_; }
  std::size_t size() const { return points_.size(); }
  std::string nextName() const;

 private:
  bool nameTaken(std::string_view name, std::size_t except) const;

  double pa_;
  std::vector<StatePoint> points_;
};

}  // namespace chart

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calc/outputs.h"
#include "psychro/constants.h"
#include "psychro/pair_state.h"

// The named state points of the chart window, each computed at the pressure in force.
namespace chart {

// How a point was given: two quantities in their own units (psychro::Given).
struct GivenPair {
  psychro::Given first, second;
};

// "t=25, φ=50%": each quantity's symbol and its value in shown units, to 12 significant digits.
std::string givenText(const GivenPair& given);

struct StatePoint {
  std::string name;
  GivenPair given;
  psychro::StateOutcome state;                          // at the list's pressure
  std::array<std::string, calc::outputs.size()> texts;  // as the main window shows them, or empty

  bool exists() const { return state.ok(); }
};

// Points in the user's order. Names are unique: new points take the first free of A, B, …, Z,
// AA, AB, …; a rename may take any other free name.
class PointList {
 public:
  explicit PointList(double pa = psychro::standardPressure) : pa_(pa) {}

  // Adds the state of the pair at the pressure in force, at the end; or, where it has none, adds
  // nothing and returns the message that says why (a static text).
  std::string_view add(const GivenPair& given);

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
  void compute(StatePoint& p) const;
  bool nameTaken(std::string_view name, std::size_t except) const;

  double pa_;
  std::vector<StatePoint> points_;
};

}  // namespace chart

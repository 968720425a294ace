// The workspace's operations as the chart window uses them, each on the same small design: what
// each changes, and what each refuses with the reason the window shows.
#include "workspace/workspace.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "calc/messages.h"
#include "process/processes.h"

namespace {

using psychro::Quantity;
using workspace::ProcessKind;
using workspace::Workspace;

workspace::TypedPair tRh(const char* t, const char* φ) {
  return {{Quantity::t, Quantity::rh}, t, φ};
}

// A 26 ℃/55 %, B 35 ℃/60 %, and C: A heated to 30 ℃.
Workspace design() {
  Workspace w;
  EXPECT_EQ(w.add(tRh("26", "55")), "");
  EXPECT_EQ(w.add(tRh("35", "60")), "");
  EXPECT_EQ(w.addProcess({ProcessKind::heat, w.points().points()[0].id, 0, {}, 30, 0, {}}), "");
  return w;
}

unsigned id(const Workspace& w, std::size_t i) {
  return w.points().points()[i].id;
}

TEST(Workspace, OperationsAndRefusals) {
  using Run = std::function<std::string(Workspace&)>;
  struct Row {
    const char* name;
    Run run;
    std::string why;    // the refusal; "" when done; for a deletion the points it released
    std::string names;  // the points' names afterwards, in order
    std::size_t processes;
  };
  const auto done = [](bool ok) { return ok ? std::string() : std::string("refused"); };
  const auto says = [](std::string_view why) { return std::string(why); };
  const Row rows[] = {
      {"Add", [&](Workspace& w) { return says(w.add(tRh("20", "50"))); }, "", "ABCD", 1},
      {"AddWithoutValue", [&](Workspace& w) { return says(w.add(tRh("20", ""))); },
       "请输入具体参数", "ABC", 1},
      {"Rename", [&](Workspace& w) { return says(w.rename(1, "W")); }, "", "AWC", 1},
      {"RenameTaken", [&](Workspace& w) { return says(w.rename(1, "A")); },
       says(workspace::takenName), "ABC", 1},
      {"Move", [&](Workspace& w) { return done(w.move(2, 0)); }, "", "CAB", 1},
      {"MoveOutOfRange", [&](Workspace& w) { return done(w.move(0, 3)); }, "refused", "ABC", 1},
      // Deleting the inlet takes the process; its outlet C stays, released.
      {"DeleteTheInlet", [](Workspace& w) { return std::to_string(w.remove(0).size()); }, "1", "BC",
       0},
      {"DeleteAnother", [](Workspace& w) { return std::to_string(w.remove(1).size()); }, "0", "AC",
       1},
      {"DeleteNone", [](Workspace& w) { return std::to_string(w.remove(3).size()); }, "0", "ABC",
       1},
      {"Mix",
       [&](Workspace& w) {
         return says(w.addProcess({ProcessKind::mix, id(w, 0), id(w, 1), {}, 1, 1, {}}));
       },
       "", "ABCD", 2},
      {"HeatingThatCools",
       [&](Workspace& w) {
         return says(w.addProcess({ProcessKind::heat, id(w, 1), 0, {}, 20, 0, {}}));
       },
       says(calc::words(psychro::Outcome::heatingNotWarmer)), "ABC", 1},
      {"EpsilonLine", [&](Workspace& w) { return done(w.addEpsilonLine(id(w, 0), 8000)); }, "",
       "ABC", 1},
      {"EpsilonLineThroughNoPoint", [&](Workspace& w) { return done(w.addEpsilonLine(99, 8000)); },
       "refused", "ABC", 1},
  };
  for (const Row& r : rows) {
    Workspace w = design();
    EXPECT_EQ(r.run(w), r.why) << r.name;
    std::string names;
    for (const workspace::StatePoint& p : w.points().points()) names += p.name;
    EXPECT_EQ(names, r.names) << r.name;
    EXPECT_EQ(w.processes().processes().size(), r.processes) << r.name;
  }
}

// A new pressure computes the given points again and runs the processes from their new states:
// C stays at 30 ℃ with A's moisture at the new pressure.
TEST(Workspace, NewPressureRunsTheProcessesAgain) {
  Workspace w = design();
  w.setPressure(89875);
  const auto& p = w.points().points();
  EXPECT_EQ(w.pressure(), 89875);
  EXPECT_EQ(p[2].result.texts[0], "30.00");
  EXPECT_EQ(p[2].result.texts[6], p[0].result.texts[6]);  // heating keeps d
  EXPECT_NE(p[0].result.texts[6], design().points().points()[0].result.texts[6]);
}

}  // namespace

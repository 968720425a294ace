// The workspace's operations as the chart window uses them, each on the same small design: what
// each changes, and what each refuses with the reason the window shows.
#include "workspace/workspace.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "calc/messages.h"
#include "calc/pair_calculation.h"
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
  EXPECT_FALSE(w.add(tRh("26", "55")));
  EXPECT_FALSE(w.add(tRh("35", "60")));
  EXPECT_FALSE(w.addProcess({ProcessKind::heat, w.points().points()[0].id, 0, {}, 30, 0, {}}));
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
  // A refusal as the rows name it: its rule, outcome and process code; "" when done.
  const auto says = [](const workspace::Refused& why) {
    return why ? std::to_string(static_cast<int>(why->rule)) + "/" +
                     std::to_string(static_cast<int>(why->outcome)) + "/" +
                     std::to_string(static_cast<int>(why->process))
               : std::string();
  };
  const auto rule = [&says](workspace::Rule r) { return says(workspace::Refusal{r, {}, {}}); };
  const auto outcome = [&says](psychro::Outcome o) { return says(workspace::refusedBy(o)); };
  const auto byProcess = [&says](process::Code c) {
    return says(workspace::refusedBy(process::Refusal{c}));
  };
  const Row rows[] = {
      {"Add", [&](Workspace& w) { return says(w.add(tRh("20", "50"))); }, "", "ABCD", 1},
      {"AddWithoutValue", [&](Workspace& w) { return says(w.add(tRh("20", ""))); },
       outcome(psychro::Outcome::missingInput), "ABC", 1},
      {"Rename", [&](Workspace& w) { return says(w.rename(1, "W")); }, "", "AWC", 1},
      {"RenameTaken", [&](Workspace& w) { return says(w.rename(1, "A")); },
       rule(workspace::Rule::nameTaken), "ABC", 1},
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
       byProcess(process::Code::heatingNotWarmer), "ABC", 1},
      {"EpsilonLine", [&](Workspace& w) { return says(w.addEpsilonLine(id(w, 0), 8000)); }, "",
       "ABC", 1},
      // C keeps its name as its process is asked for 32 ℃; one that cannot happen changes nothing.
      {"EditProcess",
       [&](Workspace& w) {
         return !w.editProcess(0, {ProcessKind::heat, id(w, 0), 0, {}, 32, 0, {}})
                    ? w.points().points()[2].result.texts[0]
                    : "refused";
       },
       "32.00", "ABC", 1},
      {"EditProcessThatCools",
       [&](Workspace& w) {
         return says(w.editProcess(0, {ProcessKind::heat, id(w, 1), 0, {}, 20, 0, {}}));
       },
       byProcess(process::Code::heatingNotWarmer), "ABC", 1},
      {"EditProcessFromItsOutlet",
       [&](Workspace& w) {
         return says(w.editProcess(0, {ProcessKind::heat, id(w, 2), 0, {}, 40, 0, {}}));
       },
       rule(workspace::Rule::laterOutlet), "ABC", 1},
      {"EditNoProcess",
       [&](Workspace& w) {
         return says(w.editProcess(1, {ProcessKind::heat, id(w, 0), 0, {}, 32, 0, {}}));
       },
       rule(workspace::Rule::noSuchProcess), "ABC", 1},
      // Its outlet C stays, read as given by t and d.
      {"RemoveProcess",
       [&](Workspace& w) {
         return w.removeProcess(0) == id(w, 2) ? w.points().points()[2].given.substr(0, 5) : "";
       },
       "t=30,", "ABC", 0},
      {"RemoveNoProcess", [&](Workspace& w) { return done(w.removeProcess(1) != 0); }, "refused",
       "ABC", 1},
      {"RemoveEpsilonLine",
       [&](Workspace& w) {
         w.addEpsilonLine(id(w, 0), 8000);
         return done(w.removeEpsilonLine(0) && w.processes().lines().empty());
       },
       "", "ABC", 1},
      {"RemoveNoEpsilonLine", [&](Workspace& w) { return done(w.removeEpsilonLine(0)); }, "refused",
       "ABC", 1},
      {"EpsilonLineThroughNoPoint", [&](Workspace& w) { return says(w.addEpsilonLine(99, 8000)); },
       rule(workspace::Rule::noSuchPoint), "ABC", 1},
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

// An edited process runs the processes made from its outlet again; a supply point's ε line follows
// its request and goes with it, never on its own.
TEST(Workspace, EditedProcessRunsThoseAfterIt) {
  Workspace w = design();
  ASSERT_FALSE(w.addProcess({ProcessKind::heat, id(w, 2), 0, {}, 40, 0, {}}));      // D
  ASSERT_FALSE(w.addProcess({ProcessKind::supply, id(w, 0), 0, {}, 8000, 8, {}}));  // E
  ASSERT_FALSE(w.editProcess(
      0, {ProcessKind::humidifyIsothermal, id(w, 0), 0, {Quantity::d, Quantity::d}, 15, 0, {}}));
  const auto& p = w.points().points();
  EXPECT_EQ(p[2].result.texts[6], "15.00");
  EXPECT_EQ(p[3].result.texts[6], "15.00");  // D: C heated to 40 ℃ keeps C's new d
  ASSERT_FALSE(w.editProcess(2, {ProcessKind::supply, id(w, 0), 0, {}, 5000, 6, {}}));
  ASSERT_EQ(w.processes().lines().size(), 1u);
  EXPECT_EQ(w.processes().lines()[0].ε, 5000);
  EXPECT_FALSE(w.removeEpsilonLine(0));
  w.removeProcess(2);
  EXPECT_TRUE(w.processes().lines().empty());
}

// A new arithmetic computes the points again and runs the processes from them; undo brings a
// design back with the arithmetic in force now.
TEST(Workspace, NewArithmeticRunsTheProcessesAgainAndUndoKeepsIt) {
  constexpr auto ashrae = psychro::Arithmetic::ashrae2017;
  const Workspace before = design();
  Workspace w = design();
  w.setArithmetic(ashrae);
  const auto& p = w.points().points();
  EXPECT_EQ(p[0].result.texts, calc::calculate(p[0].pair, 26, 55, w.pressure(), ashrae).texts);
  EXPECT_EQ(p[2].result.texts,
            calc::calculate(p[2].pair, 30, p[0].result.air.d * 1000, w.pressure(), ashrae).texts);
  const auto shown = p[2].result.texts;
  w.remove(0);
  w.restore(before);
  EXPECT_EQ(w.arithmetic(), ashrae);
  EXPECT_EQ(w.points().points()[2].result.texts, shown);
}

// Undo brings a design back at the pressure in force now, not at the one it was made at.
TEST(Workspace, RestoreKeepsThePressure) {
  const Workspace before = design();
  Workspace w = design();
  w.remove(0);
  w.setPressure(89875);
  w.restore(before);
  Workspace expected = design();
  expected.setPressure(89875);
  EXPECT_EQ(w.pressure(), 89875);
  ASSERT_EQ(w.points().size(), 3u);
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_EQ(w.points().points()[i].result.texts, expected.points().points()[i].result.texts);
  EXPECT_EQ(w.processes().processes().size(), 1u);
}

}  // namespace

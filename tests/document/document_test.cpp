// The document's commands: each one step that undo takes back and redo does again, the limits the
// file reader shares, the pressure as a step of a design that holds anything, and the memory the
// history may take.
#include "document/document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "document/files.h"
#include "support/memory_file_system.h"

namespace {

using document::Document;
using document::StepKind;
using psychro::Quantity;
using workspace::ProcessKind;

workspace::TypedPair tRh(const char* t, const char* φ) {
  return {{Quantity::t, Quantity::rh}, t, φ};
}

// 一次回风 in summer: W 35 ℃/60 %, N 26 ℃/55 %, Q 40 kW, W 18 kg/h, 20 % fresh air, Δt 8 K.
workspace::SystemRequest oneReturn() {
  workspace::SystemRequest s;
  s.name = "AHU-1";
  s.outdoor = tRh("35", "60");
  s.room = tRh("26", "55");
  s.heat = 40;
  s.moisture = 18;
  return s;
}

// W 35 ℃/60 %, N 26 ℃/55 %, C: N heated to 30 ℃; an ε line through N.
void summer(Document& d) {
  ASSERT_FALSE(d.addPoint(tRh("35", "60"), "W"));
  ASSERT_FALSE(d.addPoint(tRh("26", "55"), "N"));
  ASSERT_FALSE(
      d.addProcess({ProcessKind::heat, d.design().points().points()[1].id, 0, {}, 30, 0, {}}, "C"));
  ASSERT_FALSE(d.addEpsilonLine(d.design().points().points()[1].id, 8000));
}

unsigned id(const Document& d, std::size_t i) {
  return d.design().points().points()[i].id;
}

// Every command is one step of its kind: undone, the design is as it was, redone as it became.
TEST(Document, EachCommandIsOneStep) {
  struct Row {
    const char* name;
    std::function<document::Refused(Document&)> run;
    StepKind step;
  };
  const Row rows[] = {
      {"AddPoint", [](Document& d) { return d.addPoint(tRh("20", "50"), "O"); },
       StepKind::addPoint},
      {"EditPoint", [](Document& d) { return d.editPoint(1, tRh("27", "50")); },
       StepKind::editPoint},
      {"Rename", [](Document& d) { return d.renamePoint(0, "室外"); }, StepKind::renamePoint},
      {"Move", [](Document& d) { return d.movePoint(2, 0); }, StepKind::movePoint},
      {"Delete", [](Document& d) { return d.deletePoint(1); }, StepKind::deletePoint},
      {"AddProcess",
       [](Document& d) {
         return d.addProcess({ProcessKind::mix, id(d, 0), id(d, 1), {}, 1, 4, {}});
       },
       StepKind::addProcess},
      {"EditProcess",
       [](Document& d) {
         return d.editProcess(0, {ProcessKind::heat, id(d, 1), 0, {}, 32, 0, {}});
       },
       StepKind::editProcess},
      {"DeleteProcess", [](Document& d) { return d.deleteProcess(0); }, StepKind::deleteProcess},
      {"AddLine", [](Document& d) { return d.addEpsilonLine(id(d, 0), -INFINITY); },
       StepKind::addLine},
      {"DeleteLine", [](Document& d) { return d.deleteEpsilonLine(0); }, StepKind::deleteLine},
      {"ZoneOn", [](Document& d) { return d.setBuiltInZone(2, true); }, StepKind::zoneOn},
      {"AddZone",
       [](Document& d) {
         return d.addZone({"机房", {{18, 27}, {}, {}, {}, {}}});
       },
       StepKind::addZone},
      {"Months", [](Document& d) { return d.setMonths(workspace::MonthSet{}.set(6)); },
       StepKind::months},
      {"Pressure", [](Document& d) { return d.setPressure(89875); }, StepKind::pressure},
      {"Arithmetic", [](Document& d) { return d.setArithmetic(psychro::Arithmetic::ashrae2017); },
       StepKind::arithmetic},
      {"PageSetup",
       [](Document& d) {
         return d.setPageSetup({workspace::Paper::a3, workspace::Orientation::landscape,
                                workspace::Margins{20, 10, 10, 10}, workspace::PageContent::chart});
       },
       StepKind::pageSetup},
      {"TitleBlock",
       [](Document& d) {
         workspace::TitleBlock t;
         t.project = "某办公楼";
         t.designer = "张工";
         return d.setTitleBlock(t);
       },
       StepKind::titleBlock},
      {"AddSystem", [](Document& d) { return d.addSystem(oneReturn()); }, StepKind::addSystem},
  };
  for (const Row& r : rows) {
    testsupport::MemoryFileSystem fs;
    Document d(fs);
    summer(d);
    const std::string before = workspace::workspaceText(d.design());
    ASSERT_FALSE(r.run(d)) << r.name;
    const std::string after = workspace::workspaceText(d.design());
    ASSERT_NE(before, after) << r.name;
    ASSERT_TRUE(d.undoStep()) << r.name;
    EXPECT_EQ(d.undoStep()->kind, r.step) << r.name;
    d.undo();
    EXPECT_EQ(workspace::workspaceText(d.design()), before) << r.name;
    d.redo();
    EXPECT_EQ(workspace::workspaceText(d.design()), after) << r.name;
  }
}

// One limit: the point that would be the 10,001st (given or an outlet) is refused where it is
// made, and every design the document can hold saves and opens again.
TEST(Document, LimitsAreTheFileReadersOwn) {
  workspace::Workspace full;
  for (std::size_t i = 0; i + 1 < workspace::maxPoints; ++i)
    ASSERT_FALSE(full.add(tRh("25", "50")));
  testsupport::MemoryFileSystem fs;
  Document d(fs);
  d.open(full, "/d/full.torvale");
  ASSERT_FALSE(d.addProcess({ProcessKind::heat, id(d, 0), 0, {}, 30, 0, {}}));
  const auto refusedAs = [](const document::Refused& why) {
    return why ? why->design.rule : workspace::Rule::arithmetic;
  };
  EXPECT_EQ(refusedAs(d.addPoint(tRh("25", "50"))), workspace::Rule::tooManyPoints);
  EXPECT_EQ(refusedAs(d.addProcess({ProcessKind::heat, id(d, 0), 0, {}, 31, 0, {}})),
            workspace::Rule::tooManyPoints);
  ASSERT_FALSE(d.save());
  const auto read = document::readDesign(fs, "/d/full.torvale");
  ASSERT_TRUE(std::holds_alternative<workspace::Workspace>(read));
  EXPECT_EQ(std::get<workspace::Workspace>(read).points().size(), workspace::maxPoints);
}

// The pressure and the arithmetic of a design that holds anything are the design's: a change is
// a step, unsaved until undone, and undo tells the main window to follow. An empty design follows
// the main window without a step.
TEST(Document, PressureIsAStepOfADesignThatHoldsAnything) {
  for (const bool holds : {false, true}) {
    testsupport::MemoryFileSystem fs;
    Document d(fs);
    if (holds) {
      ASSERT_FALSE(d.setBuiltInZone(0, true));
    }
    ASSERT_FALSE(d.save("/d/a.torvale"));
    bool followed = false;
    d.listen([&followed](const document::Change& c) { followed = c.settings; });
    ASSERT_FALSE(d.setPressure(89875));
    EXPECT_EQ(d.modified(), holds) << holds;
    EXPECT_EQ(d.undoStep() != nullptr, holds) << holds;
    if (!holds) continue;
    d.undo();
    EXPECT_EQ(d.design().pressure(), psychro::standardPressure);
    EXPECT_TRUE(followed);
    EXPECT_FALSE(d.modified());
  }
}

// Past the history's memory its oldest steps go, the saved state with them; the newest stays.
TEST(Document, HistoryMemoryIsBounded) {
  workspace::Workspace many;
  for (int i = 0; i < 1000; ++i) ASSERT_FALSE(many.add(tRh("25", "50")));
  const std::size_t one = workspace::approximateBytes(many);
  document::History history(20 * one);
  history.reset(std::make_shared<const workspace::Workspace>(many), true);
  for (int i = 0; i < 100; ++i) {
    std::string name = "P";  // appended, which keeps g++ 12's -Wrestrict quiet
    name += std::to_string(i);
    ASSERT_FALSE(many.rename(0, name));
    history.record({StepKind::renamePoint, {}}, std::make_shared<const workspace::Workspace>(many));
  }
  EXPECT_LE(history.memory(), 21 * one);
  EXPECT_GE(history.size(), 18u);
  EXPECT_LT(history.size(), 100u);
  while (history.undo()) {
  }
  EXPECT_FALSE(history.isClean());  // the design last saved is no longer among the steps
}

}  // namespace

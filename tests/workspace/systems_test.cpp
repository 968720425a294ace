// The standard systems as objects of the design: each kind made into points and processes that
// show what its arithmetic computed, kept through its file; rebuilt in place or anew; dissolved by
// an edit of one member; and every refusal of its inputs and of its entry in a file.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <variant>

#include "support/named_rows.h"
#include "workspace/file.h"
#include "workspace/workspace.h"

namespace {

using testsupport::PrintTo;

using psychro::Quantity;
using workspace::Rule;
using workspace::SystemKind;
using workspace::SystemRequest;
using workspace::Workspace;

// The summer and winter design cases of docs/systems.md; other: the kind's other option (露点送风,
// the fresh-air unit's target given, steam with a preheat).
SystemRequest request(SystemKind kind, bool other = false) {
  SystemRequest s;
  s.kind = kind;
  s.name = "AHU-1";
  const bool winter = kind == SystemKind::oneReturnWinter;
  s.outdoor = {{Quantity::t, Quantity::rh}, winter ? "-10" : "35", winter ? "45" : "60"};
  s.room = {{Quantity::t, Quantity::rh}, winter ? "20" : "26", winter ? "45" : "55"};
  s.heat = winter ? -20 : 40;
  s.moisture = winter ? 3 : 18;
  s.fresh = winter ? 30 : 20;
  s.Δt = winter ? -8 : 8;
  if (kind == SystemKind::fanCoil) s.fresh = 0.6, s.freshIsFlow = true;
  if (winter && !other) s.humidifier = process::Humidifier::adiabatic;
  if (winter && other) s.preheatTo = 0;
  s.dewPointSupply = other && kind == SystemKind::oneReturnSummer;
  if (other && kind == SystemKind::fanCoil)
    s.target = process::FreshAirTarget::given, s.targetFirst = 18, s.targetSecond = 95;
  return s;
}

// Every member shows the state its arithmetic computed, under its role as name.
void expectMembersAsBuilt(const Workspace& w, std::size_t i) {
  const workspace::AirSystem& s = w.systems()[i];
  const auto plan = std::get<workspace::SystemPlan>(w.planSystem(s.request, i));
  ASSERT_EQ(s.members.size(), plan.built.states.size());
  for (std::size_t k = 0; k < s.members.size(); ++k) {
    const workspace::StatePoint* p = w.points().find(s.members[k].id);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->name, plan.names[k]);
    EXPECT_NEAR(p->result.air.t, plan.built.states[k].air.t, 1e-9) << p->name;
    EXPECT_NEAR(p->result.air.d, plan.built.states[k].air.d, 1e-12) << p->name;
  }
}

struct Kind {
  const char* name;
  SystemRequest request;
  std::string roles;
};

class EachKind : public testing::TestWithParam<Kind> {};

TEST_P(EachKind, MadeAsBuiltAndKeptByItsFile) {
  Workspace w;
  ASSERT_FALSE(w.add({{Quantity::t, Quantity::rh}, "20", "50"}, "C"));  // takes a role's name
  ASSERT_FALSE(w.addSystem(GetParam().request));
  std::string roles;
  for (const auto& m : w.systems()[0].members) roles += m.role + " ";
  EXPECT_EQ(roles, GetParam().roles);
  expectMembersAsBuilt(w, 0);

  const std::string text = workspace::workspaceText(w);
  const auto back = workspace::readWorkspace(text);
  ASSERT_TRUE(std::holds_alternative<Workspace>(back));
  ASSERT_EQ(std::get<Workspace>(back).systems().size(), 1u);
  EXPECT_EQ(std::get<Workspace>(back).systems()[0].request, w.systems()[0].request);
  expectMembersAsBuilt(std::get<Workspace>(back), 0);
  EXPECT_EQ(workspace::workspaceText(std::get<Workspace>(back)), text);

  // At another pressure every member follows its system, rebuilt in place.
  w.setPressure(89875);
  expectMembersAsBuilt(w, 0);
}

SystemRequest with(SystemRequest s, const std::function<void(SystemRequest&)>& change) {
  change(s);
  return s;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Systems, EachKind,
    testing::Values(Kind{"OneReturn", request(SystemKind::oneReturnSummer), "W N C L O "},
                    Kind{"DewPointSupply", request(SystemKind::oneReturnSummer, true), "W N C L "},
                    Kind{"TwoReturn", request(SystemKind::twoReturnSummer), "W N C₁ L O "},
                    Kind{"AllFresh", request(SystemKind::allFreshSummer), "W N L O "},
                    Kind{"FanCoil", request(SystemKind::fanCoil), "W N L M O "},
                    Kind{"FanCoilGivenTarget", request(SystemKind::fanCoil, true), "W N L M O "},
                    Kind{"WinterSpray", request(SystemKind::oneReturnWinter), "W N C H L O "},
                    Kind{"WinterSteamPreheated", request(SystemKind::oneReturnWinter, true),
                         "W W′ N C H O "}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

// What one command does to a design holding the 一次回风 system: whether the system stands
// afterwards, its members' names and the ids of W and O kept or not.
TEST(SystemObject, EditsRebuildOrDissolve) {
  struct Row {
    const char* name;
    std::function<workspace::Refused(Workspace&)> run;
    bool stands;
    std::string names;  // the points' names afterwards
    bool sameIds = true;
  };
  const auto at = [](const Workspace& w, const char* name) {
    for (std::size_t i = 0; i < w.points().size(); ++i)
      if (w.points().points()[i].name == name) return i;
    return w.points().size();
  };
  const SystemRequest base = request(SystemKind::oneReturnSummer);
  const Row rows[] = {
      {"EditInPlace",
       [&](Workspace& w) { return w.editSystem(0, with(base, [](auto& s) { s.Δt = 6; })); }, true,
       "W N C L O"},
      {"EditToOtherRolesRemakes",
       [&](Workspace& w) { return w.editSystem(0, request(SystemKind::oneReturnSummer, true)); },
       true, "W N C L", false},
      {"RenameKeeps", [&](Workspace& w) { return w.rename(at(w, "O"), "S"); }, true, "W N C L S"},
      {"EditPointDissolves",
       [&](Workspace& w) {
         return w.editPoint(at(w, "W"), {{Quantity::t, Quantity::rh}, "34", "60"});
       },
       false, "W N C L O"},
      {"EditProcessDissolves",
       [&](Workspace& w) {
         auto r = w.processes().processes()[2].request;
         r.first += 1;
         return w.editProcess(2, r);
       },
       false, "W N C L O"},
      {"RemovePointDissolves",
       [&](Workspace& w) -> workspace::Refused {
         w.remove(at(w, "N"));
         return std::nullopt;
       },
       false, "W C L O"},
      {"RefusedEditChangesNothing",
       [&](Workspace& w) {
         const auto why = w.editSystem(0, with(base, [](auto& s) { s.φL = 0; }));
         return why && why->rule == Rule::systemValueRange ? std::nullopt : why;
       },
       true, "W N C L O"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Workspace w;
    ASSERT_FALSE(w.addSystem(base));
    const unsigned wId = w.points().points()[0].id, oId = w.points().points()[4].id;
    EXPECT_FALSE(row.run(w));
    EXPECT_EQ(w.systems().size(), row.stands ? 1u : 0u);
    std::string names;
    for (const auto& p : w.points().points()) names += (names.empty() ? "" : " ") + p.name;
    EXPECT_EQ(names, row.names);
    if (row.stands) {
      expectMembersAsBuilt(w, 0);
      EXPECT_EQ(w.systems()[0].members[0].id == wId && w.systems()[0].members.back().id == oId,
                row.sameIds);
    }
  }
}

// Every refusal of a system's inputs, as made and as read from a file, nothing changed.
TEST(SystemObject, RefusesInputsAndFilesBreakingItsRules) {
  struct Row {
    const char* name;
    std::function<void(SystemRequest&)> change;
    Rule rule;
  };
  const Row rows[] = {
      {"NameEmpty", [](auto& s) { s.name = "  "; }, Rule::systemNameEmpty},
      {"NameTooLong", [](auto& s) { s.name = std::string(25, 'x'); }, Rule::systemNameTooLong},
      {"NameTaken", [](auto& s) { s.name = " AHU-1 "; }, Rule::systemNameTaken},
      {"ShareOver100", [](auto& s) { s.fresh = 120; }, Rule::systemValueRange},
      {"ΔtNaN", [](auto& s) { s.Δt = NAN; }, Rule::systemValueRange},
      {"CoilHumidityOver100", [](auto& s) { s.φL = 101; }, Rule::systemValueRange},
      {"NoState", [](auto& s) { s.outdoor.second = "120"; }, Rule::arithmetic},
      {"ArithmeticRefuses", [](auto& s) { s.heat = 0, s.moisture = 0; }, Rule::process},
  };
  Workspace w;
  ASSERT_FALSE(w.addSystem(request(SystemKind::oneReturnSummer)));
  const std::string before = workspace::workspaceText(w);
  for (const Row& row : rows) {
    SystemRequest s = request(SystemKind::oneReturnSummer);
    s.name = "AHU-2";
    row.change(s);
    const workspace::Refused why = w.addSystem(s);
    ASSERT_TRUE(why) << row.name;
    EXPECT_EQ(why->rule, row.rule) << row.name;
    EXPECT_EQ(workspace::workspaceText(w), before) << row.name;
  }
  EXPECT_EQ(w.editSystem(1, request(SystemKind::fanCoil))->rule, Rule::noSuchSystem);
}

TEST(SystemObject, FileRefusesASystemEntryBreakingItsRules) {
  Workspace w;
  ASSERT_FALSE(w.addSystem(request(SystemKind::oneReturnSummer)));
  const std::string text = workspace::workspaceText(w);
  struct Row {
    const char* name;
    std::string from, to;
    workspace::FileFault fault;
  };
  using enum workspace::FileFault;
  const Row rows[] = {
      {"UnknownKind", "one-return-summer", "three-return", unknownName},
      {"MemberTwice", R"("point": "N")", R"("point": "W")", memberTwice},
      {"NoSuchMember", R"("point": "O")", R"("point": "Q")", noSuchPoint},
      {"MissingInput", R"("heat": "40",)", "", missingKey},
      {"ValueOutOfRange", R"("coil": "95")", R"("coil": "0")", rule},
  };
  for (const Row& row : rows) {
    std::string changed = text;
    const std::size_t at = changed.find(row.from);
    ASSERT_NE(at, std::string::npos) << row.name;
    changed.replace(at, row.from.size(), row.to);
    const auto read = workspace::readWorkspace(changed);
    ASSERT_TRUE(std::holds_alternative<workspace::FileRefusal>(read)) << row.name;
    EXPECT_EQ(std::get<workspace::FileRefusal>(read).fault, row.fault) << row.name;
    EXPECT_EQ(std::get<workspace::FileRefusal>(read).list, "systems") << row.name;
  }
}

}  // namespace

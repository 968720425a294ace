// The workspace file: what is saved opens to the same sheet, and a bad file is refused with why.
#include "workspace/file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "document/design_table.h"
#include "document/process_words.h"
#include "document/words.h"
#include "support/named_rows.h"

namespace {

using psychro::Quantity;
using workspace::Flow;
using workspace::FlowUnit;
using workspace::ProcessKind;
using workspace::Workspace;

unsigned idOf(const Workspace& w, std::size_t i) {
  return w.points().points()[i].id;
}

// Every pair a point may be given by, then a process of every kind (both targets of each
// humidifying one, heat recovery with and without its own ηd, an indirect cooler on its own inlet
// and on a second point, flows in both units, ε of constant d), two drawn ε lines, an outlet
// renamed and moved up, a flow with more digits than a given text shows; at 1000 m.
Workspace everything() {
  Workspace w(89875);
  const char* pairs[][4] = {
      {"t", "tw", "25", "20"},      {"t", "rh", "25", "50"},       {"t", "tl", "25", "13.89"},
      {"t", "d", "25", "9.88"},     {"t", "h", "25", "50.31"},     {"h", "rh", "50.31", "50"},
      {"h", "d", "50.31", "9.88"},  {"h", "tl", "50.31", "13.89"}, {"d", "rh", "9.88", "50"},
      {"tl", "rh", "13.89", "50"},  {"tw", "rh", "17.87", "50"},   {"tw", "tl", "17.87", "13.89"},
      {"tw", "d", "17.87", "9.88"}, {"t", "rh", "35", "60"}};
  for (const auto& p : pairs) {
    std::string error;
    const calc::Pair pair = *calc::pairNamed(std::string(p[0]) + "+" + p[1], error);
    EXPECT_FALSE(w.add({pair, p[2], p[3]})) << p[0] << "+" << p[1];
  }
  const unsigned n = idOf(w, 1), o = idOf(w, 13);
  const workspace::ProcessRequest requests[] = {
      {ProcessKind::mix, o, n, {}, 1, 3, {}},
      {ProcessKind::heat, n, 0, {}, 30, 0, Flow{3000, FlowUnit::cubicMetresPerHour}},
      {ProcessKind::cool, o, 0, {}, 30.5, 0, Flow{2.5, FlowUnit::kilogramsPerSecond}},
      {ProcessKind::coolAndDry, o, 0, {Quantity::t, Quantity::rh}, 14, 95, {}},
      {ProcessKind::coolToDewPoint, o, 0, {}, 12, 95, {}},
      {ProcessKind::humidifyAdiabatic, n, 0, {Quantity::rh, Quantity::rh}, 80, 0, {}},
      {ProcessKind::humidifyAdiabatic, n, 0, {Quantity::t, Quantity::t}, 22, 0, {}},
      {ProcessKind::humidifyAdiabatic, n, 0, {Quantity::d, Quantity::d}, 13, 0, {}},
      {ProcessKind::humidifyIsothermal, n, 0, {Quantity::d, Quantity::d}, 14, 0, {}},
      {ProcessKind::humidifyIsothermal, n, 0, {Quantity::rh, Quantity::rh}, 70, 0, {}},
      {ProcessKind::supply,
       n,
       0,
       {},
       8000,
       8,
       Flow{12222222222.222222, FlowUnit::kilogramsPerSecond}},
      {ProcessKind::supply, n, 0, {}, INFINITY, 6, {}},
      {ProcessKind::supply, n, 0, {}, 0, 8, {}, workspace::RoomLoads{40, 18}},
      {ProcessKind::recoverSensible, o, n, {}, 0.5, 0, {}},
      {ProcessKind::recoverTotal, o, n, {}, 0.6, NAN, {}},
      {ProcessKind::recoverTotal, o, n, {}, 0.6, 0.5, Flow{10000, FlowUnit::cubicMetresPerHour}},
      {ProcessKind::evaporate, o, 0, {}, 0.9, 0, {}},
      {ProcessKind::evaporateIndirect, o, 0, {}, 0.6, 0, {}},
      {ProcessKind::evaporateIndirect, o, n, {}, 0.3, 0, {}},
      {ProcessKind::dryAdiabatic, n, 0, {Quantity::d, Quantity::d}, 7, 0, {}},
      {ProcessKind::dryAdiabatic, n, 0, {Quantity::rh, Quantity::rh}, 30, 0, {}},
      {ProcessKind::fan, n, 0, {}, 1000, 0.65, Flow{2.5, FlowUnit::kilogramsPerSecond}},
      {ProcessKind::coolByBypass, o, 0, {}, 20, 0.2, {}},
  };
  for (const auto& r : requests) EXPECT_FALSE(w.addProcess(r)) << document::kindCaption(r.kind);
  // The heated outlet's inlet of a further process: an outlet used as a point.
  EXPECT_FALSE(w.addProcess({ProcessKind::heat, idOf(w, 15), 0, {}, 40, 0, {}}));
  EXPECT_FALSE(w.addEpsilonLine(n, -5000));
  EXPECT_FALSE(w.addEpsilonLine(o, -INFINITY));
  EXPECT_FALSE(w.rename(16, "送风 O"));
  EXPECT_TRUE(w.move(16, 2));
  // Two built-in zones on, a zone of the user's bounded on every quantity, a month filter.
  w.setBuiltInZone(1, true);
  w.setBuiltInZone(5, true);
  EXPECT_FALSE(w.addZone({"机房 B", {{20, 25.5}, {{}, 55}, {-5, {}}, {{}, 12}, {30, 60}}}));
  w.setWeather({"/数据/机房日志.csv",
                workspace::LogColumns{{psychro::Quantity::t, psychro::Quantity::rh}, {"3", "湿度"}},
                workspace::MonthSet{0b111000000}});
  return w;
}

// As drawn, moved to 30 kPa, where three points and outlets have no state and keep their rows, and
// under ASHRAE, which the file records (and only then) and the sheet states.
TEST(WorkspaceFile, SavedOpensToTheSameSheet) {
  const struct {
    const char* name;
    double pa;
    psychro::Arithmetic m;
  } rows[] = {{"AsDrawn", 89875, psychro::Arithmetic::classic},
              {"SomeWithoutState", 30000, psychro::Arithmetic::classic},
              {"Ashrae", 89875, psychro::Arithmetic::ashrae2017}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Workspace saved = everything();
    saved.setPressure(row.pa);
    saved.setArithmetic(row.m);
    const std::string text = workspace::workspaceText(saved);
    const bool ashrae = row.m == psychro::Arithmetic::ashrae2017;
    EXPECT_EQ(text.find("\"model\": \"ashrae-2017\"") != std::string::npos, ashrae);
    EXPECT_EQ(text.find("\"model\"") != std::string::npos, ashrae);
    EXPECT_EQ(document::designTable(saved)[1][0] == "计算方法", ashrae);
    const auto read = workspace::readWorkspace(text);
    ASSERT_TRUE(std::holds_alternative<Workspace>(read))
        << document::words(std::get<workspace::FileRefusal>(read));
    const Workspace& opened = std::get<Workspace>(read);
    EXPECT_EQ(document::designTable(opened), document::designTable(saved));
    EXPECT_EQ(opened.processes().lines().size(), saved.processes().lines().size());
    EXPECT_EQ(workspace::workspaceText(opened), text);
    EXPECT_EQ(opened.zones(), saved.zones());
    EXPECT_EQ(opened.weather(), saved.weather());
  }
}

// A recovery opens to the design and the file it came from, and as a plain workspace file too.
TEST(WorkspaceFile, RecoveryKeepsDesignAndSource) {
  for (const char* source : {"", "/home/设计/夏季工况.torvale"}) {
    SCOPED_TRACE(source);
    const Workspace saved = everything();
    const std::string text = workspace::recoveryText(saved, source);
    const auto read = workspace::readRecovery(text);
    ASSERT_TRUE(std::holds_alternative<workspace::Recovered>(read))
        << document::words(std::get<workspace::FileRefusal>(read));
    const auto& recovered = std::get<workspace::Recovered>(read);
    EXPECT_EQ(recovered.source, source);
    EXPECT_EQ(workspace::workspaceText(recovered.design), workspace::workspaceText(saved));
    EXPECT_TRUE(std::holds_alternative<Workspace>(workspace::readWorkspace(text)));
  }
  EXPECT_TRUE(
      std::holds_alternative<workspace::FileRefusal>(workspace::readRecovery("{\"format\"")));
}

using workspace::FileFault;
using workspace::FileRefusal;

struct FileRow {
  const char* name;
  std::string text;
  std::optional<FileFault> fault;  // why it is refused; none for a file that opens
  // Instead of text, this many spaces, made when the row runs: gtest copies every row several
  // times while it registers the tests of each run, so a text this long would slow every start.
  std::size_t spaces = 0;
};
using testsupport::PrintTo;

// The texts one after the other (appended, which keeps g++ 12's -Wrestrict quiet).
std::string joined(std::initializer_list<std::string_view> parts) {
  std::string s;
  for (std::string_view p : parts) s += p;
  return s;
}
std::string file(std::string_view rest, std::string_view version = "1",
                 std::string_view pa = "101325") {
  return joined({"{\"format\": \"torvale-workspace\", \"version\": ", version,
                 ", \"pressure\": ", pa, rest, "}"});
}
std::string points(std::string_view list) {
  return file(joined({", \"points\": [", list, "]"}));
}
std::string point(std::string_view name, std::string_view a = "\"35\"") {
  return joined({"{\"name\": \"", name, "\", \"pair\": \"t+rh\", \"values\": [", a, ", \"60\"]}"});
}
std::string withProcess(std::string_view process) {
  return file(joined({", \"points\": [", point("W"), "], \"processes\": [", process, "]"}));
}

std::string many(std::size_t n) {
  std::string list;
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0) list += ',';
    list += point(std::to_string(i));
  }
  return points(list);
}

// "1, 1, …, 1": a list of n elements, more than any list of the file may hold for n over 10000.
std::string ones(std::size_t n) {
  std::string list = "1";
  for (std::size_t i = 1; i < n; ++i) list += ", 1";
  return list;
}

// A file of a later version: count keys the reader does not know, and a long list at one of them.
std::string laterVersion(std::size_t count) {
  std::string keys;
  for (std::size_t i = 0; i < count; ++i) keys += ", \"k" + std::to_string(i) + "\": {\"a\": 1}";
  return file(keys + ", \"later\": [" + ones(20000) + "]");
}

// A design with one zone of the user's, its name and its t bound as written.
std::string userZone(std::string_view name, std::string_view t) {
  return file(", \"zones\": {\"user\": [{\"name\": " + std::string(name) +
              ", \"t\": " + std::string(t) + "}]}");
}

class Refusal : public testing::TestWithParam<FileRow> {};

TEST_P(Refusal, NamesWhatIsWrong) {
  const std::size_t spaces = GetParam().spaces;
  const auto read = workspace::readWorkspace(spaces ? std::string(spaces, ' ') : GetParam().text);
  if (!GetParam().fault) {
    ASSERT_TRUE(std::holds_alternative<Workspace>(read))
        << document::words(std::get<FileRefusal>(read));
    return;
  }
  ASSERT_TRUE(std::holds_alternative<FileRefusal>(read));
  EXPECT_EQ(std::get<FileRefusal>(read).fault, *GetParam().fault)
      << document::words(std::get<FileRefusal>(read));
}

INSTANTIATE_TEST_SUITE_P(
    WorkspaceFile, Refusal,
    testing::Values(
        FileRow{"HandWritten", points(joined({point("W"), ",", point("N")})), std::nullopt},
        FileRow{"NotJson", "W,35,60\n", FileFault::notJson},
        FileRow{"Truncated", points(point("W")).substr(0, 60), FileFault::notJson},
        FileRow{"OtherFormat", "{\"format\": \"x\", \"version\": 1}", FileFault::notAWorkspace},
        FileRow{"NewerVersion", file("", "2"), FileFault::laterVersion},
        FileRow{"NoVersion", file("", "\"1\""), FileFault::noVersion},
        FileRow{"NanText", points(point("W", "\"NaN\"")), FileFault::notANumber},
        FileRow{"HugeText", points(point("W", "\"1e400\"")), FileFault::notANumber},
        FileRow{"HugeNumber", points(point("W", "1e400")), FileFault::notJson},
        FileRow{"NotANumber", points(point("W", "true")), FileFault::valueNotText},
        FileRow{"LongValue", points(point("W", joined({"\"", std::string(100, '1'), "\""}))),
                FileFault::valueTooLong},
        FileRow{"TooManyPoints", many(10001), FileFault::tooManyPoints},
        FileRow{"TooLarge", "", FileFault::tooLarge, workspace::maxFileBytes + 1},
        FileRow{"DeepNesting", std::string(100, '[') + std::string(100, ']'), FileFault::tooDeep},
        FileRow{"LongName", points(point(std::string(25, 'x'))), FileFault::ruleOfName},
        FileRow{"ControlInName", points(point("W\\u0007")), FileFault::rule},
        FileRow{"BidiInName", points(point("W\\u202e")), FileFault::ruleOfName},
        FileRow{"DuplicateName", points(joined({point("W"), ",", point("W")})),
                FileFault::ruleOfName},
        FileRow{"UnknownPair",
                file(", \"points\": [{\"name\": \"W\", \"pair\": \"t+x\", "
                     "\"values\": [\"1\", \"2\"]}]"),
                FileFault::unknownPair},
        FileRow{"PressureRange", file("", "1", "20000"), FileFault::pressureRange},
        FileRow{"ClassicModel", file(", \"model\": \"classic\""), std::nullopt},
        FileRow{"UnknownModel", file(", \"model\": \"ashrae-2099\""), FileFault::unknownName},
        FileRow{"ModelNotText", file(", \"model\": 2017"), FileFault::modelNotText},
        FileRow{"MissingPoint",
                withProcess("{\"kind\": \"heat\", \"from\": \"Z\", \"values\": [\"30\"]}"),
                FileFault::noSuchPoint},
        FileRow{"UnknownKind",
                withProcess("{\"kind\": \"boil\", \"from\": \"W\", \"values\": [\"30\"]}"),
                FileFault::unknownName},
        FileRow{"WrongValueCount",
                withProcess("{\"kind\": \"heat\", \"from\": \"W\", \"values\": []}"),
                FileFault::valuesCount},
        FileRow{"NoStateKept", points(point("W", "\"200\"")), std::nullopt},
        FileRow{"ZonesAndWeather",
                file(", \"zones\": {\"on\": [\"供冷工况 I级\"], \"user\": [{\"name\": \"A\", "
                     "\"rh\": [null, 60]}]}, \"weather\": {\"months\": [7, 8]}"),
                std::nullopt},
        FileRow{"UnknownZone", file(", \"zones\": {\"on\": [\"供冷\"]}"), FileFault::unknownName},
        FileRow{"BoundNotPair", file(", \"zones\": {\"user\": [{\"name\": \"A\", \"t\": [20]}]}"),
                FileFault::boundNotPair},
        FileRow{"MonthThirteen", file(", \"weather\": {\"months\": [13]}"), FileFault::notMonths},
        FileRow{"NulThenGarbage", file("") + std::string("\0garbage", 8), FileFault::notJson},
        FileRow{"HugeVersion", file("", "18446744073709551615"), FileFault::laterVersion},
        FileRow{"PressureAsText", file("", "1", "\"101325\""), FileFault::pressureNotNumber},
        FileRow{"LoadsWithoutMoisture",
                withProcess("{\"kind\": \"supply\", \"from\": \"W\", \"values\": [\"0\", "
                            "\"8\"], \"loads\": {\"heat\": \"40\"}}"),
                FileFault::missingKey},
        FileRow{"ManyUnknownKeys", laterVersion(100000), std::nullopt},
        FileRow{"ListTooLong", points(point("W", ones(20000))), FileFault::listTooLong},
        FileRow{"MixWithItself",
                withProcess("{\"kind\": \"mix\", \"from\": \"W\", \"other\": \"W\", "
                            "\"values\": [\"1\", \"1\"]}"),
                FileFault::rule}),
    [](const auto& row) { return std::string(row.param.name); });

// A zone of the file meets the checks of one made in the window (workspace::checkZone): the file is
// refused with that check's own rule.
TEST(WorkspaceFile, ZonesMeetTheDialogsChecks) {
  using workspace::Rule;
  const struct {
    const char* name;
    std::string text;
    Rule rule;
  } rows[] = {
      {"NameEmpty", userZone("\" \"", "[20, 25]"), Rule::zoneNameEmpty},
      {"NameTwice",
       file(", \"zones\": {\"user\": [{\"name\": \"Z\", \"t\": [20, 25]}, "
            "{\"name\": \"Z\", \"t\": [20, 25]}]}"),
       Rule::zoneNameTaken},
      {"NamedOutside", userZone("\"区外\"", "[20, 25]"), Rule::zoneNameTaken},
      {"NamedAsBuiltIn", userZone("\"供热工况 II级\"", "[20, 25]"), Rule::zoneNameTaken},
      {"NameTurnsText", userZone("\"R\u202eTXT\"", "[20, 25]"), Rule::zoneNameControl},
      {"BoundsInverted", userZone("\"Z\"", "[\"30\", \"20\"]"), Rule::zoneBoundsReversed},
  };
  for (const auto& row : rows) {
    const auto read = workspace::readWorkspace(row.text);
    const auto* why = std::get_if<FileRefusal>(&read);
    ASSERT_TRUE(why) << row.name;
    EXPECT_EQ(why->rule.rule, row.rule) << row.name << ": " << document::words(*why);
  }
}

}  // namespace

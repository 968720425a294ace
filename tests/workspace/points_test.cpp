// The state points of the chart window: names, how each was given, the pressure, the table as it
// is copied and exported.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "document/design_table.h"
#include "workspace/points.h"
#include "workspace/workspace.h"

namespace {

using psychro::Quantity;

workspace::TypedPair tRh(std::string t, std::string φ) {
  return {{Quantity::t, Quantity::rh}, std::move(t), std::move(φ)};
}

TEST(PointList, NamesRenamesAndOrder) {
  workspace::PointList list;
  for (const char* t : {"20", "25", "30"}) ASSERT_FALSE(list.add(tRh(t, "50")));
  EXPECT_FALSE(list.rename(0, "  室外\tW "));
  EXPECT_EQ(list.points()[0].name, "室外 W");
  EXPECT_FALSE(list.rename(1, "B"));  // its own name
  list.remove(1);
  EXPECT_EQ(list.nextName(), "A");  // the first free name
  ASSERT_FALSE(list.add(tRh("35", "50")));
  EXPECT_TRUE(list.move(2, 0));
  EXPECT_EQ(list.points()[0].name, "A");
  EXPECT_EQ(list.points()[1].name, "室外 W");
  EXPECT_FALSE(list.move(0, 3));
  // A letter name renamed away is free again: the next new points take B, then C.
  ASSERT_FALSE(list.rename(2, "N"));
  ASSERT_FALSE(list.add(tRh("10", "50")));
  EXPECT_EQ(list.points().back().name, "B");
  ASSERT_FALSE(list.add(tRh("12", "50")));
  EXPECT_EQ(list.points().back().name, "C");
}

// A refused rename says why and leaves the name; a character that turns the direction of text
// is refused, as it would turn a label's figures around ("h=62.2359" read "9532.26=h").
TEST(PointList, RefusedRenamesSayWhy) {
  struct Row {
    const char* name;
    std::string given;
    workspace::Rule why;
  };
  using workspace::Rule;
  const Row rows[] = {
      {"AnotherPoints", "A", Rule::nameTaken},
      {"Blank", " \n ", Rule::nameEmpty},
      {"TooLong", std::string(25, 'x'), Rule::nameTooLong},
      {"ThirtyCharacters", "室外新风混合后的状态点经表冷器冷却除湿后再热至送风状态的点位",
       Rule::nameTooLong},
      {"RightToLeftOverride", "W\u202E", Rule::nameTurnsDirection},
      {"LeftToRightEmbedding", "\u202AW", Rule::nameTurnsDirection},
      {"FirstStrongIsolate", "W\u2068", Rule::nameTurnsDirection},
      {"PopDirectionalIsolate", "W\u2069", Rule::nameTurnsDirection},
      {"RightToLeftMark", "W\u200F", Rule::nameTurnsDirection},
      {"LeftToRightMark", "\u200EW", Rule::nameTurnsDirection},
      {"ArabicLetterMark", "W\u061C", Rule::nameTurnsDirection},
  };
  for (const Row& r : rows) {
    workspace::PointList list;
    ASSERT_FALSE(list.add(tRh("20", "50")));
    ASSERT_FALSE(list.add(tRh("25", "50")));
    EXPECT_EQ(list.rename(1, r.given).value_or(workspace::Refusal{}).rule, r.why) << r.name;
    EXPECT_EQ(list.points()[1].name, "B") << r.name;
  }
}

// At the site's pressure every point is computed again; one with no state there keeps its row.
TEST(PointList, FollowsThePressure) {
  workspace::PointList list;
  ASSERT_FALSE(list.add(tRh("25", "50")));
  ASSERT_FALSE(list.add(tRh("95", "90")));
  EXPECT_EQ(list.add(tRh("25", ""))->outcome, psychro::Outcome::missingInput);
  EXPECT_EQ(list.size(), 2u);
  list.setPressure(65000);
  EXPECT_EQ(list.points()[0].result.texts[6], "15.54");
  EXPECT_FALSE(list.points()[1].exists());
  EXPECT_EQ(list.points()[1].result.outcome, psychro::Outcome::noSuchState);
  EXPECT_EQ(document::pointRows(workspace::ProcessList{}, list)[1][1],
            "t=95, φ=90%：该状态点不存在");
  list.setPressure(101325);
  EXPECT_TRUE(list.points()[1].exists());
}

TEST(PointTable, CopiedAndExported) {
  workspace::Workspace list;
  ASSERT_FALSE(list.add({{Quantity::t, Quantity::tw}, "25", "20"}));
  ASSERT_FALSE(list.add(tRh("-10.5", "80")));
  ASSERT_FALSE(list.rename(1, "=1+1, \"冬\""));
  const std::string header =
      "大气压力\t101325 Pa\n"
      "名称\t给定参数\t干球温度 ℃\t相对湿度 ％\t湿球温度 ℃\t焓 kJ/kg\t露点温度 ℃\t密度 kg/m³\t"
      "含湿量 g/kg\t比热 J/(kg·K)\t粘度 μkg/(m·s)\t导热系数 W/(m·K)\t普朗特数\n";
  const std::string tsv = document::tabSeparated(list);
  EXPECT_EQ(tsv.substr(0, header.size()), header);
  const std::string rows = tsv.substr(header.size());
  EXPECT_EQ(rows.substr(0, rows.find('\n') + 1),
            "A\tt=25, tw=20\t25.00\t63.5\t20.00\t57.2616\t17.63\t1.1737\t12.61\t1015.400\t"
            "18.3597\t0.0260\t0.72\n");
  // A name a spreadsheet would run as a formula is pasted as text.
  const std::string second = "'=1+1, \"冬\"\tt=-10.5, φ=80%\t-10.50\t80.0\t";
  EXPECT_EQ(rows.substr(rows.find('\n') + 1, second.size()), second);
  EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\n'), 4);

  const std::string csv = document::commaSeparated(list);
  EXPECT_EQ(csv.substr(0, csv.find("名称")), "\xEF\xBB\xBF大气压力,101325 Pa\r\n");
  EXPECT_NE(csv.find("含湿量 g/kg,比热 J/(kg·K),粘度 μkg/(m·s),导热系数 W/(m·K),普朗特数\r\n"),
            std::string::npos);
  EXPECT_NE(csv.find("\r\nA,\"t=25, tw=20\",25.00,63.5,20.00,57.2616,17.63,1.1737,12.61,1015.400,"
                     "18.3597,0.0260,0.72\r\n"),
            std::string::npos);
  EXPECT_NE(csv.find("\r\n\"'=1+1, \"\"冬\"\"\",\"t=-10.5, φ=80%\",-10.50,80.0,"),
            std::string::npos);
}

// Copied and exported alike: the pressure the points are at leads, and every name a spreadsheet
// would run as a formula is guarded, in the points' table and in the 过程 table's names.
TEST(PointTable, StatesThePressureAndGuardsNames) {
  struct Row {
    const char* name;
    const char* given;
    const char* written;
  };
  const Row rows[] = {
      {"Command", "=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"},
      {"Plus", "+1", "'+1"},
      {"Minus", "-1", "'-1"},
      {"At", "@SUM(A1)", "'@SUM(A1)"},
      {"Plain", "室外 W", "室外 W"},
  };
  for (const Row& r : rows) {
    workspace::Workspace list(89875);
    ASSERT_FALSE(list.add(tRh("25", "50")));
    ASSERT_FALSE(list.rename(0, r.given));
    ASSERT_FALSE(list.addProcess(
        {workspace::ProcessKind::heat, list.points().points()[0].id, 0, {}, 30, 0, {}}));
    const std::string tsv = document::tabSeparated(list);
    EXPECT_EQ(tsv.substr(0, tsv.find("名称")), "大气压力\t89875 Pa\n") << r.name;
    // A line that starts with the name as written, then tail.
    const auto startsLine = [&](const std::string& text, const char* tail) {
      std::string start("\n");
      start.append(r.written).append(tail);
      return text.find(start) != std::string::npos;
    };
    EXPECT_TRUE(startsLine(tsv, "\t")) << r.name;
    EXPECT_TRUE(startsLine(tsv, "→A\t")) << r.name;  // its row in the 过程 table
    const std::string csv = document::commaSeparated(list);
    EXPECT_EQ(csv.substr(3, csv.find("名称") - 3), "大气压力,89875 Pa\r\n") << r.name;
    EXPECT_TRUE(startsLine(csv, ",")) << r.name;
    EXPECT_TRUE(startsLine(csv, "→A,")) << r.name;
  }
}

// While a zone is on, each point's row ends with the zones that hold it (a user's zone named like a
// formula guarded as names are); with none on, the sheet is as it was. The 逐时统计 rows come last.
TEST(PointTable, ZonesColumnAndHourRows) {
  workspace::Zone formula{"=1+1", {}};
  formula.bounds.t = {30, 40};
  struct Row {
    const char* name;
    std::array<bool, workspace::builtInZoneCount> on;
    bool user;
    const char* header;  // the header line's end
    const char* a;       // the ends of the lines of A (23 ℃, 50 %) and B (35 ℃, 60 %)
    const char* b;
  };
  const Row rows[] = {
      {"None", {}, false, "普朗特数\n", "\t0.71\n", "\t0.72\n"},
      {"Two built-in",
       {true, false, false, false, true, false},
       false,
       "普朗特数\t舒适区\n",
       "\t0.71\t供热工况 I级、数据中心 推荐\n",
       "\t0.72\t\n"},
      {"User zone like a formula", {}, true, "\t舒适区\n", "\t0.71\t\n", "\t0.72\t'=1+1\n"},
  };
  for (const Row& r : rows) {
    workspace::Workspace w;
    ASSERT_FALSE(w.add(tRh("23", "50")));
    ASSERT_FALSE(w.add(tRh("35", "60")));
    const std::string before = document::tabSeparated(w);
    for (std::size_t i = 0; i < r.on.size(); ++i) w.setBuiltInZone(i, r.on[i]);
    if (r.user) {
      ASSERT_FALSE(w.addZone(formula));
    }
    const std::string tsv = document::tabSeparated(w);
    const auto line = [&tsv](std::size_t n) {
      std::size_t at = 0;
      for (std::size_t i = 0; i < n; ++i) at = tsv.find('\n', at) + 1;
      return tsv.substr(at, tsv.find('\n', at) + 1 - at);
    };
    EXPECT_TRUE(line(1).ends_with(r.header)) << r.name << ": " << line(1);
    EXPECT_TRUE(line(2).ends_with(r.a)) << r.name << ": " << line(2);
    EXPECT_TRUE(line(3).ends_with(r.b)) << r.name << ": " << line(3);
    if (std::string_view(r.name) == "None") {
      EXPECT_EQ(tsv, before);
    }
    // Printed, the name is as given.
    if (r.user) {
      EXPECT_EQ(document::designTable(w)[3].back(), "=1+1");
    }
  }
  workspace::Workspace w;
  const std::vector<workspace::ZoneHourRow> hours{{"供热工况 I级", "1", "50.0"},
                                                  {"区外", "1", "50.0"}};
  EXPECT_TRUE(document::commaSeparated(w, &hours).ends_with(
      "普朗特数\r\n\r\n逐时统计,小时数,百分比 %\r\n供热工况 I级,1,50.0\r\n区外,1,50.0\r\n"));
}

}  // namespace

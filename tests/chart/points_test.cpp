// The state points of the chart window: names, how each was given, the pressure, the table as it
// is copied and exported, and where their labels go.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "chart/label_board.h"
#include "chart/point_table.h"
#include "chart/points.h"
#include "chart/process_list.h"

namespace {

using psychro::Quantity;

chart::TypedPair tRh(std::string t, std::string φ) {
  return {{Quantity::t, Quantity::rh}, std::move(t), std::move(φ)};
}

TEST(PointList, NamesRenamesAndOrder) {
  chart::PointList list;
  for (const char* t : {"20", "25", "30"}) ASSERT_TRUE(list.add(tRh(t, "50")).empty());
  EXPECT_EQ(list.rename(0, "  室外\tW "), "");
  EXPECT_EQ(list.points()[0].name, "室外 W");
  EXPECT_EQ(list.rename(1, "B"), "");  // its own name
  list.remove(1);
  EXPECT_EQ(list.nextName(), "A");  // the first free name
  ASSERT_TRUE(list.add(tRh("35", "50")).empty());
  EXPECT_TRUE(list.move(2, 0));
  EXPECT_EQ(list.points()[0].name, "A");
  EXPECT_EQ(list.points()[1].name, "室外 W");
  EXPECT_FALSE(list.move(0, 3));
  // A letter name renamed away is free again: the next new points take B, then C.
  ASSERT_EQ(list.rename(2, "N"), "");
  ASSERT_TRUE(list.add(tRh("10", "50")).empty());
  EXPECT_EQ(list.points().back().name, "B");
  ASSERT_TRUE(list.add(tRh("12", "50")).empty());
  EXPECT_EQ(list.points().back().name, "C");
}

// A refused rename says why and leaves the name; a character that turns the direction of text
// is refused, as it would turn a label's figures around ("h=62.2359" read "9532.26=h").
TEST(PointList, RefusedRenamesSayWhy) {
  struct Row {
    const char* name;
    std::string given;
    std::string_view why;
  };
  const Row rows[] = {
      {"AnotherPoints", "A", chart::takenName},
      {"Blank", " \n ", chart::emptyName},
      {"TooLong", std::string(25, 'x'), chart::longName},
      {"ThirtyCharacters", "室外新风混合后的状态点经表冷器冷却除湿后再热至送风状态的点位",
       chart::longName},
      {"RightToLeftOverride", "W\u202E", chart::directionInName},
      {"LeftToRightEmbedding", "\u202AW", chart::directionInName},
      {"FirstStrongIsolate", "W\u2068", chart::directionInName},
      {"PopDirectionalIsolate", "W\u2069", chart::directionInName},
      {"RightToLeftMark", "W\u200F", chart::directionInName},
      {"LeftToRightMark", "\u200EW", chart::directionInName},
      {"ArabicLetterMark", "W\u061C", chart::directionInName},
  };
  for (const Row& r : rows) {
    chart::PointList list;
    ASSERT_TRUE(list.add(tRh("20", "50")).empty());
    ASSERT_TRUE(list.add(tRh("25", "50")).empty());
    EXPECT_EQ(list.rename(1, r.given), r.why) << r.name;
    EXPECT_EQ(list.points()[1].name, "B") << r.name;
  }
}

// At the site's pressure every point is computed again; one with no state there keeps its row.
TEST(PointList, FollowsThePressure) {
  chart::PointList list;
  ASSERT_TRUE(list.add(tRh("25", "50")).empty());
  ASSERT_TRUE(list.add(tRh("95", "90")).empty());
  EXPECT_EQ(list.add(tRh("25", "")), "请输入具体参数");  // as the main window says
  EXPECT_EQ(list.size(), 2u);
  list.setPressure(65000);
  EXPECT_EQ(list.points()[0].result.texts[6], "15.54");
  EXPECT_FALSE(list.points()[1].exists());
  EXPECT_EQ(list.points()[1].result.outcome, psychro::Outcome::noSuchState);
  EXPECT_EQ(chart::tableRows(list)[1][1], "t=95, φ=90%：该状态点不存在");
  list.setPressure(101325);
  EXPECT_TRUE(list.points()[1].exists());
}

TEST(PointTable, CopiedAndExported) {
  chart::PointList list;
  ASSERT_TRUE(list.add({{Quantity::t, Quantity::tw}, "25", "20"}).empty());
  ASSERT_TRUE(list.add(tRh("-10.5", "80")).empty());
  ASSERT_EQ(list.rename(1, "=1+1, \"冬\""), "");
  const std::string header =
      "大气压力\t101325 Pa\n"
      "名称\t给定参数\t干球温度 ℃\t相对湿度 ％\t湿球温度 ℃\t焓 kJ/kg\t露点温度 ℃\t密度 kg/m³\t"
      "含湿量 g/kg\t比热 J/(kg·K)\t粘度 μkg/(m·s)\t导热系数 W/(m·K)\t普朗特数\n";
  const std::string tsv = chart::tabSeparated(list);
  EXPECT_EQ(tsv.substr(0, header.size()), header);
  const std::string rows = tsv.substr(header.size());
  EXPECT_EQ(rows.substr(0, rows.find('\n') + 1),
            "A\tt=25, tw=20\t25.00\t63.5\t20.00\t57.2616\t17.63\t1.1737\t12.61\t1015.400\t"
            "18.3597\t0.0260\t0.72\n");
  // A name a spreadsheet would run as a formula is pasted as text.
  const std::string second = "'=1+1, \"冬\"\tt=-10.5, φ=80%\t-10.50\t80.0\t";
  EXPECT_EQ(rows.substr(rows.find('\n') + 1, second.size()), second);
  EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\n'), 4);

  const std::string csv = chart::commaSeparated(list);
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
    chart::PointList list(89875);
    ASSERT_TRUE(list.add(tRh("25", "50")).empty());
    ASSERT_EQ(list.rename(0, r.given), "");
    chart::ProcessList processes;
    ASSERT_EQ(
        processes.add(list, {chart::ProcessKind::heat, list.points()[0].id, 0, {}, 30, 0, {}}), "");
    const std::string tsv = chart::tabSeparated(list, &processes);
    EXPECT_EQ(tsv.substr(0, tsv.find("名称")), "大气压力\t89875 Pa\n") << r.name;
    // A line that starts with the name as written, then tail.
    const auto startsLine = [&](const std::string& text, const char* tail) {
      std::string start("\n");
      start.append(r.written).append(tail);
      return text.find(start) != std::string::npos;
    };
    EXPECT_TRUE(startsLine(tsv, "\t")) << r.name;
    EXPECT_TRUE(startsLine(tsv, "→A\t")) << r.name;  // its row in the 过程 table
    const std::string csv = chart::commaSeparated(list, &processes);
    EXPECT_EQ(csv.substr(3, csv.find("名称") - 3), "大气压力,89875 Pa\r\n") << r.name;
    EXPECT_TRUE(startsLine(csv, ",")) << r.name;
    EXPECT_TRUE(startsLine(csv, "→A,")) << r.name;
  }
}

// Fifty points crowded together: no label covers another label or any point's mark, and the
// earlier points are served first.
TEST(PointLabels, NeverCoverEachOtherOrAMark) {
  const chart::Box area{0, 0, 600, 400};
  chart::LabelBoard board(area);
  std::vector<chart::Pixel> marks;
  std::vector<chart::LabelSizes> sizes;
  for (int i = 0; i < 50; ++i) {
    marks.push_back({280 + 6.0 * (i % 7), 180 + 5.0 * (i / 7)});
    sizes.push_back({150, 32, 14, 16});
  }
  const auto labels = chart::placePointLabels(board, marks, sizes, 4, 5);
  ASSERT_EQ(labels.size(), marks.size());
  EXPECT_EQ(labels[0].kind, chart::LabelKind::full);
  int shown = 0;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (labels[i].kind == chart::LabelKind::none) continue;
    ++shown;
    EXPECT_TRUE(area.contains(labels[i].box));
    for (chart::Pixel m : marks) EXPECT_FALSE(labels[i].box.intersects(chart::centredBox(m, 8, 8)));
    for (std::size_t j = 0; j < i; ++j) {
      if (labels[j].kind != chart::LabelKind::none) {
        EXPECT_FALSE(labels[i].box.intersects(labels[j].box)) << i << " " << j;
      }
    }
  }
  EXPECT_GT(shown, 5);
  EXPECT_LT(shown, 50);
}

// A label away from its mark, or nearer another point's mark than its own, has a leader line.
TEST(PointLabels, LeaderWhereTheLabelIsNotBesideItsMark) {
  struct Row {
    const char* name;
    std::vector<chart::Pixel> marks;
    double markRadius;  // the half-side of the square kept clear round each mark
    double taken;       // the side of a square round the first mark taken before, if any
    bool leader;        // for the first mark's label
  };
  const Row rows[] = {
      {"Beside", {{300, 200}}, 4, 0, false},
      {"BesideAWideMark", {{300, 200}}, 7, 0, false},  // as on the chart: 7 clear, gap 5
      {"PushedOut", {{300, 200}}, 4, 22, true},
      {"NearerAnotherMark", {{300, 200}, {340, 201}}, 4, 0, true},
      {"BesideAnotherAtTheSamePlace", {{300, 200}, {300, 200}}, 4, 0, false},
  };
  for (const Row& r : rows) {
    chart::LabelBoard board({0, 0, 600, 400});
    if (r.taken > 0) board.keepClear(chart::centredBox(r.marks[0], r.taken, r.taken));
    const std::vector<chart::LabelSizes> sizes(r.marks.size(), {100, 30, 10, 10});
    const auto labels = chart::placePointLabels(board, r.marks, sizes, r.markRadius, 5);
    ASSERT_EQ(labels[0].kind, chart::LabelKind::full) << r.name;
    EXPECT_EQ(labels[0].leader, r.leader) << r.name;
  }
}

// A label keeps off the lines it should not cover where a place allows, else takes one over them.
TEST(PointLabels, KeepOffLinesWhereTheyCan) {
  const chart::Box area{0, 0, 600, 400};
  const chart::Pixel m{300, 200};
  for (const double step : {360.0, 10.0}) {  // one line up to the right; lines all round
    chart::LabelBoard lines(area);
    for (double degrees = 45; degrees < 405; degrees += step) {
      const double a = degrees * std::acos(-1.0) / 180;
      for (const chart::Box& b :
           chart::boxesAlong(m, {m.x + 200 * std::cos(a), m.y - 200 * std::sin(a)}, 4))
        lines.keepClear(b);
    }
    chart::LabelBoard board(area);
    const auto labels = chart::placePointLabels(board, {m}, {{100, 30, 10, 10}}, 4, 5, &lines);
    ASSERT_EQ(labels[0].kind, chart::LabelKind::full) << step;
    EXPECT_EQ(lines.isFree(labels[0].box), step > 180) << step;
  }
}

}  // namespace

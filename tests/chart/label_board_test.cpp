// Where the state points' labels go on the chart: clear of each other, of the marks and of the
// lines where a place allows.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "chart/label_board.h"

namespace {

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

// A label away from its mark, or nearer another point's mark than its own, or of an arrow on
// the edge, has a leader line.
TEST(PointLabels, LeaderWhereTheLabelIsNotBesideItsMark) {
  struct Row {
    const char* name;
    std::vector<chart::Pixel> marks;
    double markRadius;   // the half-side of the square kept clear round each mark
    double taken;        // the side of a square round the first mark taken before, if any
    bool leader;         // for the first mark's label
    bool arrow = false;  // the marks are arrows on the plot's edge
  };
  const Row rows[] = {
      {"Beside", {{300, 200}}, 4, 0, false},
      {"BesideAWideMark", {{300, 200}}, 7, 0, false},  // as on the chart: 7 clear, gap 5
      {"PushedOut", {{300, 200}}, 4, 22, true},
      {"NearerAnotherMark", {{300, 200}, {340, 201}}, 4, 0, true},
      {"BesideAnotherAtTheSamePlace", {{300, 200}, {300, 200}}, 4, 0, false},
      {"ArrowOnTheEdgeBesideIt", {{591, 200}}, 7, 0, true, true},
      {"ArrowsOfPointsBeyondTheSameCorner", {{591, 9}, {591, 9}}, 7, 0, true, true},
  };
  for (const Row& r : rows) {
    chart::LabelBoard board({0, 0, 600, 400});
    if (r.taken > 0) board.keepClear(chart::centredBox(r.marks[0], r.taken, r.taken));
    const std::vector<chart::LabelSizes> sizes(r.marks.size(), {100, 30, 10, 10, r.arrow});
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

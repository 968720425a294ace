// Where the labels of the lines, the ε lines, the zones and the protractor may go.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "chart/label_places.h"
#include "chart/protractor.h"

namespace {

chart::Pixel centre(const chart::Box& b) {
  return {b.left + b.width / 2, b.top + b.height / 2};
}

// Candidates along a line from its end: every `spacing` back along the line, around corners, no
// further than the share asked for.
TEST(LabelPlaces, FromTheEndOfALine) {
  struct Row {
    const char* name;
    std::vector<chart::Pixel> line;
    double share;
    std::vector<chart::Pixel> centres;
  };
  const Row rows[] = {
      {"StraightHalfWay", {{0, 0}, {100, 0}}, 0.45, {{100, 0}, {90, 0}, {80, 0}, {70, 0}, {60, 0}}},
      {"RoundACorner", {{0, 30}, {0, 0}, {15, 0}}, 0.8, {{15, 0}, {5, 0}, {0, 5}, {0, 15}}},
      {"ThroughARepeatedPoint", {{0, 0}, {20, 0}, {20, 0}}, 1, {{20, 0}, {10, 0}, {0, 0}}},
      {"OnePointNone", {{5, 5}}, 1, {}},
  };
  for (const Row& r : rows) {
    const std::vector<chart::Box> boxes = chart::placesFromEnd(r.line, 8, 4, r.share, 10);
    ASSERT_EQ(boxes.size(), r.centres.size()) << r.name;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      EXPECT_NEAR(centre(boxes[i]).x, r.centres[i].x, 1e-9) << r.name << " " << i;
      EXPECT_NEAR(centre(boxes[i]).y, r.centres[i].y, 1e-9) << r.name << " " << i;
    }
  }
}

// An enthalpy line ending on the saturation curve is labelled beyond that end first; one cut by
// the view's edge on itself only.
TEST(LabelPlaces, EnthalpyLabelBeyondTheEndUnlessAtTheEdge) {
  const chart::Mapping m{{0, 30, 0, 60}, {0, 0, 300, 600}};
  const chart::Polyline inside{{5, 40}, {10, 30}};  // ends inside the view
  const chart::Polyline cut{{25, 40}, {30, 30}};    // ends on the right edge
  const chart::Pixel end = m.toPixel(inside.back());
  const std::vector<chart::Box> beyond = chart::enthalpyLabelPlaces(m, inside, 20, 10);
  EXPECT_DOUBLE_EQ(beyond.front().left, end.x + 2);
  EXPECT_DOUBLE_EQ(beyond.front().top, end.y + 1);
  const std::vector<chart::Box> onLine = chart::enthalpyLabelPlaces(m, cut, 20, 10);
  EXPECT_EQ(onLine.size() + 4, chart::enthalpyLabelPlaces(m, {{20, 50}, {25, 40}}, 20, 10).size());
  EXPECT_DOUBLE_EQ(centre(onLine.front()).x, m.toPixel(cut.back()).x);
}

// An ε line's label sits over the line, 40 to the end from its point both ways; in millimetres
// (unit 0.25) the same places come a quarter as far out.
TEST(LabelPlaces, EpsilonLabelAlongTheLineBothWays) {
  const chart::Mapping m{{0, 100, 0, 100}, {0, 0, 100, 100}};
  const chart::Polyline part{{0, 50}, {100, 50}};  // level, through (50, 50)
  for (const double unit : {1.0, 0.25}) {
    const std::vector<chart::Box> boxes = chart::epsilonLabelPlaces(m, {50, 50}, part, 10, 6, unit);
    ASSERT_FALSE(boxes.empty());
    EXPECT_DOUBLE_EQ(centre(boxes.front()).x, 50 - 40 * unit);
    bool right = false;
    for (const chart::Box& b : boxes) {
      EXPECT_DOUBLE_EQ(b.bottom(), 50 - 2 * unit);
      EXPECT_GE(std::abs(centre(b).x - 50), 40 * unit - 1e-9);
      right = right || centre(b).x > 50;
    }
    EXPECT_TRUE(right);
  }
}

TEST(LabelPlaces, InsideAPolygonByTheEvenOddRule) {
  const std::vector<chart::Pixel> notched{{0, 0}, {10, 0}, {10, 10}, {6, 10},
                                          {6, 4}, {4, 4},  {4, 10},  {0, 10}};
  struct Row {
    const char* name;
    chart::Pixel p;
    bool inside;
  };
  const Row rows[] = {{"Middle", {2, 5}, true},        {"InTheNotch", {5, 7}, false},
                      {"BelowTheNotch", {5, 2}, true}, {"LeftEdge", {0, 5}, true},
                      {"RightEdge", {10, 5}, false},   {"Beyond", {11, 5}, false}};
  for (const Row& r : rows) EXPECT_EQ(chart::insidePolygon(notched, r.p), r.inside) << r.name;
}

// A zone's name goes wholly inside its region where it fits, nearest the middle; in an L-shaped
// region the middle of the bounds is outside, and the place found is still inside.
TEST(LabelPlaces, RegionLabelInsideTheRegion) {
  const std::vector<chart::Pixel> ell{{0, 0}, {20, 0}, {20, 80}, {100, 80}, {100, 100}, {0, 100}};
  const std::vector<chart::Box> places = chart::regionLabelPlaces({ell}, 16, 8);
  ASSERT_FALSE(places.empty());
  for (const chart::Pixel c : {chart::Pixel{places[0].left, places[0].top},
                               chart::Pixel{places[0].right(), places[0].bottom()}})
    EXPECT_TRUE(chart::insidePolygon(ell, c));
  EXPECT_TRUE(chart::regionLabelPlaces({}, 16, 8).empty());
}

// The protractor fits the plot's lower right corner, clear of its edges, or is left out.
TEST(LabelPlaces, ProtractorInTheCorner) {
  const chart::PlotArea plot{50, 40, 700, 500};
  const auto place = chart::protractorPlace(plot, 16, 40);
  ASSERT_TRUE(place);
  EXPECT_DOUBLE_EQ(place->radius, 70);
  const chart::Box covered = chart::protractorArea(*place, 40, 16);
  EXPECT_LE(covered.right(), plot.right());
  EXPECT_LE(covered.bottom(), plot.bottom());
  EXPECT_FALSE(chart::protractorPlace({0, 0, 100, 80}, 16, 40));
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "calc/messages.h"
#include "calc/number_text.h"
#include "calc/outputs.h"
#include "calc/pair_calculation.h"
#include "psychro/air_state.h"
#include "support/named_rows.h"

namespace {

using testsupport::PrintTo;

using calc::Pair;
using psychro::Outcome;
using Q = psychro::Quantity;

// The result box that shows each quantity, in the order of psychro::Quantity.
constexpr std::size_t boxOf[] = {0, 2, 1, 4, 6, 3};  // t, tw, rh, tl, d, h

struct PairRow {
  const char* name;
  Pair pair;
};

class PairRoundTrip : public testing::TestWithParam<PairRow> {};

struct Source {
  calc::Calculation shown;
  double t;
  bool fromHumidity;  // the relative-humidity route's, whose wet bulb settles to 0.01 ℃
};

// The states fed back: the wet-bulb route's (every box exact), and a grid of the relative-humidity
// route's from -45 to 60 ℃ and 5 to 100 %, saturated air and 0 ℃ among them.
std::vector<Source> sourceStates(double pa) {
  std::vector<Source> states;
  for (double t : {-20.0, 0.5, 17.3, 25.0, 35.0, 60.0})
    for (double depression : {0.4, 3.0, 9.0}) {
      calc::Calculation c = calc::calculate({Q::t, Q::tw}, t, t - depression, pa);
      if (c.ok()) states.push_back({std::move(c), t, false});  // else too dry at this dry bulb
    }
  for (double t : {-45.0, -30.0, -10.0, -0.5, 0.0, 10.0, 20.0, 25.0, 28.0, 32.5, 45.0, 60.0})
    for (double rh : {5.0, 30.0, 50.0, 80.0, 95.0, 100.0})
      states.push_back({calc::calculate({Q::t, Q::rh}, t, rh, pa), t, true});
  return states;
}

// Any state the window shows, given back by two of its shown values, is found (none refused) and
// comes back with those two exactly as shown, and every other box within one unit of its last
// digit beyond what the rounding of the two given texts allows (that allowance is measured by
// nudging each given value by half a unit of its box); the relative-humidity route's wet bulb also
// within its iteration's tolerance. Wet-bulb pairs take that route's states up to 28 ℃ only, where
// its wet bulb settles to 0.01 ℃. A state whose shown dew point equals its dry bulb below 100 %
// cannot be told by t and tl from saturated air, which they give; a moisture content shown as
// 0.00 g/kg gives nothing to find.
TEST_P(PairRoundTrip, ShownStatesComeBack) {
  const Pair pair = GetParam().pair;
  const std::size_t a = boxOf[static_cast<int>(pair.first)];
  const std::size_t b = boxOf[static_cast<int>(pair.second)];
  const bool wetBulbPair = pair.first == Q::tw || pair.second == Q::tw;
  const auto is = [&](Q x, Q y) {
    return (pair.first == x && pair.second == y) || (pair.first == y && pair.second == x);
  };
  for (double pa : {101325.0, 61640.0})
    for (const Source& s : sourceStates(pa)) {
      const calc::Calculation& source = s.shown;
      ASSERT_TRUE(source.ok()) << s.t << " ℃, " << source.texts[1]
                               << " %: " << calc::words(source.outcome);
      if (s.fromHumidity && wetBulbPair && s.t > 28) continue;
      if (is(Q::t, Q::tl) && source.texts[4] == source.texts[0] && source.texts[1] != "100.0")
        continue;
      if ((pair.first == Q::d || pair.second == Q::d) && source.texts[6] == "0.00") continue;
      const double va = calc::numericValue(source.texts[a]);
      const double vb = calc::numericValue(source.texts[b]);
      const calc::Calculation back = calc::calculate(pair, va, vb, pa);
      const std::string where = std::to_string(s.t) + " ℃, φ " + source.texts[1] + " %, tw " +
                                source.texts[2] + " ℃, " + std::to_string(pa) + " Pa";
      ASSERT_TRUE(back.ok()) << where << ": " << calc::words(back.outcome);
      EXPECT_EQ(back.texts[a], source.texts[a]) << where;
      EXPECT_EQ(back.texts[b], source.texts[b]) << where;

      // How far half a unit of either given text, either way, moves a box.
      const double ua = std::pow(10.0, -calc::outputs[a].decimals) / 2;
      const double ub = std::pow(10.0, -calc::outputs[b].decimals) / 2;
      const calc::Calculation nudged[] = {
          calc::calculate(pair, va - ua, vb, pa), calc::calculate(pair, va + ua, vb, pa),
          calc::calculate(pair, va, vb - ub, pa), calc::calculate(pair, va, vb + ub, pa)};
      for (std::size_t i = 0; i < calc::outputs.size(); ++i) {
        const auto value = [i](const calc::Calculation& c) {
          return calc::numericValue(c.texts[i]);
        };
        double allowed = std::pow(10.0, -calc::outputs[i].decimals) * 1.001;
        // A source's wet bulb off by up to 0.01 ℃ moves what a wet-bulb pair finds by up to two
        // nudges of half a unit.
        const double nudges = s.fromHumidity && wetBulbPair ? 3 : 1;
        for (int n = 0; n < 4; n += 2) {
          double moved = 0;
          for (const calc::Calculation& c : {nudged[n], nudged[n + 1]})
            if (c.ok()) moved = std::max(moved, std::abs(value(c) - value(back)));
          allowed += nudges * moved;
        }
        // The relative-humidity route's wet bulb settles to 0.01 ℃ up to 28 ℃; above, its
        // vapour-pressure scheme stops at a 1 % step of p, about 0.2 ℃ at 35–60 ℃ (at 28 ℃ a state
        // found a hair warmer takes that scheme).
        if (i == 2 && !wetBulbPair) allowed += s.t < 28 ? 0.01 : 0.25;
        EXPECT_LE(std::abs(value(back) - value(source)), allowed)
            << where << ", box " << calc::outputs[i].objectName;
      }
    }
}

// A dew point equal to the dry bulb is saturated air, at every whole degree the calculator takes.
TEST(PairDewPointAtDryBulb, IsSaturatedAir) {
  for (int t = -50; t <= 99; ++t) {  // at 100 ℃ saturation exceeds the standard atmosphere
    const calc::Calculation c = calc::calculate({Q::t, Q::tl}, t, t, 101325);
    ASSERT_TRUE(c.ok()) << t << " ℃: " << calc::words(c.outcome);
    EXPECT_EQ(c.texts[1], "100.0") << t << " ℃";
  }
}

// Saturated air at -50 ℃, the coldest the calculator takes, given back by its shown d or h and φ:
// their rounding puts the solve a hair below -50 ℃, still within the texts of that state.
TEST(PairSaturatedAtTheColdEnd, IsFound) {
  for (double pa : {101325.0, 30000.0}) {
    const calc::Calculation source = calc::calculate({Q::t, Q::rh}, -50, 100, pa);
    for (const Pair pair : {Pair{Q::d, Q::rh}, Pair{Q::h, Q::rh}}) {
      const std::size_t a = boxOf[static_cast<int>(pair.first)];
      const calc::Calculation back =
          calc::calculate(pair, calc::numericValue(source.texts[a]), 100, pa);
      ASSERT_TRUE(back.ok()) << pa << " Pa: " << calc::words(back.outcome);
      EXPECT_EQ(back.texts[a], source.texts[a]) << pa << " Pa";
      EXPECT_EQ(back.texts[1], "100.0") << pa << " Pa";
    }
  }
}

// Saturated air at a dry bulb typed finer than its box shows, given back by its shown t and h: the
// shown t is up to half a unit off, which puts the shown h beyond saturation there; the state is
// the saturated air within both texts, not one at an end of them, where h would be a hair outside.
TEST(PairSaturatedByShownEnthalpy, IsFoundWithBothTexts) {
  for (double pa : {101325.0, 61640.0})
    for (double t = -40; t < 60; t += 0.137) {
      const calc::Calculation source = calc::calculate({Q::t, Q::rh}, t, 100, pa);
      ASSERT_TRUE(source.ok()) << t;
      const calc::Calculation back =
          calc::calculate({Q::t, Q::h}, calc::numericValue(source.texts[0]),
                          calc::numericValue(source.texts[3]), pa);
      ASSERT_TRUE(back.ok()) << t << " ℃, " << pa << " Pa: " << calc::words(back.outcome);
      EXPECT_EQ(back.texts[0], source.texts[0]) << t << " ℃, " << pa << " Pa";
      EXPECT_EQ(back.texts[3], source.texts[3]) << t << " ℃, " << pa << " Pa";
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryPair, PairRoundTrip,
    testing::Values(
        PairRow{"DryAndWetBulb", {Q::t, Q::tw}}, PairRow{"DryBulbAndRh", {Q::t, Q::rh}},
        PairRow{"DryBulbAndDewPoint", {Q::t, Q::tl}}, PairRow{"DryBulbAndMoisture", {Q::t, Q::d}},
        PairRow{"DryBulbAndEnthalpy", {Q::t, Q::h}}, PairRow{"EnthalpyAndRh", {Q::h, Q::rh}},
        PairRow{"EnthalpyAndMoisture", {Q::h, Q::d}}, PairRow{"EnthalpyAndDewPoint", {Q::h, Q::tl}},
        PairRow{"MoistureAndRh", {Q::d, Q::rh}}, PairRow{"DewPointAndRh", {Q::tl, Q::rh}},
        PairRow{"WetBulbAndRh", {Q::tw, Q::rh}}, PairRow{"WetBulbAndDewPoint", {Q::tw, Q::tl}},
        PairRow{"WetBulbAndMoisture", {Q::tw, Q::d}}, PairRow{"ReversedOrder", {Q::rh, Q::h}}),
    [](const auto& row) { return row.param.name; });

struct RefusalRow {
  const char* name;
  const char* pair;  // as typed, or a pair that parses
  double first, second;
  psychro::Outcome outcome;  // ok: the pair name itself is refused
};

class PairRefusals : public testing::TestWithParam<RefusalRow> {};

TEST_P(PairRefusals, EndInExactlyOneMessage) {
  const RefusalRow& row = GetParam();
  std::string error;
  const std::optional<Pair> pair = calc::pairNamed(row.pair, error);
  if (row.outcome == Outcome::ok) {
    EXPECT_FALSE(pair.has_value());
    EXPECT_FALSE(error.empty());
    return;
  }
  ASSERT_TRUE(pair.has_value()) << error;
  const calc::Calculation c = calc::calculate(*pair, row.first, row.second, 101325);
  EXPECT_EQ(c.outcome, row.outcome) << calc::words(c.outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PairRefusals,
    testing::Values(RefusalRow{"DewPointAndMoisture", "tl+d", 10, 7, Outcome::ok},
                    RefusalRow{"WetBulbAndEnthalpy", "h+tw", 50, 18, Outcome::ok},
                    RefusalRow{"NamedTwice", "t+T", 25, 25, Outcome::ok},
                    RefusalRow{"UnknownName", "t+x", 25, 5, Outcome::ok},
                    RefusalRow{"NoPlus", "trh", 25, 5, Outcome::ok},
                    RefusalRow{"DryBulbRange", "t+d", 120, 5, Outcome::dryBulbRange},
                    RefusalRow{"HumidityRange", " H + RH ", 50, 0, Outcome::humidityRange},
                    RefusalRow{"HumidityAbove100", "d+rh", 5, 100.5, Outcome::humidityRange},
                    RefusalRow{"WetAboveDry", "tw+t", 26, 25, Outcome::wetAboveDry},
                    RefusalRow{"Supersaturated", "t+d", 20, 30, Outcome::noSuchState},
                    RefusalRow{"NegativeMoisture", "h+d", 20, -1, Outcome::noSuchState},
                    RefusalRow{"NoMoistureAtAll", "t+d", 20, 0, Outcome::outOfBounds},
                    RefusalRow{"DewPointBelowTheFit", "t+tl", 20, -80, Outcome::outOfBounds},
                    RefusalRow{"DewPointAboveDryBulb", "t+tl", 20, 25, Outcome::noSuchState},
                    RefusalRow{"EnthalpyBeyondRange", "h+rh", 5000, 50, Outcome::pairOutOfRange},
                    RefusalRow{"WetBulbTooWarm", "tw+rh", 120, 50, Outcome::pairOutOfRange},
                    RefusalRow{"MoistureBeyondRange", "d+rh", 2000, 1, Outcome::pairOutOfRange},
                    RefusalRow{"NotANumber", "h+d", NAN, 5, Outcome::pairOutOfRange},
                    RefusalRow{"InfiniteWetBulb", "tw+d", -INFINITY, 5, Outcome::noSuchState}),
    [](const auto& row) { return row.param.name; });

}  // namespace

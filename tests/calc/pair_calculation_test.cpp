#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "../support/named_rows.h"
#include "calc/number_text.h"
#include "calc/outputs.h"
#include "calc/pair_calculation.h"
#include "psychro/air_state.h"

namespace {

using testsupport::PrintTo;

using calc::Pair;
using Q = psychro::Quantity;

// The result box that shows each quantity, in the order of psychro::Quantity.
constexpr std::size_t boxOf[] = {0, 2, 1, 4, 6, 3};  // t, tw, rh, tl, d, h

struct PairRow {
  const char* name;
  Pair pair;
};

class PairRoundTrip : public testing::TestWithParam<PairRow> {};

// Any state the window shows, given back by two of its shown values, comes back with those two
// exactly as shown, and every other box within one unit of its last digit beyond what the rounding
// of the two given texts allows (that allowance is measured by nudging each given value by half a
// unit of its box); the relative-humidity route's wet bulb also within its iteration's tolerance.
// The states are the wet-bulb route's, whose every box is exact.
TEST_P(PairRoundTrip, GivenValuesComeBackExactly) {
  const Pair pair = GetParam().pair;
  const std::size_t a = boxOf[static_cast<int>(pair.first)];
  const std::size_t b = boxOf[static_cast<int>(pair.second)];
  for (double pa : {101325.0, 81000.0, 61640.0})
    for (double t : {-20.0, 0.5, 17.3, 25.0, 35.0, 60.0})
      for (double depression : {0.4, 3.0, 9.0}) {
        const calc::Calculation source = calc::calculate({Q::t, Q::tw}, t, t - depression, pa);
        if (!source.ok()) continue;  // too dry to exist at this dry bulb
        const double va = calc::numericValue(source.texts[a]);
        const double vb = calc::numericValue(source.texts[b]);
        const calc::Calculation back = calc::calculate(pair, va, vb, pa);
        const std::string where =
            std::to_string(t) + " ℃, tw " + source.texts[2] + " ℃, " + std::to_string(pa) + " Pa";
        ASSERT_TRUE(back.ok()) << where << ": " << back.message;
        EXPECT_EQ(back.texts[a], source.texts[a]) << where;
        EXPECT_EQ(back.texts[b], source.texts[b]) << where;

        const double ua = std::pow(10.0, -calc::outputs[a].decimals) / 2;
        const double ub = std::pow(10.0, -calc::outputs[b].decimals) / 2;
        const calc::Calculation nudgedA = calc::calculate(pair, va + ua, vb, pa);
        const calc::Calculation nudgedB = calc::calculate(pair, va, vb + ub, pa);
        for (std::size_t i = 0; i < calc::outputs.size(); ++i) {
          const auto value = [i](const calc::Calculation& c) {
            return calc::numericValue(c.texts[i]);
          };
          double allowed = std::pow(10.0, -calc::outputs[i].decimals) * 1.001;
          if (nudgedA.ok()) allowed += std::abs(value(nudgedA) - value(back));
          if (nudgedB.ok()) allowed += std::abs(value(nudgedB) - value(back));
          // The relative-humidity route's wet bulb settles to 0.01 ℃ up to 28 ℃; above, its
          // vapour-pressure scheme stops at a 1 % step of p, about 0.2 ℃ at 35–60 ℃.
          if (i == 2 && pair.first != Q::tw) allowed += t <= 28 ? 0.01 : 0.25;
          EXPECT_LE(std::abs(value(back) - value(source)), allowed)
              << where << ", box " << calc::outputs[i].objectName;
        }
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
    [](const auto& info) { return info.param.name; });

struct RefusalRow {
  const char* name;
  const char* pair;  // as typed, or a pair that parses
  double first, second;
  std::string_view message;  // empty: the pair name itself is refused
};

class PairRefusals : public testing::TestWithParam<RefusalRow> {};

TEST_P(PairRefusals, EndInExactlyOneMessage) {
  const RefusalRow& row = GetParam();
  std::string error;
  const std::optional<Pair> pair = calc::pairNamed(row.pair, error);
  if (row.message.empty()) {
    EXPECT_FALSE(pair.has_value());
    EXPECT_FALSE(error.empty());
    return;
  }
  ASSERT_TRUE(pair.has_value()) << error;
  const calc::Calculation c = calc::calculate(*pair, row.first, row.second, 101325);
  EXPECT_EQ(c.message, row.message) << c.message;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PairRefusals,
    testing::Values(RefusalRow{"DewPointAndMoisture", "tl+d", 10, 7, ""},
                    RefusalRow{"WetBulbAndEnthalpy", "h+tw", 50, 18, ""},
                    RefusalRow{"NamedTwice", "t+T", 25, 25, ""},
                    RefusalRow{"UnknownName", "t+x", 25, 5, ""},
                    RefusalRow{"NoPlus", "trh", 25, 5, ""},
                    RefusalRow{"DryBulbRange", "t+d", 120, 5, psychro::dryBulbRange},
                    RefusalRow{"HumidityRange", " H + RH ", 50, 0, psychro::humidityRange},
                    RefusalRow{"HumidityAbove100", "d+rh", 5, 100.5, psychro::humidityRange},
                    RefusalRow{"WetAboveDry", "tw+t", 26, 25, psychro::wetAboveDry},
                    RefusalRow{"Supersaturated", "t+d", 20, 30, psychro::noSuchState},
                    RefusalRow{"NegativeMoisture", "h+d", 20, -1, psychro::noSuchState},
                    RefusalRow{"NoMoistureAtAll", "t+d", 20, 0, psychro::outOfBounds},
                    RefusalRow{"DewPointBelowTheFit", "t+tl", 20, -80, psychro::outOfBounds},
                    RefusalRow{"DewPointAboveDryBulb", "t+tl", 20, 25, psychro::noSuchState},
                    RefusalRow{"EnthalpyBeyondRange", "h+rh", 5000, 50, psychro::pairOutOfRange},
                    RefusalRow{"WetBulbTooWarm", "tw+rh", 120, 50, psychro::pairOutOfRange},
                    RefusalRow{"MoistureBeyondRange", "d+rh", 2000, 1, psychro::pairOutOfRange},
                    RefusalRow{"NotANumber", "h+d", NAN, 5, psychro::pairOutOfRange},
                    RefusalRow{"InfiniteWetBulb", "tw+d", -INFINITY, 5, psychro::noSuchState}),
    [](const auto& info) { return info.param.name; });

}  // namespace

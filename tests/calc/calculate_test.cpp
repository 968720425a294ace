#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "calc/calculate.h"
#include "calc/messages.h"
#include "calc/number_text.h"
#include "calc/outputs.h"
#include "psychro/air_properties.h"
#include "psychro/air_state.h"
#include "support/named_rows.h"
#include "support/recording_window.h"

namespace {

using testsupport::PrintTo;

using calc::Output;
using psychro::Outcome;
namespace messages = calc::messages;

constexpr std::optional<calc::Route> wetBulb = calc::Route::wetBulb;
constexpr std::optional<calc::Route> humidity = calc::Route::humidity;
constexpr std::optional<calc::Route> none = std::nullopt;  // nothing selected

// The second selector's entries are the routes in order; no other index is a route.
TEST(Route, IndexOfTheSecondSelector) {
  const std::pair<int, std::optional<calc::Route>> rows[] = {
      {0, wetBulb}, {1, humidity}, {-1, none}, {2, none}};
  for (const auto& [index, route] : rows) EXPECT_EQ(calc::routeAt(index), route) << index;
}

struct MessageRow {
  const char* name;
  const char* t;
  const char* x;
  std::optional<calc::Route> route;
  psychro::Outcome outcome;
};

class CommandMessages : public testing::TestWithParam<MessageRow> {};

// Each failing input shows exactly one notice, titled, and leaves every result box as it was.
TEST_P(CommandMessages, ShowsOneNoticeAndWritesNothing) {
  const MessageRow& row = GetParam();
  RecordingWindow w(row.t, row.x, row.route);
  calc::calculateCommand(w);
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0].first, messages::title);
  EXPECT_EQ(w.messages[0].second, calc::words(row.outcome));
  EXPECT_EQ(w.writes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CommandMessages,
    testing::Values(
        MessageRow{"EmptyDryBulb", "", "20", wetBulb, Outcome::missingInput},
        MessageRow{"EmptySecond", "25", "", humidity, Outcome::missingInput},
        MessageRow{"NothingSelected", "25", "20", none, Outcome::missingInput},
        MessageRow{"EmptyBeatsRange", "", "500", humidity, Outcome::missingInput},
        MessageRow{"DryBulbBelowRange", "-50.01", "-60", wetBulb, Outcome::dryBulbRange},
        MessageRow{"DryBulbAboveRange", "100.01", "20", wetBulb, Outcome::dryBulbRange},
        MessageRow{"DryBulbOverflowing", "1e999", "20", wetBulb, Outcome::dryBulbRange},
        MessageRow{"DryBulbRangeBeforeWetBulb", "150", "200", wetBulb, Outcome::dryBulbRange},
        MessageRow{"WetBulbAboveDryBulb", "25", "25.01", wetBulb, Outcome::wetAboveDry},
        MessageRow{"BlankReadsZeroAndIsPresent", " ", "20", wetBulb, Outcome::wetAboveDry},
        MessageRow{"TooDryState", "10", "-5", wetBulb, Outcome::noSuchState},
        MessageRow{"OverflowingWetBulb", "25", "-1e308", wetBulb, Outcome::noSuchState},
        MessageRow{"InfiniteWetBulb", "25", "-1e999", wetBulb, Outcome::noSuchState},
        MessageRow{"BoilingSaturated", "100", "100", wetBulb, Outcome::noSuchState},
        MessageRow{"HumidityZero", "25", "0", humidity, Outcome::humidityRange},
        MessageRow{"HumidityNegative", "25", "-10", humidity, Outcome::humidityRange},
        MessageRow{"HumidityAbove100", "25", "100.01", humidity, Outcome::humidityRange},
        MessageRow{"HumidityText", "25", "abc", humidity, Outcome::humidityRange},
        MessageRow{"HumidityBeforeDryBulb", "150", "0", humidity, Outcome::humidityRange},
        MessageRow{"DryBulbAfterHumidity", "150", "50", humidity, Outcome::dryBulbRange},
        MessageRow{"VapourAboveTotalPressure", "99.99", "100", humidity, Outcome::noSuchState},
        // Drier than the dew-point fit reaches (about 0.003 Pa): the air exists, its dew point
        // cannot be placed (it used to show 16.97 ℃ here).
        MessageRow{"DewPointBeyondItsFitOnRh", "-50", "0.0000001", humidity, Outcome::outOfBounds},
        MessageRow{"DewPointBeyondItsFitOnWetBulb", "-50", "-50.06286", wetBulb,
                   Outcome::outOfBounds}),
    [](const auto& row) { return row.param.name; });

struct ResultRow {
  const char* name;
  const char* t;
  const char* x;
  std::optional<calc::Route> route;
  std::map<Output, std::string> expected;  // the boxes this row checks
  double pa = psychro::standardPressure;   // total pressure, Pa
};

class CommandResults : public testing::TestWithParam<ResultRow> {};

TEST_P(CommandResults, WritesAllElevenBoxes) {
  const ResultRow& row = GetParam();
  RecordingWindow w(row.t, row.x, row.route);
  calc::calculateCommand(w, nullptr, row.pa);
  EXPECT_TRUE(w.messages.empty());
  EXPECT_EQ(w.results.size(), 11u);
  for (const auto& [field, text] : row.expected)
    EXPECT_EQ(w.results[field], text) << calc::info(field).objectName;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CommandResults,
    testing::Values(
        ResultRow{"WetBulbWorkedExample",
                  "25",
                  "20",
                  wetBulb,
                  {{Output::dryBulb, "25.00"},
                   {Output::humidity, "63.5"},
                   {Output::wetBulb, "20.00"},
                   {Output::enthalpy, "57.2616"},
                   {Output::dewPoint, "17.63"},
                   {Output::density, "1.1737"},
                   {Output::moisture, "12.61"},
                   {Output::specificHeat, "1015.400"},
                   {Output::viscosity, "18.3597"},
                   {Output::conductivity, "0.0260"},
                   {Output::prandtl, "0.72"}}},
        ResultRow{"HumidityWorkedExample",
                  "25",
                  "50",
                  humidity,
                  {{Output::dryBulb, "25.00"},
                   {Output::humidity, "50.0"},
                   {Output::wetBulb, "17.87"},
                   {Output::enthalpy, "50.3106"},
                   {Output::dewPoint, "13.89"},
                   {Output::density, "1.1756"},
                   {Output::moisture, "9.88"}}},
        ResultRow{"HumidityAbove28",
                  "30",
                  "50",
                  humidity,
                  {{Output::wetBulb, "22.12"}, {Output::moisture, "13.31"}}},
        ResultRow{
            "SaturatedWetBulbEqualsDryBulb", "20", "20", wetBulb, {{Output::humidity, "100.0"}}},
        ResultRow{"LowestDryBulb", "-50", "-50", wetBulb, {{Output::dryBulb, "-50.00"}}},
        ResultRow{"HighestDryBulb", "100", "50", wetBulb, {{Output::dryBulb, "100.00"}}},
        ResultRow{"HumidityAtLowestDryBulb", "-50", "50", humidity, {{Output::dryBulb, "-50.00"}}},
        ResultRow{"HumidityAtHighestDryBulb", "100", "50", humidity, {{Output::humidity, "50.0"}}},
        ResultRow{"FullHumidity", "25", "100", humidity, {{Output::humidity, "100.0"}}},
        ResultRow{"TwoCycleSummerDay", "27", "90", humidity, {{Output::wetBulb, "25.67"}}},
        ResultRow{"RoundingAsTyped",
                  "2.675",
                  "1.005",
                  wetBulb,
                  {{Output::dryBulb, "2.68"}, {Output::wetBulb, "1.01"}}},
        ResultRow{"FullWidthInput",
                  "２５",
                  "２０",
                  wetBulb,
                  {{Output::dryBulb, "25.00"}, {Output::moisture, "12.61"}}},
        ResultRow{"TrailingText", "25℃", "50%", humidity, {{Output::moisture, "9.88"}}},
        // The input method's full stop is a decimal point.
        ResultRow{"IdeographicFullStop",
                  "25。5",
                  "２０。５",
                  wetBulb,
                  {{Output::dryBulb, "25.50"}, {Output::wetBulb, "20.50"}}},
        ResultRow{"FullStopFirst", "。5", "0", wetBulb, {{Output::dryBulb, "0.50"}}},
        // The dew-point fit overshoots near saturation; the dew point never shows above t.
        ResultRow{
            "SaturatedDewPointAtDryBulb", "10", "100", humidity, {{Output::dewPoint, "10.00"}}},
        ResultRow{"SaturatedIceDewPoint", "-20", "-20", wetBulb, {{Output::dewPoint, "-20.00"}}},
        // 25 ℃, 50 % at site pressures: d = 0.622·pv/(pa − pv), worked by hand.
        ResultRow{"Kunming81kPa",
                  "25",
                  "50",
                  humidity,
                  {{Output::moisture, "12.41"},
                   {Output::enthalpy, "56.7500"},
                   {Output::density, "0.9384"}},
                  81000},
        ResultRow{"Lhasa65kPa",
                  "25",
                  "50",
                  humidity,
                  {{Output::moisture, "15.54"},
                   {Output::enthalpy, "64.7229"},
                   {Output::density, "0.7517"}},
                  65000},
        ResultRow{"LowestPressure", "25", "50", humidity, {{Output::moisture, "34.69"}}, 30000},
        ResultRow{"HighestPressure", "25", "50", humidity, {{Output::moisture, "9.09"}}, 110000}),
    [](const auto& row) { return row.param.name; });

// Property step alone: t = 20 °C, d = 0.01 kg/kg.
TEST(Properties, WorkedExample) {
  const double cp = psychro::specificHeat(0.01), μ = psychro::viscosity(20),
               λ = psychro::conductivity(20);
  EXPECT_EQ(calc::formatFixed(cp * 1000, 3), "1013.267");
  EXPECT_EQ(calc::formatFixed(μ * 1000000, 4), "18.1436");
  EXPECT_EQ(calc::formatFixed(λ, 4), "0.0256");
  EXPECT_EQ(calc::formatFixed(1000 * cp * μ / λ, 2), "0.72");
  EXPECT_NEAR(1000 * cp * μ / λ, 0.71684, 5e-6);
}

TEST(Command, FailureKeepsThePreviousResults) {
  RecordingWindow w("25", "20", wetBulb);
  calc::calculateCommand(w);
  const auto before = w.results;
  const int writes = w.writes;
  w.t = "10";
  w.x = "-5";
  calc::calculateCommand(w);
  EXPECT_EQ(w.results, before);
  EXPECT_EQ(w.writes, writes);
}

// Over the whole accepted input range, including the edges of every branch, a press either writes
// eleven numbers or shows one notice: never an empty, infinite or NaN text.
TEST(Command, NeverShowsANonNumber) {
  const char* dry[] = {"-50", "-49.99", "-20", "-0.001", "0",    "0.001", "12",    "27.9",
                       "28",  "28.01",  "45",  "80",     "99.9", "99.97", "99.99", "100"};
  const char* second[] = {"-1e308", "-200", "-100", "-60", "-10", "0",    "0.001",  "1",
                          "10",     "25",   "50",   "75",  "90",  "99.5", "99.999", "100"};
  for (const std::optional<calc::Route> route : {wetBulb, humidity})
    for (const char* t : dry)
      for (const char* x : second) {
        RecordingWindow w(t, x, route);
        calc::calculateCommand(w);
        if (!w.messages.empty()) {
          EXPECT_EQ(w.messages.size(), 1u);
          EXPECT_EQ(w.writes, 0);
          continue;
        }
        ASSERT_EQ(w.results.size(), 11u)
            << t << ' ' << x << ' ' << (route == humidity ? "rh" : "tw");
        for (const auto& [field, text] : w.results) {
          const double v = calc::numericValue(text);
          EXPECT_TRUE(!text.empty() && std::isfinite(v)) << t << ' ' << x << ' ' << text;
          EXPECT_EQ(text.find_first_not_of("-0123456789."), std::string::npos) << text;
        }
      }
}

}  // namespace

namespace {

struct CountingObserver : calc::StateObserver {
  int calls = 0;
  psychro::AirState last;
  void stateShown(const psychro::AirState& air) override {
    ++calls;
    last = air;
  }
};

// The chart follows the observer: it must hear of each shown state, and of no failed press.
TEST(Command, ObserverHearsOnlyShownStates) {
  CountingObserver seen;
  RecordingWindow w("25", "50", humidity);
  calc::calculateCommand(w, &seen);
  ASSERT_EQ(seen.calls, 1);
  EXPECT_EQ(calc::formatFixed(seen.last.d * 1000, 2), w.results[Output::moisture]);
  EXPECT_EQ(calc::formatFixed(seen.last.h, 4), w.results[Output::enthalpy]);
  for (const char* x : {"0", "abc", "150"}) {
    w.x = x;
    calc::calculateCommand(w, &seen);
  }
  w.t = "10";
  w.x = "-5";
  w.selectedRoute = wetBulb;
  calc::calculateCommand(w, &seen);
  EXPECT_EQ(seen.calls, 1);
}

}  // namespace

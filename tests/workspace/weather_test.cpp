// Comfort zones and the weather layer: which states a zone holds, how records are read or skipped,
// and the hours a made-up year puts in each zone.
#include "workspace/weather.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <fstream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calc/pair_calculation.h"
#include "document/words.h"
#include "support/epw_text.h"
#include "support/named_rows.h"
#include "workspace/zones.h"

namespace {

using testsupport::PrintTo;
using Q = psychro::Quantity;
using workspace::SkipReason;
using workspace::WeatherFault;
using workspace::WeatherRefusal;

// Zone indices in builtInZones().
enum { heatingI, heatingII, coolingI, coolingII, dataRecommended, dataA1 };

struct MembershipRow {
  const char* name;
  int zone;
  double pa;
  calc::Pair pair;
  double first, second;
  bool inside;
};

class ZoneMembership : public testing::TestWithParam<MembershipRow> {};

TEST_P(ZoneMembership, BoundsAreInclusiveOnTheStateAsComputed) {
  const MembershipRow& r = GetParam();
  const psychro::StateOutcome s = calc::pairState(r.pair, r.first, r.second, r.pa);
  ASSERT_TRUE(s.ok());
  EXPECT_EQ(workspace::holds(workspace::builtInZones()[static_cast<std::size_t>(r.zone)], s.air),
            r.inside);
}

constexpr calc::Pair tRh{Q::t, Q::rh}, tTl{Q::t, Q::tl}, tD{Q::t, Q::d};
INSTANTIATE_TEST_SUITE_P(
    Edges, ZoneMembership,
    testing::Values(
        MembershipRow{"HeatingIColdCorner", heatingI, 101325, tRh, 22, 30, true},
        MembershipRow{"HeatingIWarmCorner", heatingI, 101325, tRh, 24, 30, true},
        MembershipRow{"HeatingIJustCold", heatingI, 101325, tRh, 21.99, 50, false},
        MembershipRow{"HeatingIJustDry", heatingI, 101325, tRh, 23, 29.99, false},
        MembershipRow{"HeatingIINoHumidityBound", heatingII, 101325, tRh, 18, 1, true},
        MembershipRow{"CoolingIWettest", coolingI, 101325, tRh, 26, 60, true},
        MembershipRow{"CoolingIWettestAt80kPa", coolingI, 80000, tRh, 26, 60, true},
        MembershipRow{"CoolingIDriest", coolingI, 101325, tRh, 24, 40, true},
        MembershipRow{"CoolingIJustWet", coolingI, 101325, tRh, 25, 60.01, false},
        MembershipRow{"CoolingIIWettest", coolingII, 80000, tRh, 28, 70, true},
        // The same d is 60.4 % at the standard pressure, 47.7 % at 80 kPa.
        MembershipRow{"SameDTooWetAtSeaLevel", coolingI, 101325, tD, 25, 12, false},
        MembershipRow{"SameDInsideAt80kPa", coolingI, 80000, tD, 25, 12, true},
        MembershipRow{"RecommendedDewPointTop", dataRecommended, 101325, tTl, 27, 15, true},
        MembershipRow{"RecommendedDewPointTopAt80kPa", dataRecommended, 80000, tTl, 27, 15, true},
        MembershipRow{"RecommendedJustAbove", dataRecommended, 101325, tTl, 27, 15.01, false},
        MembershipRow{"RecommendedDewPointFloor", dataRecommended, 80000, tTl, 20, -9, true},
        MembershipRow{"RecommendedJustBelow", dataRecommended, 101325, tTl, 20, -9.01, false},
        MembershipRow{"RecommendedHumidityCap", dataRecommended, 101325, tRh, 18, 60, true},
        MembershipRow{"A1DewPointTop", dataA1, 80000, tTl, 32, 17, true},
        MembershipRow{"A1DewPointFloorAt80kPa", dataA1, 80000, tTl, 15, -12, true},
        MembershipRow{"A1DriestHumidity", dataA1, 101325, tRh, 32, 8, true},
        MembershipRow{"A1TooDry", dataA1, 101325, tRh, 32, 7.99, false}),
    [](const auto& row) { return std::string(row.param.name); });

struct RecordRow {
  const char* name;
  std::string line;
  std::optional<SkipReason> skip;
};

class Records : public testing::TestWithParam<RecordRow> {};

TEST_P(Records, BadRecordsAreKeptWithTheirReason) {
  const RecordRow& r = GetParam();
  const auto read = workspace::readEpw(testsupport::epwHeader() + r.line);
  const auto& file = std::get<workspace::WeatherFile>(read);
  ASSERT_EQ(file.records.size(), 1u);
  const workspace::WeatherStates states = workspace::weatherStates(file, 101325);
  const std::optional<SkipReason> skipped = file.records[0].skip ? file.records[0].skip
                                            : states.hours.empty()
                                                ? std::optional(SkipReason::noState)
                                                : std::nullopt;
  EXPECT_EQ(skipped, r.skip);
  EXPECT_EQ(states.hours.size() + states.skipped.total(), 1u);
}

using testsupport::epwRecord;
INSTANTIATE_TEST_SUITE_P(
    Table, Records,
    testing::Values(
        RecordRow{"Good", epwRecord(7, 1, 1, "30.5", "22.1"), std::nullopt},
        RecordRow{"Saturated", epwRecord(1, 1, 1, "-3", "-3"), std::nullopt},
        RecordRow{"SevenFields", "2026,1,1,1,60,flags,20\r\n", SkipReason::missingField},
        RecordRow{"EmptyDewPoint", epwRecord(1, 1, 1, "20", ""), SkipReason::missingField},
        RecordRow{"TextHour", "2026,1,1,x,60,f,20,10\n", SkipReason::missingField},
        RecordRow{"DryBulbMarker", epwRecord(1, 1, 1, "99.9", "10"), SkipReason::missingValue},
        RecordRow{"DewPointMarker", epwRecord(1, 1, 1, "20", "999"), SkipReason::missingValue},
        RecordRow{"Month13", epwRecord(13, 1, 1, "20", "10"), SkipReason::outOfRange},
        RecordRow{"Hour0", epwRecord(1, 1, 0, "20", "10"), SkipReason::outOfRange},
        RecordRow{"TooCold", epwRecord(1, 1, 1, "-51", "-60"), SkipReason::outOfRange},
        RecordRow{"February29", epwRecord(2, 29, 1, "20", "10"), std::nullopt},
        RecordRow{"February30", epwRecord(2, 30, 1, "20", "10"), SkipReason::outOfRange},
        RecordRow{"April31", epwRecord(4, 31, 1, "20", "10"), SkipReason::outOfRange},
        RecordRow{"HalfDay", "2026,1,1.5,1,60,f,20,10\n", SkipReason::outOfRange},
        RecordRow{"HalfHour", "2026,1,1,1.5,60,f,20,10\n", SkipReason::outOfRange},
        RecordRow{"DewAboveDry", epwRecord(1, 1, 1, "20", "20.1"), SkipReason::dewAboveDry},
        // The last record with no line end: cut short unless it has all 35 fields.
        RecordRow{"CutInDewPoint", "2026,1,1,1,60,f,15.4,7", SkipReason::missingField},
        RecordRow{"CutAfterDewPoint", "2026,1,1,1,60,f,15.4,7.5,50", SkipReason::missingField},
        RecordRow{"WholeWithoutLineEnd", "2026,1,1,1,60,f,15.4,7.5" + std::string(27, ','),
                  std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Records, SkipReportCountsByReasonInOrder) {
  std::string text = testsupport::epwHeader();
  for (const char* t : {"99.9", "20", "99.9", "21"}) text += epwRecord(1, 1, 1, t, "25");
  text += "\r\n" + epwRecord(1, 1, 2, "20", "10");  // a blank line is no record
  const auto file = std::get<workspace::WeatherFile>(workspace::readEpw(text));
  const workspace::WeatherStates states = workspace::weatherStates(file, 101325);
  EXPECT_EQ(states.hours.size(), 1u);
  EXPECT_EQ(states.skipped.of(SkipReason::missingValue), 2u);
  EXPECT_EQ(states.skipped.of(SkipReason::dewAboveDry), 2u);
  EXPECT_EQ(states.skipped.total(), 4u);
}

// Lines end in LF, CRLF or CR alike: the header's 8 lines, then each record.
TEST(Records, AnyLineEnd) {
  const std::string crlf = testsupport::epwHeader() + epwRecord(1, 1, 1, "20", "10");
  for (const char* end : {"\n", "\r\n", "\r"}) {
    SCOPED_TRACE(testing::PrintToString(end));
    std::string text;
    for (std::size_t i = 0; i < crlf.size(); ++i)
      text += crlf.compare(i, 2, "\r\n") == 0 ? (++i, std::string(end)) : std::string(1, crlf[i]);
    const auto read = workspace::readEpw(text);
    ASSERT_TRUE(std::holds_alternative<workspace::WeatherFile>(read))
        << document::words(std::get<WeatherRefusal>(read));
    EXPECT_EQ(std::get<workspace::WeatherFile>(read).records.size(), 1u);
    EXPECT_FALSE(std::get<workspace::WeatherFile>(read).records[0].skip);
  }
}

struct RefusalRow {
  const char* name;
  std::string text;
  WeatherFault why;
  // Instead of text, this many spaces, made when the row runs: gtest copies every row several
  // times while it registers the tests of each run, so a text this long would slow every start.
  std::size_t spaces = 0;
};
class Refusals : public testing::TestWithParam<RefusalRow> {};

TEST_P(Refusals, FilesThatAreNoWeatherFileAreRefused) {
  const std::size_t spaces = GetParam().spaces;
  const auto read = workspace::readEpw(spaces ? std::string(spaces, ' ') : GetParam().text);
  ASSERT_TRUE(std::holds_alternative<WeatherRefusal>(read));
  EXPECT_EQ(std::get<WeatherRefusal>(read), WeatherRefusal{GetParam().why});
}

INSTANTIATE_TEST_SUITE_P(
    Table, Refusals,
    testing::Values(
        RefusalRow{"Empty", "", WeatherFault::notEpw},
        RefusalRow{"Csv", "mode,t,x\n0,25,20\n", WeatherFault::notEpw},
        RefusalRow{"ShortHeader", "LOCATION,a\nX\n", WeatherFault::headerShort},
        RefusalRow{"NoRecords", testsupport::epwHeader() + "\r\n", WeatherFault::noRecords},
        RefusalRow{"TooManyRecords",
                   testsupport::epwHeader() +
                       [] {
                         std::string many;
                         for (std::size_t i = 0; i <= workspace::maxWeatherRecords; ++i)
                           many += "1\n";
                         return many;
                       }(),
                   WeatherFault::tooManyRecords},
        RefusalRow{"TooLarge", "", WeatherFault::tooLarge, workspace::maxWeatherBytes + 1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Weather, StationPressureFromTheElevation) {
  const auto pressure = [](const char* elevation) {
    return workspace::sitePressure(std::get<workspace::WeatherFile>(
        workspace::readEpw(testsupport::epwHeader(elevation) + epwRecord(1, 1, 1, "20", "10"))));
  };
  EXPECT_EQ(pressure("1000"), 89875);
  EXPECT_EQ(pressure("-500"), 107478);
  EXPECT_EQ(pressure(""), std::nullopt);
  EXPECT_EQ(pressure("9500"), std::nullopt);
}

// A made-up year whose hours fall in known zones: (month, hours, t, tl).
struct Spell {
  int month, hours;
  const char* t;
  const char* tl;
};
constexpr Spell spells[] = {
    {1, 5, "23", "10"},  // 供热 I级, both data-centre zones
    {2, 3, "20", "5"},   // 供热 II级, both data-centre zones
    {7, 4, "35", "28"},  // in none
    {7, 2, "25", "14"},  // 供冷 I级 (φ 50 %), both data-centre zones
    {8, 1, "27", "20"},  // 供冷 II级 (φ 66 %); its dew point is above both data-centre zones'
};

struct HoursRow {
  const char* name;
  workspace::MonthSet months;
  std::vector<std::size_t> hours;  // the six built-in zones, then 区外
};
class YearHours : public testing::TestWithParam<HoursRow> {};

TEST_P(YearHours, HoursPerZoneOfTheChosenMonths) {
  std::string text = testsupport::epwHeader();
  for (const Spell& s : spells)
    for (int h = 1; h <= s.hours; ++h) text += epwRecord(s.month, 1, h, s.t, s.tl);
  const auto file = std::get<workspace::WeatherFile>(workspace::readEpw(text));
  const workspace::WeatherStates states = workspace::weatherStates(file, 101325);
  const auto& zones = workspace::builtInZones();
  const workspace::ZoneHours z = workspace::zoneHours(states, zones, GetParam().months);
  std::vector<std::size_t> got = z.inside;
  got.push_back(z.outside);
  EXPECT_EQ(got, GetParam().hours);

  // Every hour of the months lies in one cell of the density grid.
  const workspace::DensityGrid grid = workspace::densityGrid(states, GetParam().months);
  std::size_t cells = 0;
  for (std::uint32_t c : grid.counts) cells += c;
  EXPECT_EQ(cells, z.total);
}

INSTANTIATE_TEST_SUITE_P(
    Table, YearHours,
    testing::Values(HoursRow{"WholeYear", workspace::allMonths, {5, 3, 2, 1, 10, 10, 4}},
                    HoursRow{"July", workspace::MonthSet{1 << 6}, {0, 0, 2, 0, 2, 2, 4}},
                    HoursRow{
                        "JanuaryAndAugust", workspace::MonthSet{1 | 1 << 7}, {5, 0, 0, 1, 5, 5, 0}},
                    HoursRow{"March", workspace::MonthSet{1 << 2}, {0, 0, 0, 0, 0, 0, 0}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Weather, DensityCellsAreOneKelvinByOneGramPerKilogram) {
  const auto file = std::get<workspace::WeatherFile>(
      workspace::readEpw(testsupport::epwHeader() + epwRecord(1, 1, 1, "23.9", "10") +
                         epwRecord(1, 1, 2, "23", "10") + epwRecord(1, 1, 3, "-0.5", "-10")));
  const workspace::DensityGrid g = workspace::densityGrid(workspace::weatherStates(file, 101325));
  ASSERT_EQ(g.tFirst, -1);  // −0.5 °C lies in the cell from −1 °C
  EXPECT_EQ(g.columns, 25);
  EXPECT_EQ(g.dFirst, 1);  // 1.6 g/kg
  EXPECT_EQ(g.rows, 7);    // up to 7.6 g/kg
  EXPECT_EQ(g.at(24, 6), 2u);
  EXPECT_EQ(g.most, 2u);
}

}  // namespace

namespace {

struct LogRow {
  const char* name;
  std::string text;
  std::array<std::string, 2> columns;
  std::optional<workspace::WeatherRefusal> why;  // the refusal; none for a log that is read
  std::size_t usable = 0, skipped = 0;
};
class WeatherLog : public testing::TestWithParam<LogRow> {};

TEST_P(WeatherLog, ColumnsByNumberOrNameAndUnusableRecordsCounted) {
  const LogRow& r = GetParam();
  const auto read = workspace::readWeatherLog(r.text, {Q::t, Q::rh}, r.columns);
  if (r.why) {
    ASSERT_TRUE(std::holds_alternative<workspace::WeatherRefusal>(read));
    EXPECT_EQ(std::get<workspace::WeatherRefusal>(read), *r.why);
    return;
  }
  ASSERT_TRUE(std::holds_alternative<workspace::WeatherFile>(read))
      << document::words(std::get<workspace::WeatherRefusal>(read));
  const workspace::WeatherStates s =
      workspace::weatherStates(std::get<workspace::WeatherFile>(read), 101325);
  EXPECT_EQ(s.hours.size(), r.usable);
  EXPECT_EQ(s.skipped.total(), r.skipped);
  // A log has no months: its hours count under 全年 only.
  EXPECT_EQ(workspace::zoneHours(s, {}, workspace::allMonths).total, r.usable);
  EXPECT_EQ(workspace::zoneHours(s, {}, workspace::MonthSet{1}).total, 0u);
}

const std::string log =
    "\xEF\xBB\xBF时间,干球温度,\"相对, 湿度\",备注\r\n"
    "7-1 14:00,35.2,58,\"屋顶\"\"东\"\"\r\n侧\"\r\n"
    "7-1 15:00,,60,离线\r\n"
    "\r\n"
    "7-1 16:00,34℃,abc\r\n"
    "7-1 17:00,30\r\n"
    "7-1 18:00,30,101\r\n";
INSTANTIATE_TEST_SUITE_P(
    Table, WeatherLog,
    testing::Values(
        LogRow{"ByName", log, {"干球温度", " 相对, 湿度 "}, std::nullopt, 1, 4},
        LogRow{"ByNumber", log, {"2", "3"}, std::nullopt, 1, 4},
        LogRow{"NumberBeyond", log, {"2", "5"}, WeatherRefusal{WeatherFault::columnBeyond, "5", 4}},
        LogRow{"NoSuchName", log, {"t", "3"}, WeatherRefusal{WeatherFault::noSuchColumn, "t"}},
        LogRow{"NameTwice",
               "a,a,b\n1,2,3\n",
               {"a", "b"},
               WeatherRefusal{WeatherFault::columnTwice, "a"}},
        LogRow{"SameColumn", log, {"2", "干球温度"}, WeatherRefusal{WeatherFault::sameColumn}},
        LogRow{"Empty", "", {"1", "2"}, WeatherRefusal{WeatherFault::noHeader}}),
    [](const auto& row) { return std::string(row.param.name); });

// Reading a log of 16 MiB, with its record or its header all commas, in a child process limited to
// three times the log and 50 MB more address space than it had: the log is read.
TEST(WeatherLog, WideRecordsReadInBoundedMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "address space limits do not apply under AddressSanitizer";
#endif
  constexpr std::size_t bytes = 16 << 20;
  const struct {
    const char* name;
    std::string head, tail;
    std::array<std::string, 2> columns;
  } rows[] = {{"HeaderOfCommas", "", "\n25,50\n", {"1", "2"}},
              {"RecordOfCommas", "t,rh\n25,50\n", "\n", {"t", "rh"}}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    const rlim_t limit =
        pages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) + 3 * bytes + 50'000'000;
    const std::string text = row.head + std::string(bytes, ',') + row.tail;
    const pid_t child = fork();
    if (child == 0) {
      const rlimit cap{limit, limit};
      setrlimit(RLIMIT_AS, &cap);
      try {  // the child never returns into the test runner
        const auto read = workspace::readWeatherLog(text, {Q::t, Q::rh}, row.columns);
        _exit(std::holds_alternative<workspace::WeatherFile>(read) ? 0 : 1);
      } catch (...) {
        _exit(2);
      }
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
}

}  // namespace

// torvale-calc --epw: one record per hour or the hours per zone, the station's pressure, the skip
// report and the exit status.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "calc/pair_calculation.h"
#include "cli/command_line.h"
#include "support/epw_text.h"
#include "support/named_rows.h"

namespace {

using testsupport::epwRecord;
using testsupport::PrintTo;
using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

std::string contents(std::FILE* f) {
  std::string text(static_cast<std::size_t>(std::ftell(f)), '\0');
  std::rewind(f);
  text.resize(std::fread(text.data(), 1, text.size(), f));
  return text;
}

// The output record of a usable hour of 2026-01-01: its results as the Calculate command gives
// them for t+tl at pa, and an empty message.
std::string hour(int h, double t, double tl, double pa) {
  const calc::Calculation c =
      calc::calculate({psychro::Quantity::t, psychro::Quantity::tl}, t, tl, pa);
  std::string line = "2026,1,1," + std::to_string(h);
  for (const std::string& text : c.texts) line += "," + text;
  return line + ",\n";
}

const std::string header = "year,month,day,hour,t,rh,tw,h,tl,rho,d,cp,mu,lambda,pr,message\n";
const std::string twoHours = epwRecord(1, 1, 1, "23", "10") + epwRecord(1, 1, 2, "99.9", "10");

struct CliRow {
  const char* name;
  std::vector<const char*> args;  // "--epw -" reads the text from standard input
  std::string input;
  int status;
  std::string out, err;
};

class WeatherCommand : public testing::TestWithParam<CliRow> {};

TEST_P(WeatherCommand, PrintsTheHoursOrTheZonesWithTheBatchsExitStatus) {
  const CliRow& r = GetParam();
  File in(std::tmpfile(), &std::fclose), out(std::tmpfile(), &std::fclose),
      err(std::tmpfile(), &std::fclose);
  std::fwrite(r.input.data(), 1, r.input.size(), in.get());
  std::rewind(in.get());
  EXPECT_EQ(cli::run(r.args, in.get(), out.get(), err.get()), r.status);
  EXPECT_EQ(contents(out.get()), r.out);
  EXPECT_EQ(contents(err.get()), r.err);
}

const std::string skippedOne = "跳过 1 条记录：缺测值 1 条\n";
const std::string missingHour = "2026,1,1,2,,,,,,,,,,,,缺测值\n";
INSTANTIATE_TEST_SUITE_P(
    Table, WeatherCommand,
    testing::Values(
        CliRow{"StationAt1000m",
               {"--epw", "-"},
               testsupport::epwHeader("1000") + twoHours,
               0,
               header + hour(1, 23, 10, 89875) + missingHour,
               skippedOne},
        CliRow{"PressureGiven",
               {"--pressure", "101325", "--epw=-"},
               testsupport::epwHeader("1000") + twoHours,
               0,
               header + hour(1, 23, 10, 101325) + missingHour,
               skippedOne},
        CliRow{"NoElevation",
               {"--epw", "-"},
               testsupport::epwHeader("") + epwRecord(1, 1, 1, "23", "10"),
               0,
               header + hour(1, 23, 10, 101325),
               ""},
        // A file cut inside the last record's dew point (7 of 7.5): that hour is not used.
        CliRow{"CutShort",
               {"--epw", "-"},
               testsupport::epwHeader() + epwRecord(1, 1, 1, "23", "10") + "2026,1,1,2,60,f,15.4,7",
               0,
               header + hour(1, 23, 10, 101325) + "2026,1,1,2,,,,,,,,,,,,字段不全\n",
               "跳过 1 条记录：字段不全 1 条\n"},
        CliRow{"Zones",
               {"--epw", "-", "--zones"},
               testsupport::epwHeader() + twoHours + epwRecord(7, 1, 1, "35", "28"),
               0,
               "zone,hours,percent\n供热工况 I级,1,50.0\n供热工况 II级,0,0.0\n供冷工况 I级,0,0.0\n"
               "供冷工况 II级,0,0.0\n数据中心 推荐,1,50.0\n数据中心 A1 允许,1,50.0\n区外,1,50.0\n",
               skippedOne},
        CliRow{
            "NotWeather",
            {"--epw", "-"},
            "mode,t,x\n",
            2,
            "",
            "torvale-calc：无法读取气象文件 标准输入：首行不是 LOCATION 行，不是 EPW 气象文件\n"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace

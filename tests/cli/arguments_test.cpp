#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct ArgumentsCase {
  const char* name;
  std::vector<const char*> args;
  cli::Action action;
  int index = 0;  // the Combo2 route T and X are read on; -1: the pair h+rh
  std::string t = "", x = "", input = "-";
  double pressure = 101325;
  std::string error = "";  // a part of the usage error's words, where they matter
};
void PrintTo(const ArgumentsCase& c, std::ostream* os) {
  *os << c.name;
}

class ArgumentsTest : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(ArgumentsTest, Parses) {
  const ArgumentsCase& c = GetParam();
  const cli::Arguments a = cli::parseArguments(c.args);
  ASSERT_EQ(a.action, c.action) << a.error;
  EXPECT_EQ(a.error.empty(), c.action != cli::Action::usageError);
  EXPECT_NE(a.error.find(c.error), std::string::npos) << a.error;
  if (c.action == cli::Action::single) {
    using Q = psychro::Quantity;
    EXPECT_EQ(a.pair, c.index >= 0 ? *calc::selectedPair(c.index) : (calc::Pair{Q::h, Q::rh}));
    EXPECT_EQ(a.t, c.t);
    EXPECT_EQ(a.x, c.x);
  }
  if (c.action == cli::Action::batch) {
    EXPECT_EQ(a.input, c.input);
  }
  if (c.action != cli::Action::usageError) {
    EXPECT_EQ(a.pressure, c.pressure);
  }
}

using A = cli::Action;
INSTANTIATE_TEST_SUITE_P(
    CommandLines, ArgumentsTest,
    testing::Values(
        ArgumentsCase{"WetBulbByDefault", {"25", "20"}, A::single, 0, "25", "20"},
        ArgumentsCase{"Tw", {"--tw", "25", "20"}, A::single, 0, "25", "20"},
        ArgumentsCase{"RhAfterValues", {"25", "50", "--rh"}, A::single, 1, "25", "50"},
        ArgumentsCase{"NegativeValues", {"--rh", "-5", "-10"}, A::single, 1, "-5", "-10"},
        ArgumentsCase{"TextsAsTyped", {" 2５ ", ""}, A::single, 0, " 2５ ", ""},
        ArgumentsCase{"DoubleDashEndsOptions", {"--", "-5", "--rh"}, A::single, 0, "-5", "--rh"},
        ArgumentsCase{"BothModes", {"--tw", "--rh", "25", "20"}, A::usageError},
        ArgumentsCase{"OneValue", {"25"}, A::usageError},
        ArgumentsCase{"NoValues", {}, A::usageError},
        ArgumentsCase{"ThreeValues", {"1", "2", "3"}, A::usageError},
        ArgumentsCase{"UnknownOption", {"--r", "25", "50"}, A::usageError},
        ArgumentsCase{"UnknownOptionInPlaceOfValue", {"25", "--x"}, A::usageError},
        ArgumentsCase{"Help", {"25", "--help"}, A::help},
        ArgumentsCase{"HelpBeforeVersion", {"--version", "-h"}, A::help},
        ArgumentsCase{"VersionBeforeErrors", {"--x", "--version"}, A::version},
        ArgumentsCase{
            "ShortHelpAfterDoubleDashIsValue", {"--", "-h", "2"}, A::single, 0, "-h", "2"},
        ArgumentsCase{
            "HelpAfterDoubleDashIsValue", {"--", "--help", "2"}, A::single, 0, "--help", "2"},
        ArgumentsCase{"CsvStdin", {"--csv"}, A::batch, 0, "", "", "-"},
        ArgumentsCase{"CsvDash", {"--csv", "-"}, A::batch, 0, "", "", "-"},
        ArgumentsCase{"CsvFile", {"--csv", "in.csv"}, A::batch, 0, "", "", "in.csv"},
        ArgumentsCase{"CsvOddName", {"--csv", "--", "--in"}, A::batch, 0, "", "", "--in"},
        ArgumentsCase{"CsvTwoFiles", {"--csv", "a", "b"}, A::usageError},
        ArgumentsCase{"CsvWithMode", {"--csv", "--rh"}, A::usageError},
        ArgumentsCase{"ShortHelp", {"-h"}, A::help},
        ArgumentsCase{"PairAnyCase", {"--pair", " H+rh", "50", "50"}, A::single, -1, "50", "50"},
        ArgumentsCase{"PairSetsRhIndex", {"--pair=t+rh", "25", "50"}, A::single, 1, "25", "50"},
        ArgumentsCase{"PairNotDetermined", {"--pair", "tl+d", "1", "2"}, A::usageError},
        ArgumentsCase{"PairUnknownName", {"--pair", "t+q", "1", "2"}, A::usageError},
        ArgumentsCase{"PairWithoutName", {"1", "2", "--pair"}, A::usageError},
        ArgumentsCase{"PairAndMode", {"--pair", "h+d", "--rh", "1", "2"}, A::usageError},
        ArgumentsCase{
            "Pressure", {"--pressure", "81000", "25", "20"}, A::single, 0, "25", "20", "-", 81000},
        ArgumentsCase{
            "AltitudeNegative", {"--altitude=-500", "--csv"}, A::batch, 0, "", "", "-", 107478},
        ArgumentsCase{
            "Altitude", {"--csv", "--altitude", "1000", "f"}, A::batch, 0, "", "", "f", 89875},
        ArgumentsCase{"PressureOutOfRange", {"--pressure", "20000", "25", "20"}, A::usageError},
        ArgumentsCase{"PressureUnreadable", {"--pressure", "81kPa", "25", "20"}, A::usageError},
        ArgumentsCase{"AltitudeTooHigh", {"--altitude", "9001", "--csv"}, A::usageError},
        // A word taken as an option's value is not read again as an option: --help still counts.
        ArgumentsCase{"ValueNotReadAgain", {"--pressure", "--altitude", "--help"}, A::help},
        ArgumentsCase{"PressureAndAltitude",
                      {"--pressure", "9e4", "--altitude", "0", "1", "2"},
                      A::usageError},
        ArgumentsCase{
            "Log", {"--csv", "f", "--mode", " TW ", "--columns=2,时间"}, A::batch, 0, "", "", "f"},
        ArgumentsCase{
            "LogGbk", {"--csv", "--mode=rh", "--columns", "1,2", "--encoding", "GBK"}, A::batch},
        ArgumentsCase{"BomOnThreeFields", {"--csv", "--bom"}, A::batch},
        ArgumentsCase{"ModeWithoutColumns", {"--csv", "--mode", "rh"}, A::usageError},
        ArgumentsCase{"ColumnsWithoutMode", {"--csv", "--columns", "1,2"}, A::usageError},
        ArgumentsCase{
            "LogWithoutCsv", {"--mode", "rh", "--columns", "1,2", "1", "2"}, A::usageError},
        ArgumentsCase{
            "ThreeColumns", {"--csv", "--mode", "rh", "--columns", "1,2,3"}, A::usageError},
        ArgumentsCase{"EmptyColumn", {"--csv", "--mode", "rh", "--columns", "1, "}, A::usageError},
        ArgumentsCase{"UnknownMode", {"--csv", "--mode", "wet", "--columns", "1,2"}, A::usageError},
        ArgumentsCase{"UnknownEncoding",
                      {"--csv", "--mode", "rh", "--columns", "1,2", "--encoding", "big5"},
                      A::usageError},
        ArgumentsCase{"EpwAtAltitude",
                      {"--epw", "a.epw", "--altitude", "1000", "--zones"},
                      A::weather,
                      0,
                      "",
                      "",
                      "-",
                      89875},
        ArgumentsCase{"EpwWithoutFile", {"--epw"}, A::usageError},
        ArgumentsCase{"EpwWithCsv", {"--epw", "a.epw", "--csv"}, A::usageError},
        ArgumentsCase{"EpwWithValues", {"--epw", "a.epw", "25", "20"}, A::usageError},
        ArgumentsCase{"ZonesWithoutEpw", {"--csv", "--zones"}, A::usageError},
        ArgumentsCase{"WorkspaceWithEpwAndZones",
                      {"--workspace", "a", "--epw", "b", "--zones"},
                      A::usageError},
        ArgumentsCase{"WorkspaceTwice",
                      {"--workspace", "a", "--workspace", "b"},
                      A::usageError,
                      0,
                      "",
                      "",
                      "-",
                      101325,
                      "--workspace 只能给出一次"},
        ArgumentsCase{"EpwTwice",
                      {"--epw", "a", "--epw", "b"},
                      A::usageError,
                      0,
                      "",
                      "",
                      "-",
                      101325,
                      "--epw"},
        ArgumentsCase{"AltitudeNotANumber",
                      {"--altitude", "abc", "25", "20"},
                      A::usageError,
                      0,
                      "",
                      "",
                      "-",
                      101325,
                      "--altitude：\"abc\" 不是数字"},
        ArgumentsCase{"PressureWithoutValue",
                      {"25", "20", "--pressure"},
                      A::usageError,
                      0,
                      "",
                      "",
                      "-",
                      101325,
                      "--pressure 后须给出"},
        // Two mistakes: the rules are applied in their order, as they always were.
        ArgumentsCase{"TwoModesBeforeTwoPressures",
                      {"--tw", "--rh", "--pressure", "9e4", "--altitude", "0", "1", "2"},
                      A::usageError,
                      0,
                      "",
                      "",
                      "-",
                      101325,
                      "--tw、--rh 与 --pair"},
        ArgumentsCase{"GbOnThreeFields", {"--csv", "--encoding", "gb18030"}, A::usageError},
        ArgumentsCase{"BomWithGb",
                      {"--csv", "--mode", "rh", "--columns", "1,2", "--encoding=gb18030", "--bom"},
                      A::usageError},
        ArgumentsCase{"DxfOfAWorkspace",
                      {"--workspace", "a.torvale", "--dxf=a.dxf", "--paper", "A2,Landscape"},
                      A::workspace},
        ArgumentsCase{"DxfWithoutWorkspace", {"--dxf", "a.dxf", "25", "20"}, A::usageError},
        ArgumentsCase{"DxfEmpty", {"--workspace", "a.torvale", "--dxf="}, A::usageError},
        ArgumentsCase{
            "PaperWithoutDxf", {"--workspace", "a.torvale", "--paper", "A3"}, A::usageError},
        ArgumentsCase{"PaperNotKnown",
                      {"--workspace", "a.torvale", "--dxf", "a.dxf", "--paper", "A3,upright"},
                      A::usageError}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace

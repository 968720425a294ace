#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "calc/copied_results.h"

namespace {

// What is typed and shown, and one line the sheet must hold.
struct SheetRow {
  const char* name;
  const char* t;
  const char* x;
  double pa;
  bool calculated;  // results shown, else empty boxes
  std::size_t line;
  const char* text;
};

const SheetRow rows[] = {
    {"dry bulb as typed", "25", "20", 101325, true, 0, "干球温度 ℃\t25"},
    {"second input under its caption", "25", "20", 101325, true, 1, "湿球温度 ℃\t20"},
    {"pressure in whole pascals", "25", "20", 89875, true, 2, "大气压力 Pa\t89875"},
    {"first result", "25", "20", 101325, true, 3, "干球温度 ℃\t25.00"},
    {"raised 3 as a character", "25", "20", 101325, true, 8, "密度 kg/m³\t1.1737"},
    {"last result", "25", "20", 101325, true, 13, "普朗特数\t0.72"},
    {"empty cell before any calculation", "25", "20", 101325, false, 13, "普朗特数\t"},
    {"typed tab", "25\t30", "20", 101325, true, 0, "干球温度 ℃\t25 30"},
    {"typed line break", "25", "2\r\n0", 101325, true, 1, "湿球温度 ℃\t2  0"},
};

// Fourteen lines, each a caption and a value one tab apart, whatever was typed.
TEST(ResultSheet, PastesAsTwoColumns) {
  const std::array<std::string, calc::outputs.size()> shown{
      "25.00", "63.5",     "20.00",   "57.2616", "17.63", "1.1737",
      "12.61", "1015.400", "18.3597", "0.0260",  "0.72"};
  for (const SheetRow& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string sheet =
        calc::copiedResults({"干球温度 ℃", row.t}, {"湿球温度 ℃", row.x}, row.pa,
                            row.calculated ? shown : decltype(shown){});
    EXPECT_TRUE(sheet.ends_with('\n'));
    std::vector<std::string> lines;
    std::istringstream in(sheet);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 14u);
    for (const std::string& line : lines) EXPECT_EQ(std::ranges::count(line, '\t'), 1) << line;
    EXPECT_EQ(lines[row.line], row.text);
  }
}

}  // namespace

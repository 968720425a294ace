#include "cli/result_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "calc/pair_calculation.h"

namespace {

struct WidthCase {
  const char* text;
  std::size_t width;
};

TEST(DisplayWidth, CountsWideCharactersAsTwoColumns) {
  const WidthCase cases[] = {
      {"", 0},         {"kg/m", 4}, {"密度", 4},           {"％", 2}, {"℃", 1},
      {"³", 1},        {"μ", 1},    {"普朗特数", 8},       {"（", 2}, {"\xFF", 1},
      {"\xE5\xAF", 2}, {"𠀀", 2},   {"比热 J/(kg·K)", 13},
  };
  for (const WidthCase& c : cases) EXPECT_EQ(cli::displayWidth(c.text), c.width) << c.text;
}

TEST(ResultLabel, RaisesTheSuffix) {
  EXPECT_EQ(calc::shownCaption(calc::info(calc::Output::density)), "密度 kg/m³");
  EXPECT_EQ(calc::shownCaption(calc::info(calc::Output::dryBulb)), "干球温度 ℃");
}

// Each line is a label, padding and the box's text, and every text starts in the same column.
TEST(ResultTable, TextsLineUp) {
  const calc::Calculation c = calc::calculateTyped(calc::routePair(calc::Route::wetBulb), "25",
                                                   "20", psychro::standardPressure);
  ASSERT_TRUE(c.ok());

  std::istringstream table(cli::resultTable(c.texts));
  std::string line;
  std::size_t column = 0;
  for (std::size_t i = 0; i < calc::outputs.size(); ++i) {
    ASSERT_TRUE(std::getline(table, line));
    const std::string label = calc::shownCaption(calc::outputs[i]);
    const std::string_view text = c.texts[i];
    ASSERT_TRUE(line.starts_with(label) && line.ends_with(text)) << line;
    const std::string_view pad(line.data() + label.size(),
                               line.size() - label.size() - text.size());
    EXPECT_GE(pad.size(), 2u);
    EXPECT_EQ(pad.find_first_not_of(' '), std::string_view::npos);
    const std::size_t start = cli::displayWidth(label) + pad.size();
    if (column == 0) column = start;
    EXPECT_EQ(start, column) << line;
  }
  EXPECT_FALSE(std::getline(table, line));
}

}  // namespace

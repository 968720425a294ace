#include <gtest/gtest.h>

#include "calc/messages.h"
#include "calc/pressure_setting.h"
#include "support/named_rows.h"

namespace {

using testsupport::PrintTo;

using calc::PressureUnit;

struct PressureRow {
  const char* name;
  const char* text;
  PressureUnit unit;
  double pa;  // 0: refused with the unit's range message
};

class PressureEntries : public testing::TestWithParam<PressureRow> {};

TEST_P(PressureEntries, GiveWholePascalsOrTheRange) {
  const PressureRow& row = GetParam();
  const calc::PressureReading r = calc::readPressure(row.text, row.unit);
  if (row.pa == 0) {
    EXPECT_EQ(r.outcome, row.unit == PressureUnit::metre ? psychro::Outcome::altitudeRange
                                                         : psychro::Outcome::pressureRange);
  } else {
    EXPECT_TRUE(r.ok()) << calc::words(r.outcome);
    EXPECT_EQ(r.pa, row.pa);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, PressureEntries,
    testing::Values(PressureRow{"Standard", "101325", PressureUnit::pascal, 101325},
                    PressureRow{"Kilopascals", " 89.875 ", PressureUnit::kilopascal, 89875},
                    PressureRow{"KilopascalsToWholePascals", "81.2346", PressureUnit::kilopascal,
                                81235},
                    PressureRow{"FullWidth", "１０１３２５", PressureUnit::pascal, 101325},
                    PressureRow{"Altitude1000", "1000", PressureUnit::metre, 89875},
                    PressureRow{"Altitude4000", "4000", PressureUnit::metre, 61640},
                    PressureRow{"BelowSeaLevel", "-500", PressureUnit::metre, 107478},
                    PressureRow{"HighestAltitude", "9000", PressureUnit::metre, 30742},
                    PressureRow{"LowestPressure", "30000", PressureUnit::pascal, 30000},
                    PressureRow{"HighestPressure", "110", PressureUnit::kilopascal, 110000},
                    PressureRow{"BelowRange", "29999", PressureUnit::pascal, 0},
                    PressureRow{"AboveRange", "110001", PressureUnit::pascal, 0},
                    PressureRow{"PascalsTypedAsKilopascals", "101325", PressureUnit::kilopascal, 0},
                    PressureRow{"Empty", "", PressureUnit::pascal, 0},
                    PressureRow{"Words", "abc", PressureUnit::pascal, 0},
                    PressureRow{"TrailingUnit", "90000 Pa", PressureUnit::pascal, 0},
                    PressureRow{"Overflowing", "1e999", PressureUnit::pascal, 0},
                    PressureRow{"TooHigh", "9001", PressureUnit::metre, 0},
                    PressureRow{"TooLow", "-501", PressureUnit::metre, 0}),
    [](const auto& row) { return row.param.name; });

TEST(PressureCaption, ShowsWholePascals) {
  EXPECT_EQ(calc::pressureCaption(89875), "大气压力 89875 Pa");
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "psychro/saturation.h"
#include "support/named_rows.h"

namespace {

using testsupport::PrintTo;

struct PressureRow {
  const char* name;
  double t;         // °C
  double expected;  // Pa
};

class WaterpsTable : public testing::TestWithParam<PressureRow> {};

TEST_P(WaterpsTable, MatchesReferenceValue) {
  const PressureRow& row = GetParam();
  EXPECT_NEAR(psychro::saturationPressure(row.t), row.expected, row.expected * 5e-8) << row.name;
}

INSTANTIATE_TEST_SUITE_P(ReferenceValues, WaterpsTable,
                         testing::Values(PressureRow{"IceLowestEnd", -100, 0.0014051021},
                                         PressureRow{"IceMinus40", -40, 12.845249},
                                         PressureRow{"IceMinus10", -10, 259.90286},
                                         PressureRow{"JustBelowZeroIsIce", -0.000000001, 611.15357},
                                         PressureRow{"ZeroIsWater", 0, 611.21287},
                                         PressureRow{"Water20", 20, 2338.8037},
                                         PressureRow{"Water25", 25, 3169.2165},
                                         PressureRow{"Water50", 50, 12349.856},
                                         PressureRow{"Water100", 100, 101418.72},
                                         PressureRow{"Water150", 150, 476197.88},
                                         PressureRow{"WaterHighestEnd", 200, 1555073.7}),
                         [](const auto& row) { return row.param.name; });

struct OutsideRow {
  const char* name;
  double t;
};

class WaterpsOutside : public testing::TestWithParam<OutsideRow> {};

// No formula covers these temperatures: the result is exactly 1 Pa.
TEST_P(WaterpsOutside, IsExactlyOnePascal) {
  EXPECT_EQ(psychro::saturationPressure(GetParam().t), 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    OutsideBothRanges, WaterpsOutside,
    testing::Values(OutsideRow{"BelowIce", -100.5}, OutsideRow{"AboveWater", 200.5},
                    OutsideRow{"NotANumber", std::nan("")},
                    OutsideRow{"MinusInfinity", -std::numeric_limits<double>::infinity()},
                    OutsideRow{"Huge", 1e308}),
    [](const auto& row) { return row.param.name; });

TEST(Waterps, StepsUpAtTheIceWaterBoundary) {
  const double step = psychro::saturationPressure(0) - psychro::saturationPressure(-1e-9);
  EXPECT_NEAR(step, 0.0593, 0.0005);
}

}  // namespace

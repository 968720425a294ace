#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "psychro/saturation.h"
#include "support/named_rows.h"

namespace {

using testsupport::PrintTo;

struct InverseRow {
  const char* name;
  double p;  // Pa
  double t;  // °C expected
};

class WatertTable : public testing::TestWithParam<InverseRow> {};

TEST_P(WatertTable, SettlesOnReferenceValueWithinItsBound) {
  const InverseRow& row = GetParam();
  const psychro::SaturationTemperature r = psychro::saturationTemperature(row.p);
  ASSERT_TRUE(r.settled);
  EXPECT_NEAR(r.t, row.t, std::abs(row.t) * 1e-7 + 1e-9);
  EXPECT_LE(r.rounds, psychro::saturationTemperatureRoundLimit);
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceValues, WatertTable,
    testing::Values(InverseRow{"PressureOf20IsStartValue", 2338.8037000740, 20.0},
                    InverseRow{"SlightlyAbove20", 2339, 20.000677},
                    InverseRow{"NearTriplePoint", 611, -0.00063962457},
                    InverseRow{"IceMinus10", 259.90286, -9.9951854},
                    InverseRow{"IceMinus40", 12.845, -39.996394},
                    InverseRow{"StandardPressure", 101325, 99.969936},
                    InverseRow{"EstimateHeldAboveWaterRange", 1.0e7, 265.36488}),
    [](const auto& row) { return row.param.name; });

TEST(Watert, InvertsWaterpsOf20Exactly) {
  const psychro::SaturationTemperature r =
      psychro::saturationTemperature(psychro::saturationPressure(20));
  EXPECT_TRUE(r.settled);
  EXPECT_EQ(r.t, 20.0);
}

struct NoRootRow {
  const char* name;
  double p;
};

class WatertNoRoot : public testing::TestWithParam<NoRootRow> {};

// These pressures have no saturation temperature; the solver must stop and say so.
TEST_P(WatertNoRoot, ComesBackUnsettled) {
  EXPECT_FALSE(psychro::saturationTemperature(GetParam().p).settled);
}

INSTANTIATE_TEST_SUITE_P(Pressures, WatertNoRoot,
                         testing::Values(NoRootRow{"Zero", 0}, NoRootRow{"Negative", -5},
                                         NoRootRow{"NotANumber", std::nan("")},
                                         NoRootRow{"Infinite",
                                                   std::numeric_limits<double>::infinity()}),
                         [](const auto& row) { return row.param.name; });

// Every positive finite pressure settles within the round limit, from the tiniest to the largest.
TEST(Watert, SettlesForEveryPositiveFinitePressure) {
  for (double p : {5e-324, 1e-300, 1e-20, 1e-3, 1.0, 1e3, 1e5, 1e7, 1e20, 1e300, 1.7e308}) {
    const psychro::SaturationTemperature r = psychro::saturationTemperature(p);
    EXPECT_TRUE(r.settled) << p;
    EXPECT_TRUE(std::isfinite(r.t)) << p;
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "calc/messages.h"
#include "psychro/outcome.h"
#include "support/named_rows.h"

namespace {

using testsupport::PrintTo;

using psychro::Outcome;

// Every refusal has words of its own, so that no notice comes up blank and no two refusals read
// alike; a result has none.
TEST(Words, EveryRefusalHasItsOwn) {
  EXPECT_EQ(calc::words(Outcome::ok), "");
  std::set<std::string_view> seen;
  for (int i = 1; i < psychro::outcomeCount; ++i) {
    const std::string_view text = calc::words(static_cast<Outcome>(i));
    EXPECT_FALSE(text.empty()) << "outcome " << i;
    EXPECT_TRUE(seen.insert(text).second) << "outcome " << i << " repeats " << text;
  }
}

struct RangeRow {
  const char* name;
  Outcome outcome;
  std::string_view text;  // as the calculator has always shown it
};

class RangeWords : public testing::TestWithParam<RangeRow> {};

// The texts that name a range are built from the constants of that range.
TEST_P(RangeWords, ReadAsBefore) {
  EXPECT_EQ(calc::words(GetParam().outcome), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, RangeWords,
    testing::Values(RangeRow{"DryBulbs", Outcome::pairOutOfRange,
                             "该组参数在 -50～100 ℃ 内无对应状态点"},
                    RangeRow{"Pressures", Outcome::pressureRange,
                             "大气压力须在 30000～110000 Pa（30～110 kPa）之间"},
                    RangeRow{"Altitudes", Outcome::altitudeRange, "海拔须在 -500～9000 m 之间"}),
    [](const auto& row) { return row.param.name; });

}  // namespace

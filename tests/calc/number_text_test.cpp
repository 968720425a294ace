#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "../support/named_rows.h"
#include "calc/number_text.h"

namespace {

using testsupport::PrintTo;

using calc::formatFixed;
using calc::numericValue;

constexpr double inf = std::numeric_limits<double>::infinity();

struct ReadRow {
  const char* name;
  const char* text;
  double value;
};

class ReadTable : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadTable, ReadsLeadingNumber) {
  const ReadRow& row = GetParam();
  EXPECT_EQ(numericValue(row.text), row.value) << '"' << row.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadTable,
    testing::Values(
        ReadRow{"Integer", "25", 25}, ReadRow{"TrailingLetters", "25abc", 25},
        ReadRow{"LettersOnly", "abc", 0}, ReadRow{"Empty", "", 0}, ReadRow{"Blank", " ", 0},
        ReadRow{"LeadingBlanksAndTab", " \t 12.5", 12.5}, ReadRow{"LeadingPoint", ".5", 0.5},
        ReadRow{"TrailingPoint", "5.", 5}, ReadRow{"SignAlone", "-", 0},
        ReadRow{"PointAlone", ".", 0}, ReadRow{"SignPoint", "-.", 0},
        ReadRow{"Negative", "-12.75", -12.75}, ReadRow{"ExplicitPlus", "+3", 3},
        ReadRow{"Exponent", "2e1", 20}, ReadRow{"CapitalExponentWithSign", "25E-1", 2.5},
        ReadRow{"DanglingExponent", "20e", 20}, ReadRow{"DanglingExponentSign", "20e+", 20},
        ReadRow{"SecondPointEnds", "1.2.3", 1.2}, ReadRow{"InnerBlankEnds", "1 2", 1},
        ReadRow{"CommaIsNoPoint", "12,5", 12}, ReadRow{"Overflow", "1e999", inf},
        ReadRow{"NegativeOverflow", "-1e999", -inf},
        ReadRow{"LongMantissaOverflow", "123456789e400", inf}, ReadRow{"Underflow", "1e-999", 0},
        ReadRow{"TinyFractionUnderflow", "0.000001e-330", 0},
        ReadRow{"ZeroWithHugeExponent", "0e99999", 0}, ReadRow{"FullWidthDigits", "２５", 25},
        ReadRow{"FullWidthPoint", "２５．５", 25.5},
        ReadRow{"FullWidthSignAndExponent", "－２ｅ１", -20},
        ReadRow{"FullWidthSpaceSkipped", "\u3000３", 3}, ReadRow{"MixedWidths", "2５.５", 25.5},
        ReadRow{"ChineseAfterNumber", "25度", 25},
        ReadRow{"InvalidUtf8Ends",
                "7\xff"
                "8",
                7},
        ReadRow{"TruncatedUtf8", "9\xef\xbc", 9}),
    [](const auto& info) { return info.param.name; });

struct FormatRow {
  const char* name;
  double value;
  int decimals;
  const char* text;
};

class FormatTable : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatTable, ShowsFixedDecimals) {
  const FormatRow& row = GetParam();
  EXPECT_EQ(formatFixed(row.value, row.decimals), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatTable,
    testing::Values(
        FormatRow{"HalfUpAsTyped2_675", 2.675, 2, "2.68"},
        FormatRow{"HalfUpAsTyped1_005", 1.005, 2, "1.01"},
        FormatRow{"HalfAwayFromZeroNegative", -2.675, 2, "-2.68"},
        FormatRow{"BelowHalf", 2.6749, 2, "2.67"},
        FormatRow{"NegativeRoundingToZeroLosesSign", -0.004, 2, "0.00"},
        FormatRow{"NegativeZero", -0.0, 1, "0.0"}, FormatRow{"LeadingZeroDigit", 0.5, 4, "0.5000"},
        FormatRow{"TinyValue", 1e-20, 3, "0.000"}, FormatRow{"SmallHalf", 0.00005, 4, "0.0001"},
        FormatRow{"CarryThroughNines", 9.9996, 3, "10.000"},
        FormatRow{"CarryIntoNewDigit", 99.95, 1, "100.0"},
        FormatRow{"NoGrouping", 1234567.891, 2, "1234567.89"},
        FormatRow{"LargeIntegerExact", 1e20, 1, "100000000000000000000.0"},
        FormatRow{"NegativeKeepsSign", -50, 2, "-50.00"}, FormatRow{"NoDecimals", 2.5, 0, "3"},
        FormatRow{"FifteenDigitsDecideHalf", 0.30000000000000004, 1, "0.3"},
        FormatRow{"NotANumberIsEmpty", std::nan(""), 2, ""},
        FormatRow{"InfinityIsEmpty", inf, 2, ""}),
    [](const auto& info) { return info.param.name; });

// Reading and writing are the same under a locale whose decimal mark is a comma.
TEST(NumberText, IndependentOfLocale) {
  const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"};
  const char* chosen = nullptr;
  for (const char* n : names)
    if (std::setlocale(LC_ALL, n)) {
      chosen = n;
      break;
    }
  if (!chosen) GTEST_SKIP() << "no comma-decimal locale installed";
  EXPECT_EQ(numericValue("12.5"), 12.5);
  EXPECT_EQ(formatFixed(2.675, 2), "2.68");
  std::setlocale(LC_ALL, "C");
}

}  // namespace

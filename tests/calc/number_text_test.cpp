#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "support/named_rows.h"

namespace {

using testsupport::PrintTo;

using calc::formatFixed;
using calc::numericValue;

constexpr double inf = std::numeric_limits<double>::infinity();

struct ReadRow {
  const char* name;
  const char* text;
  double value;
  bool found = true;  // whether a number stands at the start, so that a dialog takes the text
};

class ReadTable : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadTable, ReadsLeadingNumber) {
  const ReadRow& row = GetParam();
  EXPECT_EQ(numericValue(row.text), row.value) << '"' << row.text << '"';
  EXPECT_EQ(calc::startsWithNumber(row.text), row.found) << '"' << row.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadTable,
    testing::Values(
        ReadRow{"Integer", "25", 25}, ReadRow{"TrailingLetters", "25abc", 25},
        ReadRow{"LettersOnly", "abc", 0, false}, ReadRow{"LettersBeforeDigits", "abc25", 0, false},
        ReadRow{"Empty", "", 0, false}, ReadRow{"Blank", " ", 0, false},
        ReadRow{"LeadingBlanksAndTab", " \t 12.5", 12.5}, ReadRow{"LeadingPoint", ".5", 0.5},
        ReadRow{"TrailingPoint", "5.", 5}, ReadRow{"SignAlone", "-", 0, false},
        ReadRow{"PointAlone", ".", 0, false}, ReadRow{"SignPoint", "-.", 0, false},
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
        ReadRow{"ChineseAfterNumber", "25度", 25}, ReadRow{"ChineseBeforeNumber", "约25", 0, false},
        ReadRow{"InvalidUtf8Ends",
                "7\xff"
                "8",
                7},
        ReadRow{"TruncatedUtf8", "9\xef\xbc", 9}),
    [](const auto& row) { return row.param.name; });

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
    [](const auto& row) { return row.param.name; });

// The digit-by-digit rule as it stood before formatFixed got its fast path, kept verbatim as
// the reference that every text must still match.
std::string referenceFormatFixed(double value, int decimals) {
  if (!std::isfinite(value) || decimals < 0) return {};
  char buf[32];
  const auto [ptr, ec] =
      std::to_chars(buf, buf + sizeof buf, std::abs(value), std::chars_format::scientific, 14);
  if (ec != std::errc()) return {};
  const std::string_view form(buf, static_cast<std::size_t>(ptr - buf));
  const std::size_t mark = form.find('e');
  std::string digits;
  for (char c : form.substr(0, mark))
    if (c >= '0' && c <= '9') digits += c;
  std::string_view exponentText = form.substr(mark + 1);
  if (exponentText.front() == '+') exponentText.remove_prefix(1);
  int e = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), e);
  const long long shift = static_cast<long long>(e) - 14 + decimals;
  std::string n;
  if (shift >= 0) {
    n = digits + std::string(static_cast<std::size_t>(shift), '0');
  } else {
    const long long keep = static_cast<long long>(digits.size()) + shift;
    const bool roundUp = keep >= 0 && digits[static_cast<std::size_t>(keep)] >= '5';
    n = keep > 0 ? digits.substr(0, static_cast<std::size_t>(keep)) : "0";
    if (roundUp) {
      std::size_t k = n.size();
      while (k > 0 && n[k - 1] == '9') n[--k] = '0';
      if (k == 0)
        n.insert(n.begin(), '1');
      else
        ++n[k - 1];
    }
  }
  if (n.size() < static_cast<std::size_t>(decimals) + 1)
    n.insert(0, static_cast<std::size_t>(decimals) + 1 - n.size(), '0');
  if (decimals > 0) n.insert(n.size() - static_cast<std::size_t>(decimals), 1, '.');
  const bool zero = n.find_first_not_of("0.") == std::string::npos;
  return value < 0 && !zero ? "-" + n : n;
}

// A family of values, drawn from a seeded generator: the fast path and the fallback must give
// the reference's text for each, at every number of decimals.
struct Sweep {
  const char* name;
  std::function<double(std::mt19937_64&)> draw;
};

double uniform(std::mt19937_64& g, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(g);
}

// A value a few units in the last place from (k + 1/2)·10^-d: the halves the rounding rule is
// about, and their neighbours on both sides.
double nearHalf(std::mt19937_64& g) {
  const int d = static_cast<int>(g() % 7);
  const double k = static_cast<double>(g() % 2000000) - 1000000;
  double v = (k + 0.5) / std::pow(10.0, d);
  for (int steps = static_cast<int>(g() % 7) - 3; steps != 0; steps += steps < 0 ? 1 : -1)
    v = std::nextafter(v, steps < 0 ? -INFINITY : INFINITY);
  return v;
}

const Sweep sweeps[] = {
    {"ShownRangeOfResults", [](auto& g) { return uniform(g, -200, 2000); }},
    {"HalvesAndNeighbours", nearHalf},
    {"TypedDecimals", [](auto& g) { return static_cast<double>(g() % 2000001) / 1000 - 1000; }},
    {"LogUniformTinyToHuge",
     [](auto& g) { return std::pow(10.0, uniform(g, -30, 30)) * (g() % 2 ? 1 : -1); }},
    {"NearPowersOfTen",
     [](auto& g) {
       const double p = std::pow(10.0, static_cast<int>(g() % 40) - 20);
       return p * (1 + uniform(g, -1e-13, 1e-13));
     }},
    {"AnyBitPattern", [](auto& g) { return std::bit_cast<double>(g()); }},
};

void PrintTo(const Sweep& sweep, std::ostream* os) {
  *os << sweep.name;
}

class FastPath : public testing::TestWithParam<Sweep> {};

TEST_P(FastPath, GivesTheDigitByDigitText) {
  std::mt19937_64 g(20240611);
  int failures = 0;
  for (int i = 0; i < 20000 && failures < 5; ++i) {
    const double v = GetParam().draw(g);
    for (int d : {0, 1, 2, 3, 4, 6, 9, 17, 18, 25}) {
      const std::string want = referenceFormatFixed(v, d);
      if (formatFixed(v, d) == want) continue;
      ++failures;
      ADD_FAILURE() << std::hexfloat << v << " at " << d << " decimals: " << formatFixed(v, d)
                    << ", want " << want;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Families, FastPath, testing::ValuesIn(sweeps),
                         [](const auto& row) { return row.param.name; });

// Fixed values where a fault would hide: halves, extremes, signed zero.
TEST(FastPath, EdgeValuesGiveTheDigitByDigitText) {
  const double edges[] = {
      2.675,       1.005, -2.675, 0.125,   0.5,      1.5,     2.5,     -0.5,
      0.0,         -0.0,  1e-320, -1e-320, 4.9e-324, 0.00005, 9.99995, 999999.95,
      0.049999999, 1e11,  1e12,   1e15,    1e16,     1e300,   -1e308,  1.7976931348623157e308};
  for (double v : edges)
    for (int d = 0; d <= 20; ++d)
      EXPECT_EQ(formatFixed(v, d), referenceFormatFixed(v, d)) << v << " at " << d << " decimals";
}

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

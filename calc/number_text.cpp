#include "calc/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>

#include "calc/utf8.h"

namespace calc {
namespace {

// The ASCII character a code point stands for in a number, or 0 if it has no part in one.
// Chinese input methods type full-width digits, point, signs, e and space, and their full stop
// "。" where a decimal point is meant.
char asciiForm(char32_t cp) {
  if (cp < 0x80) return static_cast<char>(cp);
  if (cp >= U'０' && cp <= U'９') return static_cast<char>('0' + (cp - U'０'));
  switch (cp) {
    case U'．':
    case U'。':  // the input method's full stop, typed for the decimal point
      return '.';
    case U'＋':
      return '+';
    case U'－':
      return '-';
    case U'ｅ':
      return 'e';
    case U'Ｅ':
      return 'E';
    case U'\u3000':
      return ' ';
    default:
      return 0;
  }
}

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The ASCII form of text up to the first character that cannot belong to a number.
// allRead tells whether every character of text had an ASCII form.
std::string asciiPrefix(std::string_view text, bool& allRead) {
  std::string out;
  allRead = true;
  for (std::size_t i = 0; i < text.size();) {
    const char c = asciiForm(nextCodePoint(text, i));
    if (c == 0) {
      allRead = false;
      break;
    }
    out += c;
  }
  return out;
}

}  // namespace

namespace {

// The leading number of text, and whether it is all the text holds (blanks aside).
struct LeadingNumber {
  double value = 0;
  bool found = false;  // the text starts, after blanks, with a number
  bool whole = false;  // a number was read and nothing but blanks follows it
};

LeadingNumber readLeadingNumber(std::string_view text) {
  // Plain ASCII without NUL is its own ASCII form; only other text is converted (and copied).
  bool prefixIsAll = true;
  std::string converted;
  std::string_view s = text;
  const auto plain = [](char c) { return c != 0 && static_cast<unsigned char>(c) < 0x80; };
  if (!std::all_of(text.begin(), text.end(), plain)) {
    converted = asciiPrefix(text, prefixIsAll);
    s = converted;
  }
  std::size_t i = 0;
  while (i < s.size() && isBlank(s[i])) ++i;
  const bool negative = i < s.size() && s[i] == '-';
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const std::size_t mantissa = i;

  // Digits, point, fraction; the decimal exponent of the first significant digit is tracked so
  // that an out-of-range number can be told to overflow or underflow.
  long long leadExponent = 0;  // power of ten of the first nonzero digit, valid once seen
  bool seenNonzero = false, seenDigit = false;
  long long integerDigits = 0;
  while (i < s.size() && isDigit(s[i])) {
    seenDigit = true;
    if (s[i] != '0' && !seenNonzero) seenNonzero = true;
    if (seenNonzero) ++integerDigits;
    ++i;
  }
  leadExponent = integerDigits - 1;
  if (i < s.size() && s[i] == '.') {
    std::size_t j = i + 1;
    long long position = 0;
    while (j < s.size() && isDigit(s[j])) {
      ++position;
      if (s[j] != '0' && !seenNonzero) {
        seenNonzero = true;
        leadExponent = -position;
      }
      seenDigit = true;
      ++j;
    }
    if (seenDigit) i = j;  // "." alone is no number
  }
  if (!seenDigit) return {};
  std::size_t end = i;

  long long exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    bool expNegative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) expNegative = s[j++] == '-';
    if (j < s.size() && isDigit(s[j])) {
      for (; j < s.size() && isDigit(s[j]); ++j)
        if (exponent < 100000) exponent = exponent * 10 + (s[j] - '0');
      if (expNegative) exponent = -exponent;
      end = j;  // "20e" and "20e+" read as 20
    }
  }

  double value = 0;
  const char* first = s.data() + mantissa;
  const char* last = s.data() + end;
  const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    const bool overflow = seenNonzero && leadExponent + exponent > 0;
    value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc() || ptr != last) {
    value = 0;  // not reached: the scan above accepts only what from_chars reads
  }
  std::size_t rest = end;
  while (rest < s.size() && isBlank(s[rest])) ++rest;
  return {negative ? -value : value, true, prefixIsAll && rest == s.size()};
}

}  // namespace

double numericValue(std::string_view text) {
  return readLeadingNumber(text).value;
}

bool startsWithNumber(std::string_view text) {
  return readLeadingNumber(text).found;
}

std::optional<double> wholeNumber(std::string_view text) {
  const LeadingNumber n = readLeadingNumber(text);
  if (!n.whole) return std::nullopt;
  return n.value;
}

namespace {

// Writes N = digits·10^zeros (digits without leading zeros, or "0") with a point before its last
// `decimals` digits and zeros in front so that one digit stands before the point; a minus sign
// first when negative and N is not zero.
void appendScaled(std::string& out, bool negative, std::string_view digits, std::size_t zeros,
                  std::size_t decimals) {
  if (negative && digits != "0") out += '-';
  const std::size_t length = digits.size() + zeros;
  const std::size_t width = std::max(length, decimals + 1);
  const std::size_t point = width - decimals;  // digits before the point
  const std::size_t start = out.size();
  out.resize(start + width + (decimals > 0 ? 1 : 0));
  char* p = out.data() + start;
  std::size_t written = 0;
  const auto put = [&](char c) {
    if (written++ == point) *p++ = '.';
    *p++ = c;
  };
  for (std::size_t i = length; i < width; ++i) put('0');
  for (char c : digits) put(c);
  for (std::size_t i = 0; i < zeros; ++i) put('0');
}

// The exact rule, digit by digit: N = round half up of s·10^decimals, where s is the
// 15-significant-digit decimal form of |value|.
void appendExact(std::string& out, double value, int decimals) {
  char form[32];
  const auto [ptr, ec] =
      std::to_chars(form, form + sizeof form, std::abs(value), std::chars_format::scientific, 14);
  if (ec != std::errc()) return;  // not reached: 32 characters hold any double in this form
  // form is "d.dddddddddddddde±XX": the 15 digits, then the decimal exponent of the first.
  char digits[16];  // one spare place in front for a carry out of the first digit
  std::size_t count = 0;
  const char* p = form;
  for (; *p != 'e'; ++p)
    if (isDigit(*p)) digits[1 + count++] = *p;
  ++p;
  if (*p == '+') ++p;
  int e = 0;
  std::from_chars(p, ptr, e);

  const long long shift = static_cast<long long>(e) - 14 + decimals;
  if (shift >= 0) {  // s·10^decimals is a whole number: the 15 digits and zeros after them
    const std::string_view all(digits + 1, count);
    if (all.find_first_not_of('0') == std::string_view::npos)
      appendScaled(out, false, "0", 0, static_cast<std::size_t>(decimals));
    else
      appendScaled(out, value < 0, all, static_cast<std::size_t>(shift),
                   static_cast<std::size_t>(decimals));
    return;
  }
  const long long keep = static_cast<long long>(count) + shift;  // digits before the cut
  const bool roundUp = keep >= 0 && digits[1 + keep] >= '5';
  char* first = digits + 1;
  std::size_t kept = keep > 0 ? static_cast<std::size_t>(keep) : 0;
  if (kept == 0) {
    *first = '0';  // nothing is left before the cut
    kept = 1;
  }
  if (roundUp) {
    std::size_t k = kept;
    while (k > 0 && first[k - 1] == '9') first[--k] = '0';
    if (k == 0) {
      *--first = '1';
      ++kept;
    } else {
      ++first[k - 1];
    }
  }
  // A value below the last shown place with no round-up keeps a lone "0"; otherwise the first
  // kept digit is not zero (the 15 digits of a nonzero value start with one).
  std::string_view shown(first, kept);
  if (shown.find_first_not_of('0') == std::string_view::npos) shown = "0";
  appendScaled(out, value < 0, shown, 0, static_cast<std::size_t>(decimals));
}

// Powers of ten that a double holds exactly.
constexpr double powersOfTen[] = {1e0, 1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,
                                  1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17};

// The fast path: y = |value|·10^decimals in one multiplication, N = y rounded to the nearest
// whole number. y differs from the exact product by at most 1.2e-16·y, and s from |value| by at
// most half a unit of its 15th digit, 5e-15·|value|, so s·10^decimals lies within 1e-14·y of y.
// Unless a half lies that close to y, s·10^decimals and y round to the same N. False, having
// written nothing, where the fast path cannot be sure: near a half, or where y is too large for
// that margin to stay below 0.01.
bool appendFast(std::string& out, double value, int decimals) {
  if (decimals < 0 || decimals >= static_cast<int>(std::size(powersOfTen))) return false;
  const double y = std::abs(value) * powersOfTen[decimals];
  if (!(y < 1e12)) return false;
  const double whole = std::floor(y);
  const double fraction = y - whole;  // exact below 2^52
  if (std::abs(fraction - 0.5) <= y * 1e-14) return false;
  std::uint64_t n = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);

  // n has at most 13 digits and decimals is at most 17: with the point and a sign, at most 20
  // characters, written from the end.
  char text[24];
  char* p = std::end(text);
  const bool negative = value < 0 && n != 0;
  for (int i = 0; i < decimals; ++i, n /= 10) *--p = static_cast<char>('0' + n % 10);
  if (decimals > 0) *--p = '.';
  do {
    *--p = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n != 0);
  if (negative) *--p = '-';
  out.append(p, std::end(text));
  return true;
}

}  // namespace

bool appendFixed(std::string& out, double value, int decimals) {
  if (!std::isfinite(value) || decimals < 0) return false;
  if (!appendFast(out, value, decimals)) appendExact(out, value, decimals);
  return true;
}

std::string formatFixed(double value, int decimals) {
  std::string text;
  appendFixed(text, value, decimals);
  return text;
}

}  // namespace calc

#include "calc/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace calc {
namespace {

// Decodes one UTF-8 sequence at text[i]; returns its code point and advances i. Malformed bytes
// come back as U+FFFD, one byte at a time, so reading never runs past the text.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  int length = lead < 0x80           ? 1
               : (lead >> 5) == 0x6  ? 2
               : (lead >> 4) == 0xE  ? 3
               : (lead >> 3) == 0x1E ? 4
                                     : 0;
  if (length == 0 || i + length > text.size()) {
    ++i;
    return lead < 0x80 ? lead : U'\uFFFD';
  }
  char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return U'\uFFFD';
    }
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  i += length;
  return cp;
}

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
  bool whole = false;  // a number was read and nothing but blanks follows it
};

LeadingNumber readLeadingNumber(std::string_view text) {
  bool prefixIsAll = false;
  const std::string s = asciiPrefix(text, prefixIsAll);
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
  return {negative ? -value : value, prefixIsAll && rest == s.size()};
}

}  // namespace

double numericValue(std::string_view text) {
  return readLeadingNumber(text).value;
}

std::optional<double> wholeNumber(std::string_view text) {
  const LeadingNumber n = readLeadingNumber(text);
  if (!n.whole) return std::nullopt;
  return n.value;
}

std::string formatFixed(double value, int decimals) {
  if (!std::isfinite(value) || decimals < 0) return {};

  // The 15-significant-digit decimal form d.dddddddddddddd·10^e of |value|.
  char buf[32];
  const auto [ptr, ec] =
      std::to_chars(buf, buf + sizeof buf, std::abs(value), std::chars_format::scientific, 14);
  if (ec != std::errc()) return {};
  const std::string_view form(buf, ptr - buf);
  const std::size_t mark = form.find('e');
  std::string digits;
  for (char c : form.substr(0, mark))
    if (isDigit(c)) digits += c;
  std::string_view exponentText = form.substr(mark + 1);
  if (exponentText.front() == '+') exponentText.remove_prefix(1);
  int e = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), e);

  // The shown integer N = round(|value|·10^decimals) = round(digits·10^shift).
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
  // At least one digit before the point.
  if (n.size() < static_cast<std::size_t>(decimals) + 1)
    n.insert(0, static_cast<std::size_t>(decimals) + 1 - n.size(), '0');
  if (decimals > 0) n.insert(n.size() - static_cast<std::size_t>(decimals), 1, '.');
  const bool zero = n.find_first_not_of("0.") == std::string::npos;
  return value < 0 && !zero ? "-" + n : n;
}

}  // namespace calc

#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reading numbers from what a user typed and writing them for display, independent of the locale.
namespace calc {

// The value of the longest leading decimal number of text (UTF-8) after leading white space:
// optional sign, digits with an optional point and fraction, optional exponent. No number reads 0.
// Full-width digits, point, signs, e and space read as their ASCII forms, and the ideographic
// full stop "。" as a decimal point ("25。5" reads 25.5). Too large for a double
// reads as +inf or -inf.
double numericValue(std::string_view text);

// Whether numericValue finds a number at the start of text: false for "", "abc", "-", "." and
// "abc25", which it reads as 0 for want of one. Dialogs refuse such a value instead of guessing 0.
bool startsWithNumber(std::string_view text);

// The value of text when it is one number as numericValue reads it, with nothing but blanks around
// it; empty otherwise ("", "abc", "25 Pa"). For settings that must not be guessed at.
std::optional<double> wholeNumber(std::string_view text);

// value with exactly `decimals` digits after the point and at least one before it, no grouping,
// rounded half away from zero on its 15-significant-digit decimal form. A value that rounds to zero
// has no minus sign. Non-finite values give an empty text.
std::string formatFixed(double value, int decimals);

// Appends formatFixed(value, decimals) to out, reusing its storage; false (nothing appended) for
// a non-finite value or negative decimals. Away from a rounding half it takes one multiplication;
// near one it falls back to the digit-by-digit rule.
bool appendFixed(std::string& out, double value, int decimals);

}  // namespace calc

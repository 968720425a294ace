#pragma once

#include <string>
#include <string_view>
#include <vector>

// How strings and numbers go into a DXF file: every value is one line of valid UTF-8.
namespace dxf {

// s with each ill-formed UTF-8 sequence (a stray or missing continuation byte, an overlong form, a
// surrogate, a code point beyond U+10FFFF) replaced by U+FFFD.
std::string validUtf8(std::string_view s);

// A name of a layer, linetype or text style as CAD programs take it: valid UTF-8, control
// characters and < > / \ " : ; ? * | = ` (which the programs refuse in a name) replaced by '_', at
// most 255 characters, blanks at either end trimmed; "_" for a name left empty. A name so made
// comes back unchanged.
std::string tableName(std::string_view s);

// Whether two names are the same to a CAD program: equal but for the case of ASCII letters.
bool sameName(std::string_view a, std::string_view b);

// The content of a text block (MTEXT) that shows s as it is: lines ('\n') become paragraph breaks,
// other control characters blanks; the characters the format reads as codes are escaped (\ { }
// with a backslash, ^ as "^ ", and the second % of "%%" set apart so that no %%d, %%c or %%p
// turns into a symbol).
std::string textContent(std::string_view s);

// content cut into pieces of at most `most` bytes (at least 8) for the MTEXT groups 3 … 3 1: never
// inside a UTF-8 character, nor between a ^ and the character after it.
std::vector<std::string_view> textChunks(std::string_view content, std::size_t most = 250);

// A coordinate or length as the file writes it: fixed point, at most six decimals, no trailing
// zeros, "0" for −0 and for a value that is not finite.
std::string number(double value);

}  // namespace dxf

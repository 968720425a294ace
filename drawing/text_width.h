#pragma once

#include <string_view>

// How wide a text is on the drawing, from a fixed table of glyph widths rather than from the fonts
// installed, so that the drawing comes out the same on every machine. The widths are those of a
// common sans-serif Latin (digits and letters) beside full-width CJK characters, a little
// generous, so that a label's box holds its text in the usual CAD fonts for Chinese too.
namespace drawing {

// The advance of the character c, in text heights (the height of a capital letter).
double glyphWidth(char32_t c);

// The width, mm, of the widest line of text (UTF-8, lines separated by '\n') at a text height of
// height mm. Bytes that are not UTF-8 count as full-width characters.
double textWidth(std::string_view text, double height);

}  // namespace drawing

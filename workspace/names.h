#pragma once

#include <string_view>

// What a name given by the user (a point's, a zone's) may not hold, as UTF-8.
namespace workspace {

// Whether text holds a mark that sets or overrides the direction of text: embeddings and
// overrides (U+202A–U+202E), isolates (U+2066–U+2069), the left-to-right and right-to-left marks
// (U+200E, U+200F) or the Arabic letter mark (U+061C). Such a mark would turn a label's figures
// around on the chart and in the tables.
bool turnsDirection(std::string_view utf8);

// Whether text holds a control character: C0 (below U+0020), DEL or C1 (U+0080–U+009F).
bool hasControl(std::string_view utf8);

// The number of characters (code points) of well-formed UTF-8.
std::size_t characters(std::string_view utf8);

}  // namespace workspace

#pragma once

#include <QString>
#include <string_view>

class QLabel;

// A caption with a raised suffix, such as the 3 of kg/m³, drawn as two labels.
namespace ui {

// The suffix in superscript characters as calc::superscriptText writes it ("3" → "³").
QString superscriptText(std::string_view suffix);

// Sizes base to its caption and puts sup, in a smaller font, right after the caption's last
// character with its baseline raised, so the two read as one caption whatever the font.
void placeSuperscript(QLabel& base, QLabel& sup);

}  // namespace ui

#include "drawing/text_width.h"

#include <algorithm>

namespace drawing {
namespace {

constexpr double fullWidth = 1.55;  // CJK, full-width forms, ℃ and the symbols of CJK fonts

// The widths of printable ASCII, from the space (0x20) to the tilde (0x7E).
constexpr double ascii[95] = {
    0.48, 0.58, 0.69, 1.22, 0.95, 1.38, 1.17, 0.42, 0.58, 0.58, 0.74, 1.22, 0.53, 0.58, 0.53, 0.53,
    0.95, 0.95, 0.95, 0.95, 0.95, 0.95, 0.95, 0.95, 0.95, 0.95, 0.53, 0.53, 1.22, 1.22, 1.22, 0.8,
    1.48, 1.01, 1.01, 1.06, 1.17, 0.95, 0.85, 1.17, 1.11, 0.48, 0.48, 0.95, 0.85, 1.27, 1.11, 1.17,
    0.9,  1.17, 1.01, 0.95, 0.9,  1.06, 1.01, 1.48, 1.01, 0.9,  1.01, 0.58, 0.53, 0.58, 1.22, 0.74,
    0.74, 0.9,  0.95, 0.8,  0.95, 0.9,  0.53, 0.95, 0.95, 0.42, 0.42, 0.85, 0.42, 1.43, 0.95, 0.9,
    0.95, 0.95, 0.64, 0.8,  0.58, 0.95, 0.9,  1.22, 0.9,  0.9,  0.8,  0.95, 0.53, 0.95, 1.22,
};

// The next code point of text from i, moving i past it; U+FFFD for a byte that starts no UTF-8
// sequence.
char32_t next(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned b0 = byte(i++);
  const std::size_t n = b0 < 0x80 ? 0 : b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : 4;
  if (n == 0) return b0;
  if (n == 4 || i + n > text.size()) return 0xFFFD;
  char32_t c = b0 & (0x3F >> n);
  for (std::size_t k = 0; k < n; ++k) {
    if ((byte(i) & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (byte(i++) & 0x3F);
  }
  return c;
}

}  // namespace

double glyphWidth(char32_t c) {
  if (c >= 0x20 && c <= 0x7E) return ascii[c - 0x20];
  // Characters that take no room: controls, the isolates and marks that set a text's direction,
  // zero-width spaces and joiners.
  if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x200B && c <= 0x200F) ||
      (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF)
    return 0;
  // Latin letters with marks, Greek, Cyrillic and the general punctuation: about a Latin
  // capital.
  if (c <= 0x04FF || (c >= 0x2000 && c <= 0x206F)) return 1.0;
  return fullWidth;
}

double textWidth(std::string_view text, double height) {
  double widest = 0, line = 0;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = next(text, i);
    if (c == '\n') {
      widest = std::max(widest, line);
      line = 0;
    } else {
      line += glyphWidth(c);
    }
  }
  return std::max(widest, line) * height;
}

}  // namespace drawing

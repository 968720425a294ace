#include "dxf/strings.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace dxf {
namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD";  // U+FFFD

// The code point starting at s[i] and its length in bytes; 0 bytes for an ill-formed sequence.
struct Decoded {
  char32_t c = 0;
  std::size_t length = 0;
};

Decoded decode(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned b0 = byte(i);
  if (b0 < 0x80) return {b0, 1};
  std::size_t n = 0;
  char32_t c = 0, least = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    n = 2, c = b0 & 0x1F, least = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    n = 3, c = b0 & 0x0F, least = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    n = 4, c = b0 & 0x07, least = 0x10000;
  } else {
    return {};
  }
  if (i + n > s.size()) return {};
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return {};
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {};
  return {c, n};
}

bool isControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Calls each(code point, its bytes) over valid UTF-8 text.
template <class F>
void forEach(std::string_view valid, F each) {
  for (std::size_t i = 0; i < valid.size();) {
    const Decoded d = decode(valid, i);
    each(d.c, valid.substr(i, d.length));
    i += d.length;
  }
}

}  // namespace

std::string validUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const Decoded d = decode(s, i);
    if (d.length == 0) {
      out += replacement;
      ++i;
    } else {
      out += s.substr(i, d.length);
      i += d.length;
    }
  }
  return out;
}

std::string tableName(std::string_view s) {
  const std::string valid = validUtf8(s);
  constexpr std::string_view refused = "<>/\\\":;?*|=`";
  std::string out;
  std::size_t count = 0;
  forEach(valid, [&](char32_t c, std::string_view bytes) {
    if (count++ >= 255) return;
    if (isControl(c) || (c < 0x80 && refused.find(static_cast<char>(c)) != refused.npos))
      out += '_';
    else
      out += bytes;
  });
  // Blanks trimmed last, so that a name cut short is trimmed too and a name read again stays.
  const std::size_t first = out.find_first_not_of(' ');
  if (first == std::string::npos) return "_";
  return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

std::string textContent(std::string_view s) {
  const std::string valid = validUtf8(s);
  std::string out;
  out.reserve(valid.size() + 8);
  char32_t before = 0;
  forEach(valid, [&](char32_t c, std::string_view bytes) {
    if (c == '\n') {
      out += "\\P";
    } else if (c == '\r') {
      // A CR LF is one break; a CR alone a blank.
    } else if (isControl(c)) {
      out += ' ';
    } else if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '^') {
      out += "^ ";
    } else if (c == '%' && before == '%') {
      out += "{}%";
    } else {
      out += bytes;
    }
    before = c;
  });
  return out;
}

std::vector<std::string_view> textChunks(std::string_view content, std::size_t most) {
  most = std::max<std::size_t>(most, 8);
  std::vector<std::string_view> chunks;
  while (content.size() > most) {
    std::size_t cut = most;
    while (cut > 1 &&
           ((static_cast<unsigned char>(content[cut]) & 0xC0) == 0x80 || content[cut - 1] == '^'))
      --cut;
    chunks.push_back(content.substr(0, cut));
    content.remove_prefix(cut);
  }
  chunks.push_back(content);
  return chunks;
}

std::string number(double value) {
  if (!std::isfinite(value) || value == 0) return "0";
  char buffer[400];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  if (error != std::errc()) return "0";
  std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  while (text.back() == '0') text.remove_suffix(1);
  if (text.back() == '.') text.remove_suffix(1);
  if (text == "-0") return "0";
  return std::string(text);
}

}  // namespace dxf

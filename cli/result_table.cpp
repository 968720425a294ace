#include "cli/result_table.h"

#include <algorithm>

namespace cli {
namespace {

std::string_view superscriptOf(char c) {
  static constexpr std::string_view digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  if (c >= '0' && c <= '9') return digits[c - '0'];
  if (c == '-') return "⁻";
  if (c == '+') return "⁺";
  return {};
}

bool isWide(char32_t cp) {
  struct Range {
    char32_t first, last;
  };
  static constexpr Range wide[] = {
      {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
      {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
      {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F},
      {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
  };
  return std::any_of(std::begin(wide), std::end(wide),
                     [cp](const Range& r) { return cp >= r.first && cp <= r.last; });
}

}  // namespace

std::string resultLabel(const calc::OutputInfo& output) {
  std::string label(output.caption);
  for (char c : output.superscript) {
    const std::string_view raised = superscriptOf(c);
    if (raised.empty())
      label += c;
    else
      label += raised;
  }
  return label;
}

std::size_t displayWidth(std::string_view text) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    bool wellFormed = length != 0 && i + length <= text.size();
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; wellFormed && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      wellFormed = (next & 0xC0) == 0x80;
      cp = (cp << 6) | (next & 0x3F);
    }
    if (!wellFormed) {
      ++width;
      ++i;
      continue;
    }
    width += isWide(cp) ? 2 : 1;
    i += length;
  }
  return width;
}

std::string resultTable(const TextWindow& window) {
  std::size_t column = 0;
  for (const calc::OutputInfo& o : calc::outputs)
    column = std::max(column, displayWidth(resultLabel(o)));
  column += 2;

  std::string table;
  for (const calc::OutputInfo& o : calc::outputs) {
    const std::string label = resultLabel(o);
    table += label;
    table.append(column - displayWidth(label), ' ');
    table += window.result(o.field);
    table += '\n';
  }
  return table;
}

}  // namespace cli

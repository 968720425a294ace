#include "cli/result_table.h"

#include <algorithm>

#include "calc/utf8.h"

namespace cli {
namespace {

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

std::size_t displayWidth(std::string_view text) {
  std::size_t width = 0;
  // A malformed byte decodes as U+FFFD, which is not wide: one column.
  for (std::size_t i = 0; i < text.size();) width += isWide(calc::nextCodePoint(text, i)) ? 2u : 1u;
  return width;
}

std::string resultTable(const std::array<std::string, calc::outputs.size()>& texts) {
  std::size_t column = 0;
  for (const calc::OutputInfo& o : calc::outputs)
    column = std::max(column, displayWidth(calc::shownCaption(o)));
  column += 2;

  std::string table;
  for (std::size_t i = 0; i < calc::outputs.size(); ++i) {
    const std::string label = calc::shownCaption(calc::outputs[i]);
    table += label;
    table.append(column - displayWidth(label), ' ');
    table += texts[i];
    table += '\n';
  }
  return table;
}

}  // namespace cli

#include "calc/copied_results.h"

#include "calc/arithmetic_names.h"
#include "calc/pressure_setting.h"

namespace calc {
namespace {

void appendCell(std::string& out, std::string_view text) {
  for (char c : text) out += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c;
}

void appendLine(std::string& out, std::string_view caption, std::string_view value) {
  appendCell(out, caption);
  out += '\t';
  appendCell(out, value);
  out += '\n';
}

}  // namespace

std::string copiedResults(CopiedValue first, CopiedValue second, double pa,
                          const std::array<std::string, outputs.size()>& results,
                          psychro::Arithmetic m) {
  std::string out;
  appendLine(out, first.caption, first.text);
  appendLine(out, second.caption, second.text);
  appendLine(out, "大气压力 Pa", pressureText(pa));
  if (m != psychro::Arithmetic::classic) appendLine(out, arithmeticCaption, arithmeticName(m));
  for (std::size_t i = 0; i < outputs.size(); ++i)
    appendLine(out, shownCaption(outputs[i]), results[i]);
  return out;
}

}  // namespace calc

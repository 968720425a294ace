#include "calc/outputs.h"

namespace calc {

std::string superscriptText(std::string_view suffix) {
  static constexpr std::string_view digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string raised;
  for (char c : suffix) {
    if (c >= '0' && c <= '9')
      raised += digits[c - '0'];
    else if (c == '-')
      raised += "⁻";
    else if (c == '+')
      raised += "⁺";
    else
      raised += c;
  }
  return raised;
}

std::string shownCaption(const OutputInfo& output) {
  return std::string(output.caption) + superscriptText(output.superscript);
}

}  // namespace calc

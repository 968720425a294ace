#include "calc/field.h"

#include <cmath>
#include <optional>

#include "calc/messages.h"
#include "calc/number_text.h"

namespace calc {

std::variant<double, FieldProblem> readField(std::string_view text) {
  if (text.find_first_not_of(" \t") == std::string_view::npos) return FieldProblem::missing;
  if (const std::optional<double> v = wholeNumber(text))
    return std::isfinite(*v) ? std::variant<double, FieldProblem>(*v) : FieldProblem::tooLarge;
  // A comma after a leading number is taken for a decimal comma: "25,5", "101，3".
  if (startsWithNumber(text) &&
      (text.find(',') != std::string_view::npos || text.find("，") != std::string_view::npos))
    return FieldProblem::decimalComma;
  return FieldProblem::notANumber;
}

std::string fieldWords(FieldProblem problem, std::string_view caption) {
  switch (problem) {
    case FieldProblem::missing:
      return std::string(words(psychro::Outcome::missingInput));
    case FieldProblem::notANumber:
      return "「" + std::string(caption) + "」不是数字";
    case FieldProblem::tooLarge:
      return "「" + std::string(caption) + "」超界";
    case FieldProblem::decimalComma:
      return "「" + std::string(caption) + "」不是数字（小数点请用“.”）";
  }
  return {};
}

}  // namespace calc

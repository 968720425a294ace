#pragma once

#include <string>
#include <string_view>
#include <variant>

// A value typed into one of the program's own dialogs (not the main window's boxes, which read a
// leading number as they always have): it must be one number and nothing else.
namespace calc {

enum class FieldProblem {
  missing,       // empty, or blanks only
  notANumber,    // anything but one number with blanks around it ("abc", "25 Pa")
  tooLarge,      // a number too large for a double ("1e999")
  decimalComma,  // a number written with a decimal comma ("25,5"), answered with a hint
};

// The value of text: one number as numericValue reads it (full-width digits and "。" too), blanks
// at either end allowed; or why it is none.
std::variant<double, FieldProblem> readField(std::string_view text);

// The words of a problem of the field captioned caption: "请输入具体参数", "「caption」不是数字",
// "「caption」超界", "「caption」不是数字（小数点请用“.”）".
std::string fieldWords(FieldProblem problem, std::string_view caption);

}  // namespace calc

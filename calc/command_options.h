#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "calc/pressure_setting.h"

// Reading the options both programs take on their command lines, torvale and torvale-calc alike.
namespace calc {

// An option given with a value: "--name VALUE" or "--name=VALUE".
struct OptionValue {
  bool present = false;  // the word is this option
  bool missing = false;  // "--name" is the last word, with no value after it (value is empty)
  std::string_view value;
};

// The value of option name at words[i]; when the value is the next word, i moves past it.
// present is false when words[i] is not this option ("--names" is not "--name").
OptionValue optionValue(std::span<const std::string_view> words, std::size_t& i,
                        std::string_view name);

// The total pressure an option at words[i] sets: "--pressure PA" or "--altitude M" (also with
// "="), read by readPressure in Pa or in metres of altitude.
struct PressureOption {
  std::string_view name;  // "--pressure" or "--altitude"; empty when words[i] is neither
  OptionValue given;
  PressureReading reading;

  bool present() const { return !name.empty(); }
};
PressureOption pressureOption(std::span<const std::string_view> words, std::size_t& i);

// The words of a usage error that both programs give: "未知选项 --presure".
inline constexpr std::string_view unknownOption = "未知选项 ";

}  // namespace calc

#include "calc/command_options.h"

namespace calc {

OptionValue optionValue(std::span<const std::string_view> words, std::size_t& i,
                        std::string_view name) {
  const std::string_view word = words[i];
  OptionValue v;
  if (word == name) {
    v.present = true;
    if (i + 1 < words.size())
      v.value = words[++i];
    else
      v.missing = true;
  } else if (word.starts_with(name) && word.size() > name.size() && word[name.size()] == '=') {
    v.present = true;
    v.value = word.substr(name.size() + 1);
  }
  return v;
}

PressureOption pressureOption(std::span<const std::string_view> words, std::size_t& i) {
  struct Kind {
    std::string_view name;
    PressureUnit unit;
  };
  static constexpr Kind kinds[] = {{"--pressure", PressureUnit::pascal},
                                   {"--altitude", PressureUnit::metre}};
  for (const Kind& k : kinds) {
    const OptionValue given = optionValue(words, i, k.name);
    if (given.present) return {k.name, given, readPressure(given.value, k.unit)};
  }
  return {};
}

}  // namespace calc

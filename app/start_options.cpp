#include "app/start_options.h"

#include <optional>
#include <utility>

#include "calc/messages.h"
#include "calc/pressure_setting.h"

namespace app {
namespace {

// The value of option name at args[i]: after "=" in the same word, or the next word (then i moves
// past it). Empty when the word is not this option; a missing value reads as an empty text.
std::optional<std::string_view> optionValue(std::span<const std::string> args, std::size_t& i,
                                            std::string_view name) {
  const std::string_view word = args[i];
  if (word == name) return ++i < args.size() ? std::string_view(args[i]) : std::string_view();
  if (word.starts_with(name) && word.substr(name.size()).starts_with('='))
    return word.substr(name.size() + 1);
  return std::nullopt;
}

}  // namespace

StartOptions readStartOptions(std::span<const std::string> args) {
  StartOptions o;
  int pressureOptions = 0;
  auto fail = [&o](std::string message) {
    if (o.error.empty()) o.error = std::move(message);
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string word = args[i];
    std::optional<std::string_view> value;
    calc::PressureUnit unit = calc::PressureUnit::pascal;
    if ((value = optionValue(args, i, "--pressure"))) {
      unit = calc::PressureUnit::pascal;
    } else if ((value = optionValue(args, i, "--altitude"))) {
      unit = calc::PressureUnit::metre;
    } else if (word == "--help" || word == "-h") {
      o.help = true;
      continue;
    } else if (word == "--quit-after-first-paint") {
      o.quitAfterFirstPaint = true;
      continue;
    } else {
      fail("未知选项 " + word);
      continue;
    }
    if (++pressureOptions > 1) fail("--pressure 与 --altitude 只能给出其中一个，且只能一次");
    const calc::PressureReading reading = calc::readPressure(*value, unit);
    if (reading.ok()) {
      o.pa = reading.pa;
      continue;
    }
    std::string message = word.substr(0, word.find('='));
    message += ' ';
    message += value->empty() ? std::string_view("缺少数值") : *value;
    message += "：";
    message += calc::words(reading.outcome);
    fail(std::move(message));
  }
  return o;
}

}  // namespace app

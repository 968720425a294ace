#include "app/start_options.h"

#include <string_view>
#include <utility>
#include <vector>

#include "calc/arithmetic_names.h"
#include "calc/command_options.h"
#include "calc/messages.h"

namespace app {

StartOptions readStartOptions(std::span<const std::string> args) {
  StartOptions o;
  int pressureOptions = 0, modelOptions = 0;
  auto fail = [&o](std::string message) {
    if (o.error.empty()) o.error = std::move(message);
  };
  const std::vector<std::string_view> words(args.begin(), args.end());
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string_view word = words[i];
    if (const calc::OptionValue model = calc::optionValue(words, i, "--model"); model.present) {
      if (++modelOptions > 1) fail("--model 只能给出一次");
      if (const std::optional<psychro::Arithmetic> m = calc::arithmeticOfModelName(model.value))
        o.arithmetic = *m;
      else if (model.missing)
        fail("--model 后须给出计算方法：ashrae 或 classic");
      else
        fail("--model：无法识别的计算方法 \"" + std::string(model.value) +
             "\"：应为 ashrae 或 classic");
      continue;
    }
    const calc::PressureOption pressure = calc::pressureOption(words, i);
    if (!pressure.present()) {
      if (word == "--help" || word == "-h")
        o.help = true;
      else if (word == "--quit-after-first-paint")
        o.quitAfterFirstPaint = true;
      else if (!word.empty() && word.front() != '-' && o.workspaceFile.empty())
        o.workspaceFile = word;
      else
        fail(std::string(calc::unknownOption) + std::string(word));
      continue;
    }
    if (++pressureOptions > 1) fail("--pressure 与 --altitude 只能给出其中一个，且只能一次");
    if (pressure.reading.ok()) {
      o.pa = pressure.reading.pa;
      continue;
    }
    std::string message(pressure.name);
    message += ' ';
    message += pressure.given.value.empty() ? std::string_view("缺少数值") : pressure.given.value;
    message += "：";
    message += calc::words(pressure.reading.outcome);
    fail(std::move(message));
  }
  return o;
}

}  // namespace app

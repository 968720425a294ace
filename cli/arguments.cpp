#include "cli/arguments.h"

#include <string_view>
#include <vector>

#include "calc/messages.h"
#include "calc/pressure_setting.h"
#include "cli/mode.h"

namespace cli {
namespace {

// The value of an option "--name VALUE" or "--name=VALUE" at args[i] (advancing i past it), or
// empty with present false when the word is not that option.
struct OptionValue {
  bool present = false;
  bool missing = false;  // the option is the last word, with no value after it
  std::string_view value;
};

OptionValue optionValue(std::span<const char* const> args, std::size_t& i, std::string_view name) {
  const std::string_view word = args[i] != nullptr ? args[i] : "";
  OptionValue v;
  if (word == name) {
    v.present = true;
    if (i + 1 < args.size() && args[i + 1] != nullptr)
      v.value = args[++i];
    else
      v.missing = true;
  } else if (word.starts_with(name) && word.size() > name.size() && word[name.size()] == '=') {
    v.present = true;
    v.value = word.substr(name.size() + 1);
  }
  return v;
}

}  // namespace

Arguments parseArguments(std::span<const char* const> args) {
  Arguments a;
  std::vector<std::string_view> values;
  std::string_view unknown;  // the first mistyped option
  std::string problem;       // the first unusable option value
  bool csv = false, help = false, version = false, optionsEnded = false;
  bool mode = false, columns = false, encoding = false;
  int modeOptions = 0, pressureOptions = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view word = args[i] != nullptr ? args[i] : "";
    if (optionsEnded) {
      values.push_back(word);
      continue;
    }
    const OptionValue pair = optionValue(args, i, "--pair");
    const OptionValue pressure = optionValue(args, i, "--pressure");
    const OptionValue altitude = optionValue(args, i, "--altitude");
    const OptionValue logMode = optionValue(args, i, "--mode");
    const OptionValue logColumns = optionValue(args, i, "--columns");
    const OptionValue logEncoding = optionValue(args, i, "--encoding");
    if (logMode.present) {
      mode = true;
      std::string error;
      if (const std::optional<calc::Pair> p = modePair(logMode.value, error))
        a.logPair = *p;
      else if (problem.empty())
        // A word without "+" is no route name; one with "+" is a pair that modePair explains.
        problem = logMode.missing ? "--mode 后须给出方式，如 rh 或 t+tl"
                  : logMode.value.find('+') == std::string_view::npos
                      ? "--mode：无法识别的方式 \"" + std::string(logMode.value) +
                            "\"：应为 tw、rh 或参数组合 A+B"
                      : "--mode：" + error;
    } else if (logColumns.present) {
      columns = true;
      const std::size_t comma = logColumns.value.find(',');
      const auto blank = [](std::string_view s) {
        return s.find_first_not_of(" \t") == std::string_view::npos;
      };
      if (comma == std::string_view::npos ||
          logColumns.value.find(',', comma + 1) != std::string_view::npos ||
          blank(logColumns.value.substr(0, comma)) || blank(logColumns.value.substr(comma + 1))) {
        if (problem.empty()) problem = "--columns 须为两列 A,B，每列是从 1 起的列号或表头中的列名";
      } else {
        a.columns = {std::string(logColumns.value.substr(0, comma)),
                     std::string(logColumns.value.substr(comma + 1))};
      }
    } else if (logEncoding.present) {
      encoding = true;
      if (const std::optional<Encoding> e = encodingNamed(logEncoding.value))
        a.encoding = *e;
      else if (problem.empty())
        problem = "--encoding 只接受 utf-8 或 gb18030（gbk）";
    } else if (word == "--bom") {
      a.bom = true;
    } else if (pair.present) {
      ++modeOptions;
      std::string error;
      if (const std::optional<calc::Pair> p = calc::pairNamed(pair.value, error)) {
        a.pair = *p;
        a.index = p->second == psychro::Quantity::rh && p->first == psychro::Quantity::t;
      } else if (problem.empty()) {
        problem = pair.missing ? "--pair 后须给出参数组合，如 h+rh" : error;
      }
    } else if (pressure.present || altitude.present) {
      ++pressureOptions;
      const calc::PressureReading r = calc::readPressure(
          pressure.present ? pressure.value : altitude.value,
          pressure.present ? calc::PressureUnit::pascal : calc::PressureUnit::metre);
      if (r.ok())
        a.pressure = r.pa;
      else if (problem.empty())
        problem = std::string(pressure.present ? "--pressure：" : "--altitude：") +
                  std::string(calc::words(r.outcome));
    } else if (word == "--") {
      optionsEnded = true;
    } else if (word == "--help" || word == "-h") {
      help = true;
    } else if (word == "--version") {
      version = true;
    } else if (word == "--csv") {
      csv = true;
    } else if (word == "--tw" || word == "--rh") {
      a.index = word == "--rh" ? 1 : 0;
      a.pair = {psychro::Quantity::t, a.index == 1 ? psychro::Quantity::rh : psychro::Quantity::tw};
      ++modeOptions;
    } else if (word.starts_with("--")) {
      // No number is written with two leading minus signs: this is a mistyped option.
      if (unknown.empty()) unknown = word;
    } else {
      values.push_back(word);
    }
  }

  if (help) {
    a.action = Action::help;
  } else if (version) {
    a.action = Action::version;
  } else if (!unknown.empty()) {
    a.error = "未知选项 " + std::string(unknown);
  } else if (!problem.empty()) {
    a.error = problem;
  } else if (modeOptions > 1) {
    a.error = "--tw、--rh 与 --pair 只能给出其中一个";
  } else if (pressureOptions > 1) {
    a.error = "--pressure 与 --altitude 只能给出其中一个";
  } else if (mode != columns) {
    a.error = "--mode 与 --columns 须一起给出";
  } else if ((mode || encoding || a.bom) && !csv) {
    a.error = "--mode、--columns、--encoding 与 --bom 只用于 --csv";
  } else if (a.encoding == Encoding::gb18030 && !mode) {
    a.error = "--encoding gb18030 只用于带 --mode 与 --columns 的日志 CSV";
  } else if (a.encoding == Encoding::gb18030 && a.bom) {
    a.error = "--bom 只用于 UTF-8 输出";
  } else if (csv && modeOptions > 0) {
    a.error = "--csv 的每条记录自带方式，不能再给 --tw、--rh 或 --pair";
  } else if (csv && values.size() > 1) {
    a.error = "--csv 只接受一个输入文件";
  } else if (csv) {
    a.action = Action::batch;
    a.log = mode;
    if (!values.empty()) a.input = values.front();
  } else if (values.size() != 2) {
    a.error = "需要两个数值：干球温度 T 和 X（湿球温度或相对湿度），或 --pair 所列的两个值";
  } else {
    a.action = Action::single;
    a.t = values[0];
    a.x = values[1];
  }
  return a;
}

}  // namespace cli

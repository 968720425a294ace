#include "cli/arguments.h"

#include <string_view>
#include <vector>

#include "calc/arithmetic_names.h"
#include "calc/command_options.h"
#include "calc/messages.h"
#include "cli/dxf_output.h"
#include "cli/mode.h"

namespace cli {

Arguments parseArguments(std::span<const char* const> args) {
  std::vector<std::string_view> words;
  words.reserve(args.size());
  for (const char* arg : args) words.emplace_back(arg != nullptr ? arg : "");
  using calc::optionValue;

  Arguments a;
  std::vector<std::string_view> values;
  std::string_view unknown;  // the first mistyped option
  std::string problem;       // the first unusable option value
  bool csv = false, help = false, version = false, optionsEnded = false;
  bool mode = false, columns = false, encoding = false, workspace = false, epw = false;
  int modeOptions = 0, pressureOptions = 0, modelOptions = 0;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string_view word = words[i];
    if (optionsEnded) {
      values.push_back(word);
      continue;
    }
    // Each word is read as one option at most: a word taken as an option's value is not read again
    // as an option of its own.
    if (const calc::OptionValue logMode = optionValue(words, i, "--mode"); logMode.present) {
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
    } else if (const calc::OptionValue logColumns = optionValue(words, i, "--columns");
               logColumns.present) {
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
    } else if (const calc::OptionValue logEncoding = optionValue(words, i, "--encoding");
               logEncoding.present) {
      encoding = true;
      if (const std::optional<Encoding> e = encodingNamed(logEncoding.value))
        a.encoding = *e;
      else if (problem.empty())
        problem = "--encoding 只接受 utf-8 或 gb18030（gbk）";
    } else if (const calc::OptionValue file = optionValue(words, i, "--workspace"); file.present) {
      workspace = true;
      if (file.missing && problem.empty()) problem = "--workspace 后须给出工作区文件";
      a.workspace = file.value;
    } else if (const calc::OptionValue out = optionValue(words, i, "--dxf"); out.present) {
      if ((out.missing || out.value.empty()) && problem.empty())
        problem = "--dxf 后须给出图形文件（.dxf）";
      a.dxf = out.value;
    } else if (const calc::OptionValue paper = optionValue(words, i, "--paper"); paper.present) {
      workspace::PageSetup page;
      if (!readPaper(paper.value, page) && problem.empty())
        problem = "--paper 只接受 A4、A3 或 A2，可加 ,landscape（横向）或 ,portrait（竖向）";
      a.paper = paper.value;
    } else if (const calc::OptionValue weather = optionValue(words, i, "--epw"); weather.present) {
      epw = true;
      if (weather.missing && problem.empty()) problem = "--epw 后须给出气象文件（.epw）";
      a.weather = weather.value;
    } else if (word == "--zones") {
      a.zones = true;
    } else if (const calc::OptionValue model = optionValue(words, i, "--model"); model.present) {
      ++modelOptions;
      if (const std::optional<psychro::Arithmetic> m = calc::arithmeticOfModelName(model.value))
        a.model = *m;
      else if (problem.empty())
        problem = model.missing ? "--model 后须给出计算方法：ashrae 或 classic"
                                : "--model：无法识别的计算方法 \"" + std::string(model.value) +
                                      "\"：应为 ashrae 或 classic";
    } else if (word == "--bom") {
      a.bom = true;
    } else if (const calc::OptionValue pair = optionValue(words, i, "--pair"); pair.present) {
      ++modeOptions;
      std::string error;
      if (const std::optional<calc::Pair> p = calc::pairNamed(pair.value, error)) {
        a.pair = *p;
      } else if (problem.empty()) {
        problem = pair.missing ? "--pair 后须给出参数组合，如 h+rh" : error;
      }
    } else if (const calc::PressureOption pressure = calc::pressureOption(words, i);
               pressure.present()) {
      ++pressureOptions;
      if (pressure.reading.ok())
        a.pressure = pressure.reading.pa;
      else if (problem.empty())
        problem =
            std::string(pressure.name) + "：" + std::string(calc::words(pressure.reading.outcome));
    } else if (word == "--") {
      optionsEnded = true;
    } else if (word == "--help" || word == "-h") {
      help = true;
    } else if (word == "--version") {
      version = true;
    } else if (word == "--csv") {
      csv = true;
    } else if (word == "--tw" || word == "--rh") {
      a.pair = *calc::selectedPair(word == "--rh" ? 1 : 0);
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
    a.error = std::string(calc::unknownOption) + std::string(unknown);
  } else if (!problem.empty()) {
    a.error = problem;
  } else if (workspace && (csv || modeOptions > 0 || pressureOptions > 0 || a.bom || mode ||
                           columns || encoding || !values.empty())) {
    a.error = "--workspace 只打印工作区文件，不能与其他选项或数值一起给出（大气压力取自文件）";
  } else if (modelOptions > 1) {
    a.error = "--model 只能给出一次";
  } else if (!a.dxf.empty() && !workspace) {
    a.error = "--dxf 只用于 --workspace";
  } else if (!a.paper.empty() && a.dxf.empty()) {
    a.error = "--paper 只用于 --dxf";
  } else if (workspace) {
    a.action = Action::workspace;
  } else if (a.zones && !epw) {
    a.error = "--zones 只用于 --epw";
  } else if (epw && (csv || modeOptions > 0 || mode || columns || encoding || !values.empty())) {
    a.error =
        "--epw 只接受 --pressure 或 --altitude、--model、--zones 与 "
        "--bom，不能与其他选项或数值一起给出";
  } else if (epw && pressureOptions > 1) {
    a.error = "--pressure 与 --altitude 只能给出其中一个";
  } else if (epw) {
    a.action = Action::weather;
    a.pressureGiven = pressureOptions == 1;
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

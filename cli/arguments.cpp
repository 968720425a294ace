#include "cli/arguments.h"

#include <array>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "calc/arithmetic_names.h"
#include "calc/command_options.h"
#include "calc/messages.h"
#include "calc/number_text.h"
#include "cli/dxf_output.h"
#include "cli/mode.h"

namespace cli {
namespace {

// Every option torvale-calc knows, as the tables below name them.
enum class Opt {
  help,
  version,
  csv,
  mode,
  columns,
  encoding,
  bom,
  workspace,
  epw,
  zones,
  model,
  pair,
  tw,
  rh,
  pressure,
  altitude,
  dxf,
  paper
};
constexpr std::size_t optCount = static_cast<std::size_t>(Opt::paper) + 1;

// What the command line gave: how often each option, the values in order, and the first mistyped
// option and the first unusable option value.
struct Given {
  std::array<int, optCount> times{};
  std::vector<std::string_view> values;
  std::string_view unknown;
  std::string problem;

  int operator[](Opt o) const { return times[static_cast<std::size_t>(o)]; }
  int of(std::initializer_list<Opt> options) const {
    int n = 0;
    for (Opt o : options) n += (*this)[o];
    return n;
  }
  int modes() const { return of({Opt::pair, Opt::tw, Opt::rh}); }
  int pressures() const { return of({Opt::pressure, Opt::altitude}); }
  // Whether no values and no options but those allowed were given (help and version aside).
  bool only(std::initializer_list<Opt> allowed) const {
    int given = 0;
    for (int n : times) given += n;
    return values.empty() && of(allowed) + of({Opt::help, Opt::version}) == given;
  }
};

// Reads an option's value (empty for a flag) into the arguments; why it is unusable, or empty.
// missing: the option is the last word, with no value after it.
using Read = std::string (*)(std::string_view value, bool missing, Arguments& a);

std::string quoted(std::string_view value) {
  std::string text = "\"";  // appended, which keeps g++ 12's -Wrestrict quiet
  text += value;
  return text += '"';
}

std::string readMode(std::string_view value, bool missing, Arguments& a) {
  std::string error;
  if (const std::optional<calc::Pair> p = modePair(value, error)) {
    a.logPair = *p;
    return {};
  }
  // A word without "+" is no route name; one with "+" is a pair that modePair explains.
  if (missing) return "--mode 后须给出方式，如 rh 或 t+tl";
  if (value.find('+') == std::string_view::npos)
    return "--mode：无法识别的方式 " + quoted(value) + "：应为 tw、rh 或参数组合 A+B";
  return "--mode：" + error;
}

std::string readColumns(std::string_view value, bool, Arguments& a) {
  const std::size_t comma = value.find(',');
  const auto blank = [](std::string_view s) {
    return s.find_first_not_of(" \t") == std::string_view::npos;
  };
  if (comma == std::string_view::npos || value.find(',', comma + 1) != std::string_view::npos ||
      blank(value.substr(0, comma)) || blank(value.substr(comma + 1)))
    return "--columns 须为两列 A,B，每列是从 1 起的列号或表头中的列名";
  a.columns = {std::string(value.substr(0, comma)), std::string(value.substr(comma + 1))};
  return {};
}

std::string readEncoding(std::string_view value, bool, Arguments& a) {
  const std::optional<Encoding> e = encodingNamed(value);
  if (!e) return "--encoding 只接受 utf-8 或 gb18030（gbk）";
  a.encoding = *e;
  return {};
}

std::string readWorkspace(std::string_view value, bool missing, Arguments& a) {
  a.workspace = value;
  return missing ? "--workspace 后须给出工作区文件" : "";
}

std::string readEpw(std::string_view value, bool missing, Arguments& a) {
  a.weather = value;
  return missing ? "--epw 后须给出气象文件（.epw）" : "";
}

std::string readDxf(std::string_view value, bool missing, Arguments& a) {
  a.dxf = value;
  return missing || value.empty() ? "--dxf 后须给出图形文件（.dxf）" : "";
}

std::string readPaperOption(std::string_view value, bool, Arguments& a) {
  workspace::PageSetup page;
  a.paper = value;
  return readPaper(value, page) ? ""
                                : "--paper 只接受 A4、A3 或 A2，可加 ,landscape（横向）或 "
                                  ",portrait（竖向）";
}

std::string readModel(std::string_view value, bool missing, Arguments& a) {
  const std::optional<psychro::Arithmetic> m = calc::arithmeticOfModelName(value);
  if (m) a.model = *m;
  if (m) return {};
  if (missing) return "--model 后须给出计算方法：ashrae 或 classic";
  return "--model：无法识别的计算方法 " + quoted(value) + "：应为 ashrae 或 classic";
}

std::string readPair(std::string_view value, bool missing, Arguments& a) {
  std::string error;
  const std::optional<calc::Pair> p = calc::pairNamed(value, error);
  if (p) a.pair = *p;
  if (p) return {};
  return missing ? "--pair 后须给出参数组合，如 h+rh" : error;
}

// A total pressure given as name (--pressure, Pa, or --altitude, m) in unit; a value that is no
// number is told apart from one out of range.
std::string readPressureIn(std::string_view name, calc::PressureUnit unit, std::string_view what,
                           std::string_view value, bool missing, Arguments& a) {
  const std::string option(name);
  if (missing) return option + " 后须给出" + std::string(what);
  if (!calc::wholeNumber(value)) return option + "：" + quoted(value) + " 不是数字";
  const calc::PressureReading reading = calc::readPressure(value, unit);
  if (!reading.ok()) return option + "：" + std::string(calc::words(reading.outcome));
  a.pressure = reading.pa;
  return {};
}

std::string readPressure(std::string_view value, bool missing, Arguments& a) {
  return readPressureIn("--pressure", calc::PressureUnit::pascal, "总压（Pa）", value, missing, a);
}

std::string readAltitude(std::string_view value, bool missing, Arguments& a) {
  return readPressureIn("--altitude", calc::PressureUnit::metre, "海拔（m）", value, missing, a);
}

// Flags that set what they name.
std::string setWetBulb(std::string_view, bool, Arguments& a) {
  a.pair = *calc::selectedPair(0);
  return {};
}
std::string setHumidity(std::string_view, bool, Arguments& a) {
  a.pair = *calc::selectedPair(1);
  return {};
}
std::string setZones(std::string_view, bool, Arguments& a) {
  a.zones = true;
  return {};
}
std::string setBom(std::string_view, bool, Arguments& a) {
  a.bom = true;
  return {};
}

struct Option {
  Opt id;
  std::string_view name;
  bool takesValue;         // "--name VALUE" or "--name=VALUE"; else the word alone
  Read read;               // none: only counted
  std::string_view alias;  // another word for a flag, or none
};

constexpr Option options[] = {
    {Opt::mode, "--mode", true, readMode, {}},
    {Opt::columns, "--columns", true, readColumns, {}},
    {Opt::encoding, "--encoding", true, readEncoding, {}},
    {Opt::workspace, "--workspace", true, readWorkspace, {}},
    {Opt::epw, "--epw", true, readEpw, {}},
    {Opt::zones, "--zones", false, setZones, {}},
    {Opt::model, "--model", true, readModel, {}},
    {Opt::bom, "--bom", false, setBom, {}},
    {Opt::pair, "--pair", true, readPair, {}},
    {Opt::pressure, "--pressure", true, readPressure, {}},
    {Opt::altitude, "--altitude", true, readAltitude, {}},
    {Opt::dxf, "--dxf", true, readDxf, {}},
    {Opt::paper, "--paper", true, readPaperOption, {}},
    {Opt::help, "--help", false, nullptr, "-h"},
    {Opt::version, "--version", false, nullptr, {}},
    {Opt::csv, "--csv", false, nullptr, {}},
    {Opt::tw, "--tw", false, setWetBulb, {}},
    {Opt::rh, "--rh", false, setHumidity, {}},
};

// Reads every word into given and the arguments: each word is read as one option at most, so
// that a word taken as an option's value is not read again as an option of its own.
Given read(std::span<const std::string_view> words, Arguments& a) {
  Given given;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string_view word = words[i];
    if (optionsEnded) {
      given.values.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    const Option* option = nullptr;
    calc::OptionValue value;
    for (const Option& o : options) {
      if (o.takesValue) {
        value = calc::optionValue(words, i, o.name);
      } else {
        value = {};
        value.present = word == o.name || (!o.alias.empty() && word == o.alias);
      }
      if (value.present) {
        option = &o;
        break;
      }
    }
    if (option != nullptr) {
      ++given.times[static_cast<std::size_t>(option->id)];
      if (option->read == nullptr) continue;
      std::string problem = option->read(value.value, value.missing, a);
      if (given.problem.empty()) given.problem = std::move(problem);
    } else if (word.starts_with("--")) {
      // No number is written with two leading minus signs: this is a mistyped option.
      if (given.unknown.empty()) given.unknown = word;
    } else {
      given.values.push_back(word);
    }
  }
  return given;
}

// The rules between the options, in the order they are applied: the first that applies is either
// a usage error (its words) or, with no words, what torvale-calc does.
struct Rule {
  bool (*applies)(const Given&, const Arguments&);
  std::string_view refusal;
  Action action = Action::usageError;
};

template <Opt o>
bool twice(const Given& g, const Arguments&) {
  return g[o] > 1;
}

constexpr Rule rules[] = {
    {[](const Given& g, const Arguments&) {
       return g[Opt::workspace] > 0 && !g.only({Opt::workspace, Opt::model, Opt::dxf, Opt::paper});
     },
     "--workspace 只打印工作区文件，不能与其他选项或数值一起给出（大气压力取自文件）"},
    {twice<Opt::model>, "--model 只能给出一次"},
    {twice<Opt::workspace>, "--workspace 只能给出一次"},
    {twice<Opt::epw>, "--epw 只能给出一次"},
    {twice<Opt::dxf>, "--dxf 只能给出一次"},
    {[](const Given& g, const Arguments&) { return g[Opt::dxf] > 0 && g[Opt::workspace] == 0; },
     "--dxf 只用于 --workspace"},
    {[](const Given& g, const Arguments&) { return g[Opt::paper] > 0 && g[Opt::dxf] == 0; },
     "--paper 只用于 --dxf"},
    {[](const Given& g, const Arguments&) { return g[Opt::workspace] > 0; }, {}, Action::workspace},
    {[](const Given& g, const Arguments&) { return g[Opt::zones] > 0 && g[Opt::epw] == 0; },
     "--zones 只用于 --epw"},
    {[](const Given& g, const Arguments&) {
       return g[Opt::epw] > 0 &&
              !g.only({Opt::epw, Opt::pressure, Opt::altitude, Opt::model, Opt::zones, Opt::bom});
     },
     "--epw 只接受 --pressure 或 --altitude、--model、--zones 与 "
     "--bom，不能与其他选项或数值一起给出"},
    {[](const Given& g, const Arguments&) { return g.modes() > 1; },
     "--tw、--rh 与 --pair 只能给出其中一个"},
    {[](const Given& g, const Arguments&) { return g.pressures() > 1; },
     "--pressure 与 --altitude 只能给出其中一个"},
    {[](const Given& g, const Arguments&) { return g[Opt::epw] > 0; }, {}, Action::weather},
    {[](const Given& g, const Arguments&) { return (g[Opt::mode] > 0) != (g[Opt::columns] > 0); },
     "--mode 与 --columns 须一起给出"},
    {[](const Given& g, const Arguments&) {
       return g.of({Opt::mode, Opt::encoding, Opt::bom}) > 0 && g[Opt::csv] == 0;
     },
     "--mode、--columns、--encoding 与 --bom 只用于 --csv"},
    {[](const Given& g, const Arguments& a) {
       return a.encoding == Encoding::gb18030 && g[Opt::mode] == 0;
     },
     "--encoding gb18030 只用于带 --mode 与 --columns 的日志 CSV"},
    {[](const Given&, const Arguments& a) { return a.encoding == Encoding::gb18030 && a.bom; },
     "--bom 只用于 UTF-8 输出"},
    {[](const Given& g, const Arguments&) { return g[Opt::csv] > 0 && g.modes() > 0; },
     "--csv 的每条记录自带方式，不能再给 --tw、--rh 或 --pair"},
    {[](const Given& g, const Arguments&) { return g[Opt::csv] > 0 && g.values.size() > 1; },
     "--csv 只接受一个输入文件"},
    {[](const Given& g, const Arguments&) { return g[Opt::csv] > 0; }, {}, Action::batch},
    {[](const Given& g, const Arguments&) { return g.values.size() != 2; },
     "需要两个数值：干球温度 T 和 X（湿球温度或相对湿度），或 --pair 所列的两个值"},
    {[](const Given&, const Arguments&) { return true; }, {}, Action::single},
};

}  // namespace

Arguments parseArguments(std::span<const char* const> args) {
  std::vector<std::string_view> words;
  words.reserve(args.size());
  for (const char* arg : args) words.emplace_back(arg != nullptr ? arg : "");

  Arguments a;
  const Given given = read(words, a);
  if (given[Opt::help] > 0) {
    a.action = Action::help;
  } else if (given[Opt::version] > 0) {
    a.action = Action::version;
  } else if (!given.unknown.empty()) {
    a.error = std::string(calc::unknownOption) + std::string(given.unknown);
  } else if (!given.problem.empty()) {
    a.error = given.problem;
  } else {
    for (const Rule& rule : rules) {
      if (!rule.applies(given, a)) continue;
      a.action = rule.action;
      a.error = rule.refusal;
      break;
    }
  }
  switch (a.action) {
    case Action::weather:
      a.pressureGiven = given.pressures() == 1;
      break;
    case Action::batch:
      a.log = given[Opt::mode] > 0;
      if (!given.values.empty()) a.input = given.values.front();
      break;
    case Action::single:
      a.t = given.values[0];
      a.x = given.values[1];
      break;
    default:
      break;
  }
  return a;
}

}  // namespace cli

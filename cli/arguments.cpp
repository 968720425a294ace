#include "cli/arguments.h"

#include <string_view>
#include <vector>

namespace cli {

Arguments parseArguments(std::span<const char* const> args) {
  Arguments a;
  std::vector<std::string_view> values;
  std::string_view unknown;  // the first mistyped option
  bool csv = false, help = false, version = false, optionsEnded = false;
  int modeOptions = 0;
  for (const char* arg : args) {
    const std::string_view word = arg != nullptr ? arg : "";
    if (optionsEnded) {
      values.push_back(word);
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
  } else if (modeOptions > 1) {
    a.error = "--tw 与 --rh 只能给出其中一个";
  } else if (csv && modeOptions > 0) {
    a.error = "--csv 的每条记录自带方式，不能再给 --tw 或 --rh";
  } else if (csv && values.size() > 1) {
    a.error = "--csv 只接受一个输入文件";
  } else if (csv) {
    a.action = Action::batch;
    if (!values.empty()) a.input = values.front();
  } else if (values.size() != 2) {
    a.error = "需要两个数值：干球温度 T 和 X（湿球温度或相对湿度）";
  } else {
    a.action = Action::single;
    a.t = values[0];
    a.x = values[1];
  }
  return a;
}

}  // namespace cli

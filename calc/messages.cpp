#include "calc/messages.h"

#include <array>
#include <cstddef>
#include <string>

#include "psychro/constants.h"
#include "psychro/pressure.h"

namespace calc {
namespace {

using psychro::Outcome;

// The range figures are written as whole numbers, so the constants behind them must be whole.
constexpr bool isWhole(double v) {
  return v == static_cast<double>(static_cast<long long>(v));
}
static_assert(isWhole(psychro::lowestDryBulb) && isWhole(psychro::highestDryBulb));
static_assert(isWhole(psychro::lowestPressure) && isWhole(psychro::highestPressure));
static_assert(isWhole(psychro::lowestPressure / 1000) && isWhole(psychro::highestPressure / 1000));
static_assert(isWhole(psychro::lowestAltitude) && isWhole(psychro::highestAltitude));

// A whole number as the texts write it: "-50", "110000".
std::string whole(double v) {
  return std::to_string(static_cast<long long>(v));
}

// A range as the texts write it: "-50～100".
std::string range(double low, double high) {
  return whole(low) + "～" + whole(high);
}

// The words of one outcome. A switch with no default, so that the compiler names an outcome
// added without its words.
std::string wordsOf(Outcome outcome) {
  switch (outcome) {
    case Outcome::ok:
      return {};
    case Outcome::noSuchState:
      return "该状态点不存在";
    case Outcome::outOfBounds:
      return "输入参数超界";
    case Outcome::dryBulbRange:
      return "干球温度t超界";
    case Outcome::humidityRange:
      return "相对湿度φ必须为：0％～100％";
    case Outcome::wetAboveDry:
      return "tw > t；输入参数有误";
    case Outcome::pairNotDetermined:
      return "这两个参数不能确定状态点";
    case Outcome::pairOutOfRange:
      return "该组参数在 " + range(psychro::lowestDryBulb, psychro::highestDryBulb) +
             " ℃ 内无对应状态点";
    case Outcome::missingInput:
      return "请输入具体参数";
    case Outcome::pressureRange:
      return "大气压力须在 " + range(psychro::lowestPressure, psychro::highestPressure) + " Pa（" +
             range(psychro::lowestPressure / 1000, psychro::highestPressure / 1000) + " kPa）之间";
    case Outcome::altitudeRange:
      return "海拔须在 " + range(psychro::lowestAltitude, psychro::highestAltitude) + " m 之间";
  }
  return {};
}

}  // namespace

std::string_view words(Outcome outcome) {
  // Built once, on first use; read-only afterwards, so safe from any thread.
  static const std::array<std::string, psychro::outcomeCount> table = [] {
    std::array<std::string, psychro::outcomeCount> t;
    for (std::size_t i = 0; i < t.size(); ++i) t[i] = wordsOf(static_cast<Outcome>(i));
    return t;
  }();
  const auto i = static_cast<std::size_t>(outcome);
  return i < table.size() ? std::string_view(table[i]) : std::string_view();
}

}  // namespace calc

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
    case Outcome::flowNotPositive:
      return "混合的两股空气流量都必须大于零";
    case Outcome::mixtureFogs:
      return "混合点越过饱和线，落在结雾区";
    case Outcome::heatingNotWarmer:
      return "加热后的干球温度必须高于进口温度";
    case Outcome::coolingNotCooler:
      return "冷却后的干球温度必须低于进口温度";
    case Outcome::belowDewPoint:
      return "冷却终温低于进口空气的露点温度，空气会结露：请按冷却除湿计算";
    case Outcome::notCoolerAndDrier:
      return "冷却除湿后的空气必须比进口空气温度低、含湿量不高";
    case Outcome::dewPointNotBelow:
      return "机器露点必须低于进口空气的露点温度";
    case Outcome::humidityNotReached:
      return "该出口相对湿度在进口状态点与机器露点的连线上达不到";
    case Outcome::moistureNotRaised:
      return "加湿后的含湿量必须高于进口含湿量";
    case Outcome::pastSaturation:
      return "加湿越过饱和线，该状态点不存在";
    case Outcome::supplyDifferenceZero:
      return "送风温差不能为零";
    case Outcome::supplyNotOnLine:
      return "热湿比线上没有该送风温度的状态点";
    case Outcome::supplyPastSaturation:
      return "送风状态点落在饱和线以外";
    case Outcome::roomLoadsZero:
      return "余热和余湿不能同时为零";
    case Outcome::supplyFlowNotPositive:
      return "送风量不为正：余热与送风温差的方向不符";
    case Outcome::efficiencyRange:
      return "效率须大于 0 且不大于 1";
    case Outcome::recoveryNoDifference:
      return "新风与排风状态相同（显热回收：温度相同），无热可回收";
    case Outcome::recoveryPastSaturation:
      return "热回收后的新风越过饱和线，会结露或结霜";
    case Outcome::evaporationNotCooler:
      return "蒸发冷却的极限温度（等焓线与饱和线交点的干球温度）不低于进口干球温度，无法冷却";
    case Outcome::indirectBelowDewPoint:
      return "间接蒸发冷却的出口温度低于进口空气的露点温度";
    case Outcome::dryingNotDrier:
      return "等焓减湿后的含湿量必须低于进口含湿量";
    case Outcome::dryingOutOfRange:
      return "等焓减湿的出口超出可计算的范围";
    case Outcome::fanPressureNotPositive:
      return "风机全压必须为大于零的有限数";
    case Outcome::bypassFactorRange:
      return "旁通系数须不小于 0 且小于 1（接触系数大于 0 且不大于 1）";
    case Outcome::coilLineFogs:
      return "进口状态点与机器露点的连线在到达机器露点之前越过饱和线";
    case Outcome::flowNotPositiveOrFinite:
      return "风量必须为大于零的有限数";
    case Outcome::noSuchPoint:
      return "请先选择状态点";
    case Outcome::samePoint:
      return "混合需要两个不同的状态点";
    case Outcome::pointWithoutState:
      return "该状态点在当前大气压力下不存在";
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

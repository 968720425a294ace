#include "document/words.h"

#include <cerrno>
#include <cstring>

#include "calc/messages.h"
#include "calc/pair_calculation.h"
#include "workspace/zones.h"

namespace document {
namespace {

// A zone's bound as a refusal's detail names it ("rh", or "rh.max" for one side): the quantity's
// caption, and "下限" or "上限" after it for a side.
std::string boundWords(const std::string& detail) {
  const std::size_t dot = detail.find('.');
  const std::string key = detail.substr(0, dot);
  constexpr psychro::Quantity quantities[] = {psychro::Quantity::t, psychro::Quantity::rh,
                                              psychro::Quantity::tl, psychro::Quantity::d,
                                              psychro::Quantity::h};
  std::string caption = key;
  for (psychro::Quantity q : quantities)
    if (calc::quantityName(q) == key) caption = std::string(calc::quantityCaption(q));
  if (dot == std::string::npos) return caption;
  return caption + (detail.substr(dot + 1) == "min" ? " 下限" : " 上限");
}

}  // namespace

std::string_view words(process::Code code) {
  using process::Code;
  switch (code) {
    case Code::arithmetic:
      return {};
    case Code::flowNotPositive:
      return "混合的两股空气流量都必须大于零";
    case Code::mixtureFogs:
      return "混合点越过饱和线，落在结雾区";
    case Code::heatingNotWarmer:
      return "加热后的干球温度必须高于进口温度";
    case Code::coolingNotCooler:
      return "冷却后的干球温度必须低于进口温度";
    case Code::belowDewPoint:
      return "冷却终温低于进口空气的露点温度，空气会结露：请按冷却除湿计算";
    case Code::notCoolerAndDrier:
      return "冷却除湿后的空气必须比进口空气温度低、含湿量不高";
    case Code::dewPointNotBelow:
      return "机器露点必须低于进口空气的露点温度";
    case Code::humidityNotReached:
      return "该出口相对湿度在进口状态点与机器露点的连线上达不到";
    case Code::moistureNotRaised:
      return "加湿后的含湿量必须高于进口含湿量";
    case Code::pastSaturation:
      return "加湿越过饱和线，该状态点不存在";
    case Code::supplyDifferenceZero:
      return "送风温差不能为零";
    case Code::supplyNotOnLine:
      return "热湿比线上没有该送风温度的状态点";
    case Code::supplyPastSaturation:
      return "送风状态点落在饱和线以外";
    case Code::roomLoadsZero:
      return "余热和余湿不能同时为零";
    case Code::supplyFlowNotPositive:
      return "送风量不为正：余热与送风温差的方向不符";
    case Code::efficiencyRange:
      return "效率须大于 0 且不大于 1";
    case Code::recoveryNoDifference:
      return "新风与排风状态相同（显热回收：温度相同），无热可回收";
    case Code::recoveryPastSaturation:
      return "热回收后的新风越过饱和线，会结露或结霜";
    case Code::evaporationNotCooler:
      return "蒸发冷却的极限温度（等焓线与饱和线交点的干球温度）不低于进口干球温度，无法冷却";
    case Code::indirectBelowDewPoint:
      return "间接蒸发冷却的出口温度低于进口空气的露点温度";
    case Code::dryingNotDrier:
      return "等焓减湿后的含湿量必须低于进口含湿量";
    case Code::dryingOutOfRange:
      return "等焓减湿的出口超出可计算的范围";
    case Code::fanPressureNotPositive:
      return "风机全压必须为大于零的有限数";
    case Code::bypassFactorRange:
      return "旁通系数须不小于 0 且小于 1（接触系数大于 0 且不大于 1）";
    case Code::coilLineFogs:
      return "进口状态点与机器露点的连线在到达机器露点之前越过饱和线";
    case Code::flowNotPositiveOrFinite:
      return "风量必须为大于零的有限数";
  }
  return {};
}

std::string_view words(const process::Refusal& why) {
  return why.code == process::Code::arithmetic ? calc::words(why.outcome) : words(why.code);
}

std::string words(const workspace::Refusal& why) {
  using workspace::Rule;
  switch (why.rule) {
    case Rule::arithmetic:
      return std::string(calc::words(why.outcome));
    case Rule::process:
      return std::string(words(why.process));
    case Rule::noSuchPoint:
      return "请先选择状态点";
    case Rule::samePoint:
      return "混合需要两个不同的状态点";
    case Rule::pointWithoutState:
      return "该状态点在当前大气压力下不存在";
    case Rule::nameEmpty:
      return "名称不能为空";
    case Rule::nameTooLong:
      return "名称不能超过 24 个字符";
    case Rule::nameTaken:
      return "已有同名的状态点";
    case Rule::nameTurnsDirection:
      return "名称不能含有文字方向控制符";
    case Rule::nameControl:
      return "名称不能含有控制字符";
    case Rule::laterOutlet:
      return "过程不能从它自己或其后过程的出口开始";
    case Rule::tooManyPoints:
      return "状态点不能超过 " + why.detail + " 个";
    case Rule::tooManyLines:
      return "热湿比线不能超过 " + why.detail + " 条";
    case Rule::tooManyZones:
      return "自定义舒适区不能超过 " + why.detail + " 个";
    case Rule::zoneNameEmpty:
      return "请输入舒适区名称";
    case Rule::zoneNameTooLong:
      return "舒适区名称不能超过 " + why.detail + " 字节";
    case Rule::zoneNameTaken:
      return "已有名为 " + why.detail + " 的舒适区";
    case Rule::zoneNameControl:
      return "舒适区名称不能含有控制字符或文字方向控制符";
    case Rule::zoneNoBounds:
      return "请至少给出一个界限";
    case Rule::zoneBoundsReversed:
      return "「" + boundWords(why.detail) + "」的下限大于上限";
    case Rule::zoneHumidityRange:
      return "「" + boundWords(why.detail) + "」必须为 0～100";
    case Rule::zoneValueRange:
      return "「" + boundWords(why.detail) + "」超界";
    case Rule::outletOfProcess:
      return "状态点 " + why.detail + " 是过程的出口，请编辑它的过程";
    case Rule::noSuchProcess:
      return "没有这个过程";
    case Rule::noSuchLine:
      return "没有这条热湿比线";
    case Rule::noSuchZone:
      return "没有这个舒适区";
    case Rule::epsilonNotANumber:
      return "请输入一个数值";
  }
  return {};
}

std::string words(const Refusal& why) {
  switch (why.code) {
    case Code::design:
      return words(why.design);
    case Code::notFound:
      return "不存在";
    case Code::noPermission:
      return "没有权限";
    case Code::isDirectory:
      return "是目录";
    case Code::notRegular:
      return "不是普通文件";
    case Code::diskFull:
      return "空间不足";
    case Code::ioError:
      return std::strerror(why.error != 0 ? why.error : EIO);
    case Code::notAWorkspace:
    case Code::notWeather:
      return why.detail;
  }
  return {};
}

std::string fileReason(int error) {
  return words(refusal(codeOfError(error), {}, error));
}

}  // namespace document

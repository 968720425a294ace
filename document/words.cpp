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

std::string words(const workspace::Refusal& why) {
  using workspace::Rule;
  switch (why.rule) {
    case Rule::arithmetic:
      return std::string(calc::words(why.outcome));
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

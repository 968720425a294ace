#include "document/words.h"

#include <cerrno>
#include <cstring>

#include "calc/messages.h"
#include "calc/pair_calculation.h"
#include "workspace/limits.h"
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

// A system's input as a refusal's detail names it (its key in the file).
std::string systemInputWords(const std::string& key) {
  constexpr std::pair<std::string_view, std::string_view> inputs[] = {
      {"heat", "余热 Q"},        {"moisture", "余湿 W"},  {"fresh", "新风"},
      {"dt", "送风温差 Δt"},     {"coil", "机器露点 φL"}, {"preheat", "预热温度"},
      {"target", "新风处理状态"}};
  for (const auto& [k, words] : inputs)
    if (k == key) return std::string(words);
  return key;
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
    case Code::coilHumidityRange:
      return "机器露点相对湿度 φL 须大于 0 且不大于 100％";
    case Code::freshShareRange:
      return "新风比须大于 0 且小于 1（新风量须大于零且小于送风量）";
    case Code::supplyAboveCoilHumidity:
      return "送风状态点的相对湿度高于 φL：机器露点状态比送风还热，请减小送风温差或采用露点送风";
    case Code::coilHumidityNotOnLine:
      return "室内状态点的热湿比线在送风一侧达不到相对湿度 φL，找不到机器露点状态";
    case Code::freshAirExceedsPrimary:
      return "新风量超过二次回风系统的一次风量（经表冷器的风量）";
    case Code::fanCoilPastSaturation:
      return "风机盘管出风状态点越过饱和线：请调整新风处理状态或新风量";
    case Code::fanCoilWouldHeat:
      return "风机盘管出风焓值不低于室内焓值：新风已承担全部室内冷负荷，风机盘管需要加热";
    case Code::mixtureNeedsNoHumidifier:
      return "混合空气的含湿量不低于送风状态点：无需加湿，本系统不适用";
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
    case Rule::marginsRange:
      return "页边距必须为 0～" + why.detail + " mm";
    case Rule::titleTooLong:
      return "标题栏的每一项不能超过 " + why.detail + " 字节";
    case Rule::titleControl:
      return "标题栏不能含有控制字符或文字方向控制符";
    case Rule::systemNameEmpty:
      return "请输入系统名称";
    case Rule::systemNameTooLong:
      return "系统名称不能超过 " + why.detail + " 个字符";
    case Rule::systemNameTaken:
      return "已有名为 " + why.detail + " 的系统";
    case Rule::systemNameControl:
      return "系统名称不能含有控制字符或文字方向控制符";
    case Rule::systemValueRange:
      return "「" + systemInputWords(why.detail) + "」超界";
    case Rule::noSuchSystem:
      return "没有这个系统";
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
      return words(why.file);
    case Code::notWeather:
      return words(why.weather);
  }
  return {};
}

namespace {

std::string inQuotes(std::string_view text) {
  return "“" + std::string(text) + "”";
}

std::string inQuotationMarks(std::string_view key) {
  std::string text = "\"";  // appended, which keeps g++ 12's -Wrestrict quiet
  text += key;
  return text + "\"";
}

// A rule of the design a file breaks, as the reader words it: a zone's bound named by its key as
// the file writes it ("「rh.min」超界"); a rule no file can break reads as a file not of the
// format.
std::string ruleInFile(const workspace::Refusal& why) {
  using workspace::Rule;
  switch (why.rule) {
    case Rule::arithmetic:
    case Rule::samePoint:
    case Rule::nameEmpty:
    case Rule::nameTooLong:
    case Rule::nameTaken:
    case Rule::nameTurnsDirection:
    case Rule::nameControl:
    case Rule::zoneNameEmpty:
    case Rule::zoneNameTooLong:
    case Rule::zoneNameTaken:
    case Rule::zoneNoBounds:
      return words(why);
    case Rule::zoneNameControl:
      return "名称不能含有控制字符";
    case Rule::tooManyZones:
      return "自定义舒适区超过 " + why.detail + " 个";
    case Rule::zoneBoundsReversed:
      return "「" + why.detail + "」的下限大于上限";
    case Rule::zoneHumidityRange:
      return "「" + why.detail + "」必须为 0～100";
    case Rule::zoneValueRange:
      return "「" + why.detail + "」超界";
    case Rule::marginsRange:
    case Rule::titleTooLong:
    case Rule::titleControl:
    case Rule::systemNameEmpty:
    case Rule::systemNameTooLong:
    case Rule::systemNameTaken:
    case Rule::systemNameControl:
      return words(why);
    case Rule::systemValueRange:
      return "「" + why.detail + "」超界";
    case Rule::process:
    case Rule::noSuchPoint:
    case Rule::pointWithoutState:
    case Rule::laterOutlet:
    case Rule::tooManyPoints:
    case Rule::tooManyLines:
    case Rule::outletOfProcess:
    case Rule::noSuchProcess:
    case Rule::noSuchLine:
    case Rule::noSuchZone:
    case Rule::epsilonNotANumber:
    case Rule::noSuchSystem:
      return words(workspace::FileRefusal{});
  }
  return {};
}

// An object of the file by its key, as the reader names it: "风量 \"flow\"".
std::string objectWords(std::string_view key) {
  if (key == "flow") return "风量 \"flow\"";
  if (key == "loads") return "余热余湿 \"loads\"";
  return inQuotationMarks(key);
}

// The shape an object at key must have.
std::string_view objectShape(std::string_view key) {
  if (key == "flow") return "{\"value\", \"unit\"}";
  if (key == "loads") return "{\"heat\", \"moisture\"}";
  if (key == "log") return "{\"pair\", \"columns\"}";
  return "{…}";
}

// A text of the file by its key, as the reader names it: "状态点名称" for a point named at "from".
std::string textWords(std::string_view key) {
  if (key == "pair") return "参数组合";
  if (key == "name" || key == "outlet") return "名称";
  if (key == "from" || key == "other" || key == "point") return "状态点名称";
  if (key == "kind") return "过程类型 \"kind\"";
  if (key == "target") return "加湿终点 \"target\"";
  if (key == "unit") return "风量单位 \"unit\"";
  if (key == "on") return "舒适区名称";
  if (key == "file") return "气象文件";
  if (key == "columns") return "列";
  return inQuotationMarks(key);
}

// What a name at key names: "过程类型" for a "kind".
std::string_view nameWords(std::string_view key) {
  if (key == "kind") return "过程类型";
  if (key == "target") return "加湿终点";
  if (key == "on") return "舒适区";
  if (key == "model") return "计算方法";
  return "名称";
}

// An entry of a list by the list's key: "个过程" as in "第 2 个过程".
std::string_view entryWords(std::string_view list) {
  if (list == "points") return "个状态点";
  if (list == "processes") return "个过程";
  if (list == "lines") return "条热湿比线";
  if (list == "user") return "个自定义舒适区";
  if (list == "systems") return "个系统";
  return "项";
}

// A file's fault without the entry it is in.
std::string faultWords(const workspace::FileRefusal& why) {
  using workspace::FileFault;
  switch (why.fault) {
    case FileFault::tooLarge:
      return "文件超过 " + std::to_string(workspace::maxFileBytes / (1024 * 1024)) +
             " MB，不是本程序写出的工作区文件";
    case FileFault::tooDeep:
      return "不是工作区文件（层次过深）";
    case FileFault::notJson:
      return "文件不是完整的 JSON 文本（可能已被截断或损坏）";
    case FileFault::malformed:
      return "文件内容不符合工作区格式";
    case FileFault::notAWorkspace:
      return "不是工作区文件（缺少 \"format\": " + inQuotationMarks(workspace::formatName) + "）";
    case FileFault::noVersion:
      return "缺少有效的版本号 \"version\"";
    case FileFault::laterVersion:
      return "文件版本为 " + why.value + "，本程序只能打开版本 " +
             std::to_string(workspace::formatVersion) + " 的工作区文件";
    case FileFault::pressureNotNumber:
      return "大气压力 \"pressure\" 须为数字";
    case FileFault::pressureRange:
      return "\"pressure\"：" + std::string(calc::words(psychro::Outcome::pressureRange));
    case FileFault::modelNotText:
      return "计算方法 \"model\" 须为文本";
    case FileFault::listTooLong:
      return inQuotationMarks(why.key) + " 的项过多";
    case FileFault::tooManyPoints:
      return "状态点超过 " + why.value + " 个";
    case FileFault::tooManyLines:
      return "热湿比线超过 " + why.value + " 条";
    case FileFault::notAList:
      return inQuotationMarks(why.key) + " 须为列表";
    case FileFault::notAnObject:
      if (why.key.empty()) return "须为对象 {…}";
      return objectWords(why.key) + " 须为对象 " + std::string(objectShape(why.key));
    case FileFault::missingKey:
      return objectWords(why.in) + " 缺少 " + inQuotationMarks(why.key);
    case FileFault::notText:
      return textWords(why.key) + "须为文本";
    case FileFault::unknownName:
      return "无法识别的" + std::string(nameWords(why.key)) + " " + inQuotes(why.value);
    case FileFault::unknownUnit:
      return "风量单位须为 \"m3/h\" 或 \"kg/s\"";
    case FileFault::valueNotText:
      return "数值须为文本，如 \"35\"";
    case FileFault::valueTooLong:
      return "数值过长";
    case FileFault::notANumber:
      return inQuotes(why.value) + " 不是有效的数值";
    case FileFault::pairTooLong:
      return "参数组合过长";
    case FileFault::unknownPair:
      return calc::pairNameWords(why.value);
    case FileFault::valuesCount:
      return "\"values\" 须为 " + why.value + " 个数值的列表";
    case FileFault::noSuchPoint:
      return "找不到状态点 " + inQuotes(why.value);
    case FileFault::atNotPlace:
      return "\"at\" 须为从 0 起的位置";
    case FileFault::boundNotPair:
      return "界限须为 [下限, 上限]，无界限处为 null";
    case FileFault::tooManyOn:
      return "\"zones\" 的 \"on\" 列出的舒适区过多";
    case FileFault::pathTooLong:
      return "气象文件路径过长";
    case FileFault::columnsNotTwo:
      return "\"columns\" 须为两列";
    case FileFault::columnTooLong:
      return "列名过长";
    case FileFault::notMonths:
      return "\"months\" 须为 1～12 的月份列表";
    case FileFault::loadsNotSupply:
      return "只有送风状态点可以给出余热余湿 \"loads\"";
    case FileFault::memberTwice:
      return inQuotes(why.value) + "：一个状态点只能属于一个系统";
    case FileFault::rule:
      return ruleInFile(why.rule);
    case FileFault::ruleOfName:
      return inQuotes(why.value) + "：" + ruleInFile(why.rule);
  }
  return {};
}

}  // namespace

std::string words(const workspace::FileRefusal& why) {
  if (why.entry == 0) return faultWords(why);
  return "第 " + std::to_string(why.entry) + " " + std::string(entryWords(why.list)) + "：" +
         faultWords(why);
}

std::string words(const workspace::WeatherRefusal& why) {
  using workspace::WeatherFault;
  switch (why.fault) {
    case WeatherFault::tooLarge:
      return "文件大于 " + std::to_string(workspace::maxWeatherBytes / (1024 * 1024)) + " MiB";
    case WeatherFault::notEpw:
      return "首行不是 LOCATION 行，不是 EPW 气象文件";
    case WeatherFault::headerShort:
      return "文件头不足 8 行，不是 EPW 气象文件";
    case WeatherFault::tooManyRecords:
      return "逐时记录多于 " + std::to_string(workspace::maxWeatherRecords) + " 条";
    case WeatherFault::noRecords:
      return "文件中没有逐时记录";
    case WeatherFault::noHeader:
      return "文件为空，没有表头";
    case WeatherFault::columnBeyond:
      return "第 " + why.column + " 列不在表头的 " + std::to_string(why.width) + " 列之中";
    case WeatherFault::columnTwice:
      return "表头中有不止一列名为 " + why.column + "，请改用列号";
    case WeatherFault::noSuchColumn:
      return "表头中没有名为 " + why.column + " 的列";
    case WeatherFault::sameColumn:
      return "两个值不能取自同一列";
  }
  return {};
}

std::string_view words(workspace::SkipReason reason) {
  using workspace::SkipReason;
  switch (reason) {
    case SkipReason::missingField:
      return "字段不全";
    case SkipReason::missingValue:
      return "缺测值";
    case SkipReason::outOfRange:
      return "超出范围";
    case SkipReason::dewAboveDry:
      return "露点高于干球温度";
    case SkipReason::noState:
      return "状态不存在";
  }
  return {};
}

std::string skipReport(const workspace::SkipCounts& skipped) {
  if (skipped.total() == 0) return {};
  std::string text = "跳过 ";
  text += std::to_string(skipped.total());
  text += " 条记录：";
  bool first = true;
  for (std::size_t i = 0; i < workspace::skipReasonCount; ++i) {
    if (skipped.counts[i] == 0) continue;
    if (!first) text += "，";
    first = false;
    text += words(static_cast<workspace::SkipReason>(i));
    text += ' ';
    text += std::to_string(skipped.counts[i]);
    text += " 条";
  }
  return text;
}

std::string fileReason(int error) {
  return words(refusal(codeOfError(error), {}, error));
}

}  // namespace document

// The one table of words both faces show for the codes of process/, workspace/ and document/: every
// code has words of its own, and each reads as the program has always shown it.
#include "document/words.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/named_rows.h"

namespace {

using testsupport::PrintTo;

using process::Code;
using workspace::Rule;

// Every code's words as the faces show them, detail filled in where the words take one; and which
// code a row pins (-1 for a row of another kind).
struct Row {
  const char* name;
  std::string words;
  const char* expected;
  int process = -1, rule = -1;
};

Row code(const char* name, Code c, const char* expected) {
  return {name, std::string(document::words(c)), expected, static_cast<int>(c)};
}

Row ruled(const char* name, Rule r, std::string detail, const char* expected) {
  return {name, document::words(workspace::Refusal{r, {}, std::move(detail)}), expected, -1,
          static_cast<int>(r)};
}

// A workspace file's fault, at key and in the entry of list, with the value the file gives.
Row filed(const char* name, workspace::FileFault f, const char* expected, std::string key = {},
          std::string value = {}, std::string list = {}, std::size_t entry = 0,
          workspace::Refusal rule = {}) {
  workspace::FileRefusal why;
  why.fault = f;
  why.key = std::move(key);
  why.in = f == workspace::FileFault::missingKey ? "loads" : "";
  why.value = std::move(value);
  why.list = std::move(list);
  why.entry = entry;
  why.rule = std::move(rule);
  return {name, document::words(why), expected};
}

Row weather(const char* name, workspace::WeatherFault f, const char* expected,
            std::string column = {}, std::size_t width = 0) {
  return {name, document::words(workspace::WeatherRefusal{f, std::move(column), width}), expected};
}

std::vector<Row> rows() {
  using document::words;
  using FF = workspace::FileFault;
  using WF = workspace::WeatherFault;
  return {
      // The processes' own.
      code("FlowNotPositive", Code::flowNotPositive, "混合的两股空气流量都必须大于零"),
      code("MixtureFogs", Code::mixtureFogs, "混合点越过饱和线，落在结雾区"),
      code("HeatingNotWarmer", Code::heatingNotWarmer, "加热后的干球温度必须高于进口温度"),
      code("CoolingNotCooler", Code::coolingNotCooler, "冷却后的干球温度必须低于进口温度"),
      code("BelowDewPoint", Code::belowDewPoint,
           "冷却终温低于进口空气的露点温度，空气会结露：请按冷却除湿计算"),
      code("NotCoolerAndDrier", Code::notCoolerAndDrier,
           "冷却除湿后的空气必须比进口空气温度低、含湿量不高"),
      code("DewPointNotBelow", Code::dewPointNotBelow, "机器露点必须低于进口空气的露点温度"),
      code("HumidityNotReached", Code::humidityNotReached,
           "该出口相对湿度在进口状态点与机器露点的连线上达不到"),
      code("MoistureNotRaised", Code::moistureNotRaised, "加湿后的含湿量必须高于进口含湿量"),
      code("PastSaturation", Code::pastSaturation, "加湿越过饱和线，该状态点不存在"),
      code("SupplyDifferenceZero", Code::supplyDifferenceZero, "送风温差不能为零"),
      code("SupplyNotOnLine", Code::supplyNotOnLine, "热湿比线上没有该送风温度的状态点"),
      code("SupplyPastSaturation", Code::supplyPastSaturation, "送风状态点落在饱和线以外"),
      code("RoomLoadsZero", Code::roomLoadsZero, "余热和余湿不能同时为零"),
      code("SupplyFlowNotPositive", Code::supplyFlowNotPositive,
           "送风量不为正：余热与送风温差的方向不符"),
      code("EfficiencyRange", Code::efficiencyRange, "效率须大于 0 且不大于 1"),
      code("RecoveryNoDifference", Code::recoveryNoDifference,
           "新风与排风状态相同（显热回收：温度相同），无热可回收"),
      code("RecoveryPastSaturation", Code::recoveryPastSaturation,
           "热回收后的新风越过饱和线，会结露或结霜"),
      code("EvaporationNotCooler", Code::evaporationNotCooler,
           "蒸发冷却的极限温度（等焓线与饱和线交点的干球温度）不低于进口干球温度，无法冷却"),
      code("IndirectBelowDewPoint", Code::indirectBelowDewPoint,
           "间接蒸发冷却的出口温度低于进口空气的露点温度"),
      code("DryingNotDrier", Code::dryingNotDrier, "等焓减湿后的含湿量必须低于进口含湿量"),
      code("DryingOutOfRange", Code::dryingOutOfRange, "等焓减湿的出口超出可计算的范围"),
      code("FanPressureNotPositive", Code::fanPressureNotPositive, "风机全压必须为大于零的有限数"),
      code("BypassFactorRange", Code::bypassFactorRange,
           "旁通系数须不小于 0 且小于 1（接触系数大于 0 且不大于 1）"),
      code("CoilLineFogs", Code::coilLineFogs,
           "进口状态点与机器露点的连线在到达机器露点之前越过饱和线"),
      code("CoilHumidityRange", Code::coilHumidityRange,
           "机器露点相对湿度 φL 须大于 0 且不大于 100％"),
      code("FreshShareRange", Code::freshShareRange,
           "新风比须大于 0 且小于 1（新风量须大于零且小于送风量）"),
      code("SupplyAboveCoilHumidity", Code::supplyAboveCoilHumidity,
           "送风状态点的相对湿度高于 φL：机器露点状态比送风还热，请减小送风温差或采用露点送风"),
      code("CoilHumidityNotOnLine", Code::coilHumidityNotOnLine,
           "室内状态点的热湿比线在送风一侧达不到相对湿度 φL，找不到机器露点状态"),
      code("FreshAirExceedsPrimary", Code::freshAirExceedsPrimary,
           "新风量超过二次回风系统的一次风量（经表冷器的风量）"),
      code("FanCoilPastSaturation", Code::fanCoilPastSaturation,
           "风机盘管出风状态点越过饱和线：请调整新风处理状态或新风量"),
      code("FanCoilWouldHeat", Code::fanCoilWouldHeat,
           "风机盘管出风焓值不低于室内焓值：新风已承担全部室内冷负荷，风机盘管需要加热"),
      code("MixtureNeedsNoHumidifier", Code::mixtureNeedsNoHumidifier,
           "混合空气的含湿量不低于送风状态点：无需加湿，本系统不适用"),
      code("FlowNotPositiveOrFinite", Code::flowNotPositiveOrFinite, "风量必须为大于零的有限数"),
      // A process's refusal that is the arithmetic's, and a design's refusal of either.
      {"ProcessPassingTheArithmeticOn",
       std::string(words(process::Refusal{Code::arithmetic, psychro::Outcome::dryBulbRange})),
       "干球温度t超界"},
      {"DesignRefusedByAProcess",
       words(workspace::refusedBy(process::Refusal{Code::heatingNotWarmer})),
       "加热后的干球温度必须高于进口温度"},
      {"DesignRefusedByTheArithmetic", words(workspace::refusedBy(psychro::Outcome::noSuchState)),
       "该状态点不存在"},

      // The design's rules.
      ruled("NoSuchPoint", Rule::noSuchPoint, "", "请先选择状态点"),
      ruled("SamePoint", Rule::samePoint, "", "混合需要两个不同的状态点"),
      ruled("PointWithoutState", Rule::pointWithoutState, "", "该状态点在当前大气压力下不存在"),
      ruled("NameEmpty", Rule::nameEmpty, "", "名称不能为空"),
      ruled("NameTooLong", Rule::nameTooLong, "", "名称不能超过 24 个字符"),
      ruled("NameTaken", Rule::nameTaken, "", "已有同名的状态点"),
      ruled("NameTurnsDirection", Rule::nameTurnsDirection, "", "名称不能含有文字方向控制符"),
      ruled("NameControl", Rule::nameControl, "", "名称不能含有控制字符"),
      ruled("LaterOutlet", Rule::laterOutlet, "", "过程不能从它自己或其后过程的出口开始"),
      ruled("TooManyPoints", Rule::tooManyPoints, "10000", "状态点不能超过 10000 个"),
      ruled("TooManyLines", Rule::tooManyLines, "10000", "热湿比线不能超过 10000 条"),
      ruled("TooManyZones", Rule::tooManyZones, "100", "自定义舒适区不能超过 100 个"),
      ruled("ZoneNameEmpty", Rule::zoneNameEmpty, "", "请输入舒适区名称"),
      ruled("ZoneNameTooLong", Rule::zoneNameTooLong, "64", "舒适区名称不能超过 64 字节"),
      ruled("ZoneNameTaken", Rule::zoneNameTaken, "区外", "已有名为 区外 的舒适区"),
      ruled("ZoneNameControl", Rule::zoneNameControl, "",
            "舒适区名称不能含有控制字符或文字方向控制符"),
      ruled("ZoneNoBounds", Rule::zoneNoBounds, "", "请至少给出一个界限"),
      ruled("ZoneBoundsReversed", Rule::zoneBoundsReversed, "t", "「干球温度 t ℃」的下限大于上限"),
      ruled("ZoneHumidityRange", Rule::zoneHumidityRange, "rh.max",
            "「相对湿度 φ % 上限」必须为 0～100"),
      ruled("ZoneValueRange", Rule::zoneValueRange, "h.min", "「焓 h kJ/kg 下限」超界"),
      ruled("OutletOfProcess", Rule::outletOfProcess, "C", "状态点 C 是过程的出口，请编辑它的过程"),
      ruled("NoSuchProcess", Rule::noSuchProcess, "", "没有这个过程"),
      ruled("NoSuchLine", Rule::noSuchLine, "", "没有这条热湿比线"),
      ruled("NoSuchZone", Rule::noSuchZone, "", "没有这个舒适区"),
      ruled("EpsilonNotANumber", Rule::epsilonNotANumber, "", "请输入一个数值"),
      ruled("MarginsRange", Rule::marginsRange, "50", "页边距必须为 0～50 mm"),
      ruled("TitleTooLong", Rule::titleTooLong, "256", "标题栏的每一项不能超过 256 字节"),
      ruled("TitleControl", Rule::titleControl, "", "标题栏不能含有控制字符或文字方向控制符"),
      ruled("SystemNameEmpty", Rule::systemNameEmpty, "", "请输入系统名称"),
      ruled("SystemNameTooLong", Rule::systemNameTooLong, "24", "系统名称不能超过 24 个字符"),
      ruled("SystemNameTaken", Rule::systemNameTaken, "AHU-1", "已有名为 AHU-1 的系统"),
      ruled("SystemNameControl", Rule::systemNameControl, "",
            "系统名称不能含有控制字符或文字方向控制符"),
      ruled("SystemValueRange", Rule::systemValueRange, "coil", "「机器露点 φL」超界"),
      ruled("NoSuchSystem", Rule::noSuchSystem, "", "没有这个系统"),

      // The workspace reader's, where they are in the file.
      filed("FileTooLarge", FF::tooLarge, "文件超过 16 MB，不是本程序写出的工作区文件"),
      filed("FileNotJson", FF::notJson, "文件不是完整的 JSON 文本（可能已被截断或损坏）"),
      filed("FileNotAWorkspace", FF::notAWorkspace,
            "不是工作区文件（缺少 \"format\": \"torvale-workspace\"）"),
      filed("FileOfALaterVersion", FF::laterVersion,
            "文件版本为 2，本程序只能打开版本 1 的工作区文件", "version", "2"),
      filed("FilePressureRange", FF::pressureRange,
            "\"pressure\"：大气压力须在 30000～110000 Pa（30～110 kPa）之间", "pressure"),
      filed("FileTooManyPoints", FF::tooManyPoints, "状态点超过 10000 个", "points", "10000"),
      filed("FileFlowNotAnObject", FF::notAnObject,
            "第 2 个过程：风量 \"flow\" 须为对象 {\"value\", \"unit\"}", "flow", "", "processes",
            2),
      filed("FileEntryNotAnObject", FF::notAnObject, "第 3 条热湿比线：须为对象 {…}", "", "",
            "lines", 3),
      filed("FileLoadsLackMoisture", FF::missingKey, "余热余湿 \"loads\" 缺少 \"moisture\"",
            "moisture"),
      filed("FileKindNotText", FF::notText, "过程类型 \"kind\"须为文本", "kind"),
      filed("FileUnknownZone", FF::unknownName, "无法识别的舒适区 “供冷”", "on", "供冷"),
      filed("FileUnknownPair", FF::unknownPair,
            "无法识别的参数组合 \"t+x\"：应为 A+B，A、B 取 t、tw、rh、tl、d、h 之一", "pair",
            "t+x"),
      filed("FilePairNotDetermined", FF::unknownPair, "这两个参数不能确定状态点：tl+d", "pair",
            "tl+d"),
      filed("FileNoSuchPoint", FF::noSuchPoint, "第 1 个过程：找不到状态点 “Z”", "from", "Z",
            "processes", 1),
      filed("FileNameTaken", FF::ruleOfName, "第 2 个状态点：“W”：已有同名的状态点", "name", "W",
            "points", 2, workspace::Refusal{Rule::nameTaken, {}, "W"}),
      filed("FileZoneBoundsReversed", FF::rule, "第 1 个自定义舒适区：「rh」的下限大于上限", "", "",
            "user", 1, workspace::Refusal{Rule::zoneBoundsReversed, {}, "rh"}),
      filed("FileTooManyZones", FF::rule, "自定义舒适区超过 100 个", "", "", "", 0,
            workspace::Refusal{Rule::tooManyZones, {}, "100"}),
      filed("FileSystemMemberTwice", FF::memberTwice,
            "第 2 个系统：“C”：一个状态点只能属于一个系统", "point", "C", "systems", 2),
      filed("FileSystemValueRange", FF::rule, "第 1 个系统：「dt」超界", "", "", "systems", 1,
            workspace::Refusal{Rule::systemValueRange, {}, "dt"}),
      filed("FileRuleNoFileBreaks", FF::rule, "文件内容不符合工作区格式", "", "", "", 0,
            workspace::Refusal{Rule::laterOutlet, {}, {}}),

      // The weather readers'.
      weather("WeatherTooLarge", WF::tooLarge, "文件大于 64 MiB"),
      weather("WeatherNotEpw", WF::notEpw, "首行不是 LOCATION 行，不是 EPW 气象文件"),
      weather("WeatherHeaderShort", WF::headerShort, "文件头不足 8 行，不是 EPW 气象文件"),
      weather("WeatherTooManyRecords", WF::tooManyRecords, "逐时记录多于 100000 条"),
      weather("WeatherNoRecords", WF::noRecords, "文件中没有逐时记录"),
      weather("WeatherNoHeader", WF::noHeader, "文件为空，没有表头"),
      weather("WeatherColumnBeyond", WF::columnBeyond, "第 5 列不在表头的 4 列之中", "5", 4),
      weather("WeatherColumnTwice", WF::columnTwice, "表头中有不止一列名为 a，请改用列号", "a"),
      weather("WeatherNoSuchColumn", WF::noSuchColumn, "表头中没有名为 t 的列", "t"),
      weather("WeatherSameColumn", WF::sameColumn, "两个值不能取自同一列"),
      {"SkipReport", document::skipReport([] {
         workspace::SkipCounts skipped;
         skipped.counts[static_cast<std::size_t>(workspace::SkipReason::missingValue)] = 10;
         skipped.counts[static_cast<std::size_t>(workspace::SkipReason::dewAboveDry)] = 2;
         return skipped;
       }()),
       "跳过 12 条记录：缺测值 10 条，露点高于干球温度 2 条"},
      {"NothingSkipped", document::skipReport({}), ""},
  };
}

class Words : public testing::TestWithParam<Row> {};

TEST_P(Words, ReadAsTheFacesShowThem) {
  EXPECT_EQ(GetParam().words, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(EveryCode, Words, testing::ValuesIn(rows()),
                         [](const auto& row) { return std::string(row.param.name); });

// Every code of a process and every rule of the design is pinned above, and reads as no other:
// a code added without its words or its row fails here.
TEST(Words, EveryCodeIsPinnedAndItsOwn) {
  EXPECT_EQ(document::words(Code::arithmetic), "");  // it says nothing of its own
  std::set<int> processes, rules;
  std::set<std::string> seen;
  for (const Row& r : rows()) {
    if (r.process >= 0) processes.insert(r.process);
    if (r.rule >= 0) rules.insert(r.rule);
    if (r.process >= 0 || r.rule >= 0) {
      EXPECT_TRUE(seen.insert(r.expected).second) << r.name << " repeats " << r.expected;
    }
  }
  EXPECT_EQ(processes.size(), static_cast<std::size_t>(process::codeCount - 1));
  // The rules but the two that pass the arithmetic's and a process's codes on.
  EXPECT_EQ(rules.size(), static_cast<std::size_t>(workspace::ruleCount - 2));
}

}  // namespace

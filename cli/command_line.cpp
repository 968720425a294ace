#include "cli/command_line.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <variant>

#include "calc/messages.h"
#include "calc/number_text.h"
#include "calc/outputs.h"
#include "calc/pair_calculation.h"
#include "calc/state_results.h"
#include "calc/version.h"
#include "cli/arguments.h"
#include "cli/batch.h"
#include "cli/dxf_output.h"
#include "cli/log_batch.h"
#include "cli/result_table.h"
#include "cli/text_encoding.h"
#include "document/design_table.h"
#include "document/disk.h"
#include "document/files.h"
#include "document/weather_layer.h"
#include "document/words.h"
#include "workspace/file.h"
#include "workspace/weather.h"
#include "workspace/zones.h"

namespace cli {
namespace {

constexpr std::string_view usage =
    "用法：torvale-calc [--pressure PA | --altitude M] [--model M] [--tw|--rh|--pair A+B] T X\n"
    "      torvale-calc [--pressure PA | --altitude M] [--model M] --csv [FILE] [--bom]\n"
    "      torvale-calc [--pressure PA | --altitude M] [--model M] --csv [FILE]\n"
    "                   --mode MODE --columns A,B [--encoding utf-8|gb18030] [--bom]\n"
    "      torvale-calc [--model M] --workspace FILE [--dxf OUT.dxf [--paper SIZE]]\n"
    "      torvale-calc [--pressure PA | --altitude M] [--model M] --epw FILE [--zones] [--bom]\n"
    "      torvale-calc -h|--help | torvale-calc --version\n";

constexpr std::string_view help =
    "torvale-calc：湿空气物性计算（总压默认 101325 Pa，可设定）\n"
    "\n"
    "用法 Usage:\n"
    "  torvale-calc [--pressure PA | --altitude M] [--model M] [--tw|--rh|--pair A+B] [--] T X\n"
    "  torvale-calc [--pressure PA | --altitude M] [--model M] --csv [FILE] [--bom]\n"
    "  torvale-calc [--pressure PA | --altitude M] [--model M] --csv [FILE]\n"
    "               --mode MODE --columns A,B [--encoding utf-8|gb18030] [--bom]\n"
    "  torvale-calc [--model M] --workspace FILE [--dxf OUT.dxf [--paper SIZE]]\n"
    "  torvale-calc [--pressure PA | --altitude M] [--model M] --epw FILE [--zones] [--bom]\n"
    "  torvale-calc -h|--help      显示本说明 show this help\n"
    "  torvale-calc --version      显示版本 show the version\n"
    "\n"
    "大气压力 Pressure（对所有计算及每条记录有效）:\n"
    "  --pressure PA  总压 Pa，30000～110000\n"
    "  --altitude M   海拔 m，-500～9000，按标准大气换算并取整到 Pa（1000 m → 89875 Pa）\n"
    "  省略时为 101325 Pa。数值无法读出或超出范围时按用法错误处理（退出码 2）。\n"
    "\n"
    "计算方法 Model（对所有计算及每条记录有效）:\n"
    "  --model classic  经典算法（默认 default）\n"
    "  --model ashrae   ASHRAE 2017 算法（ASHRAE Handbook—Fundamentals 2017 第 1 章）\n"
    "  其他名称按用法错误处理（退出码 2，标准输出为空）。\n"
    "  与 --workspace 一起给出时代替文件中记录的计算方法；省略时按文件中的计算方法。\n"
    "\n"
    "单次计算 Single calculation:\n"
    "  T 为干球温度 ℃，X 按方式解释；两者原样交给计算，与窗口中输入相同。\n"
    "  --tw        X 为湿球温度 ℃（默认 default；即 --pair t+tw）\n"
    "  --rh        X 为相对湿度 ％（即 --pair t+rh）\n"
    "  --pair A+B  T、X 依次为 A、B 两个参数的值。参数 A、B 取：\n"
    "              t 干球温度 ℃, tw 湿球温度 ℃, rh 相对湿度 ％, tl 露点温度 ℃,\n"
    "              d 含湿量 g/kg, h 焓 kJ/kg；两者顺序任意。可用的组合及示例：\n"
    "                t+tw 25 20     t+rh 25 50     t+tl 25 13.89   t+d 25 9.88\n"
    "                t+h 25 50.31   h+rh 50.31 50  h+d 50.31 9.88  h+tl 50.31 13.89\n"
    "                d+rh 9.88 50   tl+rh 13.89 50 tw+rh 17.87 50  tw+tl 17.87 13.89\n"
    "                tw+d 17.87 9.88\n"
    "              tl+d 与 tw+h 不能确定状态点，按用法错误处理。\n"
    "  --     其后的参数都是数值；负数如 -5 本来就是数值，不必加 --\n"
    "  其他以 -- 开头的词视为拼错的选项，按用法错误处理。\n"
    "  成功时每行输出一项结果（名称与数值），退出码 0；\n"
    "  输入有误或状态不存在时，提示信息写到标准错误，标准输出为空，退出码 1。\n"
    "\n"
    "批量计算 Batch (--csv):\n"
    "  从 FILE（省略或为 - 时从标准输入）读取 UTF-8 CSV，每条记录 mode,t,x；\n"
    "  mode 为 tw 或 0（湿球温度）、rh 或 1（相对湿度），或参数组合 A+B（如 h+rh，\n"
    "  其后两个字段依次为 A、B 的值）；无法识别的组合得到其提示信息，其他值视为未选择方式。\n"
    "  首条记录为 mode,t,x 时作为表头跳过。字段按 RFC 4180 加引号，行尾 LF 或 CRLF。\n"
    "  标准输出为 CSV，表头 t,rh,tw,h,tl,rho,d,cp,mu,lambda,pr,message，\n"
    "  每条输入记录对应一条输出记录、顺序不变：成功时为十一项结果，message 为空；\n"
    "  否则结果为空，message 为提示信息。单个字段最长 1 MiB。\n"
    "  引号未闭合的记录止于引号后的第一个行尾，其后各行仍各为一条记录。\n"
    "  读完输入时退出码 0；无法打开或读取输入、无法写出结果时退出码 2。\n"
    "  --bom  输出以 UTF-8 字节顺序标记开头，便于电子表格按 UTF-8 打开。\n"
    "\n"
    "日志 CSV Logs (--csv 加 --mode 与 --columns):\n"
    "  楼宇日志或气象文件等自有格式的 CSV：首条记录为表头，每条记录按固定方式计算。\n"
    "  --mode MODE      tw、rh 或参数组合 A+B（同 --pair；大小写与首尾空格不限）\n"
    "  --columns A,B    取值的两列：从 1 起的列号，或表头中的列名\n"
    "  --encoding E     输入与输出的编码：utf-8（默认，可带字节顺序标记并原样保留）\n"
    "                   或 gb18030（GBK 为其子集）\n"
    "  每条记录原样保留（字段、引号不变），其后追加 t,rh,tw,h,tl,rho,d,cp,mu,lambda,pr,message；\n"
    "  输出表头为原表头加上这些列名。字段少于表头的记录以空字段补齐；字段多于表头的\n"
    "  记录，多出的字段移到 message 之后，message 注明字段多于表头；缺少所需列、\n"
    "  含有不符合编码的字节、引号未闭合的记录得到提示信息；记录不丢弃、顺序不变，行尾为 LF。\n"
    "  表头中找不到的列名、同名的两列、超出表头的列号、表头中未闭合的引号或空输入\n"
    "  按用法错误处理（退出码 2，无输出）。\n"
    "  示例 Example:\n"
    "    torvale-calc --csv 日志.csv --mode rh --columns 干球温度,相对湿度 --encoding gb18030\n"
    "\n"
    "工作区文件 Workspace (--workspace FILE):\n"
    "  读取图表窗口保存的工作区文件（.torvale），按文件中的大气压力重新计算，\n"
    "  将其状态点表与过程表以 CSV 写到标准输出，与“导出 CSV”相同：\n"
    "  首行为大气压力，UTF-8 带字节顺序标记，行尾 CRLF。\n"
    "  文件无法打开、不是完整的工作区文件或超出限制时，标准错误给出文件名与原因，\n"
    "  标准输出为空，退出码 2。\n"
    "  --dxf OUT.dxf  改为将焓湿图写成 CAD 图形（DXF R2007，UTF-8，单位 mm，比例 1:1，\n"
    "                 带图框与标题栏）；图名取工作区文件名，日期取当天。\n"
    "  --paper SIZE   图纸：A4、A3 或 A2，默认竖向，加 ,landscape 为横向（如 A3,landscape）；\n"
    "                 省略时为 A4 竖向。无法写出时退出码 2，原有文件不变。\n"
    "\n"
    "逐时气象 Hourly weather (--epw FILE):\n"
    "  读取 EnergyPlus 气象文件（.epw，8 行文件头，其后每行一条逐时记录），\n"
    "  由干球温度（第 7 字段）与露点温度（第 8 字段）按 t+tl 计算状态点。\n"
    "  大气压力取 LOCATION 行的海拔（第 10 字段，换算同 --altitude），\n"
    "  给出 --pressure 或 --altitude 时以其为准；无可用海拔时为 101325 Pa。\n"
    "  标准输出为 CSV，表头 year,month,day,hour,t,rh,tw,h,tl,rho,d,cp,mu,lambda,pr,message，\n"
    "  每条记录一行、顺序不变，日期字段照录文件；不能使用的记录（字段不全、缺测值 99.9/999、\n"
    "  超出范围、露点高于干球温度，或计算给出提示信息）结果为空，message 为原因，\n"
    "  并在标准错误报告“跳过 N 条记录：…”。--bom 同批量计算。\n"
    "  --zones  改为输出 zone,hours,percent：每个内置舒适区一行（供热工况 I级、供热工况 II级、\n"
    "           供冷工况 I级、供冷工况 II级、数据中心 推荐、数据中心 A1 允许），\n"
    "           最后一行为区外（不在任何一区的小时数）；percent 为占可用记录的百分比。\n"
    "  读完文件时退出码 0；文件无法打开或读取、不是 EPW 文件、大于 64 MiB 或\n"
    "  多于 100000 条记录、无法写出结果时退出码 2。\n"
    "\n"
    "退出码 Exit status: 0 成功 success, 1 提示信息 notice, 2 用法或输入输出错误 usage or I/O "
    "error\n";

bool put(std::FILE* out, std::string_view text) {
  return std::fwrite(text.data(), 1, text.size(), out) == text.size();
}

// "torvale-calc：what name：reason" on err; name comes from the command line and is shown escaped.
void report(std::FILE* err, std::string_view what, std::string_view name, int error) {
  std::string line = "torvale-calc：";
  line += what;
  line += visibleText(name);
  line += "：";
  line += document::fileReason(error);
  line += '\n';
  put(err, line);
}

// Reads source into text as it comes, so that a small file takes little memory, stopping once past
// limit bytes (enough to tell a file that is too large). False for a failed read, error its errno.
bool readUpTo(std::FILE* source, std::size_t limit, std::string& text, int& error) {
  char buffer[1 << 16];
  errno = 0;
  while (text.size() <= limit) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, source);
    text.append(buffer, n);
    if (n < sizeof buffer) break;
  }
  error = errno;
  return std::ferror(source) == 0;
}

int single(const Arguments& a, std::FILE* out, std::FILE* err) {
  const calc::Calculation c = calc::calculateTyped(a.pair, a.t, a.x, a.pressure,
                                                   a.model.value_or(psychro::Arithmetic::classic));
  if (!c.ok()) {
    // The notice as the window titles it.
    std::string line(calc::messages::title);
    line += "：";
    line += calc::words(c.outcome);
    line += '\n';
    put(err, line);
    return exitNotice;
  }
  errno = 0;
  if (!put(out, resultTable(c.texts)) || std::fflush(out) != 0) {
    report(err, "无法写出结果", "", errno);
    return exitUsage;
  }
  return exitOk;
}

int batch(const Arguments& a, std::FILE* in, std::FILE* out, std::FILE* err) {
  const bool fromStdin = a.input == "-";
  const std::string name = fromStdin ? std::string("标准输入") : a.input;
  std::FILE* source = fromStdin ? in : std::fopen(a.input.c_str(), "rb");
  if (source == nullptr) {
    report(err, "无法打开输入文件 ", name, errno);
    return exitUsage;
  }
  OutputSink sink(out);
  if (a.log) {
    LogOptions options;
    options.pair = a.logPair;
    options.columns = a.columns;
    options.encoding = a.encoding;
    options.bom = a.bom;
    options.pressure = a.pressure;
    options.arithmetic = a.model.value_or(psychro::Arithmetic::classic);
    const LogOutcome outcome = runLog(source, sink, options);
    if (!fromStdin) std::fclose(source);
    if (!outcome.usage.empty()) {
      put(err, "torvale-calc：" + visibleText(outcome.usage) + "\n");
      return exitUsage;
    }
    if (outcome.readFailed) report(err, "读取输入失败 ", name, outcome.readError);
    if (outcome.writeFailed) report(err, "无法写出结果", "", sink.error());
    return outcome.readFailed || outcome.writeFailed ? exitUsage : exitOk;
  }
  CsvReader reader(source);
  BatchOptions options;
  options.pressure = a.pressure;
  options.arithmetic = a.model.value_or(psychro::Arithmetic::classic);
  options.bom = a.bom;
  const BatchOutcome outcome = runBatch(reader, sink, options);
  if (!fromStdin) std::fclose(source);
  if (outcome.readFailed) report(err, "读取输入失败 ", name, reader.error());
  if (outcome.writeFailed) report(err, "无法写出结果", "", sink.error());
  return outcome.readFailed || outcome.writeFailed ? exitUsage : exitOk;
}

// "torvale-calc：what name：reason" for a file refused by the document's reading.
void report(std::FILE* err, std::string_view what, std::string_view name,
            const document::Refusal& why) {
  put(err, "torvale-calc：" + std::string(what) + visibleText(name) + "：" +
               visibleText(document::words(why)) + "\n");
}

int printWorkspace(const Arguments& a, std::FILE* out, std::FILE* err) {
  // Read as the window reads it: a regular file only, bounded.
  document::Disk disk;
  std::variant<workspace::Workspace, document::Refusal> read =
      document::readDesign(disk, a.workspace);
  if (const auto* why = std::get_if<document::Refusal>(&read)) {
    report(err, "无法打开工作区文件 ", a.workspace, *why);
    return exitUsage;
  }
  workspace::Workspace& design = std::get<workspace::Workspace>(read);
  // --model computes the design with that arithmetic instead of the file's own.
  if (a.model && *a.model != design.arithmetic()) design.setArithmetic(*a.model);
  if (!a.dxf.empty()) {
    // The design's page set-up; --paper gives the paper and its orientation instead.
    workspace::PageSetup page = design.page();
    if (!a.paper.empty()) readPaper(a.paper, page);
    return writeDrawing(design, page, a.workspace, a.dxf, err) ? exitOk : exitUsage;
  }
  errno = 0;
  if (!put(out, document::commaSeparated(design)) || std::fflush(out) != 0) {
    report(err, "无法写出结果", "", errno);
    return exitUsage;
  }
  return exitOk;
}

// The output of --epw: one record per hour, or with --zones the hours in each built-in zone.
int weather(const Arguments& a, std::FILE* in, std::FILE* out, std::FILE* err) {
  const bool fromStdin = a.weather == "-";
  const std::string name = fromStdin ? std::string("标准输入") : a.weather;
  std::variant<workspace::WeatherFile, document::Refusal> read = document::Refusal{};
  if (fromStdin) {
    std::string text;
    int readError = 0;
    if (!readUpTo(in, workspace::maxWeatherBytes, text, readError)) {
      report(err, "读取输入失败 ", name, readError);
      return exitUsage;
    }
    auto records = workspace::readEpw(text);
    if (auto* why = std::get_if<workspace::WeatherRefusal>(&records))
      read = document::unreadable(std::move(*why));
    else
      read = std::move(std::get<workspace::WeatherFile>(records));
  } else {
    // Read as the window reads it: a regular file only, bounded.
    document::Disk disk;
    read = document::readWeather(disk, a.weather, std::nullopt);
  }
  if (const auto* why = std::get_if<document::Refusal>(&read)) {
    const bool file = why->code != document::Code::notWeather;
    report(err, file ? "无法打开气象文件 " : "无法读取气象文件 ", name, *why);
    return exitUsage;
  }
  const workspace::WeatherFile& file = std::get<workspace::WeatherFile>(read);
  const double pa = a.pressureGiven
                        ? a.pressure
                        : workspace::sitePressure(file).value_or(psychro::standardPressure);
  const psychro::Arithmetic m = a.model.value_or(psychro::Arithmetic::classic);
  const workspace::WeatherStates states = workspace::weatherStates(file, pa, m);

  CsvText csv;
  if (a.zones) {
    const std::array<workspace::Zone, workspace::builtInZoneCount>& zones =
        workspace::builtInZones();
    for (std::string_view key : {"zone", "hours", "percent"}) csv.field(key);
    csv.endRecord();
    for (const workspace::ZoneHourRow& row :
         workspace::zoneHourRows(workspace::zoneHours(states, zones), zones)) {
      for (const std::string& field : {row.zone, row.hours, row.percent}) csv.field(field);
      csv.endRecord();
    }
  } else {
    for (std::string_view key : {"year", "month", "day", "hour"}) csv.field(key);
    for (const calc::OutputInfo& o : calc::outputs) csv.field(o.key);
    csv.field("message");
    csv.endRecord();
    std::size_t next = 0;  // the next used record's place in states.hours
    for (std::size_t i = 0; i < file.records.size(); ++i) {
      const workspace::WeatherRecord& r = file.records[i];
      for (const std::string& f : r.date) csv.field(f);
      std::string_view message;
      if (next < states.hours.size() && states.hours[next].record == i) {
        const calc::ShownValues shown = calc::shownValues(states.hours[next++].air, m);
        for (std::size_t k = 0; k < shown.size(); ++k)
          csv.fixedField(shown[k], calc::outputs[k].decimals);
      } else {
        message =
            r.skip ? document::words(*r.skip)
                   : calc::words(workspace::hourState(file.pair, r.first, r.second, pa, m).outcome);
        for (std::size_t k = 0; k < calc::outputs.size(); ++k) csv.field({});
      }
      csv.field(message);
      csv.endRecord();
    }
  }
  errno = 0;
  if ((a.bom && !put(out, "\xEF\xBB\xBF")) || !put(out, csv.view()) || std::fflush(out) != 0) {
    report(err, "无法写出结果", "", errno);
    return exitUsage;
  }
  if (const std::string skipped = document::skipReport(states.skipped); !skipped.empty())
    put(err, skipped + "\n");
  return exitOk;
}

}  // namespace

int run(std::span<const char* const> args, std::FILE* in, std::FILE* out, std::FILE* err) {
  const Arguments a = parseArguments(args);
  switch (a.action) {
    case Action::help:
    case Action::version: {
      const std::string text = a.action == Action::help
                                   ? std::string(help)
                                   : "torvale-calc " + std::string(calc::version) + "\n";
      errno = 0;
      if (put(out, text) && std::fflush(out) == 0) return exitOk;
      report(err, "无法写出结果", "", errno);  // as a result that cannot be written
      return exitUsage;
    }
    case Action::single:
      return single(a, out, err);
    case Action::batch:
      return batch(a, in, out, err);
    case Action::workspace:
      return printWorkspace(a, out, err);
    case Action::weather:
      return weather(a, in, out, err);
    case Action::usageError:
      break;
  }
  put(err, "torvale-calc：" + visibleText(a.error) + "\n");
  put(err, usage);
  return exitUsage;
}

}  // namespace cli

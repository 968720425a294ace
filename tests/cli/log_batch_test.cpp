// A log's own CSV through torvale-calc: its records kept as they stand with the results after
// them, the columns found by number or name, GB18030 in and out, the byte-order mark, and the
// records that get a message instead of results.
#include "cli/log_batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace {

const std::string suffix = "t,rh,tw,h,tl,rho,d,cp,mu,lambda,pr,message\n";
// The results of 35.2 ℃ at 58 % and the empty message; before a message, eleven empty results.
const std::string hot =
    "35.20,58.0,28.03,89.1184,25.68,1.1294,20.94,1022.128,18.7971,0.0268,0.72,\n";
const std::string none = std::string(12, ',');
const std::string header = "时间,干球温度,相对湿度,备注";
// The same results followed by a message instead of the empty one.
std::string hotTold(const std::string& message) {
  return hot.substr(0, hot.size() - 1) + message;
}
const std::string wide = "该记录的字段多于表头的 4 列";

// A header of n columns named c1…cn (or `name` in the columns listed), and a record of n fields
// with 35.2 and 58 in the two columns given.
std::string manyNames(std::size_t n, const std::string& name = "",
                      std::vector<std::size_t> at = {}) {
  std::string s;
  for (std::size_t i = 1; i <= n; ++i) {
    if (i > 1) s += ',';
    s += std::count(at.begin(), at.end(), i) ? name : 'c' + std::to_string(i);
  }
  return s + '\n';
}
std::string manyFields(std::size_t n, std::size_t t, std::size_t rh) {
  std::string s;
  for (std::size_t i = 1; i <= n; ++i) {
    if (i > 1) s += ',';
    s += i == t ? "35.2" : i == rh ? "58" : "";
  }
  return s;
}
const std::string longName(1024, 'n');

std::string gb(const std::string& utf8) {
  return *cli::Conversion(cli::Encoding::utf8, cli::Encoding::gb18030)(utf8);
}

struct LogCase {
  const char* name;
  std::string columns[2];
  cli::Encoding encoding;
  bool bom;
  std::string input, output;  // output empty: refused, with usage naming the problem
  std::string usage = "";
  std::size_t maxField = 1 << 20;
};
void PrintTo(const LogCase& c, std::ostream* os) {
  *os << c.name;
}

class LogBatch : public testing::TestWithParam<LogCase> {};

TEST_P(LogBatch, KeepsRecordsAndAppendsResults) {
  const LogCase& c = GetParam();
  std::FILE* in = std::tmpfile();
  std::FILE* out = std::tmpfile();
  ASSERT_TRUE(in && out);
  std::fwrite(c.input.data(), 1, c.input.size(), in);
  std::rewind(in);
  cli::OutputSink sink(out);
  cli::LogOptions options;
  options.pair = {psychro::Quantity::t, psychro::Quantity::rh};
  options.columns = {c.columns[0], c.columns[1]};
  options.encoding = c.encoding;
  options.bom = c.bom;
  options.maxFieldBytes = c.maxField;
  const cli::LogOutcome outcome = cli::runLog(in, sink, options);
  std::string written(static_cast<std::size_t>(std::ftell(out)), '\0');
  std::rewind(out);
  written.resize(std::fread(written.data(), 1, written.size(), out));
  std::fclose(in);
  std::fclose(out);
  EXPECT_EQ(written, c.output);
  EXPECT_NE(outcome.usage.find(c.usage), std::string::npos) << outcome.usage;
  EXPECT_EQ(outcome.usage.empty(), c.usage.empty());
}

using cli::Encoding;

INSTANTIATE_TEST_SUITE_P(
    Logs, LogBatch,
    testing::Values(
        LogCase{"NamesQuotingAndBomKept",
                {" 干球温度 ", "相对湿度"},
                Encoding::utf8,
                false,
                "\xEF\xBB\xBF" + header + "\r\n1,35.2,58,\"屋顶, \"\"东\"\"\"\r\n",
                "\xEF\xBB\xBF" + header + "," + suffix + "1,35.2,58,\"屋顶, \"\"东\"\"\"," + hot},
        LogCase{"NumbersAndBomAdded",
                {"2", "3"},
                Encoding::utf8,
                true,
                header + "\n1,35.2,58\n",
                "\xEF\xBB\xBF" + header + "," + suffix + "1,35.2,58,," + hot},
        LogCase{"Gb18030InAndOut",
                {"干球温度", "3"},
                Encoding::gb18030,
                false,
                gb(header + "\n1,35.2,58,东侧\n2,,58,离线\n"),
                gb(header + "," + suffix + "1,35.2,58,东侧," + hot + "2,,58,离线" + none +
                   "请输入具体参数\n")},
        LogCase{"ShortAndEmptyRecordsPaddedAndTold",
                {"2", "3"},
                Encoding::utf8,
                false,
                header + "\n1,35.2\n\n1,35.2,58\n",
                header + "," + suffix + "1,35.2,," + none + "记录只有 2 个字段，缺少第 3 列\n" +
                    ",,," + none + "记录只有 1 个字段，缺少第 3 列\n1,35.2,58,," + hot},
        LogCase{"InvalidBytesToldAndKept",
                {"2", "3"},
                Encoding::utf8,
                false,
                header + "\n1,35.2,58,\xFF\n",
                header + "," + suffix + "1,35.2,58,\xFF" + none +
                    "该记录含有不符合 UTF-8 编码的字节\n"},
        LogCase{"GbkHeaderReadAsUtf8",
                {"2", "3"},
                Encoding::utf8,
                false,
                gb(header + "\n"),
                "",
                "表头含有不符合 UTF-8 编码的字节"},
        LogCase{"EmptyInput", {"1", "2"}, Encoding::utf8, false, "", "", "输入为空"},
        LogCase{"UnknownName",
                {"温度", "3"},
                Encoding::utf8,
                false,
                header + "\n",
                "",
                "表头中没有名为 温度 的列"},
        LogCase{"NameTwice", {"a", "3"}, Encoding::utf8, false, "a,a,b\n", "", "不止一列名为 a"},
        LogCase{"NumberBeyondHeader",
                {"2", "5"},
                Encoding::utf8,
                false,
                header + "\n",
                "",
                "第 5 列不在表头的 4 列之中"},
        // Results stand under t…message whatever the width; extra fields follow the message.
        LogCase{"ExtraFieldsAfterTheMessage",
                {"2", "3"},
                Encoding::utf8,
                false,
                header + "\n1,35.2,58,东侧,备注多一列\n2,,58,x,\"y,\nz\"\n",
                header + "," + suffix + "1,35.2,58,东侧," + hotTold(wide) + ",备注多一列\n" +
                    "2,,58,x" + none + "请输入具体参数,\"y,\nz\"\n"},
        LogCase{"ExtraFieldsPastTheCapStreamed",
                {"2", "3"},
                Encoding::utf8,
                false,
                header + "\n1,35.2,58,,a,1234567\xFF\n",
                header + "," + suffix + "1,35.2,58,," + hotTold(wide) + ",a,1234567\xFF\n",
                "",
                8},
        LogCase{"ExtraFieldsInGb18030",
                {"2", "3"},
                Encoding::gb18030,
                false,
                gb(header + "\n1,35.2,58,东侧,多\n"),
                gb(header + "," + suffix + "1,35.2,58,东侧," + hotTold(wide) + ",多\n")},
        // Names anywhere in the header, of any length, are found whole.
        LogCase{"NamesPastColumn4096",
                {"c4097", "c4098"},
                Encoding::utf8,
                false,
                manyNames(5000) + manyFields(5000, 4097, 4098) + "\n",
                manyNames(5000).substr(0, manyNames(5000).size() - 1) + "," + suffix +
                    manyFields(5000, 4097, 4098) + "," + hot},
        LogCase{"NameTwiceFarApart",
                {"a", "c2"},
                Encoding::utf8,
                false,
                manyNames(5000, "a", {1, 5000}),
                "",
                "不止一列名为 a"},
        LogCase{"LongNameNotTakenForItsPrefix",
                {longName, "b"},
                Encoding::utf8,
                false,
                longName + "x," + longName + ",b\n,35.2,58\n",
                longName + "x," + longName + ",b," + suffix + ",35.2,58," + hot},
        LogCase{"OpenQuoteInHeader",
                {"1", "2"},
                Encoding::utf8,
                false,
                "a,\"b\n1,2\n",
                "",
                "表头中的引号未闭合"},
        LogCase{"StrayQuoteTakesItsLineOnly",
                {"2", "3"},
                Encoding::utf8,
                false,
                header + "\n1,\"35.2,58\n1,35.2,58\n",
                header + "," + suffix + "1,\"35.2,58,," + none +
                    "引号未闭合：输入在带引号的字段中结束\n1,35.2,58,," + hot},
        LogCase{"SameColumnTwice",
                {"2", "干球温度"},
                Encoding::utf8,
                false,
                header + "\n",
                "",
                "同一列"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace

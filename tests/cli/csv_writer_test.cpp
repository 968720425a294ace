#include "cli/csv_writer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct WriterCase {
  const char* name;
  std::vector<std::string> fields;
  std::string line;
};
void PrintTo(const WriterCase& c, std::ostream* os) {
  *os << c.name;
}

class CsvTextTest : public testing::TestWithParam<WriterCase> {};

TEST_P(CsvTextTest, QuotesOnlyWhatNeedsIt) {
  cli::CsvText text;
  for (const std::string& f : GetParam().fields) text.field(f);
  text.endRecord();
  EXPECT_EQ(text.view(), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CsvTextTest,
    testing::Values(
        WriterCase{"Plain", {"25.00", "63.5", ""}, "25.00,63.5,\n"},
        WriterCase{"Comma", {"a,b", "c"}, "\"a,b\",c\n"},
        WriterCase{"Quote", {"say \"hi\"", "\""}, "\"say \"\"hi\"\"\",\"\"\"\"\n"},
        WriterCase{"Cr", {"a\rb"}, "\"a\rb\"\n"}, WriterCase{"Lf", {"a\nb"}, "\"a\nb\"\n"},
        WriterCase{"Blanks", {" a ", "\t"}, " a ,\t\n"},
        WriterCase{"Chinese", {"记录须有3个字段（mode,t,x）"}, "\"记录须有3个字段（mode,t,x）\"\n"},
        WriterCase{"NoFields", {}, "\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CsvText, RecordsFollowEachOtherAndClearStartsAfresh) {
  cli::CsvText text;
  text.field("a");
  text.endRecord();
  text.field("b");
  text.field("c");
  text.endRecord();
  EXPECT_EQ(text.view(), "a\nb,c\n");
  text.field("x");
  text.clear();
  text.field("y");
  EXPECT_EQ(text.view(), "y");
}

TEST(OutputSink, FailedWriteIsReportedAndSticks) {
  std::FILE* full = std::fopen("/dev/full", "w");
  ASSERT_NE(full, nullptr);
  cli::OutputSink sink(full);
  sink.write(std::string(1 << 20, 'x'));
  EXPECT_FALSE(sink.flush());
  EXPECT_TRUE(sink.failed());
  EXPECT_EQ(sink.error(), ENOSPC);
  EXPECT_FALSE(sink.write("more"));
  std::fclose(full);
}

}  // namespace

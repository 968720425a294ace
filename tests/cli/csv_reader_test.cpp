#include "cli/csv_reader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File fileWith(const std::string& bytes) {
  File f(std::tmpfile(), &std::fclose);
  std::fwrite(bytes.data(), 1, bytes.size(), f.get());
  std::rewind(f.get());
  return f;
}

struct Rec {
  std::vector<std::string> fields;  // the kept fields (not compared for a record cut at a quote)
  std::size_t count = 0;            // 0: as many as kept
  bool tooLong = false;
  bool unclosed = false;
  bool pastCap = false;  // cut at a quote open past the cap
};

std::vector<Rec> readAll(const std::string& bytes, std::size_t buffer, std::size_t maxField) {
  File f = fileWith(bytes);
  cli::CsvReader reader(f.get(), buffer, maxField);
  std::vector<Rec> out;
  cli::CsvRecord r;
  while (reader.next(r)) {
    Rec rec{{}, r.fieldCount, r.fieldTooLong, r.unclosedQuote, r.openPastCap};
    for (std::size_t i = 0; i < std::min(r.fieldCount, r.fields.size()); ++i)
      rec.fields.push_back(r.fields[i]);
    out.push_back(rec);
  }
  EXPECT_FALSE(reader.failed());
  return out;
}

struct ReaderCase {
  const char* name;
  std::string input;
  std::vector<Rec> records;
  std::size_t cap = 1 << 20;
};
void PrintTo(const ReaderCase& c, std::ostream* os) {
  *os << c.name;
}

class CsvReaderTest : public testing::TestWithParam<ReaderCase> {};

// Every case is read with buffers so small that records, quotes and CRLF pairs straddle refills.
TEST_P(CsvReaderTest, ReadsRecords) {
  for (std::size_t buffer : {4u, 5u, 7u, 1u << 18}) {
    SCOPED_TRACE("buffer " + std::to_string(buffer));
    const std::vector<Rec> got = readAll(GetParam().input, buffer, GetParam().cap);
    ASSERT_EQ(got.size(), GetParam().records.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      const Rec& want = GetParam().records[i];
      SCOPED_TRACE("record " + std::to_string(i));
      if (!want.unclosed && !want.pastCap) {
        EXPECT_EQ(got[i].fields, want.fields);
      }
      EXPECT_EQ(got[i].count, want.count != 0 ? want.count : want.fields.size());
      EXPECT_EQ(got[i].tooLong, want.tooLong);
      EXPECT_EQ(got[i].unclosed, want.unclosed);
      EXPECT_EQ(got[i].pastCap, want.pastCap);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CsvReaderTest,
    testing::Values(
        ReaderCase{"Plain", "tw,25,20\nrh,30,50\n", {{{"tw", "25", "20"}}, {{"rh", "30", "50"}}}},
        ReaderCase{"NoTrailingNewline", "tw,25,20", {{{"tw", "25", "20"}}}},
        ReaderCase{"Crlf", "a,b,c\r\nd,e,f\r\n", {{{"a", "b", "c"}}, {{"d", "e", "f"}}}},
        ReaderCase{"LoneCr", "a,b,c\rd,e,f\r", {{{"a", "b", "c"}}, {{"d", "e", "f"}}}},
        ReaderCase{"DoubledQuotes", "\"a\"\"b\",\"\"\"\",c\n", {{{"a\"b", "\"", "c"}}}},
        ReaderCase{"EmbeddedCommaAndLineEnds",
                   "\"1,5\",\"x\ny\",\"p\r\nq\"\n",
                   {{{"1,5", "x\ny", "p\r\nq"}}}},
        ReaderCase{"EmptyQuotedField", "\"\",b,\"\"", {{{"", "b", ""}}}},
        ReaderCase{"Bom", "\xEF\xBB\xBFtw,1,2\n", {{{"tw", "1", "2"}}}},
        ReaderCase{"BomOnlyAtStart",
                   "a,b,c\n\xEF\xBB\xBF"
                   "d,e,f\n",
                   {{{"a", "b", "c"}},
                    {{"\xEF\xBB\xBF"
                      "d",
                      "e", "f"}}}},
        ReaderCase{"BlanksKept", " 25 ,\t20, x \n", {{{" 25 ", "\t20", " x "}}}},
        ReaderCase{"EmptyLinesAreRecords",
                   "a,b,c\n\n\r\nd,e,f\n",
                   {{{"a", "b", "c"}}, {{""}}, {{""}}, {{"d", "e", "f"}}}},
        ReaderCase{"FieldCounts",
                   "a,b\na,b,c,d,e\na,b,\n",
                   {{{"a", "b"}}, {{"a", "b", "c"}, 5}, {{"a", "b", ""}}}},
        ReaderCase{"TextAroundQuotesKept", "\"ab\"c,d\"e,f\n", {{{"abc", "d\"e", "f"}}}},
        // A quote left open ends its record at its first line end; the lines after are records.
        ReaderCase{"UnclosedQuote",
                   "a,b,c\na,b,\"c\nd,e",
                   {{{"a", "b", "c"}}, {{}, 3, false, true}, {{"d", "e"}}}},
        ReaderCase{"StrayQuoteEndsItsLineOnly",
                   "rh,\"25,50\r\ntw,25,20\r\n\"\"\"\"\r\nrh,1,2",
                   {{{}, 2, false, true}, {{"tw", "25", "20"}}, {{"\""}}, {{"rh", "1", "2"}}}},
        ReaderCase{"UnclosedAtEndWithoutLineEnd", "tw,1,\"2,3", {{{}, 3, false, true}}},
        ReaderCase{"OpenPastCapAfterALineEnd",
                   "tw,\"12\n34567\",x\ny\n",
                   {{{}, 2, true, false, true}, {{"3456", "x"}, 0, true}, {{"y"}}},
                   4},
        ReaderCase{"OpenPastCapOnItsFirstLine",
                   "tw,\"12345\r\n\"\n",
                   {{{}, 2, true, false, true}, {{}, 1, false, true}},
                   4},
        ReaderCase{"LongQuoteClosedOnItsLine",
                   "tw,\"1,2,3\"4,5\ny\n",
                   {{{"tw", "1,2,", "5"}, 0, true}, {{"y"}}},
                   4},
        ReaderCase{"MultiLineQuoteWithinCap", "tw,\"1\n\"\"2\",3\n", {{{"tw", "1\n\"2", "3"}}}, 4},
        ReaderCase{"QuoteClosedAtEnd", "a,b,\"c\"", {{{"a", "b", "c"}}}},
        ReaderCase{"EmptyInput", "", {}}, ReaderCase{"BomOnly", "\xEF\xBB\xBF", {}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CsvReaderCap, OverLongFieldIsCutAndFlaggedAndReadingGoesOn) {
  for (std::size_t buffer : {4u, 1u << 18}) {
    const std::vector<Rec> got =
        readAll("tw,123456,20\n\"ab,\"\"cdef\",x,y\ntw,1234,20\n", buffer, 4);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_TRUE(got[0].tooLong);
    EXPECT_EQ(got[0].fields[1], "1234");
    EXPECT_TRUE(got[1].tooLong);
    EXPECT_EQ(got[1].fields[0], "ab,\"");
    EXPECT_FALSE(got[2].tooLong);
    EXPECT_EQ(got[2].fields[1], "1234");
  }
}

TEST(CsvReaderCap, HugeFieldKeepsOnlyTheCap) {
  const std::string input = "tw," + std::string(8 << 20, '7') + ",20\n";
  const std::vector<Rec> got = readAll(input, 1 << 18, 1 << 20);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_TRUE(got[0].tooLong);
  EXPECT_EQ(got[0].fields[1].size(), 1u << 20);
}

TEST(CsvReaderError, ReadFailureIsReported) {
  File dir(std::fopen("/", "rb"), &std::fclose);  // opens, but reading a directory fails
  ASSERT_NE(dir, nullptr);
  cli::CsvReader reader(dir.get());
  cli::CsvRecord r;
  EXPECT_FALSE(reader.next(r));
  EXPECT_TRUE(reader.failed());
  EXPECT_EQ(reader.error(), EISDIR);
}

}  // namespace

// The encoding check of log records against the system's own converter: whatever bytes, in
// whatever pieces they arrive, a record is valid exactly when iconv converts it.
#include "cli/text_encoding.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using cli::Encoding;

struct Bytes {
  const char* name;
  Encoding encoding;
  std::string bytes;
  bool valid;
};
void PrintTo(const Bytes& b, std::ostream* os) {
  *os << b.name;
}

class EncodingCheckTest : public testing::TestWithParam<Bytes> {};

TEST_P(EncodingCheckTest, AgreesWithIconvInAnyPieces) {
  const Bytes& b = GetParam();
  cli::Conversion toUtf8(b.encoding,
                         Encoding::utf8 == b.encoding ? Encoding::gb18030 : Encoding::utf8);
  EXPECT_EQ(toUtf8(b.bytes).has_value(), b.valid) << "iconv";
  for (std::size_t piece : {std::size_t{1}, std::size_t{2}, std::size_t{3}, b.bytes.size() + 1}) {
    cli::EncodingCheck check(b.encoding);
    for (std::size_t i = 0; i < b.bytes.size(); i += piece)
      check.feed(std::string_view(b.bytes).substr(i, piece));
    EXPECT_EQ(check.valid(), b.valid) << "in pieces of " << piece;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Records, EncodingCheckTest,
    testing::Values(Bytes{"Utf8Chinese", Encoding::utf8, "干球温度,35.2,“东”", true},
                    Bytes{"Utf8Astral", Encoding::utf8, "\xF0\x9F\x8C\xA1", true},
                    Bytes{"Utf8Overlong", Encoding::utf8, "\xC0\xAF", false},
                    Bytes{"Utf8OverlongThree", Encoding::utf8, "\xE0\x80\xAF", false},
                    Bytes{"Utf8Surrogate", Encoding::utf8, "\xED\xA0\x80", false},
                    Bytes{"Utf8AboveUnicode", Encoding::utf8, "\xF4\x90\x80\x80", false},
                    Bytes{"Utf8CutShort", Encoding::utf8, "35,\xE4\xB8", false},
                    Bytes{"Utf8LoneContinuation", Encoding::utf8, "\x80", false},
                    Bytes{"GbChinese", Encoding::gb18030, "\xB8\xC9\xC7\xF2,35.2", true},
                    Bytes{"GbFourByteBmp", Encoding::gb18030, "\x81\x30\x81\x30", true},
                    Bytes{"GbLastBmp", Encoding::gb18030, "\x84\x31\xA4\x39", true},
                    Bytes{"GbPastBmp", Encoding::gb18030, "\x84\x31\xA5\x30", false},
                    Bytes{"GbAstral", Encoding::gb18030, "\x95\x32\x82\x36", true},
                    Bytes{"GbLastAstral", Encoding::gb18030, "\xE3\x32\x9A\x35", true},
                    Bytes{"GbPastUnicode", Encoding::gb18030, "\xE3\x32\x9A\x36", false},
                    Bytes{"GbLead80", Encoding::gb18030, "\x80", false},
                    Bytes{"GbLeadFF", Encoding::gb18030, "\xFF", false},
                    Bytes{"GbBadTrail", Encoding::gb18030, "\xB8\x20", false},
                    Bytes{"GbCutShort", Encoding::gb18030, "35,\x81\x30\x81", false}),
    [](const auto& row) { return std::string(row.param.name); });

// Messages quote input through visibleText: controls and malformed bytes escaped, the rest kept.
TEST(VisibleText, EscapesControlsAndMalformedBytesOnly) {
  const struct {
    const char* name;
    std::string text, shown;
  } rows[] = {
      {"PlainAndTab", "干球温度\t℃ \\x", "干球温度\t℃ \\x"},
      {"C0AndDel", std::string("a\0\x1b[31m\r\n\x7f", 10), "a\\x00\\x1B[31m\\x0D\\x0A\\x7F"},
      {"C1ButNotLatin1", "\xc2\x9b\xc2\x85\xc2\xa0", "\\u009B\\u0085\xc2\xa0"},
      {"Malformed", "\xff\xe4\xb8,\xed\xa0\x80\xc0\xaf",
       "\\xFF\\xE4\\xB8,\\xED\\xA0\\x80\\xC0\\xAF"},
      {"AstralKept", "\xf0\x9f\x8c\xa1", "\xf0\x9f\x8c\xa1"},
  };
  for (const auto& r : rows) EXPECT_EQ(cli::visibleText(r.text), r.shown) << r.name;
}

}  // namespace

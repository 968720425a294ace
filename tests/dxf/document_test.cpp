// The DXF writer: what its strings become, and a file that is well formed whatever it is given.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "dxf/document.h"
#include "dxf/strings.h"
#include "support/dxf_structure.h"

namespace {

struct Row {
  const char* name;
  std::string given, expected;
};

TEST(DxfStrings, ValidUtf8ReplacesWhatIsIllFormed) {
  const Row rows[] = {
      {"ChineseKept", "状态点 φ=55%", "状态点 φ=55%"},
      {"StrayContinuation", "a\x80z", "a\xEF\xBF\xBDz"},
      {"Overlong", "\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"Surrogate", "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"CutShort", "x\xE7\x8A", "x\xEF\xBF\xBD\xEF\xBF\xBD"},
  };
  for (const Row& r : rows) EXPECT_EQ(dxf::validUtf8(r.given), r.expected) << r.name;
}

TEST(DxfStrings, NamesAsCadTakesThem) {
  const Row rows[] = {
      {"ChineseKept", "热湿比线", "热湿比线"},
      {"RefusedCharacters", "a<b>c/d\\e\"f:g;h?i*j|k=l`m", "a_b_c_d_e_f_g_h_i_j_k_l_m"},
      {"ControlsAndEnds", "  line\nbreak ", "line_break"},
      {"CutThenTrimmed", std::string(254, 'x') + "  y", std::string(254, 'x')},
      {"EmptyIsUnderscore", " \t ", "_"},
      {"Long", std::string(300, 'x'), std::string(255, 'x')},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(dxf::tableName(r.given), r.expected) << r.name;
    EXPECT_EQ(dxf::tableName(r.expected), r.expected) << r.name;  // made once for all
  }
  EXPECT_TRUE(dxf::sameName("Continuous", "CONTINUOUS"));
  EXPECT_FALSE(dxf::sameName("网格", "网格2"));
}

TEST(DxfStrings, TextShownAsItIs) {
  const Row rows[] = {
      {"Lines", "W  t=35\nd=21", "W  t=35\\Pd=21"},       {"CrLfOneBreak", "a\r\nb", "a\\Pb"},
      {"CodesEscaped", "\\P {x}", "\\\\P \\{x\\}"},       {"CaretNotAControl", "^J", "^ J"},
      {"NoPercentSymbols", "%%d 5%%%", "%{}%d 5%{}%{}%"}, {"ControlsBlank", "a\tb\x7F", "a b "},
  };
  for (const Row& r : rows) EXPECT_EQ(dxf::textContent(r.given), r.expected) << r.name;
}

// Pieces of a long text join to it again, none longer than asked, none cut inside a character
// or after a caret.
TEST(DxfStrings, ChunksKeepCharactersWhole) {
  std::string content;
  for (int i = 0; i < 200; ++i) content += i % 3 ? "焓湿" : "^ ";
  const auto chunks = dxf::textChunks(content, 250);
  std::string joined;
  for (std::string_view c : chunks) {
    EXPECT_LE(c.size(), 250u);
    EXPECT_TRUE(testsupport::validUtf8Line(c));
    EXPECT_NE(c.back(), '^');
    joined += c;
  }
  EXPECT_EQ(joined, content);
}

TEST(DxfStrings, Numbers) {
  const struct {
    const char* name;
    double value;
    const char* text;
  } rows[] = {{"Whole", 420, "420"},
              {"Decimals", 12.5, "12.5"},
              {"SixDecimals", 1.0 / 3, "0.333333"},
              {"NegativeZero", -1e-9, "0"},
              {"NotFinite", std::nan(""), "0"},
              {"Large", 1e20, "100000000000000000000"}};
  for (const auto& r : rows) EXPECT_EQ(dxf::number(r.value), r.text) << r.name;
}

// A drawing of every kind of entity, hostile names and texts among them, reads as a well-formed
// file with each entity on its layer; entities with coordinates that are not finite are left out.
TEST(DxfDocument, WellFormedWhateverItIsGiven) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  dxf::Document d;
  d.setTextStyle("汉字", "simfang.ttf");
  d.addLinetype({"焓线虚线", "__ __", {1.5, -1}});
  d.addLayer({"网格", 9, "焓线虚线", 13});
  d.addLayer({"网格", 1});  // taken: ignored
  d.addLayer({"a/b\nc", 300, "no such", 7});
  d.line("网格", {0, 0}, {10, 10});
  d.line("网格", {nan, 0}, {10, 10});
  d.polyline("未声明", {{0, 0}, {1, 1}, {2, 0}}, true, {5, 35, "焓线虚线"});
  d.circle("状态点", {5, 5}, 2);
  d.disc("状态点", {6, 6}, 2);
  d.triangle("过程", {0, 0}, {1, 0}, {0, 1});
  d.text("文字", {{1, 1}, 2.5, "名称\x01\n%%d {\\P}", dxf::Attachment::middleCentre, 90, true});
  d.text("文字", {{1, 1}, std::numeric_limits<double>::infinity(), "lost"});
  EXPECT_EQ(d.entityCount(), 6u);
  const testsupport::DxfReading r = testsupport::readDxf(d.write());
  ASSERT_EQ(r.problem, "");
  EXPECT_EQ(r.entities.at({"LINE", "网格"}), 1);
  EXPECT_EQ(r.entities.at({"LWPOLYLINE", "未声明"}), 1);
  EXPECT_EQ(r.entities.at({"SOLID", "过程"}), 1);
  EXPECT_EQ(r.texts.find("文字")->second, "名称 \\P%{}%d \\{\\\\P\\}");
  EXPECT_TRUE(r.layers.count("a_b_c"));
  EXPECT_EQ(r.layers.size(), 7u);  // 0, 网格, a_b_c and the four made on use
}

}  // namespace

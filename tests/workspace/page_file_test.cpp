// The page set-up and the title block in the workspace file: kept through a save and an open,
// absent from the file while they are the defaults (so older files and outputs stay as they were),
// and a file that gives them wrongly refused as the reader refuses any other key.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "workspace/file.h"

namespace {

using workspace::FileFault;
using workspace::Rule;

const char* const head = R"({"format": "torvale-workspace", "version": 1, "pressure": 101325, )";

std::variant<workspace::Workspace, workspace::FileRefusal> read(const std::string& keys) {
  return workspace::readWorkspace(std::string(head) + keys + "}");
}

TEST(PageFile, RoundTripAndDefaultsUnwritten) {
  workspace::Workspace w;
  const std::string plain = workspace::workspaceText(w);
  EXPECT_EQ(plain.find("\"page\""), std::string::npos);
  EXPECT_EQ(plain.find("\"titleBlock\""), std::string::npos);

  w.setPage({workspace::Paper::a2, workspace::Orientation::landscape,
             workspace::Margins{25, 10, 10, 12.5}, workspace::PageContent::tables});
  workspace::TitleBlock t;
  for (const auto& [key, field] : workspace::titleKeys) t.*field = std::string(key) + " 某某";
  w.setTitleBlock(t);
  const auto back = workspace::readWorkspace(workspace::workspaceText(w));
  ASSERT_TRUE(std::holds_alternative<workspace::Workspace>(back));
  EXPECT_EQ(std::get<workspace::Workspace>(back).page(), w.page());
  EXPECT_EQ(std::get<workspace::Workspace>(back).titleBlock(), t);
}

TEST(PageFile, RefusesWhatNoPageSetupOrTitleBlockHolds) {
  struct Row {
    const char* name;
    std::string keys;
    FileFault fault;
    Rule rule = Rule::arithmetic;
  };
  const std::string tooLong(workspace::maxTitleBytes + 1, 'x');
  const Row rows[] = {
      {"UnknownPaper", R"("page": {"paper": "A0"})", FileFault::unknownName},
      {"UnknownOrientation", R"("page": {"orientation": "sideways"})", FileFault::unknownName},
      {"UnknownContent", R"("page": {"content": "all"})", FileFault::unknownName},
      {"PageNotObject", R"("page": "A4")", FileFault::notAnObject},
      {"MarginOverLimit", R"("page": {"margins": [25, 5, 5, 51]})", FileFault::rule,
       Rule::marginsRange},
      {"NegativeMargin", R"("page": {"margins": [-1, 5, 5, 5]})", FileFault::rule,
       Rule::marginsRange},
      {"ThreeMargins", R"("page": {"margins": [25, 5, 5]})", FileFault::rule, Rule::marginsRange},
      {"TitleNotText", R"("titleBlock": {"project": 7})", FileFault::notText},
      {"TitleTooLong", R"("titleBlock": {"firm": ")" + tooLong + "\"}", FileFault::rule,
       Rule::titleTooLong},
      {"TitleControl", R"("titleBlock": {"date": "2024\n07"})", FileFault::rule,
       Rule::titleControl},
  };
  for (const Row& r : rows) {
    const auto got = read(r.keys);
    ASSERT_TRUE(std::holds_alternative<workspace::FileRefusal>(got)) << r.name;
    EXPECT_EQ(std::get<workspace::FileRefusal>(got).fault, r.fault) << r.name;
    EXPECT_EQ(std::get<workspace::FileRefusal>(got).rule.rule, r.rule) << r.name;
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/start_options.h"

namespace {

struct OptionsRow {
  const char* name;
  std::vector<std::string> args;
  double pa;          // the pressure at start when usable
  const char* error;  // a part of the message when not usable, else ""
};

TEST(StartOptions, GiveThePressureOrSayWhy) {
  const OptionsRow rows[] = {
      {"none", {}, 101325, ""},
      {"pressure", {"--pressure", "81000"}, 81000, ""},
      {"negative altitude", {"--quit-after-first-paint", "--altitude=-500"}, 107478, ""},
      {"pressure in kPa", {"--pressure", "81"}, 0, "30000～110000 Pa"},
      {"pressure missing", {"--pressure"}, 0, "30000～110000 Pa"},
      {"altitude too high", {"--altitude", "9001"}, 0, "-500～9000 m"},
      {"both", {"--pressure", "81000", "--altitude", "0"}, 0, "其中一个"},
      {"unknown", {"--presure", "81000"}, 0, "未知选项 --presure"},
      {"workspace file", {"夏季工况.torvale", "--pressure", "81000"}, 81000, ""},
      {"two workspace files", {"a.torvale", "b.torvale"}, 0, "未知选项 b.torvale"},
      {"model", {"--model", "ashrae", "--pressure", "81000"}, 81000, ""},
      {"unknown model", {"--model=ASHRAE"}, 0, "无法识别的计算方法 \"ASHRAE\""},
      {"model twice", {"--model", "ashrae", "--model", "classic"}, 0, "只能给出一次"},
  };
  for (const OptionsRow& row : rows) {
    SCOPED_TRACE(row.name);
    const app::StartOptions o = app::readStartOptions(row.args);
    if (*row.error != '\0') {
      EXPECT_NE(o.error.find(row.error), std::string::npos) << o.error;
    } else {
      EXPECT_EQ(o.error, "");
      EXPECT_EQ(o.pa, row.pa);
    }
  }
  EXPECT_EQ(app::readStartOptions(std::vector<std::string>{"--model", "ashrae"}).arithmetic,
            psychro::Arithmetic::ashrae2017);
  EXPECT_EQ(app::readStartOptions(std::vector<std::string>{}).arithmetic,
            psychro::Arithmetic::classic);
  EXPECT_EQ(app::readStartOptions(std::vector<std::string>{"夏季工况.torvale"}).workspaceFile,
            "夏季工况.torvale");
  // --help is answered whatever else the line holds.
  EXPECT_TRUE(app::readStartOptions(std::vector<std::string>{"-platform", "--help"}).help);
  // The help tells what the program keeps between starts: the recent files and the recovery.
  for (const char* kept : {"最近打开的文件", "torvale.conf", "恢复文件"})
    EXPECT_NE(app::usage.find(kept), std::string_view::npos) << kept;
}

}  // namespace

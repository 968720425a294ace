// Runs the built torvale-calc as a user would and checks its three outputs and exit status.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "calc/outputs.h"
#include "calc/version.h"
#include "cli/text_encoding.h"
#include "document/design_table.h"
#include "drawing/chart_dxf.h"
#include "support/recording_window.h"
#include "workspace/file.h"

extern char** environ;

namespace {

std::string scratch(const std::string& name) {
  return testing::TempDir() + "torvale-calc-" + std::to_string(getpid()) + "-" + name;
}

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void spit(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

struct Finished {
  int status = -1;
  std::string out, err;
};

// Runs the binary with stdin from `input`, stdout to `outPath` (a scratch file unless given),
// after the shell commands `setup` when given (to set limits).
Finished runCalc(const std::vector<std::string>& args, const std::string& input = "",
                 std::string outPath = "", const std::string& setup = "") {
  const std::string in = scratch("stdin"), err = scratch("stderr");
  const bool ownOut = outPath.empty();
  if (ownOut) outPath = scratch("stdout");
  spit(in, input);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const std::string script = setup + " && exec \"$0\" \"$@\"";
  std::vector<char*> argv;
  if (!setup.empty()) {
    argv.push_back(const_cast<char*>("/bin/sh"));
    argv.push_back(const_cast<char*>("-c"));
    argv.push_back(const_cast<char*>(script.c_str()));
  }
  argv.push_back(const_cast<char*>(TORVALE_CALC));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  Finished run;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  if (ownOut) run.out = slurp(outPath);
  run.err = slurp(err);
  return run;
}

struct CliCase {
  const char* name;
  std::vector<std::string> args;
  int status;
  std::string inOut;  // expected within stdout; "" means stdout must be empty
  std::string inErr;  // expected within stderr; "" means stderr must be empty
  std::string input = "";
};
void PrintTo(const CliCase& c, std::ostream* os) {
  *os << c.name;
}

class CommandLineTest : public testing::TestWithParam<CliCase> {};

TEST_P(CommandLineTest, StatusAndStreams) {
  const CliCase& c = GetParam();
  const Finished r = runCalc(c.args, c.input);
  EXPECT_EQ(r.status, c.status);
  // Whatever the arguments and input hold, both streams are UTF-8 text with no control
  // characters but line ends.
  for (const std::string* stream : {&r.out, &r.err}) {
    std::istringstream lines(*stream);
    for (std::string line; std::getline(lines, line);) EXPECT_EQ(cli::visibleText(line), line);
  }
  if (c.inOut.empty()) {
    EXPECT_EQ(r.out, "");
  }
  EXPECT_NE(r.out.find(c.inOut), std::string::npos) << r.out;
  if (c.inErr.empty()) {
    EXPECT_EQ(r.err, "");
  }
  EXPECT_NE(r.err.find(c.inErr), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CommandLineTest,
    testing::Values(
        CliCase{"WetBulb", {"25", "20"}, 0, "相对湿度 ％", ""},
        CliCase{"Rh", {"--rh", "25", "50"}, 0, "密度 kg/m³", ""},
        CliCase{"NoticeOnRh", {"--rh", "25", "150"}, 1, "", "相对湿度φ必须为：0％～100％"},
        CliCase{"NoticeOnWetBulb", {"--tw", "20", "25"}, 1, "", "tw > t；输入参数有误"},
        CliCase{"EmptyText", {"", "20"}, 1, "", "请输入具体参数"},
        CliCase{"OneValue", {"25"}, 2, "", "用法"},
        CliCase{"UnknownOption", {"--x", "25", "20"}, 2, "", "用法"},
        CliCase{"Help", {"--help"}, 0, "--csv", ""}, CliCase{"ShortHelp", {"-h"}, 0, "--csv", ""},
        CliCase{
            "Version", {"--version"}, 0, "torvale-calc " + std::string(calc::version) + "\n", ""},
        CliCase{"MissingFile",
                {"--csv", "/nonexistent/in.csv"},
                2,
                "",
                "torvale-calc：无法打开输入文件 /nonexistent/in.csv：不存在\n"},
        CliCase{"Directory", {"--csv", "/"}, 2, "", "torvale-calc：读取输入失败 /：是目录\n"},
        CliCase{"MissingWorkspace",
                {"--workspace", "/nonexistent/a.torvale"},
                2,
                "",
                "torvale-calc：无法打开工作区文件 /nonexistent/a.torvale：不存在\n"},
        CliCase{"WorkspaceWithPressure",
                {"--workspace", "a.torvale", "--pressure", "90000"},
                2,
                "",
                "大气压力取自文件"},
        CliCase{"PairEnthalpyAndRh",
                {"--pair", "h+rh", "50.31", "50"},
                0,
                "焓 kJ/kg          50.3100",
                ""},
        CliCase{"AtAltitude",
                {"--altitude", "1000", "--rh", "25", "50"},
                0,
                "含湿量 g/kg       11.16",
                ""},
        CliCase{"RefusedPair", {"--pair", "tw+h", "20", "50"}, 2, "", "不能确定状态点"},
        CliCase{
            "AshraeIceBulb", {"--model", "ashrae", "5", "-2.71"}, 0, "相对湿度 ％       5.0", ""},
        CliCase{"ClassicIceBulb", {"--model=classic", "5", "-2.71"}, 1, "", "该状态点不存在"},
        CliCase{"UnknownModel",
                {"--model", "ashrae-2099", "--csv", "/dev/null"},
                2,
                "",
                "--model：无法识别的计算方法 \"ashrae-2099\"：应为 ashrae 或 classic"},
        CliCase{
            "PressureOutOfRange", {"--pressure", "120000", "25", "20"}, 2, "", "30000～110000 Pa"},
        CliCase{"CsvAtPressure", {"--csv", "--pressure", "81000", "/dev/null"}, 0, "t,rh,tw", ""},
        CliCase{"UnknownLogMode",
                {"--csv", "--mode", "zz", "--columns", "1,2"},
                2,
                "",
                "--mode：无法识别的方式 \"zz\"：应为 tw、rh 或参数组合 A+B"},
        CliCase{"ControlsInLogMode",
                {"--csv", "--mode", "\x1b[31mt+zz", "--columns", "1,2"},
                2,
                "",
                "\"\\x1B[31mt+zz\""},
        CliCase{"ControlsInFileName",
                {"--csv", "in\r\x1b]0;x\x07\xff.csv"},
                2,
                "",
                "无法打开输入文件 in\\x0D\\x1B]0;x\\x07\\xFF.csv："},
        CliCase{"ControlsInColumnName",
                {"--csv", "--mode", "rh", "--columns", "a\x1b\x7f\xc2\x9b,b"},
                2,
                "",
                "名为 a\\x1B\\x7F\\u009B 的列",
                "a,b\n"},
        CliCase{"ControlsInCsvMode",
                {"--csv"},
                0,
                ",\"无法识别的参数组合 \"\"\\x1B[31mt\\x0A+zz\\xFF\"\"",
                "",
                "\"\x1b[31mt\n+zz\xff\",1,2\n"}),
    [](const auto& row) { return std::string(row.param.name); });

// --workspace prints the sheet 导出 CSV writes of the file; a file it refuses, only why on stderr.
TEST(WorkspaceRun, PrintsTheSheetOrNamesTheFileAndWhy) {
  const std::string design =
      "{\"format\": \"torvale-workspace\", \"version\": 1, \"pressure\": 89875, \"points\": ["
      "{\"name\": \"W\", \"pair\": \"t+rh\", \"values\": [\"35\", \"60\"]}], \"processes\": ["
      "{\"kind\": \"heat\", \"from\": \"W\", \"values\": [\"40\"], \"outlet\": \"S\"}]}";
  const auto opened = workspace::readWorkspace(design);
  ASSERT_TRUE(std::holds_alternative<workspace::Workspace>(opened));
  const struct {
    const char* name;
    std::string text;
    int status;
    std::string out, inErr;
  } rows[] = {
      {"Design", design, 0, document::commaSeparated(std::get<workspace::Workspace>(opened)), ""},
      {"Truncated", design.substr(0, 70), 2, "", "a.torvale：文件不是完整的 JSON"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = scratch("a.torvale");
    spit(path, row.text);
    const Finished r = runCalc({"--workspace", path});
    EXPECT_EQ(r.status, row.status);
    EXPECT_EQ(r.out, row.out);
    EXPECT_EQ(r.out.find("大气压力,89875 Pa\r\n"), row.out.empty() ? std::string::npos : 3);
    EXPECT_NE(r.err.find(row.inErr), std::string::npos) << r.err;
    EXPECT_EQ(r.err.empty(), row.inErr.empty());
  }
}

// --dxf writes the drawing drawing::chartDxf makes of the design (图名 the file's name, 日期
// today) and prints nothing; where it cannot write, it names the path on stderr and leaves no file
// of its own behind.
TEST(WorkspaceRun, DxfIsTheDrawingOfTheDesign) {
  const std::string design =
      "{\"format\": \"torvale-workspace\", \"version\": 1, \"pressure\": 89875, \"points\": ["
      "{\"name\": \"室外\", \"pair\": \"t+rh\", \"values\": [\"35\", \"60\"]}]}";
  const std::string path = scratch("夏季.torvale");
  spit(path, design);
  const workspace::Workspace opened =
      std::get<workspace::Workspace>(workspace::readWorkspace(design));
  char today[16] = "";
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  std::strftime(today, sizeof today, "%Y-%m-%d", localtime_r(&now, &local));
  const drawing::TitleDefaults defaults{"torvale-calc-" + std::to_string(getpid()) + "-夏季",
                                        today};
  const std::string folder = scratch("dxf-folder");
  std::filesystem::create_directory(folder);
  const struct {
    const char* name;
    std::vector<std::string> paper;
    std::string target;
    workspace::PageSetup page;
    int status;
  } rows[] = {
      {"DefaultPaper", {}, scratch("a.dxf"), {}, 0},
      {"A3Landscape",
       {"--paper", "a3,LANDSCAPE"},
       scratch("b.dxf"),
       {workspace::Paper::a3, workspace::Orientation::landscape, std::nullopt,
        workspace::PageContent::chartAndTables},
       0},
      {"NoSuchFolder", {}, scratch("none/c.dxf"), {}, 2},
      {"AFolderKept", {}, folder, {}, 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> args{"--workspace", path, "--dxf", row.target};
    args.insert(args.end(), row.paper.begin(), row.paper.end());
    const Finished r = runCalc(args);
    EXPECT_EQ(r.status, row.status);
    EXPECT_EQ(r.out, "");
    if (row.status == 0) {
      EXPECT_EQ(slurp(row.target), drawing::chartDxf(opened, row.page, {}, defaults));
      EXPECT_EQ(r.err, "");
    } else {
      EXPECT_NE(r.err.find("无法写出 " + row.target), std::string::npos) << r.err;
    }
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  for (const auto& entry : std::filesystem::directory_iterator(testing::TempDir()))
    EXPECT_FALSE(entry.path().string().starts_with(folder + ".")) << entry.path();
}

// The values a single run prints, in box order.
std::vector<std::string> printedTexts(const std::string& table) {
  std::vector<std::string> texts;
  std::istringstream lines(table);
  for (std::string line; std::getline(lines, line);)
    texts.push_back(line.substr(line.rfind(' ') + 1));
  return texts;
}

struct Sample {
  const char* mode;
  calc::Route route;
  const char* t;
  const char* x;
  std::vector<std::pair<calc::Output, const char*>> known;  // texts read off a real run
};

// The single form, the batch and the command through a plain window agree on every route.
TEST(Agreement, SingleFormBatchAndCommandGiveTheSameTexts) {
  using O = calc::Output;
  const std::vector<Sample> samples = {
      {"tw",
       calc::Route::wetBulb,
       "25",
       "20",
       {{O::dryBulb, "25.00"},
        {O::humidity, "63.5"},
        {O::wetBulb, "20.00"},
        {O::dewPoint, "17.63"},
        {O::moisture, "12.61"}}},
      {"rh", calc::Route::humidity, "25", "50", {{O::wetBulb, "17.87"}, {O::moisture, "9.88"}}},
      {"rh", calc::Route::humidity, "35", "60", {}},
      {"tw", calc::Route::wetBulb, "-10", "-12", {}},
  };
  std::string csv, expectedCsv;
  for (const Sample& s : samples) {
    SCOPED_TRACE(std::string(s.mode) + " " + s.t + " " + s.x);
    const CommandOutcome ref = commandOutcome(s.t, s.x, s.route);
    ASSERT_EQ(ref.message, "");
    for (const auto& [field, text] : s.known)
      EXPECT_EQ(ref.texts[static_cast<std::size_t>(field)], text);
    const Finished r = runCalc({std::string("--") + s.mode, s.t, s.x});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(printedTexts(r.out), std::vector<std::string>(ref.texts.begin(), ref.texts.end()));
    csv += std::string(s.mode) + "," + s.t + "," + s.x + "\n";
    expectedCsv += commandRecord(ref);
  }
  const Finished batch = runCalc({"--csv"}, csv);
  EXPECT_EQ(batch.status, 0);
  EXPECT_EQ(batch.out, "t,rh,tw,h,tl,rho,d,cp,mu,lambda,pr,message\n" + expectedCsv);
}

TEST(BatchRun, FileAndStandardInputGiveOneRecordPerInputRecord) {
  const std::string input =
      "\xEF\xBB\xBFmode,t,x\r\ntw,25,20\r\nrh,25\r\n\r\nxx,1,2\r\nrh,35,60\r\n\"rh\",\"25\",\"50";
  const std::string path = scratch("in.csv");
  spit(path, input);
  const Finished fromFile = runCalc({"--csv", path});
  const Finished fromStdin = runCalc({"--csv", "-"}, input);
  EXPECT_EQ(fromFile.status, 0);
  EXPECT_EQ(fromFile.err, "");
  EXPECT_EQ(fromFile.out, fromStdin.out);

  std::vector<std::string> lines;
  std::istringstream out(fromFile.out);
  for (std::string line; std::getline(out, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_TRUE(lines[1].starts_with("25.00,63.5,20.00,"));
  EXPECT_TRUE(lines[2].ends_with("此行有2个\""));
  EXPECT_TRUE(lines[3].ends_with("此行有1个\""));
  EXPECT_EQ(lines[4], ",,,,,,,,,,,请输入具体参数");
  EXPECT_TRUE(lines[5].starts_with("35.00,60.0,"));
  EXPECT_EQ(lines[6], ",,,,,,,,,,,引号未闭合：输入在带引号的字段中结束");
}

// A 1 GiB stack for every thread within 256 MiB of address space: no helper thread can start, and
// the batch runs on its own thread with the same output. (Sanitized builds need far more space.)
TEST(BatchRun, ThreadsThatCannotStartLeaveOneThread) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "address space limits do not apply under AddressSanitizer";
#endif
  std::string input;
  for (int i = 0; i < 20000; ++i) input += i % 2 ? "tw,25,20\n" : "rh,30,50\n";
  const Finished free = runCalc({"--csv"}, input);
  const Finished limited = runCalc({"--csv"}, input, "", "ulimit -s 1048576 && ulimit -v 262144");
  EXPECT_EQ(limited.status, 0);
  EXPECT_EQ(limited.err, "");
  EXPECT_EQ(limited.out, free.out);
  EXPECT_EQ(std::count(free.out.begin(), free.out.end(), '\n'), 20001);
}

TEST(FailedOutput, IsNotReportedAsSuccess) {
  const std::vector<std::vector<std::string>> runs = {
      {"25", "20"}, {"--csv"}, {"--help"}, {"--version"}};
  for (const std::vector<std::string>& args : runs) {
    const Finished r = runCalc(args, "tw,25,20\n", "/dev/full");
    EXPECT_EQ(r.status, 2) << args[0];
    EXPECT_EQ(r.err, "torvale-calc：无法写出结果：空间不足\n") << args[0];
  }
}

}  // namespace

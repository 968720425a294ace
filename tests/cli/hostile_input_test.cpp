// torvale-calc --csv against input made to hurt it: a 50 MB line, NUL bytes, invalid UTF-8, an
// input that ends inside quotes, a stray quote before many lines, ten million empty lines. Every
// input record gets exactly its one answer, so the output stays valid UTF-8 CSV whatever came in,
// and the process stays small. The big inputs are made while they are piped in and the output is
// checked as it streams out, so the test holds neither.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <fstream>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "calc/messages.h"

extern char** environ;

namespace {

using namespace std::string_literals;

#if defined(__SANITIZE_ADDRESS__)
// Sanitized processes are many times slower and bigger: the big inputs shrink (staying above the
// 1 MiB field cap) and memory is not judged.
constexpr bool sanitized = true;
#else
constexpr bool sanitized = false;
#endif
constexpr std::size_t bigBytes = sanitized ? 2 << 20 : 50 << 20;
constexpr std::size_t emptyLines = sanitized ? 100'000 : 10'000'000;
constexpr long peakLimitKb = 64 * 1024;

// Input: each piece's bytes written `times` times, one piece after the other.
struct Piece {
  std::string bytes;
  std::size_t times = 1;
};

// Expected output after the header: each line `times` times, one after the other.
struct Lines {
  std::string line;
  std::size_t times = 1;
};

std::string notice(std::string_view text) {
  const bool quote = text.find(',') != std::string_view::npos;
  return std::string(11, ',') + (quote ? "\"" : "") + std::string(text) + (quote ? "\"" : "");
}
std::string fieldCount(std::size_t n) {
  return notice("记录须有3个字段（mode,t,x），此行有" + std::to_string(n) + "个");
}
const std::string worked =
    "25.00,63.5,20.00,57.2616,17.63,1.1737,12.61,1015.400,18.3597,0.0260,0.72,";
const std::string tooLong = notice("字段过长：每个字段不得超过 1048576 字节");
const std::string unclosed = notice("引号未闭合：输入在带引号的字段中结束");
const std::string openPastCap = notice("引号未闭合：带引号的字段超过 1048576 字节仍未结束");
const std::string missing = notice(calc::words(psychro::Outcome::missingInput));
const std::string wetAboveDry = notice(calc::words(psychro::Outcome::wetAboveDry));

// Compares streamed output lines with the expected runs, keeping only the first difference.
class LineChecker {
 public:
  explicit LineChecker(const std::vector<Lines>& want) : want_(want) {}

  void feed(std::string_view bytes) {
    for (std::size_t nl; (nl = bytes.find('\n')) != std::string_view::npos;) {
      carry_.append(bytes.substr(0, nl));
      line(carry_);
      carry_.clear();
      bytes.remove_prefix(nl + 1);
    }
    if (carry_.size() + bytes.size() > (1 << 20)) {
      note("a line longer than 1 MiB");
      carry_.clear();
    } else {
      carry_.append(bytes);
    }
  }

  // The difference found, or "" when the output was exactly as expected.
  std::string verdict() {
    if (!carry_.empty()) note("output does not end with a line end");
    if (run_ < want_.size()) note("output ends after " + std::to_string(lines_) + " lines");
    return first_;
  }

 private:
  void line(const std::string& text) {
    ++lines_;
    if (lines_ == 1) {
      if (text != "t,rh,tw,h,tl,rho,d,cp,mu,lambda,pr,message") note("header is " + text);
      return;
    }
    if (run_ == want_.size()) {
      note("extra line " + std::to_string(lines_) + ": " + text.substr(0, 200));
      return;
    }
    if (text != want_[run_].line)
      note("line " + std::to_string(lines_) + " is " + text.substr(0, 200) + ", expected " +
           want_[run_].line);
    if (++inRun_ == want_[run_].times) {
      ++run_;
      inRun_ = 0;
    }
  }
  void note(const std::string& what) {
    if (first_.empty()) first_ = what;
  }

  const std::vector<Lines>& want_;
  std::size_t run_ = 0, inRun_ = 0, lines_ = 0;
  std::string carry_, first_;
};

struct Outcome {
  int status = -1;
  std::string difference;
  std::string err;
  long peakKb = 0;
};

// Runs torvale-calc --csv with the input piped in and checks the output as it arrives.
Outcome runStreamed(const std::vector<Piece>& input, const std::vector<Lines>& want) {
  std::signal(SIGPIPE, SIG_IGN);  // a child that stops reading must fail the test, not kill it
  int in[2], out[2];
  if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) return {};
  const std::string errPath = testing::TempDir() + "hostile-" + std::to_string(getpid());
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  const char* argv[] = {TORVALE_CALC, "--csv", nullptr};
  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, TORVALE_CALC, &actions, nullptr, const_cast<char* const*>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(in[0]);
  close(out[1]);
  Outcome o;
  if (spawned != 0) {
    close(in[1]);
    close(out[0]);
    return o;
  }

  std::thread writer([&input, fd = in[1]] {
    std::string block;
    const auto flush = [&] {
      for (std::size_t done = 0; done < block.size();) {
        const ssize_t n = write(fd, block.data() + done, block.size() - done);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
      }
      block.clear();
      return true;
    };
    bool open = true;
    for (const Piece& p : input)
      for (std::size_t i = 0; open && i < p.times; ++i) {
        block += p.bytes;
        if (block.size() >= (1 << 16)) open = flush();
      }
    if (open) flush();
    close(fd);
  });
  LineChecker checker(want);
  std::vector<char> buffer(1 << 16);
  for (ssize_t n; (n = read(out[0], buffer.data(), buffer.size())) > 0;)
    checker.feed(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
  close(out[0]);
  writer.join();

  int status = 0;
  waitpid(pid, &status, 0);
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  o.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  o.difference = checker.verdict();
  o.peakKb = usage.ru_maxrss;
  std::ifstream err(errPath, std::ios::binary);
  o.err.assign(std::istreambuf_iterator<char>(err), {});
  return o;
}

struct HostileCase {
  const char* name;
  std::vector<Piece> input;
  std::vector<Lines> output;
};
void PrintTo(const HostileCase& c, std::ostream* os) {
  *os << c.name;
}

class HostileInput : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileInput, EachRecordGetsItsAnswerInFlatMemory) {
  const Outcome o = runStreamed(GetParam().input, GetParam().output);
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.err, "");
  EXPECT_EQ(o.difference, "");
  if (!sanitized) {
    EXPECT_LT(o.peakKb, peakLimitKb);
  }
}

constexpr std::size_t block = 1 << 16;
const std::string fields = [] {
  std::string s;
  while (s.size() < block) s += "1,";
  return s;
}();

INSTANTIATE_TEST_SUITE_P(
    Inputs, HostileInput,
    testing::Values(
        HostileCase{"LongLineOfNulBytes",
                    {{"tw,25,"}, {std::string(block, '\0'), bigBytes / block}, {"\ntw,25,20\n"}},
                    {{tooLong}, {worked}}},
        HostileCase{"LongLineOfFields",
                    {{fields, bigBytes / block}, {"1\n"}},
                    {{fieldCount(bigBytes / 2 + 1)}}},
        HostileCase{"EndsInsideALongQuote",
                    {{"tw,25,\""}, {std::string(block, 'x'), bigBytes / block}},
                    {{unclosed}}},
        HostileCase{"EmptyLines",
                    {{std::string(1000, '\n'), emptyLines / 1000}},
                    {{fieldCount(1), emptyLines}}},
        // A NUL cannot belong to a number: it ends one as any other character does.
        HostileCase{"NulBytes",
                    {{"tw,25\0,20\n\0\0\0\nt\0w,25,20\ntw,\0,20\ntw,25,20\0"s}},
                    {{worked}, {fieldCount(1)}, {missing}, {wetAboveDry}, {worked}}},
        // Malformed UTF-8 reads as a non-number character; it is never copied to the output.
        HostileCase{
            "InvalidUtf8",
            {{"tw,25\xff,20\n\xc3\x28,25,20\ntw,\xed\xa0\x80,20\n\xff\xfe\n\"\xe4\xb8\",1,2"}},
            {{worked}, {missing}, {wetAboveDry}, {fieldCount(1)}, {missing}}},
        HostileCase{
            "EndsInsideAShortQuote", {{"tw,25,20\r\ntw,25,\"20\r\n"}}, {{worked}, {unclosed}}},
        // One stray quote takes only its own line, whether the input ends first or the cap comes.
        HostileCase{"StrayQuoteToTheEnd",
                    {{"rh,\"25,50\n"}, {"tw,25,20\n", 100'002}},
                    {{unclosed}, {worked, 100'002}}},
        HostileCase{"StrayQuotePastTheCap",
                    {{"rh,\"25,50\n"}, {"tw,25,20\n", 300'000}},
                    {{openPastCap}, {worked, 300'000}}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace

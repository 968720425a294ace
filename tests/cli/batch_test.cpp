#include "cli/batch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/mode.h"
#include "support/recording_window.h"

namespace {

constexpr std::optional<calc::Route> wetBulb = calc::Route::wetBulb;
constexpr std::optional<calc::Route> humidity = calc::Route::humidity;
constexpr std::optional<calc::Route> none = std::nullopt;

struct ModeCase {
  const char* mode;
  std::optional<calc::Route> route;
};

TEST(ModeRoute, MapsWordsAndDigitsInAnyCaseWithBlanksAround) {
  const ModeCase cases[] = {
      {"tw", wetBulb}, {"0", wetBulb},   {"rh", humidity},    {"1", humidity},   {"", none},
      {"TW", wetBulb}, {" tw", wetBulb}, {"Rh\t ", humidity}, {" 1 ", humidity}, {"t w", none},
      {"2", none},     {"00", none},     {"mode", none},      {"tw-long", none}};
  for (const ModeCase& c : cases) EXPECT_EQ(cli::modeRoute(c.mode), c.route) << c.mode;
}

// An input line and the result record the batch must write for it.
struct Row {
  std::string line;
  std::string record;
};

std::string notice(const std::string& text) {
  return ",,,,,,,,,,," + text + "\n";
}
Row calculated(std::string line, std::string t, std::string x, std::optional<calc::Route> route) {
  return {std::move(line), commandRecord(commandOutcome(std::move(t), std::move(x), route))};
}

const std::vector<Row>& mixedRows() {
  static const std::vector<Row> rows = {
      calculated("tw,25,20", "25", "20", wetBulb),
      calculated("rh,25,50", "25", "50", humidity),
      calculated("1,35,60", "35", "60", humidity),
      calculated("0,-10,-12", "-10", "-12", wetBulb),
      calculated("xx,25,20", "25", "20", none),
      calculated("tw,20,25", "20", "25", wetBulb),
      calculated("rh,25,150", "25", "150", humidity),
      calculated("tw, ,20", " ", "20", wetBulb),
      calculated("rh,２５,５０", "２５", "５０", humidity),
      calculated("\"tw\",\"25.5\",\"20\"", "25.5", "20", wetBulb),
      calculated("mode,t,x", "t", "x", none),  // a header anywhere but first is a record
      {"tw,25", notice("\"记录须有3个字段（mode,t,x），此行有2个\"")},
      {"", notice("\"记录须有3个字段（mode,t,x），此行有1个\"")},
      {"tw,25,20,1", notice("\"记录须有3个字段（mode,t,x），此行有4个\"")},
      {"tw,12345678901,20", notice("字段过长：每个字段不得超过 8 字节")},
  };
  return rows;
}

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

std::string runOn(const std::string& input, const cli::BatchOptions& options,
                  cli::BatchOutcome* outcome = nullptr) {
  File in(std::tmpfile(), &std::fclose), out(std::tmpfile(), &std::fclose);
  std::fwrite(input.data(), 1, input.size(), in.get());
  std::rewind(in.get());
  cli::CsvReader reader(in.get(), 1 << 10, 8);
  cli::OutputSink sink(out.get());
  const cli::BatchOutcome o = cli::runBatch(reader, sink, options);
  if (outcome != nullptr) *outcome = o;
  std::string text(static_cast<std::size_t>(std::ftell(out.get())), '\0');
  std::rewind(out.get());
  text.resize(std::fread(text.data(), 1, text.size(), out.get()));
  return text;
}

// The same mixed input through every split of the work: one record per input record, in order,
// each what the command itself gives, and the unclosed quote at the end still answered.
TEST(Batch, OneRecordPerInputRecordInOrderWhateverTheSplit) {
  std::string input = "\xEF\xBB\xBFmode,t,x\r\n", expected = cli::batchHeader();
  for (int round = 0; round < 7; ++round) {
    for (const Row& row : mixedRows()) {
      input += row.line + (round % 2 ? "\r\n" : "\n");
      expected += row.record;
    }
  }
  input += "rh,\"25";
  expected += notice("引号未闭合：输入在带引号的字段中结束");
  const std::size_t records = 7 * mixedRows().size() + 1;

  for (unsigned threads : {1u, 2u, 3u}) {
    for (std::size_t chunk : {1u, 4u, 4096u}) {
      SCOPED_TRACE(std::to_string(threads) + " threads, chunks of " + std::to_string(chunk));
      cli::BatchOutcome outcome;
      EXPECT_EQ(runOn(input, {threads, chunk, 1 << 20}, &outcome), expected);
      EXPECT_EQ(outcome.records, records);
      EXPECT_FALSE(outcome.readFailed || outcome.writeFailed);
    }
  }
}

TEST(Batch, HeaderOnlyOrNothingGivesTheHeader) {
  for (const char* input : {"", "mode,t,x\n", "\xEF\xBB\xBF"})
    EXPECT_EQ(runOn(input, {}), cli::batchHeader()) << input;
}

TEST(Batch, UnreadableInputWritesNothing) {
  File dir(std::fopen("/", "rb"), &std::fclose);
  File out(std::tmpfile(), &std::fclose);
  cli::CsvReader reader(dir.get());
  cli::OutputSink sink(out.get());
  const cli::BatchOutcome outcome = cli::runBatch(reader, sink);
  EXPECT_TRUE(outcome.readFailed);
  EXPECT_EQ(std::ftell(out.get()), 0);
}

TEST(Batch, FailedOutputIsReported) {
  File in(std::tmpfile(), &std::fclose), full(std::fopen("/dev/full", "w"), &std::fclose);
  for (int i = 0; i < 20000; ++i) std::fputs("tw,25,20\n", in.get());
  std::rewind(in.get());
  cli::CsvReader reader(in.get());
  cli::OutputSink sink(full.get());
  EXPECT_TRUE(cli::runBatch(reader, sink).writeFailed);
}

}  // namespace

// The CSV batch on arbitrary input: the input is a CSV file read by cli::CsvReader and run through
// cli::runBatch. Its output must equal, byte for byte, what a separate model of the format
// predicts: the header, then one result record per input record in order - the notice for a
// record the batch cannot take (unclosed quote, quote open past the cap, over-long field, not
// three fields), else the Calculate command's outcome on the record's three fields; and the
// output is valid UTF-8. The model reads the input in one piece, character by character; the
// batch runs twice, with a 4-byte read buffer in chunks of one record, and with a 4 KiB buffer in
// chunks of at most three records or 8 bytes (on two threads for some inputs), so records
// straddle refills and chunks. Fields are capped at 16 bytes to reach the over-long notices.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculate.h"
#include "calc/messages.h"
#include "calc/outputs.h"
#include "calc/pair_calculation.h"
#include "cli/batch.h"
#include "cli/text_encoding.h"
#include "support/recording_window.h"

namespace {

constexpr std::size_t fieldCap = 16;

struct Record {
  std::vector<std::string> fields;  // every field, cut at the cap
  bool tooLong = false;
  bool unclosed = false;
  bool pastCap = false;
};

// RFC 4180 records with the reader's lenient rules: a quote opens a quoted field only at its
// start; after the closing quote, and in an unquoted field, quotes are text; LF, CR LF or a lone
// CR ends a record outside quotes; a UTF-8 byte-order mark at the very start is no text; the end
// of the input ends a record that has any byte. A quoted field still open at the end of the
// input, or whose text grows past the cap while open, ends its record at the first line end
// after its opening quote, and reading starts again after that line end; with no line end
// crossed, the record ends with the input, or at the first line end met while open past the cap.
std::vector<Record> modelRecords(std::string_view in) {
  if (in.starts_with("\xEF\xBB\xBF")) in.remove_prefix(3);
  std::vector<Record> records;
  Record r;
  std::string field;
  std::size_t length = 0;
  const auto put = [&](char c) {
    if (++length > fieldCap)
      r.tooLong = true;
    else
      field += c;
  };
  const auto endField = [&] {
    r.fields.push_back(field);
    field.clear();
    length = 0;
  };
  std::size_t i = 0;
  bool pending = false;  // a record has begun
  while (i < in.size()) {
    pending = true;
    if (in[i] == '"') {  // quoted field
      ++i;
      std::size_t lineEnd = std::string_view::npos;  // the first inside the quotes
      std::size_t cut = std::string_view::npos;      // where the record ends, open
      for (;;) {
        if (i == in.size()) {
          r.unclosed = true;
          cut = lineEnd;
          break;
        }
        const char c = in[i];
        if (c == '"') {
          if (i + 1 < in.size() && in[i + 1] == '"') {
            put('"');
            i += 2;
            if (lineEnd != std::string_view::npos && length > fieldCap) {
              r.pastCap = true;
              cut = lineEnd;
              break;
            }
            continue;
          }
          ++i;
          break;
        }
        if ((c == '\n' || c == '\r') && lineEnd == std::string_view::npos) {
          if (length > fieldCap) {
            r.pastCap = true;
            cut = i;
            break;
          }
          lineEnd = i;
        }
        put(c);
        ++i;
        if (lineEnd != std::string_view::npos && length > fieldCap) {
          r.pastCap = true;
          cut = lineEnd;
          break;
        }
      }
      if (cut != std::string_view::npos) {
        endField();
        records.push_back(r);
        r = Record{};
        pending = false;
        i = cut + 1;
        if (in[cut] == '\r' && i < in.size() && in[i] == '\n') ++i;
        continue;
      }
      if (r.unclosed) break;
    }
    while (i < in.size() && in[i] != ',' && in[i] != '\n' && in[i] != '\r') put(in[i++]);
    if (i == in.size()) break;
    endField();
    const char end = in[i++];
    if (end == ',') continue;
    if (end == '\r' && i < in.size() && in[i] == '\n') ++i;
    records.push_back(r);
    r = Record{};
    pending = false;
  }
  if (pending) {
    endField();
    records.push_back(r);
  }
  return records;
}

std::string csvField(std::string_view s) {
  if (s.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(s);
  std::string q = "\"";
  for (char c : s) q += c == '"' ? std::string("\"\"") : std::string(1, c);
  return q + "\"";
}

std::string noticeRecord(std::string_view notice) {
  return std::string(calc::outputs.size(), ',') + csvField(notice) + "\n";
}

std::string expectedRecord(const Record& r) {
  if (r.unclosed) return noticeRecord("引号未闭合：输入在带引号的字段中结束");
  if (r.pastCap)
    return noticeRecord("引号未闭合：带引号的字段超过 " + std::to_string(fieldCap) +
                        " 字节仍未结束");
  if (r.tooLong)
    return noticeRecord("字段过长：每个字段不得超过 " + std::to_string(fieldCap) + " 字节");
  if (r.fields.size() != 3)
    return noticeRecord("记录须有3个字段（mode,t,x），此行有" + std::to_string(r.fields.size()) +
                        "个");
  RecordingWindow w;
  // Route names and digits in any case with blanks around; "A+B" names a pair.
  const std::string& raw = r.fields[0];
  const std::size_t from = raw.find_first_not_of(" \t");
  std::string mode =
      from == std::string::npos ? "" : raw.substr(from, raw.find_last_not_of(" \t") - from + 1);
  for (char& c : mode)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  w.selectedRoute = mode == "tw" || mode == "0"   ? std::optional(calc::Route::wetBulb)
                    : mode == "rh" || mode == "1" ? std::optional(calc::Route::humidity)
                                                  : std::nullopt;
  w.t = r.fields[1];
  w.x = r.fields[2];
  if (!w.selectedRoute && r.fields[0].find('+') != std::string::npos) {
    std::string error;
    const std::optional<calc::Pair> pair = calc::pairNamed(r.fields[0], error);
    if (!pair) return noticeRecord(cli::visibleText(error));
    const calc::Calculation c = calc::calculateTyped(*pair, w.t, w.x, 101325);
    if (!c.ok()) return noticeRecord(calc::words(c.outcome));
    std::string line;
    for (const std::string& t : c.texts) line += t + ",";
    return line + "\n";
  }
  calc::calculateCommand(w);
  if (!w.messages.empty()) return noticeRecord(w.messages.front().second);
  if (w.order.size() != calc::outputs.size()) {
    std::fprintf(stderr, "the command gave neither eleven results nor a notice\n");
    std::abort();
  }
  std::string line;
  for (const calc::Output box : w.order) line += w.results.at(box) + ",";
  return line + "\n";
}

std::string expectedOutput(std::string_view in, std::size_t& records) {
  std::vector<Record> rs = modelRecords(in);
  std::string out = "t,rh,tw,h,tl,rho,d,cp,mu,lambda,pr,message\n";
  records = 0;
  for (std::size_t k = 0; k < rs.size(); ++k) {
    const Record& r = rs[k];
    if (k == 0 && !r.tooLong && !r.unclosed && !r.pastCap &&
        r.fields == std::vector<std::string>{"mode", "t", "x"})
      continue;
    out += expectedRecord(r);
    ++records;
  }
  return out;
}

std::string batchOutput(const std::uint8_t* data, std::size_t size, std::size_t buffer,
                        const cli::BatchOptions& options, cli::BatchOutcome& outcome) {
  // fmemopen refuses an empty buffer; an empty file reads the same.
  std::FILE* in = size > 0 ? fmemopen(const_cast<std::uint8_t*>(data), size, "rb")
                           : std::fopen("/dev/null", "rb");
  char* text = nullptr;
  std::size_t length = 0;
  std::FILE* out = open_memstream(&text, &length);
  if (in == nullptr || out == nullptr) std::abort();
  {
    cli::CsvReader reader(in, buffer, fieldCap);
    cli::OutputSink sink(out);
    outcome = cli::runBatch(reader, sink, options);
  }
  std::fclose(in);
  std::fclose(out);
  std::string result(text, length);
  std::free(text);
  return result;
}

[[noreturn]] void mismatch(const char* run, const std::string& got, const std::string& want) {
  std::size_t at = 0;
  while (at < got.size() && at < want.size() && got[at] == want[at]) ++at;
  const std::size_t line = want.rfind('\n', at == 0 ? 0 : at - 1);
  const std::size_t from = line == std::string::npos ? 0 : line + 1;
  std::fprintf(stderr, "%s: output differs from the model at byte %zu\n  got:  %s\n  want: %s\n",
               run, at, got.substr(from, 200).c_str(), want.substr(from, 200).c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::size_t records = 0;
  const std::string want =
      expectedOutput(std::string_view(reinterpret_cast<const char*>(data), size), records);

  struct Run {
    const char* name;
    std::size_t buffer;
    cli::BatchOptions options;
  };
  // Starting threads costs more than most inputs take to read, so one input in 32 gets them.
  const unsigned threads = size % 32 == 0 ? 2 : 1;
  const Run runs[] = {
      {"4-byte buffer, chunks of one record", 4, {1, 1, 1 << 20}},
      {"4 KiB buffer, small chunks", 4096, {threads, 3, 8}},
  };
  for (const Run& run : runs) {
    cli::BatchOutcome outcome;
    const std::string got = batchOutput(data, size, run.buffer, run.options, outcome);
    if (got != want) mismatch(run.name, got, want);
    cli::EncodingCheck utf8(cli::Encoding::utf8);
    utf8.feed(got);
    if (!utf8.valid()) {
      std::fprintf(stderr, "%s: the output is not valid UTF-8\n", run.name);
      std::abort();
    }
    if (outcome.readFailed || outcome.writeFailed || outcome.records != records) {
      std::fprintf(stderr, "%s: outcome says %zu records, read failed %d, write failed %d\n",
                   run.name, outcome.records, outcome.readFailed, outcome.writeFailed);
      std::abort();
    }
  }
  return 0;
}

// A log's own CSV on arbitrary bytes. Byte 0 picks the encoding (bit 0: GB18030), the byte-order
// mark (bit 1, UTF-8 only) and the mode (bits 2–4); bytes 1 and 2 the two columns (a number 1–8,
// or, when the high bit is set, the name "t" or "x") and, between them, the size of a read; the
// rest is the log. Every run must end in
// one of two ways, else the harness aborts:
//   - the columns are not in the header: nothing is written; or
//   - the output starts with the byte-order mark when asked (or kept), then the header's bytes as
//     they stand and ",t,rh,…,message" on a line of its own, and holds one record per data record
//     of the log, as the three-field CSV reader counts them with the same field cap; a header
//     that leaves a quote open is refused.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/csv_reader.h"
#include "cli/log_batch.h"
#include "shown_results.h"

namespace {

[[noreturn]] void violated(const char* what, std::string_view input, std::string_view output) {
  std::fprintf(stderr, "property violated: %s\n  input  %s\n  output %s\n", what,
               fuzzing::printable(input.substr(0, 400)).c_str(),
               fuzzing::printable(output.substr(0, 400)).c_str());
  std::abort();
}

std::string column(std::uint8_t b) {
  if (b & 0x80) return b & 1 ? "x" : "t";
  return std::to_string(1 + b % 8);
}

// Records of log as the three-field reader counts them with a field cap of maxField (which
// decides where a quote left open ends its record).
std::size_t records(std::string_view log, std::size_t maxField) {
  std::FILE* in = fmemopen(const_cast<char*>(log.data()), log.size(), "rb");
  if (in == nullptr) return 0;
  cli::CsvReader reader(in, 4096, maxField);
  cli::CsvRecord r;
  std::size_t n = 0;
  while (reader.next(r)) ++n;
  std::fclose(in);
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3 || size > 1 << 16) return 0;
  const std::string_view log(reinterpret_cast<const char*>(data + 3), size - 3);
  if (log.empty()) return 0;  // fmemopen refuses an empty buffer
  cli::LogOptions o;
  o.encoding = data[0] & 1 ? cli::Encoding::gb18030 : cli::Encoding::utf8;
  o.bom = o.encoding == cli::Encoding::utf8 && (data[0] & 2);
  constexpr calc::Pair modes[] = {{psychro::Quantity::t, psychro::Quantity::tw},
                                  {psychro::Quantity::t, psychro::Quantity::rh},
                                  {psychro::Quantity::t, psychro::Quantity::tl},
                                  {psychro::Quantity::h, psychro::Quantity::d},
                                  {psychro::Quantity::tw, psychro::Quantity::rh}};
  o.pair = modes[(data[0] >> 2) % 5];
  o.columns = {column(data[1]), column(data[2])};
  o.maxFieldBytes = 64;                          // so that over-long fields are reached
  o.bufferBytes = 4 + (data[1] ^ data[2]) % 61;  // records and characters split across reads

  char* written = nullptr;
  std::size_t length = 0;
  std::FILE* in = fmemopen(const_cast<char*>(log.data()), log.size(), "rb");
  std::FILE* out = open_memstream(&written, &length);
  if (in == nullptr || out == nullptr) std::abort();
  cli::OutputSink sink(out);
  const cli::LogOutcome outcome = cli::runLog(in, sink, o);
  std::fclose(in);
  std::fclose(out);
  const std::string output(written, length);
  std::free(written);

  if (!outcome.usage.empty()) {
    if (!output.empty()) violated("refused columns, yet something was written", log, output);
    return 0;
  }
  if (outcome.readFailed || outcome.writeFailed) violated("a memory stream failed", log, output);
  // The header's bytes: up to the first line end outside a quoted field (a quote opens one only
  // at the start of a field; a doubled quote inside stands for one).
  const bool kept = o.encoding == cli::Encoding::utf8 && log.starts_with("\xEF\xBB\xBF");
  enum { fieldStart, unquoted, quoted, quoteInQuoted } state = fieldStart;
  std::size_t end = kept ? 3 : 0;
  for (; end < log.size(); ++end) {
    const char c = log[end];
    if (state == quoted) {
      if (c == '"') state = quoteInQuoted;
      continue;
    }
    if (state == quoteInQuoted && c == '"') {
      state = quoted;
      continue;
    }
    if (state == fieldStart && c == '"') {
      state = quoted;
      continue;
    }
    if (c == '\n' || c == '\r') break;
    state = c == ',' ? fieldStart : unquoted;
  }
  const std::string expected = std::string(o.bom && !kept ? "\xEF\xBB\xBF" : "") +
                               std::string(log.substr(0, end)) +
                               ",t,rh,tw,h,tl,rho,d,cp,mu,lambda,pr,message\n";
  if (!output.starts_with(expected)) violated("header not kept as it stands", log, output);
  const std::size_t n = records(log, o.maxFieldBytes);
  if (outcome.records != (n > 0 ? n - 1 : 0)) violated("records lost or added", log, output);
  return 0;
}

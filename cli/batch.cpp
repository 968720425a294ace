#include "cli/batch.h"

#include <algorithm>
#include <barrier>
#include <charconv>
#include <thread>
#include <utility>
#include <vector>

#include "calc/calculate.h"
#include "calc/outputs.h"
#include "calc/state_results.h"
#include "cli/mode.h"

namespace cli {

std::string batchHeader() {
  CsvText header;
  for (const calc::OutputInfo& o : calc::outputs) header.field(o.key);
  header.field("message");
  header.endRecord();
  return std::string(header.view());
}

namespace {

// Eleven empty results, then the notice.
void appendNotice(CsvText& out, std::string_view notice) {
  for (std::size_t i = 0; i < calc::outputs.size(); ++i) out.field({});
  out.field(notice);
  out.endRecord();
}

// prefix, the number n, then suffix, written into buffer (which the caller sizes for them).
template <std::size_t size>
std::string_view numbered(char (&buffer)[size], std::string_view prefix, std::size_t n,
                          std::string_view suffix) {
  char* p = std::copy(prefix.begin(), prefix.end(), buffer);
  p = std::to_chars(p, buffer + size, n).ptr;
  p = std::copy(suffix.begin(), suffix.end(), p);
  return {buffer, static_cast<std::size_t>(p - buffer)};
}

}  // namespace

void appendResult(const CsvRecord& record, std::size_t maxFieldBytes, CsvText& out) {
  char buffer[128];
  if (record.unclosedQuote) {
    appendNotice(out, "引号未闭合：输入在带引号的字段中结束");
  } else if (record.fieldTooLong) {
    appendNotice(out, numbered(buffer, "字段过长：每个字段不得超过 ", maxFieldBytes, " 字节"));
  } else if (record.fieldCount != CsvRecord::keptFields) {
    appendNotice(out,
                 numbered(buffer, "记录须有3个字段（mode,t,x），此行有", record.fieldCount, "个"));
  } else {
    // The Calculate command's own steps on the three texts, without a window between.
    const psychro::StateOutcome state =
        calc::stateFromInputs(record.fields[1], record.fields[2], modeIndex(record.fields[0]));
    if (!state.ok()) return appendNotice(out, state.message);
    const calc::ShownValues shown = calc::shownValues(state.air);
    if (!calc::showable(shown)) return appendNotice(out, psychro::noSuchState);
    for (std::size_t i = 0; i < shown.size(); ++i)
      out.fixedField(shown[i], calc::outputs[i].decimals);
    out.field({});
    out.endRecord();
  }
}

bool isHeader(const CsvRecord& record) {
  return record.fieldCount == 3 && !record.fieldTooLong && !record.unclosedQuote &&
         record.fields[0] == "mode" && record.fields[1] == "t" && record.fields[2] == "x";
}

namespace {

// A field buffer that grew past this is released after its chunk, so that a few long fields do
// not leave every record slot holding megabytes.
constexpr std::size_t keptCapacity = 1 << 12;

// Records read together, and what each calculating thread makes of its share of them.
class Chunk {
 public:
  Chunk(const BatchOptions& options, std::size_t maxFieldBytes, unsigned threads)
      : options_(options),
        maxField_(maxFieldBytes),
        records_(std::max<std::size_t>(options.chunkRecords, 1)),
        shares_(threads) {}

  // Reads up to a chunk of records; false when none was read.
  bool read(CsvReader& reader, bool& first) {
    count_ = 0;
    std::size_t bytes = 0;
    while (count_ < records_.size() && bytes < options_.chunkBytes) {
      CsvRecord& r = records_[count_];
      if (!reader.next(r)) break;
      if (std::exchange(first, false) && isHeader(r)) continue;
      for (const std::string& f : r.fields) bytes += f.size();
      ++count_;
    }
    return count_ > 0;
  }

  // Calculates the share of thread `share` into its own text.
  void calculate(unsigned share) {
    Share& s = shares_[share];
    s.text.clear();
    const std::size_t n = shares_.size();
    const std::size_t first = count_ * share / n, last = count_ * (share + 1) / n;
    for (std::size_t i = first; i < last; ++i) {
      appendResult(records_[i], maxField_, s.text);
      for (std::string& f : records_[i].fields)
        if (f.capacity() > keptCapacity) std::string().swap(f);
    }
  }

  // Writes the shares in order; false if the sink failed.
  bool write(OutputSink& sink) const {
    for (const Share& s : shares_)
      if (!sink.write(s.text.view())) return false;
    return true;
  }

  std::size_t count() const { return count_; }

 private:
  struct Share {
    CsvText text;
  };

  const BatchOptions& options_;
  std::size_t maxField_;
  std::vector<CsvRecord> records_;
  std::size_t count_ = 0;
  std::vector<Share> shares_;
};

unsigned threadCount(const BatchOptions& options) {
  if (options.threads != 0) return options.threads;
  return std::clamp(std::thread::hardware_concurrency(), 1u, 16u);
}

}  // namespace

BatchOutcome runBatch(CsvReader& reader, OutputSink& sink, const BatchOptions& options) {
  BatchOutcome outcome;
  const unsigned threads = threadCount(options);
  Chunk chunk(options, reader.maxFieldBytes(), threads);
  bool first = true;
  bool more = chunk.read(reader, first);
  if (!more && reader.failed() && first) {
    outcome.readFailed = true;
    return outcome;
  }
  sink.write(batchHeader());

  // Thread 0 is this one. The helpers wait at the barrier for a chunk, calculate their share and
  // meet again; `done` is read only after a barrier, which orders it.
  std::barrier sync(static_cast<std::ptrdiff_t>(threads));
  bool done = false;
  std::vector<std::jthread> helpers;
  for (unsigned share = 1; share < threads; ++share) {
    helpers.emplace_back([&, share] {
      for (;;) {
        sync.arrive_and_wait();
        if (done) return;
        chunk.calculate(share);
        sync.arrive_and_wait();
      }
    });
  }
  while (more && !sink.failed()) {
    sync.arrive_and_wait();
    chunk.calculate(0);
    sync.arrive_and_wait();
    if (chunk.write(sink)) outcome.records += chunk.count();
    more = chunk.read(reader, first);
  }
  done = true;
  sync.arrive_and_wait();
  helpers.clear();

  outcome.readFailed = reader.failed();
  outcome.writeFailed = !sink.flush();
  return outcome;
}

}  // namespace cli

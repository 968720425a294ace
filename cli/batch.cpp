#include "cli/batch.h"

#include <algorithm>
#include <charconv>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "calc/messages.h"
#include "calc/number_text.h"
#include "calc/outputs.h"
#include "calc/pair_calculation.h"
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

void appendResult(const CsvRecord& record, std::size_t maxFieldBytes, double pa, CsvText& out,
                  std::string& notice, psychro::Arithmetic m) {
  char buffer[128];
  if (record.unclosedQuote) {
    appendNotice(out, notices::unclosedQuote);
  } else if (record.openPastCap) {
    appendNotice(out, numbered(buffer, notices::openPastCapBefore, maxFieldBytes,
                               notices::openPastCapAfter));
  } else if (record.fieldTooLong) {
    appendNotice(out, numbered(buffer, notices::fieldTooLongBefore, maxFieldBytes,
                               notices::fieldTooLongAfter));
  } else if (record.fieldCount != CsvRecord::keptFields) {
    appendNotice(out,
                 numbered(buffer, "记录须有3个字段（mode,t,x），此行有", record.fieldCount, "个"));
  } else {
    const std::optional<calc::Pair> pair = modePair(record.fields[0], notice);
    if (!pair) return appendNotice(out, notice);
    const std::string_view message =
        appendCalculation(*pair, record.fields[1], record.fields[2], pa, out, m);
    if (!message.empty()) appendNotice(out, message);
  }
}

std::string_view appendCalculation(calc::Pair pair, std::string_view first, std::string_view second,
                                   double pa, CsvText& out, psychro::Arithmetic m) {
  const std::string_view message = appendResults(pair, first, second, pa, out, m);
  if (message.empty()) {
    out.field({});
    out.endRecord();
  }
  return message;
}

std::string_view appendResults(calc::Pair pair, std::string_view first, std::string_view second,
                               double pa, CsvText& out, psychro::Arithmetic m) {
  // The steps of calc::calculateTyped, with the numbers formatted straight into out.
  if (first.empty() || second.empty()) return calc::words(psychro::Outcome::missingInput);
  const psychro::StateOutcome state =
      calc::pairState(pair, calc::numericValue(first), calc::numericValue(second), pa, m);
  if (!state.ok()) return calc::words(state.outcome);
  const calc::ShownValues shown = calc::shownValues(state.air, m);
  if (!calc::showable(shown)) return calc::words(psychro::Outcome::noSuchState);
  for (std::size_t i = 0; i < shown.size(); ++i)
    out.fixedField(shown[i], calc::outputs[i].decimals);
  return {};
}

bool isHeader(const CsvRecord& record) {
  return record.fieldCount == 3 && !record.fieldTooLong && !record.unclosedQuote &&
         !record.openPastCap && record.fields[0] == "mode" && record.fields[1] == "t" &&
         record.fields[2] == "x";
}

namespace {

// A field buffer that grew past this is released after its chunk, so that a few long fields do
// not leave every record slot holding megabytes.
constexpr std::size_t keptCapacity = 1 << 12;

// Records read together, cut into blocks that the calculating threads take one at a time, each
// block's result records in a text of its own so that they are written in input order.
class Chunk {
 public:
  // A chunk is cut into at most this many blocks: enough for the threads to even out records
  // that take longer than others, few enough that taking a block costs nothing worth counting.
  static constexpr std::size_t maxBlocks = 16;

  Chunk(const BatchOptions& options, std::size_t maxFieldBytes)
      : options_(options),
        maxField_(maxFieldBytes),
        records_(std::max<std::size_t>(options.chunkRecords, 1)),
        blocks_(std::min(records_.size(), maxBlocks)) {}

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
    used_ = std::min(count_, blocks_.size());
    return count_ > 0;
  }

  std::size_t blocks() const { return used_; }

  // Calculates block b into its own text.
  void calculate(std::size_t b) {
    Block& block = blocks_[b];
    block.text.clear();
    const std::size_t first = count_ * b / used_, last = count_ * (b + 1) / used_;
    for (std::size_t i = first; i < last; ++i) {
      appendResult(records_[i], maxField_, options_.pressure, block.text, block.notice,
                   options_.arithmetic);
      for (std::string& f : records_[i].fields)
        if (f.capacity() > keptCapacity) std::string().swap(f);
    }
  }

  // Writes the blocks in order; false if the sink failed.
  bool write(OutputSink& sink) const {
    for (std::size_t b = 0; b < used_; ++b)
      if (!sink.write(blocks_[b].text.view())) return false;
    return true;
  }

  std::size_t count() const { return count_; }

 private:
  const BatchOptions& options_;
  std::size_t maxField_;
  std::vector<CsvRecord> records_;
  std::size_t count_ = 0;
  // Each block's result records, and its buffer for a notice the mode field gives.
  struct Block {
    CsvText text;
    std::string notice;
  };
  std::vector<Block> blocks_;
  std::size_t used_ = 0;  // blocks the records read fill
};

// The calculating threads besides the caller's. A posted chunk's blocks are handed out one at a
// time under a mutex to the helpers and to the caller once it calls finish(). Helpers are started
// only as a chunk has blocks for them, so a short input runs on the caller's thread alone; a
// helper the system cannot start is done without, down to the caller's thread alone.
class Helpers {
 public:
  explicit Helpers(unsigned most) : most_(most) {}

  ~Helpers() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    posted_.notify_all();
    threads_.clear();  // joins; a helper ends the block it holds first
  }

  // Lets the helpers start on chunk, whose blocks the caller does not touch until finish().
  void post(Chunk& chunk) {
    {
      std::lock_guard lock(mutex_);
      chunk_ = &chunk;
      next_ = 0;
      done_ = 0;
    }
    posted_.notify_all();
    // One block for the caller, one for each helper at most.
    while (threads_.size() < most_ && threads_.size() + 1 < chunk.blocks()) {
      try {
        threads_.emplace_back([this] { work(); });
      } catch (const std::system_error&) {  // no thread to be had (thread or memory limit)
        most_ = static_cast<unsigned>(threads_.size());
      }
    }
  }

  // Calculates blocks of the posted chunk alongside the helpers, then waits for all of them.
  void finish() {
    std::unique_lock lock(mutex_);
    while (next_ < chunk_->blocks()) calculateOne(lock);
    finished_.wait(lock, [this] { return done_ == chunk_->blocks(); });
  }

 private:
  void work() {
    std::unique_lock lock(mutex_);
    for (;;) {
      posted_.wait(lock, [this] { return stop_ || (chunk_ && next_ < chunk_->blocks()); });
      if (stop_) return;
      calculateOne(lock);
    }
  }

  // Takes the next block and calculates it with the mutex released.
  void calculateOne(std::unique_lock<std::mutex>& lock) {
    Chunk& chunk = *chunk_;
    const std::size_t b = next_++;
    lock.unlock();
    chunk.calculate(b);
    lock.lock();
    if (++done_ == chunk.blocks()) finished_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable posted_;
  std::condition_variable finished_;
  Chunk* chunk_ = nullptr;
  std::size_t next_ = 0;  // the next block to hand out
  std::size_t done_ = 0;  // blocks calculated
  bool stop_ = false;
  unsigned most_;  // helpers that may still be started
  std::vector<std::jthread> threads_;
};

unsigned threadCount(const BatchOptions& options) {
  if (options.threads != 0) return options.threads;
  return std::clamp(std::thread::hardware_concurrency(), 1u, 16u);
}

}  // namespace

BatchOutcome runBatch(CsvReader& reader, OutputSink& sink, const BatchOptions& options) {
  BatchOutcome outcome;
  Chunk one(options, reader.maxFieldBytes()), two(options, reader.maxFieldBytes());
  Chunk* current = &one;
  Chunk* next = &two;
  bool first = true;
  bool more = current->read(reader, first);
  if (!more && reader.failed() && first) {
    outcome.readFailed = true;
    return outcome;
  }
  if (options.bom) sink.write("\xEF\xBB\xBF");
  sink.write(batchHeader());

  // While the helpers calculate one chunk, this thread reads the next, then joins them; while
  // they start on that next chunk, it writes the finished one.
  {
    Helpers helpers(threadCount(options) - 1);
    if (more) helpers.post(*current);
    while (more) {
      const bool nextRead = next->read(reader, first);
      helpers.finish();
      more = nextRead && !sink.failed();
      if (more) helpers.post(*next);
      if (current->write(sink)) outcome.records += current->count();
      std::swap(current, next);
    }
  }

  outcome.readFailed = reader.failed();
  outcome.writeFailed = !sink.flush();
  return outcome;
}

}  // namespace cli

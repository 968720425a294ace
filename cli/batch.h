#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "calc/pair_calculation.h"

#include "cli/csv_reader.h"
#include "cli/csv_writer.h"
#include "psychro/constants.h"

// The batch: one Calculate per CSV record, one result record per input record, in order.
namespace cli {

// The output header: the eleven result keys, then the message column.
std::string batchHeader();

// Appends the result record for one input record: for a record that cannot be calculated
// (unclosed quote, quote open past the cap, over-long field, not three fields) eleven empty fields
// and its notice; else
// what the Calculate command gives for the pair the mode field names (modePair) on t and x at the
// total pressure pa, Pa - the eleven texts and an empty message, or eleven empty fields and the
// notice. maxFieldBytes is only named in the notices of the cap. notice is the caller's buffer for
// a notice the mode field gives; kept from one record to the next, like out, it lets a batch run
// without allocating per record once both have grown.
void appendResult(const CsvRecord& record, std::size_t maxFieldBytes, double pa, CsvText& out,
                  std::string& notice, psychro::Arithmetic m = psychro::Arithmetic::classic);

// Appends the eleven results of the pair's two values as typed (first, second) at the total
// pressure pa, Pa, with the arithmetic m; or appends nothing and returns the notice: the input is
// missing, or the state functions give a message.
std::string_view appendResults(calc::Pair pair, std::string_view first, std::string_view second,
                               double pa, CsvText& out,
                               psychro::Arithmetic m = psychro::Arithmetic::classic);

// appendResults, then on success an empty message field and the record's end.
std::string_view appendCalculation(calc::Pair pair, std::string_view first, std::string_view second,
                                   double pa, CsvText& out,
                                   psychro::Arithmetic m = psychro::Arithmetic::classic);

// True for the record "mode,t,x" that may head the input.
bool isHeader(const CsvRecord& record);

struct BatchOptions {
  unsigned threads = 0;  // calculating threads at most; 0: one per hardware thread (up to 16)
  std::size_t chunkRecords = 4096;   // records read before they are calculated together
  std::size_t chunkBytes = 1 << 20;  // or fewer, once their kept fields reach this many bytes
  double pressure = psychro::standardPressure;  // total pressure of every record, Pa
  psychro::Arithmetic arithmetic = psychro::Arithmetic::classic;  // of every record
  bool bom = false;  // a UTF-8 byte-order mark before the header
};

struct BatchOutcome {
  std::size_t records = 0;  // result records written, header not counted
  bool readFailed = false;
  bool writeFailed = false;
};

// Reads every record, skipping a header in first place, and writes the header and one result
// record for each, in input order. Records are read in chunks whose calculations are shared out
// among the threads, the next chunk read while one is calculated; memory is bounded by two chunks
// whatever the length of the input. No more threads are started than a chunk has blocks for, and
// a thread the system refuses is done without: the calling thread alone still does all the work.
// Nothing is written when the very first read fails. Stops early only when reading or writing
// fails; flushes the sink before returning.
BatchOutcome runBatch(CsvReader& reader, OutputSink& sink, const BatchOptions& options = {});

}  // namespace cli

#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>

#include "calc/pair_calculation.h"
#include "cli/csv_writer.h"
#include "cli/text_encoding.h"
#include "psychro/constants.h"

// A log's own CSV through the calculation: every record keeps its fields as they stand (the raw
// bytes, quoting included) and gains the eleven results and the message, computed with one fixed
// pair from two of its columns. The first record is the header, which names the columns.
namespace cli {

struct LogOptions {
  calc::Pair pair{psychro::Quantity::t, psychro::Quantity::tw};
  std::array<std::string, 2> columns;  // as given: a 1-based number or a header name
  Encoding encoding = Encoding::utf8;  // of the input and the output
  bool bom = false;                    // write a UTF-8 byte-order mark first (unless one is kept)
  double pressure = psychro::standardPressure;  // total pressure of every record, Pa
  psychro::Arithmetic arithmetic = psychro::Arithmetic::classic;  // of every record
  std::size_t maxFieldBytes = std::size_t{1} << 20;
  std::size_t bufferBytes = std::size_t{1} << 18;  // read at a time (at least 4)
};

struct LogOutcome {
  std::size_t records = 0;  // result records written, header not counted
  bool readFailed = false;
  bool writeFailed = false;
  int readError = 0;  // errno of a failed read
  std::string usage;  // why the columns cannot be found in the header: nothing was written
};

// Reads the header, finds the two columns in it (a number counts from 1; a name is compared with
// every field of the header, whole, with blanks trimmed), writes the header followed by
// t,rh,tw,h,tl,rho,d,cp,mu,lambda,pr,message, then every record, in order, with its results, so
// that they stand under those names whatever the record's width: a record with fewer fields than
// the header is padded with empty fields to its width; one with more has the fields past that
// width after the message, as they stand, and the message 该记录的字段多于表头的 N 列 beside its
// results. A record gets a message and no results when its bytes are not valid in the encoding,
// it has fewer fields than the columns need, a quote is left open, a field is longer than
// maxFieldBytes, or the calculation gives one; of a record whose extra fields run past
// maxFieldBytes, only the bytes up to there are looked at for the message. Records end with LF in
// the output. Memory stays flat whatever the length of a record or of the log.
LogOutcome runLog(std::FILE* in, OutputSink& sink, const LogOptions& options);

}  // namespace cli

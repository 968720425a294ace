#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/csv_scan.h"

namespace cli {

// The notices of records that cannot be read as CSV: the field-too-long and open-past-the-cap
// notices name the cap, between their two parts.
namespace notices {
inline constexpr std::string_view unclosedQuote = "引号未闭合：输入在带引号的字段中结束";
inline constexpr std::string_view openPastCapBefore = "引号未闭合：带引号的字段超过 ";
inline constexpr std::string_view openPastCapAfter = " 字节仍未结束";
inline constexpr std::string_view fieldTooLongBefore = "字段过长：每个字段不得超过 ";
inline constexpr std::string_view fieldTooLongAfter = " 字节";
}  // namespace notices

// One CSV record as the batch needs it: the texts of its first three fields and how many fields
// it had. Fields past the third are counted but not kept, and a field is kept only up to the
// reader's length cap, so a record takes bounded memory whatever the input holds.
struct CsvRecord {
  static constexpr std::size_t keptFields = 3;

  std::array<std::string, keptFields> fields;
  std::size_t fieldCount = 0;
  bool fieldTooLong = false;   // some field was longer than the cap (its kept text is cut)
  bool unclosedQuote = false;  // the input ended inside a quoted field
  bool openPastCap = false;    // a quoted field grew past the cap and was still open at a line end
};

// Reads CSV records (RFC 4180 quoting; LF, CRLF or a lone CR ends a record) from a stream in
// large blocks, one record at a time. A UTF-8 byte-order mark at the very start is skipped.
// Characters after a closing quote, and quotes inside an unquoted field, are kept as text. A
// quoted field left open at the end of the input or past the cap ends its record at its first
// line end, and the lines after it are records again (csv::Scanner); the texts of such a record
// are not to be used.
class CsvReader {
 public:
  static constexpr std::size_t defaultBufferBytes = 1 << 18;
  static constexpr std::size_t defaultMaxFieldBytes = 1 << 20;

  // The stream stays the caller's. bufferBytes is at least 4.
  explicit CsvReader(std::FILE* in, std::size_t bufferBytes = defaultBufferBytes,
                     std::size_t maxFieldBytes = defaultMaxFieldBytes);

  // Reads the next record into record (reusing its buffers). False at the end of the input or on a
  // read error; a record cut short by a read error is not returned.
  bool next(CsvRecord& record);

  bool failed() const { return scanner_.error() != 0; }
  int error() const { return scanner_.error(); }  // errno of the failed read, 0 if none
  std::size_t maxFieldBytes() const { return maxField_; }

 private:
  void append(CsvRecord& record, const char* first, std::size_t n);

  csv::Scanner scanner_;
  std::size_t maxField_;
  std::size_t fieldLength_ = 0;  // bytes of the current field so far, kept or not
};

}  // namespace cli

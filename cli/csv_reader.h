#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The notices of records that cannot be read as CSV: the field-too-long notice names the cap,
// between its two parts.
namespace notices {
inline constexpr std::string_view unclosedQuote = "引号未闭合：输入在带引号的字段中结束";
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
};

// Reads CSV records (RFC 4180 quoting; LF, CRLF or a lone CR ends a record) from a stream in
// large blocks, one record at a time. A UTF-8 byte-order mark at the very start is skipped.
// Characters after a closing quote, and quotes inside an unquoted field, are kept as text.
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

  bool failed() const { return error_ != 0; }
  int error() const { return error_; }  // errno of the failed read, 0 if none
  std::size_t maxFieldBytes() const { return maxField_; }

 private:
  bool fill();
  void append(CsvRecord& record, const char* first, std::size_t n);
  void endField(CsvRecord& record);

  std::FILE* in_;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool atStart_ = true;  // nothing read yet: a byte-order mark may follow
  bool eof_ = false;
  bool skipLf_ = false;  // the last record ended on CR; an LF right after it belongs to it
  int error_ = 0;
  std::size_t maxField_;
  std::size_t fieldLength_ = 0;  // bytes of the current field so far, kept or not
};

}  // namespace cli

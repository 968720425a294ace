#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace cli {

class OutputSink;

// CSV text built in memory: fields separated by commas, quoted (quotes doubled) only when
// calc::needsQuotes says so, records ended by LF. clear() keeps the buffer for the next use.
class CsvText {
 public:
  void field(std::string_view text);
  // A field holding value as calc::formatFixed writes it (such a text never needs quotes).
  void fixedField(double value, int decimals);
  // Bytes as they stand, taken as the record's fields so far (a log record's own fields).
  void raw(std::string_view bytes);
  void endRecord();

  std::string_view view() const { return text_; }
  void clear();
  // Writes what is held to sink and lets it go, in the middle of a record too.
  void flushTo(OutputSink& sink);

 private:
  std::string text_;
  bool firstField_ = true;
};

// Writes bytes to a stream and remembers the first failure; after it nothing more is written.
class OutputSink {
 public:
  explicit OutputSink(std::FILE* out) : out_(out) {}

  bool write(std::string_view bytes);
  bool flush();  // false if any write has failed
  bool failed() const { return error_ != 0; }
  int error() const { return error_; }  // errno of the failed write, 0 if none

 private:
  std::FILE* out_;
  int error_ = 0;
};

}  // namespace cli

#include "cli/csv_writer.h"

#include <cerrno>

#include "calc/csv_field.h"
#include "calc/number_text.h"

namespace cli {

void CsvText::field(std::string_view text) {
  if (!firstField_) text_ += ',';
  firstField_ = false;
  calc::appendCsvField(text_, text);
}

void CsvText::fixedField(double value, int decimals) {
  if (!firstField_) text_ += ',';
  firstField_ = false;
  calc::appendFixed(text_, value, decimals);
}

void CsvText::raw(std::string_view bytes) {
  text_ += bytes;
  firstField_ = false;
}

void CsvText::flushTo(OutputSink& sink) {
  sink.write(text_);
  text_.clear();
}

void CsvText::endRecord() {
  text_ += '\n';
  firstField_ = true;
}

void CsvText::clear() {
  text_.clear();
  firstField_ = true;
}

bool OutputSink::write(std::string_view bytes) {
  if (error_ != 0) return false;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), out_) != bytes.size())
    error_ = errno != 0 ? errno : EIO;
  return error_ == 0;
}

bool OutputSink::flush() {
  if (error_ == 0) {
    errno = 0;
    if (std::fflush(out_) != 0) error_ = errno != 0 ? errno : EIO;
  }
  return error_ == 0;
}

}  // namespace cli

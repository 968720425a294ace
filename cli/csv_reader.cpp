#include "cli/csv_reader.h"

#include "cli/csv_scan.h"

#include <algorithm>
#include <cstring>

namespace cli {

CsvReader::CsvReader(std::FILE* in, std::size_t bufferBytes, std::size_t maxFieldBytes)
    : in_(in), buffer_(std::max<std::size_t>(bufferBytes, 4)), maxField_(maxFieldBytes) {}

// Refills the buffer; false when nothing more can be read. fread returns a short count only at
// the end of the input or on an error, so the first fill holds a whole byte-order mark if any.
bool CsvReader::fill() {
  if (eof_ || error_ != 0) return false;
  const csv::Block block = csv::readBlock(in_, buffer_);
  error_ = block.error;
  if (error_ != 0) return false;
  eof_ = block.last;
  const std::size_t n = block.bytes;
  pos_ = 0;
  end_ = n;
  if (atStart_) {
    atStart_ = false;
    if (n >= 3 && std::memcmp(buffer_.data(), "\xEF\xBB\xBF", 3) == 0) pos_ = 3;
  }
  return pos_ < end_;
}

void CsvReader::append(CsvRecord& record, const char* first, std::size_t n) {
  const std::size_t room = fieldLength_ < maxField_ ? maxField_ - fieldLength_ : 0;
  if (n > room) record.fieldTooLong = true;
  if (record.fieldCount < CsvRecord::keptFields)
    record.fields[record.fieldCount].append(first, std::min(n, room));
  fieldLength_ += n;
}

void CsvReader::endField(CsvRecord& record) {
  ++record.fieldCount;
  fieldLength_ = 0;
}

bool CsvReader::next(CsvRecord& record) {
  for (std::string& f : record.fields) f.clear();
  record.fieldCount = 0;
  record.fieldTooLong = false;
  record.unclosedQuote = false;
  fieldLength_ = 0;

  csv::State state = csv::State::fieldStart;
  bool started = false;  // some byte of this record has been read
  for (;;) {
    if (pos_ == end_ && !fill()) break;
    const char* p = buffer_.data() + pos_;
    const char* const end = buffer_.data() + end_;
    if (skipLf_) {
      skipLf_ = false;
      if (*p == '\n') {
        ++pos_;
        continue;
      }
    }
    started = true;
    const csv::Stop stop = csv::scanRecord(
        state, p, end, [&](const char* first, std::size_t n) { append(record, first, n); },
        [&] { endField(record); });
    p = stop.next;
    const bool recordEnd = stop.recordEnd;
    if (recordEnd) skipLf_ = stop.cr;
    pos_ = static_cast<std::size_t>(p - buffer_.data());
    if (recordEnd) return true;
  }
  if (error_ != 0 || !started) return false;
  record.unclosedQuote = state == csv::State::quoted;
  endField(record);
  return true;
}

}  // namespace cli

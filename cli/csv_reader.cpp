#include "cli/csv_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace cli {

CsvReader::CsvReader(std::FILE* in, std::size_t bufferBytes, std::size_t maxFieldBytes)
    : in_(in), buffer_(std::max<std::size_t>(bufferBytes, 4)), maxField_(maxFieldBytes) {}

// Refills the buffer; false when nothing more can be read. fread returns a short count only at
// the end of the input or on an error, so the first fill holds a whole byte-order mark if any.
bool CsvReader::fill() {
  if (eof_ || error_ != 0) return false;
  errno = 0;
  const std::size_t n = std::fread(buffer_.data(), 1, buffer_.size(), in_);
  if (n < buffer_.size()) {
    if (std::ferror(in_)) {
      error_ = errno != 0 ? errno : EIO;
      return false;
    }
    eof_ = true;
  }
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

  State state = State::fieldStart;
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
    bool recordEnd = false;
    while (p < end && !recordEnd) {
      switch (state) {
        case State::fieldStart:
        case State::unquoted: {
          if (state == State::fieldStart && *p == '"') {
            state = State::quoted;
            ++p;
            break;
          }
          const char* q = p;
          while (q < end && *q != ',' && *q != '\n' && *q != '\r') ++q;
          append(record, p, static_cast<std::size_t>(q - p));
          p = q;
          state = State::unquoted;
          if (p == end) break;
          endField(record);
          state = State::fieldStart;
          if (*p == '\r') skipLf_ = true;
          recordEnd = *p != ',';
          ++p;
          break;
        }
        case State::quoted: {
          const void* q = std::memchr(p, '"', static_cast<std::size_t>(end - p));
          const char* stop = q != nullptr ? static_cast<const char*>(q) : end;
          append(record, p, static_cast<std::size_t>(stop - p));
          p = stop;
          if (p < end) {
            state = State::quoteInQuoted;
            ++p;
          }
          break;
        }
        case State::quoteInQuoted:
          if (*p == '"') {  // a doubled quote stands for one
            append(record, p, 1);
            state = State::quoted;
            ++p;
          } else {
            state = State::unquoted;  // the closing quote; what follows is read as it stands
          }
          break;
      }
    }
    pos_ = static_cast<std::size_t>(p - buffer_.data());
    if (recordEnd) return true;
  }
  if (error_ != 0 || !started) return false;
  record.unclosedQuote = state == State::quoted;
  endField(record);
  return true;
}

}  // namespace cli

#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

// The quoting rules of every CSV this program reads (RFC 4180 quotes; LF, CRLF or a lone CR ends
// a record; characters after a closing quote, and quotes inside an unquoted field, are text),
// shared by the three-field reader and the log reader.
namespace cli::csv {

enum class State { fieldStart, unquoted, quoted, quoteInQuoted };

// One read of a stream into a buffer. fread returns a short count only at the end of the input or
// on an error, so a block short of the buffer is the last one.
struct Block {
  std::size_t bytes = 0;
  bool last = false;
  int error = 0;  // errno of a failed read (the bytes are then not to be used), 0 if none
};

inline Block readBlock(std::FILE* in, std::vector<char>& buffer) {
  Block b;
  errno = 0;
  b.bytes = std::fread(buffer.data(), 1, buffer.size(), in);
  if (b.bytes < buffer.size()) {
    if (std::ferror(in)) b.error = errno != 0 ? errno : EIO;
    b.last = true;
  }
  return b;
}

// Where a scan of a block stopped.
struct Stop {
  const char* next;     // the first byte not scanned: end, or just past the line end
  bool recordEnd;       // a line end outside quotes ended the record
  bool cr;              // that line end was CR (an LF right after it belongs to it)
  const char* lineEnd;  // where that line end stood
};

// Scans the bytes [p, end) of a record from state, handing each run of a field's text to
// append(first, n) and each field's end (a comma, or the record's end) to endField(). Stops at
// the end of the block or just past the line end that ends the record.
template <class Append, class EndField>
Stop scanRecord(State& state, const char* p, const char* const end, Append&& append,
                EndField&& endField) {
  while (p < end) {
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
        append(p, static_cast<std::size_t>(q - p));
        p = q;
        state = State::unquoted;
        if (p == end) break;
        endField();
        state = State::fieldStart;
        if (*p != ',') return {p + 1, true, *p == '\r', p};
        ++p;
        break;
      }
      case State::quoted: {
        const void* q = std::memchr(p, '"', static_cast<std::size_t>(end - p));
        const char* stop = q != nullptr ? static_cast<const char*>(q) : end;
        append(p, static_cast<std::size_t>(stop - p));
        p = stop;
        if (p < end) {
          state = State::quoteInQuoted;
          ++p;
        }
        break;
      }
      case State::quoteInQuoted:
        if (*p == '"') {  // a doubled quote stands for one
          append(p, 1);
          state = State::quoted;
          ++p;
        } else {
          state = State::unquoted;  // the closing quote; what follows is read as it stands
        }
        break;
    }
  }
  return {end, false, false, end};
}

}  // namespace cli::csv

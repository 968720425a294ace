#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
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

// Why a record ended inside a quoted field.
enum class OpenQuote {
  none,     // it did not
  atEnd,    // the input ended inside the field
  pastCap,  // the field grew past the field-size cap and was still open at a line end
};

// What a UTF-8 byte-order mark at the very start of the input is.
enum class Bom {
  none,  // text like any other (the input is not UTF-8)
  skip,  // nothing: dropped
  keep,  // a byte of the first record, handed on with its bytes but no part of its first field
};

// Reads CSV records from a stream in large blocks, one record at a time.
//
// A quote left open would otherwise take every later line into one field. So a quoted field that
// is still open at the end of the input, or that grows past maxField bytes of text while open,
// ends its record at the first line end after its opening quote (a field that never crossed one
// ends with the input, or where it is still open at a line end past the cap), and the lines after
// that line end are read again as records. The bytes of an open field past its first line end are
// held back meanwhile (at most about maxField of them plus a block), and handed on only once the
// field closes. Read again, those lines cannot open a quoted field that crosses a line end among
// them (each would have closed the first one), so every byte is read again at most once.
class Scanner {
 public:
  // The stream stays the caller's. bufferBytes is at least 4.
  Scanner(std::FILE* in, std::size_t bufferBytes, std::size_t maxField, Bom bom)
      : in_(in),
        blockBytes_(bufferBytes < 4 ? 4 : bufferBytes),
        buffer_(blockBytes_),
        maxField_(maxField),
        bom_(bom) {}

  // Reads the next record, handing each run of a field's text to text(first, n), each field's end
  // to fieldEnd(), and the record's bytes as they stand, without its line end, to
  // bytes(std::string_view) in order; a field's bytes up to the comma that ends it (which goes
  // with the next field's) are handed on before its fieldEnd(). False at the end of the input or
  // on a read error; a record cut short by a read error is not returned. A record cut at an open
  // quote may have had text handed on from past its end.
  template <class Text, class FieldEnd, class Bytes>
  bool next(Text&& text, FieldEnd&& fieldEnd, Bytes&& bytes);

  // Whether and why the record last read ended inside a quoted field.
  OpenQuote openQuote() const { return open_; }
  int error() const { return error_; }  // errno of a failed read, 0 if none
  bool hadBom() const { return hadBom_; }

 private:
  bool fill() {
    if (eof_ || error_ != 0) return false;
    buffer_.resize(blockBytes_);
    const Block block = readBlock(in_, buffer_);
    error_ = block.error;
    if (error_ != 0) return false;
    eof_ = block.last;
    pos_ = 0;
    end_ = block.bytes;
    return end_ > 0;
  }

  // Ends the record at the line end that held_ starts with; what follows it is read next.
  void readAgainAfterHeld() {
    skipLf_ = held_[0] == '\r';
    buffer_.assign(held_.begin() + 1, held_.end());
    pos_ = 0;
    end_ = buffer_.size();
    held_.clear();
  }

  static const char* firstLineEnd(const char* p, const char* end) {
    while (p < end && *p != '\n' && *p != '\r') ++p;
    return p < end ? p : nullptr;
  }

  std::FILE* in_;
  std::size_t blockBytes_;
  std::vector<char> buffer_;
  std::size_t pos_ = 0, end_ = 0;
  std::size_t maxField_;
  Bom bom_;
  bool atStart_ = true, hadBom_ = false, eof_ = false;
  bool skipLf_ = false;  // the last record ended on CR; an LF right after it belongs to it
  int error_ = 0;
  OpenQuote open_ = OpenQuote::none;
  std::string held_;  // an open quoted field's bytes from its first line end on
};

template <class Text, class FieldEnd, class Bytes>
bool Scanner::next(Text&& text, FieldEnd&& fieldEnd, Bytes&& bytes) {
  open_ = OpenQuote::none;
  held_.clear();
  State state = State::fieldStart;
  bool started = false;    // some byte of this record has been read
  bool holding = false;    // the quoted field being read has crossed a line end
  std::size_t length = 0;  // bytes of the current field's text so far
  for (;;) {
    if (pos_ == end_ && !fill()) break;
    if (atStart_) {
      atStart_ = false;
      if (bom_ != Bom::none && end_ - pos_ >= 3 &&
          std::memcmp(buffer_.data() + pos_, "\xEF\xBB\xBF", 3) == 0) {
        hadBom_ = true;
        pos_ += 3;
        if (bom_ == Bom::keep) {
          bytes(std::string_view("\xEF\xBB\xBF"));
          started = true;
        }
        continue;
      }
    }
    if (skipLf_) {
      skipLf_ = false;
      if (buffer_[pos_] == '\n') {
        ++pos_;
        continue;
      }
    }
    started = true;
    const char* p = buffer_.data() + pos_;
    const char* const end = buffer_.data() + end_;
    const char* from = p;  // the first of this block's bytes not yet handed on or held
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
          text(p, static_cast<std::size_t>(q - p));
          length += static_cast<std::size_t>(q - p);
          p = q;
          state = State::unquoted;
          if (p == end) break;
          bytes(std::string_view(from, static_cast<std::size_t>(p - from)));
          from = p;
          fieldEnd();
          length = 0;
          state = State::fieldStart;
          if (*p != ',') {
            skipLf_ = *p == '\r';
            pos_ = static_cast<std::size_t>(p + 1 - buffer_.data());
            return true;
          }
          ++p;
          break;
        }
        case State::quoted: {
          const void* q = std::memchr(p, '"', static_cast<std::size_t>(end - p));
          const char* stop = q != nullptr ? static_cast<const char*>(q) : end;
          if (!holding) {
            if (const char* lineEnd = firstLineEnd(p, stop)) {
              text(p, static_cast<std::size_t>(lineEnd - p));
              length += static_cast<std::size_t>(lineEnd - p);
              bytes(std::string_view(from, static_cast<std::size_t>(lineEnd - from)));
              if (length > maxField_) {  // past the cap on its first line, and still open
                fieldEnd();
                open_ = OpenQuote::pastCap;
                skipLf_ = *lineEnd == '\r';
                pos_ = static_cast<std::size_t>(lineEnd + 1 - buffer_.data());
                return true;
              }
              holding = true;  // from this line end on, until the field closes
              from = p = lineEnd;
              break;
            }
          }
          text(p, static_cast<std::size_t>(stop - p));
          length += static_cast<std::size_t>(stop - p);
          p = stop;
          if (p < end) {
            state = State::quoteInQuoted;
            ++p;
          }
          break;
        }
        case State::quoteInQuoted:
          if (*p == '"') {  // a doubled quote stands for one
            text(p, 1);
            ++length;
            state = State::quoted;
            ++p;
          } else {
            state = State::unquoted;  // the closing quote; what follows is read as it stands
            if (holding) {
              holding = false;
              bytes(std::string_view(held_));
              held_.clear();
            }
          }
          break;
      }
      if (holding && length > maxField_ && state != State::unquoted) {
        held_.append(from, static_cast<std::size_t>(end - from));
        readAgainAfterHeld();
        fieldEnd();
        open_ = OpenQuote::pastCap;
        return true;
      }
    }
    if (holding)
      held_.append(from, static_cast<std::size_t>(end - from));
    else
      bytes(std::string_view(from, static_cast<std::size_t>(end - from)));
    pos_ = end_;
  }
  if (error_ != 0 || !started) return false;
  if (state == State::quoted) open_ = OpenQuote::atEnd;
  if (holding) {
    if (state == State::quoted) {
      readAgainAfterHeld();
    } else {  // the input ends just after the closing quote
      bytes(std::string_view(held_));
      held_.clear();
    }
  }
  fieldEnd();
  return true;
}

}  // namespace cli::csv

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The encodings a log may come in: UTF-8, or GB18030 (of which GBK is a subset), as spreadsheets
// on Chinese Windows save it.
namespace cli {

enum class Encoding { utf8, gb18030 };

// The encoding an --encoding value names: "utf-8" (or "utf8"), "gb18030" (or "gbk"), in any case.
std::optional<Encoding> encodingNamed(std::string_view name);

// Checks bytes for validity in an encoding as they arrive, in pieces that may split a character.
// UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF. GB18030: one byte 00–7F; two
// bytes 81–FE then 40–7E or 80–FE; four bytes 81–FE 30–39 81–FE 30–39 within the ranges that map
// to Unicode (81308130–8431A439 and 90308130–E3329A35).
class EncodingCheck {
 public:
  explicit EncodingCheck(Encoding encoding) : encoding_(encoding) {}

  void reset() { bad_ = false, need_ = 0, have_ = 0; }
  void feed(std::string_view bytes);
  // Every byte fed since reset() belongs to a whole, valid character.
  bool valid() const { return !bad_ && need_ == 0 && have_ == 0; }
  // Some byte fed since reset() cannot belong to a valid character, whatever follows.
  bool failed() const { return bad_; }

 private:
  void utf8(unsigned char b);
  void gb18030(unsigned char b);

  Encoding encoding_;
  bool bad_ = false;
  int need_ = 0;                            // UTF-8: continuation bytes still to come
  unsigned char low_ = 0x80, high_ = 0xBF;  // UTF-8: the range of the next one
  int have_ = 0;                            // GB18030: bytes of the character so far
  unsigned char first_ = 0, second_ = 0, third_ = 0;
};

// Text from the input or the command line as a message shows it: control characters (C0 but tab,
// DEL, and C1 written in UTF-8) and bytes that are not part of a valid UTF-8 character are written
// as escapes, \x1B for a byte and \u009B for a C1 character, so that a message never moves the
// terminal's cursor, changes its colours or carries malformed UTF-8. Other text is kept as it is.
std::string visibleText(std::string_view text);

// Text converted between GB18030 and UTF-8 through the system's iconv; empty when it is not valid
// in its encoding. Not thread-safe: one per thread.
class Conversion {
 public:
  Conversion(Encoding from, Encoding to);
  ~Conversion();
  Conversion(const Conversion&) = delete;
  Conversion& operator=(const Conversion&) = delete;

  std::optional<std::string> operator()(std::string_view text);

 private:
  void* cd_;  // iconv_t; (iconv_t)-1 when from == to, which copies
};

}  // namespace cli

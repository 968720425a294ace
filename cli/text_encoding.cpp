#include "cli/text_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace cli {

std::optional<Encoding> encodingNamed(std::string_view name) {
  std::string lower(name);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (lower == "utf-8" || lower == "utf8") return Encoding::utf8;
  if (lower == "gb18030" || lower == "gbk") return Encoding::gb18030;
  return std::nullopt;
}

void EncodingCheck::feed(std::string_view bytes) {
  if (bad_) return;
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (encoding_ == Encoding::utf8)
      utf8(b);
    else
      gb18030(b);
    if (bad_) return;
  }
}

void EncodingCheck::utf8(unsigned char b) {
  if (need_ > 0) {
    if (b < low_ || b > high_) {
      bad_ = true;
      return;
    }
    --need_;
    low_ = 0x80, high_ = 0xBF;
    return;
  }
  if (b < 0x80) return;
  low_ = 0x80, high_ = 0xBF;
  if (b >= 0xC2 && b <= 0xDF) {
    need_ = 1;
  } else if (b >= 0xE0 && b <= 0xEF) {
    need_ = 2;
    if (b == 0xE0) low_ = 0xA0;   // no overlong forms
    if (b == 0xED) high_ = 0x9F;  // no surrogates
  } else if (b >= 0xF0 && b <= 0xF4) {
    need_ = 3;
    if (b == 0xF0) low_ = 0x90;
    if (b == 0xF4) high_ = 0x8F;  // nothing above U+10FFFF
  } else {
    bad_ = true;
  }
}

void EncodingCheck::gb18030(unsigned char b) {
  const auto in = [b](int lo, int hi) { return b >= lo && b <= hi; };
  switch (have_) {
    case 0:
      if (b <= 0x7F) return;
      if (!in(0x81, 0xFE)) break;
      first_ = b, have_ = 1;
      return;
    case 1:
      if (in(0x40, 0x7E) || in(0x80, 0xFE)) {
        have_ = 0;
        return;
      }
      if (!in(0x30, 0x39)) break;
      second_ = b, have_ = 2;
      return;
    case 2:
      if (!in(0x81, 0xFE)) break;
      third_ = b, have_ = 3;
      return;
    default: {
      if (!in(0x30, 0x39)) break;
      // The four-byte forms count on from 81308130 (the BMP) and from 90308130 (U+10000 on).
      const auto index = [&](int lead) {
        return ((first_ - lead) * 10 + (second_ - 0x30)) * 1260L + (third_ - 0x81) * 10 +
               (b - 0x30);
      };
      have_ = 0;
      if (first_ <= 0x84 && index(0x81) <= 39419) return;
      if (first_ >= 0x90 && first_ <= 0xE3 && index(0x90) <= 0x10FFFF - 0x10000) return;
      break;
    }
  }
  bad_ = true;
}

std::string visibleText(std::string_view text) {
  constexpr char digits[] = "0123456789ABCDEF";
  std::string shown;
  shown.reserve(text.size());
  const auto escape = [&](std::string_view prefix, unsigned char b) {
    shown += prefix;
    shown += digits[b >> 4];
    shown += digits[b & 15];
  };
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      if ((b < 0x20 && b != '\t') || b == 0x7F)
        escape("\\x", b);
      else
        shown += static_cast<char>(b);
      ++i;
      continue;
    }
    // The length of the valid UTF-8 character starting here, 0 if there is none.
    EncodingCheck check(Encoding::utf8);
    std::size_t length = 0;
    for (std::size_t n = 1; n <= 4 && i + n <= text.size(); ++n) {
      check.feed(text.substr(i + n - 1, 1));  // once bad, it stays bad
      if (check.valid()) {
        length = n;
        break;
      }
    }
    if (length == 0) {
      escape("\\x", b);
      ++i;
    } else if (length == 2 && b == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
      escape("\\u00", static_cast<unsigned char>(text[i + 1]));  // C1: U+0080 to U+009F
      i += 2;
    } else {
      shown += text.substr(i, length);
      i += length;
    }
  }
  return shown;
}

Conversion::Conversion(Encoding from, Encoding to)
    : cd_(from == to
              ? reinterpret_cast<void*>(-1)
              : reinterpret_cast<void*>(iconv_open(to == Encoding::utf8 ? "UTF-8" : "GB18030",
                                                   from == Encoding::utf8 ? "UTF-8" : "GB18030"))) {
}

Conversion::~Conversion() {
  if (cd_ != reinterpret_cast<void*>(-1)) iconv_close(static_cast<iconv_t>(cd_));
}

std::optional<std::string> Conversion::operator()(std::string_view text) {
  if (cd_ == reinterpret_cast<void*>(-1)) return std::string(text);
  const auto cd = static_cast<iconv_t>(cd_);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // the initial state
  std::string out(text.size() * 2 + 8, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  std::size_t done = 0;
  for (;;) {
    char* o = out.data() + done;
    std::size_t outLeft = out.size() - done;
    const std::size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
    done = out.size() - outLeft;
    if (r != static_cast<std::size_t>(-1)) break;
    if (errno != E2BIG) return std::nullopt;  // invalid or cut-off bytes
    out.resize(out.size() * 2);
  }
  out.resize(done);
  return out;
}

}  // namespace cli

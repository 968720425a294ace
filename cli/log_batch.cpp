#include "cli/log_batch.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

#include "calc/outputs.h"
#include "cli/batch.h"
#include "cli/csv_reader.h"
#include "cli/csv_scan.h"

namespace cli {
namespace {

constexpr std::size_t npos = std::string::npos;
constexpr std::size_t flushBytes = 1 << 16;      // output held before it is written
constexpr std::size_t maxHeaderBytes = 1 << 22;  // a header longer than this is refused
constexpr std::string_view bom = "\xEF\xBB\xBF";

// What the log keeps of a data record as csv::Scanner reads it: the texts of the two wanted
// fields, up to maxField bytes each.
struct LogRecord {
  std::size_t fieldCount = 0;
  bool fieldTooLong = false;                      // a wanted field longer than the cap (cut)
  std::array<std::size_t, 2> wanted{npos, npos};  // 0-based fields whose texts are kept
  std::array<std::string, 2> values;
  std::size_t maxField = 0;
  std::size_t length = 0;  // bytes of the current field's text so far

  // Reads the next record from scanner, handing its bytes to raw.
  template <class Raw>
  bool next(csv::Scanner& scanner, Raw&& raw) {
    for (std::string& v : values) v.clear();
    fieldCount = 0;
    fieldTooLong = false;
    length = 0;
    return scanner.next([this](const char* first, std::size_t n) { text(first, n); },
                        [this] {
                          ++fieldCount;
                          length = 0;
                        },
                        raw);
  }

 private:
  void text(const char* first, std::size_t n) {
    const std::size_t k = fieldCount == wanted[0] ? 0 : fieldCount == wanted[1] ? 1 : 2;
    if (k == 2) return;
    const std::size_t room = length < maxField ? maxField - length : 0;
    if (n > room) fieldTooLong = true;
    values[k].append(first, std::min(n, room));
    length += n;
  }
};

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string numberText(std::size_t n) {
  char buffer[24];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, n).ptr);
}

std::string_view encodingName(Encoding e) {
  return e == Encoding::utf8 ? "UTF-8" : "GB18030";
}

// One --columns entry: a 1-based number, or a name looked for in every field of the header as
// the header is read, however many fields it has and however long they are.
class Column {
 public:
  // given as --columns has it; toInput converts UTF-8 to the log's encoding.
  Column(std::string_view given, Conversion& toInput) : given_(trimmed(given)) {
    number_ = !given_.empty() && given_.find_first_not_of("0123456789") == npos;
    // A name is compared in the log's encoding (its blanks are ASCII there too); one that
    // cannot be written in it is in no header.
    if (!number_) name_ = toInput(given_);
  }

  // The header's field i, in the log's encoding, has ended.
  void field(std::size_t i, std::string_view text) {
    if (!name_ || trimmed(text) != *name_) return;
    if (found_)
      twice_ = true;
    else
      found_ = i;
  }

  // The 0-based column in a header of width fields, or why none.
  std::optional<std::size_t> column(std::size_t width, std::string& why) const {
    if (number_) {
      std::size_t n = 0;
      const auto [end, ec] = std::from_chars(given_.data(), given_.data() + given_.size(), n);
      if (ec == std::errc() && end == given_.data() + given_.size() && n >= 1 && n <= width)
        return n - 1;
      why = "--columns：第 " + given_ + " 列不在表头的 " + numberText(width) + " 列之中";
    } else if (twice_) {
      why = "--columns：表头中有不止一列名为 " + given_ + "，请改用列号";
    } else if (!found_) {
      why = "--columns：表头中没有名为 " + given_ + " 的列";
    } else {
      return found_;
    }
    return std::nullopt;
  }

 private:
  std::string given_;
  bool number_ = false;
  std::optional<std::string> name_;  // in the log's encoding
  std::optional<std::size_t> found_;
  bool twice_ = false;
};

// One log through the calculation, a step at a time: the header read and its columns found, the
// header written with the result names after it, then every record with its results.
class LogRun {
 public:
  LogRun(std::FILE* in, OutputSink& sink, const LogOptions& o)
      : o_(o),
        sink_(sink),
        scanner_(in, o.bufferBytes, o.maxFieldBytes,
                 o.encoding == Encoding::utf8 ? csv::Bom::keep : csv::Bom::none),
        toUtf8_(o.encoding, Encoding::utf8),
        toOutput_(Encoding::utf8, o.encoding),
        check_(o.encoding) {}

  LogOutcome run() {
    if (!readHeader() || !findColumns()) return outcome_;
    writeHeader();
    writeRecords();
    out_.flushTo(sink_);
    outcome_.readFailed = scanner_.error() != 0;
    outcome_.readError = scanner_.error();
    outcome_.writeFailed = !sink_.flush();
    return outcome_;
  }

 private:
  // Reads the header: its bytes as they stand, each field compared with the named columns as it
  // ends. False, with the outcome saying why, for a failed read or a header that cannot be used.
  bool readHeader() {
    std::string name;
    bool tooLong = false;
    const bool any = scanner_.next(
        [&](const char* first, std::size_t n) {
          if (name.size() + n <= maxHeaderBytes) name.append(first, n);  // else refused below
        },
        [&] {
          for (Column& c : wanted_) c.field(width_, name);
          name.clear();
          ++width_;
        },
        [&](std::string_view b) {
          if (header_.size() + b.size() > maxHeaderBytes)
            tooLong = true;
          else
            header_ += b;
        });
    if (!any && scanner_.error() != 0) {
      outcome_.readFailed = true;
      outcome_.readError = scanner_.error();
      return false;
    }
    check_.feed(std::string_view(header_).substr(scanner_.hadBom() ? bom.size() : 0));
    if (!any)
      outcome_.usage = "输入为空：没有可按 --columns 找列的表头";
    else if (tooLong)
      outcome_.usage = "表头过长（超过 " + numberText(maxHeaderBytes) + " 字节）";
    else if (scanner_.openQuote() != csv::OpenQuote::none)
      outcome_.usage = "表头中的引号未闭合";
    else if (!check_.valid())
      outcome_.usage = "表头含有不符合 " + std::string(encodingName(o_.encoding)) +
                       " 编码的字节，请用 --encoding 指定文件的编码";
    return outcome_.usage.empty();
  }

  // The two columns in the header read; false, with the usage error, where either is not found.
  bool findColumns() {
    for (std::size_t k = 0; k < 2; ++k) {
      const std::optional<std::size_t> c = wanted_[k].column(width_, outcome_.usage);
      if (!c) return false;
      r_.wanted[k] = *c;
    }
    if (r_.wanted[0] == r_.wanted[1]) {
      outcome_.usage = "--columns：两个参数不能取自同一列";
      return false;
    }
    r_.maxField = o_.maxFieldBytes;
    needed_ = std::max(r_.wanted[0], r_.wanted[1]) + 1;
    wide_ = toOutput_("该记录的字段多于表头的 " + numberText(width_) + " 列").value();
    return true;
  }

  void writeHeader() {
    if (o_.bom && !scanner_.hadBom()) out_.raw(bom);
    out_.raw(header_);
    for (const calc::OutputInfo& info : calc::outputs) out_.field(info.key);
    out_.field("message");
    out_.endRecord();
  }

  void writeRecords() {
    for (;;) {
      check_.reset();
      extra_.clear();
      written_ = false;
      out_.raw({});
      if (!r_.next(scanner_, [this](std::string_view b) { take(b); })) break;
      if (!written_) {
        for (std::size_t i = r_.fieldCount; i < width_; ++i) out_.field({});
        writeResults(true);
      }
      out_.endRecord();
      ++outcome_.records;
      if (out_.view().size() >= flushBytes) out_.flushTo(sink_);
      if (sink_.failed()) break;
    }
  }

  // A record's bytes as they stand: copied out, and from the comma that ends its last header
  // column on held back as its extra bytes, which follow its results; once those run past
  // maxFieldBytes, the results are written from what was read so far.
  void take(std::string_view b) {
    if (r_.fieldCount >= width_ && !written_) {  // up to one byte past the cap held back
      const std::string_view held = b.substr(0, o_.maxFieldBytes + 1 - extra_.size());
      check_.feed(held);
      extra_ += held;
      b.remove_prefix(held.size());
      if (extra_.size() > o_.maxFieldBytes) writeResults(false);
    }
    check_.feed(b);
    out_.raw(b);
    if (out_.view().size() >= flushBytes) out_.flushTo(sink_);
  }

  // Writes the results of the record read so far, or the message why there are none. complete:
  // the record has ended; otherwise its extra fields have run past maxFieldBytes, and what comes
  // after is not looked at.
  void writeResults(bool complete) {
    std::string_view message;
    std::optional<std::string> a, b;
    const csv::OpenQuote open = complete ? scanner_.openQuote() : csv::OpenQuote::none;
    if (open == csv::OpenQuote::atEnd) {
      message = notices::unclosedQuote;
    } else if (open == csv::OpenQuote::pastCap) {
      notice_ = std::string(notices::openPastCapBefore) + numberText(o_.maxFieldBytes) +
                std::string(notices::openPastCapAfter);
      message = notice_;
    } else if (complete ? !check_.valid() : check_.failed()) {
      notice_ = "该记录含有不符合 " + std::string(encodingName(o_.encoding)) + " 编码的字节";
      message = notice_;
    } else if (r_.fieldCount < needed_) {
      notice_ = "记录只有 " + numberText(r_.fieldCount) + " 个字段，缺少第 " + numberText(needed_) +
                " 列";
      message = notice_;
    } else if (r_.fieldTooLong) {
      notice_ = std::string(notices::fieldTooLongBefore) + numberText(o_.maxFieldBytes) +
                std::string(notices::fieldTooLongAfter);
      message = notice_;
    } else if (!(a = toUtf8_(r_.values[0])) || !(b = toUtf8_(r_.values[1]))) {
      notice_ = "该记录含有不符合 " + std::string(encodingName(o_.encoding)) + " 编码的字节";
      message = notice_;
    } else {
      message = appendResults(o_.pair, *a, *b, o_.pressure, out_, o_.arithmetic);
      if (message.empty())
        out_.field(!complete || r_.fieldCount > width_ ? std::string_view(wide_)
                                                       : std::string_view());
    }
    if (!message.empty()) {
      const std::optional<std::string> shown = toOutput_(message);
      for (std::size_t i = 0; i < calc::outputs.size(); ++i) out_.field({});
      out_.field(shown ? std::string_view(*shown) : message);
    }
    out_.raw(extra_);
    extra_.clear();
    written_ = true;
  }

  const LogOptions& o_;
  OutputSink& sink_;
  LogOutcome outcome_;
  csv::Scanner scanner_;
  Conversion toUtf8_, toOutput_;
  EncodingCheck check_;
  // The header: the named columns looked for in it, its bytes as they stand, its width in fields.
  std::array<Column, 2> wanted_{Column(o_.columns[0], toOutput_), Column(o_.columns[1], toOutput_)};
  std::string header_;
  std::size_t width_ = 0;
  // The record being read, the fields it needs and the message of one wider than the header.
  LogRecord r_;
  std::size_t needed_ = 0;
  std::string wide_;
  CsvText out_;
  std::string notice_;
  // A record's bytes from the comma that ends its last header column on: they follow its message,
  // so that the results stand under the header's names.
  std::string extra_;
  bool written_ = false;  // the record's results are written and its extra bytes follow them
};

}  // namespace

LogOutcome runLog(std::FILE* in, OutputSink& sink, const LogOptions& o) {
  return LogRun(in, sink, o).run();
}

}  // namespace cli

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

}  // namespace

LogOutcome runLog(std::FILE* in, OutputSink& sink, const LogOptions& o) {
  LogOutcome outcome;
  csv::Scanner scanner(in, o.bufferBytes, o.maxFieldBytes,
                       o.encoding == Encoding::utf8 ? csv::Bom::keep : csv::Bom::none);
  Conversion toUtf8(o.encoding, Encoding::utf8), toOutput(Encoding::utf8, o.encoding);

  // The header: its bytes as they stand, each field compared with the named columns as it ends.
  std::array<Column, 2> wanted{Column(o.columns[0], toOutput), Column(o.columns[1], toOutput)};
  std::string header, name;
  std::size_t width = 0;
  bool headerTooLong = false;
  const bool any = scanner.next(
      [&](const char* first, std::size_t n) {
        if (name.size() + n <= maxHeaderBytes) name.append(first, n);  // else refused below
      },
      [&] {
        for (Column& c : wanted) c.field(width, name);
        name.clear();
        ++width;
      },
      [&](std::string_view b) {
        if (header.size() + b.size() > maxHeaderBytes)
          headerTooLong = true;
        else
          header += b;
      });
  if (!any && scanner.error() != 0) {
    outcome.readFailed = true;
    outcome.readError = scanner.error();
    return outcome;
  }
  const std::string_view headerText =
      std::string_view(header).substr(scanner.hadBom() ? bom.size() : 0);
  EncodingCheck check(o.encoding);
  check.feed(headerText);
  if (!any) {
    outcome.usage = "输入为空：没有可按 --columns 找列的表头";
    return outcome;
  }
  if (headerTooLong) {
    outcome.usage = "表头过长（超过 " + numberText(maxHeaderBytes) + " 字节）";
    return outcome;
  }
  if (scanner.openQuote() != csv::OpenQuote::none) {
    outcome.usage = "表头中的引号未闭合";
    return outcome;
  }
  if (!check.valid()) {
    outcome.usage = "表头含有不符合 " + std::string(encodingName(o.encoding)) +
                    " 编码的字节，请用 --encoding 指定文件的编码";
    return outcome;
  }
  std::array<std::size_t, 2> column{};
  for (std::size_t k = 0; k < 2; ++k) {
    const std::optional<std::size_t> c = wanted[k].column(width, outcome.usage);
    if (!c) return outcome;
    column[k] = *c;
  }
  if (column[0] == column[1]) {
    outcome.usage = "--columns：两个参数不能取自同一列";
    return outcome;
  }

  CsvText out;
  if (o.bom && !scanner.hadBom()) out.raw(bom);
  out.raw(header);
  for (const calc::OutputInfo& info : calc::outputs) out.field(info.key);
  out.field("message");
  out.endRecord();

  LogRecord r;
  r.wanted = column;
  r.maxField = o.maxFieldBytes;
  const std::size_t needed = std::max(column[0], column[1]) + 1;
  const std::string wide = toOutput("该记录的字段多于表头的 " + numberText(width) + " 列").value();
  std::string notice;
  // A record's bytes from the comma that ends its last header column on: they follow its message,
  // so that the results stand under the header's names.
  std::string extra;
  bool written = false;  // the record's results are written and its extra bytes follow them

  // Writes the results of the record read so far, or the message why there are none. complete:
  // the record has ended; otherwise its extra fields have run past maxFieldBytes, and what comes
  // after is not looked at.
  const auto writeResults = [&](bool complete) {
    std::string_view message;
    std::optional<std::string> a, b;
    const csv::OpenQuote open = complete ? scanner.openQuote() : csv::OpenQuote::none;
    if (open == csv::OpenQuote::atEnd) {
      message = notices::unclosedQuote;
    } else if (open == csv::OpenQuote::pastCap) {
      notice = std::string(notices::openPastCapBefore) + numberText(o.maxFieldBytes) +
               std::string(notices::openPastCapAfter);
      message = notice;
    } else if (complete ? !check.valid() : check.failed()) {
      notice = "该记录含有不符合 " + std::string(encodingName(o.encoding)) + " 编码的字节";
      message = notice;
    } else if (r.fieldCount < needed) {
      notice =
          "记录只有 " + numberText(r.fieldCount) + " 个字段，缺少第 " + numberText(needed) + " 列";
      message = notice;
    } else if (r.fieldTooLong) {
      notice = std::string(notices::fieldTooLongBefore) + numberText(o.maxFieldBytes) +
               std::string(notices::fieldTooLongAfter);
      message = notice;
    } else if (!(a = toUtf8(r.values[0])) || !(b = toUtf8(r.values[1]))) {
      notice = "该记录含有不符合 " + std::string(encodingName(o.encoding)) + " 编码的字节";
      message = notice;
    } else {
      message = appendResults(o.pair, *a, *b, o.pressure, out, o.arithmetic);
      if (message.empty())
        out.field(!complete || r.fieldCount > width ? std::string_view(wide) : std::string_view());
    }
    if (!message.empty()) {
      const std::optional<std::string> shown = toOutput(message);
      for (std::size_t i = 0; i < calc::outputs.size(); ++i) out.field({});
      out.field(shown ? std::string_view(*shown) : message);
    }
    out.raw(extra);
    extra.clear();
    written = true;
  };

  for (;;) {
    check.reset();
    extra.clear();
    written = false;
    out.raw({});
    if (!r.next(scanner, [&](std::string_view b) {
          if (r.fieldCount >= width && !written) {  // up to one byte past the cap held back
            const std::string_view held = b.substr(0, o.maxFieldBytes + 1 - extra.size());
            check.feed(held);
            extra += held;
            b.remove_prefix(held.size());
            if (extra.size() > o.maxFieldBytes) writeResults(false);
          }
          check.feed(b);
          out.raw(b);
          if (out.view().size() >= flushBytes) out.flushTo(sink);
        }))
      break;
    if (!written) {
      for (std::size_t i = r.fieldCount; i < width; ++i) out.field({});
      writeResults(true);
    }
    out.endRecord();
    ++outcome.records;
    if (out.view().size() >= flushBytes) out.flushTo(sink);
    if (sink.failed()) break;
  }
  out.flushTo(sink);
  outcome.readFailed = scanner.error() != 0;
  outcome.readError = scanner.error();
  outcome.writeFailed = !sink.flush();
  return outcome;
}

}  // namespace cli

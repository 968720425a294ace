#include "cli/log_batch.h"

#include <algorithm>
#include <charconv>
#include <cstring>
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
constexpr std::size_t maxHeaderNames = 1 << 12;  // names kept for finding the columns
constexpr std::string_view bom = "\xEF\xBB\xBF";

// What the log keeps of a record as csv::Scanner reads it: the texts of the wanted fields (up to
// maxField bytes each), or, for the header, of every field.
struct LogRecord {
  std::size_t fieldCount = 0;
  bool fieldTooLong = false;                      // a wanted field longer than the cap (cut)
  std::array<std::size_t, 2> wanted{npos, npos};  // 0-based fields whose texts are kept
  std::array<std::string, 2> values;
  std::vector<std::string>* all = nullptr;  // every field's text, when given (the header)
  std::size_t maxField = 0;
  std::size_t length = 0;  // bytes of the current field's text so far

  void clear() {
    for (std::string& v : values) v.clear();
    if (all) all->assign(1, std::string());
    fieldCount = 0;
    fieldTooLong = false;
    length = 0;
  }

  void text(const char* first, std::size_t n) {
    const std::size_t i = fieldCount;
    std::string* kept = i == wanted[0]              ? &values[0]
                        : i == wanted[1]            ? &values[1]
                        : all && i < maxHeaderNames ? &(*all)[i]
                                                    : nullptr;
    if (kept == nullptr) return;
    // A header name is only compared with what --columns gives: a short prefix is enough.
    const std::size_t cap = all ? std::min<std::size_t>(maxField, 1024) : maxField;
    const std::size_t room = length < cap ? cap - length : 0;
    if (n > room) fieldTooLong = true;
    kept->append(first, std::min(n, room));
    length += n;
  }

  void endField() {
    ++fieldCount;
    length = 0;
    if (all && all->size() < maxHeaderNames) all->emplace_back();
  }

  // Reads the next record from scanner, handing its bytes to raw.
  template <class Raw>
  bool next(csv::Scanner& scanner, Raw&& raw) {
    clear();
    return scanner.next([this](const char* first, std::size_t n) { text(first, n); },
                        [this] { endField(); }, raw);
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

// The 0-based column a --columns entry names in the header, or why none.
std::optional<std::size_t> findColumn(std::string_view wanted,
                                      const std::vector<std::string>& names, std::size_t width,
                                      std::string& why) {
  wanted = trimmed(wanted);
  if (!wanted.empty() && wanted.find_first_not_of("0123456789") == npos) {
    std::size_t n = 0;
    const auto [end, ec] = std::from_chars(wanted.data(), wanted.data() + wanted.size(), n);
    if (ec == std::errc() && end == wanted.data() + wanted.size() && n >= 1 && n <= width)
      return n - 1;
    why = "--columns：第 " + std::string(wanted) + " 列不在表头的 " + numberText(width) + " 列之中";
    return std::nullopt;
  }
  std::optional<std::size_t> found;
  for (std::size_t i = 0; i < names.size() && i < width; ++i)
    if (trimmed(names[i]) == wanted) {
      if (found) {
        why = "--columns：表头中有不止一列名为 " + std::string(wanted) + "，请改用列号";
        return std::nullopt;
      }
      found = i;
    }
  if (!found) why = "--columns：表头中没有名为 " + std::string(wanted) + " 的列";
  return found;
}

}  // namespace

LogOutcome runLog(std::FILE* in, OutputSink& sink, const LogOptions& o) {
  LogOutcome outcome;
  csv::Scanner scanner(in, o.bufferBytes, o.maxFieldBytes,
                       o.encoding == Encoding::utf8 ? csv::Bom::keep : csv::Bom::none);
  Conversion toUtf8(o.encoding, Encoding::utf8), toOutput(Encoding::utf8, o.encoding);

  // The header: its bytes as they stand, and its names in UTF-8.
  std::string header;
  std::vector<std::string> names;
  LogRecord h;
  h.all = &names;
  h.maxField = o.maxFieldBytes;
  bool headerTooLong = false;
  const bool any = h.next(scanner, [&](std::string_view b) {
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
  for (std::string& n : names)
    if (auto u = toUtf8(n)) n = std::move(*u);
  const std::size_t width = h.fieldCount;
  std::array<std::size_t, 2> column{};
  for (std::size_t k = 0; k < 2; ++k) {
    const std::optional<std::size_t> c = findColumn(o.columns[k], names, width, outcome.usage);
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
  std::string notice;
  for (;;) {
    check.reset();
    out.raw({});
    if (!r.next(scanner, [&](std::string_view b) {
          check.feed(b);
          out.raw(b);
          if (out.view().size() >= flushBytes) out.flushTo(sink);
        }))
      break;
    for (std::size_t i = r.fieldCount; i < width; ++i) out.field({});
    std::string_view message;
    std::optional<std::string> a, b;
    if (scanner.openQuote() == csv::OpenQuote::atEnd) {
      message = notices::unclosedQuote;
    } else if (scanner.openQuote() == csv::OpenQuote::pastCap) {
      notice = std::string(notices::openPastCapBefore) + numberText(o.maxFieldBytes) +
               std::string(notices::openPastCapAfter);
      message = notice;
    } else if (!check.valid()) {
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
      message = appendCalculation(o.pair, *a, *b, o.pressure, out);
    }
    if (!message.empty()) {
      const std::optional<std::string> shown = toOutput(message);
      for (std::size_t i = 0; i < calc::outputs.size(); ++i) out.field({});
      out.field(shown ? std::string_view(*shown) : message);
      out.endRecord();
    }
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

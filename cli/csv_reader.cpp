#include "cli/csv_reader.h"

#include <algorithm>

namespace cli {

CsvReader::CsvReader(std::FILE* in, std::size_t bufferBytes, std::size_t maxFieldBytes)
    : scanner_(in, bufferBytes, maxFieldBytes, csv::Bom::skip), maxField_(maxFieldBytes) {}

void CsvReader::append(CsvRecord& record, const char* first, std::size_t n) {
  const std::size_t room = fieldLength_ < maxField_ ? maxField_ - fieldLength_ : 0;
  if (n > room) record.fieldTooLong = true;
  if (record.fieldCount < CsvRecord::keptFields)
    record.fields[record.fieldCount].append(first, std::min(n, room));
  fieldLength_ += n;
}

bool CsvReader::next(CsvRecord& record) {
  for (std::string& f : record.fields) f.clear();
  record.fieldCount = 0;
  record.fieldTooLong = false;
  fieldLength_ = 0;
  const bool read =
      scanner_.next([&](const char* first, std::size_t n) { append(record, first, n); },
                    [&] {
                      ++record.fieldCount;
                      fieldLength_ = 0;
                    },
                    [](std::string_view) {});
  record.unclosedQuote = scanner_.openQuote() == csv::OpenQuote::atEnd;
  record.openPastCap = scanner_.openQuote() == csv::OpenQuote::pastCap;
  return read;
}

}  // namespace cli

#pragma once

#include <string>
#include <string_view>

// One CSV field as every CSV this program writes has it (the batch's results and the chart's
// exported table): quoted, with its quotes doubled, only where it holds a comma, a quote, CR or LF.
// Inline, as the batch writes millions of fields.
namespace calc {

// True when a CSV field must be quoted: it holds a comma, a quote, CR or LF.
inline bool needsQuotes(std::string_view field) {
  for (char c : field)
    if (c == ',' || c == '"' || c == '\r' || c == '\n') return true;
  return false;
}

// Appends field to out, quoted where needsQuotes says so.
inline void appendCsvField(std::string& out, std::string_view field) {
  if (!needsQuotes(field)) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace calc

#include "chart/points.h"

#include <charconv>

#include "calc/number_text.h"

namespace chart {
namespace {

// A value as read, to 12 significant digits in its shortest form, whatever the locale: "25.5" for
// "25。5", "7" for 7.000000000000001.
std::string readValue(double value) {
  char buffer[32];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 12);
  return ec == std::errc() ? std::string(buffer, end) : std::string();
}

std::size_t characters(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// Column name n of a spreadsheet: A … Z, AA, AB, …
std::string letters(std::size_t n) {
  std::string name;
  for (++n; n > 0; n = (n - 1) / 26)
    name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
  return name;
}

}  // namespace

std::string_view PointList::add(const TypedPair& given) {
  StatePoint p;
  p.pair = given.pair;
  p.result = calc::calculateTyped(given.pair, given.first, given.second, pa_);
  if (!p.exists()) return p.result.message;
  p.first = calc::numericValue(given.first);
  p.second = calc::numericValue(given.second);
  p.given = calc::givenText(given.pair, readValue(p.first), readValue(p.second));
  p.name = nextName();
  points_.push_back(std::move(p));
  return {};
}

bool PointList::nameTaken(std::string_view name, std::size_t except) const {
  for (std::size_t i = 0; i < points_.size(); ++i)
    if (i != except && points_[i].name == name) return true;
  return false;
}

std::string PointList::nextName() const {
  // Among size() + 1 names one is free.
  for (std::size_t n = 0;; ++n)
    if (!nameTaken(letters(n), points_.size())) return letters(n);
}

bool PointList::rename(std::size_t i, std::string_view name) {
  if (i >= points_.size()) return false;
  std::string clean(name);
  for (char& c : clean)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  const std::size_t first = clean.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  clean = clean.substr(first, clean.find_last_not_of(' ') - first + 1);
  if (characters(clean) > maxNameLength || nameTaken(clean, i)) return false;
  points_[i].name = std::move(clean);
  return true;
}

void PointList::remove(std::size_t i) {
  if (i < points_.size()) points_.erase(points_.begin() + static_cast<std::ptrdiff_t>(i));
}

bool PointList::move(std::size_t from, std::size_t to) {
  if (from >= points_.size() || to >= points_.size()) return false;
  StatePoint p = std::move(points_[from]);
  points_.erase(points_.begin() + static_cast<std::ptrdiff_t>(from));
  points_.insert(points_.begin() + static_cast<std::ptrdiff_t>(to), std::move(p));
  return true;
}

void PointList::setPressure(double pa) {
  pa_ = pa;
  for (StatePoint& p : points_) p.result = calc::calculate(p.pair, p.first, p.second, pa_);
}

}  // namespace chart

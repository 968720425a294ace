#include "chart/points.h"

#include <charconv>

#include "calc/state_results.h"
#include "chart/quantities.h"

namespace chart {
namespace {

// value to 12 significant digits, shortest form, never locale-dependent: 0.07 · 100 reads "7".
std::string shortNumber(double value) {
  char buffer[40];
  const auto r =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 12);
  return r.ec == std::errc() ? std::string(buffer, r.ptr) : std::string("?");
}

std::string givenPart(const psychro::Given& g) {
  const QuantityInfo& q = quantityInfo(g.quantity);
  return std::string(q.symbol) + "=" + shortNumber(g.value * q.factor) + std::string(q.unit);
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

std::string givenText(const GivenPair& given) {
  return givenPart(given.first) + ", " + givenPart(given.second);
}

void PointList::compute(StatePoint& p) const {
  p.state = psychro::stateFromPair(p.given.first, p.given.second, pa_);
  if (p.state.ok() && !calc::formatResults(p.state.air, p.texts))
    p.state.message = psychro::noSuchState;
  if (!p.state.ok()) p.texts = {};
}

std::string_view PointList::add(const GivenPair& given) {
  StatePoint p;
  p.given = given;
  compute(p);
  if (!p.exists()) return p.state.message;
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
  for (StatePoint& p : points_) compute(p);
}

}  // namespace chart

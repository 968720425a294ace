#include "chart/points.h"

#include <charconv>

#include "calc/number_text.h"
#include "calc/state_results.h"

namespace chart {
namespace {

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

std::string readValue(double value) {
  char buffer[32];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 12);
  return ec == std::errc() ? std::string(buffer, end) : std::string();
}

std::string_view PointList::add(const TypedPair& given) {
  StatePoint p;
  p.pair = given.pair;
  p.result = calc::calculateTyped(given.pair, given.first, given.second, pa_);
  if (!p.exists()) return p.result.message;
  p.first = calc::numericValue(given.first);
  p.second = calc::numericValue(given.second);
  p.given = calc::givenText(given.pair, readValue(p.first), readValue(p.second));
  p.name = nextName();
  p.id = ++lastId_;
  points_.push_back(std::move(p));
  return {};
}

unsigned PointList::addDerived(std::string given, const psychro::AirState& air) {
  StatePoint p;
  p.pair = {psychro::Quantity::t, psychro::Quantity::d};
  p.first = air.t;
  p.second = air.d * 1000;
  p.given = std::move(given);
  p.result.air = air;
  if (!calc::formatResults(air, p.result.texts)) return 0;
  p.name = nextName();
  p.id = ++lastId_;
  p.derived = true;
  points_.push_back(std::move(p));
  return lastId_;
}

void PointList::setDerived(unsigned id, const psychro::StateOutcome& outcome) {
  const std::size_t i = indexOf(id);
  if (i == size()) return;
  calc::Calculation& r = points_[i].result;
  r = {};
  r.air = outcome.air;
  r.message = outcome.message;
  if (r.ok() && !calc::formatResults(r.air, r.texts)) r.message = psychro::noSuchState;
  if (!r.ok()) r.texts = {};
  if (r.ok()) {
    points_[i].first = r.air.t;
    points_[i].second = r.air.d * 1000;
  }
}

void PointList::release(unsigned id) {
  const std::size_t i = indexOf(id);
  if (i < size()) points_[i].derived = false;
}

std::size_t PointList::indexOf(unsigned id) const {
  for (std::size_t i = 0; i < points_.size(); ++i)
    if (points_[i].id == id) return i;
  return points_.size();
}

const StatePoint* PointList::find(unsigned id) const {
  const std::size_t i = indexOf(id);
  return i < size() ? &points_[i] : nullptr;
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
  for (StatePoint& p : points_)
    if (!p.derived) p.result = calc::calculate(p.pair, p.first, p.second, pa_);
}

}  // namespace chart

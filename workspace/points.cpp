#include "workspace/points.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "calc/number_text.h"
#include "calc/state_results.h"
#include "workspace/names.h"

namespace workspace {
namespace {

// Column name n of a spreadsheet: A … Z, AA, AB, …
std::string letters(std::size_t n) {
  std::string name;
  for (++n; n > 0; n = (n - 1) / 26)
    name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
  return name;
}

// The n whose letters(n) is name; none for any other name.
std::optional<std::size_t> lettersIndex(std::string_view name) {
  if (name.empty() || name.size() > 8) return std::nullopt;
  std::size_t n = 0;
  for (char c : name) {
    if (c < 'A' || c > 'Z') return std::nullopt;
    n = n * 26 + static_cast<std::size_t>(c - 'A' + 1);
  }
  return n - 1;
}

}  // namespace

std::string valueText(double value) {
  char buffer[32];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 12);
  return ec == std::errc() ? std::string(buffer, end) : std::string();
}

namespace {

// The point given by the pair as typed, computed at pa with m; or the arithmetic's refusal.
std::variant<StatePoint, Refusal> given(const TypedPair& typed, double pa, psychro::Arithmetic m) {
  StatePoint p;
  p.pair = typed.pair;
  p.result = calc::calculateTyped(typed.pair, typed.first, typed.second, pa, m);
  if (!p.exists()) return refusedBy(p.result.outcome);
  p.first = calc::numericValue(typed.first);
  p.second = calc::numericValue(typed.second);
  p.given = calc::givenText(typed.pair, valueText(p.first), valueText(p.second));
  return p;
}

}  // namespace

Refused PointList::add(const TypedPair& typed, std::string_view name) {
  std::string clean;
  if (!name.empty()) {
    auto checked = checkName(name);
    if (auto* why = std::get_if<Refusal>(&checked)) return std::move(*why);
    clean = std::move(std::get<std::string>(checked));
  }
  if (full()) return Refusal{Rule::tooManyPoints, {}, std::to_string(maxPoints)};
  auto made = given(typed, pa_, m_);
  if (auto* why = std::get_if<Refusal>(&made)) return std::move(*why);
  StatePoint& p = std::get<StatePoint>(made);
  p.name = takeName(clean);
  p.id = ++lastId_;
  points_.push_back(std::move(p));
  return std::nullopt;
}

Refused PointList::edit(std::size_t i, const TypedPair& typed) {
  if (i >= points_.size()) return Refusal{Rule::noSuchPoint, {}, {}};
  auto made = given(typed, pa_, m_);
  if (auto* why = std::get_if<Refusal>(&made)) return std::move(*why);
  StatePoint& p = std::get<StatePoint>(made);
  p.name = std::move(points_[i].name);
  p.id = points_[i].id;
  points_[i] = std::move(p);
  return std::nullopt;
}

void PointList::addSaved(calc::Pair pair, double first, double second) {
  StatePoint p;
  p.pair = pair;
  p.first = first;
  p.second = second;
  p.given = calc::givenText(pair, valueText(first), valueText(second));
  p.result = calc::calculate(pair, first, second, pa_, m_);
  p.why = refusedBy(p.result.outcome);
  p.name = takeName({});
  p.id = ++lastId_;
  points_.push_back(std::move(p));
}

unsigned PointList::addDerivedSaved(const Outlet& outlet) {
  StatePoint p;
  p.pair = {psychro::Quantity::t, psychro::Quantity::d};
  p.name = takeName({});
  p.id = ++lastId_;
  p.derived = true;
  points_.push_back(std::move(p));
  setDerived(lastId_, outlet);
  return lastId_;
}

unsigned PointList::addDerived(const psychro::AirState& air, std::string_view name) {
  StatePoint p;
  p.pair = {psychro::Quantity::t, psychro::Quantity::d};
  p.first = air.t;
  p.second = air.d * 1000;
  p.result.air = air;
  if (!calc::formatResults(air, p.result.texts, m_)) return 0;
  p.name = takeName(name);
  p.id = ++lastId_;
  p.derived = true;
  points_.push_back(std::move(p));
  return lastId_;
}

void PointList::setDerived(unsigned id, const Outlet& outlet) {
  const std::size_t i = indexOf(id);
  if (i == size()) return;
  calc::Calculation& r = points_[i].result;
  Refusal& why = points_[i].why;
  r = {};
  r.air = outlet.air;
  why = outlet.why.value_or(Refusal{});
  r.outcome = why.rule == Rule::arithmetic ? why.outcome : psychro::Outcome::noSuchState;
  if (r.ok() && !calc::formatResults(r.air, r.texts, m_)) {
    r.outcome = psychro::Outcome::noSuchState;
    why = refusedBy(r.outcome);
  }
  if (!r.ok()) r.texts = {};
  if (r.ok()) {
    points_[i].first = r.air.t;
    points_[i].second = r.air.d * 1000;
  }
}

void PointList::release(unsigned id) {
  const std::size_t i = indexOf(id);
  if (i == size() || !points_[i].derived) return;
  StatePoint& p = points_[i];
  p.derived = false;
  p.given = calc::givenText(p.pair, valueText(p.first), valueText(p.second));
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

std::string PointList::nextName() const {
  // Among size() + 1 names one is free; every one before firstFree_ is taken.
  for (std::size_t n = firstFree_;; ++n)
    if (!names_.contains(letters(n))) return letters(n);
}

std::string PointList::takeName(std::string_view given) {
  if (!given.empty()) {
    std::string name(given);
    names_.insert(name);
    return name;
  }
  std::string name = nextName();
  firstFree_ = *lettersIndex(name) + 1;
  names_.insert(name);
  return name;
}

void PointList::freeName(const std::string& name) {
  names_.erase(name);
  if (const std::optional<std::size_t> n = lettersIndex(name))
    firstFree_ = std::min(firstFree_, *n);
}

std::variant<std::string, Refusal> PointList::checkName(std::string_view name,
                                                        std::size_t own) const {
  std::string clean(name);
  for (char& c : clean)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  const std::size_t first = clean.find_first_not_of(' ');
  if (first == std::string::npos) return Refusal{Rule::nameEmpty, {}, std::string(name)};
  clean = clean.substr(first, clean.find_last_not_of(' ') - first + 1);
  if (turnsDirection(clean)) return Refusal{Rule::nameTurnsDirection, {}, clean};
  if (characters(clean) > maxNameLength) return Refusal{Rule::nameTooLong, {}, clean};
  if (own < points_.size() && clean == points_[own].name) return clean;
  if (names_.contains(clean)) return Refusal{Rule::nameTaken, {}, clean};
  return clean;
}

Refused PointList::rename(std::size_t i, std::string_view name) {
  if (i >= points_.size()) return Refusal{Rule::noSuchPoint, {}, {}};
  auto checked = checkName(name, i);
  if (auto* why = std::get_if<Refusal>(&checked)) return std::move(*why);
  std::string& clean = std::get<std::string>(checked);
  if (clean == points_[i].name) return std::nullopt;
  freeName(points_[i].name);
  names_.insert(clean);
  points_[i].name = std::move(clean);
  return std::nullopt;
}

void PointList::remove(std::size_t i) {
  if (i >= points_.size()) return;
  freeName(points_[i].name);
  points_.erase(points_.begin() + static_cast<std::ptrdiff_t>(i));
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
    if (!p.derived) {
      p.result = calc::calculate(p.pair, p.first, p.second, pa_, m_);
      p.why = refusedBy(p.result.outcome);
    }
}

void PointList::setArithmetic(psychro::Arithmetic m) {
  m_ = m;
  setPressure(pa_);
}

}  // namespace workspace

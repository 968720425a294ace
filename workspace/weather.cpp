#include "workspace/weather.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/number_text.h"
#include "calc/pair_calculation.h"
#include "calc/state_results.h"
#include "psychro/pressure.h"

namespace workspace {
namespace {

// The dry bulbs and dew points a record may hold, °C; values from 99.9 up mark a missing value.
constexpr double lowestRecordT = -50, highestRecordT = 70;
constexpr double lowestRecordTl = -70, highestRecordTl = 70;
constexpr double missingMarker = 99.9;

// The fields of the dry bulb and the dew point, counted from 0; a record has at least this many.
constexpr std::size_t dryBulbField = 6, dewPointField = 7, recordFields = 8;
// The fields of a whole record as the format writes it: a last record with fewer and no line end
// was cut short, and the field it ends in may be cut too (a dew point of 7 for 7.5).
constexpr std::size_t wholeRecordFields = 35;

std::string_view trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The comma-separated fields of a line, up to limit of them (the rest left in the last).
std::vector<std::string_view> fields(std::string_view line, std::size_t limit) {
  std::vector<std::string_view> out;
  while (out.size() + 1 < limit) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) break;
    out.push_back(trimmed(line.substr(0, comma)));
    line.remove_prefix(comma + 1);
  }
  out.push_back(trimmed(line));
  return out;
}

// The lines of text, each without its line end: LF, CRLF or CR alike.
class Lines {
 public:
  explicit Lines(std::string_view text) : rest_(text) {}
  bool next(std::string_view& line) {
    if (rest_.empty()) return false;
    const std::size_t end = rest_.find_first_of("\r\n");
    ended_ = end != std::string_view::npos;
    line = rest_.substr(0, end);
    rest_.remove_prefix(!ended_                          ? rest_.size()
                        : rest_.substr(end, 2) == "\r\n" ? end + 2
                                                         : end + 1);
    return true;
  }
  // Whether the line next gave ended with a line end (the last may not).
  bool ended() const { return ended_; }

 private:
  std::string_view rest_;
  bool ended_ = false;
};

// Whether a record of month (1…12) is on the calendar: its day within the month (29 February
// always, since a typical year mixes years) and its hour 1…24, both whole numbers.
bool onCalendar(int month, double day, double hour) {
  constexpr std::array<int, 12> days{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return day >= 1 && day <= days[static_cast<std::size_t>(month - 1)] && day == std::floor(day) &&
         hour >= 1 && hour <= 24 && hour == std::floor(hour);
}

WeatherRecord readRecord(std::string_view line) {
  WeatherRecord r;
  const std::vector<std::string_view> f = fields(line, recordFields + 1);
  for (std::size_t i = 0; i < r.date.size() && i < f.size(); ++i) r.date[i] = f[i];
  if (f.size() < recordFields) {
    r.skip = SkipReason::missingField;
    return r;
  }
  std::array<double, 4> date{};
  for (std::size_t i = 0; i < date.size(); ++i) {
    const std::optional<double> v = calc::wholeNumber(f[i]);
    if (!v) {
      r.skip = SkipReason::missingField;
      return r;
    }
    date[i] = *v;
  }
  const std::optional<double> t = calc::wholeNumber(f[dryBulbField]);
  const std::optional<double> tl = calc::wholeNumber(f[dewPointField]);
  if (!t || !tl) {
    r.skip = SkipReason::missingField;
    return r;
  }
  r.first = *t;
  r.second = *tl;
  const auto within = [](double v, double lo, double hi) { return v >= lo && v <= hi; };
  if (within(date[1], 1, 12) && date[1] == std::floor(date[1])) r.month = static_cast<int>(date[1]);
  if (r.first >= missingMarker || r.second >= missingMarker)
    r.skip = SkipReason::missingValue;
  else if (r.month == 0 || !onCalendar(r.month, date[2], date[3]) ||
           !within(r.first, lowestRecordT, highestRecordT) ||
           !within(r.second, lowestRecordTl, highestRecordTl))
    r.skip = SkipReason::outOfRange;
  else if (r.second > r.first)
    r.skip = SkipReason::dewAboveDry;
  return r;
}

}  // namespace

std::size_t SkipCounts::total() const {
  std::size_t n = 0;
  for (std::size_t c : counts) n += c;
  return n;
}

std::variant<WeatherFile, WeatherRefusal> readEpw(std::string_view text) {
  if (text.size() > maxWeatherBytes) return WeatherRefusal{WeatherFault::tooLarge};
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  Lines lines(text);
  std::string_view line;
  if (!lines.next(line) || !fields(line, 2).front().starts_with("LOCATION"))
    return WeatherRefusal{WeatherFault::notEpw};
  WeatherFile file;
  const std::vector<std::string_view> location = fields(line, 11);
  if (location.size() > 1) file.place = location[1];
  if (location.size() > 9) file.elevation = calc::wholeNumber(location[9]);
  for (int i = 1; i < 8; ++i)
    if (!lines.next(line)) return WeatherRefusal{WeatherFault::headerShort};
  while (lines.next(line)) {
    if (trimmed(line).empty()) continue;
    if (file.records.size() == maxWeatherRecords)
      return WeatherRefusal{WeatherFault::tooManyRecords};
    file.records.push_back(readRecord(line));
    if (!lines.ended() &&
        static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1 < wholeRecordFields)
      file.records.back().skip = SkipReason::missingField;
  }
  if (file.records.empty()) return WeatherRefusal{WeatherFault::noRecords};
  return file;
}

namespace {

// The records of a CSV text, read a field at a time (quotes removed, doubled quotes made single),
// so that a record of any width costs the text of one field, not a string per field.
class CsvRecords {
 public:
  explicit CsvRecords(std::string_view text) : rest_(text) {}

  // Hands each field of the next record to field(index, text) as it ends; the record's number of
  // fields, or none at the end of the text. A quote left open runs to the end.
  template <class Field>
  std::optional<std::size_t> next(Field field) {
    if (rest_.empty()) return std::nullopt;
    std::size_t count = 0;
    text_.clear();
    bool quoted = false;
    std::size_t i = 0;
    for (; i < rest_.size(); ++i) {
      const char c = rest_[i];
      if (quoted) {
        if (c != '"')
          text_ += c;
        else if (i + 1 < rest_.size() && rest_[i + 1] == '"')
          text_ += rest_[++i];
        else
          quoted = false;
      } else if (c == '"') {
        quoted = true;
      } else if (c == ',') {
        field(count++, std::string_view(text_));
        text_.clear();
      } else if (c == '\n') {
        break;
      } else if (c != '\r' || i + 1 >= rest_.size() || rest_[i + 1] != '\n') {
        text_ += c;
      }
    }
    field(count++, std::string_view(text_));
    rest_.remove_prefix(std::min(i + 1, rest_.size()));
    return count;
  }

 private:
  std::string_view rest_;
  std::string text_;  // the field being read
};

// One --columns entry, looked for in the header a field at a time: a 1-based number, or a name
// compared whole, blanks trimmed, with every field.
class HeaderColumn {
 public:
  explicit HeaderColumn(std::string_view given) : given_(trimmed(given)) {
    number_ = !given_.empty() && given_.find_first_not_of("0123456789") == std::string_view::npos;
  }

  // The header's field i.
  void field(std::size_t i, std::string_view text) {
    if (number_ || trimmed(text) != given_) return;
    twice_ = found_.has_value();
    if (!found_) found_ = i;
  }

  // The 0-based column in a header of width fields, or why none.
  std::variant<std::size_t, WeatherRefusal> column(std::size_t width) const {
    if (number_) {
      const std::optional<double> n = calc::wholeNumber(given_);
      if (n && *n >= 1 && *n <= static_cast<double>(width)) return static_cast<std::size_t>(*n) - 1;
      return WeatherRefusal{WeatherFault::columnBeyond, std::string(given_), width};
    }
    if (twice_) return WeatherRefusal{WeatherFault::columnTwice, std::string(given_)};
    if (!found_) return WeatherRefusal{WeatherFault::noSuchColumn, std::string(given_)};
    return *found_;
  }

 private:
  std::string_view given_;
  bool number_ = false;
  std::optional<std::size_t> found_;
  bool twice_ = false;
};

}  // namespace

std::variant<WeatherFile, WeatherRefusal> readWeatherLog(
    std::string_view text, calc::Pair pair, const std::array<std::string, 2>& columns) {
  if (text.size() > maxWeatherBytes) return WeatherRefusal{WeatherFault::tooLarge};
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  CsvRecords records(text);
  std::array<HeaderColumn, 2> wanted{HeaderColumn(columns[0]), HeaderColumn(columns[1])};
  const std::optional<std::size_t> width = records.next([&](std::size_t i, std::string_view f) {
    for (HeaderColumn& c : wanted) c.field(i, f);
  });
  if (!width) return WeatherRefusal{WeatherFault::noHeader};
  std::array<std::size_t, 2> at{};
  for (std::size_t k = 0; k < 2; ++k) {
    auto column = wanted[k].column(*width);
    if (const WeatherRefusal* why = std::get_if<WeatherRefusal>(&column)) return *why;
    at[k] = std::get<std::size_t>(column);
  }
  if (at[0] == at[1]) return WeatherRefusal{WeatherFault::sameColumn};
  WeatherFile file;
  file.pair = pair;
  std::array<std::string, 2> values;  // the texts of a record's two columns
  bool blank = false;                 // its first field is blank
  for (std::optional<std::size_t> count;
       (count = records.next([&](std::size_t i, std::string_view f) {
         if (i == 0) blank = trimmed(f).empty();
         for (std::size_t k = 0; k < 2; ++k)
           if (i == at[k]) values[k] = f;
       }));) {
    if (*count == 1 && blank) continue;
    if (file.records.size() == maxWeatherRecords)
      return WeatherRefusal{WeatherFault::tooManyRecords};
    WeatherRecord r;
    const auto value = [&](std::size_t k) -> std::optional<double> {
      if (at[k] >= *count || !calc::startsWithNumber(values[k])) return std::nullopt;
      return calc::numericValue(values[k]);
    };
    const std::optional<double> first = value(0), second = value(1);
    if (first && second) {
      r.first = *first;
      r.second = *second;
    } else {
      r.skip = SkipReason::missingField;
    }
    file.records.push_back(std::move(r));
  }
  if (file.records.empty()) return WeatherRefusal{WeatherFault::noRecords};
  return file;
}

std::optional<double> sitePressure(const WeatherFile& file) {
  if (!file.elevation || !psychro::altitudeInRange(*file.elevation)) return std::nullopt;
  const double pa = psychro::pressureAtAltitude(*file.elevation);
  if (!psychro::pressureInRange(pa)) return std::nullopt;
  return pa;
}

psychro::StateOutcome hourState(calc::Pair pair, double first, double second, double pa,
                                psychro::Arithmetic m) {
  psychro::StateOutcome s = calc::pairState(pair, first, second, pa, m);
  if (s.ok() && !calc::showable(calc::shownValues(s.air, m)))
    s.outcome = psychro::Outcome::noSuchState;
  return s;
}

WeatherStates weatherStates(const WeatherFile& file, double pa, psychro::Arithmetic m) {
  WeatherStates states;
  states.hours.reserve(file.records.size());
  for (std::size_t i = 0; i < file.records.size(); ++i) {
    const WeatherRecord& r = file.records[i];
    if (r.skip) {
      states.skipped.add(*r.skip);
      continue;
    }
    const psychro::StateOutcome s = hourState(file.pair, r.first, r.second, pa, m);
    if (!s.ok()) {
      states.skipped.add(SkipReason::noState);
      continue;
    }
    states.hours.push_back({i, r.month, s.air});
  }
  return states;
}

namespace {

// A record of month (0 for a log's, which has none) counts when its month is chosen, and under
// 全年 whatever its month.
bool chosen(const MonthSet& months, int month) {
  if (months.all()) return true;
  return month >= 1 && month <= 12 && months.test(static_cast<std::size_t>(month - 1));
}

}  // namespace

double ZoneHours::percent(std::size_t hours) const {
  return total == 0 ? 0 : 100.0 * static_cast<double>(hours) / static_cast<double>(total);
}

ZoneHours zoneHours(const WeatherStates& states, std::span<const Zone> zones,
                    const MonthSet& months) {
  ZoneHours z;
  z.inside.assign(zones.size(), 0);
  for (const HourState& h : states.hours) {
    if (!chosen(months, h.month)) continue;
    ++z.total;
    bool any = false;
    for (std::size_t i = 0; i < zones.size(); ++i)
      if (holds(zones[i], h.air)) {
        ++z.inside[i];
        any = true;
      }
    if (!any) ++z.outside;
  }
  return z;
}

std::vector<ZoneHourRow> zoneHourRows(const ZoneHours& hours, std::span<const Zone> zones) {
  std::vector<ZoneHourRow> rows;
  const auto row = [&](std::string_view zone, std::size_t n) {
    rows.push_back({std::string(zone), std::to_string(n), calc::formatFixed(hours.percent(n), 1)});
  };
  for (std::size_t i = 0; i < zones.size() && i < hours.inside.size(); ++i)
    row(zones[i].name, hours.inside[i]);
  row(outsideName, hours.outside);
  return rows;
}

DensityGrid densityGrid(const WeatherStates& states, const MonthSet& months) {
  DensityGrid g;
  int tLo = std::numeric_limits<int>::max(), tHi = std::numeric_limits<int>::min();
  int dLo = tLo, dHi = tHi;
  const auto cellOf = [](double v) { return static_cast<int>(std::floor(v)); };
  for (const HourState& h : states.hours) {
    if (!chosen(months, h.month)) continue;
    tLo = std::min(tLo, cellOf(h.air.t));
    tHi = std::max(tHi, cellOf(h.air.t));
    dLo = std::min(dLo, cellOf(1000 * h.air.d));
    dHi = std::max(dHi, cellOf(1000 * h.air.d));
  }
  if (tLo > tHi) return g;
  g.tFirst = tLo;
  g.dFirst = dLo;
  g.columns = tHi - tLo + 1;
  g.rows = dHi - dLo + 1;
  g.counts.assign(static_cast<std::size_t>(g.columns) * static_cast<std::size_t>(g.rows), 0);
  for (const HourState& h : states.hours) {
    if (!chosen(months, h.month)) continue;
    const auto i = static_cast<std::size_t>(cellOf(1000 * h.air.d) - dLo) *
                       static_cast<std::size_t>(g.columns) +
                   static_cast<std::size_t>(cellOf(h.air.t) - tLo);
    g.most = std::max(g.most, ++g.counts[i]);
  }
  return g;
}

}  // namespace workspace

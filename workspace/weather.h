#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/pair_calculation.h"
#include "psychro/air_state.h"
#include "psychro/outcome.h"
#include "workspace/zones.h"

// A year (or any stretch) of hourly weather on the 焓湿图: an EnergyPlus weather file (.epw) read
// into records of dry bulb and dew point (or a log's CSV, two columns of a fixed pair), their
// states at the pressure in force, the hours each comfort zone holds and the density of the hours
// over the chart. Without Qt: the window draws and tabulates what is computed here, torvale-calc
// --epw prints it.
namespace workspace {

// What a weather file may be at most, so that a hostile file cannot exhaust the program.
inline constexpr std::size_t maxWeatherBytes = 64 * 1024 * 1024;
inline constexpr std::size_t maxWeatherRecords = 100000;

// Why a record is not used. Each record has at most one reason, the first that applies in this
// order.
enum class SkipReason {
  missingField,  // fewer than 8 fields, or year, month, day, hour, dry bulb or dew point
                 // unreadable, or a last record cut short (under 35 fields and no line end; its
                 // last field may be cut too) (a log: a column missing, empty or not a number)
  missingValue,  // the file's marker of a missing value: a dry bulb or dew point of 99.9 or more
  outOfRange,    // a date off the calendar (month 1…12, the day within its month, 29 February
               // always, hour 1…24, each a whole number), dry bulb −50…70 °C, dew point −70…70 °C
  dewAboveDry,  // a dew point above the dry bulb
  noState,      // no state of that dry bulb and dew point at the pressure in force
};
inline constexpr std::size_t skipReasonCount = 5;

// Records skipped, by reason (indexed by SkipReason).
struct SkipCounts {
  std::array<std::size_t, skipReasonCount> counts{};

  std::size_t total() const;
  void add(SkipReason r) { ++counts[static_cast<std::size_t>(r)]; }
  std::size_t of(SkipReason r) const { return counts[static_cast<std::size_t>(r)]; }
};

// Why a text is not a weather file the readers can take, as a code; for a log's columns the column
// as given. The faces word them (document/words.h), as they word SkipReason.
enum class WeatherFault {
  tooLarge,        // over maxWeatherBytes
  notEpw,          // a first line that is not the LOCATION line
  headerShort,     // fewer than the 8 header lines
  tooManyRecords,  // over maxWeatherRecords records
  noRecords,       // no hourly record
  noHeader,        // a log with no header at all
  columnBeyond,    // a column's number beyond the header's width
  columnTwice,     // a column's name that two fields of the header have
  noSuchColumn,    // a column's name no field of the header has
  sameColumn,      // both values from one column
};

struct WeatherRefusal {
  WeatherFault fault = WeatherFault::noRecords;
  std::string column{};   // the column as given (trimmed), for the faults of a column
  std::size_t width = 0;  // the header's number of fields, for columnBeyond

  bool operator==(const WeatherRefusal&) const = default;
};

// One hourly record as read.
struct WeatherRecord {
  std::array<std::string, 4> date;  // year, month, day, hour as the file writes them (trimmed);
                                    // empty for a log
  int month = 0;                    // 1…12; 0 where unreadable or out of range, and for a log
  // The two values of the file's pair, in the window's units: for a .epw the dry bulb and the
  // dew point, °C.
  double first = 0, second = 0;
  std::optional<SkipReason> skip;  // why the record cannot be used, found on reading
};

// A weather file as read: the station and every hourly record, in order.
struct WeatherFile {
  std::string place;                // LOCATION's second field (the city), may be empty
  std::optional<double> elevation;  // m, LOCATION's tenth field, where readable
  calc::Pair pair{psychro::Quantity::t, psychro::Quantity::tl};  // what each record's values are
  std::vector<WeatherRecord> records;
};

// Reads an EnergyPlus weather file's text: 8 header lines, the first the LOCATION line, then one
// hourly record a line (year, month, day, hour, minute, data source flags, dry bulb, dew point, …;
// blank lines are passed over; LF, CRLF or CR). Records that cannot be used are kept with their
// reason. For a text over maxWeatherBytes, with over maxWeatherRecords records, whose first line
// is not the LOCATION line, shorter than the header or without records, the reason it is refused.
std::variant<WeatherFile, WeatherRefusal> readEpw(std::string_view text);

// Reads a log's CSV (UTF-8, a byte-order mark allowed; fields separated by commas, quoted as
// RFC 4180 has it; LF or CRLF) as torvale-calc --csv --mode --columns reads it: the first record is
// the header, and each later record gives the pair's two values from the columns, each a 1-based
// number or a name compared whole (blanks trimmed) with every field of the header. A value is read
// as the window reads a typed one; an empty one, one that does not start with a number, or a
// column the record lacks makes the record missingField; blank lines are passed over. A log has
// no dates: its records carry month 0 and count only under 全年. Refused, with the reason: a
// column the header lacks or holds twice, a number beyond the header, the same column twice, no
// header, and the limits of readEpw. Memory stays within a few times the text's size however many
// fields a record has.
std::variant<WeatherFile, WeatherRefusal> readWeatherLog(std::string_view text, calc::Pair pair,
                                                         const std::array<std::string, 2>& columns);

// The pressure of the station, Pa, from its elevation by the standard atmosphere
// (psychro::pressureAtAltitude, rounded as the pressure setting's altitude is); none without an
// elevation or for one outside the altitudes the pressure setting accepts.
std::optional<double> sitePressure(const WeatherFile& file);

// Months chosen: bit m−1 for month m. All set is 全年.
using MonthSet = std::bitset<12>;
inline const MonthSet allMonths = MonthSet{}.set();

// The state of one used record.
struct HourState {
  std::size_t record = 0;  // its index in WeatherFile::records
  int month = 0;           // 1…12
  psychro::AirState air;
};

// The states of a file's records at a pressure, and what was skipped.
struct WeatherStates {
  std::vector<HourState> hours;  // every usable record, in the file's order
  SkipCounts skipped;            // every record of the file not in hours, by reason
};

// The state of the pair's two values (a .epw: dry bulb and dew point, °C) at pa, Pa, as the
// Calculate command gives it (calc::pairState), with the outcome why none (a state that cannot be
// shown counts as noSuchState). The one place the weather layer calls the arithmetic.
psychro::StateOutcome hourState(calc::Pair pair, double first, double second, double pa,
                                psychro::Arithmetic m = psychro::Arithmetic::classic);

// Every record's state at the total pressure pa, Pa (hourState); the records read as unusable and
// those without a state counted in skipped. The month filter is applied afterwards, by the
// functions below, so that changing it needs no new states.
WeatherStates weatherStates(const WeatherFile& file, double pa,
                            psychro::Arithmetic m = psychro::Arithmetic::classic);

// The hours of the chosen months (all of them for 全年, which alone counts a log's records)
// inside each of zones (a state in two zones counts in both) and
// outside all of them (区外).
struct ZoneHours {
  std::vector<std::size_t> inside;  // one per zone, in the order given
  std::size_t outside = 0;
  std::size_t total = 0;  // hours of the chosen months

  // hours as a percentage of total; 0 when total is 0.
  double percent(std::size_t hours) const;
};
ZoneHours zoneHours(const WeatherStates& states, std::span<const Zone> zones,
                    const MonthSet& months = allMonths);

// The rows of the 逐时统计 table, as the window shows them and torvale-calc --zones prints them:
// each zone's name, its hours and their percentage with one decimal ("7.4"), in the order given,
// then 区外.
struct ZoneHourRow {
  std::string zone, hours, percent;

  bool operator==(const ZoneHourRow&) const = default;
};
std::vector<ZoneHourRow> zoneHourRows(const ZoneHours& hours, std::span<const Zone> zones);

// Hours of the chosen months per cell of 1 ℃ × 1 g/kg: cell (column, row) holds the states with
// tFirst + column <= t < tFirst + column + 1, °C, and dFirst + row <= d < dFirst + row + 1, g/kg.
// The grid spans just the cells from the coldest and driest state to the warmest and moistest.
struct DensityGrid {
  int tFirst = 0;  // °C
  int dFirst = 0;  // g/kg
  int columns = 0, rows = 0;
  std::vector<std::uint32_t> counts;  // counts[row * columns + column]
  std::uint32_t most = 0;             // the greatest count of a cell

  std::uint32_t at(int column, int row) const {
    return counts[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                  static_cast<std::size_t>(column)];
  }
};
DensityGrid densityGrid(const WeatherStates& states, const MonthSet& months = allMonths);

// How a log's CSV is read (readWeatherLog): its pair and the two columns, as given.
struct LogColumns {
  calc::Pair pair{psychro::Quantity::t, psychro::Quantity::tl};
  std::array<std::string, 2> columns;

  bool operator==(const LogColumns&) const = default;
};

// What a design keeps of the weather layer: the file it shows, how to read it, the months chosen.
struct WeatherSettings {
  std::string file;               // path (UTF-8) of the weather file; empty for none
  std::optional<LogColumns> log;  // for a log's CSV; none for a .epw
  MonthSet months = allMonths;

  bool operator==(const WeatherSettings&) const = default;
  bool empty() const { return file.empty() && !log && months.all(); }  // the default, not saved
};

}  // namespace workspace

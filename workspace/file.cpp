#include "workspace/file.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>
#include <vector>

#include "calc/arithmetic_names.h"
#include "calc/number_text.h"
#include "psychro/pressure.h"
#include "workspace/names.h"

namespace workspace {
namespace {

using Json = nlohmann::ordered_json;

// The kinds of process by the names the file gives them, which stay whatever the captions become.
constexpr std::array<std::pair<ProcessKind, std::string_view>, 15> kindNames{{
    {ProcessKind::mix, "mix"},
    {ProcessKind::heat, "heat"},
    {ProcessKind::cool, "cool"},
    {ProcessKind::coolAndDry, "cool-dry"},
    {ProcessKind::coolToDewPoint, "cool-dew-point"},
    {ProcessKind::humidifyAdiabatic, "humidify-adiabatic"},
    {ProcessKind::humidifyIsothermal, "humidify-isothermal"},
    {ProcessKind::supply, "supply"},
    {ProcessKind::recoverSensible, "recover-sensible"},
    {ProcessKind::recoverTotal, "recover-total"},
    {ProcessKind::evaporate, "evaporate"},
    {ProcessKind::evaporateIndirect, "evaporate-indirect"},
    {ProcessKind::dryAdiabatic, "dry-adiabatic"},
    {ProcessKind::fan, "fan"},
    {ProcessKind::coolByBypass, "cool-bypass"},
}};

std::string_view kindName(ProcessKind kind) {
  for (const auto& [k, name] : kindNames)
    if (k == kind) return name;
  return {};
}

// How many values a request of the kind carries (first, or first and second); a total heat
// recovery gives its moisture effectiveness ηd only where it differs from ηh.
std::size_t valueCount(const ProcessRequest& r) {
  if (r.kind == ProcessKind::recoverTotal && std::isnan(r.second)) return 1;
  return usesSecondValue(r.kind) ? 2 : 1;
}

std::string pairName(calc::Pair pair) {
  return std::string(calc::quantityName(pair.first)) + "+" +
         std::string(calc::quantityName(pair.second));
}

// A value as written: the shortest text that reads back as the very same double, so that every
// figure computed from it comes out the same on opening ("35" for 35, all 17 digits only where
// the value needs them).
std::string exactText(double value) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, end) : std::string();
}

// ε as written: its value, or "∞" and "-∞" for a line of constant d, which JSON has no number for.
std::string epsilonValue(double ε) {
  if (std::isinf(ε)) return ε > 0 ? "∞" : "-∞";
  return exactText(ε);
}

// The deepest nesting of arrays and objects in a JSON text, counted outside strings; the reader
// refuses deep nesting before building anything of it.
std::size_t nesting(std::string_view text) {
  std::size_t depth = 0, deepest = 0;
  bool inString = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inString) {
      if (c == '\\')
        ++i;
      else if (c == '"')
        inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      deepest = std::max(deepest, ++depth);
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  return deepest;
}

// A refusal on the way through the file: what is wrong, and where.
struct Unreadable {
  FileRefusal why;
};

[[noreturn]] void refuse(FileFault fault, std::string_view key = {}, std::string value = {}) {
  FileRefusal why;
  why.fault = fault;
  why.key = key;
  why.value = std::move(value);
  throw Unreadable{std::move(why)};
}

// A rule of the design the file breaks, and the name it refuses where it is one.
[[noreturn]] void refuse(Refusal rule, FileFault fault = FileFault::rule, std::string name = {}) {
  FileRefusal why;
  why.fault = fault;
  why.value = std::move(name);
  why.rule = std::move(rule);
  throw Unreadable{std::move(why)};
}

// Every key the reader looks up, sorted. Parsing keeps only these: any other key and its value
// (from a later version, or a hostile file of a million keys) is passed over without being stored.
constexpr std::array<std::string_view, 64> fileKeys{
    "at",      "checker",    "coil",      "columns",     "content",       "d",
    "date",    "designer",   "dewPoint",  "drawingName", "drawingNumber", "dt",
    "epsilon", "file",       "firm",      "flow",        "format",        "fresh",
    "from",    "h",          "heat",      "humidifier",  "kind",          "lines",
    "loads",   "log",        "margins",   "members",     "model",         "moisture",
    "months",  "name",       "on",        "orientation", "other",         "outdoor",
    "outlet",  "page",       "pair",      "paper",       "point",         "points",
    "preheat", "pressure",   "processes", "project",     "reviewer",      "rh",
    "role",    "room",       "source",    "subproject",  "systems",       "t",
    "target",  "titleBlock", "tl",        "unit",        "user",          "value",
    "values",  "version",    "weather",   "zones",
};
static_assert(std::ranges::is_sorted(fileKeys));

// The refusal of a list longer than the file may hold, by the key it stands at: the points and the
// outlets of processes together, the ε lines, or any other list.
[[noreturn]] void refuseTooMany(std::string_view key) {
  if (key == "points" || key == "processes")
    refuse(FileFault::tooManyPoints, key, std::to_string(maxPoints));
  if (key == "lines") refuse(FileFault::tooManyLines, key, std::to_string(maxLines));
  refuse(FileFault::listTooLong, key);
}

// The JSON value of a file's text as the reader needs it, parsed in time and memory linear in its
// size whatever it holds: a key not in fileKeys and its value are passed over unstored, and a list
// the reader keeps is refused (refuseTooMany) once it has more elements than any list of the file
// may (a text that is a list is kept as null, which is no workspace). Discarded when the text is
// not one whole JSON value (a NUL byte, which would end the parse early, included).
Json parsed(std::string_view text) {
  if (text.find('\0') != std::string_view::npos) return Json(Json::value_t::discarded);
  constexpr std::size_t mostElements = std::max(maxPoints, maxLines);
  // Each container open in the parse, by the depth at which its elements arrive.
  struct Container {
    bool array = false;
    bool kept = true;      // stored: the document, or in a stored container under a key read
    bool keyKept = false;  // an object's last key is one read
    std::string_view key;  // an object's last key read; an array's own key
    std::size_t elements = 0;
  };
  std::vector<Container> open(1);
  // Whether the element arriving at depth d is kept; a kept list grown too long is refused.
  const auto element = [&open](std::size_t d) {
    Container& c = open[d];
    if (!c.kept || !c.array) return c.kept && (d == 0 || c.keyKept);
    if (++c.elements > mostElements) refuseTooMany(c.key);
    return true;
  };
  using Event = Json::parse_event_t;
  return Json::parse(
      text.begin(), text.end(),
      [&](int depth, Event event, Json& value) {
        const auto d = static_cast<std::size_t>(depth);
        switch (event) {
          case Event::key: {
            const std::string& key = value.get_ref<const std::string&>();
            const auto known = std::ranges::lower_bound(fileKeys, key);
            open[d].keyKept = open[d].kept && known != fileKeys.end() && *known == key;
            if (open[d].keyKept) open[d].key = *known;
            return open[d].keyKept;
          }
          case Event::value:
            return element(d);
          case Event::object_start:
          case Event::array_start: {
            const bool kept = element(d) && !(d == 0 && event == Event::array_start);
            if (open.size() < d + 2) open.resize(d + 2);
            open[d + 1] = {event == Event::array_start, kept, false, open[d].key, 0};
            return kept;
          }
          default:
            return true;
        }
      },
      false);
}

const Json& member(const Json& object, const char* key) {
  assert(std::ranges::binary_search(fileKeys, std::string_view(key)));  // else never kept
  static const Json none;
  const auto it = object.find(key);
  return it == object.end() ? none : *it;
}

// The member that the object (at the key `in`) must have; a missing one is refused by its key.
const Json& required(const Json& object, const char* key, std::string_view in) {
  const Json& value = member(object, key);
  if (value.is_null()) {
    FileRefusal why;
    why.fault = FileFault::missingKey;
    why.key = key;
    why.in = in;
    throw Unreadable{std::move(why)};
  }
  return value;
}

// The text at key (value, the member there or an element of the list there).
const std::string& textOf(const Json& value, std::string_view key) {
  if (!value.is_string()) refuse(FileFault::notText, key);
  return value.get_ref<const std::string&>();
}

// A value as typed: a text that reads as one finite number (or a finite JSON number, for a file
// written by hand); its text.
std::string valueOf(const Json& value) {
  if (value.is_number() && std::isfinite(value.get<double>()))
    return exactText(value.get<double>());
  if (!value.is_string()) refuse(FileFault::valueNotText);
  const std::string& text = value.get_ref<const std::string&>();
  if (text.size() > maxValueLength) refuse(FileFault::valueTooLong);
  const std::optional<double> v = calc::wholeNumber(text);
  if (!v || !std::isfinite(*v)) refuse(FileFault::notANumber, {}, text);
  return text;
}

double numberOf(const Json& value) {
  return *calc::wholeNumber(valueOf(value));
}

// ε as written: a finite number, or "∞" (also "+∞", "-∞", "inf") for constant d.
double epsilonOf(const Json& value) {
  if (value.is_string() && value.get_ref<const std::string&>().size() <= maxValueLength) {
    const std::optional<double> ε = readEpsilon(value.get_ref<const std::string&>());
    if (ε && std::isinf(*ε) && !calc::wholeNumber(value.get_ref<const std::string&>())) return *ε;
  }
  return numberOf(value);
}

calc::Pair pairOf(const Json& value) {
  const std::string& text = textOf(value, "pair");
  if (text.size() > maxValueLength) refuse(FileFault::pairTooLong, "pair");
  const std::optional<calc::Pair> pair = calc::pairNamed(text);
  if (!pair) refuse(FileFault::unknownPair, "pair", text);
  return *pair;
}

const Json& valuesOf(const Json& entry, std::size_t count) {
  const Json& values = member(entry, "values");
  if (!values.is_array() || values.size() != count)
    refuse(FileFault::valuesCount, "values", std::to_string(count));
  return values;
}

// A point's name as the file gives it (at key): refused with a control character, which the point
// list would turn into a blank; its other rules are the point list's own.
const std::string& nameOf(const Json& value, std::string_view key) {
  const std::string& name = textOf(value, key);
  if (name.size() > PointList::maxNameLength * 4) refuse(Refusal{Rule::nameTooLong, {}, {}});
  if (hasControl(name)) refuse(Refusal{Rule::nameControl, {}, {}});
  return name;
}

// Gives the last point of w the name; refused as the point list refuses it.
void nameLast(Workspace& w, const std::string& name) {
  if (Refused why = w.rename(w.points().size() - 1, name))
    refuse(std::move(*why), FileFault::ruleOfName, name);
}

// The id of the point named at key (value, the member there).
unsigned idNamed(const Workspace& w, const Json& value, std::string_view key) {
  const std::string& name = textOf(value, key);
  for (const StatePoint& p : w.points().points())
    if (p.name == name) return p.id;
  refuse(FileFault::noSuchPoint, key, name);
}

const Json& listOf(const Json& top, const char* key) {
  const Json& list = member(top, key);
  if (!list.is_null() && !list.is_array()) refuse(FileFault::notAList, key);
  return list;
}

// Reads each entry of the list at key; a refusal inside one says which.
template <typename Read>
void eachEntry(const Json& list, std::string_view key, Read read) {
  if (list.is_null()) return;
  std::size_t n = 0;
  for (const Json& entry : list) {
    ++n;
    try {
      if (!entry.is_object()) refuse(FileFault::notAnObject);
      read(entry);
    } catch (Unreadable& r) {
      r.why.list = key;
      r.why.entry = n;
      throw;
    }
  }
}

ProcessRequest requestOf(const Workspace& w, const Json& entry) {
  ProcessRequest r;
  const std::string& kind = textOf(member(entry, "kind"), "kind");
  const auto known = std::find_if(kindNames.begin(), kindNames.end(),
                                  [&](const auto& k) { return k.second == kind; });
  if (known == kindNames.end()) refuse(FileFault::unknownName, "kind", kind.substr(0, 64));
  r.kind = known->first;
  r.from = idNamed(w, member(entry, "from"), "from");
  if (r.kind == ProcessKind::mix) {
    r.other = idNamed(w, member(entry, "other"), "other");
    if (r.other == r.from) refuse(Refusal{Rule::samePoint, {}, {}});
  } else if (usesOtherPoint(r.kind)) {
    // The exhaust air of a heat recovery; an indirect evaporative cooler without one uses its
    // inlet as the secondary air.
    const Json& other = member(entry, "other");
    if (!other.is_null() || r.kind != ProcessKind::evaporateIndirect)
      r.other = idNamed(w, other, "other");
  }
  if (r.kind == ProcessKind::coolAndDry) r.pair = pairOf(member(entry, "pair"));
  const std::vector<psychro::Quantity> targets = targetQuantities(r.kind);
  if (!targets.empty()) {
    const std::string& target = textOf(member(entry, "target"), "target");
    const auto q = std::find_if(targets.begin(), targets.end(), [&](psychro::Quantity t) {
      return calc::quantityName(t) == target;
    });
    if (q == targets.end()) refuse(FileFault::unknownName, "target", target.substr(0, 64));
    r.pair = {*q, *q};
  }
  if (r.kind == ProcessKind::recoverTotal) {
    const Json& given = member(entry, "values");
    if (given.is_array() && given.size() == 1) r.second = NAN;
  }
  const Json& values = valuesOf(entry, valueCount(r));
  r.first = r.kind == ProcessKind::supply ? epsilonOf(values[0]) : numberOf(values[0]);
  if (values.size() > 1) r.second = numberOf(values[1]);
  if (const Json& flow = member(entry, "flow"); !flow.is_null()) {
    if (!flow.is_object()) refuse(FileFault::notAnObject, "flow");
    Flow f;
    f.value = numberOf(required(flow, "value", "flow"));
    const std::string& unit = textOf(member(flow, "unit"), "unit");
    if (unit == "m3/h")
      f.unit = FlowUnit::cubicMetresPerHour;
    else if (unit == "kg/s")
      f.unit = FlowUnit::kilogramsPerSecond;
    else
      refuse(FileFault::unknownUnit, "unit");
    r.flow = f;
  }
  if (const Json& loads = member(entry, "loads"); !loads.is_null()) {
    if (r.kind != ProcessKind::supply) refuse(FileFault::loadsNotSupply, "loads");
    if (!loads.is_object()) refuse(FileFault::notAnObject, "loads");
    r.loads = RoomLoads{numberOf(required(loads, "heat", "loads")),
                        numberOf(required(loads, "moisture", "loads"))};
  }
  return r;
}

// A bound as written: [min, max], each a value or null for none.
psychro::Bound boundOf(const Json& value) {
  if (!value.is_array() || value.size() != 2) refuse(FileFault::boundNotPair);
  psychro::Bound b;
  if (!value[0].is_null()) b.min = numberOf(value[0]);
  if (!value[1].is_null()) b.max = numberOf(value[1]);
  return b;
}

Json boundJson(const psychro::Bound& b) {
  const auto side = [](const std::optional<double>& v) {
    return v ? Json(exactText(*v)) : Json(nullptr);
  };
  return Json::array({side(b.min), side(b.max)});
}

// "zones": {"on": [names of the built-ins turned on], "user": [{"name", "t": [min, max], …}]}.
void readZones(Workspace& w, const Json& zones) {
  if (zones.is_null()) return;
  if (!zones.is_object()) refuse(FileFault::notAnObject, "zones");
  const Json& on = listOf(zones, "on");
  if (on.size() > builtInZoneCount) refuse(FileFault::tooManyOn, "on");
  for (const Json& name : on) {
    const std::string& text = textOf(name, "on");
    const auto& builtIns = builtInZones();
    const auto it = std::find_if(builtIns.begin(), builtIns.end(),
                                 [&](const Zone& z) { return z.name == text; });
    if (it == builtIns.end()) refuse(FileFault::unknownName, "on", text.substr(0, 64));
    w.setBuiltInZone(static_cast<std::size_t>(it - builtIns.begin()), true);
  }
  const Json& user = listOf(zones, "user");
  if (user.size() > maxUserZones)
    refuse(Refusal{Rule::tooManyZones, {}, std::to_string(maxUserZones)});
  eachEntry(user, "user", [&](const Json& entry) {
    Zone z;
    z.name = textOf(member(entry, "name"), "name");
    if (z.name.size() > 4 * maxZoneNameBytes)
      refuse(Refusal{Rule::zoneNameTooLong, {}, std::to_string(maxZoneNameBytes)});
    for (const BoundKey& k : boundKeys)
      if (const Json& b = member(entry, k.key.data()); !b.is_null()) z.bounds.*k.bound = boundOf(b);
    // The zone's checks are the window's own (checkZone).
    if (Refused why = w.addZone(std::move(z))) refuse(std::move(*why));
  });
}

// "weather": {"file": path, "log": {"pair", "columns": [A, B]} for a log's CSV, "months": [1…12
// chosen]}; each may be left out.
void readWeather(Workspace& w, const Json& weather) {
  if (weather.is_null()) return;
  if (!weather.is_object()) refuse(FileFault::notAnObject, "weather");
  WeatherSettings settings;
  if (const Json& file = member(weather, "file"); !file.is_null()) {
    settings.file = textOf(file, "file");
    if (settings.file.size() > 4096) refuse(FileFault::pathTooLong, "file");
  }
  if (const Json& log = member(weather, "log"); !log.is_null()) {
    if (!log.is_object()) refuse(FileFault::notAnObject, "log");
    LogColumns columns;
    columns.pair = pairOf(member(log, "pair"));
    const Json& list = member(log, "columns");
    if (!list.is_array() || list.size() != 2) refuse(FileFault::columnsNotTwo, "columns");
    for (std::size_t i = 0; i < 2; ++i) {
      columns.columns[i] = textOf(list[i], "columns");
      if (columns.columns[i].size() > maxValueLength) refuse(FileFault::columnTooLong, "columns");
    }
    settings.log = std::move(columns);
  }
  if (const Json& months = member(weather, "months"); !months.is_null()) {
    if (!months.is_array() || months.size() > 12) refuse(FileFault::notMonths, "months");
    settings.months.reset();
    for (const Json& m : months) {
      if (!m.is_number_integer() || m.get<long long>() < 1 || m.get<long long>() > 12)
        refuse(FileFault::notMonths, "months");
      settings.months.set(static_cast<std::size_t>(m.get<long long>() - 1));
    }
  }
  w.setWeather(std::move(settings));
}

// The names the file gives the papers, orientations and contents of the page set-up.
constexpr std::array<std::pair<Paper, std::string_view>, 4> paperNames{
    {{Paper::printer, "printer"}, {Paper::a4, "A4"}, {Paper::a3, "A3"}, {Paper::a2, "A2"}}};
constexpr std::array<std::pair<Orientation, std::string_view>, 2> orientationNames{
    {{Orientation::portrait, "portrait"}, {Orientation::landscape, "landscape"}}};
constexpr std::array<std::pair<PageContent, std::string_view>, 3> contentNames{
    {{PageContent::chart, "chart"},
     {PageContent::chartAndTables, "chart-tables"},
     {PageContent::tables, "tables"}}};

template <typename E, std::size_t n>
std::string_view nameIn(const std::array<std::pair<E, std::string_view>, n>& names, E e) {
  for (const auto& [k, name] : names)
    if (k == e) return name;
  return {};
}

// The one of names the text at key names; refused naming it otherwise.
template <typename E, std::size_t n>
E namedIn(const std::array<std::pair<E, std::string_view>, n>& names, const Json& value,
          const char* key) {
  const std::string& text = textOf(value, key);
  for (const auto& [k, name] : names)
    if (name == text) return k;
  refuse(FileFault::unknownName, key, text.substr(0, 64));
}

// "page": {"paper", "orientation", "content", "margins": [left, top, right, bottom] mm}, each
// left out for its default.
void readPage(Workspace& w, const Json& page) {
  if (page.is_null()) return;
  if (!page.is_object()) refuse(FileFault::notAnObject, "page");
  PageSetup setup;
  if (const Json& v = member(page, "paper"); !v.is_null())
    setup.paper = namedIn(paperNames, v, "paper");
  if (const Json& v = member(page, "orientation"); !v.is_null())
    setup.orientation = namedIn(orientationNames, v, "orientation");
  if (const Json& v = member(page, "content"); !v.is_null())
    setup.content = namedIn(contentNames, v, "content");
  if (const Json& v = member(page, "margins"); !v.is_null()) {
    if (!v.is_array() || v.size() != 4) refuse(Refusal{Rule::marginsRange, {}, "50"});
    setup.margins = Margins{numberOf(v[0]), numberOf(v[1]), numberOf(v[2]), numberOf(v[3])};
  }
  if (Refused why = checkPage(setup)) refuse(std::move(*why));
  w.setPage(setup);
}

// "titleBlock": {"project", "subproject", …} (titleKeys), each a text, left out when empty.
void readTitleBlock(Workspace& w, const Json& title) {
  if (title.is_null()) return;
  if (!title.is_object()) refuse(FileFault::notAnObject, "titleBlock");
  TitleBlock fields;
  for (const auto& [key, field] : titleKeys)
    if (const Json& v = member(title, key.data()); !v.is_null()) fields.*field = textOf(v, key);
  if (Refused why = checkTitleBlock(fields)) refuse(std::move(*why));
  w.setTitleBlock(std::move(fields));
}

// The names the file gives a fan-coil system's fresh-air unit's target and a winter system's
// humidifier.
constexpr std::array<std::pair<process::FreshAirTarget, std::string_view>, 3> targetNames{{
    {process::FreshAirTarget::roomEnthalpy, "room-h"},
    {process::FreshAirTarget::roomMoisture, "room-d"},
    {process::FreshAirTarget::given, "given"},
}};
constexpr std::array<std::pair<process::Humidifier, std::string_view>, 2> humidifierNames{{
    {process::Humidifier::steam, "steam"},
    {process::Humidifier::adiabatic, "adiabatic"},
}};

// A value of a system's as written: a typed number, the shortest text of its double.
std::string typedText(const std::string& typed) {
  const std::optional<double> v = calc::wholeNumber(typed);
  return v && std::isfinite(*v) ? exactText(*v) : typed;
}

Json pairJson(calc::Pair pair, const std::string& first, const std::string& second) {
  return {{"pair", pairName(pair)}, {"values", Json::array({first, second})}};
}

// {"pair", "values"} at key: a pair as typed.
TypedPair typedOf(const Json& entry, const char* key) {
  const Json& value = required(entry, key, "systems");
  if (!value.is_object()) refuse(FileFault::notAnObject, key);
  const calc::Pair pair = pairOf(member(value, "pair"));
  const Json& values = valuesOf(value, 2);
  return {pair, valueOf(values[0]), valueOf(values[1])};
}

// "systems": [{"kind", "name", "outdoor", "room", "heat", "moisture", "fresh": {"value", "unit"},
// "dt", "coil", "dewPoint", "target", "humidifier", "preheat", "members": [{"role", "point"}],
// "processes"}]: each system's inputs as typed and the points it made ("processes" names its
// processes for the reader of the file; they are those whose outlets are its points).
void readSystems(Workspace& w, const Json& list) {
  eachEntry(list, "systems", [&](const Json& entry) {
    SystemRequest request;
    const std::string& kind = textOf(required(entry, "kind", "systems"), "kind");
    const std::optional<SystemKind> known = systemOfKey(kind);
    if (!known) refuse(FileFault::unknownName, "kind", kind.substr(0, 64));
    request.kind = *known;
    request.name = textOf(required(entry, "name", "systems"), "name");
    request.outdoor = typedOf(entry, "outdoor");
    request.room = typedOf(entry, "room");
    request.heat = numberOf(required(entry, "heat", "systems"));
    request.moisture = numberOf(required(entry, "moisture", "systems"));
    const Json& fresh = required(entry, "fresh", "systems");
    if (!fresh.is_object()) refuse(FileFault::notAnObject, "fresh");
    request.fresh = numberOf(required(fresh, "value", "fresh"));
    const std::string& unit = textOf(required(fresh, "unit", "fresh"), "unit");
    if (unit != "%" && unit != "kg/s") refuse(FileFault::unknownUnit, "unit", unit.substr(0, 64));
    request.freshIsFlow = unit == "kg/s";
    request.Δt = numberOf(required(entry, "dt", "systems"));
    request.φL = numberOf(required(entry, "coil", "systems"));
    if (const Json& v = member(entry, "dewPoint"); !v.is_null()) {
      if (!v.is_boolean()) refuse(FileFault::malformed, "dewPoint");
      request.dewPointSupply = v.get<bool>();
    }
    if (const Json& v = member(entry, "target"); !v.is_null()) {
      if (!v.is_object()) refuse(FileFault::notAnObject, "target");
      request.target = namedIn(targetNames, required(v, "kind", "target"), "kind");
      if (request.target == process::FreshAirTarget::given) {
        const TypedPair given = typedOf(entry, "target");
        request.targetPair = given.pair;
        request.targetFirst = *calc::wholeNumber(given.first);
        request.targetSecond = *calc::wholeNumber(given.second);
      }
    }
    if (const Json& v = member(entry, "humidifier"); !v.is_null())
      request.humidifier = namedIn(humidifierNames, v, "humidifier");
    if (const Json& v = member(entry, "preheat"); !v.is_null()) request.preheatTo = numberOf(v);
    if (Refused why = checkSystem(request, w.systems())) refuse(std::move(*why));
    request.name = systemName(request.name);

    AirSystem system{std::move(request), {}};
    const Json& members = required(entry, "members", "systems");
    if (!members.is_array()) refuse(FileFault::notAList, "members");
    if (members.empty() || members.size() > 16) refuse(FileFault::listTooLong, "members");
    for (const Json& m : members) {
      if (!m.is_object()) refuse(FileFault::notAnObject, "members");
      const std::string& role = textOf(required(m, "role", "members"), "role");
      if (role.size() > maxRoleBytes) refuse(FileFault::valueTooLong, "role");
      const unsigned id = idNamed(w, required(m, "point", "members"), "point");
      if (w.systemHolding(id) ||
          std::ranges::find(system.members, id, &SystemMember::id) != system.members.end())
        refuse(FileFault::memberTwice, "point", w.points().find(id)->name);
      system.members.push_back({role, id});
    }
    w.addSavedSystem(std::move(system));
  });
}

// A system as its entry of "systems".
Json systemJson(const Workspace& workspace, const AirSystem& system) {
  const SystemRequest& request = system.request;
  const PointList& points = workspace.points();
  Json entry = Json::object();
  entry["kind"] = std::string(systemKey(request.kind));
  entry["name"] = request.name;
  entry["outdoor"] = pairJson(request.outdoor.pair, typedText(request.outdoor.first),
                              typedText(request.outdoor.second));
  entry["room"] =
      pairJson(request.room.pair, typedText(request.room.first), typedText(request.room.second));
  entry["heat"] = exactText(request.heat);
  entry["moisture"] = exactText(request.moisture);
  entry["fresh"] = {{"value", exactText(request.fresh)},
                    {"unit", request.freshIsFlow ? "kg/s" : "%"}};
  entry["dt"] = exactText(request.Δt);
  entry["coil"] = exactText(request.φL);
  if (request.dewPointSupply) entry["dewPoint"] = true;
  if (request.kind == SystemKind::fanCoil) {
    Json target = {{"kind", std::string(nameIn(targetNames, request.target))}};
    if (request.target == process::FreshAirTarget::given) {
      target["pair"] = pairName(request.targetPair);
      target["values"] =
          Json::array({exactText(request.targetFirst), exactText(request.targetSecond)});
    }
    entry["target"] = std::move(target);
  }
  if (request.kind == SystemKind::oneReturnWinter) {
    entry["humidifier"] = std::string(nameIn(humidifierNames, request.humidifier));
    if (request.preheatTo) entry["preheat"] = exactText(*request.preheatTo);
  }
  Json members = Json::array(), processes = Json::array();
  for (const SystemMember& m : system.members) {
    const StatePoint* p = points.find(m.id);
    members.push_back({{"role", m.role}, {"point", p != nullptr ? p->name : std::string()}});
  }
  for (const Process& p : workspace.processes().processes())
    if (std::ranges::find(system.members, p.outlet, &SystemMember::id) != system.members.end())
      processes.push_back(processName(p, points));
  entry["members"] = std::move(members);
  entry["processes"] = std::move(processes);
  return entry;
}

Workspace build(const Json& top) {
  const Json& format = member(top, "format");
  if (!top.is_object() || !format.is_string() || format.get_ref<const std::string&>() != formatName)
    refuse(FileFault::notAWorkspace, "format");
  // A version is a whole number from 1; one past formatVersion, however large, is a later one.
  const Json& version = member(top, "version");
  if (!version.is_number_unsigned() || version.get<std::uint64_t>() < 1)
    refuse(FileFault::noVersion, "version");
  if (version.get<std::uint64_t>() > formatVersion)
    refuse(FileFault::laterVersion, "version", std::to_string(version.get<std::uint64_t>()));
  const Json& pressure = member(top, "pressure");
  if (!pressure.is_number()) refuse(FileFault::pressureNotNumber, "pressure");
  if (!psychro::pressureInRange(pressure.get<double>()))
    refuse(FileFault::pressureRange, "pressure");
  // The arithmetic: absent for the classic one (so every file written before it reads as ever).
  psychro::Arithmetic arithmetic = psychro::Arithmetic::classic;
  if (const Json& model = member(top, "model"); !model.is_null()) {
    if (!model.is_string()) refuse(FileFault::modelNotText, "model");
    const std::string& key = model.get_ref<const std::string&>();
    const std::optional<psychro::Arithmetic> known = calc::arithmeticOfKey(key);
    if (!known) refuse(FileFault::unknownName, "model", key.substr(0, 64));
    arithmetic = *known;
  }

  const Json& points = listOf(top, "points");
  const Json& processes = listOf(top, "processes");
  const Json& lines = listOf(top, "lines");
  if (points.size() + processes.size() > maxPoints) refuseTooMany("points");
  if (lines.size() > maxLines) refuseTooMany("lines");

  Workspace w(pressure.get<double>());
  w.setArithmetic(arithmetic);
  eachEntry(points, "points", [&](const Json& entry) {
    const std::string& name = nameOf(member(entry, "name"), "name");
    const calc::Pair pair = pairOf(member(entry, "pair"));
    const Json& values = valuesOf(entry, 2);
    w.addSaved(pair, numberOf(values[0]), numberOf(values[1]));
    nameLast(w, name);
  });
  // Each outlet and the place it had among the points.
  std::vector<std::pair<std::size_t, unsigned>> places;
  eachEntry(processes, "processes", [&](const Json& entry) {
    w.addSavedProcess(requestOf(w, entry));
    if (const Json& outlet = member(entry, "outlet"); !outlet.is_null())
      nameLast(w, nameOf(outlet, "outlet"));
    if (const Json& at = member(entry, "at"); !at.is_null()) {
      if (!at.is_number_unsigned()) refuse(FileFault::atNotPlace, "at");
      places.emplace_back(at.get<std::size_t>(), w.points().points().back().id);
    }
  });
  eachEntry(lines, "lines", [&](const Json& entry) {
    const unsigned point = idNamed(w, member(entry, "point"), "point");
    if (Refused why = w.addEpsilonLine(point, epsilonOf(member(entry, "epsilon"))))
      refuse(std::move(*why));
  });
  readZones(w, member(top, "zones"));
  readWeather(w, member(top, "weather"));
  readPage(w, member(top, "page"));
  readTitleBlock(w, member(top, "titleBlock"));
  readSystems(w, listOf(top, "systems"));
  // The outlets go back to their places, the nearest the top first, so that each move leaves the
  // places above it as they were.
  std::stable_sort(places.begin(), places.end());
  for (const auto& [at, id] : places)
    if (at < w.points().size()) w.move(w.points().indexOf(id), at);
  return w;
}

// The workspace as the JSON object of its file.
Json workspaceJson(const Workspace& workspace) {
  Json top = Json::object();
  top["format"] = std::string(formatName);
  top["version"] = formatVersion;
  top["pressure"] = workspace.pressure();
  if (workspace.arithmetic() != psychro::Arithmetic::classic)
    top["model"] = std::string(calc::arithmeticKey(workspace.arithmetic()));
  const PointList& points = workspace.points();
  const auto nameOfId = [&](unsigned id) {
    const StatePoint* p = points.find(id);
    return p != nullptr ? p->name : std::string();
  };
  Json list = Json::array();
  for (const StatePoint& p : points.points())
    if (!p.derived)
      list.push_back({{"name", p.name},
                      {"pair", pairName(p.pair)},
                      {"values", Json::array({exactText(p.first), exactText(p.second)})}});
  top["points"] = std::move(list);

  list = Json::array();
  for (const Process& p : workspace.processes().processes()) {
    const ProcessRequest& r = p.request;
    Json entry = Json::object();
    entry["kind"] = std::string(kindName(r.kind));
    entry["from"] = nameOfId(r.from);
    if (usesOtherPoint(r.kind) && r.other != 0) entry["other"] = nameOfId(r.other);
    if (r.kind == ProcessKind::coolAndDry) entry["pair"] = pairName(r.pair);
    if (!targetQuantities(r.kind).empty())
      entry["target"] = std::string(calc::quantityName(r.pair.first));
    Json values = Json::array();
    values.push_back(r.kind == ProcessKind::supply ? epsilonValue(r.first) : exactText(r.first));
    if (valueCount(r) > 1) values.push_back(exactText(r.second));
    entry["values"] = std::move(values);
    if (r.flow)
      entry["flow"] = {{"value", exactText(r.flow->value)},
                       {"unit", r.flow->unit == FlowUnit::kilogramsPerSecond ? "kg/s" : "m3/h"}};
    if (r.loads)
      entry["loads"] = {{"heat", exactText(r.loads->heat)},
                        {"moisture", exactText(r.loads->moisture)}};
    entry["outlet"] = nameOfId(p.outlet);
    entry["at"] = points.indexOf(p.outlet);
    list.push_back(std::move(entry));
  }
  top["processes"] = std::move(list);

  list = Json::array();
  for (const EpsilonLine& l : workspace.processes().drawnLines())
    list.push_back({{"point", nameOfId(l.point)}, {"epsilon", epsilonValue(l.ε)}});
  top["lines"] = std::move(list);

  // The zones and the weather layer only where they differ from the default, so that a design
  // without them is written as it always was.
  if (const ZoneSet& zones = workspace.zones(); !zones.empty()) {
    Json on = Json::array();
    for (std::size_t i = 0; i < builtInZoneCount; ++i)
      if (zones.builtInOn[i]) on.push_back(builtInZones()[i].name);
    Json user = Json::array();
    for (const Zone& z : zones.user) {
      Json entry = Json::object();
      entry["name"] = z.name;
      for (const BoundKey& k : boundKeys)
        if (!(z.bounds.*k.bound).empty()) entry[std::string(k.key)] = boundJson(z.bounds.*k.bound);
      user.push_back(std::move(entry));
    }
    top["zones"] = {{"on", std::move(on)}, {"user", std::move(user)}};
  }
  if (const WeatherSettings& weather = workspace.weather(); !weather.empty()) {
    Json entry = Json::object();
    if (!weather.file.empty()) entry["file"] = weather.file;
    if (weather.log)
      entry["log"] = {{"pair", pairName(weather.log->pair)},
                      {"columns", Json::array({weather.log->columns[0], weather.log->columns[1]})}};
    if (!weather.months.all()) {
      Json months = Json::array();
      for (std::size_t m = 0; m < 12; ++m)
        if (weather.months.test(m)) months.push_back(m + 1);
      entry["months"] = std::move(months);
    }
    top["weather"] = std::move(entry);
  }
  // Likewise the page set-up and the title block.
  if (const PageSetup& page = workspace.page(); page != PageSetup{}) {
    Json entry = Json::object();
    entry["paper"] = std::string(nameIn(paperNames, page.paper));
    entry["orientation"] = std::string(nameIn(orientationNames, page.orientation));
    entry["content"] = std::string(nameIn(contentNames, page.content));
    if (page.margins)
      entry["margins"] = Json::array(
          {page.margins->left, page.margins->top, page.margins->right, page.margins->bottom});
    top["page"] = std::move(entry);
  }
  if (const TitleBlock& title = workspace.titleBlock(); !title.empty()) {
    Json entry = Json::object();
    for (const auto& [key, field] : titleKeys)
      if (!(title.*field).empty()) entry[std::string(key)] = title.*field;
    top["titleBlock"] = std::move(entry);
  }
  // The systems only where there are any.
  if (!workspace.systems().empty()) {
    Json systems = Json::array();
    for (const AirSystem& s : workspace.systems()) systems.push_back(systemJson(workspace, s));
    top["systems"] = std::move(systems);
  }
  return top;
}

std::string fileText(const Json& top) {
  // Names come from the point list as UTF-8; a stray byte is replaced rather than stopping the
  // save.
  return top.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace

std::string workspaceText(const Workspace& workspace) {
  return fileText(workspaceJson(workspace));
}

std::string recoveryText(const Workspace& workspace, std::string_view source) {
  Json top = workspaceJson(workspace);
  top["source"] = std::string(source);
  return fileText(top);
}

std::variant<Workspace, FileRefusal> readWorkspace(std::string_view text) {
  const auto refused = [](FileFault fault) {
    FileRefusal why;
    why.fault = fault;
    return why;
  };
  if (text.size() > maxFileBytes) return refused(FileFault::tooLarge);
  if (nesting(text) > 8) return refused(FileFault::tooDeep);
  try {
    const Json top = parsed(text);
    if (top.is_discarded()) return refused(FileFault::notJson);
    return build(top);
  } catch (const Unreadable& r) {
    return r.why;
  } catch (const Json::exception&) {
    return refused(FileFault::malformed);
  }
}

std::variant<Recovered, FileRefusal> readRecovery(std::string_view text) {
  auto read = readWorkspace(text);
  if (auto* why = std::get_if<FileRefusal>(&read)) return std::move(*why);
  // The text parsed as a whole workspace above; "source" is optional and only ever text.
  const Json top = parsed(text);
  const Json& source = member(top, "source");
  return Recovered{std::move(std::get<Workspace>(read)),
                   source.is_string() ? source.get<std::string>() : std::string()};
}

}  // namespace workspace

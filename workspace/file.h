#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "workspace/limits.h"
#include "workspace/refusal.h"
#include "workspace/workspace.h"

// The workspace file: a design as UTF-8 JSON, the points as typed and the processes and ε lines as
// asked for, so that reopening it computes every text again. Results are never stored.
namespace workspace {

// What the file says it is: {"format": formatName, "version": formatVersion, …}. A later version
// is refused.
inline constexpr std::string_view formatName = "torvale-workspace";
inline constexpr int formatVersion = 1;

// Why a text is not a workspace the reader can open, as a code. FileRefusal says where: the key
// the fault is at (as the file writes it), the value the file gives there (a name, a kind, a
// number), and the entry of a list it is in. The faces word them (document/words.h).
enum class FileFault {
  tooLarge,   // over maxFileBytes
  tooDeep,    // arrays and objects nested deeper than a workspace's
  notJson,    // not one whole JSON text (cut short, damaged, a NUL byte)
  malformed,  // JSON, but not what a workspace holds where it is

  notAWorkspace,  // no "format": "torvale-workspace"
  noVersion,      // "version" missing or not a whole number from 1
  laterVersion,   // a later version than this program reads: value is the file's version
  pressureNotNumber,
  pressureRange,  // a "pressure" outside the range of the pressure setting
  modelNotText,   // a "model" that is not a text

  listTooLong,     // a list at key longer than any of the file may be
  tooManyPoints,   // points and outlets together over maxPoints: value is the limit
  tooManyLines,    // ε lines over maxLines: value is the limit
  notAList,        // the value at key is not a list
  notAnObject,     // the value at key (an entry where key is empty) is not an object
  missingKey,      // the object at `in` lacks key
  notText,         // the value at key is not a text
  unknownName,     // a text at key ("kind", "target", "on", "model") naming nothing known: value
  unknownUnit,     // a flow's "unit" other than "m3/h" and "kg/s"
  valueNotText,    // a value that is neither a text nor a finite number
  valueTooLong,    // a value's text over maxValueLength bytes
  notANumber,      // a value's text that is not a finite number: value
  pairTooLong,     // a pair's name over maxValueLength bytes
  unknownPair,     // a text that names no pair fixing a state: value
  valuesCount,     // "values" not a list of value (the count) values
  noSuchPoint,     // a point named at key that the file does not hold: value is the name
  atNotPlace,      // an "at" that is not a place from 0
  boundNotPair,    // a zone's bound that is not [min, max]
  tooManyOn,       // "on" listing more zones than there are built in
  pathTooLong,     // a weather file's path over 4096 bytes
  columnsNotTwo,   // a log's "columns" not two
  columnTooLong,   // a log's column over maxValueLength bytes
  notMonths,       // "months" not a list of months 1…12
  loadsNotSupply,  // room loads on a process other than a supply point
  memberTwice,     // a point named as a member of two systems, or twice: value is its name

  rule,        // a rule of the design the file breaks: FileRefusal::rule
  ruleOfName,  // a name (value) that the rule FileRefusal::rule refuses
};

struct FileRefusal {
  FileFault fault = FileFault::malformed;
  std::string key;        // where it is: a key of the file ("flow", "pressure"), or empty
  std::string in;         // for missingKey: the key of the object that lacks it
  std::string value;      // what the file gives there, as given; or a number the words name
  std::string list;       // the entry it is in: the key of its list ("points", "user"), or empty
  std::size_t entry = 0;  // and its number, from 1
  Refusal rule;           // for FileFault::rule and ruleOfName

  bool operator==(const FileRefusal&) const = default;
};

// The workspace as the text of a file: "format", "version", "pressure" (Pa), "model" (the
// arithmetic's key, calc::arithmeticKey, written only when it is not the classic one), "points"
// (the points given by a pair, outlets excluded), "processes" (each with its outlet's name and
// place) and "lines"; "zones", "weather", "page" (the page set-up) and "titleBlock" only where
// they differ from the defaults, and "systems" only where there are any, so that a design without
// them is written as ever. Reading refuses
// a "model" it does not know, naming it.
std::string workspaceText(const Workspace& workspace);

// The workspace a file's text holds, computed at its pressure; or, for a text that is not a whole
// workspace of this program's version within the limits above, why not. Keys it does not read (a
// later version's) are passed over; a text of any size within maxFileBytes is read or refused in
// time and memory linear in its size.
std::variant<Workspace, FileRefusal> readWorkspace(std::string_view text);

// A design kept against a crash: the workspace file's text with "source", the path (UTF-8) of the
// file the design was opened from or saved to, empty for one never saved. readWorkspace passes
// the key over, so the recovery opens as a workspace file too.
std::string recoveryText(const Workspace& workspace, std::string_view source);

struct Recovered {
  Workspace design;
  std::string source;  // empty for a design never saved
};
// The design and its file a recovery's text holds; or, as readWorkspace, why not.
std::variant<Recovered, FileRefusal> readRecovery(std::string_view text);

}  // namespace workspace

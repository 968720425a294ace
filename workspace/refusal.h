#pragma once

#include <string>

#include "process/refusal.h"
#include "psychro/outcome.h"

// Why a change of the design is refused, as a code: the design's own rules (names, limits, zones,
// the points a process is between, the order of processes); a refusal of the arithmetic (a state
// that cannot exist) comes as its outcome, and a process that cannot happen as the process's code.
// The faces word them (document/words.h); nothing here is shown as it stands.
namespace workspace {

enum class Rule {
  arithmetic,  // the arithmetic refused: see Refusal::outcome
  process,     // the process cannot happen: see Refusal::process

  // The points of a process, or of a command.
  noSuchPoint,        // no point is chosen, or the chosen one is gone
  samePoint,          // mixing a point with itself
  pointWithoutState,  // a point that has no state at the pressure in force

  // A point's name (PointList::rename): detail is the name as asked.
  nameEmpty,           // empty once blanks are trimmed
  nameTooLong,         // longer than PointList::maxNameLength characters
  nameTaken,           // another point's
  nameTurnsDirection,  // holds a mark that turns the direction of text
  nameControl,         // holds a control character (from a file; the window makes them blanks)

  // The order of processes: a process cannot start at (or mix in) its own outlet or the outlet of
  // a process made after it.
  laterOutlet,

  // The limits of a design (workspace/limits.h): detail is the limit.
  tooManyPoints,
  tooManyLines,
  tooManyZones,

  // A comfort zone of the user's (checkZone): detail names the zone or the bound.
  zoneNameEmpty,
  zoneNameTooLong,     // over maxZoneNameBytes
  zoneNameTaken,       // a built-in zone's, another of the user's, or 区外
  zoneNameControl,     // a control character or a mark that turns the direction of text
  zoneNoBounds,        // bounded nowhere: it would hold every state
  zoneBoundsReversed,  // a lower bound above its upper; detail is the quantity's key (t, rh, …)
  zoneHumidityRange,   // a φ bound outside 0…100 %
  zoneValueRange,      // a bound that is not finite

  outletOfProcess,    // a process's outlet edited as a point: it changes through its process
  noSuchProcess,      // no process at that place
  noSuchLine,         // no ε line at that place
  noSuchZone,         // no zone of the user's at that place
  epsilonNotANumber,  // an ε that is not a number (NaN)

  // The page set-up and the title block (workspace/page.h).
  marginsRange,  // a margin not from 0 to maxMargin mm: detail is the limit
  titleTooLong,  // a title block's field over maxTitleBytes: detail is the limit
  titleControl,  // a title block's field holding a control character or a direction mark

  // A system of the design (workspace/systems.h).
  systemNameEmpty,    // its name empty once blanks are trimmed
  systemNameTooLong,  // over maxSystemNameLength characters: detail is the limit
  systemNameTaken,    // another system's: detail is the name
  systemNameControl,  // a control character or a mark that turns the direction of text
  systemValueRange,   // an input out of its range: detail is its key in the file ("fresh", …)
  noSuchSystem,       // no system at that place
};

// The number of rules, arithmetic included: the size of a table of their words. New rules go before
// the last one named here, or this names the new last one.
inline constexpr int ruleCount = static_cast<int>(Rule::noSuchSystem) + 1;

struct Refusal {
  Rule rule = Rule::arithmetic;
  psychro::Outcome outcome = psychro::Outcome::ok;  // for Rule::arithmetic
  std::string detail;
  process::Code process = process::Code::arithmetic;  // for Rule::process

  bool operator==(const Refusal&) const = default;
};

// A refusal of the arithmetic.
inline Refusal refusedBy(psychro::Outcome outcome) {
  return {Rule::arithmetic, outcome, {}};
}

// A refusal of a process: its own code, or the arithmetic's outcome it passed on.
inline Refusal refusedBy(const process::Refusal& why) {
  if (why.code == process::Code::arithmetic) return refusedBy(why.outcome);
  return {Rule::process, psychro::Outcome::ok, {}, why.code};
}

}  // namespace workspace

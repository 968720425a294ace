#pragma once

#include "psychro/air_state.h"
#include "psychro/outcome.h"

// Why an air process cannot happen, as a code: the processes' own reasons. Where a state function
// refuses (a dry bulb out of range, a state that cannot exist) a process passes the arithmetic's
// own outcome on instead (psychro/outcome.h). The faces word both (document/words.h); nothing here
// decides anything by a text.
namespace process {

enum class Code {
  arithmetic,  // none of the process's own: Refusal::outcome says (ok, or the state functions')

  // The processes of the 焓湿图 (process/processes.h).
  flowNotPositive,        // a mixing flow not positive and finite
  mixtureFogs,            // the mixture lies beyond saturation
  heatingNotWarmer,       // heating to a dry bulb not above the inlet's
  coolingNotCooler,       // cooling to a dry bulb not below the inlet's
  belowDewPoint,          // sensible cooling below the inlet's dew point
  notCoolerAndDrier,      // a leaving state of cooling and drying not cooler and drier
  dewPointNotBelow,       // an apparatus dew point not below the inlet's dew point
  humidityNotReached,     // a leaving humidity the cooling line does not reach
  moistureNotRaised,      // humidifying without raising the moisture content
  pastSaturation,         // humidifying beyond saturation
  supplyDifferenceZero,   // a supply temperature difference of zero
  supplyNotOnLine,        // no supply state at that dry bulb on the line of ε
  supplyPastSaturation,   // the supply state lies beyond saturation
  roomLoadsZero,          // a room with neither surplus heat nor surplus moisture
  supplyFlowNotPositive,  // room loads whose supply air flow is not positive (Q against Δt)

  // Heat recovery, evaporative cooling, desiccant drying, fan heat and the coil by its bypass
  // factor (process/heat_recovery.h, evaporative.h, desiccant.h, fan.h, coil.h).
  efficiencyRange,         // an effectiveness or efficiency outside (0, 1]
  recoveryNoDifference,    // fresh and exhaust air alike: nothing to recover
  recoveryPastSaturation,  // the recovered fresh air lies beyond saturation
  evaporationNotCooler,    // evaporating air whose saturation dry bulb is not below the inlet's
  indirectBelowDewPoint,   // indirect evaporative cooling below the inlet's dew point
  dryingNotDrier,          // a desiccant target that does not dry
  dryingOutOfRange,        // a desiccant outlet beyond the reach of the arithmetic
  fanPressureNotPositive,  // a fan pressure rise not positive and finite
  bypassFactorRange,       // a bypass factor outside [0, 1)
  coilLineFogs,            // the line to the apparatus dew point crosses saturation before it

  // The standard systems (process/systems.h).
  coilHumidityRange,         // a coil leaving humidity φL outside (0, 1]
  freshShareRange,           // a fresh-air share outside (0, 1), or a flow outside (0, G)
  supplyAboveCoilHumidity,   // a supply state more humid than φL: the coil would leave warmer
  coilHumidityNotOnLine,     // the room's ε line never reaches φL beyond the room state
  freshAirExceedsPrimary,    // 二次回风: more fresh air than the coil's primary air
  fanCoilPastSaturation,     // the fan-coil's leaving state lies beyond saturation
  fanCoilWouldHeat,          // the fan-coil's leaving h not below the room's: it would heat
  mixtureNeedsNoHumidifier,  // winter: the mixed air already holds the supply's moisture or more

  // The loads of a process (process/figures.h).
  flowNotPositiveOrFinite,  // a volume flow not positive and finite
};

// The number of codes, arithmetic included: the size of a table of their words. New codes go before
// the last one named here, or this names the new last one.
inline constexpr int codeCount = static_cast<int>(Code::flowNotPositiveOrFinite) + 1;

// A process's refusal: its own code, or Code::arithmetic with the state functions' outcome. The
// default is no refusal at all.
struct Refusal {
  Code code = Code::arithmetic;
  psychro::Outcome outcome = psychro::Outcome::ok;  // for Code::arithmetic

  bool operator==(const Refusal&) const = default;
};

// What a process gives: its outlet state, or why it cannot happen (then the state is empty, but
// where a state function refused: it holds what that function had computed).
struct Outlet {
  psychro::AirState air;
  Refusal why;

  bool ok() const { return why == Refusal{}; }
};

}  // namespace process

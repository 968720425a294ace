#pragma once

// Why a calculation gives no result: one list of every refusal, from the state functions up through
// the processes and the reading of typed values, so that a result of any layer carries the same
// kind of answer and no code has to recognise a refusal by its text. The words for each are kept
// apart, in one table (calc::words in calc/messages.h).
namespace psychro {

enum class Outcome {
  ok,  // a result, no refusal

  // The state functions.
  noSuchState,  // the state does not exist (beyond saturation, too dry, not finite)
  outOfBounds,  // an iteration cannot settle, or the dew point lies beyond the correlation

  // The pair solver and the Calculate command's checks.
  dryBulbRange,       // a given dry bulb outside lowestDryBulb…highestDryBulb
  humidityRange,      // a given relative humidity outside (0, 1]
  wetAboveDry,        // a given wet bulb above the given dry bulb
  pairNotDetermined,  // the two quantities do not fix a state
  pairOutOfRange,     // no state of the pair has a dry bulb in lowestDryBulb…highestDryBulb

  // Typed values.
  missingInput,   // a value is missing
  pressureRange,  // a total pressure outside lowestPressure…highestPressure (psychro/pressure.h)
  altitudeRange,  // an altitude outside lowestAltitude…highestAltitude

  // The air processes (process/processes.h).
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

  // The loads of a process (process/figures.h).
  flowNotPositiveOrFinite,  // a volume flow not positive and finite

  // The chart's points and the processes between them.
  noSuchPoint,        // no point is chosen, or the chosen one is gone
  samePoint,          // mixing a point with itself
  pointWithoutState,  // a point that has no state at the pressure in force
};

// The number of outcomes, ok included: the size of the words table. New outcomes go before the
// last one named here, or this names the new last one.
inline constexpr int outcomeCount = static_cast<int>(Outcome::pointWithoutState) + 1;

}  // namespace psychro

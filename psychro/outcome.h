#pragma once

// Why a calculation gives no result: the arithmetic's own refusals, of the state functions, the
// pair solver and the reading of typed values, so that no code has to recognise a refusal by its
// text. The layers above keep their own codes (process/refusal.h, workspace/refusal.h,
// document/refusal.h) and pass these on where the arithmetic refused. The words for each are kept
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
};

// The number of outcomes, ok included: the size of the words table. New outcomes go before the
// last one named here, or this names the new last one.
inline constexpr int outcomeCount = static_cast<int>(Outcome::altitudeRange) + 1;

}  // namespace psychro

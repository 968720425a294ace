#pragma once

#include "psychro/constants.h"

// The two wet-bulb iterations behind stateFromHumidity, exposed so that their rounds can be
// checked.
namespace psychro {

enum class WetBulbMethod {
  averaged,   // the averaged fixed-point iteration settled
  bracketed,  // it did not settle; the root was bracketed and bisected
  pressure,   // the vapour-pressure scheme for t > 28 °C settled
  unsettled,  // no answer within the bound
};

struct WetBulb {
  double tw = 0;  // wet-bulb temperature, °C
  int rounds = 0;
  WetBulbMethod method = WetBulbMethod::unsettled;
};

// For t <= 28 °C: solves tw = tw_new(tw), the psychrometric balance of air at t, °C, holding d,
// kg/kg, under the total pressure pa, Pa. First the averaged iteration tw := (tw + tw_new) / 2 from
// tw = t until the step |tw_new - tw| < 0.01 °C, at most averagedRoundLimit rounds; if that does
// not settle (it falls into a two-cycle for warm humid air), bisection of tw_new(tw) - tw on [-100,
// t] to 0.001 °C, at most bracketRoundLimit rounds.
WetBulb wetBulbAveraged(double t, double d, double pa = standardPressure);

// For t > 28 °C: iterates on the vapour pressure at the wet bulb, p := (p + p_new) / 2 with
// p_new = pv + A·pa·(t - saturationTemperature(p)), from p = pws_t, until the relative step < 0.01,
// at most pressureRoundLimit rounds. pv, pws_t and the total pressure pa in Pa, t in °C. A p <= 0
// comes back unsettled.
WetBulb wetBulbByPressure(double t, double pv, double pws_t, double pa = standardPressure);

inline constexpr int averagedRoundLimit = 100;
inline constexpr int bracketRoundLimit = 100;
inline constexpr int pressureRoundLimit = 1000;

// The bracket's lower end, °C (the lowest temperature saturationPressure covers).
inline constexpr double bracketLow = -100;

}  // namespace psychro

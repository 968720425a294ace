#include "process/room_line.h"

#include <cmath>

#include "process/outlet.h"
#include "process/processes.h"
#include "psychro/arithmetic.h"
#include "psychro/bisection.h"
#include "psychro/constants.h"

namespace process {

using psychro::Outcome;

Outlet supplyAtHumidity(const psychro::AirState& room, double ε, double φ, double pa,
                        psychro::Arithmetic m) {
  if (!(φ > 0 && φ <= 1)) return refused(Code::coilHumidityRange);
  if (std::isnan(ε)) return refused(Outcome::outOfBounds);

  // The line ends, going down from t_N, at −50 °C, where d reaches 0 (the numerator of
  // roomLineMoisture, h_N − ε·d_N − 1.006·t, falls to 0) or at the isotherm it runs parallel to
  // (2501 + cpv·t − ε = 0), where d grows without bound: whichever comes first.
  double tEnd = psychro::lowestDryBulb;
  if (std::isfinite(ε)) {
    const double tDry = (room.h - ε * room.d) / psychro::cpAir;
    const double tParallel = (ε - psychro::latentHeat0) / psychro::vapourHeat(m);
    for (const double t : {tDry, tParallel})
      if (t < room.t && t > tEnd) tEnd = t;
  }
  const double span = room.t - tEnd;

  // The relative humidity at the supply temperature difference x: 0 where the line has run dry,
  // +inf where its d grows without bound or its vapour reaches pa.
  const auto humidity = [&](double x) -> double {
    const double t = room.t - x;
    const double d = roomLineMoisture(room, ε, t, m);
    if (std::isnan(d) || d == INFINITY) return INFINITY;
    if (!(d > 0)) return 0.0;
    const double pv = psychro::vapourPressure(d, pa, m);
    return pv < pa ? pv / psychro::saturationPressure(t, m) : INFINITY;
  };
  if (!(humidity(0) < φ)) return refused(Code::coilHumidityNotOnLine);

  constexpr int samples = 256;
  double lo = 0;
  for (int k = 1; k <= samples; ++k) {
    const double hi = span * k / samples;
    if (humidity(hi) < φ) {
      lo = hi;
      continue;
    }
    const psychro::Root r = psychro::bisect(humidity, lo, hi, φ);
    if (!r.settled) return refused(Outcome::outOfBounds);
    // The upper end of the last bracket may lie a double beyond φ (or, at φ = 1, beyond saturation
    // by the rounding of pv/pws): step back towards the lower end, where the humidity is below φ.
    double x = r.x;
    for (int round = 0; round < 4; ++round, x = std::nextafter(x, lo)) {
      if (humidity(x) > φ) continue;
      const Outlet o = supplyPoint(room, ε, x, pa, m);
      if (o.why.code != Code::supplyPastSaturation) return o;
    }
    return refused(Outcome::outOfBounds);
  }
  return refused(Code::coilHumidityNotOnLine);
}

}  // namespace process

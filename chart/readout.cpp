#include "chart/readout.h"

#include "chart/curves.h"
#include "chart/view.h"
#include "psychro/air_state.h"

namespace chart {

Readout readoutAt(SheetPoint p, double pa, psychro::Arithmetic m) {
  Readout r;
  r.t = temperatureAt(p, m);
  r.d = p.d;
  r.h = enthalpyAt(p);
  r.φ = humidityAt(p, pa, m);
  if (r.t >= lowestT && r.t <= highestT && r.φ > 0 && r.φ <= 1) {
    const psychro::StateOutcome s = psychro::stateFromHumidity(r.t, r.φ, pa, m);
    if (s.ok()) {
      r.tw = s.air.tw;
      r.tl = s.air.tl;
    }
  }
  return r;
}

}  // namespace chart

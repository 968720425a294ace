#include "chart/readout.h"

#include "chart/curves.h"
#include "chart/view.h"
#include "psychro/air_state.h"

namespace chart {

Readout readoutAt(SheetPoint p, double pa) {
  Readout r;
  r.t = temperatureAt(p);
  r.d = p.d;
  r.h = enthalpyAt(p);
  r.φ = humidityAt(p, pa);
  if (r.t >= lowestT && r.t <= highestT && r.φ > 0 && r.φ <= 1) {
    const psychro::StateOutcome s = psychro::stateFromHumidity(r.t, r.φ, pa);
    if (s.ok()) {
      r.tw = s.air.tw;
      r.tl = s.air.tl;
    }
  }
  return r;
}

}  // namespace chart

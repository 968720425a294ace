#pragma once

#include <optional>

#include "process/refusal.h"
#include "psychro/air_state.h"

// 冷却除湿 by the coil's rating, in the textbook straight-line model of a cooling coil: the air
// leaving is a mixture of the share 1 − BF (the contact factor, 接触系数) that touched the coil and
// left saturated at the apparatus dew point (机器露点, ADP) and the share BF (the bypass factor,
// 旁通系数) that passed it unchanged. So the leaving state lies on the straight h–d segment from
// the inlet to the ADP:
//   h₂ = h_ADP + BF·(h₁ − h_ADP),  d₂ = d_ADP + BF·(d₁ − d_ADP),  BF = (h₂ − h_ADP)/(h₁ − h_ADP).
// States in the units of psychro/air_state.h (t °C, d kg/kg, h kJ per kg of dry air) at the total
// pressure pa, Pa, with the arithmetic m throughout; the ADP is saturated by that arithmetic's test
// (vapour pressure at the saturation pressure of its dry bulb).
namespace process {

// The leaving state of a coil with the apparatus dew point tAdp, °C, and the bypass factor bf,
// 0 <= bf < 1; taken from h₂ and d₂ (bf = 0 gives the ADP itself). Refusals (with an empty state):
// bf outside [0, 1) (bypassFactorRange); an ADP holding no less moisture than the inlet
// (dewPointNotBelow); a segment from the inlet that crosses the saturation curve before the ADP
// (coilLineFogs: the air would fog inside the coil, and the line's first meeting with saturation,
// not tAdp, would be the coil's dew point). The segment is tested at the points
// s = 1 − (k/256)², k = 1…256 (s = 0 at the inlet, 1 at the ADP): densest next to the ADP, where a
// line steeper than the saturation curve enters the fog. A saturation curve concave in these
// coordinates (as it is on each side of 0 °C) meets a line at most twice, so a crossing escapes
// only where the line grazes it within one step.
Outlet coolAndDryByBypass(const psychro::AirState& in, double tAdp, double bf, double pa,
                          psychro::Arithmetic m = psychro::Arithmetic::classic);

// The rating of a coil row: its apparatus dew point, °C, and bypass factor, fraction in [0, 1).
struct CoilRating {
  double tAdp = 0;
  double bf = 0;
};

// The rating of any coil row from the inlet in to the outlet out, given any way: the line from the
// inlet through the outlet, extended beyond the outlet, first meets saturation at the ADP, and
// BF = (h_out − h_ADP)/(h_in − h_ADP). Only for a row that lowers h and does not raise d (by more
// than noMoistureChange); none for any other, and none where the extension leaves −50…100 °C
// or reaches d = 0 without meeting saturation. Solve: along the extension s ≥ 1 (s = 0 at the
// inlet, 1 at the outlet, sEnd where d reaches 0 or the dry bulb −50 °C), the relative humidity is
// sampled at s = 1 + (sEnd − 1)·(k/256)², k = 0…256, for the first point at or beyond saturation;
// that step is bisected (psychro::bisect) to adjacent doubles of s, at most
// psychro::bisectRoundLimit rounds. A line that grazes saturation between two samples gives none.
std::optional<CoilRating> apparatusDewPoint(const psychro::AirState& in,
                                            const psychro::AirState& out, double pa,
                                            psychro::Arithmetic m = psychro::Arithmetic::classic);

}  // namespace process

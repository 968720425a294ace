#include <cmath>

#include "process/processes.h"
#include "process/room_line.h"
#include "process/system_parts.h"
#include "process/systems.h"

// 一次回风, 全新风 and 二次回风 in summer (process/systems.h).
namespace process {
namespace {

using namespace parts;
using Q = psychro::Quantity;

// A supply state this close to the coil's leaving state, K, is that state: no reheat.
constexpr double sameDryBulb = 1e-9;

// 一次回风 (allFresh false) or 全新风 (allFresh true).
CoolingSystem cooling(const SystemInputs& in, bool dewPointSupply, bool allFresh) {
  using R = CoolingSystem;
  const double pa = in.pa;
  const psychro::Arithmetic m = in.arithmetic;
  const Sizing size = sizeSupply(in, dewPointSupply, allFresh);
  if (!size.ok()) return refusal<R>(size.why);
  const double G = size.G, GW = size.GW;

  R r;
  const std::size_t w = addState(r, "W", in.outdoor);
  const std::size_t n = addState(r, "N", in.room);
  std::size_t c = w;
  psychro::AirState C = in.outdoor;
  if (!allFresh) {
    const Outlet mixed = mix(in.room, G - GW, in.outdoor, GW, pa, m);
    if (!mixed.ok()) return refusal<R>(mixed.why);
    C = mixed.air;
    c = addState(r, "C", C);
    addMixing(r, n, G - GW, w, GW, c);
  }

  // The coil's leaving state: at d_O and φL, or O itself (露点送风, or a supply state at φL).
  const psychro::AirState& O = size.O;
  Outlet L = dewPointSupply ? coolAndDry(C, {Q::t, O.t}, {Q::d, O.d}, pa, m)
                            : coolAndDry(C, {Q::d, O.d}, {Q::rh, in.φL}, pa, m);
  if (!L.ok()) return refusal<R>(L.why);
  if (L.air.t > O.t + sameDryBulb) return refusal<R>(Code::supplyAboveCoilHumidity);
  const bool reheated = L.air.t < O.t - sameDryBulb;
  if (!reheated) L.air = O;

  const std::size_t l = addState(r, "L", L.air);
  addStep(r, StepKind::coolAndDry, c, l, G);
  std::size_t o = l;
  if (reheated) {
    o = addState(r, "O", O);
    addStep(r, StepKind::heat, l, o, G);
  }
  addStep(r, StepKind::room, o, n, G);

  setCommonFigures(r, in, size, GW);
  r.coil = coilDuty(C, L.air, G);
  r.reheat = reheated ? G * (O.h - L.air.h) : 0;
  return r;
}

}  // namespace

CoolingSystem oneReturnSummer(const SystemInputs& in, bool dewPointSupply) {
  return cooling(in, dewPointSupply, false);
}

CoolingSystem allFreshSummer(const SystemInputs& in, bool dewPointSupply) {
  return cooling(in, dewPointSupply, true);
}

TwoReturnSystem twoReturnSummer(const SystemInputs& in) {
  using R = TwoReturnSystem;
  const double pa = in.pa;
  const psychro::Arithmetic m = in.arithmetic;
  const Sizing size = sizeSupply(in);
  if (!size.ok()) return refusal<R>(size.why);
  const double G = size.G, GW = size.GW;

  // L beyond O on the line from N through O (the room's ε line), at φL.
  const psychro::AirState& N = in.room;
  const psychro::AirState& O = size.O;
  const Outlet onLine = supplyAtHumidity(N, size.ε, in.φL, pa, m);
  if (!onLine.ok()) return refusal<R>(onLine.why);
  if (!(onLine.air.t < O.t)) return refusal<R>(Code::supplyAboveCoilHumidity);
  // L + N → O: G₁·h_L + (G − G₁)·h_N = G·h_O.
  const double G1 = G * (N.h - O.h) / (N.h - onLine.air.h);
  if (GW > G1 * (1 + 1e-12)) return refusal<R>(Code::freshAirExceedsPrimary);

  R r;
  const std::size_t w = addState(r, "W", in.outdoor);
  const std::size_t n = addState(r, "N", N);
  std::size_t c = w;
  psychro::AirState C = in.outdoor;
  if (GW < G1 * (1 - 1e-12)) {
    const Outlet mixed = mix(N, G1 - GW, in.outdoor, GW, pa, m);
    if (!mixed.ok()) return refusal<R>(mixed.why);
    C = mixed.air;
    c = addState(r, "C₁", C);
    addMixing(r, n, G1 - GW, w, GW, c);
  }
  // The coil's outlet from the t and d of the point found: the same state.
  const Outlet L = coolAndDry(C, {Q::t, onLine.air.t}, {Q::d, onLine.air.d}, pa, m);
  if (!L.ok()) return refusal<R>(L.why);
  const std::size_t l = addState(r, "L", L.air);
  addStep(r, StepKind::coolAndDry, c, l, G1);
  const std::size_t o = addState(r, "O", O);
  addMixing(r, l, G1, n, G - G1, o);
  addStep(r, StepKind::room, o, n, G);

  setCommonFigures(r, in, size, GW);
  r.primaryFlow = G1;
  r.coil = coilDuty(C, L.air, G1);
  return r;
}

}  // namespace process

#include <cmath>

#include "process/outlet.h"
#include "process/processes.h"
#include "process/system_parts.h"
#include "process/systems.h"
#include "psychro/arithmetic.h"
#include "psychro/constants.h"

// 风机盘管加新风 (process/systems.h).
namespace process {

using namespace parts;
using Q = psychro::Quantity;

namespace {

// A share of the room's latent load under this, kW (half the last digit a load shows), is none.
constexpr double noLatentShare = 0.005;

// The fresh-air unit's leaving state from W.
Outlet freshAirLeaving(const SystemInputs& in, const FreshAirUnit& unit) {
  const psychro::AirState& W = in.outdoor;
  switch (unit.target) {
    case FreshAirTarget::roomEnthalpy:
      return coolAndDry(W, {Q::h, in.room.h}, {Q::rh, in.φL}, in.pa, in.arithmetic);
    case FreshAirTarget::roomMoisture:
      return coolAndDry(W, {Q::d, in.room.d}, {Q::rh, in.φL}, in.pa, in.arithmetic);
    case FreshAirTarget::given:
      break;
  }
  return coolAndDry(W, unit.a, unit.b, in.pa, in.arithmetic);
}

}  // namespace

FanCoilSystem fanCoilWithFreshAir(const SystemInputs& in, const FreshAirUnit& unit) {
  using R = FanCoilSystem;
  const double pa = in.pa;
  const psychro::Arithmetic m = in.arithmetic;
  const Sizing size = sizeSupply(in);
  if (!size.ok()) return refusal<R>(size.why);
  const double G = size.G, GW = size.GW;

  const Outlet L = freshAirLeaving(in, unit);
  if (!L.ok()) return refusal<R>(L.why);

  // L (G_W) and M (G − G_W) mix to O.
  const psychro::AirState& N = in.room;
  const psychro::AirState& O = size.O;
  const double GM = G - GW;
  const double hM = (G * O.h - GW * L.air.h) / GM;
  const double dM = (G * O.d - GW * L.air.d) / GM;
  if (dM > 0 && beyondSaturation(psychro::dryBulbOfEnthalpy(hM, dM, m), dM, pa, m))
    return refusal<R>(Code::fanCoilPastSaturation);
  if (!(hM < N.h)) return refusal<R>(Code::fanCoilWouldHeat);
  const Outlet M = coolAndDry(N, {Q::h, hM}, {Q::d, dM}, pa, m);
  if (!M.ok()) return refusal<R>(M.why);

  R r;
  const std::size_t w = addState(r, "W", in.outdoor);
  const std::size_t n = addState(r, "N", N);
  const std::size_t l = addState(r, "L", L.air);
  const std::size_t mm = addState(r, "M", M.air);
  const std::size_t o = addState(r, "O", O);
  addStep(r, StepKind::coolAndDry, w, l, GW);
  addStep(r, StepKind::coolAndDry, n, mm, GM);
  addMixing(r, l, GW, mm, GM, o);
  addStep(r, StepKind::room, o, n, G);

  setCommonFigures(r, in, size, GW);
  r.freshUnit = coilDuty(in.outdoor, L.air, GW);
  r.fanCoil = coilDuty(N, M.air, GM);
  r.freshUnitRoomLatent = GW * psychro::latentHeat0 * (N.d - L.air.d);
  r.fanCoilRoomLatent = GM * psychro::latentHeat0 * (N.d - M.air.d);
  if (!(r.freshUnitRoomLatent >= noLatentShare))
    r.latentBy = LatentTaker::fanCoil;
  else if (!(r.fanCoilRoomLatent >= noLatentShare))
    r.latentBy = LatentTaker::freshAirUnit;
  else
    r.latentBy = LatentTaker::both;
  return r;
}

}  // namespace process

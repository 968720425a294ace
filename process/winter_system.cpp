#include <cmath>

#include "process/figures.h"
#include "process/processes.h"
#include "process/system_parts.h"
#include "process/systems.h"
#include "psychro/arithmetic.h"
#include "psychro/constants.h"

// 一次回风 in winter (process/systems.h).
namespace process {

using namespace parts;
using psychro::AirState;
using Q = psychro::Quantity;

namespace {

// The outdoor air as it enters the mixing, and the mixture.
struct Mixing {
  std::optional<AirState> preheated;  // W′, where preheated
  Outlet mixed;
};

// C from N (G − G_W) and W (G_W): W preheated to `to` where given; otherwise, where the mixture
// fogs, to the lowest whole degree above t_W at which it does not (at most up to 100 °C: about
// 150 mixings from −50 °C).
Mixing mixOutdoor(const SystemInputs& in, double G, double GW, std::optional<double> to) {
  const double pa = in.pa;
  const psychro::Arithmetic m = in.arithmetic;
  const auto with = [&](double t) -> Mixing {
    const Outlet warmed = heat(in.outdoor, t, pa, m);
    if (!warmed.ok()) return {{}, warmed};
    return {warmed.air, mix(in.room, G - GW, warmed.air, GW, pa, m)};
  };
  if (to) return with(*to);
  Mixing plain{{}, mix(in.room, G - GW, in.outdoor, GW, pa, m)};
  if (plain.mixed.why.code != Code::mixtureFogs) return plain;
  for (double t = std::floor(in.outdoor.t) + 1; t <= psychro::highestDryBulb; ++t) {
    Mixing warmed = with(t);
    if (warmed.mixed.why.code != Code::mixtureFogs) return warmed;
  }
  return plain;
}

}  // namespace

WinterSystem oneReturnWinter(const SystemInputs& in, Humidifier humidifier,
                             std::optional<double> preheatTo) {
  using R = WinterSystem;
  const double pa = in.pa;
  const psychro::Arithmetic m = in.arithmetic;
  const Sizing size = sizeSupply(in);
  if (!size.ok()) return refusal<R>(size.why);
  const double G = size.G, GW = size.GW;

  const Mixing mixing = mixOutdoor(in, G, GW, preheatTo);
  if (!mixing.mixed.ok()) return refusal<R>(mixing.mixed.why);
  const AirState& C = mixing.mixed.air;
  const AirState& O = size.O;
  if (!(O.d > C.d + noMoistureChange)) return refusal<R>(Code::mixtureNeedsNoHumidifier);

  R r;
  const std::size_t w = addState(r, "W", in.outdoor);
  std::size_t enters = w;
  if (mixing.preheated) {
    enters = addState(r, "W′", *mixing.preheated);
    addStep(r, StepKind::heat, w, enters, GW);
    r.preheatTo = mixing.preheated->t;
    r.preheat = GW * (mixing.preheated->h - in.outdoor.h);
  }
  const std::size_t n = addState(r, "N", in.room);
  const std::size_t c = addState(r, "C", C);
  addMixing(r, n, G - GW, enters, GW, c);

  if (humidifier == Humidifier::steam) {
    const Outlet H = heat(C, O.t, pa, m);
    if (!H.ok()) return refusal<R>(H.why);
    const Outlet S = humidifyIsothermal(H.air, {Q::d, O.d}, pa, m);
    if (!S.ok()) return refusal<R>(S.why);
    const std::size_t h = addState(r, "H", H.air);
    const std::size_t o = addState(r, "O", O);
    addStep(r, StepKind::heat, c, h, G);
    addStep(r, StepKind::humidifyIsothermal, h, o, G);
    addStep(r, StepKind::room, o, n, G);
    r.heating = G * (H.air.h - C.h);
    r.humidifierHeat = G * (O.h - H.air.h);
  } else {
    // The spray leaves at d_O on the h of the state at d_O and φL, heated up to that h first.
    const psychro::StateOutcome target =
        psychro::stateFromPair({Q::d, O.d}, {Q::rh, in.φL}, pa, {}, m);
    if (!target.ok()) return refusal<R>(target.outcome);
    if (!(target.air.t < O.t)) return refusal<R>(Code::supplyAboveCoilHumidity);
    std::size_t sprayed = c;
    AirState into = C;
    if (C.h < target.air.h) {
      const Outlet H = heat(C, psychro::dryBulbOfEnthalpy(target.air.h, C.d, m), pa, m);
      if (!H.ok()) return refusal<R>(H.why);
      into = H.air;
      sprayed = addState(r, "H", into);
      addStep(r, StepKind::heat, c, sprayed, G);
      r.heating = G * (into.h - C.h);
    }
    const Outlet L = humidifyAdiabatic(into, {Q::d, O.d}, pa, m);
    if (!L.ok()) return refusal<R>(L.why);
    const Outlet reheated = heat(L.air, O.t, pa, m);
    if (!reheated.ok()) return refusal<R>(reheated.why);
    const std::size_t l = addState(r, "L", L.air);
    const std::size_t o = addState(r, "O", O);
    addStep(r, StepKind::humidifyAdiabatic, sprayed, l, G);
    addStep(r, StepKind::heat, l, o, G);
    addStep(r, StepKind::room, o, n, G);
    r.reheat = G * (O.h - L.air.h);
  }
  setCommonFigures(r, in, size, GW);
  r.water = G * (O.d - C.d) * 3600;
  return r;
}

}  // namespace process

#include "process/system_parts.h"

#include <cmath>

#include "process/figures.h"
#include "process/processes.h"
#include "process/room_line.h"

namespace process {

const psychro::AirState* System::find(std::string_view name) const {
  for (const NamedState& s : states)
    if (s.name == name) return &s.air;
  return nullptr;
}

namespace parts {

using psychro::Outcome;

Sizing sizeSupply(const SystemInputs& in, bool atCoilHumidity, bool allFresh) {
  Sizing s;
  if (!(in.φL > 0 && in.φL <= 1)) return refusal<Sizing>(Code::coilHumidityRange);
  if (!std::isfinite(in.heat) || !std::isfinite(in.moisture))
    return refusal<Sizing>(Outcome::outOfBounds);
  s.ε = roomEpsilon(in.heat, in.moisture);
  if (std::isnan(s.ε)) return refusal<Sizing>(Code::roomLoadsZero);
  const Outlet o = atCoilHumidity ? supplyAtHumidity(in.room, s.ε, in.φL, in.pa, in.arithmetic)
                                  : supplyPoint(in.room, s.ε, in.Δt, in.pa, in.arithmetic);
  if (!o.ok()) return refusal<Sizing>(o.why);
  s.O = o.air;
  s.G = supplyAirFlow(in.heat, in.moisture, in.room, s.O);
  if (!(s.G > 0) || !std::isfinite(s.G)) return refusal<Sizing>(Code::supplyFlowNotPositive);
  s.GW = allFresh ? s.G : in.fresh.isFlow ? in.fresh.value : in.fresh.value * s.G;
  if (!allFresh && !(s.GW > 0 && s.GW < s.G)) return refusal<Sizing>(Code::freshShareRange);
  return s;
}

CoilDuty coilDuty(const psychro::AirState& in, const psychro::AirState& out, double G) {
  const Loads l = loads(figures(in, out), G);
  return {.total = -l.total, .sensible = -l.sensible, .latent = -l.latent, .condensate = -l.water};
}

void setCommonFigures(System& s, const SystemInputs& in, const Sizing& size, double GW) {
  s.ε = size.ε;
  s.G = size.G;
  s.freshFlow = GW;
  s.supplyVolume = volumeFlow(size.G, size.O);
  s.freshVolume = volumeFlow(GW, in.outdoor);
  s.roomLoad = size.G * (in.room.h - size.O.h);
  s.freshLoad = GW * (in.outdoor.h - in.room.h);
}

std::size_t addState(System& s, std::string_view name, const psychro::AirState& air) {
  s.states.push_back({name, air});
  return s.states.size() - 1;
}

void addStep(System& s, StepKind kind, std::size_t from, std::size_t to, double G) {
  s.steps.push_back({.kind = kind, .from = from, .to = to, .G = G});
}

void addMixing(System& s, std::size_t a, double ga, std::size_t b, double gb, std::size_t to) {
  s.steps.push_back(
      {.kind = StepKind::mix, .from = a, .to = to, .G = ga, .other = b, .otherG = gb});
}

}  // namespace parts
}  // namespace process

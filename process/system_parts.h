#pragma once

#include <cstddef>
#include <string_view>

#include "process/systems.h"

// What the standard systems (process/systems.h) share: sizing the supply air from the room's loads,
// the fresh-air flow, a coil's duty and the recording of states and steps.
namespace process::parts {

// The supply state O, the room's ε, kJ/kg, the supply air G and the fresh air GW, kg/s of dry air,
// or the refusal.
struct Sizing {
  psychro::AirState O;
  double ε = 0, G = 0, GW = 0;
  Refusal why;

  bool ok() const { return why == Refusal{}; }
};

// ε = 3600·Q/W (roomEpsilon), O = supplyPoint(N, ε, Δt) or, with atCoilHumidity (露点送风), the
// point of the ε line at φL (supplyAtHumidity), G = supplyAirFlow(Q, W, N, O). Refusals:
// coilHumidityRange (φL outside (0, 1]), outOfBounds (Q or W not finite), roomLoadsZero, those of
// the supply point, supplyFlowNotPositive (G not positive and finite). GW is the given fresh-air
// flow, or the share times G; with allFresh, G itself. Refused after those: freshShareRange (GW not
// within (0, G), unless allFresh).
Sizing sizeSupply(const SystemInputs& in, bool atCoilHumidity = false, bool allFresh = false);

// The duty of a coil taking G kg/s of dry air from in to out (loads of process/figures.h, signed
// as the coil takes them).
CoilDuty coilDuty(const psychro::AirState& in, const psychro::AirState& out, double G);

// A system of the kind R that only refuses, for the reason why: a process's refusal, a code of
// the systems' own, or the arithmetic's outcome.
template <class R>
R refusal(const Refusal& why) {
  R r;
  r.why = why;
  return r;
}
template <class R>
R refusal(Code why) {
  return refusal<R>(Refusal{why, psychro::Outcome::ok});
}
template <class R>
R refusal(psychro::Outcome why) {
  return refusal<R>(Refusal{Code::arithmetic, why});
}

// The common figures of s: ε and G of the sizing, the fresh air G_W, kg/s, both as volumes, m³/h
// (G at O, G_W at W), the room's load G·(h_N − h_O) and the fresh air's G_W·(h_W − h_N), kW.
void setCommonFigures(System& s, const SystemInputs& in, const Sizing& size, double GW);

// The index of the state added to s under name.
std::size_t addState(System& s, std::string_view name, const psychro::AirState& air);

// A process of s from `from` to `to` with G kg/s, and a mixing of a (ga kg/s) and b (gb) into to.
void addStep(System& s, StepKind kind, std::size_t from, std::size_t to, double G);
void addMixing(System& s, std::size_t a, double ga, std::size_t b, double gb, std::size_t to);

}  // namespace process::parts

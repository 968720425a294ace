#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "process/refusal.h"
#include "psychro/air_state.h"
#include "psychro/pair_state.h"

// The standard air-handling systems of a design office, each built in one step from its inputs:
// 一次回风 (summer and winter), 二次回风, 全新风 (直流) and 风机盘管加新风. Each gives its states
// under the names engineers give them, the processes between them with their dry-air flows, and its
// loads, or exactly one refusal (process::Refusal) and nothing else.
//
// Units are those of psychro/air_state.h (t °C, φ a fraction, d kg/kg, h kJ per kg of dry air);
// flows G are kg/s of dry air, loads kW, water kg/h. Every state is computed by the process
// functions (process/processes.h) or psychro::stateFromPair at the pressure and arithmetic of the
// inputs, so each shows exactly what the main window shows for it. The textbook relations used
// throughout (dry-air mass conserved along a stream, mixing by flow-weighted h and d):
//   ε = 3600·Q/W (Q kW, W kg/h), O on the room's ε line at t_O = t_N − Δt (supplyPoint),
//   G = Q/(h_N − h_O) (supplyAirFlow), the fresh-air flow G_W = m·G (or as given).
// Loads are positive as the unit takes them: a coil's cooling, a heater's heating. The room's load
// G·(h_N − h_O) and the fresh air's G_W·(h_W − h_N) are signed as written: positive in summer,
// negative where the room or the fresh air needs heat.
namespace process {

// The fresh air of a system: its share of the supply air by dry-air mass (fraction), or its flow,
// kg/s of dry air.
struct FreshAir {
  double value = 0.2;
  bool isFlow = false;
};

// What every system takes.
struct SystemInputs {
  psychro::AirState outdoor;  // W
  psychro::AirState room;     // N
  double heat = 0;            // 余热 Q, kW; negative where the room loses heat (winter)
  double moisture = 0;        // 余湿 W, kg/h
  FreshAir fresh;             // ignored by 全新风, whose fresh air is all of G
  double Δt = 8;              // 送风温差, K: t_O = t_N − Δt (negative in winter)
  double φL = 0.95;           // the coil's leaving humidity at the 机器露点 state L, fraction
  double pa = psychro::standardPressure;  // total pressure, Pa, kept in range by the caller
  psychro::Arithmetic arithmetic = psychro::Arithmetic::classic;
};

// A state of a system under the name engineers give it: W outdoor, W′ preheated outdoor air, N
// room, C (C₁) mixed, H after a heater, L the coil's or humidifier's leaving state, M the
// fan-coil's leaving state, O supply.
struct NamedState {
  std::string_view name;  // UTF-8
  psychro::AirState air;
};

// The kinds of process a system is made of. `room` is the room's own process, from the supply state
// O to the room state N along the line of ε (the design's 送风状态点 drawn from N).
enum class StepKind { mix, heat, coolAndDry, humidifyAdiabatic, humidifyIsothermal, room };

// One process of a system, its states as indices into System::states.
struct Step {
  StepKind kind = StepKind::mix;
  std::size_t from = 0;   // the inlet (a mixing: its first stream)
  std::size_t to = 0;     // the outlet
  double G = 0;           // dry air through it, kg/s (a mixing: the first stream's)
  std::size_t other = 0;  // a mixing's second stream
  double otherG = 0;      // its flow, kg/s; the outlet carries G + otherG
};

// A coil's duty for its dry-air flow G: total G·(h_in − h_out) kW, latent G·2501·(d_in − d_out) kW,
// sensible the rest (the split of process/figures.h), condensate G·(d_in − d_out)·3600 kg/h.
struct CoilDuty {
  double total = 0, sensible = 0, latent = 0;  // kW
  double condensate = 0;                       // kg/h
};

// What every system gives. On a refusal only why: no states, no steps, figures zero.
struct System {
  Refusal why;
  std::vector<NamedState> states;
  std::vector<Step> steps;
  double ε = 0;             // the room's heat-moisture ratio, kJ/kg
  double G = 0;             // supply air, kg/s
  double freshFlow = 0;     // G_W, kg/s
  double supplyVolume = 0;  // G as humid air at the supply state O, m³/h (volumeFlow)
  double freshVolume = 0;   // G_W as humid air at the outdoor state W, m³/h
  double roomLoad = 0;      // G·(h_N − h_O), kW (Q itself, to the rounding of the solve)
  double freshLoad = 0;     // G_W·(h_W − h_N), kW

  bool ok() const { return why == Refusal{}; }
  // The state named name, or none.
  const psychro::AirState* find(std::string_view name) const;
};

// 一次回风 and 全新风, summer.
struct CoolingSystem : System {
  CoilDuty coil;      // C → L (全新风: W → L)
  double reheat = 0;  // L → O, kW; zero with 露点送风
};

// 二次回风, summer.
struct TwoReturnSystem : System {
  double primaryFlow = 0;  // G₁, kg/s: the air through the coil
  CoilDuty coil;           // C₁ → L
};

// Which unit of a 风机盘管加新风 system takes the room's latent load.
enum class LatentTaker { fanCoil, freshAirUnit, both };

// 风机盘管加新风.
struct FanCoilSystem : System {
  CoilDuty freshUnit;  // the fresh-air unit, W → L, with G_W
  CoilDuty fanCoil;    // the fan-coil, N → M, with G − G_W
  // The room's latent load G·2501·(d_N − d_O), kW, as the two share it: the fresh-air unit's part
  // G_W·2501·(d_N − d_L) (negative where L is wetter than the room: the fan-coil then takes some of
  // the fresh air's moisture too) and the fan-coil's (G − G_W)·2501·(d_N − d_M).
  double freshUnitRoomLatent = 0, fanCoilRoomLatent = 0;
  // fanCoil where the fresh-air unit's part is none or negative, freshAirUnit where the fan-coil's
  // is none (it runs dry), both otherwise; a part under 0.005 kW (half the last digit a load shows)
  // counts as none.
  LatentTaker latentBy = LatentTaker::fanCoil;
};

// 一次回风, winter.
struct WinterSystem : System {
  std::optional<double> preheatTo;  // W → W′ at constant d to this dry bulb, °C, if preheated
  double preheat = 0;               // G_W·(h_W′ − h_W), kW
  double heating = 0;               // the first heater C → H, kW
  double humidifierHeat = 0;        // steam: G·(h_O − h_H), kW; adiabatic spray: none
  double reheat = 0;                // adiabatic: L → O, kW
  double water = 0;                 // the humidifier's water G·(d_O − d_C)·3600, kg/h
};

// 一次回风, summer. C mixes N and W (G − G_W : G_W); O lies on the ε line at t_N − Δt; the coil
// takes C to L at d_O and φL (coolAndDry) and a reheater L to O. With dewPointSupply (露点送风, the
// largest Δt, Δt of the inputs unused) O is the point of the ε line at φL (supplyAtHumidity) and L
// is O: no reheat. A supply state at φL to within 10⁻⁹ K is taken as L itself.
// States W, N, C, L, O (露点送风: W, N, C, L); steps N+W → C, C → L, L → O (not with 露点送风),
// room O → N (L → N). Property: coil.total = roomLoad + reheat + freshLoad, since
// h_C = h_N + m·(h_W − h_N).
// Refusals: φL outside (0, 1] (coilHumidityRange); Q and W both zero (roomLoadsZero), not finite
// (outOfBounds); the supply point's own (supplyPoint); G not positive (supplyFlowNotPositive); the
// fresh air outside (0, G) (freshShareRange); the mixing's and the coil's own (mixtureFogs,
// notCoolerAndDrier); O more humid than φL, so that L would be warmer than O
// (supplyAboveCoilHumidity); with 露点送风, an ε line that never reaches φL
// (coilHumidityNotOnLine).
CoolingSystem oneReturnSummer(const SystemInputs& in, bool dewPointSupply = false);

// 全新风 (直流), summer: 一次回风 with all of the supply air fresh (G_W = G; inputs' fresh unused):
// the coil takes W itself to L; states W, N, L, O; steps W → L, L → O, room O → N. The same
// property and refusals, less the mixing's.
CoolingSystem allFreshSummer(const SystemInputs& in, bool dewPointSupply = false);

// 二次回风, summer. O on the ε line at t_N − Δt; L the point of the line from N through O, extended
// beyond O, at φL (supplyAtHumidity); the secondary mixing of L with N lands on O, so the coil's
// primary air is G₁ = G·(h_N − h_O)/(h_N − h_L) and no reheat is needed. The fresh air G_W mixes
// with G₁ − G_W of return air N to C₁ (C₁ is W itself where G_W equals G₁ to 10⁻¹² of it), and the
// coil takes C₁ to L. States W, N, C₁, L, O; steps N+W → C₁, C₁ → L, L+N → O (G₁ : G − G₁),
// room O → N. Property: coil.total = roomLoad + freshLoad.
// Refusals: as oneReturnSummer's; L not beyond O (supplyAboveCoilHumidity); a line that never
// reaches φL (coilHumidityNotOnLine); G_W above G₁ (freshAirExceedsPrimary).
TwoReturnSystem twoReturnSummer(const SystemInputs& in);

// Where a fresh-air unit takes the fresh air: to φL on the room's h (机器露点 at h_N), to φL at the
// room's d, or to a given state (any pair psychro::stateFromPair takes).
enum class FreshAirTarget { roomEnthalpy, roomMoisture, given };

struct FreshAirUnit {
  FreshAirTarget target = FreshAirTarget::roomEnthalpy;
  psychro::Given a{psychro::Quantity::t, 0}, b{psychro::Quantity::rh, 0};  // for `given`
};

// 风机盘管加新风. O on the ε line at t_N − Δt; the fresh-air unit takes W to L (coolAndDry) with
// G_W; the fan-coil takes N to M with G − G_W, and L and M mix to O, so
// M = (G·O − G_W·L)/(G − G_W) in h and d, its state from them. States W, N, L, M, O; steps W → L,
// N → M, L+M → O (G_W : G − G_W), room O → N. Property: freshUnit.total + fanCoil.total =
// roomLoad + freshLoad.
// Refusals: φL, the loads, the supply point and G as oneReturnSummer's; G_W outside (0, G)
// (freshShareRange); the fresh-air unit's own (coolAndDry: a target neither cooler nor drier than
// W); M beyond saturation (fanCoilPastSaturation); h_M at or above h_N (fanCoilWouldHeat); M
// wetter than N (notCoolerAndDrier) or with no state (noSuchState: d_M not positive).
FanCoilSystem fanCoilWithFreshAir(const SystemInputs& in, const FreshAirUnit& unit);

// How a winter system humidifies: steam (等温加湿) or an adiabatic spray (等焓加湿).
enum class Humidifier { steam, adiabatic };

// 一次回风, winter. O on the winter ε line at t_N − Δt (Δt < 0); C mixes N and W (G − G_W : G_W).
// Preheat: W to W′ at constant d, to preheatTo where given (always then); otherwise only where the
// mixture would fog, to the lowest whole degree above t_W at which it no longer does (one mixing
// per degree, at most up to 100 °C). Then
//   steam:     C → H, heated to t_O; H → O, 等温加湿 to d_O.
//   adiabatic: C → H, heated to the h of the state at d_O and φL (only where h_C is below it);
//              H (or C) → L, 等焓加湿 to d_O; L → O, reheated.
// States W, (W′,) N, C, H, (L,) O; steps (W → W′,) N+W → C (N+W′), the heater, the humidifier,
// (the reheater,) room O → N. Property: preheat + heating + humidifierHeat + reheat =
// −(roomLoad + freshLoad) (the spray water's own enthalpy neglected).
// Refusals: φL, the loads, the supply point and G as oneReturnSummer's; G_W outside (0, G)
// (freshShareRange); a preheat not warmer than W (heatingNotWarmer); a mixture that fogs at the
// given preheat, or at every whole degree (mixtureFogs); mixed air holding d_O or more
// (mixtureNeedsNoHumidifier); the heater's and humidifier's own (heatingNotWarmer where C is no
// cooler than O, or the sprayed air no cooler); with the spray, O more humid than φL
// (supplyAboveCoilHumidity).
WinterSystem oneReturnWinter(const SystemInputs& in, Humidifier humidifier,
                             std::optional<double> preheatTo = {});

}  // namespace process

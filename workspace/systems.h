#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/pair_calculation.h"
#include "process/systems.h"
#include "workspace/points.h"
#include "workspace/process_list.h"

// The standard systems as objects of the design: what each is built from, in the window's units,
// and the points it made. The arithmetic is process/systems.h; here is how a system becomes points
// and processes of the design, so that the chart, the tables and the file show it as any other.
namespace workspace {

enum class SystemKind {
  oneReturnSummer,  // 一次回风（夏季）
  twoReturnSummer,  // 二次回风（夏季）
  allFreshSummer,   // 全新风（直流，夏季）
  fanCoil,          // 风机盘管加新风
  oneReturnWinter,  // 一次回风（冬季）
};
inline constexpr std::array<SystemKind, 5> systemKinds{
    SystemKind::oneReturnSummer, SystemKind::twoReturnSummer, SystemKind::allFreshSummer,
    SystemKind::fanCoil, SystemKind::oneReturnWinter};

// The kind's name in the dialog and the menus: "一次回风（夏季）", …
std::string_view systemCaption(SystemKind kind);
// The kind's name in the file, which stays whatever the captions become: "one-return-summer", …
std::string_view systemKey(SystemKind kind);
std::optional<SystemKind> systemOfKey(std::string_view key);

// What a system is built from, in the window's units (°C, %, g/kg, kJ/kg, K).
struct SystemRequest {
  SystemKind kind = SystemKind::oneReturnSummer;
  std::string name;     // unique among the design's systems: "AHU-1"
  TypedPair outdoor;    // W, as the design keeps points
  TypedPair room;       // N
  double heat = 0;      // 余热 Q, kW (negative in winter)
  double moisture = 0;  // 余湿 W, kg/h
  double fresh = 20;    // the fresh-air share of the supply air by dry-air mass, %; or its flow
  bool freshIsFlow = false;     // fresh is a flow, kg/s of dry air
  double Δt = 8;                // 送风温差 t_N − t_O, K (negative in winter)
  double φL = 95;               // the coil's leaving φ at the 机器露点, %
  bool dewPointSupply = false;  // 露点送风 (一次回风 and 全新风, summer)
  // 风机盘管加新风: where the fresh-air unit takes the fresh air; for `given`, the state as a pair
  // and its values.
  process::FreshAirTarget target = process::FreshAirTarget::roomEnthalpy;
  calc::Pair targetPair{psychro::Quantity::t, psychro::Quantity::rh};
  double targetFirst = 0, targetSecond = 0;
  // 一次回风（冬季）: the humidifier, and the dry bulb the outdoor air is preheated to, °C (none:
  // only where the mixture would fog, to the lowest whole degree at which it does not).
  process::Humidifier humidifier = process::Humidifier::steam;
  std::optional<double> preheatTo;

  bool operator==(const SystemRequest&) const = default;
};

// A system of the design: its request, and the points it made in the order its arithmetic names the
// states (W, N, C, L, O, …), each under its role. Its processes are those whose outlets are its
// points.
struct SystemMember {
  std::string role;  // "W", "C₁", "W′"
  unsigned id = 0;   // the point's id
  bool operator==(const SystemMember&) const = default;
};
struct AirSystem {
  SystemRequest request;
  std::vector<SystemMember> members;
  bool operator==(const AirSystem&) const = default;
};

inline constexpr std::size_t maxSystemNameLength = 24;  // characters
inline constexpr std::size_t maxRoleBytes = 16;         // bytes of a role in a file

// A system's name as kept: its blanks at either end trimmed.
std::string systemName(std::string_view text);

// Why request cannot be a system among others (others[own] is the one it replaces): its name empty
// once blanks are trimmed (systemNameEmpty), over maxSystemNameLength characters
// (systemNameTooLong, detail the limit), holding a control character or a direction mark
// (systemNameControl), another system's (systemNameTaken, detail the name); an input not finite or
// out of its range (systemValueRange, detail its key in the file: "heat", "fresh", "dt", "coil",
// "preheat", "target"): φL within (0, 100] %, a share within (0, 100] %, a flow above zero, |Δt| at
// most 100 K, a preheat within −100…200 °C. The arithmetic refuses the rest when the system is
// built.
Refused checkSystem(const SystemRequest& request, const std::vector<AirSystem>& others,
                    std::size_t own = SIZE_MAX);

// The system's arithmetic for request with the outdoor state W and the room state N, at pa, Pa,
// with the arithmetic m: its states under their roles and its steps, or the refusal (why).
process::System buildSystem(const SystemRequest& request, const psychro::AirState& W,
                            const psychro::AirState& N, double pa, psychro::Arithmetic m);

// The design's process that makes state `step.to` of s: its request, the inlet and second stream
// the points ids[from] and ids[other]; none for the room's own process (O → N), which no point
// is made by.
std::optional<ProcessRequest> memberRequest(const process::System& s, const process::Step& step,
                                            const std::vector<unsigned>& ids);

// Whether the role is one the system takes from its inputs (W and N) rather than from a process.
bool givenRole(std::string_view role);

}  // namespace workspace

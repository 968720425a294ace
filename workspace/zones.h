#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "psychro/air_state.h"
#include "psychro/state_bounds.h"
#include "workspace/limits.h"
#include "workspace/refusal.h"

// Comfort zones and design envelopes on the 焓湿图: a name and inclusive bounds on t, φ, dew point,
// d and h (psychro::StateBounds, in the window's units). The chart draws a zone's outline
// (chart::zoneOutline); here is which states it holds.
namespace workspace {

struct Zone {
  std::string name;
  psychro::StateBounds bounds;

  bool operator==(const Zone&) const = default;
};

// The built-in zones, in this order (the window lists them so, and torvale-calc --zones prints
// them so):
//   供热工况 I级     22–24 ℃, φ ≥ 30 %          (GB 50736-2012, long-stay areas)
//   供热工况 II级    18–22 ℃                     (no humidity bound)
//   供冷工况 I级     24–26 ℃, φ 40–60 %
//   供冷工况 II级    26–28 ℃, φ ≤ 70 %
//   数据中心 推荐    18–27 ℃, dew point −9…15 ℃, φ ≤ 60 %   (data-centre envelopes, 2015)
//   数据中心 A1 允许 15–32 ℃, φ 8–80 %, dew point −12…17 ℃
inline constexpr std::size_t builtInZoneCount = 6;
const std::array<Zone, builtInZoneCount>& builtInZones();

// The name of hours in none of the zones counted: "区外".
inline constexpr std::string_view outsideName = "区外";

// True when zone holds the state air (at the pressure it was computed at): every bound met, values
// as computed, bounds inclusive.
inline bool holds(const Zone& zone, const psychro::AirState& air) {
  return psychro::holds(zone.bounds, air);
}

// The indices in zones of those holding air, in order.
std::vector<std::size_t> zonesHolding(std::span<const Zone> zones, const psychro::AirState& air);

// The quantities a zone may bound, in the order of psychro::StateBounds, by the keys the file
// gives them (and a refusal's detail names them by).
struct BoundKey {
  psychro::Bound psychro::StateBounds::*bound;
  std::string_view key;
};
inline constexpr std::array<BoundKey, 5> boundKeys{{
    {&psychro::StateBounds::t, "t"},
    {&psychro::StateBounds::rh, "rh"},
    {&psychro::StateBounds::tl, "tl"},
    {&psychro::StateBounds::d, "d"},
    {&psychro::StateBounds::h, "h"},
}};

// The zones of a design: the built-ins the user has turned on and the user's own zones.
struct ZoneSet {
  std::array<bool, builtInZoneCount> builtInOn{};  // all off unless turned on
  std::vector<Zone> user;

  bool operator==(const ZoneSet&) const = default;
  bool empty() const;  // nothing on and no user zone: the default, not written to the file
  // The zones in force: the built-ins that are on (in their order), then the user's zones.
  std::vector<Zone> active() const;
};

// Why zone may not join the user's zones of set, checked in this order: a name that is empty once
// blanks are trimmed (zoneNameEmpty), holds a control character or turns the direction of text
// (zoneNameControl); a bound that is not finite (zoneValueRange, detail "t.min" …), a φ bound
// outside 0…100 % (zoneHumidityRange, likewise), a lower bound above its upper (zoneBoundsReversed,
// detail the key "t" …), no bound at all (zoneNoBounds); a name over maxZoneNameBytes
// (zoneNameTooLong), a built-in zone's, another user zone's or 区外 (zoneNameTaken, detail the
// name); and set holding maxUserZones already (tooManyZones). None when it may; the name is taken
// with its blanks trimmed. The one check of a zone: the window's dialog and the file reader both
// add zones through Workspace::addZone, which makes it.
std::optional<Refusal> checkZone(const Zone& zone, const ZoneSet& set);

}  // namespace workspace

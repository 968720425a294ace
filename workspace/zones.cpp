#include "workspace/zones.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "workspace/names.h"

namespace workspace {
namespace {

psychro::Bound between(double low, double high) {
  return {low, high};
}
psychro::Bound atLeast(double low) {
  return {low, std::nullopt};
}
psychro::Bound atMost(double high) {
  return {std::nullopt, high};
}

}  // namespace

const std::array<Zone, builtInZoneCount>& builtInZones() {
  static const std::array<Zone, builtInZoneCount> zones = [] {
    std::array<Zone, builtInZoneCount> z;
    z[0].name = "供热工况 I级";
    z[0].bounds.t = between(22, 24);
    z[0].bounds.rh = atLeast(30);
    z[1].name = "供热工况 II级";
    z[1].bounds.t = between(18, 22);
    z[2].name = "供冷工况 I级";
    z[2].bounds.t = between(24, 26);
    z[2].bounds.rh = between(40, 60);
    z[3].name = "供冷工况 II级";
    z[3].bounds.t = between(26, 28);
    z[3].bounds.rh = atMost(70);
    z[4].name = "数据中心 推荐";
    z[4].bounds.t = between(18, 27);
    z[4].bounds.tl = between(-9, 15);
    z[4].bounds.rh = atMost(60);
    z[5].name = "数据中心 A1 允许";
    z[5].bounds.t = between(15, 32);
    z[5].bounds.rh = between(8, 80);
    z[5].bounds.tl = between(-12, 17);
    return z;
  }();
  return zones;
}

std::vector<std::size_t> zonesHolding(std::span<const Zone> zones, const psychro::AirState& air) {
  std::vector<std::size_t> held;
  for (std::size_t i = 0; i < zones.size(); ++i)
    if (holds(zones[i], air)) held.push_back(i);
  return held;
}

bool ZoneSet::empty() const {
  return user.empty() &&
         std::none_of(builtInOn.begin(), builtInOn.end(), [](bool on) { return on; });
}

std::vector<Zone> ZoneSet::active() const {
  std::vector<Zone> zones;
  for (std::size_t i = 0; i < builtInZoneCount; ++i)
    if (builtInOn[i]) zones.push_back(builtInZones()[i]);
  zones.insert(zones.end(), user.begin(), user.end());
  return zones;
}

std::optional<Refusal> checkZone(const Zone& zone, const ZoneSet& set) {
  const std::string& name = zone.name;
  if (name.find_first_not_of(" \t") == std::string::npos)
    return Refusal{Rule::zoneNameEmpty, {}, {}};
  if (hasControl(name) || turnsDirection(name)) return Refusal{Rule::zoneNameControl, {}, name};
  for (const BoundKey& k : boundKeys) {
    const psychro::Bound& b = zone.bounds.*k.bound;
    for (const auto& [side, value] : {std::pair{"min", b.min}, std::pair{"max", b.max}}) {
      if (!value) continue;
      const std::string where = std::string(k.key) + "." + side;
      if (!std::isfinite(*value)) return Refusal{Rule::zoneValueRange, {}, where};
      if (k.key == "rh" && !(*value >= 0 && *value <= 100))
        return Refusal{Rule::zoneHumidityRange, {}, where};
    }
    if (b.min && b.max && *b.min > *b.max)
      return Refusal{Rule::zoneBoundsReversed, {}, std::string(k.key)};
  }
  if (std::all_of(boundKeys.begin(), boundKeys.end(),
                  [&](const BoundKey& k) { return (zone.bounds.*k.bound).empty(); }))
    return Refusal{Rule::zoneNoBounds, {}, {}};
  if (name.size() > maxZoneNameBytes)
    return Refusal{Rule::zoneNameTooLong, {}, std::to_string(maxZoneNameBytes)};
  const auto named = [&](const Zone& z) { return z.name == name; };
  if (std::any_of(builtInZones().begin(), builtInZones().end(), named) ||
      std::any_of(set.user.begin(), set.user.end(), named) || name == outsideName)
    return Refusal{Rule::zoneNameTaken, {}, name};
  if (set.user.size() >= maxUserZones)
    return Refusal{Rule::tooManyZones, {}, std::to_string(maxUserZones)};
  return std::nullopt;
}

}  // namespace workspace

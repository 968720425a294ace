#include "workspace/zones.h"

#include <algorithm>

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

}  // namespace workspace

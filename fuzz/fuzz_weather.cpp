// The weather file's reader and what is computed from it, on arbitrary bytes as a .epw; the first
// byte's high bit picks the arithmetic. Every run must end in one of two ways, else the harness
// aborts:
//   - the file is refused with a message; or
//   - every record is either an hour with a state or skipped for a reason, the zones' hours and
//     the density grid count exactly those hours, and every percentage is finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <string_view>
#include <variant>

#include "document/words.h"
#include "workspace/weather.h"

namespace {

[[noreturn]] void violated(const char* what) {
  std::fprintf(stderr, "property violated: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const psychro::Arithmetic m =
      (data[0] & 0x80) != 0 ? psychro::Arithmetic::ashrae2017 : psychro::Arithmetic::classic;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto read = workspace::readEpw(text);
  if (const auto* why = std::get_if<workspace::WeatherRefusal>(&read)) {
    if (document::words(*why).empty()) violated("refused without a message");
    return 0;
  }
  const workspace::WeatherFile& file = std::get<workspace::WeatherFile>(read);
  const double pa = workspace::sitePressure(file).value_or(101325);
  const workspace::WeatherStates states = workspace::weatherStates(file, pa, m);
  if (states.hours.size() + states.skipped.total() != file.records.size())
    violated("records neither used nor skipped");
  for (const workspace::HourState& h : states.hours)
    if (!std::isfinite(h.air.t) || !std::isfinite(h.air.d) || !std::isfinite(h.air.h))
      violated("an hour without a finite state");
  const auto& zones = workspace::builtInZones();
  const workspace::ZoneHours hours = workspace::zoneHours(states, zones);
  if (hours.total != states.hours.size()) violated("the zones count other hours");
  for (std::size_t n : hours.inside)
    if (n > hours.total || !std::isfinite(hours.percent(n))) violated("a zone's hours");
  const workspace::DensityGrid grid = workspace::densityGrid(states);
  if (std::accumulate(grid.counts.begin(), grid.counts.end(), std::size_t{0}) !=
      states.hours.size())
    violated("the density grid counts other hours");
  return 0;
}

// Speed of the weather layer: a year of hourly records (8760) read from its .epw text, every state
// computed, the hours in each built-in zone counted and the density grid filled; and the outlines
// of the six built-in zones at the standard pressure.
#include <benchmark/benchmark.h>

#include <string>
#include <variant>

#include "chart/zone_outline.h"
#include "support/epw_text.h"
#include "workspace/weather.h"
#include "workspace/zones.h"

namespace {

void ImportYear(benchmark::State& state) {
  const std::string text = testsupport::epwYear();
  std::size_t hours = 0;
  for (auto _ : state) {
    const auto read = workspace::readEpw(text);
    const auto* file = std::get_if<workspace::WeatherFile>(&read);
    if (file == nullptr) return state.SkipWithError("refused");
    const workspace::WeatherStates states =
        workspace::weatherStates(*file, workspace::sitePressure(*file).value_or(101325));
    benchmark::DoNotOptimize(workspace::zoneHours(states, workspace::builtInZones()));
    benchmark::DoNotOptimize(workspace::densityGrid(states));
    hours = states.hours.size();
  }
  state.counters["hours"] = static_cast<double>(hours);
  state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(ImportYear)->Unit(benchmark::kMillisecond);

void BuiltInZoneOutlines(benchmark::State& state) {
  for (auto _ : state)
    for (const workspace::Zone& z : workspace::builtInZones())
      benchmark::DoNotOptimize(chart::zoneOutline(z.bounds, 101325));
}
BENCHMARK(BuiltInZoneOutlines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

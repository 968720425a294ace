// Speed of the air-handling processes: the one with a solve (the leaving state towards an apparatus
// dew point) and the whole summer design example, each of whose steps the workspace recomputes when
// a point moves.
#include <benchmark/benchmark.h>

#include "document/process_table.h"
#include "process/figures.h"
#include "process/processes.h"

namespace {

using psychro::Quantity;
constexpr double pa = psychro::standardPressure;

void TowardsMachineDewPoint(benchmark::State& state) {
  const psychro::AirState in = psychro::stateFromPair({Quantity::t, 27}, {Quantity::rh, 0.6}).air;
  for (auto _ : state) benchmark::DoNotOptimize(process::coolAndDryToDewPoint(in, 10, 0.95, pa));
}
BENCHMARK(TowardsMachineDewPoint);

// Outdoor and room points, mixing, supply point, coil, reheat, and the coil's figures and loads
// with their texts.
void SummerExample(benchmark::State& state) {
  for (auto _ : state) {
    const auto w = psychro::stateFromPair({Quantity::t, 35}, {Quantity::rh, 0.6}, pa).air;
    const auto n = psychro::stateFromPair({Quantity::t, 26}, {Quantity::rh, 0.55}, pa).air;
    const auto c = process::mix(w, 0.2, n, 0.8, pa).air;
    const auto o = process::supplyPoint(n, 8000, 8, pa).air;
    const auto l = process::coolAndDry(c, {Quantity::d, o.d}, {Quantity::rh, 0.95}, pa).air;
    benchmark::DoNotOptimize(process::heat(l, o.t, pa));
    const process::Figures f = process::figures(c, l);
    const process::Loads loads = process::loads(f, process::dryAirFlow(10000, c));
    benchmark::DoNotOptimize(document::rowTexts(f, &loads));
  }
}
BENCHMARK(SummerExample);

}  // namespace

BENCHMARK_MAIN();

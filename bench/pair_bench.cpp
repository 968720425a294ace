// One whole calculation (state and eleven texts) from each pair of known quantities, on the state
// of the worked example at 25 ℃ and 50 % (shown values), and a warm humid one above 28 ℃.
#include <benchmark/benchmark.h>

#include "calc/pair_calculation.h"

namespace {

using Q = psychro::Quantity;

void Pair(benchmark::State& state, Q a, double va, Q b, double vb) {
  const calc::Pair pair{a, b};
  for (auto _ : state) {
    calc::Calculation c = calc::calculate(pair, va, vb, 101325);
    benchmark::DoNotOptimize(c);
    if (!c.ok()) state.SkipWithError("the pair gave a notice");
  }
}
BENCHMARK_CAPTURE(Pair, t_tw, Q::t, 25.0, Q::tw, 17.87);
BENCHMARK_CAPTURE(Pair, t_rh, Q::t, 25.0, Q::rh, 50.0);
BENCHMARK_CAPTURE(Pair, t_tl, Q::t, 25.0, Q::tl, 13.89);
BENCHMARK_CAPTURE(Pair, t_d, Q::t, 25.0, Q::d, 9.88);
BENCHMARK_CAPTURE(Pair, t_h, Q::t, 25.0, Q::h, 50.31);
BENCHMARK_CAPTURE(Pair, h_rh, Q::h, 50.31, Q::rh, 50.0);
BENCHMARK_CAPTURE(Pair, h_d, Q::h, 50.31, Q::d, 9.88);
BENCHMARK_CAPTURE(Pair, h_tl, Q::h, 50.31, Q::tl, 13.89);
BENCHMARK_CAPTURE(Pair, d_rh, Q::d, 9.88, Q::rh, 50.0);
BENCHMARK_CAPTURE(Pair, tl_rh, Q::tl, 13.89, Q::rh, 50.0);
BENCHMARK_CAPTURE(Pair, tw_rh, Q::tw, 17.87, Q::rh, 50.0);
BENCHMARK_CAPTURE(Pair, tw_tl, Q::tw, 17.87, Q::tl, 13.89);
BENCHMARK_CAPTURE(Pair, tw_d, Q::tw, 17.87, Q::d, 9.88);
BENCHMARK_CAPTURE(Pair, h_rh_warm, Q::h, 120.0, Q::rh, 60.0);
BENCHMARK_CAPTURE(Pair, tw_rh_warm, Q::tw, 32.0, Q::rh, 60.0);
BENCHMARK_CAPTURE(Pair, tl_rh_warm, Q::tl, 30.0, Q::rh, 60.0);

}  // namespace

BENCHMARK_MAIN();

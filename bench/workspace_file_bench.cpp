// Speed of the workspace file: a design of 1,000 points, 200 of them the outlets of processes,
// written to its text (save) and read back with every state computed again (open).
#include <benchmark/benchmark.h>

#include <string>
#include <variant>

#include "workspace/file.h"
#include "workspace/workspace.h"

namespace {

using psychro::Quantity;

// 800 points given by t and φ, and 200 heatings of them, each making an outlet.
workspace::Workspace largeDesign() {
  workspace::Workspace w;
  for (int i = 0; i < 800; ++i)
    w.add({{Quantity::t, Quantity::rh}, std::to_string(-10 + i % 45), std::to_string(20 + i % 60)});
  for (std::size_t i = 0; i < 200; ++i) {
    const unsigned from = w.points().points()[i].id;
    const double t = w.points().points()[i].result.air.t + 5;
    w.addProcess({workspace::ProcessKind::heat, from, 0, {}, t, 0,
                  workspace::Flow{10000, workspace::FlowUnit::cubicMetresPerHour}});
  }
  return w;
}

void SaveLargeDesign(benchmark::State& state) {
  const workspace::Workspace w = largeDesign();
  for (auto _ : state) benchmark::DoNotOptimize(workspace::workspaceText(w));
  state.counters["points"] = static_cast<double>(w.points().size());
}
BENCHMARK(SaveLargeDesign)->Unit(benchmark::kMillisecond);

void OpenLargeDesign(benchmark::State& state) {
  const std::string text = workspace::workspaceText(largeDesign());
  for (auto _ : state) {
    auto read = workspace::readWorkspace(text);
    if (!std::holds_alternative<workspace::Workspace>(read)) state.SkipWithError("refused");
    benchmark::DoNotOptimize(read);
  }
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(OpenLargeDesign)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

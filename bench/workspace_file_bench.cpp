// Speed of the workspace file: a design of 1,000 points, 200 of them the outlets of processes,
// written to its text (save) and read back with every state computed again (open); and the worst
// file to read, one object of as many distinct keys as the size limit holds, which the reader
// passes over as keys of a later version.
#include <benchmark/benchmark.h>

#include <algorithm>
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
    w.addProcess({workspace::ProcessKind::heat,
                  from,
                  0,
                  {},
                  t,
                  0,
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

// A workspace whose top object has, after its three keys, keys "0", "1", … up to count of them or
// as many as fit in the file size limit (count 0), each with the value 0.
std::string manyKeys(std::size_t count) {
  std::string text = "{\"format\": \"torvale-workspace\", \"version\": 1, \"pressure\": 101325";
  for (std::size_t i = 0; count == 0 || i < count; ++i) {
    const std::string entry = ",\"" + std::to_string(i) + "\":0";
    if (text.size() + entry.size() + 1 > workspace::maxFileBytes) break;
    text += entry;
  }
  return text + "}";
}

void OpenManyKeys(benchmark::State& state) {
  const std::string text = manyKeys(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    auto read = workspace::readWorkspace(text);
    if (!std::holds_alternative<workspace::Workspace>(read)) state.SkipWithError("refused");
    benchmark::DoNotOptimize(read);
  }
  state.counters["bytes"] = static_cast<double>(text.size());
  state.counters["keys"] = static_cast<double>(std::count(text.begin(), text.end(), ':') - 3);
}
// 100,000 keys, and the file of the most keys within the limit (about 1.4 million).
BENCHMARK(OpenManyKeys)->Arg(100000)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

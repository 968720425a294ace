// The document's history on a design of 10,000 points: a step recorded (a rename), and the
// memory 200 of them hold, estimated by the history and measured as the process's resident size,
// against the limit (document::historyMemory) past which the oldest steps go.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "calc/number_text.h"
#include "document/document.h"
#include "support/memory_file_system.h"

namespace {

// Resident memory of this process, MiB (Linux: /proc/self/statm, in pages).
double residentMiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * 4096 / (1 << 20);
}

workspace::Workspace manyPoints(int n) {
  workspace::Workspace w;
  for (int i = 0; i < n; ++i)
    w.add({{psychro::Quantity::t, psychro::Quantity::rh},
           calc::formatFixed(40.0 * (i % 97) / 96, 2),
           calc::formatFixed(20 + 70.0 * (i % 89) / 88, 1)});
  return w;
}

void RenameInALargeDesign(benchmark::State& state) {
  testsupport::MemoryFileSystem fs;
  document::Document d(fs);
  d.open(manyPoints(10000), "/a.torvale");
  const double before = residentMiB();
  int i = 0;
  for (auto _ : state) {
    std::string name = "P";  // appended, which keeps g++ 12's -Wrestrict quiet
    name += std::to_string(++i);
    d.renamePoint(0, name);
  }
  state.counters["steps kept"] = static_cast<double>(d.history().size());
  state.counters["history MiB (estimate)"] = static_cast<double>(d.history().memory()) / (1 << 20);
  state.counters["resident MiB grown"] = residentMiB() - before;
}
BENCHMARK(RenameInALargeDesign)->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// The table of state points at scale: adding, renaming and deleting one point in a window that
// already holds many, through the window as a user does it (the table view sized to its texts,
// the row selected, the chart told to repaint). Each should stay under 5 ms at 10,000 points.
// The repaint runs later, once for any number of changes before it.
// Argument: the points already there.
#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QTableView>
#include <memory>
#include <string>

#include "calc/number_text.h"
#include "ui/chart_window.h"

namespace {

workspace::TypedPair pointNumber(int i) {
  // Spread over the default view: 0…40 °C, 20…90 %.
  return {{psychro::Quantity::t, psychro::Quantity::rh},
          calc::formatFixed(40.0 * (i % 97) / 96, 2),
          calc::formatFixed(20 + 70.0 * (i % 89) / 88, 1)};
}

// A shown window with n points and the last row selected, as after adding them one by one.
std::unique_ptr<ui::ChartWindow> windowWith(int n) {
  auto window = std::make_unique<ui::ChartWindow>();
  window->show();
  for (int i = 0; i < n; ++i) window->document().addPoint(pointNumber(i));
  QApplication::processEvents();
  return window;
}

void AddPoint(benchmark::State& state) {
  const auto window = windowWith(static_cast<int>(state.range(0)));
  QAction* remove = window->findChild<QAction*>("DeletePoint");
  int i = 0;
  for (auto _ : state) {
    window->document().addPoint(pointNumber(++i));
    state.PauseTiming();
    window->table().selectRow(window->table().model()->rowCount() - 1);
    remove->trigger();
    state.ResumeTiming();
  }
}
BENCHMARK(AddPoint)->Arg(250)->Arg(2750)->Arg(10000)->Unit(benchmark::kMillisecond);

void RenamePoint(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto window = windowWith(n);
  QAbstractItemModel& model = *window->table().model();
  const QModelIndex middle = model.index(n / 2, 0);
  int i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(model.setData(middle, QStringLiteral("室外 %1").arg(++i)));
}
BENCHMARK(RenamePoint)->Arg(250)->Arg(2750)->Arg(10000)->Unit(benchmark::kMillisecond);

void DeletePoint(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto window = windowWith(n);
  QAction* remove = window->findChild<QAction*>("DeletePoint");
  int i = 0;
  for (auto _ : state) {
    state.PauseTiming();
    window->table().selectRow(n / 2);
    state.ResumeTiming();
    remove->trigger();
    state.PauseTiming();
    window->document().addPoint(pointNumber(++i));
    state.ResumeTiming();
  }
}
BENCHMARK(DeletePoint)->Arg(250)->Arg(2750)->Arg(10000)->Unit(benchmark::kMillisecond);

// For comparison: the same with the repaint the user then waits for, which draws every point and
// tries a place for every label, so grows with the points.
void AddPointAndRepaint(benchmark::State& state) {
  const auto window = windowWith(static_cast<int>(state.range(0)));
  QAction* remove = window->findChild<QAction*>("DeletePoint");
  int i = 0;
  for (auto _ : state) {
    window->document().addPoint(pointNumber(++i));
    QApplication::processEvents();
    state.PauseTiming();
    window->table().selectRow(window->table().model()->rowCount() - 1);
    remove->trigger();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(AddPointAndRepaint)->Arg(250)->Arg(2750)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

// The window needs a Qt application; the offscreen platform needs no display.
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

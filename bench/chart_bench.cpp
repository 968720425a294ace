// Redraw of the h-d chart: everything one paint does (lines computed and clipped, grid, labels
// placed, text drawn, antialiased) onto an image the size of a large window. With 50 points and
// their labels it should stay under 30 ms (also with processes drawn between them and ε lines
// through them); an extreme state must cost no more than a normal one. So should a year of hourly
// weather drawn as its density layer with all six built-in comfort zones on and labelled.
// Arguments: logical width, height, device pixel ratio.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <variant>

#include "calc/number_text.h"
#include "support/epw_text.h"
#include "ui/chart_drawing.h"
#include "workspace/workspace.h"

namespace {

enum class Scene { empty, fiftyPoints, extremeState, wholeSheet, withProcesses, climate };

void addPoints(workspace::Workspace& list, Scene which) {
  const calc::Pair tRh{psychro::Quantity::t, psychro::Quantity::rh};
  if (which == Scene::fiftyPoints || which == Scene::wholeSheet || which == Scene::withProcesses)
    for (int i = 0; i < 50; ++i)  // spread over the default view: 0…40 °C, 20…90 %
      list.add({tRh, calc::formatFixed(40.0 * (i % 10) / 9, 2),
                calc::formatFixed(20 + 70 * (i / 10) / 4.0, 1)});
  if (which == Scene::extremeState)  // about 1.7e11 kg/kg of vapour
    list.add({tRh, "100", "99.907594149"});
}

void ChartRedraw(benchmark::State& state, Scene which) {
  // Logical size, and device pixels per logical pixel (2 on a high-density screen).
  const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const auto ratio = static_cast<int>(state.range(2));
  QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  workspace::Workspace w;
  addPoints(w, which);
  // Ten mixings of neighbouring points (ten more points) and five ε lines.
  if (which == Scene::withProcesses)
    for (std::size_t i = 0; i < 10; ++i) {
      const unsigned a = w.points().points()[i * 4].id, b = w.points().points()[i * 4 + 5].id;
      w.addProcess({workspace::ProcessKind::mix, a, b, {}, 1, 2, {}});
      if (i % 2) w.addEpsilonLine(a, 1000.0 * static_cast<double>(i));
    }
  if (which == Scene::extremeState) {
    const workspace::StatePoint& p = w.points().points().front();
    w.setCurrent(p.result.air, {p.pair, "100", "99.907594149"});
  }
  // A generated year (8760 hours) and every built-in zone.
  workspace::WeatherStates year;
  if (which == Scene::climate) {
    const auto file = workspace::readEpw(testsupport::epwYear());
    year = workspace::weatherStates(std::get<workspace::WeatherFile>(file), w.pressure());
    for (std::size_t i = 0; i < workspace::builtInZoneCount; ++i) w.setBuiltInZone(i, true);
  }
  ui::ChartScene scene;
  scene.workspace = &w;
  if (which == Scene::climate) scene.weather = &year;
  if (which == Scene::wholeSheet) scene.view = chart::sheetBounds();
  for (auto _ : state) {
    QPainter painter(&image);
    ui::drawChart(painter, QSizeF(size), scene);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK_CAPTURE(ChartRedraw, FiftyPoints, Scene::fiftyPoints)
    ->Args({1280, 960, 1})
    ->Args({720, 510, 1})
    ->Args({1280, 960, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChartRedraw, FiftyPointsTenProcesses, Scene::withProcesses)
    ->Args({1280, 960, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChartRedraw, Empty, Scene::empty)
    ->Args({1280, 960, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChartRedraw, ExtremeState, Scene::extremeState)
    ->Args({1280, 960, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChartRedraw, YearAndSixZones, Scene::climate)
    ->Args({1280, 960, 1})
    ->Args({1280, 960, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChartRedraw, WholeSheetFiftyPoints, Scene::wholeSheet)
    ->Args({1280, 960, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

// The painting needs a Qt GUI application; the offscreen platform needs no display.
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

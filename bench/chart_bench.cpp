// Redraw of the h-d chart: everything one paint does (curves computed, grid, labels placed, text
// drawn, antialiased) onto an image the size of a large window. Should stay under 30 ms.
// Arguments: logical width, height, device pixel ratio.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <optional>

#include "psychro/air_state.h"
#include "ui/chart_drawing.h"

namespace {

void ChartRedraw(benchmark::State& state, bool withState) {
  // Logical size, and device pixels per logical pixel (2 on a high-density screen).
  const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const auto ratio = static_cast<int>(state.range(2));
  QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  std::optional<psychro::AirState> air;
  if (withState) air = psychro::airt2tw(25, 20).air;
  for (auto _ : state) {
    QPainter painter(&image);
    ui::drawChart(painter, QSizeF(size), air);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK_CAPTURE(ChartRedraw, WithState, true)
    ->Args({1280, 960, 1})
    ->Args({720, 510, 1})
    ->Args({1280, 960, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChartRedraw, Empty, false)->Args({1280, 960, 1})->Unit(benchmark::kMillisecond);

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

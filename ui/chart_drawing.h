#pragma once

#include <QSizeF>

#include "chart/view.h"
#include "psychro/arithmetic.h"
#include "psychro/constants.h"
#include "workspace/workspace.h"

class QFontMetricsF;
class QPainter;

// Painting the h-d chart. Every number comes from chart/; this file only places and strokes it.
namespace ui {

// What one paint shows.
struct ChartScene {
  chart::View view = chart::defaultView();
  double pa = psychro::standardPressure;  // the total pressure the sheet is drawn at, Pa
  psychro::Arithmetic arithmetic = psychro::Arithmetic::classic;  // and the arithmetic of its lines
  // If given: its points drawn with their names, the lines of its processes and its ε lines
  // between them, and the main window's last state ringed.
  const workspace::Workspace* workspace = nullptr;
  // If given with a workspace: a weather layer's states, drawn under the lines for the months its
  // settings choose.
  const workspace::WeatherStates* weather = nullptr;
};

// The plot rectangle of a chart of this size, inside margins that hold the scales and titles as
// metrics measures them, and the mapping of view onto it.
chart::Mapping chartMapping(const chart::View& view, QSizeF size, const QFontMetricsF& metrics);

// Paints the whole chart over (0, 0, size) in the painter's logical coordinates and font: the
// weather layer, the fog region, the comfort zones, grid, φ curves, enthalpy lines, scales and
// notes, the processes and the ε protractor, the points and their labels, the zones' names and the
// weather layer's legend. Leaves
// the painter's state as it found it.
void drawChart(QPainter& painter, QSizeF size, const ChartScene& scene);

}  // namespace ui

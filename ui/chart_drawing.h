#pragma once

#include <QSizeF>
#include <optional>

#include "chart/chart_model.h"
#include "psychro/air_state.h"

class QFontMetricsF;
class QPainter;

// Painting the h-d chart. Every number comes from chart/chart_model.h; this file only places and
// strokes them.
namespace ui {

// The plot rectangle of a chart of this size, inside margins that hold the axis labels and titles
// as metrics measures them, and the mapping of ranges onto it.
chart::Mapping chartMapping(const chart::Ranges& ranges, QSizeF size, const QFontMetricsF& metrics);

// Paints the whole chart over the rectangle (0, 0, size), in the painter's logical coordinates and
// font: background, grid, φ curves, enthalpy lines, axes, and the marks of air if given. The ranges
// are chart::rangesFor(air). Leaves the painter's state as it found it.
void drawChart(QPainter& painter, QSizeF size, const std::optional<psychro::AirState>& air);

}  // namespace ui

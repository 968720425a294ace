#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <vector>

#include "chart/label_board.h"
#include "chart/view.h"

class QFontMetricsF;
class QPainter;

namespace ui {

struct ChartScene;

// A comfort zone as painted: its name, its colour and its region in pixels (closed polygons).
struct PaintedZone {
  QString name;
  QColor colour;
  std::vector<std::vector<chart::Pixel>> parts;
};

// What lies under the chart's lines (the painter clipped to the plot), at scene's pressure and
// its workspace's arithmetic. First paintWeather: the weather layer, its hours of the chosen months
// as cells of 1 ℃ × 1 g/kg shaded from light to dark by their hours (or as dots where fewer than
// denseHours are shown); the most hours of a cell, for the legend (0 for dots or no layer). The
// fog then covers what of the cells lies beyond the saturation curve. Then paintZones: the zones
// in force as shaded regions with their outlines; the zones painted, for their labels.
inline constexpr std::size_t denseHours = 500;
unsigned paintWeather(QPainter& painter, const chart::Mapping& map, const ChartScene& scene);
std::vector<PaintedZone> paintZones(QPainter& painter, const chart::Mapping& map,
                                    const ChartScene& scene);

// The density layer's legend (hours per cell, from 1 to most) in the plot's upper left corner:
// its box, and painting it there.
QRectF densityLegendBox(const QRectF& plot, const QFontMetricsF& metrics);
void paintDensityLegend(QPainter& painter, const QRectF& box, const QFontMetricsF& metrics,
                        unsigned most);

}  // namespace ui

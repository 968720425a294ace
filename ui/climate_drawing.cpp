#include "ui/climate_drawing.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "chart/label_places.h"
#include "chart/sheet.h"
#include "chart/zone_outline.h"
#include "ui/captions.h"
#include "ui/chart_drawing.h"
#include "workspace/weather.h"
#include "workspace/workspace.h"

namespace ui {
namespace {

// The density ramp, from a cell of one hour to the fullest cell.
constexpr QRgb fewHours = qRgb(0xe4, 0xe9, 0xf0);
constexpr QRgb mostHours = qRgb(0x34, 0x45, 0x5c);
constexpr QRgb dotInk = qRgb(0x34, 0x45, 0x5c);
constexpr QRgb legendInk = qRgb(0x2a, 0x2e, 0x34);

// The built-in zones' colours, in their order, then those the user's zones take in turn.
constexpr QRgb builtInColours[] = {qRgb(0xd8, 0x6a, 0x00), qRgb(0xa6, 0x7c, 0x00),
                                   qRgb(0x00, 0x89, 0x7b), qRgb(0x2e, 0x8b, 0x3a),
                                   qRgb(0x8e, 0x24, 0xaa), qRgb(0xc2, 0x18, 0x5b)};
constexpr QRgb userColours[] = {qRgb(0x00, 0x7c, 0xa8), qRgb(0x6d, 0x4c, 0x41),
                                qRgb(0x3f, 0x51, 0xb5), qRgb(0x82, 0x77, 0x17)};

QColor blend(QRgb from, QRgb to, double share) {
  const auto mix = [share](int a, int b) {
    return static_cast<int>(std::lround(a + (b - a) * share));
  };
  return QColor(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)),
                mix(qBlue(from), qBlue(to)));
}

// A cell's shade: the square root of its share of the fullest cell, so that the few hours of the
// fringes still show beside the hundreds of the middle.
QColor cellColour(std::uint32_t count, std::uint32_t most) {
  const double share = most > 1 ? std::sqrt((count - 1.0) / (most - 1.0)) : 1.0;
  return blend(fewHours, mostHours, share);
}

QPointF pixelOf(const chart::Mapping& map, chart::SheetPoint s) {
  const chart::Pixel px = map.toPixel(s);
  return {px.x, px.y};
}

unsigned paintHours(QPainter& p, const chart::Mapping& map, const workspace::WeatherStates& states,
                    const workspace::MonthSet& months, psychro::Arithmetic m) {
  std::size_t shown = 0;
  for (const workspace::HourState& h : states.hours)
    if (h.month == 0 ? months.all() : months.test(static_cast<std::size_t>(h.month - 1))) ++shown;
  if (shown == 0) return 0;
  if (shown < denseHours) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(dotInk));
    for (const workspace::HourState& h : states.hours)
      if (h.month == 0 ? months.all() : months.test(static_cast<std::size_t>(h.month - 1)))
        p.drawEllipse(pixelOf(map, chart::sheetPoint(h.air)), 1.6, 1.6);
    return 0;
  }
  const workspace::DensityGrid grid = workspace::densityGrid(states, months);
  // The corners of the cells, each isotherm's point at each d computed once.
  const auto columns = static_cast<std::size_t>(grid.columns) + 1;
  std::vector<QPointF> corner(columns * (static_cast<std::size_t>(grid.rows) + 1));
  for (int r = 0; r <= grid.rows; ++r)
    for (int c = 0; c <= grid.columns; ++c)
      corner[static_cast<std::size_t>(r) * columns + static_cast<std::size_t>(c)] =
          pixelOf(map, chart::atTemperature(grid.tFirst + c, grid.dFirst + r, m));
  const auto at = [&](int c, int r) {
    return corner[static_cast<std::size_t>(r) * columns + static_cast<std::size_t>(c)];
  };
  // Cells side by side, without antialiasing and each edged in its own shade, so that no seam of
  // paper shows between two where their edges round apart.
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int r = 0; r < grid.rows; ++r)
    for (int c = 0; c < grid.columns; ++c) {
      const std::uint32_t n = grid.at(c, r);
      if (n == 0) continue;
      const QColor shade = cellColour(n, grid.most);
      p.setPen(QPen(shade, 0));
      p.setBrush(shade);
      p.drawPolygon(QPolygonF{at(c, r), at(c + 1, r), at(c + 1, r + 1), at(c, r + 1)});
    }
  return grid.most;
}

}  // namespace

unsigned paintWeather(QPainter& p, const chart::Mapping& map, const ChartScene& scene) {
  if (!scene.workspace || !scene.weather) return 0;
  p.save();
  const unsigned most = paintHours(p, map, *scene.weather, scene.workspace->weather().months,
                                   scene.workspace->arithmetic());
  p.restore();
  return most;
}

std::vector<PaintedZone> paintZones(QPainter& p, const chart::Mapping& map,
                                    const ChartScene& scene) {
  std::vector<PaintedZone> painted;
  if (!scene.workspace) return painted;
  const workspace::Workspace& w = *scene.workspace;
  // The zones in force, in the order of ZoneSet::active, each with its colour.
  const workspace::ZoneSet& set = w.zones();
  std::vector<std::pair<const workspace::Zone*, QRgb>> zones;
  for (std::size_t i = 0; i < workspace::builtInZoneCount; ++i)
    if (set.builtInOn[i]) zones.emplace_back(&workspace::builtInZones()[i], builtInColours[i]);
  for (std::size_t i = 0; i < set.user.size(); ++i)
    zones.emplace_back(&set.user[i], userColours[i % std::size(userColours)]);
  p.save();
  for (const auto& [zone, rgb] : zones) {
    PaintedZone z{QString::fromStdString(zone->name), QColor(rgb), {}};
    for (const chart::Polyline& part : chart::zoneOutline(zone->bounds, scene.pa, w.arithmetic()))
      z.parts.push_back(chart::toPixels(map, part));
    QColor fill = z.colour;
    fill.setAlpha(46);
    QColor edge = z.colour;
    edge.setAlpha(220);
    p.setPen(QPen(edge, 1.4));
    p.setBrush(fill);
    for (const std::vector<chart::Pixel>& part : z.parts) {
      QPolygonF polygon;
      polygon.reserve(static_cast<qsizetype>(part.size()));
      for (const chart::Pixel& px : part) polygon << QPointF(px.x, px.y);
      p.drawPolygon(polygon);
    }
    painted.push_back(std::move(z));
  }
  p.restore();
  return painted;
}

QRectF densityLegendBox(const QRectF& plot, const QFontMetricsF& metrics) {
  const double line = metrics.height();
  const double width =
      std::max(metrics.horizontalAdvance(QString::fromUtf8(captions::densityLegend)), 6 * line);
  return {plot.left() + 8, plot.top() + 8, width + 12, 3 * line + 12};
}

void paintDensityLegend(QPainter& p, const QRectF& box, const QFontMetricsF& metrics,
                        unsigned most) {
  const double line = metrics.height();
  p.save();
  p.setPen(QPen(QColor(legendInk), 0.8));
  p.setBrush(QColor(255, 255, 255, 230));
  p.drawRect(box);
  const QRectF inner = box.adjusted(6, 6, -6, -6);
  p.drawText(QRectF(inner.left(), inner.top(), inner.width(), line),
             Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(captions::densityLegend));
  const QRectF ramp(inner.left(), inner.top() + line + 2, inner.width(), line - 4);
  QLinearGradient gradient(ramp.topLeft(), ramp.topRight());
  for (int i = 0; i <= 8; ++i) {
    const double share = i / 8.0;
    // The ramp as the cells take it: the square root of the share of the fullest.
    gradient.setColorAt(share, blend(fewHours, mostHours, std::sqrt(share)));
  }
  p.setBrush(gradient);
  p.drawRect(ramp);
  const QRectF numbers(inner.left(), inner.top() + 2 * line, inner.width(), line);
  p.drawText(numbers, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("1"));
  p.drawText(numbers, Qt::AlignRight | Qt::AlignVCenter, QString::number(std::max(most, 1u)));
  p.restore();
}

}  // namespace ui

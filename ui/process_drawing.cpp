#include "ui/process_drawing.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "chart/label_places.h"
#include "chart/protractor.h"
#include "drawing/chart_texts.h"
#include "drawing/design_lines.h"
#include "process/figures.h"
#include "ui/captions.h"
#include "workspace/process_list.h"

namespace ui {
namespace {

constexpr QRgb processInk = qRgb(0x6a, 0x2c, 0x91);
constexpr QRgb epsilonInk = qRgb(0x0b, 0x7a, 0x75);
constexpr QRgb protractorInk = qRgb(0x4a, 0x50, 0x58);
constexpr double arrowLength = 10, arrowHalfWidth = 4;

QPointF pixelOf(const chart::Mapping& m, chart::SheetPoint s) {
  const chart::Pixel p = m.toPixel(s);
  return {p.x, p.y};
}

// A line from a to b ending in an arrowhead that touches b's mark.
void drawArrowLine(QPainter& painter, QPointF a, QPointF b, double markRadius) {
  const QLineF line(a, b);
  const double length = line.length();
  if (!(length > 2 * markRadius)) return;  // the marks touch: no room for a line
  const QPointF unit = (b - a) / length;
  const QPointF across(-unit.y(), unit.x());
  const QPointF tip = b - unit * (markRadius + 1);
  const QPointF base = tip - unit * arrowLength;
  painter.drawLine(a + unit * markRadius, base);
  painter.drawPolygon(
      QPolygonF{tip, base + across * arrowHalfWidth, base - across * arrowHalfWidth});
}

QPolygonF polygon(const chart::Mapping& m, const chart::Polyline& line) {
  QPolygonF out;
  for (const chart::SheetPoint& s : line) {
    const chart::Pixel p = m.toPixel(s);
    out << QPointF(p.x, p.y);
  }
  return out;
}

QString epsilonLabel(double ε) {
  return QString::fromStdString(drawing::epsilonLabel(ε));
}

}  // namespace

void drawProcessLines(QPainter& painter, const chart::Mapping& mapping, const ChartScene& scene,
                      double markRadius) {
  if (!scene.workspace) return;
  QPen dashed(QColor(epsilonInk), 1);
  dashed.setDashPattern({8, 3, 2, 3});
  painter.setPen(dashed);
  painter.setBrush(Qt::NoBrush);
  for (const drawing::EpsilonThrough& l : drawing::epsilonLines(*scene.workspace))
    for (const chart::Polyline& part : chart::epsilonLine(l.through, l.ε, mapping.view))
      painter.drawPolyline(polygon(mapping, part));

  painter.setPen(QPen(QColor(processInk), 1.6));
  painter.setBrush(QColor(processInk));
  for (const drawing::ProcessArrow& a : drawing::processArrows(*scene.workspace))
    drawArrowLine(painter, pixelOf(mapping, a.from), pixelOf(mapping, a.to), markRadius);
}

std::vector<chart::Box> processLineBoxes(const chart::Mapping& mapping, const ChartScene& scene,
                                         bool epsilon) {
  constexpr double step = 4;  // pixels
  if (!scene.workspace) return {};
  std::vector<chart::Polyline> parts;
  const auto add = [&](const std::vector<chart::Polyline>& more) {
    parts.insert(parts.end(), more.begin(), more.end());
  };
  if (epsilon) {
    for (const drawing::EpsilonThrough& l : drawing::epsilonLines(*scene.workspace))
      add(chart::epsilonLine(l.through, l.ε, mapping.view));
  } else {
    for (const drawing::ProcessArrow& a : drawing::processArrows(*scene.workspace))
      add(chart::clipToView({a.from, a.to}, mapping.view));
  }
  return chart::boxesOver(mapping, parts, step);
}

std::vector<PlacedLabel> labelEpsilonLines(const chart::Mapping& mapping, const ChartScene& scene,
                                           chart::LabelBoard& board, const QFontMetricsF& metrics) {
  std::vector<PlacedLabel> placed;
  if (!scene.workspace) return placed;
  for (const drawing::EpsilonThrough& l : drawing::epsilonLines(*scene.workspace)) {
    const auto parts = chart::epsilonLine(l.through, l.ε, mapping.view);
    if (parts.empty()) continue;
    const QString text = epsilonLabel(l.ε);
    const double w = metrics.horizontalAdvance(text) + 6, h = metrics.height();
    if (auto b = board.take(chart::epsilonLabelPlaces(mapping, l.through, parts.front(), w, h)))
      placed.push_back({*b, text, epsilonInk});
  }
  return placed;
}

void drawProtractor(QPainter& painter, const chart::Mapping& mapping, chart::LabelBoard& board,
                    const QFontMetricsF& metrics) {
  const double line = metrics.height();
  const double labelWidth = metrics.horizontalAdvance(QStringLiteral("-5000")) + 4;
  const std::optional<chart::ProtractorPlace> place =
      chart::protractorPlace(mapping.area, line, labelWidth);
  if (!place) return;
  const chart::Pixel centre = place->centre;

  painter.save();
  painter.setPen(QPen(QColor(protractorInk), 0.9));
  painter.setBrush(Qt::NoBrush);
  const std::vector<chart::Ray> rays = chart::protractorRays(mapping, centre, place->radius);
  for (const chart::Ray& r : rays)
    painter.drawLine(QPointF(centre.x, centre.y), QPointF(r.end.x, r.end.y));
  painter.setBrush(QColor(protractorInk));
  painter.drawEllipse(QPointF(centre.x, centre.y), 2, 2);

  // Each value just beyond its ray's end; where two would cover each other the later is left out.
  // The protractor has two rays of constant d, up and down, told apart by their sign; the table's
  // ε has one meaning of "∞" (the sign is that of Δh, shown beside it).
  for (const chart::Ray& r : rays) {
    const QString shown = !std::isinf(r.ε) ? QString::fromStdString(workspace::epsilonText(r.ε))
                                           : QString::fromUtf8(r.ε < 0 ? "-∞" : "+∞");
    const double w = metrics.horizontalAdvance(shown) + 4;
    if (auto b = board.take({chart::protractorValueBox(*place, r, w, line)})) {
      painter.setPen(QColor(protractorInk));
      painter.drawText(QRectF(b->left, b->top, b->width, b->height), Qt::AlignCenter, shown);
    }
  }
  const QString title = QString::fromUtf8(captions::protractorTitle);
  const double tw = metrics.horizontalAdvance(title) + 4;
  if (auto b = board.take({chart::protractorTitleBox(*place, labelWidth, line, tw)})) {
    painter.setPen(QColor(protractorInk));
    painter.drawText(QRectF(b->left, b->top, b->width, b->height), Qt::AlignCenter, title);
  }
  board.keepClear(chart::protractorArea(*place, labelWidth, line));
  painter.restore();
}

}  // namespace ui

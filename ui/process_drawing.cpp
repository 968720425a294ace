#include "ui/process_drawing.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "chart/protractor.h"
#include "process/figures.h"
#include "ui/captions.h"
#include "workspace/process_rows.h"

namespace ui {
namespace {

constexpr QRgb processInk = qRgb(0x6a, 0x2c, 0x91);
constexpr QRgb epsilonInk = qRgb(0x0b, 0x7a, 0x75);
constexpr QRgb protractorInk = qRgb(0x4a, 0x50, 0x58);
constexpr double arrowLength = 10, arrowHalfWidth = 4;

QPointF pixelOf(const chart::Mapping& m, const psychro::AirState& a) {
  const chart::Pixel p = m.toPixel(chart::sheetPoint(a));
  return {p.x, p.y};
}

const workspace::StatePoint* pointWithId(const ChartScene& scene, unsigned id) {
  if (!scene.workspace) return nullptr;
  const workspace::StatePoint* p = scene.workspace->points().find(id);
  return p && p->exists() ? p : nullptr;
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
  return QStringLiteral("ε=") + QString::fromStdString(workspace::epsilonText(ε));
}

}  // namespace

void drawProcessLines(QPainter& painter, const chart::Mapping& mapping, const ChartScene& scene,
                      double markRadius) {
  if (!scene.workspace) return;
  QPen dashed(QColor(epsilonInk), 1);
  dashed.setDashPattern({8, 3, 2, 3});
  painter.setPen(dashed);
  painter.setBrush(Qt::NoBrush);
  for (const workspace::EpsilonLine& l : scene.workspace->processes().lines())
    if (const workspace::StatePoint* p = pointWithId(scene, l.point))
      for (const chart::Polyline& part :
           chart::epsilonLine(chart::sheetPoint(p->result.air), l.ε, mapping.view))
        painter.drawPolyline(polygon(mapping, part));

  painter.setPen(QPen(QColor(processInk), 1.6));
  painter.setBrush(QColor(processInk));
  for (const workspace::Process& process : scene.workspace->processes().processes()) {
    const workspace::Ends e = workspace::ends(process);
    std::vector<unsigned> starts{e.from};
    if (process.request.kind == workspace::ProcessKind::mix)
      starts.push_back(process.request.other);
    const workspace::StatePoint* to = pointWithId(scene, e.to);
    if (!to) continue;
    for (unsigned id : starts)
      if (const workspace::StatePoint* from = pointWithId(scene, id))
        drawArrowLine(painter, pixelOf(mapping, from->result.air), pixelOf(mapping, to->result.air),
                      markRadius);
  }
}

std::vector<chart::Box> processLineBoxes(const chart::Mapping& mapping, const ChartScene& scene,
                                         bool epsilon) {
  constexpr double step = 4;  // pixels
  std::vector<chart::Box> boxes;
  if (!scene.workspace) return boxes;
  const auto cover = [&](const chart::Polyline& part) {
    for (std::size_t i = 1; i < part.size(); ++i) {
      const std::vector<chart::Box> b =
          chart::boxesAlong(mapping.toPixel(part[i - 1]), mapping.toPixel(part[i]), step);
      boxes.insert(boxes.end(), b.begin(), b.end());
    }
  };
  const auto at = [](const workspace::StatePoint& p) { return chart::sheetPoint(p.result.air); };
  if (epsilon) {
    for (const workspace::EpsilonLine& l : scene.workspace->processes().lines())
      if (const workspace::StatePoint* p = pointWithId(scene, l.point))
        for (const chart::Polyline& part : chart::epsilonLine(at(*p), l.ε, mapping.view))
          cover(part);
    return boxes;
  }
  for (const workspace::Process& process : scene.workspace->processes().processes()) {
    const workspace::Ends e = workspace::ends(process);
    const workspace::StatePoint* to = pointWithId(scene, e.to);
    if (!to) continue;
    std::vector<unsigned> starts{e.from};
    if (process.request.kind == workspace::ProcessKind::mix)
      starts.push_back(process.request.other);
    for (unsigned id : starts)
      if (const workspace::StatePoint* from = pointWithId(scene, id))
        for (const chart::Polyline& part : chart::clipToView({at(*from), at(*to)}, mapping.view))
          cover(part);
  }
  return boxes;
}

std::vector<PlacedLabel> labelEpsilonLines(const chart::Mapping& mapping, const ChartScene& scene,
                                           chart::LabelBoard& board, const QFontMetricsF& metrics) {
  std::vector<PlacedLabel> placed;
  if (!scene.workspace) return placed;
  for (const workspace::EpsilonLine& l : scene.workspace->processes().lines()) {
    const workspace::StatePoint* p = pointWithId(scene, l.point);
    if (!p) continue;
    const auto parts = chart::epsilonLine(chart::sheetPoint(p->result.air), l.ε, mapping.view);
    if (parts.empty()) continue;
    const QString text = epsilonLabel(l.ε);
    const double w = metrics.horizontalAdvance(text) + 6, h = metrics.height();
    // Along the line from the point outwards, both ways, every 12 pixels.
    const QPointF at = pixelOf(mapping, p->result.air);
    const QPolygonF line = polygon(mapping, parts.front());
    std::vector<chart::Box> candidates;
    for (const QPointF& end : {line.front(), line.back()}) {
      const QLineF ray(at, end);
      for (double s = 40; s < ray.length(); s += 12) {
        const QPointF c = ray.pointAt(s / ray.length());
        candidates.push_back(chart::centredBox({c.x(), c.y() - h / 2 - 2}, w, h));
      }
    }
    if (auto b = board.take(candidates)) placed.push_back({*b, text, epsilonInk});
  }
  return placed;
}

void drawProtractor(QPainter& painter, const chart::Mapping& mapping, chart::LabelBoard& board,
                    const QFontMetricsF& metrics) {
  const chart::PlotArea& area = mapping.area;
  const double line = metrics.height();
  const double radius = std::clamp(std::min(area.width, area.height) * 0.14, 30.0, 100.0);
  const double labelWidth = metrics.horizontalAdvance(QStringLiteral("-5000")) + 4;
  // Room on the right for the title, below for the lowest ray's value.
  const chart::Pixel centre{area.right() - 0.6 * labelWidth - 6,
                            area.bottom() - radius - 1.5 * line - 4};
  if (centre.x - radius - labelWidth < area.left || centre.y - radius - 2 * line < area.top) return;

  painter.save();
  painter.setPen(QPen(QColor(protractorInk), 0.9));
  painter.setBrush(Qt::NoBrush);
  const std::vector<chart::Ray> rays = chart::protractorRays(mapping, centre, radius);
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
    const double dx = r.end.x - centre.x, dy = r.end.y - centre.y;
    const double n = std::hypot(dx, dy);
    const chart::Pixel c{r.end.x + dx / n * (w / 2 + 2), r.end.y + dy / n * (line / 2 + 1)};
    if (auto b = board.take({chart::centredBox(c, w, line)})) {
      painter.setPen(QColor(protractorInk));
      painter.drawText(QRectF(b->left, b->top, b->width, b->height), Qt::AlignCenter, shown);
    }
  }
  const QString title = QString::fromUtf8(captions::protractorTitle);
  const double tw = metrics.horizontalAdvance(title) + 4;
  if (auto b = board.take(
          {chart::Box{centre.x - radius - labelWidth, centre.y - radius - 2 * line, tw, line}})) {
    painter.setPen(QColor(protractorInk));
    painter.drawText(QRectF(b->left, b->top, b->width, b->height), Qt::AlignCenter, title);
  }
  board.keepClear({centre.x - radius - labelWidth, centre.y - radius - line, radius + labelWidth,
                   2 * radius + 2 * line});
  painter.restore();
}

}  // namespace ui

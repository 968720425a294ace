#include "ui/chart_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "chart/curves.h"
#include "chart/edge_mark.h"
#include "chart/label_board.h"
#include "chart/label_places.h"
#include "ui/captions.h"
#include "ui/chart_text.h"
#include "ui/climate_drawing.h"
#include "ui/process_drawing.h"

namespace ui {
namespace {

constexpr QRgb paper = qRgb(0xff, 0xff, 0xff);
constexpr QRgb fog = qRgb(0xee, 0xf1, 0xf5);  // beyond the saturation curve
constexpr QRgb grid = qRgb(0xc9, 0xcf, 0xd8);
constexpr QRgb frame = qRgb(0x4a, 0x50, 0x58);
constexpr QRgb ink = qRgb(0x2a, 0x2e, 0x34);
constexpr QRgb humidityInk = qRgb(0x3d, 0x72, 0xb8);
constexpr QRgb saturationInk = qRgb(0x17, 0x36, 0x66);
constexpr QRgb enthalpyInk = qRgb(0xb0, 0x5c, 0x18);
constexpr QRgb pointInk = qRgb(0xc0, 0x1a, 0x1a);
constexpr QRgb currentInk = qRgb(0x1f, 0x86, 0x52);

constexpr double tickLength = 4;
constexpr double labelPadding = 3;   // between a label's text and the edge of its halo
constexpr double markRadius = 4.5;   // a point inside the view
constexpr double markClearance = 7;  // half the square kept clear around a mark
constexpr double edgeInset = 9;      // an arrow's centre from the plot's edge
constexpr double arrowHalfLength = 7, arrowHalfWidth = 5;
constexpr double labelGap = 5;  // between a mark and its label

// a and b equal but for the rounding of a clip within a view extent `span`.
bool near(double a, double b, double span) {
  return std::abs(a - b) <= 1e-9 * span;
}

QRectF toRect(const chart::Box& b) {
  return {b.left, b.top, b.width, b.height};
}

class ChartPainter {
 public:
  ChartPainter(QPainter& painter, QSizeF size, const ChartScene& scene)
      : p_(painter),
        size_(size),
        scene_(scene),
        metrics_(painter.font(), painter.device()),
        map_(chartMapping(scene.view, size, metrics_)),
        plot_(map_.area.left, map_.area.top, map_.area.width, map_.area.height),
        board_(boardArea()),
        lines_(chart::sheetLines(scene.view, scene.pa, scene.arithmetic)) {}

  void draw() {
    p_.fillRect(QRectF(QPointF(0, 0), size_), QColor(paper));
    markPoints();

    p_.save();
    p_.setClipRect(plot_);
    mostHours_ = paintWeather(p_, map_, scene_);
    drawFog();
    zones_ = paintZones(p_, map_, scene_);
    drawLines(lines_.isotherms, QPen(QColor(grid), 0.8));
    drawLines(lines_.moisture, QPen(QColor(grid), 0.8));
    QPen dashed(QColor(enthalpyInk), 0.8);
    dashed.setDashPattern({6, 4});
    drawLines(lines_.enthalpy, dashed);
    for (const chart::ChartLine& c : lines_.humidity) {
      const bool saturation = c.value == 100;
      drawLines({c}, saturation ? QPen(QColor(saturationInk), 2.2) : QPen(QColor(humidityInk), 1));
    }
    drawProcessLines(p_, map_, scene_, markRadius);
    drawMarks();
    p_.restore();

    p_.setPen(QPen(QColor(frame), 1));
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(plot_);
    drawScales();

    // Labels last, so that their halos lie over the grid and curves; the points' first and in
    // their order, so that where two would cover each other the later or lesser one is left out.
    // No label hides a process: the points' labels keep off the processes' lines and the ε lines
    // where they can (and the lines are drawn again over those that cannot); the lines' labels
    // keep off the processes, and those of the φ curves and h lines off the ε lines too.
    p_.save();
    p_.setClipRect(plot_);
    const std::vector<chart::Box> processes = processLineBoxes(map_, scene_, false);
    const std::vector<chart::Box> epsilonLines = processLineBoxes(map_, scene_, true);
    chart::LabelBoard lines(boardArea());
    for (const auto* boxes : {&processes, &epsilonLines})
      for (const chart::Box& b : *boxes) lines.keepClear(b);
    // The density legend's corner is kept clear; the zones are named after the points and off the
    // processes and ε lines, before the lines' labels.
    const QRectF legend = densityLegendBox(plot_, metrics_);
    if (mostHours_ > 0)
      board_.keepClear({legend.left(), legend.top(), legend.width(), legend.height()});
    labelPoints(lines);
    drawProtractor(p_, map_, board_, metrics_);
    for (const chart::Box& b : processes) board_.keepClear(b);
    for (PlacedLabel& l : labelEpsilonLines(map_, scene_, board_, metrics_))
      labels_.push_back({toRect(l.box), std::move(l.text), l.colour, Qt::AlignCenter, false});
    for (const chart::Box& b : epsilonLines) board_.keepClear(b);
    labelZones();
    labelHumidityCurves();
    labelEnthalpyLines();
    writeLabels();
    if (mostHours_ > 0) paintDensityLegend(p_, legend, metrics_, mostHours_);
    p_.restore();
  }

 private:
  // Where labels may go: inside the plot's frame.
  chart::Box boardArea() const {
    return {plot_.left() + 1, plot_.top() + 1, plot_.width() - 2, plot_.height() - 2};
  }

  QPointF at(chart::SheetPoint s) const {
    const chart::Pixel px = map_.toPixel(s);
    return {px.x, px.y};
  }

  QPolygonF polygon(const chart::Polyline& line) const {
    QPolygonF out;
    out.reserve(static_cast<qsizetype>(line.size()));
    for (const chart::SheetPoint& s : line) out << at(s);
    return out;
  }

  void drawLines(const std::vector<chart::ChartLine>& lines, const QPen& pen) {
    p_.setPen(pen);
    p_.setBrush(Qt::NoBrush);
    for (const chart::ChartLine& l : lines)
      for (const chart::Polyline& part : l.parts) p_.drawPolyline(polygon(part));
  }

  void drawFog() {
    if (lines_.fog.empty()) return;
    p_.setPen(Qt::NoPen);
    p_.setBrush(QColor(fog));
    p_.drawPolygon(polygon(lines_.fog));
  }

  // --- the points ---

  // Where each point with a state is marked, and the main window's state, if any.
  void markPoints() {
    if (!scene_.workspace) return;
    for (const workspace::StatePoint& p : scene_.workspace->points().points()) {
      if (!p.exists()) continue;
      const psychro::AirState& a = p.result.air;
      marked_.push_back(&p);
      marks_.push_back(chart::edgeMark(map_, chart::sheetPoint(a), edgeInset));
    }
    if (const auto& current = scene_.workspace->current()) {
      const psychro::AirState& a = current->air;
      current_ = chart::edgeMark(map_, chart::sheetPoint(a), edgeInset);
    }
  }

  // An arrow at an edge, pointing the way of a point beyond it, in the present pen and brush.
  void drawArrow(const chart::EdgeMark& m) {
    const QPointF c(m.at.x, m.at.y), along(m.dx, m.dy), across(-m.dy, m.dx);
    p_.drawPolygon(QPolygonF{c + along * arrowHalfLength,
                             c - along * arrowHalfLength + across * arrowHalfWidth,
                             c - along * (arrowHalfLength * 0.5),
                             c - along * arrowHalfLength - across * arrowHalfWidth});
  }

  void drawMarks() {
    if (current_) {
      p_.setPen(QPen(QColor(currentInk), 1.6));
      p_.setBrush(Qt::NoBrush);
      if (current_->inside)
        p_.drawEllipse(QPointF(current_->at.x, current_->at.y), markRadius + 2, markRadius + 2);
      else
        drawArrow(*current_);
    }
    p_.setPen(QPen(QColor(paper), 1.2));
    p_.setBrush(QColor(pointInk));
    for (const chart::EdgeMark& m : marks_) {
      if (m.inside)
        p_.drawEllipse(QPointF(m.at.x, m.at.y), markRadius, markRadius);
      else
        drawArrow(m);
    }
  }

  void labelPoints(const chart::LabelBoard& lines) {
    std::vector<chart::Pixel> at;
    std::vector<chart::LabelSizes> sizes;
    std::vector<QStringList> texts;
    at.reserve(marks_.size());
    for (std::size_t i = 0; i < marks_.size(); ++i) {
      at.push_back(marks_[i].at);
      texts.push_back(pointLabel(*marked_[i]));
      const double line = metrics_.height();
      const double wide = std::max(metrics_.horizontalAdvance(texts.back()[0]),
                                   metrics_.horizontalAdvance(texts.back()[1]));
      const double name = metrics_.horizontalAdvance(QString::fromStdString(marked_[i]->name));
      sizes.push_back({wide + 2 * labelPadding, 2 * line + labelPadding, name + 2 * labelPadding,
                       line + labelPadding, !marks_[i].inside});
    }
    if (current_)
      board_.keepClear(
          chart::centredBox(current_->at, 2 * markClearance + 4, 2 * markClearance + 4));
    const std::vector<chart::PointLabel> labels =
        chart::placePointLabels(board_, at, sizes, markClearance, labelGap, &lines);
    for (std::size_t i = 0; i < labels.size(); ++i) {
      if (labels[i].kind == chart::LabelKind::none) continue;
      const QString text = labels[i].kind == chart::LabelKind::full
                               ? texts[i].join('\n')
                               : QString::fromStdString(marked_[i]->name);
      labels_.push_back({toRect(labels[i].box), text, ink, Qt::AlignLeft | Qt::AlignVCenter, true});
      if (labels[i].leader) leaders_.push_back({at[i], labels[i].box});
    }
  }

  // Each zone's name inside its region, in its colour, where a place is free.
  void labelZones() {
    for (const PaintedZone& z : zones_) {
      const QSizeF size = labelSize(z.name);
      if (auto b = board_.take(chart::regionLabelPlaces(z.parts, size.width(), size.height())))
        writeLabel(*b, z.name, z.colour.darker(130).rgb());
    }
  }

  // Writes the labels placed: the leader lines, every box, then the processes' lines again where
  // a point's label could not keep off them, and the texts over them.
  void writeLabels() {
    p_.setPen(QPen(QColor(pointInk), 0.8));
    for (const auto& [m, box] : leaders_) {
      const QPointF from(m.x, m.y);
      const QPointF to(std::clamp(m.x, box.left, box.right()),
                       std::clamp(m.y, box.top, box.bottom()));
      const double length = QLineF(from, to).length();
      if (length > markRadius) p_.drawLine(from + (to - from) * (markRadius / length), to);
    }
    QRegion under;
    for (const WrittenLabel& l : labels_) {
      if (l.framed) {
        p_.setPen(QPen(QColor(pointInk), 0.8));
        p_.setBrush(QColor(255, 255, 255, 230));
        p_.drawRect(l.box);
        under += l.box.toAlignedRect();
      } else {
        p_.fillRect(l.box, QColor(255, 255, 255, 215));
      }
    }
    if (scene_.workspace && !under.isEmpty()) {
      p_.save();
      p_.setClipRegion(under, Qt::IntersectClip);
      drawProcessLines(p_, map_, scene_, markRadius);
      p_.restore();
    }
    for (const WrittenLabel& l : labels_) {
      p_.setPen(QColor(l.colour));
      p_.drawText(l.framed ? l.box.adjusted(labelPadding, 0, -labelPadding, 0) : l.box, l.align,
                  l.text);
    }
  }

  // --- the lines' labels ---

  QSizeF labelSize(const QString& text) const {
    return {metrics_.horizontalAdvance(text) + 2 * labelPadding, metrics_.height()};
  }

  void writeLabel(const chart::Box& b, const QString& text, QRgb colour) {
    labels_.push_back({toRect(b), text, colour, Qt::AlignCenter, false});
  }

  // Each φ curve is labelled on itself, as near its upper end as a free place allows.
  void labelHumidityCurves() {
    for (auto c = lines_.humidity.rbegin(); c != lines_.humidity.rend(); ++c) {
      if (c->parts.empty()) continue;
      const QString text = humidityLabel(c->value);
      const QSizeF size = labelSize(text);
      if (auto b =
              board_.take(chart::placesFromEnd(chart::toPixels(map_, c->parts.back()), size.width(),
                                               size.height(), 0.45, chart::curveLabelSpacing)))
        writeLabel(*b, text, c->value == 100 ? saturationInk : humidityInk);
    }
  }

  // Each enthalpy line is labelled just beyond its end on the saturation curve, or on itself
  // (chart::enthalpyLabelPlaces).
  void labelEnthalpyLines() {
    for (const chart::ChartLine& l : lines_.enthalpy) {
      if (l.parts.empty()) continue;
      const QString text = enthalpyLabel(l.value);
      const QSizeF size = labelSize(text);
      if (auto b = board_.take(
              chart::enthalpyLabelPlaces(map_, l.parts.back(), size.width(), size.height())))
        writeLabel(*b, text, enthalpyInk);
    }
  }

  // --- the scales outside the plot ---

  void drawScales() {
    const chart::View& v = scene_.view;
    const double line = metrics_.height();
    p_.setPen(QColor(ink));

    // Isotherms where they meet the left edge, thinned where the labels would crowd.
    double lastY = -1e9;
    for (const chart::ChartLine& l : lines_.isotherms) {
      if (l.parts.empty() || !near(l.parts.front().front().d, v.dMin, v.dMax - v.dMin)) continue;
      const double y = at(l.parts.front().front()).y();
      if (std::abs(y - lastY) < line * 1.1) continue;
      lastY = y;
      p_.drawLine(QPointF(plot_.left() - tickLength, y), QPointF(plot_.left(), y));
      p_.drawText(QRectF(0, y - line / 2, plot_.left() - 2 * tickLength, line),
                  Qt::AlignRight | Qt::AlignVCenter, gridNumber(l.value));
    }

    // The d of the grid along the top edge (the lines themselves stop at the saturation curve
    // and at highestT).
    double lastX = -1e9;
    for (const chart::ChartLine& l : lines_.moisture) {
      const double x = map_.toPixel({l.value, v.yMax}).x;
      const QString text = gridNumber(l.value);
      const double wide = metrics_.horizontalAdvance(text);
      if (x - lastX < wide + line * 0.6) continue;
      lastX = x;
      p_.drawLine(QPointF(x, plot_.top() - tickLength), QPointF(x, plot_.top()));
      p_.drawText(QRectF(x - wide, plot_.top() - tickLength - line, 2 * wide, line),
                  Qt::AlignHCenter | Qt::AlignBottom, text);
    }

    // Titles: d above its scale, t turned to run up the left edge; the notes under the plot.
    p_.drawText(QRectF(plot_.left(), plot_.top() - tickLength - 2 * line, plot_.width(), line),
                Qt::AlignCenter, QString::fromUtf8(captions::moistureAxis));
    p_.save();
    p_.translate(line * 0.5 + 1, plot_.center().y());
    p_.rotate(-90);
    p_.drawText(QRectF(-plot_.height() / 2, 0, plot_.height(), line), Qt::AlignCenter,
                QString::fromUtf8(captions::temperatureAxis));
    p_.restore();
    p_.drawText(QRectF(plot_.left(), plot_.bottom() + 2, plot_.width(), line),
                Qt::AlignLeft | Qt::AlignVCenter, pressureNote(scene_.pa, scene_.arithmetic));
  }

  QPainter& p_;
  QSizeF size_;
  const ChartScene& scene_;
  QFontMetricsF metrics_;
  chart::Mapping map_;
  QRectF plot_;
  chart::LabelBoard board_;
  chart::SheetLines lines_;
  std::vector<const workspace::StatePoint*> marked_;  // the points with a state, in order
  std::vector<chart::EdgeMark> marks_;                // and where each is marked
  std::optional<chart::EdgeMark> current_;
  unsigned mostHours_ = 0;          // of a cell of the weather layer; 0 without its legend
  std::vector<PaintedZone> zones_;  // the zones under the lines, for their labels
  // The labels as placed, written together at the end: a point's framed, the lines' on a halo.
  struct WrittenLabel {
    QRectF box;
    QString text;
    QRgb colour;
    int align;
    bool framed;
  };
  std::vector<WrittenLabel> labels_;
  std::vector<std::pair<chart::Pixel, chart::Box>> leaders_;  // from a mark to its label
};

}  // namespace

chart::Mapping chartMapping(const chart::View& view, QSizeF size, const QFontMetricsF& metrics) {
  const double line = metrics.height();
  const double pad = std::round(line * 0.6);
  const double tLabels = std::max(metrics.horizontalAdvance(QStringLiteral("-50.5")),
                                  metrics.horizontalAdvance(QStringLiteral("100")));
  const double dLabel = metrics.horizontalAdvance(QStringLiteral("250"));

  const double left = pad + line + pad + tLabels + 2 * tickLength;
  const double top = pad + 2 * line + tickLength;
  const double right = pad + dLabel / 2;
  const double bottom = line + pad;
  chart::Mapping m;
  m.view = view;
  m.area = {left, top, std::max(1.0, size.width() - left - right),
            std::max(1.0, size.height() - top - bottom)};
  return m;
}

void drawChart(QPainter& painter, QSizeF size, const ChartScene& scene) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  ChartPainter(painter, size, scene).draw();
  painter.restore();
}

}  // namespace ui

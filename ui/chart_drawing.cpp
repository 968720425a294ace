#include "ui/chart_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/captions.h"
#include "ui/chart_text.h"

namespace ui {
namespace {

constexpr QRgb paper = qRgb(0xff, 0xff, 0xff);
constexpr QRgb fog = qRgb(0xf1, 0xf3, 0xf6);  // beyond the saturation curve
constexpr QRgb grid = qRgb(0xdc, 0xe0, 0xe6);
constexpr QRgb frame = qRgb(0x4a, 0x50, 0x58);
constexpr QRgb ink = qRgb(0x2a, 0x2e, 0x34);
constexpr QRgb humidityInk = qRgb(0x3d, 0x72, 0xb8);
constexpr QRgb saturationInk = qRgb(0x17, 0x36, 0x66);
constexpr QRgb enthalpyInk = qRgb(0xb0, 0x5c, 0x18);
constexpr QRgb stateInk = qRgb(0xc8, 0x1e, 0x1e);
constexpr QRgb dewInk = qRgb(0x1c, 0x6c, 0xb0);
constexpr QRgb wetInk = qRgb(0x1f, 0x86, 0x52);

constexpr double tickLength = 4;
constexpr double labelPadding = 2;  // between a label's text and the edge of its halo

// Grid values too close for their labels are labelled every n-th: n is the smallest that leaves
// `room` pixels per label, counted from the value 0 so that round values keep their labels.
std::vector<bool> labelled(const std::vector<double>& values, double pixelStep, double room) {
  std::vector<bool> shown(values.size(), true);
  if (values.size() < 2 || pixelStep <= 0) return shown;
  const int every = std::max(1, static_cast<int>(std::ceil(room / pixelStep)));
  const double step = values[1] - values[0];
  for (std::size_t i = 0; i < values.size(); ++i)
    shown[i] = static_cast<long long>(std::llround(values[i] / step)) % every == 0;
  return shown;
}

class ChartPainter {
 public:
  ChartPainter(QPainter& painter, QSizeF size, const std::optional<psychro::AirState>& air)
      : p_(painter),
        size_(size),
        air_(air),
        ranges_(chart::rangesFor(air)),
        metrics_(painter.font(), painter.device()),
        map_(chartMapping(ranges_, size, metrics_)),
        plot_(map_.area.left, map_.area.top, map_.area.width, map_.area.height) {}

  void draw() {
    p_.fillRect(QRectF(QPointF(0, 0), size_), QColor(paper));
    const std::vector<chart::Curve> humidity = chart::humidityCurves(ranges_);
    const std::vector<chart::Curve> enthalpy = chart::enthalpyLines(ranges_);

    p_.save();
    p_.setClipRect(plot_);
    if (!humidity.empty() && humidity.back().value == 100) drawFog(humidity.back());
    drawGrid();
    drawEnthalpyLines(enthalpy);
    drawHumidityCurves(humidity);
    if (air_) drawState(chart::marksFor(*air_));
    p_.restore();

    p_.setPen(QPen(QColor(frame), 1));
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(plot_);
    drawAxes();

    // Labels last, so that their halos lie over every line; the most important first, so that
    // where two would cover each other the lesser one is left out.
    p_.save();
    p_.setClipRect(plot_);
    if (air_) labelState(chart::marksFor(*air_));
    labelHumidityCurves(humidity);
    labelEnthalpyLines(enthalpy);
    p_.restore();
  }

 private:
  QPointF at(chart::ChartPoint c) const { return {map_.x(c.d), map_.y(c.t)}; }

  QPolygonF polyline(const std::vector<chart::ChartPoint>& points) const {
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(points.size()));
    for (const chart::ChartPoint& c : points) line << at(c);
    return line;
  }

  // The region right of and below the saturation curve, where air cannot hold its water.
  void drawFog(const chart::Curve& saturation) {
    QPolygonF region = polyline(saturation.points);
    const double beyond = plot_.right() + 1, below = plot_.bottom() + 1;
    region << QPointF(beyond, region.back().y()) << QPointF(beyond, below)
           << QPointF(region.front().x(), below);
    p_.setPen(Qt::NoPen);
    p_.setBrush(QColor(fog));
    p_.drawPolygon(region);
  }

  void drawGrid() {
    p_.setPen(QPen(QColor(grid), 0.8));
    for (double t : chart::isotherms(ranges_)) {
      const double y = map_.y(t);
      p_.drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
    }
    for (double d : chart::moistureLines(ranges_)) {
      const double x = map_.x(d);
      p_.drawLine(QPointF(x, plot_.top()), QPointF(x, plot_.bottom()));
    }
  }

  void drawEnthalpyLines(const std::vector<chart::Curve>& lines) {
    QPen pen(QColor(enthalpyInk), 0.9);
    pen.setDashPattern({6, 4});
    p_.setPen(pen);
    p_.setBrush(Qt::NoBrush);
    for (const chart::Curve& c : lines) p_.drawPolyline(polyline(c.points));
  }

  void drawHumidityCurves(const std::vector<chart::Curve>& curves) {
    p_.setBrush(Qt::NoBrush);
    for (const chart::Curve& c : curves) {
      const bool saturation = c.value == 100;
      p_.setPen(saturation ? QPen(QColor(saturationInk), 2.4) : QPen(QColor(humidityInk), 1.0));
      p_.drawPolyline(polyline(c.points));
    }
  }

  void drawState(const chart::StateMarks& m) {
    const QPointF state = at(m.state), dew = at(m.dewPoint), wet = at(m.wetBulb);
    QPen dotted(QColor(dewInk), 1.3);
    dotted.setDashPattern({2, 2.5});
    p_.setPen(dotted);
    p_.drawLine(state, dew);
    p_.setPen(QPen(QColor(wetInk), 1.0));
    p_.drawLine(state, wet);

    p_.setPen(QPen(QColor(paper), 1.2));
    p_.setBrush(QColor(dewInk));
    p_.drawEllipse(dew, 4, 4);
    p_.setBrush(QColor(wetInk));
    p_.drawPolygon(QPolygonF{wet + QPointF(0, -5), wet + QPointF(5, 0), wet + QPointF(0, 5),
                             wet + QPointF(-5, 0)});
    p_.setBrush(QColor(stateInk));
    p_.drawEllipse(state, 5.5, 5.5);
  }

  void drawAxes() {
    const double line = metrics_.height();
    p_.setPen(QColor(ink));

    const std::vector<double> ts = chart::isotherms(ranges_);
    const std::vector<bool> tShown =
        labelled(ts, ts.size() > 1 ? map_.y(ts[0]) - map_.y(ts[1]) : 0, line * 1.3);
    for (std::size_t i = 0; i < ts.size(); ++i) {
      if (!tShown[i]) continue;
      const double y = map_.y(ts[i]);
      p_.drawLine(QPointF(plot_.left() - tickLength, y), QPointF(plot_.left(), y));
      const QRectF r(0, y - line / 2, plot_.left() - 2 * tickLength, line);
      p_.drawText(r, Qt::AlignRight | Qt::AlignVCenter, gridNumber(ts[i]));
    }

    const std::vector<double> ds = chart::moistureLines(ranges_);
    double widest = 0;
    for (double d : ds) widest = std::max(widest, metrics_.horizontalAdvance(gridNumber(d)));
    const std::vector<bool> dShown =
        labelled(ds, ds.size() > 1 ? map_.x(ds[1]) - map_.x(ds[0]) : 0, widest + line * 0.8);
    for (std::size_t i = 0; i < ds.size(); ++i) {
      if (!dShown[i]) continue;
      const double x = map_.x(ds[i]);
      p_.drawLine(QPointF(x, plot_.bottom()), QPointF(x, plot_.bottom() + tickLength));
      const QRectF r(x - widest, plot_.bottom() + tickLength, 2 * widest, line);
      p_.drawText(r, Qt::AlignHCenter | Qt::AlignTop, gridNumber(ds[i]));
    }

    // Axis titles: d centred under its labels, t turned to run up the left edge.
    const QRectF below(plot_.left(), plot_.bottom() + tickLength + line * 1.25, plot_.width(),
                       line);
    p_.drawText(below, Qt::AlignCenter, QString::fromUtf8(captions::moistureAxis));
    p_.save();
    p_.translate(line * 0.5 + 1, plot_.center().y());
    p_.rotate(-90);
    p_.drawText(QRectF(-plot_.height() / 2, 0, plot_.height(), line), Qt::AlignCenter,
                QString::fromUtf8(captions::temperatureAxis));
    p_.restore();

    const QRectF above(plot_.left(), plot_.top() - line - 2, plot_.width(), line);
    p_.drawText(above, Qt::AlignRight | Qt::AlignVCenter,
                QString::fromUtf8(captions::pressureNote));
  }

  // --- labels inside the plot ---

  QSizeF labelSize(const QString& text) const {
    return {metrics_.horizontalAdvance(text) + 2 * labelPadding, metrics_.height()};
  }

  // Inside the plot and clear of every label and mark placed so far.
  bool isFree(const QRectF& r) const {
    if (!plot_.adjusted(1, 1, -1, -1).contains(r)) return false;
    return std::none_of(taken_.begin(), taken_.end(),
                        [&](const QRectF& t) { return t.intersects(r); });
  }

  // Takes the first free rectangle of candidates and writes text in it over a halo of paper;
  // false if none is free.
  bool place(const std::vector<QRectF>& candidates, const QString& text, QRgb colour) {
    for (const QRectF& r : candidates) {
      if (!isFree(r)) continue;
      writeLabel(r, text, colour);
      return true;
    }
    return false;
  }

  void writeLabel(const QRectF& r, const QString& text, QRgb colour) {
    taken_.push_back(r);
    p_.fillRect(r, QColor(255, 255, 255, 215));
    p_.setPen(QColor(colour));
    p_.drawText(r, Qt::AlignCenter, text);
  }

  static QRectF rectAt(QPointF corner, QSizeF size, Qt::Alignment from) {
    QRectF r(corner, size);
    if (from & Qt::AlignRight) r.moveRight(corner.x());
    if (from & Qt::AlignBottom) r.moveBottom(corner.y());
    if (from & Qt::AlignVCenter) r.moveTop(corner.y() - size.height() / 2);
    return r;
  }

  // Places for the label of a mark on the saturation curve, left or right of it first, then below
  // and above it.
  static std::vector<QRectF> beside(QPointF mark, QSizeF size, bool rightFirst) {
    const double gap = 9;
    const QRectF left = rectAt(mark + QPointF(-gap, 0), size, Qt::AlignRight | Qt::AlignVCenter);
    const QRectF right = rectAt(mark + QPointF(gap, 0), size, Qt::AlignVCenter);
    const QRectF belowRight = rectAt(mark + QPointF(gap / 2, gap / 2), size, {});
    const QRectF belowLeft = rectAt(mark + QPointF(-gap / 2, gap / 2), size, Qt::AlignRight);
    const QRectF aboveLeft =
        rectAt(mark + QPointF(-gap / 2, -gap / 2), size, Qt::AlignRight | Qt::AlignBottom);
    const QRectF aboveRight = rectAt(mark + QPointF(gap / 2, -gap / 2), size, Qt::AlignBottom);
    if (rightFirst) return {right, belowRight, belowLeft, left, aboveLeft, aboveRight};
    return {left, belowLeft, aboveLeft, right, belowRight, aboveRight};
  }

  void labelState(const chart::StateMarks& m) {
    const QPointF state = at(m.state), dew = at(m.dewPoint), wet = at(m.wetBulb);
    // The marks themselves stay visible.
    for (QPointF c : {state, dew, wet}) taken_.emplace_back(c - QPointF(7, 7), QSizeF(14, 14));

    const QStringList lines = stateLabel(*air_);
    const double width =
        std::max(metrics_.horizontalAdvance(lines[0]), metrics_.horizontalAdvance(lines[1])) +
        4 * labelPadding;
    const QSizeF box(width, 2 * metrics_.height() + 2 * labelPadding);
    const double gap = 10;
    const std::vector<QRectF> around{
        rectAt(state + QPointF(gap, -gap), box, Qt::AlignBottom),
        rectAt(state + QPointF(-gap, -gap), box, Qt::AlignRight | Qt::AlignBottom),
        rectAt(state + QPointF(-gap, gap), box, Qt::AlignRight),
        rectAt(state + QPointF(gap, gap), box, {}),
    };
    QRectF chosen = around.front();
    const auto free =
        std::find_if(around.begin(), around.end(), [&](const QRectF& r) { return isFree(r); });
    if (free != around.end()) {
      chosen = *free;
    } else {  // a chart too small for it to fit cleanly: keep it inside the plot at least
      chosen.moveRight(std::min(chosen.right(), plot_.right() - 1));
      chosen.moveLeft(std::max(chosen.left(), plot_.left() + 1));
      chosen.moveTop(std::max(chosen.top(), plot_.top() + 1));
    }
    taken_.push_back(chosen);
    p_.setPen(QPen(QColor(stateInk), 1));
    p_.setBrush(QColor(255, 255, 255, 235));
    p_.drawRect(chosen);
    p_.setPen(QColor(ink));
    p_.drawText(chosen, Qt::AlignCenter, lines.join('\n'));

    const QString dewText = temperatureMark(captions::dewPointMark, air_->tl);
    const QSizeF dewSize = labelSize(dewText);
    place(beside(dew, dewSize, false), dewText, dewInk);
    const QString wetText = temperatureMark(captions::wetBulbMark, air_->tw);
    const QSizeF wetSize = labelSize(wetText);
    place(beside(wet, wetSize, true), wetText, wetInk);
  }

  // Label rectangles centred on the points of a line, from its last point back through its upper
  // third: a label further down would no longer read as the end of its line, and is left out.
  std::vector<QRectF> alongFromEnd(const std::vector<chart::ChartPoint>& points,
                                   QSizeF size) const {
    const auto upperThird = static_cast<std::ptrdiff_t>((points.size() + 2) / 3);
    std::vector<QRectF> along;
    along.reserve(static_cast<std::size_t>(upperThird));
    for (auto p = points.rbegin(); p != points.rbegin() + upperThird; ++p) {
      QRectF r(QPointF(), size);
      r.moveCenter(at(*p));
      along.push_back(r);
    }
    return along;
  }

  // Each φ curve is labelled on the curve itself, as near its upper end as a free place allows:
  // where the curves crowd, the labels step back along them.
  void labelHumidityCurves(const std::vector<chart::Curve>& curves) {
    for (auto c = curves.rbegin(); c != curves.rend(); ++c) {
      const QString text = humidityLabel(c->value);
      place(alongFromEnd(c->points, labelSize(text)), text,
            c->value == 100 ? saturationInk : humidityInk);
    }
  }

  // Each enthalpy line is labelled just beyond its end on the saturation curve, moving further out
  // where that place is taken; a line that ends at an edge, or finds no such place, carries its
  // label on itself near its lower end.
  void labelEnthalpyLines(const std::vector<chart::Curve>& lines) {
    for (const chart::Curve& c : lines) {
      const chart::ChartPoint last = c.points.back();
      const QString text = enthalpyLabel(c.value);
      const QSizeF size = labelSize(text);
      std::vector<QRectF> candidates;
      const bool onSaturation = last.d < ranges_.dMax - 1e-9 && last.t > ranges_.tMin + 1e-9;
      if (onSaturation)
        for (int step = 0; step < 4; ++step)
          candidates.push_back(rectAt(at(last) + QPointF(3 + 4 * step, 1 + 6 * step), size, {}));
      const std::vector<QRectF> along = alongFromEnd(c.points, size);
      candidates.insert(candidates.end(), along.begin(), along.end());
      place(candidates, text, enthalpyInk);
    }
  }

  QPainter& p_;
  QSizeF size_;
  const std::optional<psychro::AirState>& air_;
  chart::Ranges ranges_;
  QFontMetricsF metrics_;
  chart::Mapping map_;
  QRectF plot_;
  std::vector<QRectF> taken_;  // labels and marks placed so far
};

}  // namespace

chart::Mapping chartMapping(const chart::Ranges& ranges, QSizeF size,
                            const QFontMetricsF& metrics) {
  const double line = metrics.height();
  const double pad = std::round(line * 0.6);
  double tLabels = 0;
  for (double t : chart::isotherms(ranges))
    tLabels = std::max(tLabels, metrics.horizontalAdvance(gridNumber(t)));
  const std::vector<double> ds = chart::moistureLines(ranges);
  const double lastD = ds.empty() ? 0 : metrics.horizontalAdvance(gridNumber(ds.back()));

  const double left = pad + line + pad + tLabels + 2 * tickLength;
  const double top = pad + line;
  const double right = pad + lastD / 2;
  const double bottom = tickLength + line * 2.25 + pad;
  chart::Mapping m;
  m.ranges = ranges;
  m.area = {left, top, std::max(1.0, size.width() - left - right),
            std::max(1.0, size.height() - top - bottom)};
  return m;
}

void drawChart(QPainter& painter, QSizeF size, const std::optional<psychro::AirState>& air) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  ChartPainter(painter, size, air).draw();
  painter.restore();
}

}  // namespace ui

#include "ui/chart_widget.h"

#include <QFontMetricsF>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/chart_drawing.h"
#include "ui/chart_export.h"
#include "ui/chart_text.h"

namespace ui {
namespace {

constexpr double filePixelRatio = 2;

}  // namespace

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("chart"));
  setMouseTracking(true);
  setMinimumSize(200, 150);
  setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is painted
}

void ChartWidget::setState(const psychro::AirState& air) {
  state_ = air;
  update();
}

chart::Mapping ChartWidget::mapping() const {
  return chartMapping(chart::rangesFor(state_), size(), QFontMetricsF(font(), this));
}

void ChartWidget::renderChart(QPainter& painter, QSizeF size) const {
  painter.save();
  painter.setFont(font());
  drawChart(painter, size, state_);
  painter.restore();
}

QSizeF ChartWidget::canvasSize() const {
  // A chart never shown yet has no size of its own: it is written at the size it would open in.
  return size().isEmpty() ? QSizeF(sizeHint()) : QSizeF(size());
}

QImage ChartWidget::image(double pixelRatio) const {
  const QSizeF logical = canvasSize();
  QImage out((logical * pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
  out.setDevicePixelRatio(pixelRatio);
  QPainter painter(&out);
  renderChart(painter, logical);
  return out;
}

bool ChartWidget::saveTo(const QString& path, QString* error) const {
  return writeChart(
      path, canvasSize(), filePixelRatio, logicalDpiX(),
      [this](QPainter& painter, QSizeF size) { renderChart(painter, size); }, error);
}

void ChartWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  renderChart(painter, size());
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
  const chart::Mapping m = mapping();
  const QPointF p = event->position();
  const bool inside = p.x() >= m.area.left && p.x() <= m.area.left + m.area.width &&
                      p.y() >= m.area.top && p.y() <= m.area.top + m.area.height;
  showReadout(inside ? readoutText(chart::readoutAt({m.d(p.x()), m.t(p.y())})) : QString());
  QWidget::mouseMoveEvent(event);
}

void ChartWidget::leaveEvent(QEvent* event) {
  showReadout(QString());
  QWidget::leaveEvent(event);
}

void ChartWidget::showReadout(const QString& text) {
  if (text == readout_) return;
  readout_ = text;
  emit readoutChanged(readout_);
}

}  // namespace ui

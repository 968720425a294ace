#include "ui/chart_widget.h"

#include <QFontMetricsF>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "chart/readout.h"
#include "ui/chart_export.h"
#include "ui/chart_text.h"

namespace ui {
namespace {

constexpr double filePixelRatio = 2;
constexpr double zoomPerNotch = 0.85;  // view extent after one notch of the wheel forwards

}  // namespace

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("chart"));
  setMouseTracking(true);
  setMinimumSize(240, 180);
  setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is painted
  setCursor(Qt::CrossCursor);
  setFocusPolicy(Qt::StrongFocus);  // for the arrow keys
}

void ChartWidget::setPressure(double pa) {
  scene_.pa = pa;
  updateReadout();
  update();
}

void ChartWidget::setArithmetic(psychro::Arithmetic m) {
  scene_.arithmetic = m;
  updateReadout();
  update();
}

void ChartWidget::setWorkspace(const workspace::Workspace* workspace) {
  scene_.workspace = workspace;
  update();
}

std::optional<psychro::AirState> ChartWidget::state() const {
  if (!scene_.workspace || !scene_.workspace->current()) return std::nullopt;
  return scene_.workspace->current()->air;
}

void ChartWidget::setView(const chart::View& view) {
  scene_.view = chart::clamped(view);
  updateReadout();
  update();
}

chart::Mapping ChartWidget::mapping() const {
  return chartMapping(scene_.view, size(), QFontMetricsF(font(), this));
}

void ChartWidget::renderChart(QPainter& painter, QSizeF size) const {
  painter.save();
  painter.setFont(font());
  drawChart(painter, size, scene_);
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

bool ChartWidget::saveTo(document::FileSystem& files, const QString& path, QString* error) const {
  return writeChart(
      files, path, canvasSize(), filePixelRatio, logicalDpiX(),
      [this](QPainter& painter, QSizeF size) { renderChart(painter, size); }, error);
}

std::optional<chart::SheetPoint> ChartWidget::sheetAt(QPointF position) const {
  const chart::Mapping m = mapping();
  const chart::Pixel px{position.x(), position.y()};
  if (!m.area.contains(px)) return std::nullopt;
  return m.toSheet(px);
}

void ChartWidget::updateReadout() {
  const std::optional<chart::SheetPoint> s = pointer_ ? sheetAt(*pointer_) : std::nullopt;
  const QString text =
      s ? readoutText(chart::readoutAt(*s, scene_.pa, scene_.arithmetic)) : QString();
  if (text == readout_) return;
  readout_ = text;
  emit readoutChanged(readout_);
}

void ChartWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  renderChart(painter, size());
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && sheetAt(event->position())) {
    dragFrom_ = event->position();
    dragView_ = scene_.view;
  }
  QWidget::mousePressEvent(event);
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
  pointer_ = event->position();
  if (dragFrom_ && (event->buttons() & Qt::LeftButton)) {
    const chart::Mapping m = mapping();
    const QPointF moved = event->position() - *dragFrom_;
    if (cursor().shape() != Qt::ClosedHandCursor) setCursor(Qt::ClosedHandCursor);
    // The sheet follows the pointer: dragging right shows smaller d.
    scene_.view = chart::panned(dragView_, -moved.x() * m.dPerPixel(), moved.y() * m.yPerPixel());
    update();
  }
  updateReadout();
  QWidget::mouseMoveEvent(event);
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    dragFrom_.reset();
    setCursor(Qt::CrossCursor);
  }
  QWidget::mouseReleaseEvent(event);
}

void ChartWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const std::optional<chart::SheetPoint> s = sheetAt(event->position());
  if (event->button() == Qt::LeftButton && s) {
    const chart::Readout r = chart::readoutAt(*s, scene_.pa, scene_.arithmetic);
    emit stateRequested(r.t, r.φ);
  }
  QWidget::mouseDoubleClickEvent(event);
}

void ChartWidget::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) return QWidget::wheelEvent(event);
  const chart::View& v = scene_.view;
  const chart::SheetPoint anchor =
      sheetAt(event->position())
          .value_or(chart::SheetPoint{(v.dMin + v.dMax) / 2, (v.yMin + v.yMax) / 2});
  pointer_ = event->position();
  setView(chart::zoomed(v, anchor, std::pow(zoomPerNotch, notches)));
  event->accept();
}

void ChartWidget::zoomBy(double factor) {
  const chart::View& v = scene_.view;
  setView(chart::zoomed(v, {(v.dMin + v.dMax) / 2, (v.yMin + v.yMax) / 2}, factor));
}

void ChartWidget::panBy(double fd, double fy) {
  const chart::View& v = scene_.view;
  setView(chart::panned(v, fd * (v.dMax - v.dMin), fy * (v.yMax - v.yMin)));
}

void ChartWidget::keyPressEvent(QKeyEvent* event) {
  // A tenth of the view at each press, the direction the arrow points.
  constexpr double step = 0.1;
  switch (event->key()) {
    case Qt::Key_Left:
      return panBy(-step, 0);
    case Qt::Key_Right:
      return panBy(step, 0);
    case Qt::Key_Up:
      return panBy(0, step);
    case Qt::Key_Down:
      return panBy(0, -step);
    default:
      QWidget::keyPressEvent(event);
  }
}

void ChartWidget::leaveEvent(QEvent* event) {
  pointer_.reset();
  updateReadout();
  QWidget::leaveEvent(event);
}

}  // namespace ui

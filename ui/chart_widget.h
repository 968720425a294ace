#pragma once

#include <QPointF>
#include <QSizeF>
#include <QWidget>
#include <optional>

#include "chart/view.h"
#include "psychro/air_state.h"
#include "ui/chart_drawing.h"

class QImage;
class QPainter;

namespace document {
class FileSystem;
}

namespace ui {

// The h-d chart, painted from its numbers at whatever size and pixel density it is shown: the
// sheet at the pressure in force, the state points with their names, and the main window's last
// state ringed. The wheel zooms about the pointer, dragging pans; under the pointer it tells the
// air state of the point there, and a double-click asks for that state as a new point.
class ChartWidget : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWidget(QWidget* parent = nullptr);

  void setPressure(double pa);
  double pressure() const { return scene_.pa; }
  // The arithmetic of the sheet's lines and the read-out, named beside the pressure when not the
  // classic one.
  void setArithmetic(psychro::Arithmetic m);

  // The workspace drawn (its points, processes, ε lines and the main window's last state), owned
  // by the caller, who calls update() when it changes; null for none.
  void setWorkspace(const workspace::Workspace* workspace);
  // The weather layer's states, owned by the caller (who calls update()); null for none.
  void setWeather(const workspace::WeatherStates* states) { scene_.weather = states; }

  // The main window's last calculated state, ringed on the chart; none without one.
  std::optional<psychro::AirState> state() const;

  const chart::View& view() const { return scene_.view; }
  void setView(const chart::View& view);  // clamped to the sheet's bounds
  void resetView() { setView(chart::defaultView()); }
  // Zooms about the middle of the view by factor (< 1 zooms in), as Ctrl++ and Ctrl+− do.
  void zoomBy(double factor);
  // Moves the view by the fractions fd and fy of its extent (the arrow keys).
  void panBy(double fd, double fy);

  // Everything one paint shows.
  const ChartScene& scene() const { return scene_; }

  // Where the chart lies in this widget at its present size.
  chart::Mapping mapping() const;

  // Paints the chart as this widget shows it onto painter over (0, 0, size). Used for the screen,
  // the files, the clipboard and the printer alike.
  void renderChart(QPainter& painter, QSizeF size) const;

  // The chart at the widget's size, pixelRatio device pixels per logical pixel.
  QImage image(double pixelRatio) const;

  // Writes the chart at the widget's size to path through files, PNG (at twice the pixel density)
  // or SVG by its suffix; false, with the reason in error if given, when it cannot.
  bool saveTo(document::FileSystem& files, const QString& path, QString* error = nullptr) const;

  QSize sizeHint() const override { return {760, 560}; }

 signals:
  // The read-out line: the air state under the pointer, empty when it is outside the plot.
  void readoutChanged(const QString& text);
  // A double-click on the plot asks for the state there, dry bulb t, °C, and humidity φ, fraction.
  void stateRequested(double t, double φ);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;  // the arrows pan
  void leaveEvent(QEvent* event) override;

 private:
  QSizeF canvasSize() const;
  std::optional<chart::SheetPoint> sheetAt(QPointF position) const;
  void updateReadout();

  ChartScene scene_;
  std::optional<QPointF> pointer_;  // where the pointer is over the widget
  std::optional<QPointF> dragFrom_;
  chart::View dragView_;
  QString readout_;
};

}  // namespace ui

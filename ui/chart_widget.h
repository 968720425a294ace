#pragma once

#include <QSizeF>
#include <QWidget>
#include <optional>

#include "chart/chart_model.h"
#include "psychro/air_state.h"

class QImage;
class QPainter;

namespace ui {

// The h-d chart, painted from its numbers at whatever size and pixel density it is shown; with a
// state, the state and its dew point and wet bulb are marked. Under the pointer it tells the
// air state of the point there.
class ChartWidget : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWidget(QWidget* parent = nullptr);

  void setState(const psychro::AirState& air);
  const std::optional<psychro::AirState>& state() const { return state_; }

  // Where the chart lies in this widget at its present size.
  chart::Mapping mapping() const;

  // Paints the chart as this widget shows it onto painter over (0, 0, size). Used for the screen,
  // the files and the clipboard alike.
  void renderChart(QPainter& painter, QSizeF size) const;

  // The chart at the widget's size, pixelRatio device pixels per logical pixel.
  QImage image(double pixelRatio) const;

  // Writes the chart at the widget's size to path, PNG (at twice the pixel density) or SVG by its
  // suffix; false, with the reason in error if given, when it cannot.
  bool saveTo(const QString& path, QString* error = nullptr) const;

  QSize sizeHint() const override { return {720, 510}; }

 signals:
  // The hover line: the air state under the pointer, empty when it is outside the plot.
  void readoutChanged(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QSizeF canvasSize() const;
  void showReadout(const QString& text);

  std::optional<psychro::AirState> state_;
  QString readout_;
};

}  // namespace ui

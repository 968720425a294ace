#pragma once

#include <QString>
#include <QWidget>

#include "psychro/air_state.h"

class QLabel;

namespace ui {

class ChartWidget;

// The 焓湿图 window: the chart over its hover line. Its context menu, Ctrl+S and Ctrl+C save the
// chart as PNG or SVG and copy it as an image. A top-level window of its own that never keeps the
// program running.
class ChartWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWindow(QWidget* parent = nullptr);

  void setState(const psychro::AirState& air);
  ChartWidget& chart() const { return *chart_; }

 private:
  void saveAs();
  void copyImage();

  ChartWidget* chart_ = nullptr;
  QLabel* readout_ = nullptr;
  QString lastPath_;  // where the last save went; the dialog opens there
};

}  // namespace ui

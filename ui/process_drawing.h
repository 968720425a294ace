#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "chart/label_board.h"
#include "chart/view.h"
#include "ui/chart_drawing.h"

class QFontMetricsF;
class QPainter;

// Painting the processes on the h-d chart: each process a straight line with an arrow in the
// direction the air goes, the ε lines through points, and the ε protractor in the lower right
// corner. The geometry comes from chart/; this file only strokes it.
namespace ui {

// The processes' lines and arrows and the ε lines, clipped to the plot by the caller.
void drawProcessLines(QPainter& painter, const chart::Mapping& mapping, const ChartScene& scene,
                      double markRadius);

// Boxes that together cover, within the view, the processes' lines (or with epsilon, the ε
// lines): kept clear on a board, they keep labels off them.
std::vector<chart::Box> processLineBoxes(const chart::Mapping& mapping, const ChartScene& scene,
                                         bool epsilon);

// A label given its place on the board, written once every label has one.
struct PlacedLabel {
  chart::Box box;
  QString text;
  QRgb colour;
};

// The labels of the ε lines ("ε=8000"), where the board has room for them.
std::vector<PlacedLabel> labelEpsilonLines(const chart::Mapping& mapping, const ChartScene& scene,
                                           chart::LabelBoard& board, const QFontMetricsF& metrics);

// The ε protractor in the plot's lower right corner: its rays, their values where the board has
// room, and its title; the disc it covers is kept clear of later labels.
void drawProtractor(QPainter& painter, const chart::Mapping& mapping, chart::LabelBoard& board,
                    const QFontMetricsF& metrics);

}  // namespace ui

#include "ui/superscript.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "calc/outputs.h"

namespace ui {
namespace {

// Size of the raised suffix against its caption, and how far its baseline rises, in x-heights of
// the caption's font: the suffix's foot sits inside the x-height, its top near the ascenders.
constexpr double sizeRatio = 0.75;
constexpr double riseInXHeights = 0.8;

}  // namespace

QString superscriptText(std::string_view suffix) {
  return QString::fromStdString(calc::superscriptText(suffix));
}

void placeSuperscript(QLabel& base, QLabel& sup) {
  base.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const QFontMetricsF bm(base.font());
  const double captionWidth = bm.horizontalAdvance(base.text());
  base.resize(static_cast<int>(std::ceil(captionWidth)), base.height());

  QFont small = base.font();
  if (small.pointSizeF() > 0)
    small.setPointSizeF(small.pointSizeF() * sizeRatio);
  else
    small.setPixelSize(std::max(1, static_cast<int>(std::lround(small.pixelSize() * sizeRatio))));
  sup.setFont(small);
  sup.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  sup.setContentsMargins(0, 0, 0, 0);
  const QFontMetricsF sm(small);

  // QLabel centres its one line vertically: the caption's baseline in the container.
  const double baseline = base.y() + (base.height() - bm.height()) / 2 + bm.ascent();
  const double supTop = baseline - riseInXHeights * bm.xHeight() - sm.ascent();
  sup.setGeometry(static_cast<int>(std::lround(base.x() + captionWidth)),
                  static_cast<int>(std::lround(supTop)),
                  static_cast<int>(std::ceil(sm.horizontalAdvance(sup.text()))),
                  static_cast<int>(std::ceil(sm.height())));
}

}  // namespace ui

#include "ui/fit_scale.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QSize>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <cmath>

namespace ui {
namespace {

int scaled(int twips, double scale) {
  return static_cast<int>(std::lround(twips / twipsPerPixel * scale));
}

// The pixels widget needs to show its content without clipping; 0 where it does not care.
QSize neededSize(const QWidget& widget) {
  const QFontMetrics fm = widget.fontMetrics();
  if (const auto* label = qobject_cast<const QLabel*>(&widget))
    return {fm.horizontalAdvance(label->text()), fm.height()};
  if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
    // The widest entry inside the edit field, plus what the style puts around that field (frame,
    // arrow) and the pixel the label keeps clear on each side.
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.rect = QRect(0, 0, 400, 100);
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i)
      widest = std::max(widest, fm.horizontalAdvance(combo->itemText(i)));
    return {widest + 2 + option.rect.width() - field.width(),
            fm.height() + option.rect.height() - field.height()};
  }
  if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
    return {0, edit->minimumSizeHint().height()};
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
    return {fm.horizontalAdvance(button->text()) + 2 * fm.averageCharWidth(), fm.height() + 4};
  return {0, 0};
}

}  // namespace

QRect toPixels(const TwipsRect& rect, double scale) {
  return {scaled(rect.left, scale), scaled(rect.top, scale), scaled(rect.width, scale),
          scaled(rect.height, scale)};
}

QSize toPixels(int widthTwips, int heightTwips, double scale) {
  return {scaled(widthTwips, scale), scaled(heightTwips, scale)};
}

double fitScale(const QWidget& widget, const TwipsRect& rect) {
  const QSize need = neededSize(widget);
  const double width = rect.width / twipsPerPixel;
  const double height = rect.height / twipsPerPixel;
  double factor = 1;
  if (width > 0) factor = std::max(factor, need.width() / width);
  if (height > 0) factor = std::max(factor, need.height() / height);
  return factor;
}

}  // namespace ui

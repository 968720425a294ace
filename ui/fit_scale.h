#pragma once

#include <QRect>

class QWidget;

// Window geometry is kept in twips, 15 to a device-independent pixel. When the platform font is
// larger than the one the layout was drawn for, every rectangle grows by one common factor.
namespace ui {

inline constexpr double twipsPerPixel = 15;

// A rectangle in twips, relative to the control's container.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

// rect in device-independent pixels once every length is multiplied by scale.
QRect toPixels(const TwipsRect& rect, double scale);
QSize toPixels(int widthTwips, int heightTwips, double scale);

// The least factor, at least 1, at which widget's text (caption, widest entry, one line of its
// font) fits inside rect scaled by it. Labels need their caption's width and the font's height;
// selectors their widest entry and one line inside the style's edit field; text boxes their own
// minimum height; buttons their caption with a little padding. Other widgets fit at 1.
double fitScale(const QWidget& widget, const TwipsRect& rect);

}  // namespace ui

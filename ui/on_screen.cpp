#include "ui/on_screen.h"

#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace ui {
namespace {

// The frame around window's contents: the window manager's once it has drawn one, else what a
// title bar and border of the style would take.
QMargins frameOf(const QWidget& window) {
  const QRect inner = window.geometry();
  const QRect outer = window.frameGeometry();
  const QMargins known(inner.left() - outer.left(), inner.top() - outer.top(),
                       outer.right() - inner.right(), outer.bottom() - inner.bottom());
  if (!known.isNull()) return known;
  const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
  const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
  return {border, title + border, border, border};
}

// The start of a span of length `length` that lies within [low, low + room), as near to `at` as
// it can; low when it is longer than the room.
int within(int at, int length, int low, int room) {
  return std::max(low, std::min(at, low + room - length));
}

}  // namespace

void keepOnScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen || !window.isWindow()) return;
  const QRect area = screen->availableGeometry();
  const QMargins frame = frameOf(window);
  const QSize room = area.size().shrunkBy(frame);
  const QSize size = window.size().boundedTo(room).expandedTo(window.minimumSize());
  if (size != window.size()) window.resize(size);

  // pos() is where the frame starts.
  const QSize outer = size.grownBy(frame);
  const QPoint at(within(window.x(), outer.width(), area.left(), area.width()),
                  within(window.y(), outer.height(), area.top(), area.height()));
  if (at != window.pos()) window.move(at);
}

}  // namespace ui

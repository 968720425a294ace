#include "app/first_paint_exit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace app {
namespace {

class FirstPaintWatcher : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      // Queued: the paint (and the flush to the screen after it) completes first.
      QMetaObject::invokeMethod(
          QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
      watched->removeEventFilter(this);
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void exitAfterFirstPaint(QWidget& window) {
  window.installEventFilter(new FirstPaintWatcher(&window));
}

}  // namespace app

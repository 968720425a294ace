#include "ui/notice.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QString>
#include <QThread>
#include <QWindow>

#include "ui/captions.h"

namespace ui {
namespace {

// Window managers draw the title larger and bolder than the dialog's text, beside an icon and up
// to three buttons (about 32 px each) with margins on both sides.
constexpr double titleFontRatio = 1.25;
constexpr int titleBarDecorations = 4 * 32 + 2 * 16;

// The width a window needs for its title to show in full under a common window manager.
int titleRoom(const QString& title) {
  QFont font = QApplication::font("QMdiSubWindowTitleBar");
  font.setBold(true);
  if (font.pointSizeF() > 0)
    font.setPointSizeF(font.pointSizeF() * titleFontRatio);
  else
    font.setPixelSize(static_cast<int>(font.pixelSize() * titleFontRatio));
  return QFontMetrics(font).horizontalAdvance(title) + titleBarDecorations;
}

// A window shown a moment ago may not be on the screen yet: until the window manager has placed
// it, a box centred over it would stand where the window was first put (the screen's top left).
// Waits, at most two seconds, until the owner's window is shown (not for a minimized one, which
// is not shown until the user restores it).
void waitUntilPlaced(QWidget* owner) {
  QWidget* window = owner ? owner->window() : nullptr;
  if (!window || !window->isVisible() || window->isMinimized()) return;
  QElapsedTimer waited;
  waited.start();
  while (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
         waited.elapsed() < 2000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
}

}  // namespace

void showNotice(QWidget* owner, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, owner);
  box.setObjectName(QStringLiteral("notice"));
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  QPushButton* ok =
      box.addButton(QString::fromUtf8(captions::noticeButton), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  // The box fixes its own size from its contents when shown (a minimum width set on it would be
  // overridden), and a short text such as 该状态点不存在 leaves too little room for the title: a
  // spacer across the bottom row keeps the contents at least as wide as the title needs.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(titleRoom(title), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  waitUntilPlaced(owner);
  box.exec();
}

bool askYesNo(QWidget* owner, const QString& title, const QString& text, const char* yes,
              const char* yesName, const char* no, const char* noName) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, owner);
  QPushButton* yesButton = box.addButton(QString::fromUtf8(yes), QMessageBox::AcceptRole);
  QPushButton* noButton = box.addButton(QString::fromUtf8(no), QMessageBox::RejectRole);
  yesButton->setObjectName(QString::fromUtf8(yesName));
  noButton->setObjectName(QString::fromUtf8(noName));
  box.setDefaultButton(yesButton);
  box.setEscapeButton(noButton);
  waitUntilPlaced(owner);
  box.exec();
  return box.clickedButton() == yesButton;
}

}  // namespace ui

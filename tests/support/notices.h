#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>

// Modal notices in the window tests: what each said, answered as a user would.
namespace testsupport {

struct Notice {
  QString title;
  QString text;
  QStringList buttons;
  int width;
};

// Runs action and answers every modal message box it raises by clicking its first button,
// recording what each one said; behind, when given, runs while each box is up.
inline QList<Notice> answerNotices(const std::function<void()>& action,
                                   const std::function<void()>& behind = {}) {
  QList<Notice> seen;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&seen, &behind] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    if (behind) behind();
    Notice notice{box->windowTitle(), box->text(), {}, box->width()};
    for (QAbstractButton* b : box->buttons()) notice.buttons << b->text();
    seen << notice;
    if (box->buttons().isEmpty())
      box->reject();  // would leave the user stuck; the caller's comparison reports it
    else
      QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
  });
  poll.start();
  action();
  return seen;
}

}  // namespace testsupport

#include "ui/notice.h"

#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include "ui/captions.h"

namespace ui {

void showNotice(QWidget* owner, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, owner);
  box.setObjectName(QStringLiteral("notice"));
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  QPushButton* ok =
      box.addButton(QString::fromUtf8(captions::noticeButton), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
}

}  // namespace ui

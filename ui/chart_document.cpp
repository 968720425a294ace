// The chart window's design as a document: new, open and save of workspace files, the title that
// names the file and marks unsaved changes, and the question before unsaved work is set aside.
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUndoStack>

#include "calc/messages.h"
#include "ui/captions.h"
#include "ui/chart_window.h"
#include "ui/notice.h"
#include "ui/point_table_model.h"
#include "workspace/file.h"

namespace ui {
namespace {

QString fromUtf8(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

void ChartWindow::updateTitle() {
  const QString name = filePath_.isEmpty() ? QString::fromUtf8(captions::chartTitle)
                                           : QFileInfo(filePath_).fileName();
  setWindowTitle(name + QStringLiteral("[*]"));
}

void ChartWindow::replaceDesign(const workspace::Workspace& design) {
  // The design's own pressure first, so that restoring computes nothing again; the main window's
  // last state stays with this window.
  setPressure(design.pressure());
  workspace_.restore(design);
  recorded_ = std::make_shared<workspace::Workspace>(workspace_);
  undo_->clear();
  undo_->setClean();
  model_->reset();
}

bool ChartWindow::saveTo(const QString& path, QString* error) {
  const std::string text = workspace::workspaceText(workspace_);
  // Written beside the file and renamed over it only when whole: a failed save leaves the old file.
  QSaveFile file(path);
  const bool saved = file.open(QIODevice::WriteOnly) &&
                     file.write(text.data(), static_cast<qint64>(text.size())) ==
                         static_cast<qint64>(text.size()) &&
                     file.commit();
  if (!saved) {
    if (error) *error = file.errorString();
    return false;
  }
  filePath_ = path;
  undo_->setClean();
  updateTitle();
  return true;
}

bool ChartWindow::openFile(const QString& path) {
  QFile file(path);
  QString why;
  std::variant<workspace::Workspace, std::string> read = std::string();
  if (!file.open(QIODevice::ReadOnly)) {
    why = file.errorString();
  } else if (file.size() > static_cast<qint64>(workspace::maxFileBytes)) {
    why = QString::fromUtf8(captions::fileTooLarge);
  } else {
    const QByteArray bytes = file.readAll();
    read = workspace::readWorkspace(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (const auto* message = std::get_if<std::string>(&read)) why = fromUtf8(*message);
  }
  if (!std::holds_alternative<workspace::Workspace>(read)) {
    showNotice(this, fromUtf8(calc::messages::title),
               QString::fromUtf8(captions::openFailed).arg(path) + '\n' + why);
    return false;
  }
  if (!maySetDesignAside()) return false;
  replaceDesign(std::get<workspace::Workspace>(read));
  filePath_ = path;
  updateTitle();
  emit pressureChosen(workspace_.pressure());
  return true;
}

bool ChartWindow::maySetDesignAside() {
  if (undo_->isClean()) return true;
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(captions::unsavedTitle),
                  QString::fromUtf8(captions::unsavedQuestion).arg(windowTitle().remove("[*]")),
                  QMessageBox::NoButton, this);
  QPushButton* save =
      box.addButton(QString::fromUtf8(captions::saveButton), QMessageBox::AcceptRole);
  QPushButton* discard =
      box.addButton(QString::fromUtf8(captions::discardButton), QMessageBox::DestructiveRole);
  QPushButton* cancel =
      box.addButton(QString::fromUtf8(captions::cancelButton), QMessageBox::RejectRole);
  save->setObjectName(QStringLiteral("SaveChanges"));
  discard->setObjectName(QStringLiteral("DiscardChanges"));
  cancel->setObjectName(QStringLiteral("CancelClose"));
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == discard) return true;
  if (box.clickedButton() == save) return saveDesign();
  return false;
}

void ChartWindow::closeEvent(QCloseEvent* event) {
  if (maySetDesignAside())
    event->accept();
  else
    event->ignore();
}

void ChartWindow::newDesign() {
  if (!maySetDesignAside()) return;
  workspace::Workspace fresh;
  fresh.setPressure(pressure());
  replaceDesign(fresh);
  filePath_.clear();
  updateTitle();
}

void ChartWindow::openDesign() {
  const QString start = filePath_.isEmpty()
                            ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                            : QFileInfo(filePath_).absolutePath();
  const QString path =
      QFileDialog::getOpenFileName(this, QString::fromUtf8(captions::openDialogTitle), start,
                                   QString::fromUtf8(captions::workspaceFilter));
  if (!path.isEmpty()) openFile(path);
}

bool ChartWindow::saveDesign() {
  if (filePath_.isEmpty()) return saveDesignAs();
  QString why;
  if (saveTo(filePath_, &why)) return true;
  showNotice(this, fromUtf8(calc::messages::title),
             QString::fromUtf8(captions::saveWorkspaceFailed).arg(filePath_) + '\n' + why);
  return false;
}

bool ChartWindow::saveDesignAs() {
  const QString start = filePath_.isEmpty()
                            ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                                  '/' + QString::fromUtf8(captions::workspaceDefaultName)
                            : filePath_;
  QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8(captions::saveAsDialogTitle),
                                              start, QString::fromUtf8(captions::workspaceFilter));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".torvale");
  QString why;
  if (saveTo(path, &why)) return true;
  showNotice(this, fromUtf8(calc::messages::title),
             QString::fromUtf8(captions::saveWorkspaceFailed).arg(path) + '\n' + why);
  return false;
}

}  // namespace ui

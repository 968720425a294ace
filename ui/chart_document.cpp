// The chart window's design as a document: new, open and save of workspace files, the title that
// names the file and marks unsaved changes, the question before unsaved work is set aside, the
// recovery file that keeps unsaved work against a crash, and the list of files last used.
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QUndoStack>
#include <optional>
#include <utility>

#include "calc/messages.h"
#include "ui/captions.h"
#include "ui/chart_widget.h"
#include "ui/chart_window.h"
#include "ui/notice.h"
#include "ui/point_table_model.h"
#include "workspace/file.h"

namespace ui {
namespace {

QString fromUtf8(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The one setting the program keeps: the files last opened or saved.
constexpr qsizetype recentCount = 8;
constexpr char recentKey[] = "recentFiles";

QStringList& withoutExtra(QStringList& list) {
  while (list.size() > recentCount) list.removeLast();
  return list;
}

void keepRecent(const QStringList& list) {
  QSettings settings(QStringLiteral("Torvale"), QStringLiteral("torvale"));
  settings.setValue(QLatin1String(recentKey), list);
}

// The bytes of the file at path, if it can be read and is no larger than a workspace file may be;
// else none, and why in why.
std::optional<QByteArray> readWorkspaceBytes(const QString& path, QString& why) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    why = file.errorString();
    return std::nullopt;
  }
  if (file.size() > static_cast<qint64>(workspace::maxFileBytes)) {
    why = QString::fromUtf8(captions::fileTooLarge);
    return std::nullopt;
  }
  return file.readAll();
}

std::string_view viewOf(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
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
  setArithmetic(design.arithmetic());
  workspace_.restore(design);
  // The design's weather file is read afresh, as it is now: a layer kept from an earlier reading
  // would show a file changed or gone since, and one that could not be read then is said again.
  chart_->setWeather(nullptr);  // it draws the states held, which go here
  weatherShown_ = false;
  weather_.reset();
  unreadable_.clear();
  recorded_ = std::make_shared<workspace::Workspace>(workspace_);
  undo_->clear();
  undo_->setClean();
  opening_ = true;
  model_->reset();
}

void ChartWindow::sayHeldNotice() {
  opening_ = false;
  if (heldNotice_.isEmpty()) return;
  showNotice(this, fromUtf8(calc::messages::title), std::exchange(heldNotice_, {}));
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
  remember(path);
  return true;
}

bool ChartWindow::openFile(const QString& path) {
  QString why;
  std::variant<workspace::Workspace, std::string> read = std::string();
  if (const std::optional<QByteArray> bytes = readWorkspaceBytes(path, why)) {
    read = workspace::readWorkspace(viewOf(*bytes));
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
  remember(path);
  emit pressureChosen(workspace_.pressure());
  emit arithmeticChosen(workspace_.arithmetic());
  sayHeldNotice();
  return true;
}

bool ChartWindow::maySetDesignAside() {
  if (undo_->isClean()) return true;
  const bool aside = askToSetAside();
  // Saved or not to be: the design no longer needs keeping against a crash.
  if (aside) removeRecovery();
  return aside;
}

bool ChartWindow::askToSetAside() {
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

QString ChartWindow::recoveryPath() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/recovery.torvale");
}

void ChartWindow::setRecoveryDelay(int ms) {
  recoveryTimer_->setInterval(ms);
}

void ChartWindow::removeRecovery() {
  recoveryTimer_->stop();
  QFile::remove(recoveryPath());
}

void ChartWindow::writeRecovery() {
  recoveryTimer_->stop();
  if (undo_->isClean()) {
    removeRecovery();
    return;
  }
  // Where the folder cannot be made or the file written, the design goes on unkept: the recovery
  // is a safeguard, and a notice every few seconds would stop the work it guards.
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (folder.isEmpty() || !QDir().mkpath(folder)) return;
  const std::string text = workspace::recoveryText(workspace_, filePath_.toStdString());
  QSaveFile file(recoveryPath());
  if (file.open(QIODevice::WriteOnly) &&
      file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()))
    file.commit();
}

std::optional<workspace::Recovered> ChartWindow::offerRecovery(QWidget* parent) {
  const QString path = recoveryPath();
  const QFileInfo info(path);
  if (!info.exists()) return std::nullopt;
  QString why;
  std::variant<workspace::Recovered, std::string> read = std::string();
  if (const std::optional<QByteArray> bytes = readWorkspaceBytes(path, why))
    read = workspace::readRecovery(viewOf(*bytes));
  else
    read = why.toStdString();
  const auto* recovered = std::get_if<workspace::Recovered>(&read);
  if (!recovered) {
    // Said once, and removed, so that it is not offered at every start.
    showNotice(parent, fromUtf8(calc::messages::title),
               QString::fromUtf8(captions::openFailed).arg(path) + '\n' +
                   fromUtf8(std::get<std::string>(read)));
    QFile::remove(path);
    return std::nullopt;
  }
  const QString name = recovered->source.empty()
                           ? QString::fromUtf8(captions::recoveryUntitled)
                           : QFileInfo(fromUtf8(recovered->source)).fileName();
  if (askYesNo(parent, QString::fromUtf8(captions::recoveryTitle),
               QString::fromUtf8(captions::recoveryQuestion)
                   .arg(name, info.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
               captions::recoverButton, "Recover", captions::noRecoverButton, "DiscardRecovery"))
    return std::move(std::get<workspace::Recovered>(read));
  QFile::remove(path);
  return std::nullopt;
}

void ChartWindow::openRecovered(const workspace::Recovered& recovered) {
  replaceDesign(recovered.design);
  filePath_ = fromUtf8(recovered.source);
  updateTitle();
  // Unsaved work, as it was when kept; no step undoes back to a saved state.
  undo_->resetClean();
  writeRecovery();
  emit pressureChosen(workspace_.pressure());
  emit arithmeticChosen(workspace_.arithmetic());
  sayHeldNotice();
}

QStringList ChartWindow::recentFiles() {
  QSettings settings(QStringLiteral("Torvale"), QStringLiteral("torvale"));
  QStringList list = settings.value(QLatin1String(recentKey)).toStringList();
  return withoutExtra(list);
}

void ChartWindow::remember(const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  QStringList list = recentFiles();
  list.removeAll(full);
  list.prepend(full);
  keepRecent(withoutExtra(list));
}

void ChartWindow::fillRecent() {
  recent_->clear();
  const QStringList list = recentFiles();
  if (list.isEmpty())
    recent_->addAction(QString::fromUtf8(captions::recentNone))->setEnabled(false);
  for (qsizetype i = 0; i < list.size(); ++i) {
    QString text = QDir::toNativeSeparators(list[i]);
    text.replace('&', QStringLiteral("&&"));  // a path's own & is no shortcut mark
    const QString path = list[i];
    connect(recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(text)), &QAction::triggered,
            this, [this, path] { openRecent(path); });
  }
}

void ChartWindow::openRecent(const QString& path) {
  if (openFile(path) || QFileInfo::exists(path)) return;
  // Gone: the notice has said so; it leaves the list.
  QStringList list = recentFiles();
  list.removeAll(path);
  keepRecent(list);
}

void ChartWindow::newDesign() {
  if (!maySetDesignAside()) return;
  workspace::Workspace fresh;
  fresh.setPressure(pressure());
  fresh.setArithmetic(arithmetic());
  replaceDesign(fresh);
  filePath_.clear();
  updateTitle();
  sayHeldNotice();
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

#include "ui/design_files.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include "calc/messages.h"
#include "ui/captions.h"
#include "ui/notice.h"
#include "ui/step_names.h"
#include "ui/utf8.h"

namespace ui {
namespace {

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

// A left-over recovery as the offer names it: its design's file (or 未命名), and when it was kept.
QString leftOverName(const workspace::Recovered& design) {
  return design.source.empty() ? QString::fromUtf8(captions::recoveryUntitled)
                               : QFileInfo(fromUtf8(design.source)).fileName();
}

// The name as the question shows it: a long one shortened in the middle, so that its line holds
// it unbroken.
QString shortName(const QString& name) {
  return QFontMetrics(QApplication::font()).elidedText(name, Qt::ElideMiddle, 180);
}

QString leftOverTime(const document::LeftOver& file) {
  return QDateTime::fromSecsSinceEpoch(file.modified).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

}  // namespace

DesignFiles::DesignFiles(QWidget* owner, document::Document& design)
    : QObject(owner), owner_(owner), design_(design) {
  const auto item = [this](const char* name, const char* caption, const QKeySequence& keys) {
    auto* a = new QAction(QString::fromUtf8(caption), owner_);
    a->setObjectName(QString::fromUtf8(name));
    a->setShortcut(keys);
    return a;
  };
  new_ = item("NewDesign", captions::newDesignItem, QKeySequence::New);
  connect(new_, &QAction::triggered, this, &DesignFiles::newDesign);
  open_ = item("OpenDesign", captions::openItem, QKeySequence::Open);
  connect(open_, &QAction::triggered, this, &DesignFiles::openDesign);
  save_ = item("SaveDesign", captions::saveDesignItem, QKeySequence::Save);
  connect(save_, &QAction::triggered, this, [this] { save(); });
  saveAs_ = item("SaveDesignAs", captions::saveDesignAsItem,
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  connect(saveAs_, &QAction::triggered, this, [this] { saveAs(); });
  recent_ = new QMenu(QString::fromUtf8(captions::recentMenu), owner_);
  recent_->setObjectName(QStringLiteral("RecentFiles"));
  connect(recent_, &QMenu::aboutToShow, this, &DesignFiles::fillRecent);
  recoveryTimer_ = new QTimer(this);
  recoveryTimer_->setSingleShot(true);
  recoveryTimer_->setInterval(3000);
  connect(recoveryTimer_, &QTimer::timeout, this, &DesignFiles::writeRecovery);
}

QString DesignFiles::filePath() const {
  return fromUtf8(design_.path());
}

bool DesignFiles::saveTo(const QString& path, QString* error) {
  if (const document::Refused why = design_.save(path.toStdString())) {
    if (error) *error = refusalText(*why);
    return false;
  }
  remember(path);
  return true;
}

bool DesignFiles::openFile(const QString& path) {
  auto read = design_.read(path.toStdString());
  if (const auto* why = std::get_if<document::Refusal>(&read)) {
    showNotice(owner_, fromUtf8(calc::messages::title),
               QString::fromUtf8(captions::openFailed).arg(path) + '\n' + refusalText(*why));
    return false;
  }
  if (!maySetDesignAside(SetAside::open)) return false;
  design_.open(std::get<workspace::Workspace>(read), path.toStdString());
  remember(path);
  emit replaced();
  return true;
}

bool DesignFiles::maySetDesignAside(SetAside why) {
  if (!design_.modified()) return true;
  const bool aside = ask(why);
  // Saved or not to be: the design no longer needs keeping against a crash.
  if (aside) design_.discardRecovery();
  return aside;
}

bool DesignFiles::ask(SetAside why) {
  const char* question = why == SetAside::newDesign ? captions::unsavedBeforeNew
                         : why == SetAside::open    ? captions::unsavedBeforeOpen
                                                    : captions::unsavedQuestion;
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(captions::unsavedTitle),
                  QString::fromUtf8(question).arg(owner_->windowTitle().remove("[*]")),
                  QMessageBox::NoButton, owner_);
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
  if (box.clickedButton() == save) return this->save();
  return false;
}

void DesignFiles::changed() {
  if (!design_.modified())
    design_.discardRecovery();
  else if (!recoveryTimer_->isActive())
    recoveryTimer_->start();
}

void DesignFiles::setRecoveryDelay(int ms) {
  recoveryTimer_->setInterval(ms);
}

void DesignFiles::writeRecovery() {
  recoveryTimer_->stop();
  // Where the file cannot be written, the design goes on unkept: the recovery is a safeguard, and
  // a notice every few seconds would stop the work it guards.
  design_.keepRecovery();
}

std::optional<workspace::Recovered> DesignFiles::offerRecovery(QWidget* parent,
                                                               document::Recovery& recovery) {
  const std::vector<document::LeftOver> files = recovery.leftOvers();
  if (files.empty()) return std::nullopt;
  // What each file holds; one that cannot be read is said once and removed, so that it is not
  // offered at every start.
  std::vector<std::pair<document::LeftOver, workspace::Recovered>> offered;
  for (const document::LeftOver& file : files) {
    auto read = recovery.read(file);
    if (auto* design = std::get_if<workspace::Recovered>(&read)) {
      offered.emplace_back(file, std::move(*design));
      continue;
    }
    showNotice(parent, fromUtf8(calc::messages::title),
               QString::fromUtf8(captions::openFailed).arg(fromUtf8(file.path)) + '\n' +
                   refusalText(std::get<document::Refusal>(read)));
    recovery.remove(file);
  }
  if (offered.empty()) return std::nullopt;
  // One file: 恢复 / 不恢复. Several: the list, newest first, the one chosen opened or declined;
  // the others stay for a later start.
  std::size_t chosen = 0;
  bool recover = false;
  if (offered.size() == 1) {
    recover = askYesNo(
        parent, QString::fromUtf8(captions::recoveryTitle),
        QString::fromUtf8(captions::recoveryQuestion)
            .arg(shortName(leftOverName(offered[0].second)), leftOverTime(offered[0].first)),
        captions::recoverButton, "Recover", captions::noRecoverButton, "DiscardRecovery");
  } else {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("RecoveryList"));
    dialog.setWindowTitle(QString::fromUtf8(captions::recoveryTitle));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QString::fromUtf8(captions::recoveryListPrompt), &dialog));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("RecoveryFiles"));
    for (const auto& [file, design] : offered)
      list->addItem(leftOverName(design) + QStringLiteral("（%1）").arg(leftOverTime(file)));
    list->setCurrentRow(0);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* yes = buttons->addButton(QString::fromUtf8(captions::recoverButton),
                                          QDialogButtonBox::AcceptRole);
    yes->setObjectName(QStringLiteral("Recover"));
    buttons->addButton(QString::fromUtf8(captions::noRecoverButton), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("DiscardRecovery"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    recover = dialog.exec() == QDialog::Accepted;
    chosen = static_cast<std::size_t>(std::max(0, list->currentRow()));
  }
  auto [file, design] = std::move(offered[chosen]);
  if (!recover) {
    recovery.remove(file);
    recovery.letGo();
    return std::nullopt;
  }
  // Taken: this copy keeps it from now on (openRecovered writes its own recovery at once).
  recovery.remove(file);
  recovery.letGo();
  return std::move(design);
}

void DesignFiles::openRecovered(const workspace::Recovered& recovered) {
  design_.openRecovered(recovered);
  writeRecovery();
  emit replaced();
}

QStringList DesignFiles::recentFiles() {
  QSettings settings(QStringLiteral("Torvale"), QStringLiteral("torvale"));
  QStringList list = settings.value(QLatin1String(recentKey)).toStringList();
  return withoutExtra(list);
}

void DesignFiles::remember(const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  QStringList list = recentFiles();
  list.removeAll(full);
  list.prepend(full);
  keepRecent(withoutExtra(list));
}

void DesignFiles::fillRecent() {
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

void DesignFiles::openRecent(const QString& path) {
  if (openFile(path) || QFileInfo::exists(path)) return;
  // Gone: the notice has said so; it leaves the list.
  QStringList list = recentFiles();
  list.removeAll(path);
  keepRecent(list);
}

void DesignFiles::newDesign() {
  if (!maySetDesignAside(SetAside::newDesign)) return;
  design_.newDesign();
  emit replaced();
}

void DesignFiles::openDesign() {
  const QString start = design_.path().empty()
                            ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                            : QFileInfo(filePath()).absolutePath();
  const QString path =
      QFileDialog::getOpenFileName(owner_, QString::fromUtf8(captions::openDialogTitle), start,
                                   QString::fromUtf8(captions::workspaceFilter));
  if (!path.isEmpty()) openFile(path);
}

bool DesignFiles::save() {
  if (design_.path().empty()) return saveAs();
  QString why;
  if (saveTo(filePath(), &why)) return true;
  showNotice(owner_, fromUtf8(calc::messages::title),
             QString::fromUtf8(captions::saveWorkspaceFailed).arg(filePath()) + '\n' + why);
  return false;
}

bool DesignFiles::saveAs() {
  const QString start = design_.path().empty()
                            ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                                  '/' + QString::fromUtf8(captions::workspaceDefaultName)
                            : filePath();
  QString path =
      QFileDialog::getSaveFileName(owner_, QString::fromUtf8(captions::saveAsDialogTitle), start,
                                   QString::fromUtf8(captions::workspaceFilter));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".torvale");
  QString why;
  if (saveTo(path, &why)) return true;
  showNotice(owner_, fromUtf8(calc::messages::title),
             QString::fromUtf8(captions::saveWorkspaceFailed).arg(path) + '\n' + why);
  return false;
}

}  // namespace ui

#include "ui/chart_window.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "calc/messages.h"
#include "ui/captions.h"
#include "ui/chart_export.h"
#include "ui/chart_widget.h"
#include "ui/notice.h"
#include "ui/program_icon.h"

namespace ui {
namespace {

bool confirmReplace(QWidget* owner, const QString& path) {
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(captions::saveDialogTitle),
                  QString::fromUtf8(captions::replaceQuestion).arg(path), QMessageBox::NoButton,
                  owner);
  box.setTextFormat(Qt::PlainText);
  QPushButton* replace =
      box.addButton(QString::fromUtf8(captions::replaceButton), QMessageBox::AcceptRole);
  QPushButton* keep =
      box.addButton(QString::fromUtf8(captions::cancelButton), QMessageBox::RejectRole);
  box.setDefaultButton(keep);
  box.setEscapeButton(keep);
  box.exec();
  return box.clickedButton() == replace;
}

}  // namespace

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("ChartWindow"));
  setWindowTitle(QString::fromUtf8(captions::chartTitle));
  setWindowIcon(programIcon());
  setAttribute(Qt::WA_QuitOnClose, false);

  chart_ = new ChartWidget(this);
  readout_ = new QLabel(this);
  readout_->setObjectName(QStringLiteral("readout"));
  readout_->setTextFormat(Qt::PlainText);
  readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // One line always, so that the chart does not jump as the text comes and goes.
  readout_->setMinimumHeight(readout_->fontMetrics().height() + 6);
  readout_->setContentsMargins(8, 2, 8, 4);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(chart_, 1);
  layout->addWidget(readout_);
  connect(chart_, &ChartWidget::readoutChanged, readout_, &QLabel::setText);

  auto* save = new QAction(QString::fromUtf8(captions::saveItem), this);
  save->setObjectName(QStringLiteral("SaveChart"));
  save->setShortcut(QKeySequence::Save);
  connect(save, &QAction::triggered, this, &ChartWindow::saveAs);
  auto* copy = new QAction(QString::fromUtf8(captions::copyItem), this);
  copy->setObjectName(QStringLiteral("CopyChart"));
  copy->setShortcut(QKeySequence::Copy);
  connect(copy, &QAction::triggered, this, &ChartWindow::copyImage);
  // Shortcuts of the whole window, offered again by the chart's context menu.
  chart_->addAction(save);
  chart_->addAction(copy);
  chart_->setContextMenuPolicy(Qt::ActionsContextMenu);

  resize(720, 540);
}

void ChartWindow::setState(const psychro::AirState& air) {
  chart_->setState(air);
}

void ChartWindow::saveAs() {
  if (lastPath_.isEmpty())
    lastPath_ = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + '/' +
                QString::fromUtf8(captions::saveDefaultName);
  QFileDialog dialog(this, QString::fromUtf8(captions::saveDialogTitle), lastPath_,
                     QString::fromUtf8(captions::saveFilter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The dialog adds the suffix of the chosen type to a bare name before it asks about replacing.
  dialog.setDefaultSuffix(filterSuffix(dialog.selectedNameFilter()));
  connect(&dialog, &QFileDialog::filterSelected, &dialog,
          [&dialog](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter)); });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;

  const QString chosen = dialog.selectedFiles().front();
  const QString path = withChartSuffix(chosen, dialog.selectedNameFilter());
  // A suffix added here ("图.v2" → "图.v2.png") was not seen by the dialog's replace question.
  if (path != chosen && QFileInfo::exists(path) && !confirmReplace(this, path)) return;
  lastPath_ = path;
  QString why;
  if (!chart_->saveTo(path, &why))
    showNotice(this, QString::fromUtf8(calc::messages::title.data(), calc::messages::title.size()),
               QString::fromUtf8(captions::saveFailed) + path + '\n' + why);
}

void ChartWindow::copyImage() {
  QGuiApplication::clipboard()->setImage(chart_->image(chart_->devicePixelRatioF()));
}

}  // namespace ui

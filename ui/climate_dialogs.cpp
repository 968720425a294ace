#include "ui/climate_dialogs.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

#include "calc/field.h"
#include "calc/messages.h"
#include "calc/number_text.h"
#include "calc/pair_calculation.h"
#include "ui/captions.h"
#include "ui/notice.h"
#include "ui/on_screen.h"
#include "ui/utf8.h"

namespace ui {
namespace {

QDialogButtonBox* okCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(dialog);
  buttons->addButton(QString::fromUtf8(captions::okButton), QDialogButtonBox::AcceptRole)
      ->setDefault(true);
  buttons->addButton(QString::fromUtf8(captions::cancelButton), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

QLineEdit* edit(const QString& name, const QString& announced, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setAccessibleName(announced);
  return e;
}

// The object names of the bound fields: "TMin", "TMax", "RhMin", … in the order of StateBounds,
// and their quantities.
constexpr const char* boundNames[] = {"T", "Rh", "Tl", "D", "H"};
constexpr psychro::Quantity boundQuantities[] = {psychro::Quantity::t, psychro::Quantity::rh,
                                                 psychro::Quantity::tl, psychro::Quantity::d,
                                                 psychro::Quantity::h};

}  // namespace

ZoneDialog::ZoneDialog(Add add, QWidget* parent) : QDialog(parent), add_(std::move(add)) {
  setObjectName(QStringLiteral("ZoneDialog"));
  setWindowTitle(QString::fromUtf8(captions::zoneDialogTitle));
  auto* grid = new QGridLayout(this);
  const QString nameCaption = QString::fromUtf8(captions::zoneNameCaption);
  name_ = edit(QStringLiteral("ZoneName"), nameCaption, this);
  grid->addWidget(new QLabel(nameCaption, this), 0, 0);
  grid->addWidget(name_, 0, 1, 1, 2);
  grid->addWidget(new QLabel(QString::fromUtf8(captions::zoneMinCaption), this), 1, 1);
  grid->addWidget(new QLabel(QString::fromUtf8(captions::zoneMaxCaption), this), 1, 2);
  for (int q = 0; q < 5; ++q) {
    const QString caption = fromUtf8(calc::quantityCaption(boundQuantities[q]));
    grid->addWidget(new QLabel(caption, this), q + 2, 0);
    for (int side = 0; side < 2; ++side) {
      const QString which =
          QString::fromUtf8(side == 0 ? captions::zoneMinCaption : captions::zoneMaxCaption);
      QLineEdit*& e = bounds_[static_cast<std::size_t>(q)][static_cast<std::size_t>(side)];
      e = edit(QString::fromUtf8(boundNames[q]) + (side == 0 ? "Min" : "Max"),
               caption + ' ' + which, this);
      grid->addWidget(e, q + 2, side + 1);
    }
  }
  grid->addWidget(okCancel(this), 7, 0, 1, 3);
  name_->setFocus();
}

void ZoneDialog::open() {
  // A new zone each time: nothing kept from the last one, taken or not.
  name_->clear();
  for (const auto& sides : bounds_)
    for (QLineEdit* e : sides) e->clear();
  name_->setFocus();
  QDialog::open();
}

void ZoneDialog::accept() {
  workspace::Zone zone;
  zone.name = name_->text().toStdString();
  // Each bound typed must be one number; which bounds make a zone is the design's own check.
  QString refusal;
  for (std::size_t q = 0; q < 5 && refusal.isEmpty(); ++q) {
    psychro::Bound& bound = zone.bounds.*workspace::boundKeys[q].bound;
    for (std::size_t side = 0; side < 2 && refusal.isEmpty(); ++side) {
      const QLineEdit* e = bounds_[q][side];
      if (e->text().trimmed().isEmpty()) continue;  // that side open
      const auto read = calc::readField(e->text().toStdString());
      if (const auto* problem = std::get_if<calc::FieldProblem>(&read))
        refusal = fromUtf8(calc::fieldWords(*problem, e->accessibleName().toStdString()));
      else
        (side == 0 ? bound.min : bound.max) = std::get<double>(read);
    }
  }
  if (refusal.isEmpty()) refusal = add_(zone);
  if (!refusal.isEmpty()) {
    showNotice(this, fromUtf8(calc::messages::title), refusal);
    return;
  }
  QDialog::accept();
}

LogColumnsDialog::LogColumnsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("LogColumnsDialog"));
  setWindowTitle(QString::fromUtf8(captions::logDialogTitle));
  auto* grid = new QGridLayout(this);
  const char* const captionsOf[] = {captions::logModeCaption, captions::logFirstColumn,
                                    captions::logSecondColumn};
  const char* const names[] = {"LogMode", "LogFirstColumn", "LogSecondColumn"};
  QLineEdit* edits[3];
  for (int i = 0; i < 3; ++i) {
    const QString caption = QString::fromUtf8(captionsOf[i]);
    edits[i] = edit(QString::fromUtf8(names[i]), caption, this);
    grid->addWidget(new QLabel(caption, this), i, 0);
    grid->addWidget(edits[i], i, 1);
  }
  mode_ = edits[0];
  mode_->setText(QStringLiteral("t+tl"));
  columnEdits_ = {edits[1], edits[2]};
  grid->addWidget(okCancel(this), 3, 0, 1, 2);
}

void LogColumnsDialog::accept() {
  const std::string mode = mode_->text().trimmed().toStdString();
  std::string error;
  std::optional<calc::Pair> pair = mode == "rh"   ? calc::routePair(calc::Route::humidity)
                                   : mode == "tw" ? calc::routePair(calc::Route::wetBulb)
                                                  : calc::pairNamed(mode, error);
  QString refusal;
  if (!pair)
    refusal = QString::fromUtf8(captions::logModeRefused)
                  .arg(mode_->accessibleName(),
                       error.empty() ? fromUtf8(calc::words(psychro::Outcome::missingInput))
                                     : QString::fromStdString(error));
  workspace::LogColumns log;
  for (std::size_t i = 0; i < 2 && refusal.isEmpty(); ++i) {
    log.columns[i] = columnEdits_[i]->text().trimmed().toStdString();
    if (log.columns[i].empty())
      refusal = QString::fromUtf8(captions::logModeRefused)
                    .arg(columnEdits_[i]->accessibleName(),
                         fromUtf8(calc::words(psychro::Outcome::missingInput)));
  }
  if (!refusal.isEmpty()) {
    showNotice(this, fromUtf8(calc::messages::title), refusal);
    return;
  }
  log.pair = *pair;
  columns_ = log;
  QDialog::accept();
}

}  // namespace ui

#include "ui/point_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <iterator>
#include <utility>
#include <variant>

#include "calc/field.h"
#include "calc/messages.h"
#include "calc/number_text.h"
#include "calc/pair_calculation.h"
#include "ui/captions.h"
#include "ui/notice.h"
#include "ui/on_screen.h"
#include "ui/step_names.h"
#include "ui/utf8.h"

namespace ui {
namespace {

// A selector of the six quantities, in the order of psychro::Quantity.
QComboBox* quantitySelector(const char* name, psychro::Quantity selected, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromUtf8(name));
  for (int q = 0; q < 6; ++q)
    box->addItem(fromUtf8(calc::quantityCaption(static_cast<psychro::Quantity>(q))));
  box->setCurrentIndex(static_cast<int>(selected));
  return box;
}

psychro::Quantity quantityOf(const QComboBox* box) {
  return static_cast<psychro::Quantity>(box->currentIndex());
}

}  // namespace

PointDialog::PointDialog(Add add, QWidget* parent) : QDialog(parent), add_(std::move(add)) {
  setObjectName(QStringLiteral("PointDialog"));
  setWindowTitle(QString::fromUtf8(captions::newPointTitle));

  // Dry bulb and relative humidity to start with, the pair most often at hand.
  first_ = quantitySelector("FirstQuantity", psychro::Quantity::t, this);
  second_ = quantitySelector("SecondQuantity", psychro::Quantity::rh, this);
  firstValue_ = new QLineEdit(this);
  firstValue_->setObjectName(QStringLiteral("FirstValue"));
  secondValue_ = new QLineEdit(this);
  secondValue_->setObjectName(QStringLiteral("SecondValue"));
  // A value box is announced by the quantity its selector shows, as in the main window.
  firstValue_->setAccessibleName(first_->currentText());
  secondValue_->setAccessibleName(second_->currentText());
  connect(first_, &QComboBox::currentTextChanged, firstValue_, &QLineEdit::setAccessibleName);
  connect(second_, &QComboBox::currentTextChanged, secondValue_, &QLineEdit::setAccessibleName);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok =
      buttons->addButton(QString::fromUtf8(captions::okButton), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  QPushButton* cancel =
      buttons->addButton(QString::fromUtf8(captions::cancelButton), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &PointDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &PointDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QString::fromUtf8(captions::firstQuantity), this), 0, 0);
  grid->addWidget(first_, 0, 1);
  grid->addWidget(firstValue_, 0, 2);
  grid->addWidget(new QLabel(QString::fromUtf8(captions::secondQuantity), this), 1, 0);
  grid->addWidget(second_, 1, 1);
  grid->addWidget(secondValue_, 1, 2);
  nameLabel_ = new QLabel(QString::fromUtf8(captions::pointNameCaption), this);
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("PointName"));
  name_->setAccessibleName(nameLabel_->text());
  grid->addWidget(nameLabel_, 2, 0);
  grid->addWidget(name_, 2, 1, 1, 2);
  grid->addWidget(buttons, 3, 0, 1, 3);
  // Tab goes as the form reads: each quantity, then its value, the name, then the buttons.
  QWidget* order[] = {first_, firstValue_, second_, secondValue_, name_, ok, cancel};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  firstValue_->setFocus();
}

void PointDialog::setName(const QString& name) {
  name_->setText(name);
  nameLabel_->setVisible(!name.isEmpty());
  name_->setVisible(!name.isEmpty());
}

void PointDialog::setGiven(const workspace::StatePoint& point) {
  first_->setCurrentIndex(static_cast<int>(point.pair.first));
  second_->setCurrentIndex(static_cast<int>(point.pair.second));
  firstValue_->setText(fromUtf8(workspace::valueText(point.first)));
  secondValue_->setText(fromUtf8(workspace::valueText(point.second)));
}

void PointDialog::accept() {
  // Each value must be one number, named by its quantity where it is not.
  QString refusal;
  for (auto [box, value] : {std::pair{first_, firstValue_}, std::pair{second_, secondValue_}}) {
    if (!refusal.isEmpty()) break;
    const auto read = calc::readField(value->text().toStdString());
    if (const auto* problem = std::get_if<calc::FieldProblem>(&read))
      refusal = fromUtf8(calc::fieldWords(*problem, box->currentText().toStdString()));
  }
  // A name, once offered, is never empty: the same words as a rename's.
  if (refusal.isEmpty() && name_->isVisibleTo(this) && name_->text().trimmed().isEmpty())
    refusal = refusalText(document::byDesign({workspace::Rule::nameEmpty, {}, {}}));
  if (refusal.isEmpty())
    refusal = add_({{quantityOf(first_), quantityOf(second_)},
                    firstValue_->text().toStdString(),
                    secondValue_->text().toStdString()},
                   name_->isVisibleTo(this) ? name_->text() : QString());
  if (!refusal.isEmpty()) {
    showNotice(this, fromUtf8(calc::messages::title), refusal);
    return;
  }
  QDialog::accept();
}

void PointDialog::showEvent(QShowEvent* event) {
  keepOnScreen(*this);
  QDialog::showEvent(event);
  firstValue_->setFocus(Qt::OtherFocusReason);
  firstValue_->selectAll();
}

}  // namespace ui

#include "ui/pressure_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <iterator>
#include <utility>
#include <variant>

#include "calc/field.h"
#include "calc/messages.h"
#include "calc/pressure_setting.h"
#include "psychro/constants.h"
#include "psychro/pressure.h"
#include "ui/captions.h"
#include "ui/on_screen.h"
#include "ui/utf8.h"

namespace ui {
namespace {

template <class W, class... Args>
W* named(const char* name, Args&&... args) {
  W* widget = new W(std::forward<Args>(args)...);
  widget->setObjectName(QString::fromUtf8(name));
  return widget;
}

// caption without its access key: "海拔(&A)" → "海拔".
QString withoutMnemonic(const char* caption) {
  QString text = QString::fromUtf8(caption);
  const qsizetype at = text.indexOf(QStringLiteral("(&"));
  return at < 0 ? text : text.remove(at, 4);
}

// Widest texts the dialog shows, so that it keeps its size whatever is typed.
constexpr char widestNumber[] = "-110000.000";
constexpr double widestAltitudePressure = 107478;  // at the lowest altitude, -500 m

}  // namespace

PressureDialog::PressureDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PressureDialog"));
  setWindowTitle(QString::fromUtf8(captions::pressureTitle));

  standard_ = named<QRadioButton>("StandardPressure", QString::fromUtf8(captions::standardChoice));
  byPressure_ = named<QRadioButton>("ByPressure", QString::fromUtf8(captions::pressureChoice));
  byAltitude_ = named<QRadioButton>("ByAltitude", QString::fromUtf8(captions::altitudeChoice));
  pressureText_ = named<QLineEdit>("PressureText");
  unit_ = named<QComboBox>("PressureUnit");
  unit_->addItem(QString::fromUtf8(captions::pascalUnit));
  unit_->addItem(QString::fromUtf8(captions::kilopascalUnit));
  altitudeText_ = named<QLineEdit>("AltitudeText");
  auto* metre = named<QLabel>("AltitudeUnit", QString::fromUtf8(captions::metreUnit));
  altitudePascals_ = named<QLabel>("AltitudePascals");
  message_ = named<QLabel>("PressureMessage");
  auto* buttons = named<QDialogButtonBox>("PressureButtons");
  QPushButton* ok =
      buttons->addButton(QString::fromUtf8(captions::okButton), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OK"));
  ok->setDefault(true);
  QPushButton* cancel =
      buttons->addButton(QString::fromUtf8(captions::cancelButton), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("Cancel"));

  // An entry is announced by its row's caption and unit.
  pressureText_->setAccessibleName(withoutMnemonic(captions::pressureChoice));
  altitudeText_->setAccessibleName(withoutMnemonic(captions::altitudeChoice) + QLatin1Char(' ') +
                                   QString::fromUtf8(captions::metreUnit));
  for (QLabel* label : {metre, altitudePascals_, message_}) label->setTextFormat(Qt::PlainText);

  // Room for the widest number, pressure and message, so nothing moves while typing.
  const QFontMetrics fm(font());
  for (QLineEdit* edit : {pressureText_, altitudeText_})
    edit->setMinimumWidth(fm.horizontalAdvance(QString::fromLatin1(widestNumber)) + 12);
  altitudePascals_->setMinimumWidth(fm.horizontalAdvance(
      QString::fromUtf8(captions::altitudePascals)
          .arg(QString::fromStdString(calc::pressureText(widestAltitudePressure)))));
  int messageWidth = 0;
  for (psychro::Outcome m : {psychro::Outcome::pressureRange, psychro::Outcome::altitudeRange})
    messageWidth = std::max(messageWidth, fm.horizontalAdvance(fromUtf8(calc::words(m))));
  message_->setMinimumSize(messageWidth, fm.height());
  QPalette warning = message_->palette();
  warning.setColor(QPalette::WindowText, QColor(0xb0, 0x00, 0x20));
  message_->setPalette(warning);

  auto* grid = new QGridLayout(this);
  grid->addWidget(standard_, 0, 0, 1, 4);
  grid->addWidget(byPressure_, 1, 0);
  grid->addWidget(pressureText_, 1, 1);
  grid->addWidget(unit_, 1, 2, Qt::AlignLeft);
  grid->addWidget(byAltitude_, 2, 0);
  grid->addWidget(altitudeText_, 2, 1);
  // The pressure an altitude gives reads on from its unit.
  auto* altitudeResult = new QHBoxLayout;
  altitudeResult->addWidget(metre);
  altitudeResult->addSpacing(fm.horizontalAdvance(QLatin1Char(' ')) * 2);
  altitudeResult->addWidget(altitudePascals_, 1);
  grid->addLayout(altitudeResult, 2, 2, 1, 2);
  grid->addWidget(message_, 3, 0, 1, 4);
  grid->addWidget(buttons, 4, 0, 1, 4);
  grid->setColumnStretch(3, 1);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  // Tab goes row by row, each choice before its entry, then to the buttons.
  QWidget* order[] = {standard_,     byPressure_, pressureText_, unit_, byAltitude_,
                      altitudeText_, ok,          cancel};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  // Typing or picking a unit chooses that row; choosing a row puts the cursor in its entry.
  connect(pressureText_, &QLineEdit::textEdited, this, [this] { byPressure_->setChecked(true); });
  connect(unit_, &QComboBox::activated, this, [this] { byPressure_->setChecked(true); });
  connect(altitudeText_, &QLineEdit::textEdited, this, [this] { byAltitude_->setChecked(true); });
  connect(byPressure_, &QRadioButton::clicked, this,
          [this] { choose(byPressure_, pressureText_); });
  connect(byAltitude_, &QRadioButton::clicked, this,
          [this] { choose(byAltitude_, altitudeText_); });
  connect(altitudeText_, &QLineEdit::textChanged, this, &PressureDialog::showAltitudePressure);
  // An earlier message no longer applies once anything changes.
  for (QRadioButton* choice : {standard_, byPressure_, byAltitude_})
    connect(choice, &QRadioButton::toggled, message_, &QLabel::clear);
  for (QLineEdit* edit : {pressureText_, altitudeText_})
    connect(edit, &QLineEdit::textEdited, message_, &QLabel::clear);
  connect(unit_, &QComboBox::currentIndexChanged, message_, &QLabel::clear);
  connect(buttons, &QDialogButtonBox::accepted, this, &PressureDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &PressureDialog::reject);

  start(psychro::standardPressure);
}

void PressureDialog::start(double pa) {
  const bool standard = pa == psychro::standardPressure;
  (standard ? standard_ : byPressure_)->setChecked(true);
  pressureText_->setText(standard ? QString() : QString::fromStdString(calc::pressureText(pa)));
  unit_->setCurrentIndex(0);
  altitudeText_->clear();
  message_->clear();
  pressure_ = pa;
  (standard ? static_cast<QWidget*>(standard_) : pressureText_)->setFocus();
}

void PressureDialog::showEvent(QShowEvent* event) {
  keepOnScreen(*this);
  QDialog::showEvent(event);
}

void PressureDialog::choose(QRadioButton* choice, QLineEdit* entry) {
  choice->setChecked(true);
  entry->setFocus();
  entry->selectAll();
}

void PressureDialog::showAltitudePressure() {
  const calc::PressureReading r =
      calc::readPressure(altitudeText_->text().toStdString(), calc::PressureUnit::metre);
  altitudePascals_->setText(r.ok() ? QString::fromUtf8(captions::altitudePascals)
                                         .arg(QString::fromStdString(calc::pressureText(r.pa)))
                                   : QString());
}

void PressureDialog::accept() {
  calc::PressureReading r{psychro::standardPressure, {}};
  QLineEdit* entry = nullptr;
  if (byPressure_->isChecked()) {
    entry = pressureText_;
    r = calc::readPressure(entry->text().toStdString(), unit_->currentIndex() == 1
                                                            ? calc::PressureUnit::kilopascal
                                                            : calc::PressureUnit::pascal);
  } else if (byAltitude_->isChecked()) {
    entry = altitudeText_;
    r = calc::readPressure(entry->text().toStdString(), calc::PressureUnit::metre);
  }
  // A value must be one number first (a decimal comma gets its hint); then one in range.
  const auto read = entry ? calc::readField(entry->text().toStdString())
                          : std::variant<double, calc::FieldProblem>(0.0);
  if (const auto* problem = std::get_if<calc::FieldProblem>(&read)) {
    message_->setText(fromUtf8(calc::fieldWords(*problem, entry->accessibleName().toStdString())));
    entry->setFocus();
    entry->selectAll();
    return;
  }
  if (!r.ok()) {
    message_->setText(fromUtf8(calc::words(r.outcome)));
    entry->setFocus();
    entry->selectAll();
    return;
  }
  pressure_ = r.pa;
  QDialog::accept();
}

}  // namespace ui

#include "ui/process_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <tuple>

#include "calc/field.h"
#include "calc/messages.h"
#include "calc/number_text.h"
#include "calc/pair_calculation.h"
#include "document/process_words.h"
#include "document/words.h"
#include "process/figures.h"
#include "ui/captions.h"
#include "ui/notice.h"
#include "ui/on_screen.h"
#include "ui/step_names.h"
#include "ui/utf8.h"
#include "workspace/process_list.h"

namespace ui {
namespace {

using psychro::Quantity;
using workspace::ProcessKind;

QComboBox* comboNamed(const char* name, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromUtf8(name));
  return box;
}

QLineEdit* valueBox(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromUtf8(name));
  return edit;
}

// Fills box with the quantities qs, each under its caption, keeping `selected` where offered.
void offerQuantities(QComboBox* box, const std::vector<Quantity>& qs, Quantity selected) {
  box->clear();
  for (Quantity q : qs) box->addItem(fromUtf8(calc::quantityCaption(q)), static_cast<int>(q));
  const int at = box->findData(static_cast<int>(selected));
  box->setCurrentIndex(at >= 0 ? at : 0);
}

Quantity quantityOf(const QComboBox* box) {
  return static_cast<Quantity>(box->currentData().toInt());
}

// The value of a box: one number with nothing else (ε also "∞"), or the message why not, naming
// the box by what it asks for.
QString readValue(const QLineEdit* box, double& value, bool epsilon = false) {
  const std::string text = box->text().toStdString();
  if (epsilon)
    if (const std::optional<double> ε = workspace::readEpsilon(text); ε && std::isinf(*ε)) {
      value = *ε;
      return {};
    }
  const auto read = calc::readField(text);
  if (const auto* problem = std::get_if<calc::FieldProblem>(&read))
    return fromUtf8(calc::fieldWords(*problem, box->accessibleName().toStdString()));
  value = std::get<double>(read);
  return {};
}

}  // namespace

ProcessDialog::ProcessDialog(Add add, QWidget* parent) : QDialog(parent), add_(std::move(add)) {
  setObjectName(QStringLiteral("ProcessDialog"));
  setWindowTitle(QString::fromUtf8(captions::newProcessTitle));

  kind_ = comboNamed("ProcessKind", this);
  for (ProcessKind k : workspace::processKinds)
    kind_->addItem(fromUtf8(document::kindCaption(k)), static_cast<int>(k));
  from_ = comboNamed("FromPoint", this);
  other_ = comboNamed("OtherPoint", this);
  otherLabel_ = new QLabel(QString::fromUtf8(captions::otherPointCaption), this);
  firstLabel_ = new QLabel(this);
  secondLabel_ = new QLabel(this);
  firstQuantity_ = comboNamed("FirstQuantity", this);
  secondQuantity_ = comboNamed("SecondQuantity", this);
  firstValue_ = valueBox("FirstValue", this);
  secondValue_ = valueBox("SecondValue", this);
  flow_ = valueBox("Flow", this);
  flowUnit_ = comboNamed("FlowUnit", this);
  for (const char* unit : captions::flowUnits) flowUnit_->addItem(QString::fromUtf8(unit));
  flow_->setAccessibleName(QString::fromUtf8(captions::flowCaption));
  heat_ = valueBox("RoomHeat", this);
  moisture_ = valueBox("RoomMoisture", this);
  heatLabel_ = new QLabel(QString::fromUtf8(captions::roomHeatCaption), this);
  moistureLabel_ = new QLabel(QString::fromUtf8(captions::roomMoistureCaption), this);
  heat_->setAccessibleName(heatLabel_->text());
  moisture_->setAccessibleName(moistureLabel_->text());
  outletLabel_ = new QLabel(QString::fromUtf8(captions::outletNameCaption), this);
  outletName_ = valueBox("OutletName", this);
  outletName_->setAccessibleName(outletLabel_->text());

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok =
      buttons->addButton(QString::fromUtf8(captions::okButton), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  QPushButton* cancel =
      buttons->addButton(QString::fromUtf8(captions::cancelButton), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &ProcessDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ProcessDialog::reject);

  grid_ = new QGridLayout(this);
  QGridLayout* grid = grid_;
  const auto label = [this](const char* text) { return new QLabel(QString::fromUtf8(text), this); };
  grid->addWidget(label(captions::processKindCaption), 0, 0);
  grid->addWidget(kind_, 0, 1, 1, 2);
  grid->addWidget(label(captions::fromPointCaption), 1, 0);
  grid->addWidget(from_, 1, 1, 1, 2);
  grid->addWidget(otherLabel_, 2, 0);
  grid->addWidget(other_, 2, 1, 1, 2);
  grid->addWidget(firstLabel_, 3, 0);
  grid->addWidget(firstQuantity_, 3, 1);
  grid->addWidget(firstValue_, 3, 2);
  grid->addWidget(secondLabel_, 4, 0);
  grid->addWidget(secondQuantity_, 4, 1);
  grid->addWidget(secondValue_, 4, 2);
  grid->addWidget(heatLabel_, 5, 0);
  grid->addWidget(heat_, 5, 1, 1, 2);
  grid->addWidget(moistureLabel_, 6, 0);
  grid->addWidget(moisture_, 6, 1, 1, 2);
  grid->addWidget(label(captions::flowCaption), 7, 0);
  grid->addWidget(flow_, 7, 1);
  grid->addWidget(flowUnit_, 7, 2);
  grid->addWidget(outletLabel_, 8, 0);
  grid->addWidget(outletName_, 8, 1, 1, 2);
  grid->addWidget(buttons, 9, 0, 1, 3);

  // Tab goes down the form row by row, each quantity before its value, then to the buttons.
  QWidget* order[] = {kind_,           from_,        other_, firstQuantity_, firstValue_,
                      secondQuantity_, secondValue_, heat_,  moisture_,      flow_,
                      flowUnit_,       outletName_,  ok,     cancel};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  connect(kind_, &QComboBox::currentIndexChanged, this, &ProcessDialog::showKind);
  connect(heat_, &QLineEdit::textChanged, this, &ProcessDialog::showLoads);
  connect(moisture_, &QLineEdit::textChanged, this, &ProcessDialog::showLoads);
  connect(firstQuantity_, &QComboBox::currentTextChanged, firstValue_,
          &QLineEdit::setAccessibleName);
  connect(secondQuantity_, &QComboBox::currentTextChanged, secondValue_,
          &QLineEdit::setAccessibleName);
  kind_->setCurrentIndex(static_cast<int>(ProcessKind::heat));
  showKind();
}

ProcessKind ProcessDialog::kind() const {
  return static_cast<ProcessKind>(kind_->currentData().toInt());
}

void ProcessDialog::setPoints(const std::vector<workspace::StatePoint>& points, unsigned selected) {
  for (QComboBox* box : {from_, other_}) {
    const unsigned kept = box->currentData().toUInt();
    box->clear();
    for (const workspace::StatePoint& p : points)
      box->addItem(QString::fromStdString(p.name), p.id);
    const int at = box->findData(box == from_ && selected ? selected : kept);
    box->setCurrentIndex(at >= 0 ? at : 0);
  }
  // A mixing takes two different points: the second defaults to another than the first.
  if (other_->count() > 1 && other_->currentIndex() == from_->currentIndex())
    other_->setCurrentIndex(from_->currentIndex() == 0 ? 1 : 0);
  offerInletItself();
}

void ProcessDialog::offerInletItself() {
  // An indirect evaporative cooler may use its own inlet as the secondary air (id 0).
  const int at = other_->findData(0u);
  if (kind() == ProcessKind::evaporateIndirect && at < 0)
    other_->insertItem(0, QString::fromUtf8(captions::inletItselfItem), 0u);
  else if (kind() != ProcessKind::evaporateIndirect && at >= 0)
    other_->removeItem(at);
}

void ProcessDialog::setRequest(const workspace::ProcessRequest& r) {
  kind_->setCurrentIndex(kind_->findData(static_cast<int>(r.kind)));
  const auto pick = [](QComboBox* box, const QVariant& wanted) {
    const int at = box->findData(wanted);
    if (at >= 0) box->setCurrentIndex(at);
  };
  pick(from_, r.from);
  if (workspace::usesOtherPoint(r.kind)) pick(other_, r.other);
  if (firstQuantity_->count() > 0) pick(firstQuantity_, static_cast<int>(r.pair.first));
  if (secondQuantity_->count() > 0) pick(secondQuantity_, static_cast<int>(r.pair.second));
  // ε as typed reads back the same: "∞" for a line of constant d, else every digit it had.
  firstValue_->setText(QString::fromStdString(r.kind == ProcessKind::supply && std::isinf(r.first)
                                                  ? workspace::epsilonText(r.first)
                                                  : workspace::valueText(r.first)));
  const bool second = workspace::usesSecondValue(r.kind) && !std::isnan(r.second);
  secondValue_->setText(second ? QString::fromStdString(workspace::valueText(r.second))
                               : QString());
  flow_->setText(r.flow ? QString::fromStdString(workspace::valueText(r.flow->value)) : QString());
  heat_->setText(r.loads ? QString::fromStdString(workspace::valueText(r.loads->heat)) : QString());
  moisture_->setText(r.loads ? QString::fromStdString(workspace::valueText(r.loads->moisture))
                             : QString());
  if (r.flow)
    flowUnit_->setCurrentIndex(r.flow->unit == workspace::FlowUnit::cubicMetresPerHour ? 0 : 1);
}

void ProcessDialog::clearFlow() {
  flow_->clear();
}

void ProcessDialog::setOutletName(const QString& name) {
  outletName_->setText(name);
  const bool shown = !name.isEmpty();
  outletLabel_->setVisible(shown);
  outletName_->setVisible(shown);
}

void ProcessDialog::showKind() {
  // The values typed belong to the kind they were typed for: they are kept for it and the new
  // kind shows its own (none at first), never a value of another meaning.
  if (shown_) {
    Entry& was = entries_[static_cast<std::size_t>(*shown_)];
    was.first = firstValue_->text();
    was.second = secondValue_->text();
    was.heat = heat_->text();
    was.moisture = moisture_->text();
    if (firstQuantity_->count() > 0) was.firstQuantity = quantityOf(firstQuantity_);
    if (secondQuantity_->count() > 0) was.secondQuantity = quantityOf(secondQuantity_);
  }
  const ProcessKind k = kind();
  shown_ = k;
  const Entry& entry = entries_[static_cast<std::size_t>(k)];
  firstValue_->setText(entry.first);
  secondValue_->setText(entry.second);
  heat_->setText(entry.heat);
  moisture_->setText(entry.moisture);
  const bool other = workspace::usesOtherPoint(k);
  otherLabel_->setVisible(other);
  other_->setVisible(other);
  otherLabel_->setText(
      QString::fromUtf8(k == ProcessKind::evaporateIndirect ? captions::secondaryCaption
                        : k == ProcessKind::recoverSensible || k == ProcessKind::recoverTotal
                            ? captions::exhaustCaption
                            : captions::otherPointCaption));
  offerInletItself();
  for (QWidget* w : std::initializer_list<QWidget*>{heatLabel_, heat_, moistureLabel_, moisture_})
    w->setVisible(k == ProcessKind::supply);

  const char* first = nullptr;
  const char* second = nullptr;
  std::vector<Quantity> firstChoices, secondChoices;
  switch (k) {
    case ProcessKind::mix:
      first = captions::mixFirstFlow, second = captions::mixSecondFlow;
      break;
    case ProcessKind::heat:
    case ProcessKind::cool:
      first = captions::leavingDryBulb;
      break;
    case ProcessKind::coolAndDry:
      first = captions::leavingFirst, second = captions::leavingSecond;
      firstChoices = secondChoices = {Quantity::t,  Quantity::tw, Quantity::rh,
                                      Quantity::tl, Quantity::d,  Quantity::h};
      break;
    case ProcessKind::coolToDewPoint:
      first = captions::dewPointCaption, second = captions::leavingHumidity;
      break;
    case ProcessKind::humidifyAdiabatic:
    case ProcessKind::humidifyIsothermal:
      first = captions::targetCaption;
      firstChoices = workspace::targetQuantities(k);
      break;
    case ProcessKind::supply:
      first = captions::epsilonCaption, second = captions::supplyDifference;
      break;
    case ProcessKind::recoverSensible:
      first = captions::sensibleEffectiveness;
      break;
    case ProcessKind::recoverTotal:
      first = captions::enthalpyEffectiveness, second = captions::moistureEffectiveness;
      break;
    case ProcessKind::evaporate:
    case ProcessKind::evaporateIndirect:
      first = captions::saturationEfficiency;
      break;
    case ProcessKind::dryAdiabatic:
      first = captions::dryTargetCaption;
      firstChoices = workspace::targetQuantities(k);
      break;
    case ProcessKind::fan:
      first = captions::fanPressureCaption, second = captions::fanEfficiencyCaption;
      break;
    case ProcessKind::coolByBypass:
      first = captions::dewPointCaption, second = captions::bypassFactorCaption;
      break;
  }
  firstLabel_->setText(QString::fromUtf8(first));
  secondLabel_->setText(second ? QString::fromUtf8(second) : QString());
  offerQuantities(firstQuantity_, firstChoices,
                  entry.firstQuantity.value_or(k == ProcessKind::coolAndDry     ? Quantity::t
                                               : k == ProcessKind::dryAdiabatic ? Quantity::d
                                                                                : Quantity::rh));
  offerQuantities(secondQuantity_, secondChoices, entry.secondQuantity.value_or(Quantity::rh));
  firstQuantity_->setVisible(!firstChoices.empty());
  secondQuantity_->setVisible(!secondChoices.empty());
  // A value without a choice of quantity takes the whole width, under the selectors above it.
  for (auto [value, row, choice] : {std::tuple{firstValue_, 3, !firstChoices.empty()},
                                    std::tuple{secondValue_, 4, !secondChoices.empty()}}) {
    grid_->removeWidget(value);
    grid_->addWidget(value, row, choice ? 2 : 1, 1, choice ? 1 : 2);
  }
  secondLabel_->setVisible(second != nullptr);
  secondValue_->setVisible(second != nullptr);
  // A value box is announced by what it asks for.
  firstValue_->setAccessibleName(firstChoices.empty() ? firstLabel_->text()
                                                      : firstQuantity_->currentText());
  secondValue_->setAccessibleName(secondChoices.empty() ? secondLabel_->text()
                                                        : secondQuantity_->currentText());
  showLoads();
  adjustSize();
}

bool ProcessDialog::loadsTyped() const {
  return kind() == ProcessKind::supply &&
         !(heat_->text().trimmed().isEmpty() && moisture_->text().trimmed().isEmpty());
}

void ProcessDialog::showLoads() {
  const bool loads = loadsTyped();
  const bool mix = kind() == ProcessKind::mix;
  firstValue_->setEnabled(!loads);
  flow_->setEnabled(!mix && !loads);  // a mixing has no loads of its own
  flowUnit_->setEnabled(!mix && !loads);
  const QString tip = loads ? QString::fromUtf8(captions::fromLoadsTip) : QString();
  firstValue_->setToolTip(tip);
  flow_->setToolTip(tip);
  if (!loads) return;
  const std::optional<double> Q = calc::wholeNumber(heat_->text().toStdString());
  const std::optional<double> W = calc::wholeNumber(moisture_->text().toStdString());
  firstValue_->setText(
      Q && W ? QString::fromStdString(workspace::epsilonText(process::roomEpsilon(*Q, *W)))
             : QString());
}

QString ProcessDialog::request(workspace::ProcessRequest& r) const {
  r.kind = kind();
  r.from = from_->currentData().toUInt();
  if (r.from == 0)
    return fromUtf8(document::words(workspace::Refusal{workspace::Rule::noSuchPoint, {}, {}}));
  // An outlet's name, once given, is never empty: the same words as a rename's.
  if (outletName_->isVisibleTo(this) && outletName_->text().trimmed().isEmpty())
    return refusalText(document::byDesign({workspace::Rule::nameEmpty, {}, {}}));
  r.other = workspace::usesOtherPoint(r.kind) ? other_->currentData().toUInt() : 0;
  if (firstQuantity_->isVisibleTo(this)) r.pair.first = quantityOf(firstQuantity_);
  if (secondQuantity_->isVisibleTo(this)) r.pair.second = quantityOf(secondQuantity_);
  const bool epsilon = r.kind == ProcessKind::supply;
  r.loads.reset();
  if (loadsTyped()) {
    workspace::RoomLoads loads;
    if (QString m = readValue(heat_, loads.heat); !m.isEmpty()) return m;
    if (QString m = readValue(moisture_, loads.moisture); !m.isEmpty()) return m;
    r.loads = loads;
    r.first = process::roomEpsilon(loads.heat, loads.moisture);
  } else if (QString m = readValue(firstValue_, r.first, epsilon); !m.isEmpty()) {
    return m;
  }
  // A total heat recovery's ηd may stay empty: then it is ηh.
  if (r.kind == ProcessKind::recoverTotal && secondValue_->text().trimmed().isEmpty())
    r.second = NAN;
  else if (secondValue_->isVisibleTo(this))
    if (QString m = readValue(secondValue_, r.second); !m.isEmpty()) return m;
  r.flow.reset();
  if (flow_->isEnabled() && !flow_->text().trimmed().isEmpty()) {
    double v = 0;
    if (QString m = readValue(flow_, v); !m.isEmpty()) return m;
    if (!(v > 0)) return fromUtf8(document::words(process::Code::flowNotPositiveOrFinite));
    r.flow = workspace::Flow{v, flowUnit_->currentIndex() == 0
                                    ? workspace::FlowUnit::cubicMetresPerHour
                                    : workspace::FlowUnit::kilogramsPerSecond};
  }
  return {};
}

void ProcessDialog::accept() {
  workspace::ProcessRequest r;
  QString message = request(r);
  if (message.isEmpty())
    message = add_(r, outletName_->isVisibleTo(this) ? outletName_->text() : QString());
  if (!message.isEmpty()) {
    showNotice(this, fromUtf8(calc::messages::title), message);
    return;
  }
  QDialog::accept();
}

void ProcessDialog::showEvent(QShowEvent* event) {
  keepOnScreen(*this);
  QDialog::showEvent(event);
  kind_->setFocus(Qt::OtherFocusReason);
}

}  // namespace ui

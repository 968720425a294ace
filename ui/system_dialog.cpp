#include "ui/system_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "calc/field.h"
#include "calc/messages.h"
#include "calc/pair_calculation.h"
#include "ui/captions.h"
#include "ui/notice.h"
#include "ui/on_screen.h"
#include "ui/utf8.h"

namespace ui {
namespace {

using Q = psychro::Quantity;

QComboBox* choices(QWidget* parent, const char* name, std::initializer_list<const char*> items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromUtf8(name));
  for (const char* item : items) box->addItem(QString::fromUtf8(item));
  return box;
}

QComboBox* quantities(QWidget* parent, const char* name, Q selected) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromUtf8(name));
  for (int q = 0; q < 6; ++q) box->addItem(fromUtf8(calc::quantityCaption(static_cast<Q>(q))));
  box->setCurrentIndex(static_cast<int>(selected));
  return box;
}

// The number typed in box, announced by its accessible name where it is not one.
std::variant<double, QString> number(const QLineEdit* box) {
  const auto read = calc::readField(box->text().toStdString());
  if (const auto* problem = std::get_if<calc::FieldProblem>(&read))
    return fromUtf8(calc::fieldWords(*problem, box->accessibleName().toStdString()));
  return std::get<double>(read);
}

QString shown(double value) {
  return fromUtf8(workspace::valueText(value));
}

}  // namespace

QLineEdit* SystemDialog::field(const char* name, const char* caption) {
  auto* box = new QLineEdit(this);
  box->setObjectName(QString::fromUtf8(name));
  box->setAccessibleName(QString::fromUtf8(caption));
  connect(box, &QLineEdit::textChanged, this, &SystemDialog::replan);
  return box;
}

SystemDialog::SystemDialog(Plan plan, Apply apply, QWidget* parent)
    : QDialog(parent), plan_(std::move(plan)), apply_(std::move(apply)) {
  setObjectName(QStringLiteral("SystemDialog"));
  setWindowTitle(QString::fromUtf8(captions::newSystemTitle));
  choice_ = new QComboBox(this);
  choice_->setObjectName(QStringLiteral("SystemChoice"));
  connect(choice_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (chosen_ && i >= 0) chosen_(i);
  });
  kind_ = new QComboBox(this);
  kind_->setObjectName(QStringLiteral("SystemKind"));
  for (workspace::SystemKind k : workspace::systemKinds)
    kind_->addItem(fromUtf8(workspace::systemCaption(k)));
  name_ = field("SystemName", captions::systemNameLabel);
  auto* form = form_ = new QFormLayout;
  form->addRow(QString::fromUtf8(captions::systemChoiceLabel), choice_);
  form->addRow(QString::fromUtf8(captions::systemKindLabel), kind_);
  form->addRow(QString::fromUtf8(captions::systemNameLabel), name_);
  const std::array<const char*, 4> names{"OutdoorFirst", "OutdoorSecond", "RoomFirst",
                                         "RoomSecond"};
  for (std::size_t i = 0; i < 4; ++i) {
    quantities_[i] =
        quantities(this, (std::string(names[i]) + "Quantity").c_str(), i % 2 == 0 ? Q::t : Q::rh);
    values_[i] = field(names[i], "");
    values_[i]->setAccessibleName(quantities_[i]->currentText());
    connect(quantities_[i], &QComboBox::currentTextChanged, values_[i],
            &QLineEdit::setAccessibleName);
    connect(quantities_[i], &QComboBox::currentIndexChanged, this, &SystemDialog::replan);
  }
  for (std::size_t p = 0; p < 2; ++p) {
    auto* row = new QHBoxLayout;
    for (std::size_t i = 2 * p; i < 2 * p + 2; ++i) {
      row->addWidget(quantities_[i]);
      row->addWidget(values_[i]);
    }
    form->addRow(QString::fromUtf8(p == 0 ? captions::outdoorLabel : captions::roomLabel), row);
  }
  heat_ = field("Heat", captions::heatLabel);
  moisture_ = field("Moisture", captions::moistureLabel);
  fresh_ = field("Fresh", captions::freshLabel);
  freshUnit_ = choices(this, "FreshUnit", {captions::freshShareItem, captions::freshFlowItem});
  Δt_ = field("SupplyDifference", captions::supplyDifferenceLabel);
  φL_ = field("CoilHumidity", captions::coilHumidityLabel);
  dewPoint_ = new QCheckBox(QString::fromUtf8(captions::dewPointSupplyLabel), this);
  dewPoint_->setObjectName(QStringLiteral("DewPointSupply"));
  target_ =
      choices(this, "FreshAirTarget",
              {captions::targetRoomEnthalpy, captions::targetRoomMoisture, captions::targetGiven});
  targetT_ = field("TargetT", captions::targetTLabel);
  targetRh_ = field("TargetRh", captions::targetRhLabel);
  humidifier_ = choices(this, "Humidifier", {captions::steamItem, captions::sprayItem});
  preheat_ = field("Preheat", captions::preheatLabel);
  preheat_->setPlaceholderText(QString::fromUtf8(captions::preheatAuto));
  auto* freshRow = new QHBoxLayout;
  freshRow->addWidget(fresh_);
  freshRow->addWidget(freshUnit_);
  form->addRow(QString::fromUtf8(captions::heatLabel), heat_);
  form->addRow(QString::fromUtf8(captions::moistureLabel), moisture_);
  form->addRow(QString::fromUtf8(captions::freshLabel), freshRow);
  form->addRow(QString::fromUtf8(captions::supplyDifferenceLabel), Δt_);
  form->addRow(QString::fromUtf8(captions::coilHumidityLabel), φL_);
  form->addRow(dewPoint_);
  form->addRow(QString::fromUtf8(captions::targetLabel), target_);
  form->addRow(QString::fromUtf8(captions::targetTLabel), targetT_);
  form->addRow(QString::fromUtf8(captions::targetRhLabel), targetRh_);
  form->addRow(QString::fromUtf8(captions::humidifierLabel), humidifier_);
  form->addRow(QString::fromUtf8(captions::preheatLabel), preheat_);
  for (QComboBox* box : {kind_, freshUnit_, target_, humidifier_})
    connect(box, &QComboBox::currentIndexChanged, this, &SystemDialog::replan);
  connect(dewPoint_, &QCheckBox::toggled, this, &SystemDialog::replan);

  members_ = new QTableWidget(0, 2, this);
  members_->setObjectName(QStringLiteral("SystemMembers"));
  members_->setHorizontalHeaderLabels({QString::fromUtf8(captions::memberRoleHeader),
                                       QString::fromUtf8(captions::memberNameHeader)});
  members_->verticalHeader()->hide();
  members_->horizontalHeader()->setStretchLastSection(true);
  connect(members_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (filling_ || item->column() != 1) return;
    typedNames_[members_->item(item->row(), 0)->text()] = item->text();
  });
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("SystemMessage"));
  message_->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QString::fromUtf8(captions::okButton), QDialogButtonBox::AcceptRole)
      ->setDefault(true);
  buttons->addButton(QString::fromUtf8(captions::cancelButton), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &SystemDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SystemDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(members_);
  layout->addWidget(message_);
  layout->addWidget(buttons);
  setChoices({}, 0, {});
}

void SystemDialog::setChoices(const QStringList& names, int current,
                              std::function<void(int)> chosen) {
  chosen_ = {};
  choice_->clear();
  choice_->addItems(names);
  choice_->setCurrentIndex(current);
  form_->setRowVisible(choice_, names.size() > 1);
  chosen_ = std::move(chosen);
}

void SystemDialog::setRequest(const workspace::SystemRequest& request) {
  filling_ = true;
  typedNames_.clear();
  kind_->setCurrentIndex(static_cast<int>(request.kind));
  name_->setText(fromUtf8(request.name));
  const std::array<const workspace::TypedPair*, 2> pairs{&request.outdoor, &request.room};
  for (std::size_t p = 0; p < 2; ++p) {
    quantities_[2 * p]->setCurrentIndex(static_cast<int>(pairs[p]->pair.first));
    quantities_[2 * p + 1]->setCurrentIndex(static_cast<int>(pairs[p]->pair.second));
    values_[2 * p]->setText(fromUtf8(pairs[p]->first));
    values_[2 * p + 1]->setText(fromUtf8(pairs[p]->second));
  }
  heat_->setText(shown(request.heat));
  moisture_->setText(shown(request.moisture));
  fresh_->setText(shown(request.fresh));
  freshUnit_->setCurrentIndex(request.freshIsFlow ? 1 : 0);
  Δt_->setText(shown(request.Δt));
  φL_->setText(shown(request.φL));
  dewPoint_->setChecked(request.dewPointSupply);
  target_->setCurrentIndex(static_cast<int>(request.target));
  targetT_->setText(shown(request.targetFirst));
  targetRh_->setText(shown(request.targetSecond));
  humidifier_->setCurrentIndex(static_cast<int>(request.humidifier));
  preheat_->setText(request.preheatTo ? shown(*request.preheatTo) : QString());
  filling_ = false;
  replan();
}

void SystemDialog::showKindOptions() {
  using workspace::SystemKind;
  const auto kind = static_cast<SystemKind>(kind_->currentIndex());
  QFormLayout* form = form_;
  const bool coolingCoil =
      kind == SystemKind::oneReturnSummer || kind == SystemKind::allFreshSummer;
  const bool given = target_->currentIndex() == static_cast<int>(process::FreshAirTarget::given);
  form->setRowVisible(dewPoint_, coolingCoil);
  form->setRowVisible(target_, kind == SystemKind::fanCoil);
  form->setRowVisible(targetT_, kind == SystemKind::fanCoil && given);
  form->setRowVisible(targetRh_, kind == SystemKind::fanCoil && given);
  form->setRowVisible(humidifier_, kind == SystemKind::oneReturnWinter);
  form->setRowVisible(preheat_, kind == SystemKind::oneReturnWinter);
}

std::variant<workspace::SystemRequest, QString> SystemDialog::typed() const {
  workspace::SystemRequest s;
  s.kind = static_cast<workspace::SystemKind>(kind_->currentIndex());
  s.name = name_->text().toStdString();
  std::array<workspace::TypedPair*, 2> pairs{&s.outdoor, &s.room};
  for (std::size_t p = 0; p < 2; ++p) {
    for (std::size_t i = 2 * p; i < 2 * p + 2; ++i)
      if (const auto read = number(values_[i]); std::holds_alternative<QString>(read))
        return std::get<QString>(read);
    *pairs[p] = {{static_cast<Q>(quantities_[2 * p]->currentIndex()),
                  static_cast<Q>(quantities_[2 * p + 1]->currentIndex())},
                 values_[2 * p]->text().toStdString(),
                 values_[2 * p + 1]->text().toStdString()};
  }
  const bool given = target_->currentIndex() == static_cast<int>(process::FreshAirTarget::given);
  const bool winter = s.kind == workspace::SystemKind::oneReturnWinter;
  const std::pair<QLineEdit*, double*> numbers[] = {{heat_, &s.heat},
                                                    {moisture_, &s.moisture},
                                                    {fresh_, &s.fresh},
                                                    {Δt_, &s.Δt},
                                                    {φL_, &s.φL},
                                                    {given ? targetT_ : nullptr, &s.targetFirst},
                                                    {given ? targetRh_ : nullptr, &s.targetSecond}};
  for (const auto& [box, value] : numbers) {
    if (box == nullptr) continue;
    const auto read = number(box);
    if (const auto* why = std::get_if<QString>(&read)) return *why;
    *value = std::get<double>(read);
  }
  if (winter && !preheat_->text().trimmed().isEmpty()) {
    const auto read = number(preheat_);
    if (const auto* why = std::get_if<QString>(&read)) return *why;
    s.preheatTo = std::get<double>(read);
  }
  s.freshIsFlow = freshUnit_->currentIndex() == 1;
  s.dewPointSupply = dewPoint_->isChecked() && (s.kind == workspace::SystemKind::oneReturnSummer ||
                                                s.kind == workspace::SystemKind::allFreshSummer);
  s.target = static_cast<process::FreshAirTarget>(target_->currentIndex());
  s.targetPair = {Q::t, Q::rh};
  s.humidifier = static_cast<process::Humidifier>(humidifier_->currentIndex());
  return s;
}

void SystemDialog::replan() {
  if (filling_) return;
  showKindOptions();
  const auto request = typed();
  std::variant<workspace::SystemPlan, QString> plan =
      std::holds_alternative<QString>(request) ? std::get<QString>(request)
                                               : plan_(std::get<workspace::SystemRequest>(request));
  if (const auto* why = std::get_if<QString>(&plan)) {
    message_->setText(*why);
    return;
  }
  message_->clear();
  const workspace::SystemPlan& p = std::get<workspace::SystemPlan>(plan);
  filling_ = true;
  members_->setRowCount(static_cast<int>(p.built.states.size()));
  for (std::size_t k = 0; k < p.built.states.size(); ++k) {
    const QString role = fromUtf8(std::string(p.built.states[k].name));
    auto* roleItem = new QTableWidgetItem(role);
    roleItem->setFlags(Qt::ItemIsEnabled);
    members_->setItem(static_cast<int>(k), 0, roleItem);
    const auto typedName = typedNames_.find(role);
    members_->setItem(static_cast<int>(k), 1,
                      new QTableWidgetItem(typedName != typedNames_.end() ? typedName->second
                                                                          : fromUtf8(p.names[k])));
  }
  filling_ = false;
}

void SystemDialog::accept() {
  const auto request = typed();
  QString refusal =
      std::holds_alternative<QString>(request) ? std::get<QString>(request) : QString();
  if (refusal.isEmpty()) {
    std::vector<std::string> names;
    for (int r = 0; r < members_->rowCount(); ++r)
      names.push_back(members_->item(r, 1)->text().toStdString());
    refusal = apply_(std::get<workspace::SystemRequest>(request), names);
  }
  if (!refusal.isEmpty()) {
    showNotice(this, fromUtf8(calc::messages::title), refusal);
    return;
  }
  QDialog::accept();
}

}  // namespace ui

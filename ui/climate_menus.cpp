#include "ui/climate_menus.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSignalBlocker>
#include <QStandardPaths>

#include "calc/messages.h"
#include "calc/pressure_setting.h"
#include "document/weather_layer.h"
#include "document/words.h"
#include "ui/captions.h"
#include "ui/climate_dialogs.h"
#include "ui/notice.h"
#include "ui/step_names.h"
#include "ui/utf8.h"

namespace ui {

ClimateMenus::ClimateMenus(QWidget* owner, document::Document& design, QMenu* view, QMenu* file,
                           QAction* before)
    : QObject(owner), owner_(owner), design_(design) {
  view->addSeparator();
  QMenu* zones = view->addMenu(QString::fromUtf8(captions::zonesMenu));
  zones->setObjectName(QStringLiteral("Zones"));
  for (std::size_t i = 0; i < workspace::builtInZoneCount; ++i) {
    QAction* a = zones->addAction(fromUtf8(workspace::builtInZones()[i].name));
    a->setObjectName(QStringLiteral("Zone%1").arg(i + 1));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this,
            [this, i](bool on) { say(design_.setBuiltInZone(i, on)); });
    zoneActions_[i] = a;
  }
  zones->addSeparator();
  QAction* custom = zones->addAction(QString::fromUtf8(captions::customZoneItem));
  custom->setObjectName(QStringLiteral("CustomZone"));
  connect(custom, &QAction::triggered, this, &ClimateMenus::newZone);
  userZones_ = zones->addMenu(QString::fromUtf8(captions::deleteZoneMenu));
  userZones_->setObjectName(QStringLiteral("DeleteZone"));
  connect(userZones_, &QMenu::aboutToShow, this, &ClimateMenus::listUserZones);

  months_ = view->addMenu(QString::fromUtf8(captions::monthsMenu));
  months_->setObjectName(QStringLiteral("Months"));
  for (int m = 0; m <= 12; ++m) {
    QAction* a = months_->addAction(m == 0 ? QString::fromUtf8(captions::allMonthsItem)
                                           : QString::fromUtf8(captions::monthItem).arg(m));
    a->setObjectName(m == 0 ? QStringLiteral("AllMonths") : QStringLiteral("Month%1").arg(m));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, m] { toggleMonth(m); });
    monthActions_[static_cast<std::size_t>(m)] = a;
    if (m == 0) months_->addSeparator();
  }

  auto* import = new QAction(QString::fromUtf8(captions::importWeatherItem), owner_);
  import->setObjectName(QStringLiteral("ImportWeather"));
  connect(import, &QAction::triggered, this, &ClimateMenus::importAsked);
  removeWeather_ = new QAction(QString::fromUtf8(captions::removeWeatherItem), owner_);
  removeWeather_->setObjectName(QStringLiteral("RemoveWeather"));
  connect(removeWeather_, &QAction::triggered, this, [this] { say(design_.removeWeather()); });
  // Before 关闭, in a group of their own.
  file->insertActions(before, {import, removeWeather_});
  file->insertSeparator(before);
}

void ClimateMenus::say(const document::Refused& why) {
  if (why) showNotice(owner_, fromUtf8(calc::messages::title), refusalText(*why));
}

void ClimateMenus::show() {
  const workspace::Workspace& design = design_.design();
  for (std::size_t i = 0; i < zoneActions_.size(); ++i) {
    const QSignalBlocker quiet(zoneActions_[i]);
    zoneActions_[i]->setChecked(design.zones().builtInOn[i]);
  }
  const workspace::MonthSet& months = design.weather().months;
  for (std::size_t m = 0; m < monthActions_.size(); ++m) {
    const QSignalBlocker quiet(monthActions_[m]);
    monthActions_[m]->setChecked(m == 0 ? months.all() : !months.all() && months.test(m - 1));
  }
  months_->setEnabled(design_.weatherStates() != nullptr);
  removeWeather_->setEnabled(!design.weather().file.empty());
  userZones_->setEnabled(!design.zones().user.empty());
}

void ClimateMenus::listUserZones() {
  userZones_->clear();
  const std::vector<workspace::Zone>& user = design_.design().zones().user;
  for (std::size_t i = 0; i < user.size(); ++i)
    connect(userZones_->addAction(fromUtf8(user[i].name)), &QAction::triggered, this,
            [this, i] { say(design_.deleteZone(i)); });
}

void ClimateMenus::newZone() {
  if (!zoneDialog_)
    zoneDialog_ = new ZoneDialog(
        [this](const workspace::Zone& z) {
          const document::Refused why = design_.addZone(z);
          return why ? refusalText(*why) : QString();
        },
        owner_);
  zoneDialog_->open();
}

bool ClimateMenus::importWeather(const QString& path,
                                 const std::optional<workspace::LogColumns>& log) {
  auto read = document::readWeather(design_.files(), path.toStdString(), log);
  if (const auto* why = std::get_if<document::Refusal>(&read)) {
    showNotice(owner_, fromUtf8(calc::messages::title),
               QString::fromUtf8(captions::weatherReadFailed).arg(path) + '\n' + refusalText(*why));
    return false;
  }
  workspace::WeatherFile& records = std::get<workspace::WeatherFile>(read);
  // The station's pressure, where its elevation gives one other than the pressure in force: the
  // design takes it, and the main window follows.
  if (const std::optional<double> site = workspace::sitePressure(records);
      !log && site && *site != design_.design().pressure() &&
      askYesNo(owner_, QString::fromUtf8(captions::sitePressureTitle),
               QString::fromUtf8(captions::sitePressureQuestion)
                   .arg(QString::number(*records.elevation, 'g', 6),
                        fromUtf8(calc::pressureText(*site))),
               captions::useButton, "UseSitePressure", captions::keepButton, "KeepPressure")) {
    design_.setPressure(*site);
    emit pressureChosen(*site);
  }
  say(design_.importWeather(QFileInfo(path).absoluteFilePath().toStdString(), log,
                            std::move(records)));
  if (const workspace::WeatherStates* states = design_.weatherStates())
    if (const std::string skipped = document::skipReport(states->skipped); !skipped.empty())
      showNotice(owner_, fromUtf8(calc::messages::title), fromUtf8(skipped));
  return true;
}

void ClimateMenus::toggleMonth(int month) {
  const workspace::MonthSet now = design_.design().weather().months;
  if (month <= 0 || month > 12) {
    say(design_.setMonths(workspace::allMonths));
    return;
  }
  // From 全年 a month chosen is that month alone; otherwise it joins or leaves the months.
  const auto bit = static_cast<std::size_t>(month - 1);
  say(design_.setMonths(now.all() ? workspace::MonthSet().set(bit)
                                  : workspace::MonthSet(now).flip(bit)));
}

void ClimateMenus::importAsked() {
  const std::string& held = design_.design().weather().file;
  const QString start = !held.empty()
                            ? QFileInfo(fromUtf8(held)).absolutePath()
                            : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString path =
      QFileDialog::getOpenFileName(owner_, QString::fromUtf8(captions::weatherDialogTitle), start,
                                   QString::fromUtf8(captions::weatherFilter));
  if (path.isEmpty()) return;
  std::optional<workspace::LogColumns> log;
  // A log's CSV: its pair and columns first.
  if (QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0) {
    LogColumnsDialog dialog(owner_);
    if (dialog.exec() != QDialog::Accepted || !dialog.columns()) return;
    log = dialog.columns();
  }
  importWeather(path, log);
}

}  // namespace ui

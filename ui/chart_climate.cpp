// The chart window's climate menus: the comfort zones drawn on the chart and named in the points'
// rows, and the weather layer of a year of hourly records under the lines with its month filter.
// The document keeps them and the 逐时统计 hours; these menus send it commands.
#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSignalBlocker>
#include <QStandardPaths>

#include "calc/messages.h"
#include "calc/pressure_setting.h"
#include "document/weather_layer.h"
#include "ui/captions.h"
#include "ui/chart_window.h"
#include "ui/climate_dialogs.h"
#include "ui/notice.h"
#include "ui/step_names.h"
#include "ui/utf8.h"

namespace ui {

void ChartWindow::buildClimateMenus(QMenu* file, QMenu* view) {
  view->addSeparator();
  QMenu* zones = view->addMenu(QString::fromUtf8(captions::zonesMenu));
  zones->setObjectName(QStringLiteral("Zones"));
  for (std::size_t i = 0; i < workspace::builtInZoneCount; ++i) {
    QAction* a = zones->addAction(fromUtf8(workspace::builtInZones()[i].name));
    a->setObjectName(QStringLiteral("Zone%1").arg(i + 1));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this,
            [this, i](bool on) { say(document_->setBuiltInZone(i, on)); });
    zoneActions_[i] = a;
  }
  zones->addSeparator();
  QAction* custom = zones->addAction(QString::fromUtf8(captions::customZoneItem));
  custom->setObjectName(QStringLiteral("CustomZone"));
  connect(custom, &QAction::triggered, this, &ChartWindow::newZone);
  userZones_ = zones->addMenu(QString::fromUtf8(captions::deleteZoneMenu));
  userZones_->setObjectName(QStringLiteral("DeleteZone"));
  connect(userZones_, &QMenu::aboutToShow, this, &ChartWindow::listUserZones);

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

  auto* import = new QAction(QString::fromUtf8(captions::importWeatherItem), this);
  import->setObjectName(QStringLiteral("ImportWeather"));
  connect(import, &QAction::triggered, this, &ChartWindow::importWeatherAsked);
  removeWeather_ = new QAction(QString::fromUtf8(captions::removeWeatherItem), this);
  removeWeather_->setObjectName(QStringLiteral("RemoveWeather"));
  connect(removeWeather_, &QAction::triggered, this, [this] { say(document_->removeWeather()); });
  // Before 关闭, in a group of their own.
  QAction* close = findChild<QAction*>(QStringLiteral("CloseChart"));
  file->insertActions(close, {import, removeWeather_});
  file->insertSeparator(close);
}

// The checks and the items that need a zone or a layer follow the design, whatever changed it.
void ChartWindow::showClimate() {
  const workspace::Workspace& design = workspace();
  for (std::size_t i = 0; i < zoneActions_.size(); ++i) {
    const QSignalBlocker quiet(zoneActions_[i]);
    zoneActions_[i]->setChecked(design.zones().builtInOn[i]);
  }
  const workspace::MonthSet& months = design.weather().months;
  for (std::size_t m = 0; m < monthActions_.size(); ++m) {
    const QSignalBlocker quiet(monthActions_[m]);
    monthActions_[m]->setChecked(m == 0 ? months.all() : !months.all() && months.test(m - 1));
  }
  months_->setEnabled(document_->weatherStates() != nullptr);
  removeWeather_->setEnabled(!design.weather().file.empty());
  userZones_->setEnabled(!design.zones().user.empty());
}

void ChartWindow::listUserZones() {
  userZones_->clear();
  const std::vector<workspace::Zone>& user = workspace().zones().user;
  for (std::size_t i = 0; i < user.size(); ++i)
    connect(userZones_->addAction(fromUtf8(user[i].name)), &QAction::triggered, this,
            [this, i] { say(document_->deleteZone(i)); });
}

void ChartWindow::newZone() {
  if (!zoneDialog_)
    zoneDialog_ = new ZoneDialog(
        [this](const workspace::Zone& z) {
          const document::Refused why = document_->addZone(z);
          return why ? refusalText(*why) : QString();
        },
        this);
  zoneDialog_->open();
}

bool ChartWindow::importWeather(const QString& path,
                                const std::optional<workspace::LogColumns>& log) {
  auto read = document::readWeather(*files_, path.toStdString(), log);
  if (const auto* why = std::get_if<document::Refusal>(&read)) {
    showNotice(this, fromUtf8(calc::messages::title),
               QString::fromUtf8(captions::weatherReadFailed).arg(path) + '\n' + refusalText(*why));
    return false;
  }
  workspace::WeatherFile& records = std::get<workspace::WeatherFile>(read);
  // The station's pressure, where its elevation gives one other than the pressure in force: the
  // design takes it, and the main window follows.
  if (const std::optional<double> site = workspace::sitePressure(records);
      !log && site && *site != pressure() &&
      askYesNo(this, QString::fromUtf8(captions::sitePressureTitle),
               QString::fromUtf8(captions::sitePressureQuestion)
                   .arg(QString::number(*records.elevation, 'g', 6),
                        fromUtf8(calc::pressureText(*site))),
               captions::useButton, "UseSitePressure", captions::keepButton, "KeepPressure")) {
    document_->setPressure(*site);
    emit pressureChosen(*site);
  }
  say(document_->importWeather(QFileInfo(path).absoluteFilePath().toStdString(), log,
                               std::move(records)));
  if (const workspace::WeatherStates* states = document_->weatherStates())
    if (const std::string skipped = workspace::skipReport(states->skipped); !skipped.empty())
      showNotice(this, fromUtf8(calc::messages::title), fromUtf8(skipped));
  return true;
}

void ChartWindow::toggleMonth(int month) {
  const workspace::MonthSet now = workspace().weather().months;
  if (month <= 0 || month > 12) {
    say(document_->setMonths(workspace::allMonths));
    return;
  }
  // From 全年 a month chosen is that month alone; otherwise it joins or leaves the months.
  const auto bit = static_cast<std::size_t>(month - 1);
  say(document_->setMonths(now.all() ? workspace::MonthSet().set(bit)
                                     : workspace::MonthSet(now).flip(bit)));
}

void ChartWindow::importWeatherAsked() {
  const std::string& held = workspace().weather().file;
  const QString start = !held.empty()
                            ? QFileInfo(fromUtf8(held)).absolutePath()
                            : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString path =
      QFileDialog::getOpenFileName(this, QString::fromUtf8(captions::weatherDialogTitle), start,
                                   QString::fromUtf8(captions::weatherFilter));
  if (path.isEmpty()) return;
  std::optional<workspace::LogColumns> log;
  // A log's CSV: its pair and columns first.
  if (QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0) {
    LogColumnsDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted || !dialog.columns()) return;
    log = dialog.columns();
  }
  importWeather(path, log);
}

}  // namespace ui

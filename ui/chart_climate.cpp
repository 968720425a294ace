// The chart window's climate: the comfort zones drawn on the chart and named in the points' rows,
// the weather layer of a year of hourly records under the lines with its month filter, and the
// 逐时统计 table of the hours in each zone. Every change is a step of the design.
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTableView>
#include <algorithm>

#include "calc/messages.h"
#include "calc/pressure_setting.h"
#include "ui/captions.h"
#include "ui/chart_widget.h"
#include "ui/chart_window.h"
#include "ui/climate_dialogs.h"
#include "ui/notice.h"
#include "ui/point_table_model.h"
#include "ui/zone_hours_table.h"

namespace ui {
namespace {

QString fromUtf8(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The file at path as a weather file: a .epw, or a log's CSV read with log; why not, otherwise.
std::variant<workspace::WeatherFile, std::string> readWeatherAt(
    const QString& path, const std::optional<workspace::LogColumns>& log) {
  // A pipe or device named by a design would keep the window waiting on it for ever.
  if (const QFileInfo info(path); info.exists() && !info.isFile())
    return std::string(captions::weatherNotAFile);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return file.errorString().toStdString();
  // One byte over the limit is enough for the reader to refuse the file as too large.
  const QByteArray bytes = file.read(static_cast<qint64>(workspace::maxWeatherBytes) + 1);
  if (file.error() != QFileDevice::NoError) return file.errorString().toStdString();
  const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return log ? workspace::readWeatherLog(text, log->pair, log->columns) : workspace::readEpw(text);
}

// The months as a step names them: "全年", or "1月、7月".
QString monthsName(const workspace::MonthSet& months) {
  if (months.all()) return QString::fromUtf8(captions::allMonthsItem);
  QStringList names;
  for (int m = 1; m <= 12; ++m)
    if (months.test(static_cast<std::size_t>(m - 1)))
      names << QString::fromUtf8(captions::monthItem).arg(m);
  return names.join(QStringLiteral("、"));
}

}  // namespace

void ChartWindow::buildClimateMenus(QMenu* file, QMenu* view) {
  view->addSeparator();
  QMenu* zones = view->addMenu(QString::fromUtf8(captions::zonesMenu));
  zones->setObjectName(QStringLiteral("Zones"));
  for (std::size_t i = 0; i < workspace::builtInZoneCount; ++i) {
    QAction* a = zones->addAction(QString::fromStdString(workspace::builtInZones()[i].name));
    a->setObjectName(QStringLiteral("Zone%1").arg(i + 1));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, i](bool on) { setBuiltInZone(i, on); });
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
  connect(removeWeather_, &QAction::triggered, this, &ChartWindow::removeWeather);
  // Before 关闭, in a group of their own.
  QAction* close = findChild<QAction*>(QStringLiteral("CloseChart"));
  file->insertActions(close, {import, removeWeather_});
  file->insertSeparator(close);
  syncClimate();
}

void ChartWindow::setBuiltInZone(std::size_t i, bool on) {
  if (i >= workspace::builtInZoneCount || workspace_.zones().builtInOn[i] == on) return;
  workspace::ZoneSet zones = workspace_.zones();
  zones.builtInOn[i] = on;
  workspace_.setZones(std::move(zones));
  model_->reset();
  record(QString::fromUtf8(on ? captions::zoneOnStep : captions::zoneOffStep)
             .arg(QString::fromStdString(workspace::builtInZones()[i].name)));
}

QString ChartWindow::addZone(const workspace::Zone& zone) {
  workspace::ZoneSet zones = workspace_.zones();
  const QString name = QString::fromStdString(zone.name);
  const auto named = [&zone](const workspace::Zone& z) { return z.name == zone.name; };
  if (zone.name.size() > workspace::maxZoneNameBytes)
    return QString::fromUtf8(captions::zoneNameTooLong);
  if (std::any_of(workspace::builtInZones().begin(), workspace::builtInZones().end(), named) ||
      std::any_of(zones.user.begin(), zones.user.end(), named) ||
      zone.name == workspace::outsideName)
    return QString::fromUtf8(captions::zoneNameTaken).arg(name);
  if (zones.user.size() >= workspace::maxUserZones) return QString::fromUtf8(captions::zoneTooMany);
  zones.user.push_back(zone);
  workspace_.setZones(std::move(zones));
  model_->reset();
  record(QString::fromUtf8(captions::addZoneStep).arg(name));
  return {};
}

void ChartWindow::removeZone(std::size_t i) {
  workspace::ZoneSet zones = workspace_.zones();
  if (i >= zones.user.size()) return;
  const QString name = QString::fromStdString(zones.user[i].name);
  zones.user.erase(zones.user.begin() + static_cast<std::ptrdiff_t>(i));
  workspace_.setZones(std::move(zones));
  model_->reset();
  record(QString::fromUtf8(captions::deleteZoneStep).arg(name));
}

void ChartWindow::listUserZones() {
  userZones_->clear();
  const std::vector<workspace::Zone>& user = workspace_.zones().user;
  for (std::size_t i = 0; i < user.size(); ++i)
    connect(userZones_->addAction(QString::fromStdString(user[i].name)), &QAction::triggered, this,
            [this, i] { removeZone(i); });
}

void ChartWindow::newZone() {
  if (!zoneDialog_)
    zoneDialog_ = new ZoneDialog([this](const workspace::Zone& z) { return addZone(z); }, this);
  zoneDialog_->open();
}

bool ChartWindow::importWeather(const QString& path,
                                const std::optional<workspace::LogColumns>& log) {
  std::variant<workspace::WeatherFile, std::string> read = readWeatherAt(path, log);
  if (const auto* why = std::get_if<std::string>(&read)) {
    showNotice(this, fromUtf8(calc::messages::title),
               QString::fromUtf8(captions::weatherReadFailed).arg(path) + '\n' + fromUtf8(*why));
    return false;
  }
  workspace::WeatherFile& records = std::get<workspace::WeatherFile>(read);
  // The station's pressure, where its elevation gives one other than the pressure in force.
  if (const std::optional<double> site = workspace::sitePressure(records);
      !log && site && *site != pressure()) {
    if (askYesNo(this, QString::fromUtf8(captions::sitePressureTitle),
                 QString::fromUtf8(captions::sitePressureQuestion)
                     .arg(QString::number(*records.elevation, 'g', 6),
                          QString::fromStdString(calc::pressureText(*site))),
                 captions::useButton, "UseSitePressure", captions::keepButton, "KeepPressure")) {
      // As an opened design's pressure: this window takes it, and the main window follows.
      setPressure(*site);
      emit pressureChosen(*site);
    }
  }
  LoadedWeather loaded;
  loaded.file = QFileInfo(path).absoluteFilePath().toStdString();
  loaded.log = log;
  loaded.pa = pressure();
  loaded.m = workspace_.arithmetic();
  loaded.states = workspace::weatherStates(records, loaded.pa, loaded.m);
  loaded.data = std::move(records);
  const std::string skipped = workspace::skipReport(loaded.states.skipped);
  workspace::WeatherSettings settings = workspace_.weather();
  settings.file = loaded.file;
  settings.log = log;
  weather_ = std::move(loaded);
  unreadable_.clear();
  workspace_.setWeather(std::move(settings));
  model_->reset();
  record(QString::fromUtf8(captions::importWeatherStep).arg(QFileInfo(path).fileName()));
  if (!skipped.empty()) showNotice(this, fromUtf8(calc::messages::title), fromUtf8(skipped));
  return true;
}

void ChartWindow::removeWeather() {
  workspace::WeatherSettings settings = workspace_.weather();
  if (settings.file.empty()) return;
  const QString name = QFileInfo(fromUtf8(settings.file)).fileName();
  settings.file.clear();
  settings.log.reset();
  workspace_.setWeather(std::move(settings));
  model_->reset();
  record(QString::fromUtf8(captions::removeWeatherStep).arg(name));
}

void ChartWindow::setMonths(const workspace::MonthSet& months) {
  // No month at all is 全年: the layer never shows nothing for want of a month.
  const workspace::MonthSet chosen = months.none() ? workspace::allMonths : months;
  workspace::WeatherSettings settings = workspace_.weather();
  if (settings.months == chosen) return;
  settings.months = chosen;
  workspace_.setWeather(std::move(settings));
  model_->reset();
  record(QString::fromUtf8(captions::monthsStep).arg(monthsName(chosen)));
}

void ChartWindow::toggleMonth(int month) {
  const workspace::MonthSet now = workspace_.weather().months;
  if (month <= 0 || month > 12) {
    setMonths(workspace::allMonths);
    return;
  }
  // From 全年 a month chosen is that month alone; otherwise it joins or leaves the months.
  const auto bit = static_cast<std::size_t>(month - 1);
  setMonths(now.all() ? workspace::MonthSet().set(bit) : workspace::MonthSet(now).flip(bit));
}

const workspace::WeatherStates* ChartWindow::weatherStates() const {
  return weatherShown_ ? &weather_->states : nullptr;
}

const std::vector<workspace::ZoneHourRow>* ChartWindow::shownHours() const {
  return weatherShown_ ? &hours_ : nullptr;
}

void ChartWindow::importWeatherAsked() {
  const QString start = weather_
                            ? QFileInfo(fromUtf8(weather_->file)).absolutePath()
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

void ChartWindow::syncClimate() {
  if (!model_ || !months_) return;  // still being built
  const workspace::WeatherSettings& settings = workspace_.weather();
  // The file the design names, read where it is not the one held; a file that cannot be read is
  // said once for each opening of the design, and the design goes on without its layer (its
  // settings kept, so that saving keeps them). The notice comes once the window shows the design
  // in full, after an opening has finished (sayHeldNotice).
  QString missing;
  if (!settings.file.empty() &&
      (!weather_ || weather_->file != settings.file || weather_->log != settings.log) &&
      unreadable_ != settings.file) {
    std::variant<workspace::WeatherFile, std::string> read =
        readWeatherAt(fromUtf8(settings.file), settings.log);
    if (auto* records = std::get_if<workspace::WeatherFile>(&read)) {
      weather_ = LoadedWeather{
          settings.file, settings.log, std::move(*records), {}, 0, psychro::Arithmetic::classic};
      weather_->pa = -1;  // states computed below
    } else {
      unreadable_ = settings.file;
      missing = QString::fromUtf8(captions::weatherMissing).arg(fromUtf8(settings.file)) + '\n' +
                fromUtf8(std::get<std::string>(read));
    }
  }
  weatherShown_ = !settings.file.empty() && weather_ && weather_->file == settings.file &&
                  weather_->log == settings.log;
  if (weatherShown_ && (weather_->pa != pressure() || weather_->m != workspace_.arithmetic())) {
    weather_->pa = pressure();
    weather_->m = workspace_.arithmetic();
    weather_->states = workspace::weatherStates(weather_->data, weather_->pa, weather_->m);
  }
  const std::vector<workspace::Zone> zones = workspace_.zones().active();
  std::vector<workspace::ZoneHourRow> hours;
  if (weatherShown_)
    hours = workspace::zoneHourRows(workspace::zoneHours(weather_->states, zones, settings.months),
                                    zones);
  if (hours != hours_ || hoursModel_->rowCount() != static_cast<int>(hours.size())) {
    hours_ = std::move(hours);
    hoursModel_->setRows(hours_);
  }
  hoursTable_->setVisible(weatherShown_);
  chart_->setWeather(weatherShown_ ? &weather_->states : nullptr);
  chart_->update();

  for (std::size_t i = 0; i < zoneActions_.size(); ++i) {
    const QSignalBlocker quiet(zoneActions_[i]);
    zoneActions_[i]->setChecked(workspace_.zones().builtInOn[i]);
  }
  for (std::size_t m = 0; m < monthActions_.size(); ++m) {
    const QSignalBlocker quiet(monthActions_[m]);
    monthActions_[m]->setChecked(m == 0 ? settings.months.all()
                                        : !settings.months.all() && settings.months.test(m - 1));
  }
  months_->setEnabled(weatherShown_);
  removeWeather_->setEnabled(!settings.file.empty());
  userZones_->setEnabled(!workspace_.zones().user.empty());
  if (missing.isEmpty()) return;
  if (opening_)
    heldNotice_ = missing;
  else
    showNotice(this, fromUtf8(calc::messages::title), missing);
}

}  // namespace ui

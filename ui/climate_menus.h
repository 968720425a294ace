#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <optional>

#include "document/document.h"

class QAction;
class QMenu;
class QWidget;

namespace ui {

class ZoneDialog;

// The chart window's climate menus: 查看 → 舒适区 (the built-in zones, 自定义舒适区…, 删除自定义
// 舒适区) and 月份, and 文件 → 导入气象数据… and 移除气象数据. The document keeps the zones, the
// weather layer and its hours; these send it commands and answer a refusal with a notice over
// owner.
class ClimateMenus : public QObject {
  Q_OBJECT

 public:
  // Puts the zones' and months' menus at the end of view, and the weather items before `before`
  // in file.
  ClimateMenus(QWidget* owner, document::Document& design, QMenu* view, QMenu* file,
               QAction* before);

  // 文件 → 导入气象数据…: reads the weather file at path, a .epw or, with log, a log's CSV. Where
  // the station's elevation gives a pressure other than the one in force, offers it; records
  // that cannot be used are reported in a notice. A file refused is answered with a notice naming
  // it and why, the design untouched (false).
  bool importWeather(const QString& path,
                     const std::optional<workspace::LogColumns>& log = std::nullopt);

  // The checks and the items that need a zone or a layer, as the design has them.
  void show();

 signals:
  // The station's pressure was taken for the design: the pressure in force should follow.
  void pressureChosen(double pa);

 private:
  void say(const document::Refused& why);
  void listUserZones();
  void newZone();
  void importAsked();
  void toggleMonth(int month);  // 0 for 全年

  QWidget* owner_;
  document::Document& design_;
  std::array<QAction*, workspace::builtInZoneCount> zoneActions_{};
  std::array<QAction*, 13> monthActions_{};  // 全年, then 1月…12月
  QAction* removeWeather_ = nullptr;
  QMenu* userZones_ = nullptr;
  QMenu* months_ = nullptr;
  ZoneDialog* zoneDialog_ = nullptr;  // created on first use
};

}  // namespace ui

#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "workspace/weather.h"

class QTableView;
class QWidget;

namespace ui {

// The 逐时统计 table: the hours of the weather layer's chosen months inside each zone in force and
// in none (区外), with their percentage, as workspace::zoneHourRows gives them; set anew whenever
// the layer, the months, the zones or the pressure change.
class ZoneHoursModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ZoneHoursModel(QObject* parent = nullptr);

  void setRows(std::vector<workspace::ZoneHourRow> rows);
  const std::vector<workspace::ZoneHourRow>& rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<workspace::ZoneHourRow> rows_;
};

// A read-only table view of model, named "zoneHours" and announced "逐时统计".
QTableView* makeZoneHoursTable(ZoneHoursModel* model, QWidget* parent);

}  // namespace ui

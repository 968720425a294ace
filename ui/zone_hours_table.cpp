#include "ui/zone_hours_table.h"

#include "document/design_table.h"
#include "ui/captions.h"
#include "ui/read_only_table.h"
#include "ui/utf8.h"

namespace ui {
ZoneHoursModel::ZoneHoursModel(QObject* parent) : QAbstractTableModel(parent) {}

void ZoneHoursModel::setRows(std::vector<workspace::ZoneHourRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int ZoneHoursModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ZoneHoursModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 3;
}

QVariant ZoneHoursModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const workspace::ZoneHourRow& r = rows_[static_cast<std::size_t>(index.row())];
  if (role == Qt::DisplayRole)
    return fromUtf8(index.column() == 0 ? r.zone : index.column() == 1 ? r.hours : r.percent);
  if (role == Qt::TextAlignmentRole)
    return index.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                               : QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant ZoneHoursModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  if (orientation == Qt::Vertical) return section + 1;
  const std::vector<std::string> header = document::zoneHourHeader();
  if (section >= static_cast<int>(header.size())) return {};
  return fromUtf8(header[static_cast<std::size_t>(section)]);
}

QTableView* makeZoneHoursTable(ZoneHoursModel* model, QWidget* parent) {
  return makeReadOnlyTable(model, "zoneHours", captions::hoursTableName, parent);
}

}  // namespace ui

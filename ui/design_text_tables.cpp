#include "ui/process_table.h"

#include "document/document.h"
#include "document/process_table.h"
#include "ui/captions.h"
#include "ui/read_only_table.h"
#include "ui/utf8.h"

namespace ui {

ProcessTableModel::ProcessTableModel(document::Document& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document), header_(document::processHeader()) {
  refresh();
  listening_ = document_.listen([this](const document::Change& change) {
    if (change.rows != document::Change::Rows::none) refresh();
  });
}

ProcessTableModel::~ProcessTableModel() {
  document_.stopListening(listening_);
}

void ProcessTableModel::refresh() {
  beginResetModel();
  const workspace::Workspace& design = document_.design();
  rows_ = document::processRows(design.processes(), design.points());
  endResetModel();
}

int ProcessTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ProcessTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

QVariant ProcessTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const auto column = static_cast<std::size_t>(index.column());
  if (role == Qt::DisplayRole)
    return fromUtf8(rows_[static_cast<std::size_t>(index.row())][column]);
  if (role == Qt::TextAlignmentRole)
    return column < 3 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                      : QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant ProcessTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section >= columnCount()) return {};
  return fromUtf8(header_[static_cast<std::size_t>(section)]);
}

QTableView* makeProcessTable(ProcessTableModel* model, QWidget* parent) {
  return makeReadOnlyTable(model, "processes", captions::processTableName, parent);
}

}  // namespace ui

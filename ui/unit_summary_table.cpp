#include "ui/unit_summary_table.h"

#include "document/document.h"
#include "document/unit_summary.h"
#include "ui/read_only_table.h"
#include "ui/utf8.h"

namespace ui {
namespace {

constexpr char unitSummaryName[] = "机组汇总";

}  // namespace

UnitSummaryModel::UnitSummaryModel(document::Document& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document), header_(document::summaryHeader()) {
  refresh();
  listening_ = document_.listen([this](const document::Change& change) {
    if (change.rows != document::Change::Rows::none) refresh();
  });
}

UnitSummaryModel::~UnitSummaryModel() {
  document_.stopListening(listening_);
}

void UnitSummaryModel::refresh() {
  beginResetModel();
  const workspace::Workspace& design = document_.design();
  rows_ = document::summaryRows(design.processes(), design.points());
  endResetModel();
}

int UnitSummaryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int UnitSummaryModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

QVariant UnitSummaryModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const auto column = static_cast<std::size_t>(index.column());
  if (role == Qt::DisplayRole)
    return fromUtf8(rows_[static_cast<std::size_t>(index.row())][column]);
  if (role == Qt::TextAlignmentRole)
    return column == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                       : QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant UnitSummaryModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  // The streams are numbered; the totals row is not one.
  if (orientation == Qt::Vertical)
    return section + 1 < rowCount() ? QVariant(section + 1) : QVariant(QString());
  if (section >= columnCount()) return {};
  return fromUtf8(header_[static_cast<std::size_t>(section)]);
}

QTableView* makeUnitSummaryTable(UnitSummaryModel* model, QWidget* parent) {
  return makeReadOnlyTable(model, "unitSummary", unitSummaryName, parent);
}

}  // namespace ui

#include "ui/design_text_tables.h"

#include "document/document.h"
#include "document/process_table.h"
#include "document/unit_summary.h"
#include "ui/captions.h"
#include "ui/read_only_table.h"
#include "ui/utf8.h"

namespace ui {
namespace {

constexpr char unitSummaryName[] = "机组汇总";

}  // namespace

DesignTextModel::DesignTextModel(document::Document& document, std::vector<std::string> header,
                                 std::function<Rows(const workspace::Workspace&)> rowsOf,
                                 int textColumns, bool totalsRow, QObject* parent)
    : QAbstractTableModel(parent),
      document_(document),
      header_(std::move(header)),
      rowsOf_(std::move(rowsOf)),
      textColumns_(textColumns),
      totalsRow_(totalsRow) {
  refresh();
  listening_ = document_.listen([this](const document::Change& change) {
    if (change.rows != document::Change::Rows::none) refresh();
  });
}

DesignTextModel::~DesignTextModel() {
  document_.stopListening(listening_);
}

void DesignTextModel::refresh() {
  beginResetModel();
  rows_ = rowsOf_(document_.design());
  endResetModel();
}

int DesignTextModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DesignTextModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

QVariant DesignTextModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const auto column = static_cast<std::size_t>(index.column());
  if (role == Qt::DisplayRole)
    return fromUtf8(rows_[static_cast<std::size_t>(index.row())][column]);
  if (role == Qt::TextAlignmentRole)
    return index.column() < textColumns_ ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                         : QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant DesignTextModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  if (orientation == Qt::Vertical)
    return totalsRow_ && section + 1 == rowCount() ? QVariant(QString()) : QVariant(section + 1);
  if (section >= columnCount()) return {};
  return fromUtf8(header_[static_cast<std::size_t>(section)]);
}

DesignTextModel* makeProcessModel(document::Document& document, QObject* parent) {
  return new DesignTextModel(
      document, document::processHeader(),
      [](const workspace::Workspace& w) {
        return document::processRows(w.processes(), w.points());
      },
      3, false, parent);
}

DesignTextModel* makeUnitSummaryModel(document::Document& document, QObject* parent) {
  return new DesignTextModel(
      document, document::summaryHeader(),
      [](const workspace::Workspace& w) {
        return document::summaryRows(w.processes(), w.points());
      },
      1, true, parent);
}

QTableView* makeProcessTable(DesignTextModel* model, QWidget* parent) {
  return makeReadOnlyTable(model, "processes", captions::processTableName, parent);
}

QTableView* makeUnitSummaryTable(DesignTextModel* model, QWidget* parent) {
  return makeReadOnlyTable(model, "unitSummary", unitSummaryName, parent);
}

}  // namespace ui

#include "ui/point_table.h"

#include <QColor>
#include <QHeaderView>
#include <QMimeData>
#include <QTableView>
#include <algorithm>

#include "chart/point_table.h"
#include "ui/captions.h"

namespace ui {
namespace {

const QString rowMime = QStringLiteral("application/x-torvale-point-row");

QString fromUtf8(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

PointTableModel::PointTableModel(QObject* parent)
    : QAbstractTableModel(parent), header_(chart::tableHeader()) {}

void PointTableModel::refresh() {
  rows_ = chart::tableRows(list_);
}

std::string_view PointTableModel::add(const chart::TypedPair& given) {
  const int row = rowCount();
  chart::PointList grown = list_;
  const std::string_view message = grown.add(given);
  if (!message.empty()) return message;
  beginInsertRows({}, row, row);
  list_ = std::move(grown);
  refresh();
  endInsertRows();
  emit pointsChanged();
  return {};
}

std::string_view PointTableModel::addProcess(const chart::ProcessRequest& request) {
  const int row = rowCount();
  chart::PointList grown = list_;
  chart::ProcessList more = processes_;
  const std::string_view message = more.add(grown, request);
  if (!message.empty()) return message;
  beginInsertRows({}, row, row);
  list_ = std::move(grown);
  processes_ = std::move(more);
  refresh();
  endInsertRows();
  emit pointsChanged();
  return {};
}

bool PointTableModel::addEpsilonLine(unsigned id, double ε) {
  if (!processes_.addLine(list_, id, ε)) return false;
  emit pointsChanged();
  return true;
}

void PointTableModel::remove(int row) {
  if (row < 0 || row >= rowCount()) return;
  beginRemoveRows({}, row, row);
  const unsigned id = list_.points()[static_cast<std::size_t>(row)].id;
  list_.remove(static_cast<std::size_t>(row));
  processes_.forget(list_, id);
  refresh();
  endRemoveRows();
  emit pointsChanged();
}

bool PointTableModel::moveBefore(int from, int before) {
  const int n = rowCount();
  before = std::clamp(before, 0, n);
  if (from < 0 || from >= n || before == from || before == from + 1) return false;
  beginMoveRows({}, from, from, {}, before);
  list_.move(static_cast<std::size_t>(from),
             static_cast<std::size_t>(before > from ? before - 1 : before));
  refresh();
  endMoveRows();
  emit pointsChanged();
  return true;
}

void PointTableModel::setPressure(double pa) {
  beginResetModel();
  list_.setPressure(pa);
  processes_.rerun(list_);
  refresh();
  endResetModel();
  emit pointsChanged();
}

int PointTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PointTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

QVariant PointTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const auto column = static_cast<std::size_t>(index.column());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return fromUtf8(rows_[row][column]);
    case Qt::TextAlignmentRole:
      return column < 2 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                        : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
      // A point with no state at the pressure in force.
      if (!list_.points()[row].exists()) return QColor(Qt::darkGray);
      return {};
    default:
      return {};
  }
}

QVariant PointTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section >= columnCount()) return {};
  return fromUtf8(header_[static_cast<std::size_t>(section)]);
}

Qt::ItemFlags PointTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::ItemIsDropEnabled;  // dropped past the last row
  Qt::ItemFlags f =
      Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
  if (index.column() == 0) f |= Qt::ItemIsEditable;
  return f;
}

bool PointTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || index.column() != 0) return false;
  if (!list_.rename(static_cast<std::size_t>(index.row()), value.toString().toStdString()))
    return false;
  refresh();
  emit dataChanged(index, index);
  emit pointsChanged();
  return true;
}

QStringList PointTableModel::mimeTypes() const {
  return {rowMime};
}

QMimeData* PointTableModel::mimeData(const QModelIndexList& indexes) const {
  if (indexes.isEmpty()) return nullptr;
  auto* data = new QMimeData;
  data->setData(rowMime, QByteArray::number(indexes.front().row()));
  return data;
}

bool PointTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                   const QModelIndex& parent) {
  if (!data || action != Qt::MoveAction || !data->hasFormat(rowMime)) return false;
  bool ok = false;
  const int from = data->data(rowMime).toInt(&ok);
  if (!ok) return false;
  // Dropped between rows: before `row`; on a row: before that row; past the last: at the end.
  const int before = row >= 0 ? row : parent.isValid() ? parent.row() : rowCount();
  moveBefore(from, before);
  // The row is moved here; the view must not remove anything afterwards.
  return false;
}

QTableView* makePointTable(PointTableModel* model, QWidget* parent) {
  auto* table = new QTableView(parent);
  table->setObjectName(QStringLiteral("points"));
  table->setAccessibleName(QString::fromUtf8(captions::pointTableName));
  table->setModel(model);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  table->setDragEnabled(true);
  table->setAcceptDrops(true);
  table->setDropIndicatorShown(true);
  table->setDragDropMode(QAbstractItemView::InternalMove);
  table->setDragDropOverwriteMode(false);
  table->setDefaultDropAction(Qt::MoveAction);
  table->setWordWrap(false);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // Every column as wide as its widest text, whenever the texts change.
  const auto fit = [table] { table->resizeColumnsToContents(); };
  QObject::connect(model, &PointTableModel::pointsChanged, table, fit);
  fit();
  return table;
}

}  // namespace ui

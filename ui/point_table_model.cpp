#include "ui/point_table_model.h"

#include <QColor>
#include <QHeaderView>
#include <QMimeData>
#include <QTableView>
#include <algorithm>

#include "document/design_table.h"
#include "ui/captions.h"
#include "ui/step_names.h"
#include "ui/utf8.h"

namespace ui {
namespace {

const QString rowMime = QStringLiteral("application/x-torvale-point-row");

}  // namespace

PointTableModel::PointTableModel(document::Document& document, QObject* parent)
    : QAbstractTableModel(parent),
      document_(document),
      header_(document::pointHeader()),
      zones_(document.design().zones().active()),
      rows_(document.design().points().size()) {
  listening_ = document_.listen([this](const document::Change& c) { follow(c); });
}

PointTableModel::~PointTableModel() {
  document_.stopListening(listening_);
}

const workspace::PointList& PointTableModel::points() const {
  return document_.design().points();
}

void PointTableModel::rowChanged(std::size_t index) {
  if (index >= points().size()) return;
  const int row = static_cast<int>(index);
  emit dataChanged(this->index(row, 0), this->index(row, columnCount() - 1));
}

// The document has changed already; the views learn of it here, reading no row past those they
// know of until told (data() reads the document within both counts).
void PointTableModel::follow(const document::Change& change) {
  using Rows = document::Change::Rows;
  const auto to = [](std::size_t i) { return static_cast<int>(i); };
  switch (change.rows) {
    case Rows::none:
      return;
    case Rows::added:
      beginInsertRows({}, to(change.row), to(change.row));
      rows_ = points().size();
      endInsertRows();
      return;
    case Rows::removed:
      beginRemoveRows({}, to(change.row), to(change.row));
      rows_ = points().size();
      endRemoveRows();
      // The outlets of the processes dropped with it now read as given by their t and d.
      for (std::size_t row : change.released) rowChanged(row);
      return;
    case Rows::moved:
      beginMoveRows({}, to(change.row), to(change.row), {},
                    to(change.to > change.row ? change.to + 1 : change.to));
      endMoveRows();
      return;
    case Rows::edited:
      rowChanged(change.row);
      return;
    case Rows::all:
      beginResetModel();
      zones_ = document_.design().zones().active();
      rows_ = points().size();
      endResetModel();
      return;
  }
}

bool PointTableModel::moveBefore(int from, int before) {
  const int n = rowCount();
  before = std::clamp(before, 0, n);
  if (from < 0 || from >= n || before == from || before == from + 1) return false;
  const int to = before > from ? before - 1 : before;
  return !document_.movePoint(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
}

int PointTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_);
}

int PointTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(header_.size() + (zones_.empty() ? 0 : 1));
}

QVariant PointTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const auto column = static_cast<std::size_t>(index.column());
  // While the views are being told of a removal they may ask for a row the document no longer has.
  if (row >= points().size()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      if (column == header_.size())
        return fromUtf8(document::zoneCell(points().points()[row], zones_));
      return fromUtf8(
          document::pointCell(document_.design().processes(), points().points()[row], column));
    case Qt::TextAlignmentRole:
      // Names (of the point, of how it was given, of its zones) read from the left.
      return column < 2 || column == header_.size() ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                    : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
      // A point with no state at the pressure in force.
      if (!points().points()[row].exists()) return QColor(Qt::darkGray);
      return {};
    default:
      return {};
  }
}

QVariant PointTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section >= columnCount()) return {};
  if (static_cast<std::size_t>(section) == header_.size())
    return fromUtf8(std::string(document::zoneCaption));
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
  if (index.row() >= rowCount()) return false;
  const auto row = static_cast<std::size_t>(index.row());
  if (const document::Refused why = document_.renamePoint(row, value.toString().toStdString())) {
    emit renameRefused(refusalText(*why));
    return false;
  }
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
  // Rows of one line, all as high as the highest; columns as wide as their widest text. Sizing
  // the whole table again at every change would cost time in proportion to the points: a new or
  // changed row only widens (or heightens) what it needs, and only new texts throughout (a new
  // pressure, another design) size it all again.
  QHeaderView* rows = table->verticalHeader();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  const auto fitCells = [table, rows](int firstRow, int lastRow, int firstColumn, int lastColumn,
                                      bool anew = false) {
    auto* view = static_cast<QAbstractItemView*>(table);
    const QAbstractItemModel& m = *table->model();
    // The first rows, or all the rows anew, set the height; later ones may only raise it. (Raised
    // from Qt's default, a height would not be the same for a design opened as for one built.)
    int height = anew || m.rowCount() == lastRow - firstRow + 1 ? 0 : rows->defaultSectionSize();
    for (int r = firstRow; r <= lastRow; ++r) height = std::max(height, view->sizeHintForRow(r));
    if (height != rows->defaultSectionSize()) rows->setDefaultSectionSize(height);
    QHeaderView* columns = table->horizontalHeader();
    const int grid = table->showGrid() ? 1 : 0;
    for (int c = firstColumn; c <= lastColumn; ++c) {
      int width = columns->sectionSize(c);
      for (int r = firstRow; r <= lastRow; ++r)
        width = std::max(width, table->sizeHintForIndex(m.index(r, c)).width() + grid);
      if (width > columns->sectionSize(c)) columns->resizeSection(c, width);
    }
  };
  QObject::connect(model, &QAbstractItemModel::rowsInserted, table,
                   [model, fitCells](const QModelIndex&, int first, int last) {
                     fitCells(first, last, 0, model->columnCount() - 1);
                   });
  QObject::connect(model, &QAbstractItemModel::dataChanged, table,
                   [fitCells](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                     fitCells(topLeft.row(), bottomRight.row(), topLeft.column(),
                              bottomRight.column());
                   });
  const auto fitAll = [table, model, fitCells] {
    table->resizeColumnsToContents();
    if (model->rowCount() > 0) fitCells(0, 0, 0, model->columnCount() - 1, true);
  };
  QObject::connect(model, &QAbstractItemModel::modelReset, table, fitAll);
  fitAll();
  return table;
}

}  // namespace ui

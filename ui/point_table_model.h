#pragma once

#include <QAbstractTableModel>
#include <string_view>
#include <vector>

#include "document/document.h"

class QTableView;
class QWidget;

namespace ui {

// The state points of a design as a table: name (editable: a rename), how each was given, and
// the eleven results as the main window shows them; while a comfort zone is on, a last column
// 舒适区 names the zones holding each point. Rows are reordered by dragging them. It holds nothing
// of its own: it shows the document, which outlives it, follows its every change (keeping the
// views' place where a change touches a row or two, so that each stays quick however many points
// there are), and sends it a rename or a move as a command.
class PointTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit PointTableModel(document::Document& document, QObject* parent = nullptr);
  ~PointTableModel() override;

  // Moves row `from` to stand before row `before` (rowCount() for the end); false if nothing moves.
  bool moveBefore(int from, int before);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                    const QModelIndex& parent) override;

 signals:
  // A rename was refused (the name is left as it was), and why.
  void renameRefused(const QString& why);

 private:
  void follow(const document::Change& change);
  void rowChanged(std::size_t index);  // the views told of one point's new cells
  const workspace::PointList& points() const;

  document::Document& document_;
  std::size_t listening_;
  std::vector<std::string> header_;
  std::vector<workspace::Zone> zones_;  // the zones in force at the last reset; none: no column
  std::size_t rows_;                    // the rows the views have been told of
};

// A table view of model, named and announced "状态点": whole rows selected, names edited in place,
// rows dragged to reorder.
QTableView* makePointTable(PointTableModel* model, QWidget* parent);

}  // namespace ui

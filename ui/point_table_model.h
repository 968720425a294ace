#pragma once

#include <QAbstractTableModel>
#include <string_view>
#include <vector>

#include "workspace/workspace.h"

class QTableView;
class QWidget;

namespace ui {

// The state points of a workspace as a table: name (editable: a rename), how each was given, and
// the eleven results as the main window shows them; while a comfort zone is on, a last column
// 舒适区 names the zones holding each point (read at reset()). Rows are reordered by dragging them.
// It holds nothing of its own: it reads the workspace, which its owner keeps for at least its life,
// and passes every change of the points (and of the processes and ε lines between them) on to it,
// so that the views and the chart hear of it. Adding, renaming, deleting and moving a point touch
// only its own row (and the rows of outlets a deletion frees), so that each stays quick however
// many points there are.
class PointTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit PointTableModel(workspace::Workspace& workspace, QObject* parent = nullptr);

  const workspace::Workspace& workspace() const { return workspace_; }

  // Adds the state of the pair as a new last row; the message when it has none (nothing added).
  std::string_view add(const workspace::TypedPair& given);
  // Runs a process, adding its outlet as a new last row; the message when it cannot happen.
  std::string_view addProcess(const workspace::ProcessRequest& request);
  // Draws the line of ε through the point with this id; false when there is no such point.
  bool addEpsilonLine(unsigned id, double ε);
  // Asks process i for r instead; the message when it cannot happen (nothing changed). The rows of
  // its outlet and of the points made after it read anew.
  std::string_view editProcess(std::size_t i, const workspace::ProcessRequest& r);
  // Removes process i; its outlet's row reads as given by its t and d.
  void removeProcess(std::size_t i);
  // Removes line i of those drawn through 热湿比线…; false when there is none.
  bool removeEpsilonLine(std::size_t i);
  // Removes the point and the processes and ε lines that touch it; the outlets of those processes
  // become points given by their t and d.
  void remove(int row);
  // Moves row `from` to stand before row `before` (rowCount() for the end); false if nothing moves.
  bool moveBefore(int from, int before);
  void setPressure(double pa);
  void setArithmetic(psychro::Arithmetic m);
  // Shows the workspace afresh after it was replaced as a whole (undo, redo).
  void reset();

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
  void pointsChanged();
  // A rename was refused (the name is left as it was), and why.
  void renameRefused(const QString& why);
  // A point was renamed, or dragged to another row: steps the owner may record.
  void renamed(const QString& from, const QString& to);
  void moved(const QString& name);

 private:
  void rowChanged(std::size_t index);  // the views told of one point's new cells
  // A new last row, after the workspace added a point.
  void lastRowAdded();

  workspace::Workspace& workspace_;
  std::vector<std::string> header_;
  std::vector<workspace::Zone> zones_;  // the zones in force at the last reset; none: no column
  std::size_t rows_;  // the rows the views have been told of: the points but while one is added
};

// A table view of model, named and announced "状态点": whole rows selected, names edited in place,
// rows dragged to reorder.
QTableView* makePointTable(PointTableModel* model, QWidget* parent);

}  // namespace ui

#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

class QTableView;
class QWidget;

namespace ui {

class PointTableModel;

// The 过程 table: one row per process, read from the points' model whenever the points change
// (a new process, a rename, a deleted point, a new pressure).
class ProcessTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ProcessTableModel(const PointTableModel* points, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  void refresh();

  const PointTableModel* points_;
  std::vector<std::string> header_;
  std::vector<std::vector<std::string>> rows_;
};

// A read-only table view of model, named and announced "过程", whole rows selected.
QTableView* makeProcessTable(ProcessTableModel* model, QWidget* parent);

}  // namespace ui

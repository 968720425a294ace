#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

class QTableView;
class QWidget;

namespace document {
class Document;
}

namespace ui {

// The 过程 table of a document, which outlives the model: one row per process, its texts read
// again whenever the points change (a new process, a rename, a deleted point, a new pressure).
class ProcessTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ProcessTableModel(document::Document& document, QObject* parent = nullptr);
  ~ProcessTableModel() override;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  void refresh();

  document::Document& document_;
  std::size_t listening_;
  std::vector<std::string> header_;
  std::vector<std::vector<std::string>> rows_;
};

// A read-only table view of model, named and announced "过程", whole rows selected.
QTableView* makeProcessTable(ProcessTableModel* model, QWidget* parent);

}  // namespace ui

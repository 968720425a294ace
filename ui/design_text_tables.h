#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <string>
#include <vector>

class QTableView;
class QWidget;

namespace document {
class Document;
}
namespace workspace {
class Workspace;
}

namespace ui {

// A table of texts of a document, which outlives the model: the rows `rowsOf` makes of the
// design, read again whenever the points or processes change (a new process, a rename, a deleted
// point, a new pressure). The first `textColumns` columns read from the left, the figures from
// the right; rows are numbered, but for a last row of totals where `totalsRow` says so.
class DesignTextModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using Rows = std::vector<std::vector<std::string>>;
  DesignTextModel(document::Document& document, std::vector<std::string> header,
                  std::function<Rows(const workspace::Workspace&)> rowsOf, int textColumns,
                  bool totalsRow, QObject* parent = nullptr);
  ~DesignTextModel() override;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  void refresh();

  document::Document& document_;
  std::size_t listening_;
  std::vector<std::string> header_;
  std::function<Rows(const workspace::Workspace&)> rowsOf_;
  int textColumns_;
  bool totalsRow_;
  Rows rows_;
};

// The 过程 table's model: one row per process (document::processRows).
DesignTextModel* makeProcessModel(document::Document& document, QObject* parent);
// The unit's summary (机组汇总): a row per air stream and the totals (document::summaryRows).
DesignTextModel* makeUnitSummaryModel(document::Document& document, QObject* parent);

// A read-only table view of model, named and announced "过程", whole rows selected.
QTableView* makeProcessTable(DesignTextModel* model, QWidget* parent);
// A read-only table view of model, named "unitSummary" and announced "机组汇总".
QTableView* makeUnitSummaryTable(DesignTextModel* model, QWidget* parent);

}  // namespace ui

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

// The unit's summary (机组汇总) of a document, which outlives the model: a row per air stream and
// the totals (document/unit_summary.h), read again whenever the points or processes change.
class UnitSummaryModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit UnitSummaryModel(document::Document& document, QObject* parent = nullptr);
  ~UnitSummaryModel() override;

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

// A read-only table view of model, named "unitSummary" and announced "机组汇总".
QTableView* makeUnitSummaryTable(UnitSummaryModel* model, QWidget* parent);

}  // namespace ui

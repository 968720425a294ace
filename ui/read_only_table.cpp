#include "ui/read_only_table.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QTableView>

namespace ui {

QTableView* makeReadOnlyTable(QAbstractItemModel* model, const char* objectName,
                              const char* accessibleName, QWidget* parent) {
  auto* table = new QTableView(parent);
  table->setObjectName(QString::fromUtf8(objectName));
  table->setAccessibleName(QString::fromUtf8(accessibleName));
  table->setModel(model);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setWordWrap(false);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  const auto fit = [table] { table->resizeColumnsToContents(); };
  QObject::connect(model, &QAbstractItemModel::modelReset, table, fit);
  fit();
  return table;
}

}  // namespace ui

#pragma once

class QAbstractItemModel;
class QTableView;
class QWidget;

namespace ui {

// A table under the chart that is read, not edited (过程, 逐时统计): whole rows selected one at a
// time, one line a row, every column as wide as its widest text again whenever the model is reset.
// Named by objectName for tests and by accessibleName (UTF-8) for screen readers.
QTableView* makeReadOnlyTable(QAbstractItemModel* model, const char* objectName,
                              const char* accessibleName, QWidget* parent);

}  // namespace ui

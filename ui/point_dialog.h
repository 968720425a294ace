#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "workspace/points.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace ui {

// 新建状态点 (and 编辑状态点): any two of the six quantities, each picked in a selector and its
// value typed in the window's unit, and the point's name. On 确定 it hands the pair, the two texts
// and the name to `add`; a value that is not one number is answered by a notice naming its
// quantity, a refusal by its words, and the dialog stays open.
class PointDialog : public QDialog {
  Q_OBJECT

 public:
  // Adds (or changes) the point; returns why not, empty when done. name is empty where the field
  // is hidden.
  using Add = std::function<QString(const workspace::TypedPair&, const QString& name)>;

  PointDialog(Add add, QWidget* parent);

  // Offers name in 名称 (checked as a rename is); an empty name hides the field (编辑状态点: the
  // point keeps its name).
  void setName(const QString& name);
  // Shows how a point was given, its pair and values, to be changed.
  void setGiven(const workspace::StatePoint& point);

  void accept() override;

 protected:
  // Opens inside the screen's available area on the first field, its text selected, so that what
  // was typed last time is replaced.
  void showEvent(QShowEvent* event) override;

 private:
  Add add_;
  QComboBox* first_ = nullptr;
  QComboBox* second_ = nullptr;
  QLineEdit* firstValue_ = nullptr;
  QLineEdit* secondValue_ = nullptr;
  QLabel* nameLabel_ = nullptr;
  QLineEdit* name_ = nullptr;
};

}  // namespace ui

#pragma once

#include <QDialog>
#include <functional>
#include <string_view>

#include "workspace/points.h"

class QComboBox;
class QLineEdit;

namespace ui {

// 新建状态点: any two of the six quantities, each picked in a selector and its value typed in the
// window's unit. On 确定 it hands the pair and the two texts to `add`; a missing value, or a pair
// with no state, is answered by the main window's notice (提示信息), a value with no number in it
// by a notice naming its quantity, and the dialog stays open.
class PointDialog : public QDialog {
  Q_OBJECT

 public:
  // Adds the state of a pair; returns the message when there is none.
  using Add = std::function<std::string_view(const workspace::TypedPair&)>;

  PointDialog(Add add, QWidget* parent);

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
};

}  // namespace ui

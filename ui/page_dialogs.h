#pragma once

#include <QDialog>
#include <array>

#include "workspace/page.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

namespace ui {

// 文件 → 页面设置…: the paper (A4, A3, A2 or the printer's own), 纵向 or 横向, the margins (the
// standard frame's unless 自定义页边距 is checked) and what the pages carry (仅焓湿图, 焓湿图和
// 表格, 仅表格).
class PageSetupDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PageSetupDialog(QWidget* parent = nullptr);

  // Shows page as the choice.
  void start(const workspace::PageSetup& page);
  // The page set-up chosen.
  workspace::PageSetup page() const;

 private:
  void showMargins();

  QComboBox* paper_ = nullptr;
  QComboBox* orientation_ = nullptr;
  QComboBox* content_ = nullptr;
  QCheckBox* ownMargins_ = nullptr;
  std::array<QDoubleSpinBox*, 4> margins_{};  // left, top, right, bottom
};

// 文件 → 标题栏…: the title block's fields, each optional; an empty 图名 shows the design's file
// name in its place, an empty 日期 the date of printing.
class TitleBlockDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TitleBlockDialog(QWidget* parent = nullptr);

  // Shows title's fields, drawingName as what an empty 图名 prints.
  void start(const workspace::TitleBlock& title, const QString& drawingName);
  // The fields as typed, blanks at either end trimmed.
  workspace::TitleBlock title() const;

 private:
  std::array<QLineEdit*, workspace::titleKeys.size()> fields_{};
};

}  // namespace ui

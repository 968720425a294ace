#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "workspace/weather.h"
#include "workspace/zones.h"

class QLineEdit;

namespace ui {

// 自定义舒适区: a name and, for each of t, φ, dew point, d and h, an optional least and greatest
// value in the window's units (either may be left blank: that side is open). On 确定 it hands the
// zone to `add`; a blank name, a value with no number in it or out of range (named by its field,
// φ within 0…100 %), a least above its greatest or no bound at all is answered with a notice, as
// is the refusal `add` returns, and the dialog stays open. Each opening starts empty, the cursor on
// the name.
class ZoneDialog : public QDialog {
  Q_OBJECT

 public:
  // Adds the zone; returns why not (empty when added).
  using Add = std::function<QString(const workspace::Zone&)>;

  ZoneDialog(Add add, QWidget* parent);

  void open() override;
  void accept() override;

 private:
  Add add_;
  QLineEdit* name_ = nullptr;
  // Least and greatest of each quantity, in the order of psychro::StateBounds.
  std::array<std::array<QLineEdit*, 2>, 5> bounds_{};
};

// How a log's CSV is read: its pair as torvale-calc --mode names it ("t+tl", or rh and tw for t+rh
// and t+tw) and the column of each value, a 1-based number or a name in the header, as --columns
// takes them. A pair that determines no state or a blank column is answered with a notice naming
// the field, the dialog staying open; columns() is what was accepted.
class LogColumnsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit LogColumnsDialog(QWidget* parent);

  void accept() override;
  const std::optional<workspace::LogColumns>& columns() const { return columns_; }

 private:
  QLineEdit* mode_ = nullptr;
  std::array<QLineEdit*, 2> columnEdits_{};
  std::optional<workspace::LogColumns> columns_;
};

}  // namespace ui

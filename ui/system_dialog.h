#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "workspace/workspace.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace ui {

// 新建系统… and 编辑系统…: the system's kind and name, its outdoor and room states (any two
// quantities each), 余热 Q, 余湿 W, the fresh air (share % or kg/s), 送风温差 Δt, the coil's φL and
// each kind's own options; below them the points it will make, by role, their names editable. The
// dialog only reads what is typed: the document plans the system (the roles and names shown, or
// why not, shown under them as the inputs change) and makes it on 确定; a value that is not one
// number is answered by a notice naming it, a refusal by its words, and the dialog stays open.
class SystemDialog : public QDialog {
  Q_OBJECT

 public:
  // What request would make, or the words why not.
  using Plan = std::function<std::variant<workspace::SystemPlan, QString>(
      const workspace::SystemRequest& request)>;
  // Makes (or rebuilds) the system with the names in the order of its states; why not, empty
  // when done.
  using Apply = std::function<QString(const workspace::SystemRequest& request,
                                      const std::vector<std::string>& names)>;

  SystemDialog(Plan plan, Apply apply, QWidget* parent);

  // Shows request as the inputs, and the names planned for it.
  void setRequest(const workspace::SystemRequest& request);
  // For 编辑系统… with several systems: their names to choose from (the choice hidden for fewer
  // than two), and what to do when another is chosen.
  void setChoices(const QStringList& names, int current, std::function<void(int)> chosen);

  void accept() override;

 private:
  // The inputs as typed, or the words why they are not numbers.
  std::variant<workspace::SystemRequest, QString> typed() const;
  // Shows the points request would make, each keeping a name the user typed for its role.
  void replan();
  void showKindOptions();
  QLineEdit* field(const char* name, const char* caption);

  Plan plan_;
  Apply apply_;
  std::function<void(int)> chosen_;
  QFormLayout* form_ = nullptr;
  QComboBox* choice_ = nullptr;
  QComboBox* kind_ = nullptr;
  QLineEdit* name_ = nullptr;
  std::array<QComboBox*, 4> quantities_{};  // outdoor first, second, room first, second
  std::array<QLineEdit*, 4> values_{};
  QLineEdit* heat_ = nullptr;
  QLineEdit* moisture_ = nullptr;
  QLineEdit* fresh_ = nullptr;
  QComboBox* freshUnit_ = nullptr;
  QLineEdit* Δt_ = nullptr;
  QLineEdit* φL_ = nullptr;
  QCheckBox* dewPoint_ = nullptr;
  QComboBox* target_ = nullptr;
  QLineEdit* targetT_ = nullptr;
  QLineEdit* targetRh_ = nullptr;
  QComboBox* humidifier_ = nullptr;
  QLineEdit* preheat_ = nullptr;  // empty: only against fog
  QTableWidget* members_ = nullptr;
  QLabel* message_ = nullptr;
  std::map<QString, QString> typedNames_;  // the names the user gave, by role
  bool filling_ = false;                   // while the dialog fills its own fields
};

}  // namespace ui

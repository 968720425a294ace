#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "workspace/points.h"
#include "workspace/process_list.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace ui {

// 新建过程: the kind of process, the point it starts at (and the second point of a mixing), the
// process's one or two values (a quantity picked where the kind allows a choice), and an optional
// air flow for the loads. Each kind keeps the values last typed for it. On 确定 it hands the
// request to `add`; an unreadable value (one with no number in it named by its field) or a process
// that cannot happen is answered with a notice (提示信息) and the dialog stays open.
class ProcessDialog : public QDialog {
  Q_OBJECT

 public:
  // Runs a request, its outlet named outletName (empty where the field is hidden); returns why
  // it cannot happen, empty when done.
  using Add = std::function<QString(const workspace::ProcessRequest&, const QString& outletName)>;

  ProcessDialog(Add add, QWidget* parent);

  // The points to choose from, with the point `selected` (an id, 0 for none) as the start.
  void setPoints(const std::vector<workspace::StatePoint>& points, unsigned selected);

  // Fills the fields with what r asks for (its kind, points, values and flow), as 编辑过程 opens;
  // the points must be offered (setPoints) first.
  void setRequest(const workspace::ProcessRequest& r);

  // Empties 风量 for a new process (its unit stays): a process given no flow carries on the flow of
  // the process that made its inlet, so a flow typed for the last process must not be offered
  // again.
  void clearFlow();

  // Offers name for the outlet in 出口名称 (checked as a rename is); an empty name hides the field
  // (编辑过程: the outlet keeps its name).
  void setOutletName(const QString& name);

  void accept() override;

 protected:
  // Opens inside the screen's available area on the first field, the kind.
  void showEvent(QShowEvent* event) override;

 private:
  void showKind();          // the fields the chosen kind asks for
  void offerInletItself();  // the secondary air's choice of the inlet itself, where it applies
  // A supply point with room loads typed takes its ε and air flow from them: those fields are
  // greyed, ε showing the loads' 3600·Q/W.
  void showLoads();
  bool loadsTyped() const;
  workspace::ProcessKind kind() const;
  // The request from the fields, or the message why they do not make one.
  QString request(workspace::ProcessRequest& r) const;

  // What was last typed and chosen for one kind of process.
  struct Entry {
    QString first, second;
    QString heat, moisture;  // a supply point's room loads
    std::optional<psychro::Quantity> firstQuantity, secondQuantity;
  };

  Add add_;
  QGridLayout* grid_ = nullptr;
  QComboBox* kind_ = nullptr;
  QComboBox* from_ = nullptr;
  QComboBox* other_ = nullptr;
  QLabel* otherLabel_ = nullptr;
  QLabel* firstLabel_ = nullptr;
  QLabel* secondLabel_ = nullptr;
  QComboBox* firstQuantity_ = nullptr;
  QComboBox* secondQuantity_ = nullptr;
  QLineEdit* firstValue_ = nullptr;
  QLineEdit* secondValue_ = nullptr;
  QLineEdit* flow_ = nullptr;
  QComboBox* flowUnit_ = nullptr;
  QLabel* heatLabel_ = nullptr;
  QLabel* moistureLabel_ = nullptr;
  QLineEdit* heat_ = nullptr;      // 余热 Q, kW
  QLineEdit* moisture_ = nullptr;  // 余湿 W, kg/h
  QLabel* outletLabel_ = nullptr;
  QLineEdit* outletName_ = nullptr;                            // 出口名称
  std::array<Entry, workspace::processKinds.size()> entries_;  // by workspace::ProcessKind
  std::optional<workspace::ProcessKind> shown_;                // the kind the fields are for
};

}  // namespace ui

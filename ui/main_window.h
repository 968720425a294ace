#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "calc/calculate.h"
#include "calc/outputs.h"
#include "calc/window.h"
#include "document/disk.h"
#include "document/recovery.h"
#include "psychro/air_state.h"
#include "workspace/points.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class ChartWindow;
class AboutWindow;
class PressureDialog;

// The main window: the input row (the dry bulb, and the second quantity chosen on its selector),
// the Calculate button, the eleven result boxes, and the File, View, Settings and Help menus. It
// only shows and collects text; calc::calculateCommand does the work at the pressure in force and
// tells it each state shown, which the h-d chart follows. Results of an earlier calculation are
// greyed once an input, the selector or the pressure changes, until the next successful one.
class MainWindow : public QMainWindow, public calc::Window, private calc::StateObserver {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // calc::Window
  std::string text(calc::Input field) const override;
  std::optional<calc::Route> route() const override;
  void showMessage(std::string_view title, std::string_view text) override;
  void setText(calc::Output field, std::string_view text) override;

  // The total pressure every calculation uses, Pa; psychro::standardPressure at start.
  double pressure() const { return pressure_; }
  // Makes pa, Pa, the pressure in force; a pa outside psychro's range changes nothing. While it is
  // not standard the window shows it right of 计算.
  void setPressure(double pa);
  // The arithmetic every calculation uses; classic at start. 设置 → 计算方法 chooses it; while it
  // is ASHRAE 2017 the window names it beside the pressure.
  psychro::Arithmetic arithmetic() const { return arithmetic_; }
  void setArithmetic(psychro::Arithmetic m);
  // Opens the workspace file at path in the chart window, shown (a file that cannot be opened is
  // answered there with a notice).
  void openWorkspace(const QString& path);
  // At start: offers back the design a run that did not end cleanly left unsaved, and opens it in
  // the chart window, shown, when the user wants it (ChartWindow::offerRecovery).
  void offerRecovery();

  // The factor every twips rectangle was multiplied by so that the platform font fits (>= 1).
  double layoutScale() const { return scale_; }

 signals:
  // The pressure in force is now pa, Pa.
  void pressureChanged(double pa);
  // The arithmetic in force is now m.
  void arithmeticChanged(psychro::Arithmetic m);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;  // opens inside the screen's available area
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void buildControls();
  void fillSelectors();
  void placeControls();
  void orderTabs();
  QWidget* control(std::string_view name, int index) const;
  AboutWindow& about();
  ChartWindow& chartWindow();

  // calc::StateObserver
  void stateShown(const psychro::AirState& air) override;

  void showResultsCurrent(bool current);
  void inputsChanged();
  void showResultMenu(QLineEdit* box, const QPoint& pos);

  void calculateCommand();
  void choosePressure();
  // Places ModelLabel right of the pressure shown (or where the pressure would stand), the pressure
  // label narrowed to its text while both show; the classic layout while the arithmetic is classic.
  void placeArithmeticLabel();
  void copyAllResults();
  void closeProgram();
  void showAbout();
  void showChart();
  void addCurrentPoint();
  void freeAreaPressed();

  QWidget* client_ = nullptr;
  // The input row and its controls, and the Calculate button. Their object names (Frame1, Combo1,
  // Text11, Combo2, Text12, Command1) stay as they are: other programs and the tests find the
  // controls by them.
  QGroupBox* inputRow_ = nullptr;
  QComboBox* firstSelector_ = nullptr;   // names the first quantity: the dry bulb, its only entry
  QComboBox* secondSelector_ = nullptr;  // the second quantity, by calc::Route
  QLineEdit* dryBulbField_ = nullptr;
  QLineEdit* secondField_ = nullptr;
  QPushButton* calculateButton_ = nullptr;
  QLabel* pressureLabel_ = nullptr;            // the pressure in force, shown while not standard
  QLabel* arithmeticLabel_ = nullptr;          // "ASHRAE 2017" while that arithmetic is in force
  std::array<QAction*, 2> arithmeticItems_{};  // 经典, ASHRAE 2017
  QAction* copyAll_ = nullptr;
  PressureDialog* pressureDialog_ = nullptr;  // created on first use, a child of the window
  std::array<QLineEdit*, calc::outputs.size()> results_{};  // by calc::Output
  std::unique_ptr<AboutWindow> about_;  // created on first use, a window of its own
  std::unique_ptr<ChartWindow> chart_;  // likewise
  // Where the chart window's files are read and written, and this running copy's recovery, kept
  // here until the chart window is made (the offer at start needs it first).
  std::shared_ptr<document::FileSystem> files_ = std::make_shared<document::Disk>();
  std::unique_ptr<document::Recovery> recovery_;
  QAction* addPoint_ = nullptr;                 // 加入当前状态点, while results are current
  std::optional<psychro::AirState> lastState_;  // kept before the chart window exists
  std::optional<workspace::TypedPair> lastGiven_;  // and how it was given
  double pressure_ = psychro::standardPressure;
  psychro::Arithmetic arithmetic_ = psychro::Arithmetic::classic;

  // What the shown results were calculated from, for 复制全部结果; none before the first success.
  struct Calculated {
    std::string t, x, secondCaption;
    double pa;
    psychro::Arithmetic arithmetic;
  };
  std::optional<Calculated> calculated_;
  bool resultsCurrent_ = true;  // the results shown are those of the inputs (not greyed)
  double scale_ = 1;
};

}  // namespace ui

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
#include "psychro/air_state.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace ui {

class ChartWindow;
class Form2;

// The main window: the input row in Frame1, the Calculate button, the eleven result boxes, and
// the File, View and Help menus. It only shows and collects text; calc::Command1_Click does the
// work and tells it each state shown, which the h-d chart follows.
class Form1 : public QMainWindow, public calc::Window, private calc::StateObserver {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // calc::Window
  std::string text(calc::Input field) const override;
  int selectedIndex() const override;
  void showMessage(std::string_view title, std::string_view text) override;
  void setText(calc::Output field, std::string_view text) override;

  // The factor every twips rectangle was multiplied by so that the platform font fits (>= 1).
  double layoutScale() const { return scale_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void buildControls();
  void Form_Load();
  void placeControls();
  void orderTabs();
  QWidget* control(std::string_view name, int index) const;
  Form2& about();
  ChartWindow& chartWindow();

  // calc::StateObserver
  void stateShown(const psychro::AirState& air) override;

  void Command1_Click();
  void Close_Click();
  void Content_Click();
  void Chart_Click();
  void Form_MouseDown();
  void Frame1_MouseDown();

  QWidget* client_ = nullptr;
  QGroupBox* frame1_ = nullptr;
  QComboBox* combo1_ = nullptr;
  QComboBox* combo2_ = nullptr;
  QLineEdit* text11_ = nullptr;
  QLineEdit* text12_ = nullptr;
  QPushButton* command1_ = nullptr;
  std::array<QLineEdit*, calc::outputs.size()> results_{};  // by calc::Output
  std::unique_ptr<Form2> about_;                // created on first use, a window of its own
  std::unique_ptr<ChartWindow> chart_;          // likewise
  std::optional<psychro::AirState> lastState_;  // kept before the chart window exists
  double scale_ = 1;
};

}  // namespace ui

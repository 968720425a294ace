#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace ui {

// The 大气压力 dialog: the standard pressure, a pressure typed in Pa or kPa, or an altitude in m
// with the pressure it gives shown as it is typed. calc::readPressure reads and checks every entry;
// a bad one is answered by a message in the dialog, which then stays open.
class PressureDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PressureDialog(QWidget* parent = nullptr);

  // Shows pa, Pa, as the current choice (the standard pressure, else pa typed in Pa) with an empty
  // altitude and no message.
  void start(double pa);

  // The pressure chosen, Pa; meaningful once the dialog was accepted.
  double pressure() const { return pressure_; }

  // Closes the dialog only when the entry chosen is a pressure in range.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;  // opens inside the screen's available area

 private:
  void showAltitudePressure();
  void choose(QRadioButton* choice, QLineEdit* entry);

  QRadioButton* standard_ = nullptr;
  QRadioButton* byPressure_ = nullptr;
  QRadioButton* byAltitude_ = nullptr;
  QLineEdit* pressureText_ = nullptr;
  QComboBox* unit_ = nullptr;
  QLineEdit* altitudeText_ = nullptr;
  QLabel* altitudePascals_ = nullptr;
  QLabel* message_ = nullptr;
  double pressure_ = 0;
};

}  // namespace ui

#pragma once

#include <QWidget>

namespace ui {

// The About window: the program's name and version, who made it and under which licence. A
// top-level window of its own that never keeps the program running.
class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AboutWindow(QWidget* parent = nullptr);

  // The factor every twips rectangle was multiplied by so that the platform font fits (>= 1).
  double layoutScale() const { return scale_; }

 protected:
  // Esc hides the window, as it closes any small window.
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;  // opens inside the screen's available area

 private:
  double scale_ = 1;
};

}  // namespace ui

#pragma once

#include <QObject>

#include "document/document.h"

class QAction;
class QMenu;
class QWidget;

namespace ui {

class SystemDialog;

// The chart window's 新建系统… and 编辑系统… (the latter only while the design holds a system,
// choosing among several in its dialog): each sends the document the system the dialog reads, one
// step.
class SystemMenus : public QObject {
  Q_OBJECT

 public:
  // Puts both at the end of menu.
  SystemMenus(QWidget* owner, document::Document& design, QMenu* menu);

  void newSystem();
  void editSystem(int i = 0);

 private:
  SystemDialog* dialog(bool editing);

  QWidget* owner_;
  document::Document& design_;
  QAction* edit_ = nullptr;
  SystemDialog* newDialog_ = nullptr;  // each created on first use
  SystemDialog* editDialog_ = nullptr;
  std::size_t editing_ = 0;
};

}  // namespace ui

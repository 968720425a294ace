#pragma once

#include <QObject>
#include <QString>

#include "document/document.h"

class QAction;
class QMenu;
class QWidget;

namespace ui {

class PageSetupDialog;
class TitleBlockDialog;

// The design as a CAD drawing at path: drawing::chartDxf of the design with its page set-up and
// title block (an empty 图名 the file's name, an empty 日期 today: drawing::titleDefaults), the
// very bytes torvale-calc --workspace FILE --dxf writes of the saved design; written whole or not
// at all (document::writeFile). False and why when it cannot be.
bool exportDxf(const QString& path, const document::Document& design, QString* why = nullptr);

// The chart window's 文件 → 页面设置…, 标题栏… and 导出 DXF…: the first two send the document the
// page set-up and title block chosen (one step each), the last writes exportDxf to a path asked
// for, remembered this run; a refusal or failure answered by a notice over owner.
class PageMenus : public QObject {
  Q_OBJECT

 public:
  // Puts 页面设置… and 标题栏… before setupBefore in file, 导出 DXF… before dxfBefore.
  PageMenus(QWidget* owner, document::Document& design, QMenu* file, QAction* setupBefore,
            QAction* dxfBefore);

  void editPageSetup();
  void editTitleBlock();

 private:
  void say(const document::Refused& why);

  QWidget* owner_;
  document::Document& design_;
  PageSetupDialog* setupDialog_ = nullptr;  // each created on first use
  TitleBlockDialog* titleDialog_ = nullptr;
  QString lastDxf_;  // where the drawing went last
};

}  // namespace ui

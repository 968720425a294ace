#include "ui/page_menus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "calc/messages.h"
#include "document/files.h"
#include "document/words.h"
#include "drawing/chart_dxf.h"
#include "drawing/title_block.h"
#include "ui/captions.h"
#include "ui/design_output.h"
#include "ui/notice.h"
#include "ui/page_dialogs.h"
#include "ui/utf8.h"

namespace ui {

bool exportDxf(const QString& path, const document::Document& design, QString* why) {
  const workspace::Workspace& w = design.design();
  const std::string text =
      drawing::chartDxf(w, w.page(), w.titleBlock(), drawing::titleDefaults(design.path()));
  if (const document::Refused refused =
          document::writeFile(design.files(), path.toStdString(), text)) {
    if (why) *why = fromUtf8(document::words(*refused));
    return false;
  }
  return true;
}

PageMenus::PageMenus(QWidget* owner, document::Document& design, QMenu* file, QAction* setupBefore,
                     QAction* dxfBefore)
    : QObject(owner), owner_(owner), design_(design) {
  const auto item = [this](const char* name, const char* caption, auto slot) {
    auto* a = new QAction(QString::fromUtf8(caption), owner_);
    a->setObjectName(QString::fromUtf8(name));
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  QAction* setup = item("PageSetup", captions::pageSetupItem, [this] { editPageSetup(); });
  QAction* title = item("TitleBlock", captions::titleBlockItem, [this] { editTitleBlock(); });
  QAction* dxf = item("ExportDxf", captions::exportDxfItem, [this] {
    exportAs(owner_, captions::dxfDialogTitle, lastDxf_, QStandardPaths::DocumentsLocation,
             captions::dxfDefaultName, captions::dxfFilter, captions::dxfFailed,
             [this](const QString& path, const QString&, QString* why) {
               return exportDxf(path, design_, why);
             });
  });
  file->insertActions(setupBefore, {setup, title});
  file->insertSeparator(setupBefore);
  file->insertAction(dxfBefore, dxf);
}

void PageMenus::say(const document::Refused& why) {
  if (why) showNotice(owner_, fromUtf8(calc::messages::title), fromUtf8(document::words(*why)));
}

void PageMenus::editPageSetup() {
  if (!setupDialog_) {
    setupDialog_ = new PageSetupDialog(owner_);
    connect(setupDialog_, &QDialog::accepted, this,
            [this] { say(design_.setPageSetup(setupDialog_->page())); });
  }
  setupDialog_->start(design_.design().page());
  setupDialog_->open();
}

void PageMenus::editTitleBlock() {
  if (!titleDialog_) {
    titleDialog_ = new TitleBlockDialog(owner_);
    connect(titleDialog_, &QDialog::accepted, this,
            [this] { say(design_.setTitleBlock(titleDialog_->title())); });
  }
  titleDialog_->start(design_.design().titleBlock(),
                      fromUtf8(drawing::titleDefaults(design_.path()).drawingName));
  titleDialog_->open();
}

}  // namespace ui

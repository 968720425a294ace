#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "document/document.h"

class QAction;
class QMenu;
class QTimer;
class QWidget;

namespace ui {

// The chart window's files: 新建, 打开…, 最近打开, 保存 and 另存为… of workspace files, the
// question before unsaved work is set aside, this running copy's recovery file written a moment
// after each change, and the offer at start of work a crash left unsaved. The document reads,
// writes and keeps; this asks the user and says what happened, in notices over owner.
class DesignFiles : public QObject {
  Q_OBJECT

 public:
  DesignFiles(QWidget* owner, document::Document& design);

  // The menu items, for the window's 文件 menu and keys.
  QAction* newAction() const { return new_; }
  QAction* openAction() const { return open_; }
  QMenu* recentMenu() const { return recent_; }
  QAction* saveAction() const { return save_; }
  QAction* saveAsAction() const { return saveAs_; }

  // The design's workspace file; empty for a design never saved.
  QString filePath() const;
  // Opens the workspace file at path in place of the design (first asking about unsaved changes);
  // a file that cannot be read or is not a whole workspace is answered with a notice naming it and
  // why, the design untouched. True when opened.
  bool openFile(const QString& path);
  // Saves the design to path (document::Document::save); false and why when it cannot be, the old
  // file as it was and the design still unsaved.
  bool saveTo(const QString& path, QString* error = nullptr);
  // Whether the design may be set aside: yes when nothing is unsaved; else asks 保存 / 不保存 /
  // 取消 about what is to happen (closing, a new design, another file), and yes once saved or
  // not to be.
  enum class SetAside { close, newDesign, open };
  bool maySetDesignAside(SetAside why = SetAside::close);

  // After every change of the design: unsaved work is kept a moment later (a burst of changes
  // once), saved work needs no keeping at once.
  void changed();
  // Writes the design to the recovery file now (or removes it when nothing is unsaved).
  void writeRecovery();
  // How long after a change the recovery is written, ms (3 s unless a test shortens it).
  void setRecoveryDelay(int ms);
  // At start: the recovery files left by copies that are no longer running, offered over parent
  // (恢复 / 不恢复, or a list to choose from where there are several). The design to restore;
  // none when declined (the file then removed) or when there is none.
  static std::optional<workspace::Recovered> offerRecovery(QWidget* parent,
                                                           document::Recovery& recovery);
  // Puts recovered work in place, unsaved, its file (if any) where 保存 writes it, and keeps it in
  // this copy's recovery at once.
  void openRecovered(const workspace::Recovered& recovered);
  // The files last opened or saved, newest first, at most 8 (kept with QSettings).
  static QStringList recentFiles();

 signals:
  // Another design is in place (new, opened, recovered): it is to be seen whole, and what its
  // opening left to say (a weather file it names that cannot be read) said.
  void replaced();

 private:
  void newDesign();
  void openDesign();
  bool save();
  bool saveAs();
  bool ask(SetAside why);
  void remember(const QString& path);
  void fillRecent();
  void openRecent(const QString& path);

  QWidget* owner_;
  document::Document& design_;
  QAction* new_ = nullptr;
  QAction* open_ = nullptr;
  QMenu* recent_ = nullptr;
  QAction* save_ = nullptr;
  QAction* saveAs_ = nullptr;
  QTimer* recoveryTimer_ = nullptr;  // single shot: writes the recovery a while after a change
};

}  // namespace ui

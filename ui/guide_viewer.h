#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QTextBrowser;
class QUrl;

namespace ui {

// The user guide, docs/使用说明.md built into the program, in a window of its own: QTextBrowser
// renders the Markdown and loads its pictures from beside it in the resource; each heading gets an
// anchor, so the guide's own links ("#大气压力与海拔") jump to it; Ctrl+F opens a find bar (Enter
// or F3 the next match, Shift+Enter or Shift+F3 the one before, Esc closes it).
class GuideViewer : public QWidget {
  Q_OBJECT

 public:
  explicit GuideViewer(QWidget* parent = nullptr);

  QTextBrowser& browser() { return *browser_; }
  // The anchor of a heading, as the usual Markdown renderers make it: lower case, blanks as
  // hyphens, everything but letters, digits, marks, '-' and '_' left out ("计算方法（经典与
  // ASHRAE 2017）" is "计算方法经典与-ashrae-2017"). A second heading of the same anchor gets "-1".
  static QString anchorOf(const QString& heading);

 protected:
  void showEvent(QShowEvent* event) override;  // opens inside the screen's available area

 private:
  void addAnchors();
  void follow(const QUrl& link);
  void openFindBar();
  void closeFindBar();
  // Selects the next (or previous) match of the find bar's text after (before) the selection,
  // going round the end of the guide; says 未找到 where there is none.
  void find(bool backward, bool fromSelectionStart = false);

  QTextBrowser* browser_;
  QWidget* findBar_;
  QLineEdit* findText_;
  QLabel* findResult_;
};

// 帮助 → 使用说明 (F1) of window: opens the window's guide viewer, made on first use, and raises
// it.
QAction* guideAction(QWidget& window);

}  // namespace ui

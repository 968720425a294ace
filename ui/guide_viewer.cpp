#include "ui/guide_viewer.h"

#include <QAction>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/captions.h"
#include "ui/on_screen.h"
#include "ui/program_icon.h"

// The guide lives in a static library: nothing else references its resource, so register it here.
static void registerGuide() {
  Q_INIT_RESOURCE(guide);
}

namespace ui {
namespace {

const QUrl guideUrl(QStringLiteral("qrc:/guide/使用说明.md"));

QAction* windowAction(QWidget* owner, const QList<QKeySequence>& keys) {
  auto* a = new QAction(owner);
  a->setShortcuts(keys);
  a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  owner->addAction(a);
  return a;
}

}  // namespace

QString GuideViewer::anchorOf(const QString& heading) {
  QString anchor;
  for (const QChar c : heading.trimmed().toLower()) {
    if (c.isSpace())
      anchor += '-';
    else if (c.isLetterOrNumber() || c.isMark() || c == '-' || c == '_')
      anchor += c;
  }
  return anchor;
}

GuideViewer::GuideViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
  static const bool registered = (registerGuide(), true);
  (void)registered;
  setObjectName(QStringLiteral("GuideViewer"));
  setWindowTitle(QString::fromUtf8(captions::guideTitle));
  setWindowIcon(programIcon());
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(900, 760);

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("GuideText"));
  browser_->document()->setUndoRedoEnabled(false);  // anchors are added, never undone
  browser_->setSource(guideUrl, QTextDocument::MarkdownResource);
  addAnchors();
  // A link within the guide scrolls to its heading; any other opens where the desktop opens it.
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, &GuideViewer::follow);

  findBar_ = new QWidget(this);
  findBar_->setObjectName(QStringLiteral("FindBar"));
  findText_ = new QLineEdit(findBar_);
  findText_->setObjectName(QStringLiteral("FindText"));
  findText_->setPlaceholderText(QString::fromUtf8(captions::findPlaceholder));
  findText_->setClearButtonEnabled(true);
  auto* next = new QPushButton(QString::fromUtf8(captions::findNext), findBar_);
  next->setObjectName(QStringLiteral("FindNext"));
  auto* previous = new QPushButton(QString::fromUtf8(captions::findPrevious), findBar_);
  previous->setObjectName(QStringLiteral("FindPrevious"));
  findResult_ = new QLabel(findBar_);
  findResult_->setObjectName(QStringLiteral("FindResult"));
  auto* close = new QPushButton(QString::fromUtf8(captions::findClose), findBar_);
  auto* bar = new QHBoxLayout(findBar_);
  bar->setContentsMargins(0, 0, 0, 0);
  bar->addWidget(findText_, 1);
  bar->addWidget(previous);
  bar->addWidget(next);
  bar->addWidget(findResult_);
  bar->addWidget(close);
  findBar_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_, 1);
  layout->addWidget(findBar_);

  connect(findText_, &QLineEdit::textChanged, this, [this] { find(false, true); });
  connect(findText_, &QLineEdit::returnPressed, this, [this] { find(false); });
  connect(next, &QPushButton::clicked, this, [this] { find(false); });
  connect(previous, &QPushButton::clicked, this, [this] { find(true); });
  connect(close, &QPushButton::clicked, this, &GuideViewer::closeFindBar);
  connect(windowAction(this, QKeySequence::keyBindings(QKeySequence::Find)), &QAction::triggered,
          this, &GuideViewer::openFindBar);
  connect(windowAction(this, QKeySequence::keyBindings(QKeySequence::FindNext)),
          &QAction::triggered, this, [this] { find(false); });
  connect(windowAction(this, QKeySequence::keyBindings(QKeySequence::FindPrevious)),
          &QAction::triggered, this, [this] { find(true); });
  connect(windowAction(findText_, {QKeySequence(Qt::SHIFT | Qt::Key_Return),
                                   QKeySequence(Qt::SHIFT | Qt::Key_Enter)}),
          &QAction::triggered, this, [this] { find(true); });
  connect(windowAction(findBar_, {QKeySequence(Qt::Key_Escape)}), &QAction::triggered, this,
          &GuideViewer::closeFindBar);
}

void GuideViewer::showEvent(QShowEvent* event) {
  keepOnScreen(*this);
  QWidget::showEvent(event);
}

// QTextBrowser gives Markdown headings no anchors: each heading's text is marked as one, named as
// the guide's links name it.
void GuideViewer::addAnchors() {
  QTextDocument& doc = *browser_->document();
  QHash<QString, int> taken;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() == 0 || block.length() <= 1) continue;
    QString name = anchorOf(block.text());
    if (const int earlier = taken[name]++; earlier > 0) name += '-' + QString::number(earlier);
    QTextCursor heading(block);
    heading.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat anchor;
    anchor.setAnchor(true);
    anchor.setAnchorNames({name});
    heading.mergeCharFormat(anchor);
  }
}

void GuideViewer::follow(const QUrl& link) {
  const QUrl target = browser_->source().resolved(link);
  if (target.adjusted(QUrl::RemoveFragment) == guideUrl)
    browser_->scrollToAnchor(target.fragment());
  else
    QDesktopServices::openUrl(target);
}

void GuideViewer::openFindBar() {
  findBar_->show();
  findText_->setFocus();
  findText_->selectAll();
}

void GuideViewer::closeFindBar() {
  findBar_->hide();
  findResult_->clear();
  browser_->setFocus();
}

void GuideViewer::find(bool backward, bool fromSelectionStart) {
  const QString text = findText_->text();
  findResult_->clear();
  if (text.isEmpty()) return;
  const QTextCursor before = browser_->textCursor();
  if (fromSelectionStart) {  // typing on extends the match in place
    QTextCursor start = before;
    start.setPosition(before.selectionStart());
    browser_->setTextCursor(start);
  }
  const QTextDocument::FindFlags flags =
      backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  if (browser_->find(text, flags)) return;
  QTextCursor round = before;  // from the other end of the guide
  round.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
  browser_->setTextCursor(round);
  if (browser_->find(text, flags)) return;
  browser_->setTextCursor(before);
  findResult_->setText(QString::fromUtf8(captions::notFound));
}

QAction* guideAction(QWidget& window) {
  auto* action = new QAction(QString::fromUtf8(captions::guideItem), &window);
  action->setObjectName(QStringLiteral("Guide"));
  action->setShortcuts(QKeySequence::HelpContents);
  QObject::connect(action, &QAction::triggered, &window, [&window] {
    auto* viewer = window.findChild<GuideViewer*>(QString(), Qt::FindDirectChildrenOnly);
    if (!viewer) viewer = new GuideViewer(&window);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
  });
  window.addAction(action);  // F1 wherever the focus is in the window
  return action;
}

}  // namespace ui

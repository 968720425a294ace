// The user guide in the program: F1 opens it from either window, its links jump to their headings,
// its pictures load from the resource, Ctrl+F finds a word; and every menu path the guide names
// ("文件 → 导出 CSV…") is a menu item of a window, so that the guide cannot drift from the menus.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include "ui/chart_window.h"
#include "ui/guide_viewer.h"
#include "ui/main_window.h"

class GuideTest : public QObject {
  Q_OBJECT

 private slots:
  void f1OpensTheGuide() {
    ui::MainWindow form;
    ui::ChartWindow chart;
    for (QWidget* window : {static_cast<QWidget*>(&form), static_cast<QWidget*>(&chart)}) {
      window->show();
      window->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window));
      QTest::keyClick(window, Qt::Key_F1);
      QTRY_VERIFY(window->findChild<ui::GuideViewer*>()->isVisible());
    }
  }

  // Every link of the guide's own has its heading's anchor, a click on one scrolls its heading
  // to the top, every picture loads, and the find bar finds a word or says 未找到.
  void linksPicturesAndFind() {
    ui::GuideViewer viewer;
    viewer.show();
    viewer.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    QTextBrowser& browser = viewer.browser();
    QStringList anchors, links;
    QTextCursor toc;
    for (QTextBlock b = browser.document()->begin(); b.isValid(); b = b.next())
      for (auto f = b.begin(); !f.atEnd(); ++f) {
        const QTextCharFormat format = f.fragment().charFormat();
        anchors << format.anchorNames();
        if (format.anchorHref() == QStringLiteral("#命令行-torvale-calc"))
          toc = QTextCursor(browser.document()), toc.setPosition(f.fragment().position() + 1);
        if (format.anchorHref().startsWith('#')) links << format.anchorHref().mid(1);
        if (format.isImageFormat())
          QVERIFY2(
              !browser.document()
                   ->resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()))
                   .isNull(),
              qPrintable(format.toImageFormat().name()));
      }
    QVERIFY(links.size() >= 12 && anchors.size() >= 12);
    for (const QString& link : links) QVERIFY2(anchors.contains(link), qPrintable(link));
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, browser.cursorRect(toc).center());
    QTRY_COMPARE(browser.cursorForPosition(QPoint(4, 4)).block().text(),
                 QStringLiteral("命令行 torvale-calc"));

    auto* text = viewer.findChild<QLineEdit*>(QStringLiteral("FindText"));
    QTest::keyClick(&browser, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(text->isVisible() && text->hasFocus());
    for (const QString& word : {QStringLiteral("机器露点"), QStringLiteral("不存在的词语甲乙")}) {
      text->clear();
      text->insert(word);
      QTest::keyClick(text, Qt::Key_Return);
      const bool found = browser.textCursor().selectedText() == word;
      QCOMPARE(viewer.findChild<QLabel*>(QStringLiteral("FindResult"))->text().isEmpty(), found);
    }
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!text->isVisible());
  }

  // Each "菜单 → 项 → …" of the guide, captions without their mnemonics, is a menu item of the
  // main window or the chart window.
  void everyMenuPathIsInTheWindows() {
    ui::MainWindow form;
    ui::ChartWindow chart;
    const auto plain = [](QString s) {
      return s.remove(QRegularExpression(QStringLiteral("\\(&.\\)"))).remove('&');
    };
    QMultiHash<QString, QMenu*> bar;
    for (QMenuBar* b : {form.menuBar(), chart.findChild<QMenuBar*>()})
      for (QAction* a : b->actions()) bar.insert(plain(a->text()), a->menu());
    QFile file(QStringLiteral(TORVALE_SOURCE_DIR "/docs/使用说明.md"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll()), arrow = QStringLiteral(" → ");
    int paths = 0;
    for (qsizetype at = text.indexOf(arrow); at >= 0; at = text.indexOf(arrow, at), ++paths) {
      const qsizetype line = text.lastIndexOf('\n', at) + 1;
      const QString path = text.mid(line, text.indexOf('\n', at) - line);  // for the message
      QString title;  // the longest menu title the text before the arrow ends in
      for (const QString& t : bar.uniqueKeys())
        if (text.left(at).endsWith(t) && t.size() > title.size()) title = t;
      for (QList<QMenu*> menus = bar.values(title); !menus.isEmpty();) {
        at += arrow.size();
        QString item;  // the longest caption the text after the arrow begins with
        QMenu* sub = nullptr;
        for (QMenu* m : menus)
          for (QAction* a : m->actions())
            if (const QString c = plain(a->text());
                !c.isEmpty() && text.mid(at).startsWith(c) && c.size() > item.size())
              item = c, sub = a->menu();
        QVERIFY2(!item.isEmpty(), qPrintable("no such item: " + path));
        at += item.size();
        menus = sub && text.mid(at, arrow.size()) == arrow ? QList<QMenu*>{sub} : QList<QMenu*>{};
      }
      QVERIFY2(!title.isEmpty(), qPrintable("no such menu: " + path));
    }
    QVERIFY(paths >= 40);
  }
};

QTEST_MAIN(GuideTest)
#include "guide_test.moc"

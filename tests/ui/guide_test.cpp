// The user guide in the program: F1 opens it from either window, its links jump to their headings,
// its pictures load from the resource, Ctrl+F finds a word; and every menu path the guide names
// ("文件 → 导出 CSV…") is a menu item of a window, so that the guide cannot drift from the menus.
#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include "calc/outputs.h"
#include "ui/chart_window.h"
#include "ui/guide_viewer.h"
#include "ui/main_window.h"

namespace {

QString guideText() {
  QFile file(QStringLiteral(TORVALE_SOURCE_DIR "/docs/使用说明.md"));
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A caption as the guide writes it: without its mnemonic, "导出 CSV(&E)…" is "导出 CSV…".
QString plain(QString caption) {
  return caption.remove(QRegularExpression(QStringLiteral("\\(&.\\)"))).remove('&');
}

// The anchors of the viewer's headings and the guide's own links in it.
QStringList anchorsAndLinks(QTextDocument& doc, QStringList& links) {
  QStringList anchors;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    for (auto f = b.begin(); !f.atEnd(); ++f) {
      const QTextCharFormat format = f.fragment().charFormat();
      anchors << format.anchorNames();
      if (format.anchorHref().startsWith('#')) links << format.anchorHref().mid(1);
    }
  return anchors;
}

}  // namespace

class GuideTest : public QObject {
  Q_OBJECT

 private slots:
  void f1OpensTheGuide_data() {
    QTest::addColumn<bool>("fromChart");
    QTest::newRow("main window") << false;
    QTest::newRow("chart window") << true;
  }
  void f1OpensTheGuide() {
    QFETCH(bool, fromChart);
    ui::MainWindow form;
    ui::ChartWindow chart;
    QWidget& window = fromChart ? static_cast<QWidget&>(chart) : form;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    auto* viewer = window.findChild<ui::GuideViewer*>();
    QVERIFY(viewer && viewer->isVisible());
    window.findChild<QAction*>(QStringLiteral("Guide"))->trigger();  // raises the same viewer
    QCOMPARE(window.findChildren<ui::GuideViewer*>().size(), 1);
  }

  // Every heading has its anchor, every link of the guide's own finds one, and a click on the
  // table of contents' entry scrolls its heading to the top.
  void linksJumpToTheirHeadings() {
    ui::GuideViewer viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QTextBrowser& browser = viewer.browser();
    QStringList links;
    const QStringList anchors = anchorsAndLinks(*browser.document(), links);
    for (const char* heading : {"快速开始", "大气压力与海拔", "计算方法经典与-ashrae-2017",
                                "命令行-torvale-calc", "常见问题"})
      QVERIFY2(anchors.contains(QString::fromUtf8(heading)), heading);
    QVERIFY(links.size() >= 12);
    for (const QString& link : links) QVERIFY2(anchors.contains(link), qPrintable(link));

    const QString target = QStringLiteral("命令行-torvale-calc");
    QTextCursor link(browser.document());
    while (!(link = browser.document()->find(QStringLiteral("命令行 torvale-calc"), link)).isNull())
      if (link.charFormat().anchorHref() == '#' + target) break;
    QVERIFY(!link.isNull());
    const QRect at = browser.cursorRect(link);
    QCOMPARE(browser.verticalScrollBar()->value(), 0);
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, at.center());

    QTRY_VERIFY(browser.verticalScrollBar()->value() > 0);
    // The heading's line is now the first one shown.
    const QTextBlock top = browser.cursorForPosition(QPoint(4, 4)).block();
    QCOMPARE(top.text(), QStringLiteral("命令行 torvale-calc"));
  }

  void picturesLoadFromTheResource() {
    ui::GuideViewer viewer;
    QTextDocument& doc = *viewer.browser().document();
    int pictures = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
      for (auto f = b.begin(); !f.atEnd(); ++f)
        if (const QTextImageFormat image = f.fragment().charFormat().toImageFormat();
            image.isValid()) {
          const QVariant data = doc.resource(QTextDocument::ImageResource, QUrl(image.name()));
          QVERIFY2(!QImage::fromData(data.toByteArray()).isNull() || !data.value<QImage>().isNull(),
                   qPrintable(image.name()));
          ++pictures;
        }
    QVERIFY(pictures >= 5);
  }

  void ctrlFFindsAWord_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("found");
    QTest::newRow("a word of the guide") << QStringLiteral("机器露点") << true;
    QTest::newRow("a word it lacks") << QStringLiteral("不存在的词语甲乙") << false;
  }
  void ctrlFFindsAWord() {
    QFETCH(QString, word);
    QFETCH(bool, found);
    ui::GuideViewer viewer;
    viewer.show();
    viewer.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    auto* text = viewer.findChild<QLineEdit*>(QStringLiteral("FindText"));
    QVERIFY(!text->isVisible());
    QTest::keyClick(&viewer.browser(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(text->isVisible() && text->hasFocus());
    text->insert(word);
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(viewer.browser().textCursor().selectedText() == word, found);
    QCOMPARE(viewer.findChild<QLabel*>(QStringLiteral("FindResult"))->text(),
             found ? QString() : QStringLiteral("未找到"));
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!text->isVisible());
  }

  // The quick start's table holds what the main window shows for 25 ℃ and a 20 ℃ wet bulb.
  void quickStartAsTheWindowShows() {
    QHash<QString, QString> shown;
    bool inTable = false;
    for (const QString& line : guideText().split('\n')) {
      if (line.startsWith(QStringLiteral("| 参数 | 结果 |")))
        inTable = true;
      else if (inTable && !line.startsWith('|'))
        break;
      else if (inTable && !line.startsWith(QStringLiteral("|---")))
        shown.insert(line.section('|', 1, 1).trimmed(), line.section('|', 2, 2).trimmed());
    }
    ui::MainWindow form;
    form.findChild<QLineEdit*>(QStringLiteral("Text11"))->setText(QStringLiteral("25"));
    form.findChild<QLineEdit*>(QStringLiteral("Text12"))->setText(QStringLiteral("20"));
    form.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QCOMPARE(shown.size(), qsizetype(calc::outputs.size()));
    for (const calc::OutputInfo& o : calc::outputs) {
      const QString caption = QString::fromStdString(calc::shownCaption(o));
      QCOMPARE(shown.value(caption),
               form.findChild<QLineEdit*>(
                       QString::fromUtf8(o.objectName.data(), qsizetype(o.objectName.size())))
                   ->text());
    }
  }

  // Each "菜单 → 项 → …" of the guide, its captions without their mnemonics, is an item of the
  // main window's or the chart window's menus.
  void everyMenuPathIsInTheWindows() {
    ui::MainWindow form;
    ui::ChartWindow chart;
    QMultiHash<QString, QMenu*> bar;
    for (QMenuBar* b : {form.menuBar(), chart.findChild<QMenuBar*>()})
      for (QAction* a : b->actions()) bar.insert(plain(a->text()), a->menu());
    const QString text = guideText();
    const QString arrow = QStringLiteral(" → ");
    int paths = 0;
    for (qsizetype at = text.indexOf(arrow), done = 0; at >= 0; at = text.indexOf(arrow, done)) {
      QString title;  // the longest menu title the text before the arrow ends in
      for (const QString& t : bar.uniqueKeys())
        if (text.left(at).endsWith(t) && t.size() > title.size()) title = t;
      const qsizetype line = text.lastIndexOf('\n', at) + 1;
      const QString path = text.mid(line, text.indexOf('\n', at) - line);  // for the message
      QList<QMenu*> menus = bar.values(title);
      QVERIFY2(!menus.isEmpty(), qPrintable("no such menu: " + path));
      qsizetype pos = at + arrow.size();
      for (;;) {
        QAction* item = nullptr;
        for (QMenu* m : menus)
          for (QAction* a : m->actions())
            if (const QString c = plain(a->text());
                !c.isEmpty() && text.mid(pos).startsWith(c) &&
                (!item || c.size() > plain(item->text()).size()))
              item = a;
        QVERIFY2(item, qPrintable("no such item: " + path));
        pos += plain(item->text()).size();
        if (!item->menu() || text.mid(pos, arrow.size()) != arrow) break;
        menus = {item->menu()};
        pos += arrow.size();
      }
      done = pos;
      ++paths;
    }
    QVERIFY(paths >= 40);
  }
};

QTEST_MAIN(GuideTest)
#include "guide_test.moc"

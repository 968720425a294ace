// The About window's life: one instance created on first use, hidden by presses on the main
// window's free area, never keeping the program running.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "calc/version.h"
#include "ui/main_window.h"

namespace {

QList<QWidget*> aboutWindows() {
  QList<QWidget*> found;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "Form2") found << w;
  return found;
}

void trigger(ui::MainWindow& form, const char* action) {
  form.findChild<QAction*>(action)->trigger();
}

// Presses the left button on target at a point where none of its children are.
void pressFreeArea(QWidget* target) {
  const QPoint p(2, 2);
  QVERIFY(!target->childAt(p));
  QTest::mouseClick(target, Qt::LeftButton, {}, p);
}

}  // namespace

class AboutWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void aboutTwiceShowsOneWindow() {
    ui::MainWindow form;
    form.show();
    QCOMPARE(aboutWindows().size(), 0);
    trigger(form, "Content");
    trigger(form, "Content");
    QCOMPARE(aboutWindows().size(), 1);
    QWidget* about = aboutWindows().front();
    QVERIFY(about->isVisible());
    QVERIFY(about->isWindow() && !about->parentWidget());
    QCOMPARE(about->windowTitle(), "版本信息");
    // What is true of the project, and nothing in place of a contact it does not have.
    const std::pair<const char*, QString> lines[] = {
        {"Label1", QString("Torvale ") + calc::version},
        {"Label3", "制作者：Torvale 项目组"},
        {"Label4", "许可证：MIT"},
        {"Label5", ""},
        {"Label2", ""}};
    for (const auto& [name, text] : lines) QCOMPARE(about->findChild<QLabel*>(name)->text(), text);
    QCOMPARE(about->findChildren<QLabel*>().size(), 5);
    QCOMPARE(about->findChildren<QWidget*>().size(), 5);
  }

  void pressesOnTheMainWindow_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("hides");
    QTest::newRow("client area") << "client" << true;
    QTest::newRow("Frame1") << "Frame1" << true;
    QTest::newRow("result box") << "Text1" << false;
    QTest::newRow("input box") << "Text11" << false;
    QTest::newRow("label") << "Label4" << false;
    QTest::newRow("raised 3") << "Label11" << false;
  }

  void pressesOnTheMainWindow() {
    QFETCH(QString, target);
    QFETCH(bool, hides);
    ui::MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    trigger(form, "Content");
    QWidget* w = form.findChild<QWidget*>(target);
    if (hides)
      pressFreeArea(w);
    else
      QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    QCOMPARE(aboutWindows().size(), 1);
    QCOMPARE(aboutWindows().front()->isVisible(), !hides);
  }

  void pressBeforeOpeningCreatesItHidden() {
    ui::MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    pressFreeArea(form.centralWidget());
    QCOMPARE(aboutWindows().size(), 1);
    QVERIFY(!aboutWindows().front()->isVisible());
    trigger(form, "Content");
    QCOMPARE(aboutWindows().size(), 1);
    QVERIFY(aboutWindows().front()->isVisible());
  }

  void escapeHidesIt() {
    ui::MainWindow form;
    trigger(form, "Content");
    QWidget* about = aboutWindows().front();
    QTest::keyClick(about, Qt::Key_Escape);
    QVERIFY(!about->isVisible());
  }

  void goesWithTheMainWindow() {
    {
      ui::MainWindow form;
      trigger(form, "Content");
      QCOMPARE(aboutWindows().size(), 1);
    }
    QCOMPARE(aboutWindows().size(), 0);
  }

  void closingTheMainWindowEndsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("about");
    QTest::newRow("close box, About shown") << "close box"
                                            << "shown";
    QTest::newRow("close box, About hidden") << "close box"
                                             << "hidden";
    QTest::newRow("close box, About never opened") << "close box"
                                                   << "never";
    QTest::newRow("关闭, About shown") << "Close"
                                       << "shown";
    QTest::newRow("关闭, About never opened") << "Close"
                                              << "never";
  }

  void closingTheMainWindowEndsTheProgram() {
    QFETCH(QString, how);
    QFETCH(QString, about);
    ui::MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    if (about != "never") trigger(form, "Content");
    if (about == "hidden") pressFreeArea(form.centralWidget());

    QTimer::singleShot(0, &form, [&] {
      if (how == "close box")
        form.windowHandle()->close();
      else
        trigger(form, "Close");
    });
    QTimer stuck;  // the event loop would otherwise run on
    stuck.setSingleShot(true);
    connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    stuck.start(5000);
    QCOMPARE(QApplication::exec(), 0);
  }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"

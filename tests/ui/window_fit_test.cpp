// Every window opens inside the screen's available area. Run at QT_SCALE_FACTOR=2 on a 1600×1200
// screen (tests/ui/screen_1600x1200.json), where the chart window once opened at 1800×1896.
#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QtTest>

#include "ui/chart_window.h"
#include "ui/form1.h"

class WindowFitTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowOpensOnScreen() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(area.size(), QSize(800, 600));  // 1600×1200 at twice the size
    ui::Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto open = [&form](const char* action) { form.findChild<QAction*>(action)->trigger(); };
    open("Content");
    open("Chart");
    open("Pressure");
    ui::ChartWindow* chart = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* c = qobject_cast<ui::ChartWindow*>(w)) chart = c;
    QVERIFY(chart);
    chart->findChild<QAction*>("NewPoint")->trigger();
    chart->findChild<QAction*>("NewProcess")->trigger();

    QStringList seen;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (!w->isVisible()) continue;
      seen << w->objectName();
      QVERIFY2(area.contains(w->frameGeometry()),
               qPrintable(QString("%1 at %2,%3 %4×%5")
                              .arg(w->objectName())
                              .arg(w->frameGeometry().x())
                              .arg(w->frameGeometry().y())
                              .arg(w->frameGeometry().width())
                              .arg(w->frameGeometry().height())));
    }
    seen.sort();
    QCOMPARE(seen, (QStringList{"ChartWindow", "Form1", "Form2", "PointDialog", "PressureDialog",
                                "ProcessDialog"}));
  }
};

QTEST_MAIN(WindowFitTest)
#include "window_fit_test.moc"

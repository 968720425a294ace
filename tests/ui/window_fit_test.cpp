// Every window opens inside the screen's available area. Run at QT_SCALE_FACTOR=2 on a 1600×1200
// screen (tests/ui/screen_1600x1200.json), where the chart window once opened at 1800×1896.
#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QtTest>

#include "ui/chart_window.h"
#include "ui/main_window.h"

class WindowFitTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowOpensOnScreen() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(area.size(), QSize(800, 600));  // 1600×1200 at twice the size
    ui::MainWindow form;
    form.show();
    for (const char* action : {"Content", "Chart", "Pressure", "Guide"})
      form.findChild<QAction*>(action)->trigger();
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* chart = qobject_cast<ui::ChartWindow*>(w))
        for (const char* action : {"NewPoint", "NewProcess"})
          chart->findChild<QAction*>(action)->trigger();
    QStringList shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (!w->isVisible()) continue;
      shown << w->objectName();
      QVERIFY2(area.contains(w->frameGeometry()), qPrintable(w->objectName()));
    }
    shown.sort();
    QCOMPARE(shown, (QStringList{"ChartWindow", "Form1", "Form2", "GuideViewer", "PointDialog",
                                 "PressureDialog", "ProcessDialog"}));
  }
};

QTEST_MAIN(WindowFitTest)
#include "window_fit_test.moc"

// The 焓湿图 window as a user meets it: opened from 查看, following the calculations, saved to
// files, read under the pointer, and gone with the main window.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "document/disk.h"
#include "ui/chart_export.h"
#include "ui/chart_widget.h"
#include "ui/main_window.h"

namespace {

QList<QWidget*> chartWindows() {
  QList<QWidget*> found;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QStringLiteral("ChartWindow")) found << w;
  return found;
}

ui::ChartWidget* openChart(ui::MainWindow& form) {
  form.findChild<QAction*>("Chart")->trigger();
  if (chartWindows().size() != 1) return nullptr;
  return chartWindows().front()->findChild<ui::ChartWidget*>();
}

// Types t and the wet bulb and presses 计算, answering any notice with its button.
void calculate(ui::MainWindow& form, const QString& t, const QString& tw) {
  form.findChild<QLineEdit*>("Text11")->setText(t);
  form.findChild<QLineEdit*>("Text12")->setText(tw);
  QTimer answer;
  answer.setInterval(10);
  QObject::connect(&answer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
      box->buttons().front()->click();
  });
  answer.start();
  form.findChild<QPushButton*>("Command1")->click();
}

// The number after key in a read-out line.
double valueAfter(const QString& text, const QString& key) {
  const QRegularExpressionMatch m =
      QRegularExpression(QRegularExpression::escape(key) + "(-?[0-9.]+)").match(text);
  return m.hasMatch() ? m.captured(1).toDouble() : qQNaN();
}

}  // namespace

class ChartWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void menuOpensOneWindowThatPressesDoNotHide() {
    ui::MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QStringList menus;
    for (QAction* a : form.menuBar()->actions()) menus << a->text();
    QCOMPARE(menus, (QStringList{"文件(&F)", "查看(&V)", "设置(&S)", "帮助(&H)"}));
    form.findChild<QAction*>("Chart")->trigger();
    QVERIFY(openChart(form));
    QWidget* window = chartWindows().front();
    QVERIFY(window->isVisible() && window->isWindow() && !window->parentWidget());
    QVERIFY(!window->findChild<ui::ChartWidget*>()->state());  // no calculation yet: chart alone

    QTest::mouseClick(form.centralWidget(), Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(window->isVisible());
  }

  void followsSuccessfulCalculationsOnly() {
    ui::MainWindow form;
    form.show();
    calculate(form, "25", "20");  // before the window exists
    ui::ChartWidget* chart = openChart(form);
    QVERIFY(chart && chart->state());
    QCOMPARE(chart->state()->t, 25.0);
    QVERIFY(qAbs(chart->state()->d * 1000 - 12.61) < 0.005);

    calculate(form, "10", "-5");  // 该状态点不存在
    QVERIFY(qAbs(chart->state()->d * 1000 - 12.61) < 0.005);

    calculate(form, "30", "20");
    QCOMPARE(chart->state()->t, 30.0);
  }

  void savesTheChart_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("written");
    QTest::newRow("PNG") << "chart.png" << true;
    QTest::newRow("SVG, suffix in capitals") << "chart.SVG" << true;
    QTest::newRow("neither suffix") << "chart.jpg" << false;
    QTest::newRow("folder missing") << "missing/chart.png" << false;
  }

  void savesTheChart() {
    QFETCH(QString, name);
    QFETCH(bool, written);
    ui::MainWindow form;
    calculate(form, "25", "20");
    ui::ChartWidget* chart = openChart(form);
    chart->window()->resize(640, 480);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QString error;
    document::Disk disk;
    QCOMPARE(chart->saveTo(disk, path, &error), written);
    QCOMPARE(error.isEmpty(), written);
    QCOMPARE(QFile::exists(path), written);
    if (!written) return;
    if (name.endsWith("png")) {
      const QImage image(path);
      QCOMPARE(image.size(), chart->size() * 2);
    } else {
      QSvgRenderer svg(path);
      QVERIFY(svg.isValid());
      QCOMPARE(svg.viewBoxF().size(), QSizeF(chart->size()));
    }
  }

  void saveDialogNameGetsTheFiltersSuffix_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("saved");
    const QString png = "PNG 图像 (*.png)", svg = "SVG 图像 (*.svg)";
    QTest::newRow("bare name, SVG") << "/tmp/图" << svg << "/tmp/图.svg";
    QTest::newRow("own suffix kept") << "/tmp/图.PNG" << svg << "/tmp/图.PNG";
    QTest::newRow("other suffix") << "/tmp/图.v2" << png << "/tmp/图.v2.png";
    QTest::newRow("dotted folder") << "/tmp/a.svg/图" << png << "/tmp/a.svg/图.png";
  }

  void saveDialogNameGetsTheFiltersSuffix() {
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, saved);
    QCOMPARE(ui::withChartSuffix(typed, filter), saved);
  }

  void hoverReadsBackTheStateUnderThePointer() {
    ui::MainWindow form;
    calculate(form, "25", "20");
    ui::ChartWidget* chart = openChart(form);
    QVERIFY(QTest::qWaitForWindowExposed(chart->window()));
    auto* readout = chart->window()->findChild<QLabel*>("readout");
    const chart::Mapping m = chart->mapping();
    const double d = chart->state()->d * 1000, t = chart->state()->t;
    const chart::Pixel at = m.toPixel(chart::sheetPoint(d, chart->state()->h));
    QTest::mouseMove(chart, QPoint(qRound(at.x), qRound(at.y)));
    QTRY_VERIFY(!readout->text().isEmpty());
    // Within a pixel's worth: about 0.04 g/kg and 0.1 K at this size.
    const QString text = readout->text();
    QVERIFY2(qAbs(valueAfter(text, "d=") - d) <= 0.05, qPrintable(text));
    QVERIFY2(qAbs(valueAfter(text, "t=") - t) <= 0.15, qPrintable(text));
    QVERIFY2(qAbs(valueAfter(text, "湿球 ") - 20) <= 0.15, qPrintable(text));
    QVERIFY2(qAbs(valueAfter(text, "露点 ") - 17.63) <= 0.15, qPrintable(text));

    QTest::mouseMove(chart, QPoint(2, 2));  // in the margin
    QTRY_VERIFY(readout->text().isEmpty());
  }

  void goesWithTheMainWindow() {
    {
      ui::MainWindow form;
      form.show();
      QVERIFY(openChart(form));
      QTimer::singleShot(0, &form, [&form] { form.windowHandle()->close(); });
      QTimer stuck;  // the event loop would otherwise run on
      stuck.setSingleShot(true);
      connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(1); });
      stuck.start(5000);
      QCOMPARE(QApplication::exec(), 0);
    }
    QCOMPARE(chartWindows().size(), 0);
  }
};

QTEST_MAIN(ChartWindowTest)
#include "chart_window_test.moc"

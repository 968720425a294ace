// Zoom and pan driven to their limits over a full design: the summer example, two zones, a year
// of weather, at 101300 Pa in a 1200 × 1000 window. The sequence once reported to end the program,
// then seeded random bursts of wheel clicks in and out at any position (off the plot and off the
// widget too), keyboard zoom and pans, Home, and every zoom bound at every corner of the sheet:
// after each burst the chart paints, and the view stays inside the sheet, finite, no smaller than
// its least extent. Built under the sanitizers too, where any overflow or bad access fails it.
#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>
#include <cmath>
#include <random>

#include "support/epw_text.h"
#include "support/notices.h"
#include "ui/chart_widget.h"
#include "ui/chart_window.h"
#include "ui/climate_menus.h"
#include "ui/design_files.h"

namespace {

void wheel(ui::ChartWidget& chart, QPointF at, int delta) {
  QWheelEvent e(at, chart.mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                Qt::NoScrollPhase, false);
  QApplication::sendEvent(&chart, &e);
}

void key(ui::ChartWidget& chart, Qt::Key k) {
  QTest::keyClick(&chart, k);
}

// Paints the chart now and checks the view it shows.
void paintAndCheck(ui::ChartWidget& chart, const char* after) {
  chart.repaint();
  const chart::View v = chart.view(), bounds = chart::sheetBounds();
  const double spans[] = {v.dMax - v.dMin, v.yMax - v.yMin};
  QVERIFY2(std::isfinite(v.dMin + v.dMax + v.yMin + v.yMax), after);
  QVERIFY2(spans[0] >= chart::leastDSpan * (1 - 1e-9) && spans[1] >= chart::leastYSpan * (1 - 1e-9),
           after);
  QVERIFY2(v.dMin >= bounds.dMin - 1e-9 && v.dMax <= bounds.dMax + 1e-9, after);
  QVERIFY2(v.yMin >= bounds.yMin - 1e-9 && v.yMax <= bounds.yMax + 1e-9, after);
}

}  // namespace

class ChartZoomTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  std::unique_ptr<ui::ChartWindow> window_;

  ui::ChartWidget& chart() { return window_->chart(); }
  void trigger(const char* action) { window_->findChild<QAction*>(action)->trigger(); }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    window_ = std::make_unique<ui::ChartWindow>();
    QVERIFY(window_->files().openFile(QStringLiteral(TORVALE_SOURCE_DIR "/docs/夏季工况.torvale")));
    QFile year(dir_.filePath("year.epw"));
    QVERIFY(year.open(QIODevice::WriteOnly));
    year.write(testsupport::epwYear("0").c_str());
    year.close();
    testsupport::answerNotices([&] { QVERIFY(window_->climate().importWeather(year.fileName())); });
    trigger("Zone1");
    trigger("Zone3");
    window_->setPressure(101300);
    window_->resize(1200, 1000);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    chart().setFocus();
  }

  void cleanupTestCase() {
    window_->document().newDesign();  // nothing left to ask about
    window_.reset();
  }

  // As reported: Ctrl++ twice, arrow-key pans, Home, 5 wheel clicks in at (400, 250), then 40
  // wheel clicks out quickly.
  void reportedSequence() {
    trigger("ZoomIn");
    trigger("ZoomIn");
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
      key(chart(), k);
    trigger("ResetView");
    for (int i = 0; i < 5; ++i) wheel(chart(), {400, 250}, 120);
    paintAndCheck(chart(), "in");
    for (int i = 0; i < 40; ++i) wheel(chart(), {400, 250}, -120);
    paintAndCheck(chart(), "out");
    QCOMPARE(chart().view().dMax - chart().view().dMin, chart::highestD);
  }

  // Each bound of the zoom at each corner of the sheet, the keys and the wheel alike.
  void everyBoundAtEveryCorner_data() {
    QTest::addColumn<int>("clicks");  // wheel clicks, 120 each: in (> 0) or out
    QTest::newRow("closest") << 60;
    QTest::newRow("whole sheet") << -60;
  }
  void everyBoundAtEveryCorner() {
    QFETCH(int, clicks);
    const QPointF corners[] = {{0, 0}, {1199, 0}, {0, 999}, {1199, 999}, {600, 500}};
    for (QPointF at : corners) {
      trigger("ResetView");
      for (int i = 0; i < std::abs(clicks); ++i) wheel(chart(), at, clicks > 0 ? 120 : -120);
      for (int i = 0; i < 80; ++i) key(chart(), at.x() > 600 ? Qt::Key_Right : Qt::Key_Left);
      for (int i = 0; i < 80; ++i) key(chart(), at.y() > 500 ? Qt::Key_Down : Qt::Key_Up);
      paintAndCheck(chart(), "panned to the corner");
      for (int i = 0; i < 40; ++i) trigger(clicks > 0 ? "ZoomIn" : "ZoomOut");
      paintAndCheck(chart(), "keyboard zoom at the bound");
    }
  }

  // Seeded random bursts of everything a user can do to the view.
  void randomBursts_data() {
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {1u, 7u, 42u, 2026u, 20261208u})
      QTest::newRow(qPrintable(QString::number(seed))) << seed;
  }
  void randomBursts() {
    QFETCH(unsigned, seed);
    std::mt19937 random(seed);
    const auto pick = [&random](int n) {
      return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    const int deltas[] = {120, -120, 15, -15, 1, -1, 1200, -1200, 32767, -32768};
    const Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    for (int burst = 0; burst < 40; ++burst) {
      const int length = 1 + pick(40);
      for (int i = 0; i < length; ++i) {
        switch (pick(6)) {
          case 0:
          case 1:  // the wheel anywhere, off the widget too
            wheel(chart(), {pick(1600) - 200.0, pick(1400) - 200.0}, deltas[pick(10)]);
            break;
          case 2:
            trigger(pick(2) ? "ZoomIn" : "ZoomOut");
            break;
          case 3:
            key(chart(), arrows[pick(4)]);
            break;
          case 4:
            if (pick(8) == 0) trigger("ResetView");
            break;
          default:
            window_->resize(300 + pick(1000), 250 + pick(900));
        }
      }
      paintAndCheck(chart(), qPrintable(QString("seed %1 burst %2").arg(seed).arg(burst)));
    }
  }
};

QTEST_MAIN(ChartZoomTest)
#include "chart_zoom_test.moc"

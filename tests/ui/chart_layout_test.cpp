// The 焓湿图 window's room and its designs as they arrive: rows as high whichever way a design
// came, the chart keeping most of the window with the tables as tall as their rows, the sizes the
// user drags kept, the view reset by another design, and the shipped example as docs/window.md
// shows it.
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QSplitterHandle>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "support/epw_text.h"
#include "support/notices.h"
#include "ui/chart_widget.h"
#include "ui/chart_window.h"
#include "ui/climate_menus.h"
#include "ui/design_files.h"

namespace {

const QString example = QStringLiteral(TORVALE_SOURCE_DIR "/docs/夏季工况.torvale");

QSplitter& splitter(const ui::ChartWindow& window) {
  return *window.findChild<QSplitter*>("chartSplitter");
}

// The chart with its read-out line: the splitter's first part.
double chartShare(const ui::ChartWindow& window) {
  return static_cast<double>(splitter(window).widget(0)->height()) / window.height();
}

// The summer example with a year of weather and the four built-in zones on, shown at size.
void showSummerYear(ui::ChartWindow& window, const QString& epw, QSize size) {
  QVERIFY(window.files().openFile(example));
  QFile file(epw);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(testsupport::epwYear("0").c_str());
  file.close();
  testsupport::answerNotices([&] { QVERIFY(window.climate().importWeather(epw)); });
  for (int z = 1; z <= 4; ++z)
    window.findChild<QAction*>(QStringLiteral("Zone%1").arg(z))->trigger();
  window.resize(size);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
}

// Drags the splitter's first handle by dy pixels, as the user does.
void dragFirstHandle(QSplitter& split, int dy) {
  QSplitterHandle* handle = split.handle(1);
  const QPoint from = handle->rect().center();
  const auto send = [handle](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent e(type, at, handle->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(handle, &e);
  };
  send(QEvent::MouseButtonPress, from, Qt::LeftButton);
  send(QEvent::MouseMove, from + QPoint(0, dy), Qt::LeftButton);
  send(QEvent::MouseButtonRelease, from + QPoint(0, dy), Qt::NoButton);
}

}  // namespace

class ChartLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Torvale"), QStringLiteral("torvale")).clear();
  }

  // A design built point by point, opened from its file (the command line and Ctrl+O open alike)
  // or recovered after a crash: the same rows, as high as one line of text.
  void rowsAsHighWhicheverWayTheDesignCame_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"opened", "recovered", "opened over another"})
      QTest::newRow(way) << way;
  }
  void rowsAsHighWhicheverWayTheDesignCame() {
    QFETCH(QString, way);
    QTemporaryDir dir;
    ui::ChartWindow built;
    for (const char* t : {"35", "26", "27.8", "18", "14.9", "20", "30"})
      QVERIFY(!built.document().addPoint({{psychro::Quantity::t, psychro::Quantity::rh}, t, "55"}));
    QVERIFY(built.files().saveTo(dir.filePath("seven.torvale")));
    const int height = built.table().verticalHeader()->sectionSize(0);
    qInfo("rows %d px", height);

    ui::ChartWindow window;
    if (way == "opened") {
      QVERIFY(window.files().openFile(dir.filePath("seven.torvale")));
    } else if (way == "recovered") {
      window.files().openRecovered({built.workspace(), {}});
    } else {
      QVERIFY(window.files().openFile(example));
      QVERIFY(window.files().openFile(dir.filePath("seven.torvale")));
    }
    QCOMPARE(window.table().model()->rowCount(), 7);
    for (int r = 0; r < 7; ++r) QCOMPARE(window.table().verticalHeader()->sectionSize(r), height);
  }

  // With points, processes and a year of weather the chart keeps most of the window; each table
  // is no taller than its rows, and one whose rows fit its share of the room shows them all.
  void chartKeepsMostOfTheWindow_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("default") << QSize();
    QTest::newRow("520x420") << QSize(520, 420);
  }
  void chartKeepsMostOfTheWindow() {
    QFETCH(QSize, size);
    QSettings(QStringLiteral("Torvale"), QStringLiteral("torvale")).clear();
    QTemporaryDir dir;
    ui::ChartWindow window;
    showSummerYear(window, dir.filePath("year.epw"), size.isEmpty() ? window.size() : size);
    const double share = chartShare(window);
    qInfo("%dx%d: chart and read-out %d px, %.1f %% of the height; tables %d, %d, %d px",
          window.width(), window.height(), splitter(window).sizes()[0], 100 * share,
          splitter(window).sizes()[1], splitter(window).sizes()[2], splitter(window).sizes()[3]);
    QVERIFY2(share >= 0.6, qPrintable(QString::number(share)));
    for (QTableView* t : {&window.table(), &window.processTable(), &window.hoursTable()}) {
      QVERIFY(t->isVisible());
      const int rows = t->verticalHeader()->length();
      QVERIFY2(t->viewport()->height() <= rows + 1, qPrintable(t->objectName()));
    }
    if (size.isEmpty()) QVERIFY(!window.processTable().verticalScrollBar()->isVisible());
  }

  // A handle dragged: the tables' room is kept for the next window, and a new row no longer takes
  // more than the user gave.
  void draggedSizesAreKept() {
    QSettings(QStringLiteral("Torvale"), QStringLiteral("torvale")).clear();
    QTemporaryDir dir;
    int chart = 0;
    {
      ui::ChartWindow window;
      showSummerYear(window, dir.filePath("year.epw"), {900, 900});
      dragFirstHandle(splitter(window), 120);
      chart = splitter(window).sizes()[0];
      QVERIFY(QSettings(QStringLiteral("Torvale"), QStringLiteral("torvale"))
                  .contains("chartSplitterSizes"));
    }
    ui::ChartWindow again;
    showSummerYear(again, dir.filePath("year.epw"), {900, 900});
    QVERIFY2(std::abs(splitter(again).sizes()[0] - chart) <= 2,
             qPrintable(QString("%1 / %2").arg(splitter(again).sizes()[0]).arg(chart)));
  }

  // Another design in place is seen whole: new, opened and recovered alike reset zoom and pan.
  void anotherDesignResetsTheView_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"new", "opened", "recovered"}) QTest::newRow(way) << way;
  }
  void anotherDesignResetsTheView() {
    QFETCH(QString, way);
    ui::ChartWindow window;
    QVERIFY(window.files().openFile(example));
    window.chart().zoomBy(0.3);
    window.chart().panBy(0.4, -0.3);
    QVERIFY(window.chart().view().dMax != chart::defaultView().dMax);
    if (way == "new")
      window.findChild<QAction*>("NewDesign")->trigger();
    else if (way == "opened")
      QVERIFY(window.files().openFile(example));
    else
      window.files().openRecovered({window.workspace(), {}});
    const chart::View v = window.chart().view(), home = chart::clamped(chart::defaultView());
    QCOMPARE(QList<double>({v.dMin, v.dMax, v.yMin, v.yMax}),
             QList<double>({home.dMin, home.dMax, home.yMin, home.yMax}));
  }

  // The shipped example reads as the summer table of docs/window.md and of the user guide, row by
  // row: the room's row with its flow and loads, the reheater carrying the coil's flow on.
  void shippedExampleAsTheGuidesShow_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("docs/window.md") << QStringLiteral("docs/window.md");
    QTest::newRow("user guide") << QStringLiteral("docs/使用说明.md");
  }
  void shippedExampleAsTheGuidesShow() {
    QFETCH(QString, text);
    QFile page(QStringLiteral(TORVALE_SOURCE_DIR "/") + text);
    QVERIFY(page.open(QIODevice::ReadOnly));
    QList<QStringList> expected;
    bool inTable = false;
    for (const QString& line : QString::fromUtf8(page.readAll()).split('\n')) {
      if (line.startsWith("| 过程 | 类型 | 风量"))
        inTable = true;
      else if (inTable && !line.startsWith('|'))
        break;
      else if (inTable && !line.startsWith("|---")) {
        QStringList row = line.split('|');
        row = row.mid(1, row.size() - 2);
        for (QString& cell : row) cell = cell.trimmed();
        expected << row;
      }
    }
    ui::ChartWindow window;
    QVERIFY(window.files().openFile(example));
    const QAbstractItemModel& m = *window.processTable().model();
    QCOMPARE(m.rowCount(), 4);
    QCOMPARE(expected.size(), 4);
    for (int r = 0; r < 4; ++r) {
      QStringList row;
      for (int c = 0; c < m.columnCount(); ++c) row << m.index(r, c).data().toString();
      QCOMPARE(row, expected[r]);
    }
  }
};

QTEST_MAIN(ChartLayoutTest)
#include "chart_layout_test.moc"

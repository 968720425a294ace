// The climate of the 焓湿图 window: comfort zones turned on and off as steps, the points' 舒适区
// column, a generated weather file imported with its station's pressure, its skipped records and
// its 逐时统计 table, and the month filter.
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "calc/pair_calculation.h"
#include "chart/sheet.h"
#include "support/epw_text.h"
#include "support/notices.h"
#include "ui/chart_widget.h"
#include "ui/chart_window.h"
#include "ui/climate_menus.h"
#include "ui/design_files.h"
#include "ui/climate_dialogs.h"
#include "workspace/file.h"

namespace {

QString cell(const QTableView& table, int row, int column) {
  return table.model()->index(row, column).data().toString();
}

// The table's rows, cells joined by "|" and rows by "/".
QString rows(const QTableView& table) {
  QStringList out;
  for (int r = 0; r < table.model()->rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < table.model()->columnCount(); ++c) cells << cell(table, r, c);
    out << cells.join('|');
  }
  return out.join('/');
}

QString copied(ui::ChartWindow& window) {
  window.findChild<QAction*>("CopyTable")->trigger();
  return QGuiApplication::clipboard()->text();
}

}  // namespace

class ChartClimateTest : public QObject {
  Q_OBJECT

 private slots:
  // Each toggle is a step; the 舒适区 column shows only while a zone is on, so that the table and
  // the copied sheet are as before once every zone is off again.
  void zonesNameThePointsHoldingThem() {
    ui::ChartWindow window;
    window.show();
    window.document().addPoint({{psychro::Quantity::t, psychro::Quantity::rh}, "23", "50"});
    window.document().addPoint({{psychro::Quantity::t, psychro::Quantity::rh}, "35", "60"});
    const QString plain = copied(window);
    const int columns = window.table().model()->columnCount();
    struct Step {
      const char* zone;
      const char* undoText;
      const char* first;  // the 23 ℃, 50 % point's zones; the 35 ℃ point is in none
    };
    const Step steps[] = {
        {"Zone1", "撤销 显示舒适区 供热工况 I级", "供热工况 I级"},
        {"Zone5", "撤销 显示舒适区 数据中心 推荐", "供热工况 I级、数据中心 推荐"},
        {"Zone3", "撤销 显示舒适区 供冷工况 I级", "供热工况 I级、数据中心 推荐"},
        {"Zone1", "撤销 隐藏舒适区 供热工况 I级", "数据中心 推荐"},
    };
    for (const Step& s : steps) {
      window.findChild<QAction*>(s.zone)->trigger();
      QCOMPARE(window.findChild<QAction*>("Undo")->text(), QString::fromUtf8(s.undoText));
      QCOMPARE(window.table().model()->columnCount(), columns + 1);
      QCOMPARE(window.table().model()->headerData(columns, Qt::Horizontal).toString(),
               QString("舒适区"));
      QCOMPARE(cell(window.table(), 0, columns), QString::fromUtf8(s.first));
      QCOMPARE(cell(window.table(), 1, columns), QString());
      QVERIFY(copied(window).contains("\t舒适区\n"));
    }
    for (int i = 0; i < 4; ++i) window.document().undo();
    QCOMPARE(window.table().model()->columnCount(), columns);
    QVERIFY(!window.findChild<QAction*>("Zone1")->isChecked());
    QCOMPARE(copied(window), plain);
    for (int i = 0; i < 4; ++i) window.document().redo();
    QVERIFY(window.findChild<QAction*>("Zone5")->isChecked());
    QVERIFY(!window.findChild<QAction*>("Zone1")->isChecked());
    QCOMPARE(cell(window.table(), 0, columns), QString("数据中心 推荐"));
  }

  // 自定义舒适区 refuses what it cannot take, naming the field; a zone taken is a step; it opens
  // afresh each time.
  void customZoneDialog() {
    ui::ChartWindow window;
    window.show();
    window.findChild<QAction*>("CustomZone")->trigger();
    auto* dialog = window.findChild<ui::ZoneDialog*>("ZoneDialog");
    QVERIFY(dialog && dialog->isVisible());
    const auto field = [dialog](const char* name) { return dialog->findChild<QLineEdit*>(name); };
    struct Row {
      const char* name;
      const char* rhMin;
      const char* rhMax;
      const char* notice;  // empty: taken
      bool noT = false;    // the dry bulb left open too (20…25 ℃ otherwise)
    };
    const Row table[] = {
        {"", "", "", "请输入舒适区名称"},
        {"全开", "", "", "请至少给出一个界限", true},
        {"机房", "1e400", "", "「相对湿度 φ % 下限」超界"},
        {"机房", "-1", "", "「相对湿度 φ % 下限」必须为 0～100"},
        {"机房", "", "100.1", "「相对湿度 φ % 上限」必须为 0～100"},
        {"区外", "", "", "已有名为 区外 的舒适区"},
        {"供冷工况 I级", "", "", "已有名为 供冷工况 I级 的舒适区"},
        {"机房", "abc", "", "「相对湿度 φ % 下限」不是数字"},
        {"机房", "70", "40", "「相对湿度 φ %」的下限大于上限"},
        {"机房", "40", "70", ""},
    };
    for (const Row& r : table) {
      field("TMin")->setText(r.noT ? "" : "20");
      field("TMax")->setText(r.noT ? "" : "25");
      field("ZoneName")->setText(QString::fromUtf8(r.name));
      field("RhMin")->setText(r.rhMin);
      field("RhMax")->setText(r.rhMax);
      const auto notices = testsupport::answerNotices([dialog] { dialog->accept(); });
      QCOMPARE(notices.isEmpty() ? QString() : notices.front().text, QString::fromUtf8(r.notice));
    }
    QCOMPARE(window.workspace().zones().user.size(), std::size_t{1});
    const workspace::Zone& z = window.workspace().zones().user[0];
    QCOMPARE(*z.bounds.t.min + *z.bounds.t.max + *z.bounds.rh.min + *z.bounds.rh.max, 155.0);
    QVERIFY(!z.bounds.tl.min && !z.bounds.h.max);
    QCOMPARE(window.findChild<QAction*>("Undo")->text(), QString("撤销 自定义舒适区 机房"));
    window.document().deleteZone(0);
    QCOMPARE(window.findChild<QAction*>("Undo")->text(), QString("撤销 删除自定义舒适区 机房"));
    window.document().undo();
    QCOMPARE(window.workspace().zones().user.size(), std::size_t{1});
    // Opened again, after 确定 or 取消, it starts empty with the cursor on the name.
    for (int opening = 0; opening < 2; ++opening) {
      window.findChild<QAction*>("CustomZone")->trigger();
      for (const QLineEdit* e : dialog->findChildren<QLineEdit*>()) QVERIFY(e->text().isEmpty());
      QCOMPARE(dialog->focusWidget(), field("ZoneName"));
      field("HMax")->setFocus();
      field("HMax")->setText("50");
      dialog->reject();
    }
  }

  // A small file: the station's pressure taken, the bad records reported, the hours of the zone
  // on and of the months chosen; the layer a step that undo takes away and redo brings back.
  void weatherImportedCountedAndFiltered() {
    QTemporaryDir dir;
    const QString path = dir.filePath("站.epw");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write((testsupport::epwHeader("1000") + testsupport::epwRecord(1, 1, 1, "23", "12") +
                testsupport::epwRecord(1, 1, 2, "5", "0") +
                testsupport::epwRecord(7, 1, 1, "23", "8") +
                testsupport::epwRecord(7, 1, 2, "99.9", "10") +
                testsupport::epwRecord(7, 1, 3, "20", "21"))
                   .c_str());
    file.close();
    ui::ChartWindow window;
    window.show();
    window.findChild<QAction*>("Zone1")->trigger();
    const auto notices = testsupport::answerNotices([&] { QVERIFY(window.climate().importWeather(path)); });
    QCOMPARE(notices.size(), 2);
    QCOMPARE(notices[0].text, QString("使用气象站海拔 1000 m 的大气压力 89875 Pa？"));
    QCOMPARE(notices[1].text, QString("跳过 2 条记录：缺测值 1 条，露点高于干球温度 1 条"));
    QCOMPARE(window.pressure(), 89875.0);
    QVERIFY(window.hoursTable().isVisible());
    QCOMPARE(window.findChild<QAction*>("Undo")->text(), QString("撤销 导入气象数据 站.epw"));

    struct Row {
      const char* months;  // objectNames triggered in turn
      const char* hours;
    };
    const Row table[] = {
        {"", "供热工况 I级|2|66.7/区外|1|33.3"},
        {"Month7", "供热工况 I级|1|100.0/区外|0|0.0"},  // from 全年: July alone
        {"Month1", "供热工况 I级|2|66.7/区外|1|33.3"},  // January joins: every month with hours
        {"Month7", "供热工况 I级|1|50.0/区外|1|50.0"},  // July leaves
        {"AllMonths", "供热工况 I级|2|66.7/区外|1|33.3"},
    };
    for (const Row& r : table) {
      if (*r.months) window.findChild<QAction*>(r.months)->trigger();
      QCOMPARE(rows(window.hoursTable()), QString::fromUtf8(r.hours));
    }
    QVERIFY(copied(window).endsWith(
        "\n逐时统计\t小时数\t百分比 %\n供热工况 I级\t2\t66.7\n区外\t1\t33.3\n"));
    window.findChild<QAction*>("RemoveWeather")->trigger();
    QVERIFY(!window.document().weatherStates() && !window.hoursTable().isVisible());
    QVERIFY(!copied(window).contains("逐时统计"));
    window.document().undo();
    QCOMPARE(window.document().weatherStates()->hours.size(), std::size_t{3});
    while (window.document().undoStep()) window.document().undo();
    QVERIFY(!window.document().weatherStates());
  }

  // A log's CSV asks no pressure; the layer is saved with the design and read again on opening,
  // and a design whose weather file has gone opens all the same, with a notice.
  void weatherSavedAndReopened() {
    QTemporaryDir dir;
    const QString log = dir.filePath("记录.csv"), design = dir.filePath("设计.torvale");
    QFile file(log);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("时间,温度,湿度\n1,23,50\n2,35,60\n3,,50\n");
    file.close();
    ui::ChartWindow window;
    window.show();
    window.findChild<QAction*>("Zone1")->trigger();
    const workspace::LogColumns columns{{psychro::Quantity::t, psychro::Quantity::rh},
                                        {"温度", "3"}};
    const auto notices =
        testsupport::answerNotices([&] { QVERIFY(window.climate().importWeather(log, columns)); });
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices[0].text, QString("跳过 1 条记录：字段不全 1 条"));
    QVERIFY(window.files().saveTo(design));
#ifdef Q_OS_UNIX
    // A pipe in the weather file's place is refused, not waited on.
    const QString pipe = dir.filePath("管道");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const auto refused = testsupport::answerNotices([&] { QVERIFY(!window.climate().importWeather(pipe)); });
    QCOMPARE(refused.size(), 1);
    QCOMPARE(refused[0].text, "无法读取气象数据 " + pipe + "：\n不是普通文件");
#endif
    for (const bool gone : {false, true}) {
      if (gone) QVERIFY(QFile::remove(log));
      ui::ChartWindow opened;
      opened.show();
      const auto said = testsupport::answerNotices([&] { QVERIFY(opened.files().openFile(design)); });
      QCOMPARE(said.size(), gone ? 1 : 0);
      if (gone)
        QVERIFY(said[0].text.startsWith("找不到气象数据 " + QFileInfo(log).absoluteFilePath()));
      QCOMPARE(rows(opened.hoursTable()),
               gone ? QString() : QString("供热工况 I级|1|50.0/区外|1|50.0"));
      QCOMPARE(opened.hoursTable().isVisible(), !gone);
      QCOMPARE(opened.workspace().weather(), window.workspace().weather());
    }
  }

  // Every opening reads the design's weather file afresh: a file gone since is said each time and
  // leaves no layer from an earlier reading, whichever design was open in between; the notice
  // shows over the design opened in full, not over a mix of it and the one before.
  void weatherReadAgainAtEveryOpening() {
    QStandardPaths::setTestModeEnabled(true);  // the recovered design keeps a recovery file
    QTemporaryDir dir;
    const auto designWith = [&dir](const char* design, const char* epw, const char* zone,
                                   const std::string& record) {
      QFile file(dir.filePath(epw));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write((testsupport::epwHeader() + record).c_str());
      file.close();
      ui::ChartWindow maker;
      maker.findChild<QAction*>(zone)->trigger();
      testsupport::answerNotices([&] { QVERIFY(maker.climate().importWeather(dir.filePath(epw))); });
      QVERIFY(maker.files().saveTo(dir.filePath(design)));
    };
    designWith("winter.torvale", "dew.epw", "Zone1", testsupport::epwRecord(1, 1, 1, "23", "12"));
    designWith("summer.torvale", "sun.epw", "Zone3", testsupport::epwRecord(7, 1, 1, "25", "14"));
    struct Row {
      const char* design;
      bool recovered;     // opened as a recovered design rather than from its file
      const char* hours;  // empty: the file is gone, said in a notice
    };
    const Row table[] = {
        {"winter.torvale", false, "供热工况 I级|1|100.0/区外|0|0.0"},  // dew.epw then removed
        {"winter.torvale", false, ""},
        {"summer.torvale", false, "供冷工况 I级|1|100.0/区外|0|0.0"},
        {"winter.torvale", false, ""},
        {"winter.torvale", true, ""},
    };
    ui::ChartWindow window;
    window.show();
    for (const Row& r : table) {
      const QString design = dir.filePath(r.design);
      QString behind;  // the window behind the notice: its title and 逐时统计 rows
      const auto look = [&] { behind = window.windowTitle() + ' ' + rows(window.hoursTable()); };
      const auto open = [&] {
        if (!r.recovered) {
          QVERIFY(window.files().openFile(design));
          return;
        }
        QFile file(design);
        QVERIFY(file.open(QIODevice::ReadOnly));
        window.files().openRecovered(
            {std::get<workspace::Workspace>(workspace::readWorkspace(file.readAll().toStdString())),
             design.toStdString()});
      };
      const auto said = testsupport::answerNotices(open, look);
      const bool gone = !*r.hours;
      QCOMPARE(said.size(), gone ? 1 : 0);
      if (gone) QCOMPARE(behind, QString::fromUtf8(r.design) + "[*] ");
      QCOMPARE(rows(window.hoursTable()), QString::fromUtf8(r.hours));
      QCOMPARE(!window.document().weatherStates() && !window.hoursTable().isVisible(), gone);
      QFile::remove(dir.filePath("dew.epw"));
    }
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
  }

  // A zone is drawn where its states lie at the pressure in force: the sheet point of a state (from
  // t and φ at 101325 Pa) is shaded inside the zone's region and left bare outside it.
  void zonesDrawnAtThePressureInForce_data() {
    QTest::addColumn<double>("pa");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("φ");
    QTest::addColumn<bool>("shaded");
    QTest::newRow("供热工况 II级, inside") << 101325.0 << "Zone2" << 20.7 << 35.0 << true;
    QTest::newRow("供热工况 II级, warmer") << 101325.0 << "Zone2" << 23.5 << 38.0 << false;
    QTest::newRow("供冷工况 I级, φ 50 %") << 101325.0 << "Zone3" << 25.3 << 50.0 << true;
    // The same d at 70000 Pa is φ 35 %, below the zone's 40 %.
    QTest::newRow("供冷工况 I级, 70000 Pa") << 70000.0 << "Zone3" << 25.3 << 50.0 << false;
  }
  void zonesDrawnAtThePressureInForce() {
    QFETCH(double, pa);
    QFETCH(QString, zone);
    QFETCH(double, t);
    QFETCH(double, φ);
    QFETCH(bool, shaded);
    ui::ChartWindow window;
    window.show();
    window.setPressure(pa);
    window.findChild<QAction*>(zone)->trigger();
    const psychro::StateOutcome s = psychro::stateFromHumidity(t, φ / 100);
    QVERIFY(s.ok());
    const chart::Pixel px = window.chart().mapping().toPixel(chart::sheetPoint(s.air));
    const QColor c = window.chart().image(1).pixelColor(QPoint(int(px.x), int(px.y)));
    QCOMPARE(c != QColor(Qt::white), shaded);
  }

  // A year's hours shade the cells they fall in, for the months chosen only.
  void hoursShadeTheirCells() {
    QTemporaryDir dir;
    const QString path = dir.filePath("年.epw");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(testsupport::epwYear("0").c_str());
    file.close();
    ui::ChartWindow window;
    window.show();
    testsupport::answerNotices([&] { QVERIFY(window.climate().importWeather(path)); });
    const auto at = [&window](double t, double tl) {
      const psychro::StateOutcome s =
          calc::pairState({psychro::Quantity::t, psychro::Quantity::tl}, t, tl, window.pressure());
      const chart::Pixel px = window.chart().mapping().toPixel(chart::sheetPoint(s.air));
      return window.chart().image(1).pixelColor(QPoint(int(px.x), int(px.y)));
    };
    // A cold January day and a warm July one, states of the generated year (mid-cell).
    const QColor january = at(2.6, -1.6), july = at(30.5, 23.8);
    QVERIFY(january != QColor(Qt::white) && july != QColor(Qt::white));
    window.findChild<QAction*>("Month7")->trigger();
    QCOMPARE(at(2.6, -1.6), QColor(Qt::white));
    QVERIFY(at(30.5, 23.8) != QColor(Qt::white));
  }
};

QTEST_MAIN(ChartClimateTest)
#include "chart_climate_test.moc"

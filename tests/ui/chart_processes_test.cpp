// The processes of the 焓湿图 window: made through 新建过程… as a user fills it in, each kind
// keeping its own values, refused with a notice and nothing changed, listed in the 过程 table,
// copied with the points, and followed through a new pressure and a deleted point; the unit's
// summary (机组汇总) under them where a process has loads.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "support/notices.h"
#include "ui/chart_window.h"
#include "ui/design_files.h"
#include "ui/process_dialog.h"

namespace {

using testsupport::answerNotices;

QString cell(const QTableView& table, int row, int column) {
  return table.model()->index(row, column).data().toString();
}

void pickByText(QComboBox* box, const QString& text) {
  const int at = box->findText(text);
  QVERIFY2(at >= 0, qPrintable(text));
  box->setCurrentIndex(at);
}

}  // namespace

class ChartProcessesTest : public QObject {
  Q_OBJECT

 private slots:
  void dialogMakesProcessesAndRefusesWhatCannotHappen() {
    ui::ChartWindow window;
    window.show();
    for (auto [t, φ] : {std::pair{"35", "60"}, {"26", "55"}})
      QVERIFY(!window.document().addPoint({{psychro::Quantity::t, psychro::Quantity::rh}, t, φ}));
    QVERIFY(!window.processTable().isVisible());  // shown once there is a process
    window.table().selectRow(1);
    window.findChild<QAction*>("NewProcess")->trigger();
    auto* dialog = window.findChild<ui::ProcessDialog*>();
    QVERIFY(dialog && dialog->isVisible());
    const auto field = [dialog](const char* name) { return dialog->findChild<QLineEdit*>(name); };
    const auto combo = [dialog](const char* name) { return dialog->findChild<QComboBox*>(name); };

    // Each row: the fields as a user fills them in; the notice expected, or none.
    struct Row {
      const char* kind;
      const char* from;
      const char* first;
      const char* second;
      const char* flow;
      const char* notice;
    };
    const Row rows[] = {
        {"加热", "B", "20", "", "", "加热后的干球温度必须高于进口温度"},
        {"混合", "B", "0.8", "0", "", "混合的两股空气流量都必须大于零"},
        {"等温加湿", "B", "120", "", "", "加湿越过饱和线，该状态点不存在"},
        // A value is one number: a unit sign left over names the field, a comma gets a hint.
        {"加热", "B", "30 ℃", "", "", "「终点干球温度 t ℃」不是数字"},
        {"加热", "B", "30,5", "", "", "「终点干球温度 t ℃」不是数字（小数点请用“.”）"},
        {"加热", "B", "abc", "", "", "「终点干球温度 t ℃」不是数字"},
        {"送风状态点", "B", "8000", "-", "", "「送风温差 Δt ℃」不是数字"},
        {"加热", "B", "30", "", "-5", "风量必须为大于零的有限数"},
        {"混合", "B", "0.8", "0.2", "", nullptr},             // C
        {"送风状态点", "B", "8000", "8", "3.1849", nullptr},  // D, kg/s
        {"加热", "C", "30", "", "10000", nullptr},            // E, m³/h
        // The new kinds' pages: N against W as its exhaust or secondary air.
        {"冷却除湿（旁通系数）", "B", "10", "1", "",
         "旁通系数须不小于 0 且小于 1（接触系数大于 0 且不大于 1）"},
        {"间接蒸发冷却", "B", "0.6", "", "",
         "蒸发冷却的极限温度（等焓线与饱和线交点的干球温度）不低于进口干球温度，无法冷却"},
        {"热回收（全热）", "B", "0.6", "", "", nullptr},  // F, ηd left empty: ηh
        {"风机温升", "B", "1000", "0.65", "", nullptr},   // G
    };
    for (const Row& r : rows) {
      window.findChild<QAction*>("NewProcess")->trigger();
      pickByText(combo("ProcessKind"), QString::fromUtf8(r.kind));
      pickByText(combo("FromPoint"), r.from);
      if (combo("OtherPoint")->isVisibleTo(dialog)) pickByText(combo("OtherPoint"), "A");
      combo("FlowUnit")->setCurrentIndex(QString(r.kind) == "送风状态点" ? 1 : 0);
      if (QString(r.kind) == "等温加湿") pickByText(combo("FirstQuantity"), "相对湿度 φ %");
      field("FirstValue")->setText(QString::fromUtf8(r.first));
      field("SecondValue")->setText(r.second);
      field("Flow")->setText(r.flow);
      const int points = window.table().model()->rowCount();
      const auto seen = answerNotices([dialog] { dialog->accept(); });
      if (r.notice) {
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen.front().text, QString::fromUtf8(r.notice));
        QVERIFY(dialog->isVisible());  // stays open to correct the entry
        QCOMPARE(window.table().model()->rowCount(), points);
        dialog->reject();
      } else {
        QVERIFY2(seen.isEmpty(), qPrintable(seen.isEmpty() ? "" : seen.front().text));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(window.table().model()->rowCount(), points + 1);
      }
    }

    // Each kind shows the values last typed for it, never another kind's (等焓加湿 none at all);
    // 风量 opens empty, so that a new process carries on its inlet's flow unless given one.
    window.findChild<QAction*>("NewProcess")->trigger();
    QVERIFY(field("Flow")->text().isEmpty());
    for (auto [kind, first, second] : {std::tuple{"等焓加湿", "", ""},
                                       {"混合", "0.8", "0.2"},
                                       {"加热", "30", ""},
                                       {"送风状态点", "8000", "8"}}) {
      pickByText(combo("ProcessKind"), QString::fromUtf8(kind));
      QCOMPARE(field("FirstValue")->text() + '|' + field("SecondValue")->text(),
               QString::fromUtf8(first) + '|' + second);
    }
    dialog->reject();

    // 热湿比线 names its field too, for a value with no number in it.
    QTimer typeIn;
    typeIn.setInterval(10);
    connect(&typeIn, &QTimer::timeout, [] {
      if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget()))
        input->setTextValue("abc"), input->accept();
    });
    typeIn.start();
    const std::size_t lines = window.workspace().processes().lines().size();
    const auto seen =
        answerNotices([&window] { window.findChild<QAction*>("EpsilonLine")->trigger(); });
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.front().text, QString("「热湿比 ε kJ/kg」不是数字"));
    QCOMPARE(window.workspace().processes().lines().size(), lines);

    const QTableView& processes = window.processTable();
    QCOMPARE(processes.accessibleName(), QString("过程"));
    QVERIFY(processes.isVisible());
    QCOMPARE(processes.model()->rowCount(), 5);
    QCOMPARE(cell(processes, 3, 1) + cell(processes, 4, 1), QString("热回收（全热）风机温升"));
    // Mixing has no loads; the room process has them for its kg/s, the heater for its m³/h.
    const QStringList expected[] = {
        {"B+A→C", "混合", "", "1.82", "1.98", "6.91", "3500", "", "", "", ""},
        {"D→B", "送风状态点", "3.1849 kg/s", "8.00", "1.50", "12.02", "8000", "26.32", "11.97",
         "38.29", "17.23"},
        {"C→E", "加热", "10000 m³/h", "2.18", "0.00", "2.24", "∞", "7.14", "0.00", "7.14", "0.00"},
    };
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < expected[r].size(); ++c) QCOMPARE(cell(processes, r, c), expected[r][c]);

    // 复制表格 carries both tables.
    window.findChild<QAction*>("CopyTable")->trigger();
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.contains("\n\n过程\t类型\t风量\tΔt ℃"));
    QVERIFY(copied.contains("C→E\t加热\t10000 m³/h\t2.18"));

    // At 1000 m the processes run again; deleting B drops the four that touch it.
    window.setPressure(89875);
    QCOMPARE(processes.model()->rowCount(), 5);
    QVERIFY(cell(window.table(), 2, 8) != "13.54");  // C mixes the new W and N
    window.table().selectRow(1);
    window.findChild<QAction*>("DeletePoint")->trigger();
    QCOMPARE(processes.model()->rowCount(), 1);
    QCOMPARE(cell(processes, 0, 0), QString("C→E"));
    // C and D, no longer made by a process, read as points given by their t and d.
    for (int row : {1, 2})
      QVERIFY2(QRegularExpression("^t=[0-9.]+, d=[0-9.]+$")
                   .match(cell(window.table(), row, 1))
                   .hasMatch(),
               qPrintable(cell(window.table(), row, 1)));

    // Room loads size a supply point: ε greyed, showing 3600·Q/W, and no flow typed; the heat
    // without the moisture is a missing value.
    window.table().selectRow(0);
    window.findChild<QAction*>("NewProcess")->trigger();
    pickByText(combo("ProcessKind"), "送风状态点");
    field("SecondValue")->setText("8");
    field("RoomHeat")->setText("40");
    QVERIFY(!field("FirstValue")->isEnabled() && !field("Flow")->isEnabled());
    QCOMPARE(answerNotices([dialog] { dialog->accept(); }).value(0).text,
             QString("请输入具体参数"));
    field("RoomMoisture")->setText("18");
    QCOMPARE(field("FirstValue")->text(), QString("8000"));
    QVERIFY(answerNotices([dialog] { dialog->accept(); }).isEmpty());
    QCOMPARE(processes.model()->rowCount(), 2);
    QVERIFY2(cell(processes, 1, 2).endsWith(" m³/h，按负荷）"), qPrintable(cell(processes, 1, 2)));

    // 编辑状态点 (F4) opens with the point's values; the supply process from it runs again, and
    // undo takes the edit back in one step. An outlet changes through its process only.
    const auto supplyRow = [&processes] {
      QString row;
      for (int c = 0; c < processes.model()->columnCount(); ++c) row += cell(processes, 1, c) + '|';
      return row;
    };
    const QString before = supplyRow();
    window.table().selectRow(0);
    window.findChild<QAction*>("EditPoint")->trigger();
    auto* edit = window.findChild<QDialog*>("EditPointDialog");
    QVERIFY(edit && edit->isVisible());
    QCOMPARE(edit->findChild<QLineEdit*>("FirstValue")->text(), QString("35"));
    edit->findChild<QLineEdit*>("FirstValue")->setText("34");
    QVERIFY(answerNotices([edit] { edit->accept(); }).isEmpty());
    QVERIFY(supplyRow() != before);
    window.findChild<QAction*>("Undo")->trigger();
    QCOMPARE(supplyRow(), before);
    window.table().selectRow(window.table().model()->rowCount() - 1);
    QVERIFY(!window.findChild<QAction*>("EditPoint")->isEnabled());
  }
  // The summary shows under 过程 only where some process has loads: the summer example's one
  // stream C→O′ and its totals, as README gives them; without flows, none. 复制表格 carries it.
  void unitSummaryFollowsTheLoads_data() {
    QTest::addColumn<bool>("flows");
    QTest::addColumn<QStringList>("rows");
    const QString stream = "70.35|20.00|42.62|27.73||10.02||39.92||";
    QTest::newRow("summer example") << true << QStringList{"C→O′|" + stream, "合计|" + stream};
    QTest::newRow("no flow, no summary") << false << QStringList{};
  }
  void unitSummaryFollowsTheLoads() {
    QFETCH(bool, flows);
    QFETCH(QStringList, rows);
    QStandardPaths::setTestModeEnabled(true);
    QFile example(QStringLiteral(TORVALE_SOURCE_DIR "/docs/夏季工况.torvale"));
    QVERIFY(example.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(example.readAll());
    if (!flows) text.remove(QRegularExpression(R"("flow": \{[^}]*\},)"));
    QTemporaryDir dir;
    QFile design(dir.filePath("design.torvale"));
    QVERIFY(design.open(QIODevice::WriteOnly) && design.write(text.toUtf8()) > 0);
    design.close();
    ui::ChartWindow window;
    QVERIFY(window.files().openFile(design.fileName()));
    window.show();
    const QTableView& summary = window.summaryTable();
    QCOMPARE(summary.isVisible(), !rows.isEmpty());
    QCOMPARE(summary.accessibleName(), QString("机组汇总"));
    QStringList shown;
    for (int r = 0; r < summary.model()->rowCount(); ++r) {
      QStringList cells;
      for (int c = 0; c < summary.model()->columnCount(); ++c) cells << cell(summary, r, c);
      shown << cells.join('|');
    }
    QCOMPARE(shown, rows);
    window.findChild<QAction*>("CopyTable")->trigger();
    QCOMPARE(QApplication::clipboard()->text().contains("\n\n机组汇总（空气流）\t冷量 kW\t冷吨 RT"),
             !rows.isEmpty());
  }
};

QTEST_MAIN(ChartProcessesTest)
#include "chart_processes_test.moc"

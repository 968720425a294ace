// The steps of the 焓湿图 window: every change of the design undone and redone, each named in the
// 编辑 menu; a process edited and deleted through its row; an ε line deleted; the chart moved from
// the keyboard.
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>
#include <functional>

#include "ui/chart_widget.h"
#include "ui/chart_window.h"
#include "ui/process_dialog.h"

namespace {

QString cell(const QTableView& table, int row, int column) {
  return table.model()->index(row, column).data().toString();
}

QString names(const QTableView& table) {
  QString all;
  for (int r = 0; r < table.model()->rowCount(); ++r) all += cell(table, r, 0);
  return all;
}

workspace::TypedPair tRh(const char* t, const char* φ) {
  return {{psychro::Quantity::t, psychro::Quantity::rh}, t, φ};
}

}  // namespace

class ChartUndoTest : public QObject {
  Q_OBJECT

 private slots:
  void fiveStepsUndoneAndRedone() {
    ui::ChartWindow window;
    window.show();
    auto* undo = window.findChild<QAction*>("Undo");
    auto* redo = window.findChild<QAction*>("Redo");
    QVERIFY(undo && redo && !undo->isEnabled());
    QCOMPARE(undo->text(), QString("撤销"));

    // Each step, then the points' names and the undo item after it.
    struct Step {
      std::function<void()> make;
      const char* names;
      const char* undoText;
      int processes;
    };
    const Step steps[] = {
        {[&] { window.document().addPoint(tRh("35", "60")); }, "A", "撤销 新建状态点 A", 0},
        {[&] { window.document().addPoint(tRh("26", "55")); }, "AB", "撤销 新建状态点 B", 0},
        {[&] {
           window.document().addProcess({workspace::ProcessKind::heat,
                                         window.workspace().points().points()[1].id,
                                         0,
                                         {},
                                         30,
                                         0,
                                         {}});
         },
         "ABC", "撤销 新建过程 B→C", 1},
        {[&] { window.table().model()->setData(window.table().model()->index(0, 0), "W"); }, "WBC",
         "撤销 重命名状态点 A 为 W", 1},
        {[&] {
           window.table().selectRow(1);
           window.findChild<QAction*>("DeletePoint")->trigger();
         },
         "WC", "撤销 删除状态点 B", 0},
    };
    for (const Step& s : steps) s.make();
    QVERIFY(window.isWindowModified());
    // A new pressure of a design that holds anything is a step of its own, which the main window
    // follows when it is undone.
    double chosen = 0;
    connect(&window, &ui::ChartWindow::pressureChosen, [&chosen](double pa) { chosen = pa; });
    window.setPressure(89875);
    QCOMPARE(cell(window.table(), 1, 1).left(2), QString("t="));  // C, released
    QCOMPARE(undo->text(), QString("撤销 大气压力 89875 Pa"));
    undo->trigger();
    QCOMPARE(window.pressure(), 101325.0);
    QCOMPARE(chosen, 101325.0);
    for (int i = 4; i >= 0; --i) {
      QCOMPARE(undo->text(), QString::fromUtf8(steps[i].undoText));
      undo->trigger();
      QCOMPARE(names(window.table()), QString(i > 0 ? steps[i - 1].names : ""));
      QCOMPARE(window.processTable().model()->rowCount(), i > 0 ? steps[i - 1].processes : 0);
      QCOMPARE(redo->text(), "重做 " + QString::fromUtf8(steps[i].undoText).mid(3));
      if (i == 4) QCOMPARE(cell(window.table(), 2, 1), QString("加热：t=30"));  // made again
    }
    QVERIFY(!window.isWindowModified());
    for (const Step& s : steps) {
      redo->trigger();
      QCOMPARE(names(window.table()), QString(s.names));
      QCOMPARE(undo->text(), QString::fromUtf8(s.undoText));
    }
    redo->trigger();
    QCOMPARE(window.pressure(), 89875.0);
    QCOMPARE(chosen, 89875.0);
    QVERIFY(!redo->isEnabled());
    QVERIFY(window.isWindowModified());
  }

  void processEditedAndDeletedThroughItsRow() {
    ui::ChartWindow window;
    window.show();
    window.document().addPoint(tRh("26", "55"));
    window.document().addProcess({workspace::ProcessKind::heat,
                                  window.workspace().points().points()[0].id,
                                  0,
                                  {},
                                  30,
                                  0,
                                  workspace::Flow{10000, workspace::FlowUnit::cubicMetresPerHour}});
    window.processTable().selectRow(0);
    window.findChild<QAction*>("EditProcess")->trigger();
    auto* dialog = window.findChild<ui::ProcessDialog*>("EditProcessDialog");
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->findChild<QComboBox*>("ProcessKind")->currentText(), QString("加热"));
    QCOMPARE(dialog->findChild<QComboBox*>("FromPoint")->currentText(), QString("A"));
    // B, its own outlet, is not offered as its inlet.
    QCOMPARE(dialog->findChild<QComboBox*>("FromPoint")->count(), 1);
    auto* value = dialog->findChild<QLineEdit*>("FirstValue");
    QCOMPARE(value->text() + '|' + dialog->findChild<QLineEdit*>("Flow")->text(),
             QString("30|10000"));
    value->setText("35");
    dialog->accept();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(names(window.table()), QString("AB"));  // the outlet keeps its name
    QCOMPARE(cell(window.table(), 1, 2), QString("35.00"));
    QCOMPARE(window.findChild<QAction*>("Undo")->text(), QString("撤销 编辑过程 A→B"));

    window.processTable().selectRow(0);
    window.findChild<QAction*>("DeleteProcess")->trigger();
    QCOMPARE(window.processTable().model()->rowCount(), 0);
    QCOMPARE(cell(window.table(), 1, 1).left(5), QString("t=35,"));
    QCOMPARE(window.findChild<QAction*>("Undo")->text(), QString("撤销 删除过程 A→B"));

    // An ε line drawn and deleted, each a step of its own.
    QVERIFY(!window.document().addEpsilonLine(window.workspace().points().points()[0].id, 8000));
    QCOMPARE(window.findChild<QAction*>("Undo")->text(), QString("撤销 热湿比线 A ε=8000"));
    QVERIFY(!window.document().deleteEpsilonLine(0));
    QVERIFY(window.workspace().processes().lines().empty());
    QCOMPARE(window.findChild<QAction*>("Undo")->text(), QString("撤销 删除热湿比线 A ε=8000"));
    window.document().undo();
    QCOMPARE(window.workspace().processes().lines().size(), std::size_t{1});
  }

  void chartMovedFromTheKeyboard() {
    ui::ChartWindow window;
    window.show();
    ui::ChartWidget& chart = window.chart();
    const chart::View home = chart.view();
    const auto span = [&chart] { return chart.view().dMax - chart.view().dMin; };
    window.findChild<QAction*>("ZoomIn")->trigger();
    QVERIFY(span() < home.dMax - home.dMin);
    const double left = chart.view().dMin;
    QTest::keyClick(&chart, Qt::Key_Right);
    QVERIFY(chart.view().dMin > left);
    window.findChild<QAction*>("ResetView")->trigger();
    QCOMPARE(chart.view().dMin, home.dMin);
    QCOMPARE(span(), home.dMax - home.dMin);
  }
};

QTEST_MAIN(ChartUndoTest)
#include "chart_undo_test.moc"

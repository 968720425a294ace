// 新建系统… and 编辑系统… in the 焓湿图 window: the dialog shows the points a system will make
// before 确定, their names editable, and sends the system as one step; what is not a number, or
// what the design refuses, is a notice and the dialog stays open; a member edited alone dissolves
// the system with a notice, and undo brings it back.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include "support/notices.h"
#include "ui/chart_window.h"
#include "ui/system_dialog.h"

namespace {

QString column(const QTableWidget* table, int c) {
  QStringList texts;
  for (int r = 0; r < table->rowCount(); ++r) texts << table->item(r, c)->text();
  return texts.join(' ');
}

QString pointNames(const ui::ChartWindow& window) {
  QStringList names;
  for (const auto& p : window.document().design().points().points())
    names << QString::fromStdString(p.name);
  return names.join(' ');
}

}  // namespace

class ChartSystemTest : public QObject {
  Q_OBJECT

 private slots:
  void newSystem_data() {
    QTest::addColumn<int>("kind");       // index in the dialog, as workspace::systemKinds
    QTest::addColumn<QString>("field");  // a field's objectName, and the text typed there
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lastName");  // typed as the last member's name; empty: as shown
    QTest::addColumn<QString>("roles");     // the members shown
    QTest::addColumn<QString>("names");     // the design's points afterwards
    QTest::addColumn<QString>("notice");    // what a refusal says; empty: made
    QTest::newRow("一次回风, defaults") << 0 << "Fresh"
                                        << "20"
                                        << ""
                                        << "W N C L O"
                                        << "W N C L O"
                                        << "";
    QTest::newRow("二次回风, supply named S") << 1 << "Fresh"
                                              << "20"
                                              << "S"
                                              << "W N C₁ L O"
                                              << "W N C₁ L S"
                                              << "";
    QTest::newRow("余热 not a number") << 0 << "Heat"
                                       << "4o"
                                       << ""
                                       << "W N C L O"
                                       << ""
                                       << "余热 Q kW";
    QTest::newRow("φL out of range") << 0 << "CoilHumidity"
                                     << "0"
                                     << ""
                                     << "W N C L O"
                                     << ""
                                     << "「机器露点 φL」超界";
  }
  void newSystem() {
    QFETCH(int, kind);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, lastName);
    QFETCH(QString, roles);
    QFETCH(QString, names);
    QFETCH(QString, notice);
    ui::ChartWindow window;
    window.show();
    window.findChild<QAction*>("NewSystem")->trigger();
    auto* dialog = window.findChild<ui::SystemDialog*>("SystemDialog");
    QVERIFY(dialog && dialog->isVisible());
    dialog->findChild<QComboBox*>("SystemKind")->setCurrentIndex(kind);
    auto* members = dialog->findChild<QTableWidget*>("SystemMembers");
    QCOMPARE(column(members, 0), roles);
    dialog->findChild<QLineEdit*>(field)->setText(text);
    if (!lastName.isEmpty()) members->item(members->rowCount() - 1, 1)->setText(lastName);
    const auto said = testsupport::answerNotices([dialog] { dialog->accept(); });
    if (notice.isEmpty()) {
      QVERIFY(said.isEmpty());
      QVERIFY(!dialog->isVisible());
      QCOMPARE(pointNames(window), names);
      QCOMPARE(window.document().undoStep()->kind, document::StepKind::addSystem);
    } else {
      QCOMPARE(said.size(), 1);
      QVERIFY2(said[0].text.contains(notice), qPrintable(said[0].text));
      QVERIFY(dialog->isVisible());
      QVERIFY(window.document().design().systems().empty());
    }
  }

  // 编辑系统… among two systems: the second chosen shows its own inputs; its edit is one step, and
  // deleting one of its processes alone dissolves it with a notice, which undo takes back.
  void editThenDissolve() {
    ui::ChartWindow window;
    window.show();
    workspace::SystemRequest request;
    request.outdoor = {{psychro::Quantity::t, psychro::Quantity::rh}, "35", "60"};
    request.room = {{psychro::Quantity::t, psychro::Quantity::rh}, "26", "55"};
    request.heat = 40;
    request.moisture = 18;
    for (const char* name : {"AHU-1", "AHU-2"}) {
      request.name = name;
      QVERIFY(!window.document().addSystem(request));
    }
    window.findChild<QAction*>("EditSystem")->trigger();
    auto* dialog = window.findChild<ui::SystemDialog*>("EditSystemDialog");
    QVERIFY(dialog && dialog->isVisible());
    auto* choice = dialog->findChild<QComboBox*>("SystemChoice");
    QVERIFY(choice->isVisible());
    choice->setCurrentIndex(1);
    QCOMPARE(dialog->findChild<QLineEdit*>("SystemName")->text(), QString("AHU-2"));
    dialog->findChild<QLineEdit*>("SupplyDifference")->setText("6");
    QVERIFY(testsupport::answerNotices([dialog] { dialog->accept(); }).isEmpty());
    QCOMPARE(window.document().undoStep()->kind, document::StepKind::editSystem);
    QCOMPARE(window.document().design().systems()[1].request.Δt, 6.0);

    window.processTable().selectRow(4);  // C2→L2
    const auto said = testsupport::answerNotices([&] {
      window.findChild<QAction*>("DeleteProcess")->trigger();
      QTest::qWait(50);
    });
    QCOMPARE(said.size(), 1);
    QVERIFY2(said[0].text.contains("AHU-2"), qPrintable(said[0].text));
    QCOMPARE(window.document().design().systems().size(), std::size_t{1});
    window.findChild<QAction*>("Undo")->trigger();
    QCOMPARE(window.document().design().systems().size(), std::size_t{2});
  }
};

QTEST_MAIN(ChartSystemTest)
#include "chart_system_test.moc"

// Torvale's own dialogs as a user meets them: Tab in the order of the layout, a value with no
// number in it refused by a notice naming its field, and 新建过程 keeping each kind's values.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include "../support/notices.h"
#include "ui/chart_window.h"
#include "ui/form1.h"
#include "ui/point_dialog.h"
#include "ui/process_dialog.h"

namespace {

using testsupport::answerNotices;

void pickByText(QComboBox* box, const QString& text) {
  const int at = box->findText(text);
  QVERIFY2(at >= 0, qPrintable(text));
  box->setCurrentIndex(at);
}

// A chart window with the points A (35 ℃, 60 %) and B (26 ℃, 55 %), B selected.
void addTwoPoints(ui::ChartWindow& window) {
  for (auto [t, φ] : {std::pair{"35", "60"}, {"26", "55"}})
    QVERIFY(window.addPoint({{psychro::Quantity::t, psychro::Quantity::rh}, t, φ}).empty());
  window.table().selectRow(1);
}

// The dialog of the chart window opened by the action named `action`.
QDialog* openDialog(ui::ChartWindow& window, const char* action) {
  window.findChild<QAction*>(action)->trigger();
  for (QDialog* d : window.findChildren<QDialog*>())
    if (d->isVisible()) return d;
  return nullptr;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void tabFollowsTheLayout_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("kind");  // of 新建过程; the choice of 大气压力
    QTest::addColumn<QStringList>("order");
    QTest::newRow("新建状态点") << "NewPoint"
                                << ""
                                << QStringList{"FirstQuantity", "FirstValue", "SecondQuantity",
                                               "SecondValue",   "确定",       "取消"};
    QTest::newRow("新建过程, 冷却除湿")
        << "NewProcess"
        << "冷却除湿"
        << QStringList{"ProcessKind", "FromPoint", "FirstQuantity", "FirstValue", "SecondQuantity",
                       "SecondValue", "Flow",      "FlowUnit",      "确定",       "取消"};
    QTest::newRow("新建过程, 混合")
        << "NewProcess"
        << "混合" << QStringList{"ProcessKind", "FromPoint", "OtherPoint", "FirstValue",
                                 "SecondValue", "确定",      "取消"};
    // Tab stops at the chosen one of the three choices only, as in any group of them.
    QTest::newRow("大气压力, 海拔")
        << "Pressure"
        << "ByAltitude" << QStringList{"PressureText", "PressureUnit", "ByAltitude",
                                       "AltitudeText", "OK",           "Cancel"};
  }

  // Tab from the first field around to it again, as focus goes.
  void tabFollowsTheLayout() {
    QFETCH(QString, dialog);
    QFETCH(QString, kind);
    QFETCH(QStringList, order);
    ui::Form1 form;
    ui::ChartWindow window;
    QDialog* d = nullptr;
    if (dialog == "Pressure") {
      form.show();
      form.findChild<QAction*>("Pressure")->trigger();
      d = form.findChild<QDialog*>("PressureDialog");
    } else {
      window.show();
      addTwoPoints(window);
      d = openDialog(window, qPrintable(dialog));
    }
    QVERIFY(d);
    d->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d));
    if (auto* choice = d->findChild<QRadioButton*>(kind))
      QTest::mouseClick(choice, Qt::LeftButton);
    else if (!kind.isEmpty())
      pickByText(d->findChild<QComboBox*>("ProcessKind"), kind);
    const auto nameOf = [](const QWidget* w) {
      if (!w->objectName().isEmpty()) return w->objectName();
      const auto* button = qobject_cast<const QPushButton*>(w);
      return button ? button->text() : QString("?");
    };
    d->findChild<QWidget*>(order.front())->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i <= order.size(); ++i) {
      visited << nameOf(QApplication::focusWidget());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, order + QStringList{order.front()});
  }

  void valueWithoutNumberIsRefusedByName_data() {
    QTest::addColumn<QString>("dialog");  // NewPoint, a kind of 新建过程, or EpsilonLine
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("notice");  // none: accepted
    QTest::newRow("新建状态点, letters") << "NewPoint"
                                         << "abc"
                                         << "50"
                                         << "「干球温度 t ℃」不是数字";
    QTest::newRow("新建状态点, digits after a word") << "NewPoint"
                                                     << "25"
                                                     << "约50"
                                                     << "「相对湿度 φ %」不是数字";
    QTest::newRow("新建状态点, blank") << "NewPoint"
                                       << " "
                                       << "50"
                                       << "请输入具体参数";
    QTest::newRow("新建状态点, number and unit") << "NewPoint"
                                                 << "25 ℃"
                                                 << "50"
                                                 << "";
    QTest::newRow("加热") << "加热"
                          << "abc"
                          << ""
                          << "「终点干球温度 t ℃」不是数字";
    QTest::newRow("送风状态点, ε") << "送风状态点"
                                   << "-"
                                   << "8"
                                   << "「热湿比 ε kJ/kg」不是数字";
    QTest::newRow("冷却除湿, second") << "冷却除湿"
                                      << "14"
                                      << "x"
                                      << "「相对湿度 φ %」不是数字";
    QTest::newRow("热湿比线") << "EpsilonLine"
                              << "abc"
                              << ""
                              << "「热湿比 ε kJ/kg」不是数字";
    QTest::newRow("热湿比线, ∞") << "EpsilonLine"
                                 << "∞"
                                 << ""
                                 << "";
  }

  void valueWithoutNumberIsRefusedByName() {
    QFETCH(QString, dialog);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, notice);
    ui::ChartWindow window;
    window.show();
    addTwoPoints(window);
    const auto made = [&window] {
      return window.points().size() + window.processes().lines().size();
    };
    const std::size_t before = made();
    QList<testsupport::Notice> seen;
    if (dialog == "EpsilonLine") {
      QTimer typeIn;  // answers the input dialog as a user would
      typeIn.setInterval(10);
      connect(&typeIn, &QTimer::timeout, [&first] {
        if (auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
          d->setTextValue(first);
          d->accept();
        }
      });
      typeIn.start();
      seen = answerNotices([&window] { window.findChild<QAction*>("EpsilonLine")->trigger(); });
    } else {
      QDialog* d = openDialog(window, dialog == "NewPoint" ? "NewPoint" : "NewProcess");
      QVERIFY(d);
      if (dialog != "NewPoint") pickByText(d->findChild<QComboBox*>("ProcessKind"), dialog);
      d->findChild<QLineEdit*>("FirstValue")->setText(first);
      d->findChild<QLineEdit*>("SecondValue")->setText(second);
      seen = answerNotices([d] { d->accept(); });
      QCOMPARE(d->isVisible(), !notice.isEmpty());  // open to be put right
    }
    QCOMPARE(seen.size(), notice.isEmpty() ? 0 : 1);
    if (!seen.isEmpty()) {
      QCOMPARE(seen.front().title, QString("提示信息"));
      QCOMPARE(seen.front().text, notice);
      QCOMPARE(seen.front().buttons, QStringList{"确定"});
    }
    QCOMPARE(made(), before + (notice.isEmpty() ? 1 : 0));
  }

  // After a mixing of 0.8 : 0.2 and a heating to 30 ℃, each kind opens on its own values, none on
  // another kind's; and 送风状态点 left empty is refused, not made at Δt 0.2 K.
  void eachKindKeepsItsOwnValues() {
    ui::ChartWindow window;
    window.show();
    addTwoPoints(window);
    struct Step {
      const char* kind;
      const char* first;  // shown when the kind is picked
      const char* second;
      const char* quantity;  // the first quantity shown, where the kind offers a choice
      const char* type;      // typed into the first value, then 确定; none: cancelled
    };
    const Step steps[] = {
        {"送风状态点", "", "", nullptr, nullptr},      {"加热", "", "", nullptr, "30"},
        {"等焓加湿", "", "", "相对湿度 φ %", nullptr}, {"加热", "30", "", nullptr, nullptr},
        {"混合", "0.8", "0.2", nullptr, nullptr},
    };
    QDialog* d = openDialog(window, "NewProcess");
    QVERIFY(d);
    const auto field = [d](const char* name) { return d->findChild<QLineEdit*>(name); };
    pickByText(d->findChild<QComboBox*>("ProcessKind"), "混合");
    pickByText(d->findChild<QComboBox*>("OtherPoint"), "A");
    field("FirstValue")->setText("0.8");
    field("SecondValue")->setText("0.2");
    QVERIFY(answerNotices([d] { d->accept(); }).isEmpty());
    for (const Step& s : steps) {
      if (!d->isVisible()) d = openDialog(window, "NewProcess");
      pickByText(d->findChild<QComboBox*>("ProcessKind"), QString::fromUtf8(s.kind));
      QCOMPARE(field("FirstValue")->text(), QString::fromUtf8(s.first));
      QCOMPARE(field("SecondValue")->text(), QString::fromUtf8(s.second));
      if (s.quantity)
        QCOMPARE(d->findChild<QComboBox*>("FirstQuantity")->currentText(),
                 QString::fromUtf8(s.quantity));
      if (s.type) {
        field("FirstValue")->setText(s.type);
        QVERIFY(answerNotices([d] { d->accept(); }).isEmpty());
      }
    }
    pickByText(d->findChild<QComboBox*>("ProcessKind"), "送风状态点");
    const auto seen = answerNotices([d] { d->accept(); });
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.front().text, QString("请输入具体参数"));
    QCOMPARE(window.processes().processes().size(), 2u);  // the mixing and the heating
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"

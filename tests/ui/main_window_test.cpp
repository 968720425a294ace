// The main window as a user drives it: start-up state, calculations typed and clicked, the
// notices, the tab order, the result boxes and the accessible names, the pressure in force and its
// dialog, greyed results and 复制全部结果.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "calc/calculate.h"
#include "calc/messages.h"
#include "calc/pressure_setting.h"
#include "support/notices.h"
#include "support/recording_window.h"
#include "ui/main_window.h"

namespace {

using testsupport::answerNotices;
using testsupport::Notice;

const QStringList resultNames{"Text1", "Text2", "Text3", "Text4",  "Text5", "Text6",
                              "Text7", "Text8", "Text9", "Text10", "Text13"};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ui::MainWindow> form_;

  template <class W = QWidget>
  W* find(const QString& name) {
    W* w = form_->findChild<W*>(name);
    if (!w) qFatal("no widget %s", qPrintable(name));
    return w;
  }

  // Types the inputs into the boxes and picks the route on Combo2 with the keyboard.
  void enter(const QString& t, const QString& second, int route) {
    auto* combo2 = find<QComboBox>("Combo2");
    while (combo2->currentIndex() < route) QTest::keyClick(combo2, Qt::Key_Down);
    while (combo2->currentIndex() > route) QTest::keyClick(combo2, Qt::Key_Up);
    for (const auto& [name, value] : {std::pair{"Text11", t}, std::pair{"Text12", second}}) {
      auto* box = find<QLineEdit>(name);
      QTest::mouseClick(box, Qt::LeftButton);
      box->clear();
      QTest::keyClicks(box, value);
    }
  }

  QStringList results() {
    QStringList texts;
    for (const QString& name : resultNames) texts << find<QLineEdit>(name)->text();
    return texts;
  }

 private slots:
  void init() {
    form_ = std::make_unique<ui::MainWindow>();
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }
  void cleanup() { form_.reset(); }

  void startsWithEmptyBoxesAndFirstEntries() {
    QCOMPARE(form_->windowTitle(), "Torvale");
    const QList<QSize> iconSizes = form_->windowIcon().availableSizes();  // built-in resources
    QVERIFY(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)));
    auto* combo1 = find<QComboBox>("Combo1");
    auto* combo2 = find<QComboBox>("Combo2");
    QCOMPARE(combo1->count(), 1);
    QCOMPARE(combo1->itemText(0), "干球温度 ℃");
    QCOMPARE(combo2->count(), 2);
    QCOMPARE(combo2->itemText(0), "湿球温度 ℃");
    QCOMPARE(combo2->itemText(1), "相对湿度 %");
    QCOMPARE(combo1->currentIndex(), 0);
    QCOMPARE(combo2->currentIndex(), 0);
    QVERIFY(!combo1->isEditable() && !combo2->isEditable());
    QTest::keyClicks(combo2, "25");  // typing on a list picks nothing and adds nothing
    QCOMPARE(combo2->count(), 2);

    const QList<QLineEdit*> boxes = form_->findChildren<QLineEdit*>();
    QCOMPARE(boxes.size(), 13);
    for (QLineEdit* box : boxes) QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
  }

  void calculatesAsTyped_data() {
    QTest::addColumn<QString>("t");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("route");
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QStringList>("expected");
    const QStringList wet{"Text1=25.00", "Text2=63.5", "Text3=20.00", "Text5=17.63", "Text7=12.61"};
    const QStringList rh{"Text1=25.00", "Text2=50.0", "Text7=9.88"};
    QTest::newRow("wet bulb, 计算 clicked") << "25"
                                            << "20" << 0 << "click" << wet;
    QTest::newRow("wet bulb, Enter in Text12") << "25"
                                               << "20" << 0 << "Text12" << wet;
    QTest::newRow("wet bulb, Enter in Text11") << "25"
                                               << "20" << 0 << "Text11" << wet;
    QTest::newRow("relative humidity, 计算 clicked") << "25"
                                                     << "50" << 1 << "click" << rh;
    QTest::newRow("relative humidity, Enter in Text12") << "25"
                                                        << "50" << 1 << "Text12" << rh;
  }

  void calculatesAsTyped() {
    QFETCH(QString, t);
    QFETCH(QString, second);
    QFETCH(int, route);
    QFETCH(QString, trigger);
    QFETCH(QStringList, expected);
    enter(t, second, route);
    const QList<Notice> notices = answerNotices([&] {
      if (trigger == "click") {
        QTest::mouseClick(find("Command1"), Qt::LeftButton);
      } else {
        find(trigger)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      }
    });
    QCOMPARE(notices.size(), 0);
    for (const QString& pair : expected) {
      const QStringList nameValue = pair.split('=');
      QCOMPARE(find<QLineEdit>(nameValue[0])->text(), nameValue[1]);
    }
    for (const QString& text : results()) QVERIFY(!text.isEmpty());
  }

  void refusesBadInputWithOneNotice_data() {
    QTest::addColumn<QString>("t");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("route");
    QTest::addColumn<QString>("message");
    QTest::newRow("dry bulb missing") << ""
                                      << "20" << 0 << "请输入具体参数";
    QTest::newRow("humidity zero") << "25"
                                   << "0" << 1 << "相对湿度φ必须为：0％～100％";
    QTest::newRow("dry bulb too hot") << "150"
                                      << "20" << 0 << "干球温度t超界";
    QTest::newRow("wet bulb above dry") << "25"
                                        << "26" << 0 << "tw > t；输入参数有误";
    QTest::newRow("no such state") << "10"
                                   << "-5" << 0 << "该状态点不存在";
  }

  void refusesBadInputWithOneNotice() {
    QFETCH(QString, t);
    QFETCH(QString, second);
    QFETCH(int, route);
    QFETCH(QString, message);
    enter("25", "20", 0);
    QCOMPARE(answerNotices([&] { find<QPushButton>("Command1")->click(); }).size(), 0);
    const QStringList before = results();

    enter(t, second, route);
    const QList<Notice> notices =
        answerNotices([&] { QTest::mouseClick(find("Command1"), Qt::LeftButton); });
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices[0].title, "提示信息");
    QCOMPARE(notices[0].text, message);
    QCOMPARE(notices[0].buttons, QStringList{"确定"});
    // Room for the title in a window manager's larger bold font beside its buttons.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    QVERIFY(notices[0].width > QFontMetrics(titleFont).horizontalAdvance("提示信息") + 100);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(results(), before);
  }

  void tabVisitsControlsInTabIndexOrder() {
    const QStringList expected{"Text1",  "Text2",  "Text3",  "Text4", "Text5",  "Command1",
                               "Text6",  "Text7",  "Text8",  "Text9", "Text10", "Combo1",
                               "Text11", "Combo2", "Text12", "Text13"};
    QWidget* start = find("Text1");
    QStringList visited;
    QWidget* w = start;
    do {
      if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
        visited << w->objectName();
      w = w->nextInFocusChain();
    } while (w != start && visited.size() <= expected.size());
    QCOMPARE(visited, expected);
    QCOMPARE(QApplication::focusWidget(), find("Text11"));  // typing starts with the dry bulb
  }

  void resultBoxesCopyButRefuseTyping() {
    enter("25", "20", 0);
    find<QPushButton>("Command1")->click();
    auto* box = find<QLineEdit>("Text1");
    box->setFocus();
    QTest::keyClicks(box, "9");
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), "25.00");
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), "25.00");
  }

  void boxesAreNamedByTheirCaptions_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("route");
    QTest::addColumn<QString>("name");
    QTest::newRow("Text1") << "Text1" << 0 << "干球温度 ℃";
    QTest::newRow("Text2 (full-width ％)") << "Text2" << 0 << "相对湿度 ％";
    QTest::newRow("Text6 with its raised 3") << "Text6" << 0 << "密度 kg/m³";
    QTest::newRow("Text13") << "Text13" << 0 << "普朗特数";
    QTest::newRow("Text11 by Combo1") << "Text11" << 0 << "干球温度 ℃";
    QTest::newRow("Text12 on the wet-bulb route") << "Text12" << 0 << "湿球温度 ℃";
    QTest::newRow("Text12 follows Combo2") << "Text12" << 1 << "相对湿度 %";
  }

  void boxesAreNamedByTheirCaptions() {
    QFETCH(QString, box);
    QFETCH(int, route);
    QFETCH(QString, name);
    enter("", "", route);
    QCOMPARE(find(box)->accessibleName(), name);
  }

  void pressureDialog_data() {
    QTest::addColumn<QString>("choice");  // the dialog's row, then what is typed in it
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("unit");         // 0 Pa, 1 kPa
    QTest::addColumn<double>("pressure");  // in force afterwards
    QTest::addColumn<QString>("message");  // in the dialog, which then stays open
    auto row = [](const char* name, QString choice, QString typed, int unit, double pa,
                  std::string_view message) {
      QTest::newRow(name) << choice << typed << unit << pa << QString::fromUtf8(message);
    };
    row("standard", "StandardPressure", "", 0, 101325, "");
    row("Pa", "ByPressure", "89875", 0, 89875, "");
    row("kPa", "ByPressure", "65.5", 1, 65500, "");
    row("altitude", "ByAltitude", "4000", 0, 61640, "");
    row("kPa typed as Pa", "ByPressure", "81", 0, 81000,
        calc::words(psychro::Outcome::pressureRange));
    row("unreadable Pa", "ByPressure", "8l000", 0, 81000, "「大气压力」不是数字");
    row("decimal comma", "ByPressure", "101,3", 1, 81000, "「大气压力」不是数字（小数点请用“.”）");
    row("altitude too high", "ByAltitude", "9001", 0, 81000,
        calc::words(psychro::Outcome::altitudeRange));
  }

  // From 81000 Pa, an entry typed into the dialog, then 确定.
  void pressureDialog() {
    QFETCH(QString, choice);
    QFETCH(QString, typed);
    QFETCH(int, unit);
    QFETCH(double, pressure);
    QFETCH(QString, message);
    form_->setPressure(81000);
    QSignalSpy changed(form_.get(), &ui::MainWindow::pressureChanged);
    form_->findChild<QAction*>("Pressure")->trigger();
    QCOMPARE(find<QLineEdit>("PressureText")->text(), "81000");  // opens on the pressure in force
    QTest::mouseClick(find(choice), Qt::LeftButton);
    if (choice != "StandardPressure") {
      auto* entry = find<QLineEdit>(choice == "ByAltitude" ? "AltitudeText" : "PressureText");
      entry->clear();
      QTest::keyClicks(entry, typed);
    }
    find<QComboBox>("PressureUnit")->setCurrentIndex(unit);
    if (choice == "ByAltitude" && message.isEmpty())
      QCOMPARE(find<QLabel>("AltitudePascals")->text(), "即 61640 Pa");  // shown before 确定
    QTest::mouseClick(find("OK"), Qt::LeftButton);

    QCOMPARE(find("PressureDialog")->isVisible(), !message.isEmpty());
    QCOMPARE(find<QLabel>("PressureMessage")->text(), message);
    QCOMPARE(form_->pressure(), pressure);
    QCOMPARE(changed.size(), message.isEmpty() ? 1 : 0);
    auto* label = find<QLabel>("PressureLabel");
    QCOMPARE(label->isVisible(), pressure != 101325);
    if (label->isVisible()) {
      QCOMPARE(label->text(), QString("大气压力 %1 Pa").arg(pressure));
      QCOMPARE(label->accessibleName(), label->text());
    }
  }

  // At 1000 m the window shows what calc gives at that pressure; the sheet copied (by the
  // shortcut, then from a result box's context menu) holds the inputs and pressure that gave the
  // results, even after the inputs have changed.
  void calculatesAndCopiesAtThePressureInForce() {
    form_->setPressure(89875);
    enter("25", "20", 0);
    find<QPushButton>("Command1")->click();
    RecordingWindow reference("25", "20", calc::Route::wetBulb);
    calc::calculateCommand(reference, nullptr, 89875);
    const QString d = QString::fromStdString(reference.results[calc::Output::moisture]);
    QCOMPARE(find<QLineEdit>("Text7")->text(), d);
    QVERIFY(d != "12.61");  // the standard pressure's value

    enter("30", "20", 1);
    QTest::keyClick(find("Text11"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    QCOMPARE(lines.size(), 15);  // fourteen and the empty text after the last line break
    QCOMPARE(lines.mid(0, 3),
             (QStringList{"干球温度 ℃\t25", "湿球温度 ℃\t20", "大气压力 Pa\t89875"}));
    QCOMPARE(lines[9], "含湿量 g/kg\t" + d);

    QGuiApplication::clipboard()->clear();
    QTimer::singleShot(0, [] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      for (QAction* a : menu ? menu->actions() : QList<QAction*>())
        if (a->objectName() == "CopyAll") a->trigger();
      if (menu) menu->close();
    });
    QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(find("Text4"), &menuRequest);
    QCOMPARE(QGuiApplication::clipboard()->text().split('\n'), lines);
  }

  // 设置 → 计算方法 → ASHRAE 2017: named beside the pressure (apart from it, whole), used by 计算
  // and stated in the copied sheet; back to 经典 the name goes. A design opened with its own
  // arithmetic brings the window to it, as it does its pressure.
  void calculatesWithTheArithmeticInForce() {
    form_->setPressure(110000);
    enter("40", "20", 0);
    find<QAction>("ArithmeticAshrae")->trigger();
    auto* label = find<QLabel>("ArithmeticLabel");
    const QRect pressure = find<QLabel>("PressureLabel")->geometry();
    QVERIFY(label->isVisible() && label->text() == "ASHRAE 2017");
    QVERIFY(!label->geometry().intersects(pressure));
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
    find<QPushButton>("Command1")->click();
    RecordingWindow reference("40", "20", calc::Route::wetBulb);
    calc::calculateCommand(reference, nullptr, 110000, psychro::Arithmetic::ashrae2017);
    QCOMPARE(find<QLineEdit>("Text7")->text(),
             QString::fromStdString(reference.results[calc::Output::moisture]));
    QTest::keyClick(find("Text11"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text().split('\n')[3], "计算方法\tASHRAE 2017");
    find<QAction>("ArithmeticClassic")->trigger();
    QVERIFY(!label->isVisible());

    QTemporaryDir dir;
    const QString path = dir.filePath("a.torvale");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "torvale-workspace", "version": 1, "pressure": 89875,
                   "model": "ashrae-2017", "points": []})");
    file.close();
    form_->openWorkspace(path);
    QCOMPARE(form_->arithmetic(), psychro::Arithmetic::ashrae2017);
    QVERIFY(find<QAction>("ArithmeticAshrae")->isChecked() && label->isVisible());
  }

  void resultsGreyUntilTheNextSuccess_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("then");  // the dry bulb 计算 is pressed with afterwards, if any
    QTest::addColumn<int>("greyed");    // result boxes greyed at the end
    QTest::newRow("dry bulb typed") << QString("Text11") << QString() << 11;
    QTest::newRow("selector changed") << QString("Combo2") << QString() << 11;
    QTest::newRow("pressure changed") << QString("pressure") << QString() << 11;
    QTest::newRow("then a successful 计算") << QString("Text12") << QString("26") << 0;
    QTest::newRow("then a failed 计算") << QString("Text12") << QString("-80") << 11;
  }

  void resultsGreyUntilTheNextSuccess() {
    QFETCH(QString, change);
    QFETCH(QString, then);
    QFETCH(int, greyed);
    auto greys = [this] {
      int n = 0;
      for (const QString& name : resultNames) {
        const QPalette p = find(name)->palette();
        n += p.color(QPalette::Text) == p.color(QPalette::Disabled, QPalette::Text);
      }
      return n;
    };
    enter("25", "20", 0);
    QCOMPARE(greys(), 0);  // nothing shown yet, nothing greyed
    form_->findChild<QAction*>("Chart")->trigger();
    find<QPushButton>("Command1")->click();
    const QStringList shown = results();
    QCOMPARE(greys(), 0);
    if (change == "Combo2")
      QTest::keyClick(find(change), Qt::Key_Down);
    else if (change == "pressure")
      form_->setPressure(89875);
    else
      QTest::keyClicks(find(change), "5");
    QCOMPARE(greys(), 11);
    if (!then.isEmpty()) {
      enter(then, "20", 0);
      answerNotices([this] { find<QPushButton>("Command1")->click(); });
    }
    QCOMPARE(greys(), greyed);
    QCOMPARE(results() == shown, greyed > 0);  // greyed texts are kept, and still selectable
    QVERIFY(find("Text1")->isEnabled());
    // 加入当前状态点, here and in the chart window, adds only a state the inputs still give.
    QList<QAction*> adds{form_->findChild<QAction*>("AddPoint")};
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* chart = w->findChild<QAction*>("AddCurrentPoint")) adds << chart;
    QCOMPARE(adds.size(), 2);
    for (QAction* add : adds) {
      QCOMPARE(add->isEnabled(), greyed == 0);
      QCOMPARE(add->toolTip() == "结果已过时：请先按 计算", greyed > 0);
    }
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

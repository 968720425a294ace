// The main window as a user drives it: start-up state, calculations typed and clicked, the
// notices, the tab order, the result boxes and the accessible names.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ui/form1.h"

namespace {

struct Notice {
  QString title;
  QString text;
  QStringList buttons;
};

// Runs action and answers every modal message box it raises by clicking its first button,
// recording what each one said.
QList<Notice> answerNotices(const std::function<void()>& action) {
  QList<Notice> seen;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    Notice notice{box->windowTitle(), box->text(), {}};
    for (QAbstractButton* b : box->buttons()) notice.buttons << b->text();
    seen << notice;
    if (box->buttons().isEmpty())
      box->reject();  // would leave the user stuck; the comparison below reports it
    else
      QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
  });
  poll.start();
  action();
  return seen;
}

const QStringList resultNames{"Text1", "Text2", "Text3", "Text4",  "Text5", "Text6",
                              "Text7", "Text8", "Text9", "Text10", "Text13"};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ui::Form1> form_;

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
    form_ = std::make_unique<ui::Form1>();
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
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

// The main window's geometry: rectangles from the twips table at the scale in use, and a layout
// that fits its texts whatever the platform font.
#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtTest>
#include <cmath>

#include "ui/form1.h"

namespace {

QRect scaled(const QRect& twips, double scale) {
  auto px = [scale](int v) { return static_cast<int>(std::lround(v / 15.0 * scale)); };
  return {px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())};
}

QWidget* control(const QWidget& form, const QString& name, int index) {
  for (QWidget* w : form.findChildren<QWidget*>(name))
    if (index < 0 || w->property("index").toInt() == index) return w;
  return nullptr;
}

}  // namespace

class MainWindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsSitAtTheirScaledTwips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Frame1") << "Frame1" << -1 << "client" << QRect(120, 0, 5895, 855);
    QTest::newRow("Combo1") << "Combo1" << -1 << "Frame1" << QRect(240, 360, 1335, 315);
    QTest::newRow("Text11") << "Text11" << -1 << "Frame1" << QRect(1560, 360, 855, 285);
    QTest::newRow("Text12") << "Text12" << -1 << "Frame1" << QRect(4440, 360, 855, 285);
    QTest::newRow("Command1") << "Command1" << -1 << "client" << QRect(240, 960, 1335, 375);
    QTest::newRow("Text1") << "Text1" << -1 << "client" << QRect(1440, 1560, 975, 285);
    QTest::newRow("Text10") << "Text10" << -1 << "client" << QRect(4680, 3480, 975, 285);
    QTest::newRow("Text13") << "Text13" << -1 << "client" << QRect(1440, 3960, 975, 285);
    QTest::newRow("Label3 index 1") << "Label3" << 1 << "client" << QRect(360, 3960, 1050, 195);
  }

  void controlsSitAtTheirScaledTwips() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    ui::Form1 form;
    QWidget* w = control(form, name, index);
    QVERIFY(w);
    QCOMPARE(w->parentWidget()->objectName(), container);
    QCOMPARE(w->geometry(), scaled(twips, form.layoutScale()));
    QCOMPARE(form.centralWidget()->size(),
             scaled(QRect(0, 0, 6255, 4440), form.layoutScale()).size());
  }

  void textsFitWhateverTheFont_data() {
    QTest::addColumn<QFont>("font");
    QTest::addColumn<bool>("unscaled");
    QTest::newRow("small 6 pt fits the drawn layout") << QFont("DejaVu Sans", 6) << true;
    QTest::newRow("9 pt") << QFont("DejaVu Sans", 9) << false;
    QTest::newRow("large 16 pt") << QFont("DejaVu Sans", 16) << false;
    QTest::newRow("CJK family 12 pt") << QFont("WenQuanYi Micro Hei", 12) << false;
    QTest::newRow("pixel-sized 30 px") << [] {
      QFont f("DejaVu Sans");
      f.setPixelSize(30);
      return f;
    }() << false;
  }

  void textsFitWhateverTheFont() {
    QFETCH(QFont, font);
    QFETCH(bool, unscaled);
    const QFont previous = QApplication::font();
    QApplication::setFont(font);
    ui::Form1 form;
    QApplication::setFont(previous);
    if (unscaled) QCOMPARE(form.layoutScale(), 1.0);

    for (QLabel* label : form.findChildren<QLabel*>()) {
      const QFontMetricsF fm(label->font());
      QVERIFY2(fm.horizontalAdvance(label->text()) <= label->width() + 0.5,
               qPrintable(label->objectName()));
      QVERIFY2(fm.height() <= label->height() + 0.5, qPrintable(label->objectName()));
    }
    for (QComboBox* combo : form.findChildren<QComboBox*>()) {
      QStyleOptionComboBox option;
      option.initFrom(combo);
      const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, combo);
      for (int i = 0; i < combo->count(); ++i)
        QVERIFY(combo->fontMetrics().horizontalAdvance(combo->itemText(i)) < field.width());
      QVERIFY(combo->fontMetrics().height() <= field.height());
    }
    for (QLineEdit* box : form.findChildren<QLineEdit*>())
      QVERIFY(box->minimumSizeHint().height() <= box->height());

    // Each caption ends before its box.
    const QList<std::pair<QString, QString>> pairs{{"Label4", "Text1"},
                                                   {"Label6", "Text6"},
                                                   {"Label10", "Text10"},
                                                   {"Label9", "Text9"},
                                                   {"Label11", "Text6"}};
    for (const auto& [label, box] : pairs)
      QVERIFY2(control(form, label, -1)->geometry().right() < control(form, box, -1)->x(),
               qPrintable(label));

    // The 3 of kg/m³ starts where the m ends and stands raised, within the caption's ascent.
    auto* base = form.findChild<QLabel*>("Label6");
    auto* raised = form.findChild<QLabel*>("Label11");
    const QFontMetricsF bm(base->font());
    const QFontMetricsF sm(raised->font());
    QCOMPARE(raised->text(), "3");
    QVERIFY(sm.height() < bm.height());
    QVERIFY(std::abs(raised->x() - (base->x() + bm.horizontalAdvance(base->text()))) <= 1);
    const double baseBaseline = base->y() + (base->height() - bm.height()) / 2 + bm.ascent();
    const double raisedBaseline = raised->y() + sm.ascent();
    QVERIFY(raisedBaseline < baseBaseline - 1);
    QVERIFY(raisedBaseline > baseBaseline - bm.ascent());
  }
};

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"

// The main window's geometry: rectangles from the twips table at the scale in use, controls
// inside the window and apart, and a layout that fits its texts whatever the platform font.
#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "ui/main_window.h"
#include "ui/main_window_layout.h"

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
    QTest::newRow("Frame1") << "Frame1" << -1 << "client";
    QTest::newRow("Combo1") << "Combo1" << -1 << "Frame1";
    QTest::newRow("Text11") << "Text11" << -1 << "Frame1";
    QTest::newRow("Text12") << "Text12" << -1 << "Frame1";
    QTest::newRow("Command1") << "Command1" << -1 << "client";
    QTest::newRow("Text1") << "Text1" << -1 << "client";
    QTest::newRow("Text10") << "Text10" << -1 << "client";
    QTest::newRow("Text13") << "Text13" << -1 << "client";
    QTest::newRow("Label3 index 1") << "Label3" << 1 << "client";
  }

  // Each control stands where the window's twips table puts it, at the scale in use.
  void controlsSitAtTheirScaledTwips() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, container);
    ui::MainWindow form;
    QWidget* w = control(form, name, index);
    QVERIFY(w);
    QCOMPARE(w->parentWidget()->objectName(), container);
    const auto p = std::find_if(
        ui::main_window::placements.begin(), ui::main_window::placements.end(),
        [&](const ui::main_window::Placement& r) {
          return name == QString::fromUtf8(r.name.data(), static_cast<qsizetype>(r.name.size())) &&
                 r.index == index;
        });
    QVERIFY(p != ui::main_window::placements.end());
    const QRect twips(p->twips.left, p->twips.top, p->twips.width, p->twips.height);
    QCOMPARE(w->geometry(), scaled(twips, form.layoutScale()));
    QCOMPARE(form.centralWidget()->size(),
             scaled(QRect(0, 0, ui::main_window::clientWidth, ui::main_window::clientHeight),
                    form.layoutScale())
                 .size());
  }

  // Whatever the font and scale, every control lies inside its container and no two overlap by
  // more than the table's 15-twip joins (a selector's edge under its box's); a caption and its
  // raised suffix, Label6 and Label11, read as one.
  void controlsLieInsideTheWindowApart_data() {
    QTest::addColumn<QFont>("font");
    QTest::newRow("9 pt") << QFont("DejaVu Sans", 9);
    QTest::newRow("large 16 pt") << QFont("DejaVu Sans", 16);
  }

  void controlsLieInsideTheWindowApart() {
    QFETCH(QFont, font);
    const QFont previous = QApplication::font();
    QApplication::setFont(font);
    ui::MainWindow form;
    QApplication::setFont(previous);
    const int joint = static_cast<int>(std::ceil(form.layoutScale()));  // 15 twips, in pixels
    const auto core = [joint](const QWidget* w) { return w->geometry().adjusted(0, 0, -joint, 0); };
    for (const char* container : {"client", "Frame1"}) {
      auto* parent = form.findChild<QWidget*>(container);
      QVERIFY(parent);
      const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
      for (QWidget* w : children) {
        if (w->isHidden() || w->objectName().isEmpty()) continue;
        QVERIFY2(parent->rect().contains(w->geometry()), qPrintable(w->objectName()));
        for (QWidget* other : children) {
          if (other == w || other->isHidden() || other->objectName().isEmpty()) continue;
          const QSet<QString> pair{w->objectName(), other->objectName()};
          if (pair == QSet<QString>{"Label6", "Label11"}) continue;
          QVERIFY2(!core(w).intersects(core(other)),
                   qPrintable(w->objectName() + " overlaps " + other->objectName()));
        }
      }
    }
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
    ui::MainWindow form;
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

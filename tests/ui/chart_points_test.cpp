// The state points of the 焓湿图 window: added from the main window, through 新建状态点… and by a
// double-click; renamed, deleted and reordered in the table; copied, exported and printed; and the
// view zoomed, panned and reset.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QWheelEvent>
#include <QtTest>

#include "chart/curves.h"
#include "support/notices.h"
#include "ui/chart_print.h"
#include "ui/chart_text.h"
#include "ui/chart_widget.h"
#include "ui/chart_window.h"
#include "ui/climate_menus.h"
#include "ui/design_files.h"
#include "ui/design_output.h"
#include "ui/main_window.h"
#include "ui/point_dialog.h"

namespace {

using testsupport::answerNotices;

// Columns of the table: name, how given, then the eleven results (含湿量 is the seventh).
constexpr int givenColumn = 1, moistureColumn = 8;

QString cell(const QTableView& table, int row, int column) {
  return table.model()->index(row, column).data().toString();
}

QStringList names(const QTableView& table) {
  QStringList out;
  for (int r = 0; r < table.model()->rowCount(); ++r) out << cell(table, r, 0);
  return out;
}

workspace::TypedPair tRh(const char* t, const char* φ) {
  return {{psychro::Quantity::t, psychro::Quantity::rh}, t, φ};
}

// The pixel of the chart where air at t, °C, and φ (fraction) is marked.
QPoint pixelOf(const ui::ChartWidget& chart, double t, double φ) {
  const chart::Pixel p =
      chart.mapping().toPixel(chart::atTemperature(t, *chart::moistureAt(t, φ, chart.pressure())));
  return {qRound(p.x), qRound(p.y)};
}

}  // namespace

class ChartPointsTest : public QObject {
  Q_OBJECT

 private slots:
  void mainWindowAddsItsStateAtThePressureInForce() {
    ui::MainWindow form;
    form.show();
    QAction* add = form.findChild<QAction*>("AddPoint");
    QCOMPARE(add->shortcut(), QKeySequence("Ctrl+D"));
    QVERIFY(!add->isEnabled());  // nothing calculated yet
    form.findChild<QLineEdit*>("Text11")->setText("25");
    form.findChild<QLineEdit*>("Text12")->setText("20");
    form.findChild<QPushButton*>("Command1")->click();
    add->trigger();
    form.findChild<QComboBox*>("Combo2")->setCurrentIndex(1);
    form.findChild<QLineEdit*>("Text12")->setText("50");
    form.findChild<QPushButton*>("Command1")->click();
    add->trigger();

    ui::ChartWindow* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* c = qobject_cast<ui::ChartWindow*>(w)) window = c;
    QVERIFY(window && window->isVisible());
    const QTableView& table = window->table();
    QCOMPARE(table.accessibleName(), QString("状态点"));
    QCOMPARE(names(table), (QStringList{"A", "B"}));
    QCOMPARE(cell(table, 0, givenColumn), QString("t=25, tw=20"));
    QCOMPARE(cell(table, 1, givenColumn), QString("t=25, φ=50%"));
    QCOMPARE(cell(table, 1, moistureColumn), form.findChild<QLineEdit*>("Text7")->text());

    form.setPressure(65000);  // Lhasa: the chart and its points follow
    QCOMPARE(window->chart().pressure(), 65000.0);
    QCOMPARE(cell(table, 1, moistureColumn), QString("15.54"));
  }

  void dialogAddsAnyPair_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<QString>("a");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("given");
    // Selector entries: 0 t, 1 tw, 2 φ, 3 tl, 4 d, 5 h.
    QTest::newRow("dry bulb and humidity") << 0 << "25" << 2 << "50"
                                           << ""
                                           << "t=25, φ=50%";
    QTest::newRow("enthalpy and moisture") << 5 << "50" << 4 << "10"
                                           << ""
                                           << "h=50, d=10";
    QTest::newRow("dew point and humidity") << 3 << "10" << 2 << "60"
                                            << ""
                                            << "tl=10, φ=60%";
    QTest::newRow("input method's full stop") << 0 << "25。5" << 1 << "20"
                                              << ""
                                              << "t=25.5, tw=20";
    QTest::newRow("value missing") << 0 << "25" << 2 << ""
                                   << "请输入具体参数"
                                   << "";
    QTest::newRow("value blank") << 0 << " " << 2 << "50"
                                 << "请输入具体参数"
                                 << "";
    // Read as 0 by the main window; the dialog names the field instead.
    QTest::newRow("value with no number") << 0 << "abc" << 2 << "50"
                                          << "「干球温度 t ℃」不是数字"
                                          << "";
    QTest::newRow("wet bulb above dry bulb") << 0 << "20" << 1 << "25"
                                             << "tw > t；输入参数有误"
                                             << "";
    QTest::newRow("humidity above 100 %") << 0 << "25" << 2 << "120"
                                          << "相对湿度φ必须为：0％～100％"
                                          << "";
    QTest::newRow("pair that fixes no state") << 3 << "10" << 4 << "10"
                                              << "这两个参数不能确定状态点"
                                              << "";
  }

  void dialogAddsAnyPair() {
    QFETCH(int, first);
    QFETCH(QString, a);
    QFETCH(int, second);
    QFETCH(QString, b);
    QFETCH(QString, notice);
    QFETCH(QString, given);
    ui::ChartWindow window;
    window.show();
    window.findChild<QAction*>("NewPoint")->trigger();
    auto* dialog = window.findChild<ui::PointDialog*>();
    QVERIFY(dialog && dialog->isVisible());
    dialog->findChild<QComboBox*>("FirstQuantity")->setCurrentIndex(first);
    dialog->findChild<QLineEdit*>("FirstValue")->setText(a);
    dialog->findChild<QComboBox*>("SecondQuantity")->setCurrentIndex(second);
    dialog->findChild<QLineEdit*>("SecondValue")->setText(b);
    QPushButton* ok = nullptr;
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      if (button->text() == "确定") ok = button;
    QVERIFY(ok);
    const auto notices = answerNotices([ok] { ok->click(); });
    if (notice.isEmpty()) {
      QCOMPARE(notices.size(), 0);
      QVERIFY(!dialog->isVisible());
      QCOMPARE(cell(window.table(), 0, givenColumn), given);
    } else {
      QCOMPARE(notices.size(), 1);
      QCOMPARE(notices.front().title, QString("提示信息"));
      QCOMPARE(notices.front().text, notice);
      QVERIFY(dialog->isVisible());  // to be put right
      QCOMPARE(window.table().model()->rowCount(), 0);
    }
  }

  // Tab goes as the dialogs read: row by row, each quantity before its value, then the buttons.
  void dialogsTabInLayoutOrder() {
    ui::ChartWindow window;
    window.show();
    window.document().addPoint(tRh("25", "50"));
    const std::pair<const char*, QStringList> dialogs[] = {
        {"NewPoint",
         {"FirstQuantity", "FirstValue", "SecondQuantity", "SecondValue", "PointName", "确定"}},
        {"NewProcess",
         {"ProcessKind", "FromPoint", "FirstValue", "Flow", "FlowUnit", "OutletName", "确定"}}};
    for (const auto& [action, order] : dialogs) {
      window.findChild<QAction*>(action)->trigger();
      QStringList visited;
      for (QWidget* w = QApplication::activeModalWidget()->findChild<QWidget*>(order.front());
           visited.size() < order.size(); w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible())
          visited << (qobject_cast<QPushButton*>(w) ? qobject_cast<QPushButton*>(w)->text()
                                                    : w->objectName());
      QCOMPARE(visited, order);
      QApplication::activeModalWidget()->close();
    }
  }

  void doubleClickAddsTheStateUnderThePointer() {
    ui::ChartWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ui::ChartWidget& chart = window.chart();
    QTest::mouseDClick(&chart, Qt::LeftButton, {}, pixelOf(chart, 25, 0.5));
    QCOMPARE(window.table().model()->rowCount(), 1);
    const QRegularExpressionMatch m = QRegularExpression("^t=([0-9.]+), φ=([0-9.]+)%$")
                                          .match(cell(window.table(), 0, givenColumn));
    QVERIFY(m.hasMatch());
    QVERIFY(qAbs(m.captured(1).toDouble() - 25) < 0.15);  // within a pixel or so
    QVERIFY(qAbs(m.captured(2).toDouble() - 50) < 0.6);

    // In the fog there is no such air: the main window's notice, and no point.
    const chart::Pixel fog = chart.mapping().toPixel(chart::atTemperature(10, 28));
    const auto notices = answerNotices([&] {
      QTest::mouseDClick(&chart, Qt::LeftButton, {}, QPoint(qRound(fog.x), qRound(fog.y)));
    });
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices.front().text, QString("相对湿度φ必须为：0％～100％"));
    QCOMPARE(window.table().model()->rowCount(), 1);
  }

  void wheelZoomsAboutThePointerDragPansHomeResets() {
    ui::ChartWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ui::ChartWidget& chart = window.chart();
    const QPoint pointer = pixelOf(chart, 20, 0.6);
    const chart::SheetPoint under =
        chart.mapping().toSheet({double(pointer.x()), double(pointer.y())});
    QWheelEvent wheel(pointer, chart.mapToGlobal(QPointF(pointer)), {}, {0, 240}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &wheel);
    const chart::View zoomed = chart.view();
    QVERIFY(zoomed.dMax - zoomed.dMin < 25);
    const chart::SheetPoint after =
        chart.mapping().toSheet({double(pointer.x()), double(pointer.y())});
    QVERIFY(qAbs(after.d - under.d) < 1e-9 && qAbs(after.y - under.y) < 1e-9);

    const double dPerPixel = chart.mapping().dPerPixel();
    QTest::mousePress(&chart, Qt::LeftButton, {}, pointer);
    QMouseEvent move(QEvent::MouseMove, QPointF(pointer - QPoint(100, 0)),
                     chart.mapToGlobal(QPointF(pointer - QPoint(100, 0))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&chart, &move);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, pointer - QPoint(100, 0));
    QVERIFY(qAbs(chart.view().dMin - (zoomed.dMin + 100 * dPerPixel)) < 1e-9);

    QAction* reset = window.findChild<QAction*>("ResetView");
    QCOMPARE(reset->shortcut(), QKeySequence(Qt::Key_Home));
    reset->trigger();
    QCOMPARE(chart.view().dMax, chart::defaultView().dMax);
    QCOMPARE(chart.view().yMin, chart::defaultView().yMin);
  }

  void tableRenamesDeletesAndReorders() {
    ui::ChartWindow window;
    for (const char* t : {"20", "25", "30"}) QVERIFY(!window.document().addPoint(tRh(t, "50")));
    QTableView& table = window.table();
    QAbstractItemModel& model = *table.model();
    QVERIFY(model.setData(model.index(0, 0), "室外 W"));
    QVERIFY(!model.setData(model.index(1, 0), "C"));  // another point's name
    // C dragged to the top.
    std::unique_ptr<QMimeData> dragged(model.mimeData({model.index(2, 0)}));
    model.dropMimeData(dragged.get(), Qt::MoveAction, 0, 0, {});
    QCOMPARE(names(table), (QStringList{"C", "室外 W", "B"}));
    table.selectRow(1);
    window.findChild<QAction*>("DeletePoint")->trigger();
    QCOMPARE(names(table), (QStringList{"C", "B"}));
    QCOMPARE(window.workspace().points().points().front().name,
             std::string("C"));  // the chart's order too
  }

  // A refused rename keeps the name and says why, once the name's editor has closed.
  void refusedRenameSaysWhy_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("notice");
    QTest::newRow("another point's") << "B"
                                     << "已有同名的状态点";
    QTest::newRow("too long") << QString(25, 'x') << "名称不能超过 24 个字符";
    QTest::newRow("blank") << "  "
                           << "名称不能为空";
    QTest::newRow("right-to-left override")
        << QString::fromUtf8("W\u202E") << "名称不能含有文字方向控制符";
    QTest::newRow("accepted") << "室外 W"
                              << "";
  }

  void refusedRenameSaysWhy() {
    QFETCH(QString, name);
    QFETCH(QString, notice);
    ui::ChartWindow window;
    window.show();
    for (const char* t : {"20", "25"}) QVERIFY(!window.document().addPoint(tRh(t, "50")));
    QAbstractItemModel& model = *window.table().model();
    const auto seen = answerNotices([&] {
      QCOMPARE(model.setData(model.index(0, 0), name), notice.isEmpty());
      QTest::qWait(50);
    });
    QCOMPARE(seen.size(), notice.isEmpty() ? 0 : 1);
    if (!notice.isEmpty()) {
      QCOMPARE(seen.front().title, QString("提示信息"));
      QCOMPARE(seen.front().text, notice);
      QCOMPARE(seen.front().buttons, QStringList{"确定"});
    }
    QCOMPARE(cell(window.table(), 0, 0), notice.isEmpty() ? name : QString("A"));
  }

  // A label reads name, then t and φ, left to right, whatever the script of the name: a name in a
  // right-to-left script neither moves to the right nor turns the figures after it around.
  void labelKeepsTheFiguresInOrder_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Latin") << "W";
    QTest::newRow("Hebrew") << QString::fromUtf8("חוץ");
    QTest::newRow("Arabic") << QString::fromUtf8("خارج 2");
  }

  void labelKeepsTheFiguresInOrder() {
    QFETCH(QString, name);
    workspace::PointList list;
    QVERIFY(!list.add(tRh("25", "50")));
    QVERIFY(!list.rename(0, name.toStdString()));
    const QString text = ui::pointLabel(list.points()[0]).front();
    QTextLayout layout(text, QApplication::font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const int t = static_cast<int>(text.indexOf("t=")), φ = static_cast<int>(text.indexOf("φ="));
    QVERIFY(t > 0 && φ > t);
    // Left to right: the name's first character, t=, φ=.
    const int first = static_cast<int>(text.indexOf(name.front()));
    QVERIFY2(line.cursorToX(first) < line.cursorToX(t), qPrintable(text));
    QVERIFY2(line.cursorToX(t) < line.cursorToX(φ), qPrintable(text));
  }

  void copiesExportsAndPrintsEvenAnExtremeState() {
    ui::ChartWindow window;
    window.resize(900, 800);
    QVERIFY(
        !window.document().addPoint({{psychro::Quantity::t, psychro::Quantity::tw}, "25", "20"}));
    // About 1.7e11 kg/kg of vapour: marked at the edge, drawn as fast as any other.
    QVERIFY(!window.document().addPoint(tRh("100", "99.907594149")));
    QVERIFY(!window.chart().image(1).isNull());

    window.findChild<QAction*>("CopyTable")->trigger();
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QString("大气压力\t101325 Pa"));
    QVERIFY(lines[1].startsWith("名称\t给定参数\t干球温度 ℃\t相对湿度 ％"));
    QVERIFY(lines[2].startsWith("A\tt=25, tw=20\t25.00\t63.5\t20.00\t57.2616\t17.63"));

    QTemporaryDir dir;
    QVERIFY(ui::exportCsv(dir.filePath("状态点.csv"), window.document()));
    QFile csv(dir.filePath("状态点.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF大气压力,101325 Pa\r\n名称,给定参数,干球温度 ℃,"));
    QCOMPARE(bytes.count("\r\n"), 4);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("sheet.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    QVERIFY(ui::printDesign(printer, window.document(), window.chart()));
    QFile pdf(dir.filePath("sheet.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray document = pdf.readAll();
    QVERIFY(document.startsWith("%PDF"));
    QCOMPARE(QString::fromLatin1(document).count(QRegularExpression("/Type\\s*/Page[^s]")), 1);

    // Sixty points do not shrink onto one page: the chart, then the table over further pages.
    for (int i = 0; i < 56; ++i)
      window.document().addPoint(tRh(std::to_string(10 + i % 30).c_str(), "50"));
    QPrinter many(QPrinter::HighResolution);
    many.setOutputFormat(QPrinter::PdfFormat);
    many.setOutputFileName(dir.filePath("many.pdf"));
    many.setPageSize(QPageSize(QPageSize::A4));
    many.setPageOrientation(QPageLayout::Landscape);
    int pages = 0;
    QVERIFY(ui::printDesign(many, window.document(), window.chart(), &pages));
    QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
    QVERIFY(ui::exportPdf(dir.filePath("many-export.pdf"), window.document(), window.chart()));
    QVERIFY(QFileInfo(dir.filePath("many-export.pdf")).size() > 0);
    // tools/screenshot.sh keeps these sheets for docs/window.md's picture of them.
    if (const QString keep = qEnvironmentVariable("TORVALE_KEEP_SHEETS"); !keep.isEmpty())
      QVERIFY(ui::exportPdf(keep, window.document(), window.chart()));
  }

  // A table continued over a page starts the next with its header, whether the sheet opens with
  // the pressure alone or with the arithmetic after it; the 过程 table after an empty line too,
  // and a page that opens where a table has ended carries no header of it.
  void printedTablesRepeatTheirHeader_data() {
    QTest::addColumn<bool>("arithmetic");
    QTest::addColumn<QString>("pages");  // rows by page
    QTest::newRow("pressure") << false << "0 1 2 3|1 4 5 6|1 7 8 9|10 11";
    QTest::newRow("and arithmetic") << true << "0 1 2 3|2 4 5 6|2 7 8 9|11 12";
  }

  void printedTablesRepeatTheirHeader() {
    QFETCH(bool, arithmetic);
    QFETCH(QString, pages);
    const std::vector<std::string> point(13, "x"), process(11, "y");
    ui::PrintedTable table{{{"大气压力", "101325 Pa"}}};
    if (arithmetic) table.rows.push_back({"计算方法", "ASHRAE 2017"});
    for (int i = 0; i < 8; ++i) table.rows.push_back(point);  // the header and seven points
    for (const auto& row : {std::vector<std::string>{}, process, process})
      table.rows.push_back(row);
    QStringList got;
    for (const auto& page : ui::tablePages(table, 4)) {
      QStringList rows;
      for (std::size_t r : page) rows << QString::number(r);
      got << rows.join(' ');
    }
    QCOMPARE(got.join('|'), pages);
  }

  // Each printed table has columns of its own, a column of numbers right-aligned under its
  // header: the 逐时统计 hours stand under 小时数, not at the widths of the points' columns.
  void printedColumnsAlignedPerTable_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("number");
    QTest::newRow("hours' header") << 4 << 1 << true;
    QTest::newRow("hours") << 5 << 1 << true;
    QTest::newRow("percentage") << 6 << 2 << true;
    QTest::newRow("zone name") << 5 << 0 << false;
    QTest::newRow("point's value") << 2 << 2 << true;
    QTest::newRow("point given as typed") << 2 << 1 << false;
  }
  void printedColumnsAlignedPerTable() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, number);
    const ui::PrintedTable table{{{"大气压力", "101325 Pa"},
                                  {"名称", "给定参数", "干球温度 t ℃"},
                                  {"A", "t=35, φ=60", "35.00"},
                                  {},
                                  {"逐时统计", "小时数", "百分比 %"},
                                  {"供冷工况 I级", "1234", "14.1"},
                                  {"供热工况 II级", "17", "∞"}}};
    const QFontMetricsF metrics(QFont(QStringLiteral("sans"), 10));
    const auto cells = ui::printedCells(metrics, table);
    const auto r = static_cast<std::size_t>(row), c = static_cast<std::size_t>(column);
    QCOMPARE(cells[r][c].number, number);
    // Each row of a table has its cells where its header has them, wide enough for its text.
    const std::size_t header = r < 3 ? 1 : 4;
    QCOMPARE(cells[r][c].left, cells[header][c].left);
    QCOMPARE(cells[r][c].width, cells[header][c].width);
    QVERIFY(cells[r][c].width >=
            metrics.horizontalAdvance(QString::fromStdString(table.rows[r][c])));
    QVERIFY(cells[3].empty());
    QVERIFY(cells[4][1].left > cells[1][1].left);  // the zones' column as wide as its own text
  }
};

QTEST_MAIN(ChartPointsTest)
#include "chart_points_test.moc"

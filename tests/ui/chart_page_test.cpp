// The page set-up and the title block of the 焓湿图 window: each dialog sends its choice as one
// step, and 导出 DXF writes the very bytes torvale-calc --dxf writes of the same saved design.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <variant>

#include "drawing/page_layout.h"
#include "drawing/title_block.h"
#include "ui/chart_widget.h"
#include "ui/chart_window.h"
#include "ui/design_output.h"
#include "ui/page_dialogs.h"
#include "ui/page_menus.h"

namespace {

QByteArray bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

Q_DECLARE_METATYPE(workspace::PageSetup)

class ChartPageTest : public QObject {
  Q_OBJECT

 private slots:
  // 页面设置…: the widgets set as a user would, the design takes the page set-up as one step;
  // undone, the defaults come back.
  void pageSetupDialog_data() {
    QTest::addColumn<int>("paper");  // index in the dialog: A4, A3, A2, 打印机纸张
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("left");  // a margin of one's own; negative: the standard frame
    QTest::addColumn<int>("content");
    QTest::addColumn<workspace::PageSetup>("expected");
    const auto page = [](workspace::Paper p, workspace::Orientation o,
                         std::optional<workspace::Margins> m, workspace::PageContent c) {
      return workspace::PageSetup{p, o, m, c};
    };
    QTest::newRow("A3 landscape, standard frame, chart only")
        << 1 << 1 << -1.0 << 0
        << page(workspace::Paper::a3, workspace::Orientation::landscape, std::nullopt,
                workspace::PageContent::chart);
    QTest::newRow("A2 portrait, own margins, tables only")
        << 2 << 0 << 30.0 << 2
        << page(workspace::Paper::a2, workspace::Orientation::portrait,
                workspace::Margins{30, 10, 10, 10}, workspace::PageContent::tables);
  }
  void pageSetupDialog() {
    QFETCH(int, paper);
    QFETCH(int, orientation);
    QFETCH(double, left);
    QFETCH(int, content);
    QFETCH(workspace::PageSetup, expected);
    ui::ChartWindow window;
    window.show();
    window.findChild<QAction*>("PageSetup")->trigger();
    auto* dialog = window.findChild<ui::PageSetupDialog*>("PageSetupDialog");
    QVERIFY(dialog && dialog->isVisible());
    dialog->findChild<QComboBox*>("Paper")->setCurrentIndex(paper);
    dialog->findChild<QComboBox*>("Orientation")->setCurrentIndex(orientation);
    dialog->findChild<QComboBox*>("PageContent")->setCurrentIndex(content);
    // The standard frame of the paper chosen shows in the greyed boxes.
    auto* leftBox = dialog->findChild<QDoubleSpinBox*>("MarginLeft");
    QVERIFY(!leftBox->isEnabled());
    QCOMPARE(dialog->findChild<QDoubleSpinBox*>("MarginTop")->value(), paper == 2 ? 10.0 : 5.0);
    if (left >= 0) {
      dialog->findChild<QCheckBox*>("OwnMargins")->setChecked(true);
      leftBox->setValue(left);
    }
    dialog->accept();
    QCOMPARE(window.workspace().page(), expected);
    QCOMPARE(window.findChild<QAction*>("Undo")->text(), QString("撤销 页面设置"));
    window.document().undo();
    QCOMPARE(window.workspace().page(), workspace::PageSetup{});
    // Opened again, it shows the design's set-up.
    window.document().redo();
    window.findChild<QAction*>("PageSetup")->trigger();
    QCOMPARE(dialog->page(), expected);
    dialog->reject();
  }

  // 标题栏…: each field by its objectName; 图名 left empty shows the file's name in its place.
  void titleBlockDialog() {
    ui::ChartWindow window;
    window.show();
    window.findChild<QAction*>("TitleBlock")->trigger();
    auto* dialog = window.findChild<ui::TitleBlockDialog*>("TitleBlockDialog");
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->findChild<QLineEdit*>("TitleDrawingName")->placeholderText(),
             QString("焓湿图"));
    dialog->findChild<QLineEdit*>("TitleProject")->setText("  某办公楼 ");
    dialog->findChild<QLineEdit*>("TitleDesigner")->setText("张工");
    dialog->findChild<QLineEdit*>("TitleFirm")->setText("某设计院");
    dialog->accept();
    workspace::TitleBlock expected;
    expected.project = "某办公楼";
    expected.designer = "张工";
    expected.firm = "某设计院";
    QCOMPARE(window.workspace().titleBlock(), expected);
    QCOMPARE(window.findChild<QAction*>("Undo")->text(), QString("撤销 标题栏"));
  }

  // 导出 DXF writes what torvale-calc --workspace FILE --dxf writes of the saved design: the summer
  // design as shipped (no page set-up or title block), and saved again with both.
  void dxfAsTheCommandLine_data() {
    QTest::addColumn<bool>("withPage");
    QTest::newRow("as shipped") << false;
    QTest::newRow("A3 landscape with a title block") << true;
  }
  void dxfAsTheCommandLine() {
    QFETCH(bool, withPage);
    QTemporaryDir dir;
    const QString design = dir.filePath("夏季工况.torvale");
    QVERIFY(QFile::copy(TORVALE_SOURCE_DIR "/docs/夏季工况.torvale", design));
    ui::ChartWindow window;
    auto read = window.document().read(design.toStdString());
    QVERIFY(std::holds_alternative<workspace::Workspace>(read));
    window.document().open(std::get<workspace::Workspace>(read), design.toStdString());
    if (withPage) {
      QVERIFY(
          !window.document().setPageSetup({workspace::Paper::a3, workspace::Orientation::landscape,
                                           std::nullopt, workspace::PageContent::chart}));
      workspace::TitleBlock title;
      title.project = "某办公楼";
      title.drawingNumber = "暖施-01";
      QVERIFY(!window.document().setTitleBlock(title));
      QVERIFY(!window.document().save());
    }
    const QString ours = dir.filePath("窗口.dxf"), theirs = dir.filePath("命令行.dxf");
    QVERIFY(ui::exportDxf(ours, window.document()));
    QProcess calc;
    calc.start(TORVALE_CALC, {"--workspace", design, "--dxf", theirs});
    QVERIFY(calc.waitForFinished(60000));
    QCOMPARE(calc.exitCode(), 0);
    const QByteArray drawn = bytes(ours);
    QVERIFY(drawn.contains("AC1021"));
    QCOMPARE(drawn.contains("暖施-01"), withPage);
    QVERIFY(drawn == bytes(theirs));
    // A path that cannot be written says why, and nothing is left there.
    QString why;
    QVERIFY(!ui::exportDxf(dir.filePath("无此文件夹/图.dxf"), window.document(), &why));
    QVERIFY(!why.isEmpty());
  }

  // 导出 PDF on the page set-up's paper and orientation, titled by the 图名; the printer's own
  // paper and an empty title block as before (A4 landscape, the file's name).
  void pdfOnThePaper_data() {
    QTest::addColumn<int>("paper");  // workspace::Paper
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QString>("drawingName");
    QTest::addColumn<QString>("mediaBox");
    QTest::addColumn<QString>("title");
    QTest::newRow("untouched") << int(workspace::Paper::printer) << false << QString()
                               << "0 0 841.89 595.28"
                               << "Torvale 焓湿图";
    QTest::newRow("A3 landscape") << int(workspace::Paper::a3) << true << "空调焓湿图"
                                  << "0 0 1190.55 841.89"
                                  << "空调焓湿图";
    QTest::newRow("A2 portrait") << int(workspace::Paper::a2) << false << QString()
                                 << "0 0 1190.55 1683.78"
                                 << "Torvale 焓湿图";
  }
  void pdfOnThePaper() {
    QFETCH(int, paper);
    QFETCH(bool, landscape);
    QFETCH(QString, drawingName);
    QFETCH(QString, mediaBox);
    QFETCH(QString, title);
    QTemporaryDir dir;
    ui::ChartWindow window;
    window.show();
    workspace::PageSetup page;
    page.paper = static_cast<workspace::Paper>(paper);
    page.orientation =
        landscape ? workspace::Orientation::landscape : workspace::Orientation::portrait;
    QVERIFY(!window.document().setPageSetup(page));
    workspace::TitleBlock block;
    block.drawingName = drawingName.toStdString();
    QVERIFY(!window.document().setTitleBlock(block));
    QCOMPARE(ui::designTitle(window.document()), title);
    const QString path = dir.filePath("图.pdf");
    QVERIFY(ui::exportPdf(path, window.document(), window.chart()));
    const QByteArray pdf = bytes(path);
    // The first page's size, pt, within a point of the paper's.
    const QRegularExpressionMatch box =
        QRegularExpression(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])")
            .match(QString::fromLatin1(pdf));
    QVERIFY(box.hasMatch());
    const QStringList size = mediaBox.split(' ');
    QVERIFY(std::abs(box.captured(1).toDouble() - size[2].toDouble()) < 1);
    QVERIFY(std::abs(box.captured(2).toDouble() - size[3].toDouble()) < 1);
  }

  // The summer design printed on framed sheets with a title block: the pages, the chart scaled to
  // fill its area at its natural proportion, and the title block's cells at the frame's lower
  // right, the same cells the DXF drawing has. TORVALE_KEEP_PAGES names a folder to keep the PDFs
  // in (for the pictures in docs/).
  void framedSheets_data() {
    QTest::addColumn<workspace::PageSetup>("page");
    QTest::addColumn<int>("morePoints");  // added to the design
    QTest::addColumn<int>("pages");
    QTest::addColumn<double>("chartWidth");  // mm, the chart with its scales; 0: not checked
    using enum workspace::Paper;
    using enum workspace::PageContent;
    const auto page = [](workspace::Paper p, bool wide, workspace::PageContent c) {
      return workspace::PageSetup{
          p, wide ? workspace::Orientation::landscape : workspace::Orientation::portrait, {}, c};
    };
    QTest::newRow("a4") << page(a4, false, chartAndTables) << 0 << 1 << 170.0;
    QTest::newRow("a3") << page(a3, true, chartAndTables) << 0 << 1 << 0.0;
    QTest::newRow("a2") << page(a2, true, chartAndTables) << 0 << 1 << 0.0;
    QTest::newRow("A4, the chart alone") << page(a4, false, chart) << 0 << 1 << 170.0;
    QTest::newRow("A3, the tables alone") << page(a3, true, tables) << 0 << 1 << 0.0;
    QTest::newRow("A4 landscape, 40 points more: the tables over further framed pages")
        << page(a4, true, chartAndTables) << 40 << 3 << 0.0;
  }
  void framedSheets() {
    QFETCH(workspace::PageSetup, page);
    QFETCH(int, morePoints);
    QFETCH(int, pages);
    QFETCH(double, chartWidth);
    QTemporaryDir dir;
    const QString design = dir.filePath("夏季工况.torvale");
    QVERIFY(QFile::copy(TORVALE_SOURCE_DIR "/docs/夏季工况.torvale", design));
    ui::ChartWindow window;
    auto read = window.document().read(design.toStdString());
    QVERIFY(std::holds_alternative<workspace::Workspace>(read));
    window.document().open(std::get<workspace::Workspace>(read), design.toStdString());
    for (int i = 0; i < morePoints; ++i)
      QVERIFY(!window.document().addPoint(
          {{psychro::Quantity::t, psychro::Quantity::rh}, std::to_string(10 + i % 30), "50"}));
    QVERIFY(!window.document().setPageSetup(page));
    workspace::TitleBlock title;
    title.project = "某办公楼空调工程";
    title.drawingNumber = "暖施-01";
    QVERIFY(!window.document().setTitleBlock(title));
    const QString name = QString("page-%1.pdf").arg(QTest::currentDataTag()).replace(' ', '_');
    if (const QString keep = qEnvironmentVariable("TORVALE_KEEP_PAGES"); !keep.isEmpty())
      QVERIFY(ui::exportPdf(keep + '/' + name, window.document(), window.chart()));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(name));
    ui::applyPaper(printer, page);
    int printed = 0;
    QRectF chart;
    QVERIFY(ui::printDesign(printer, window.document(), window.chart(), &printed, &chart));
    QCOMPARE(printed, pages);
    QCOMPARE(QString::fromLatin1(bytes(dir.filePath(name)))
                 .count(QRegularExpression("/Type\\s*/Page[^s]")),
             pages);
    // The chart inside the frame above the title block, filling its area's width or height.
    const drawing::PageLayout layout = drawing::pageLayout(page, 1e9);
    const QRectF area(layout.chart.left, layout.chart.top, layout.chart.width, layout.chart.height);
    QCOMPARE(chart.isEmpty(), page.content == workspace::PageContent::tables);
    QVERIFY(chart.isEmpty() || area.adjusted(-0.01, -0.01, 0.01, 0.01).contains(chart));
    QVERIFY(chartWidth == 0 || std::abs(chart.width() - chartWidth) < 1);
    QVERIFY(chart.isEmpty() || std::abs(chart.width() - area.width()) < 0.5 ||
            chart.height() > area.height() * 0.5);
    // The block's 22 cells at the lower right; an empty 日期 is today's, the 图名 the file's name.
    const drawing::TitleBlockCells cells = drawing::titleBlockCells(
        layout, title, drawing::titleDefaults(design.toStdString()), 101325, {});
    QCOMPARE(cells.outline.width, page.paper == workspace::Paper::a2 ? 240.0 : 180.0);
    QCOMPARE(cells.outline.right(), layout.frame.right());
    QCOMPARE(cells.texts.size(), std::size_t(22));
    QStringList shown;
    for (const drawing::TitleText& t : cells.texts) shown << QString::fromStdString(t.text.shown);
    for (const QString words : {"某办公楼空调工程", "暖施-01", "夏季工况", "101325 Pa"})
      QVERIFY2(shown.contains(words), qPrintable(words));
    QVERIFY(shown.contains(QDate::currentDate().toString(Qt::ISODate)));
  }
};

QTEST_MAIN(ChartPageTest)
#include "chart_page_test.moc"

// The 焓湿图 window's design as a document: saved and opened again with every text as it was, the
// title naming the file and marking unsaved changes, a bad file refused with the design untouched,
// a failed save leaving the design unsaved, and unsaved work asked about before it is set aside.
#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "support/notices.h"
#include "ui/chart_window.h"

namespace {

QStringList cells(const QTableView& table) {
  QStringList all;
  const QAbstractItemModel& m = *table.model();
  for (int r = 0; r < m.rowCount(); ++r)
    for (int c = 0; c < m.columnCount(); ++c) all << m.index(r, c).data().toString();
  return all;
}

workspace::TypedPair tRh(const char* t, const char* φ) {
  return {{psychro::Quantity::t, psychro::Quantity::rh}, t, φ};
}

// Answers the question about unsaved changes, when it comes, with the button of this name.
void answerUnsaved(const char* button) {
  QTimer::singleShot(50, [button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    auto* b = box->findChild<QAbstractButton*>(button);
    QVERIFY(b != nullptr);
    b->click();
  });
}

}  // namespace

class ChartDocumentTest : public QObject {
  Q_OBJECT

 private slots:
  void savedDesignOpensWithEveryText() {
    QTemporaryDir dir;
    const QString path = dir.filePath("夏季工况.torvale");
    ui::ChartWindow window;
    window.setPressure(89875);
    QVERIFY(window.addPoint(tRh("35", "60")).empty());
    QVERIFY(window.addPoint(tRh("26", "55")).empty());
    const workspace::Flow flow{10000, workspace::FlowUnit::cubicMetresPerHour};
    QVERIFY(
        window
            .addProcess(
                {workspace::ProcessKind::heat, window.points().points()[1].id, 0, {}, 30, 0, flow})
            .empty());
    QVERIFY(window.isWindowModified());
    QVERIFY(window.saveTo(path));
    QVERIFY(!window.isWindowModified());
    QCOMPARE(window.windowTitle(), QString("夏季工况.torvale[*]"));

    ui::ChartWindow reopened;
    double chosen = 0;
    connect(&reopened, &ui::ChartWindow::pressureChosen, [&chosen](double pa) { chosen = pa; });
    QVERIFY(reopened.openFile(path));
    QCOMPARE(chosen, 89875.0);
    QCOMPARE(cells(reopened.table()), cells(window.table()));
    QCOMPARE(cells(reopened.processTable()), cells(window.processTable()));
    QVERIFY(!reopened.isWindowModified());
    QCOMPARE(reopened.filePath(), path);
  }

  void badFileOrFailedSaveChangesNothing() {
    QTemporaryDir dir;
    ui::ChartWindow window;
    QVERIFY(window.addPoint(tRh("25", "50")).empty());
    QVERIFY(window.saveTo(dir.filePath("good.torvale")));
    QFile good(dir.filePath("good.torvale"));
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray text = good.readAll();
    QFile bad(dir.filePath("bad.torvale"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(text.left(text.size() / 2));  // cut off mid-file
    bad.close();

    QVERIFY(window.addPoint(tRh("30", "40")).empty());
    const QStringList before = cells(window.table());
    const QList<testsupport::Notice> notices =
        testsupport::answerNotices([&] { QVERIFY(!window.openFile(bad.fileName())); });
    QCOMPARE(notices.size(), 1);
    QVERIFY2(notices.front().text.contains("bad.torvale"), qPrintable(notices.front().text));
    QCOMPARE(cells(window.table()), before);

    QString why;
    QVERIFY(!window.saveTo(dir.filePath("no-such-folder/x.torvale"), &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(window.isWindowModified());
    QCOMPARE(window.filePath(), dir.filePath("good.torvale"));
  }

  void unsavedWorkIsAskedAbout() {
    ui::ChartWindow window;
    window.show();
    QVERIFY(window.addPoint(tRh("25", "50")).empty());
    answerUnsaved("CancelClose");
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    answerUnsaved("DiscardChanges");
    QVERIFY(window.close());
  }
};

QTEST_MAIN(ChartDocumentTest)
#include "chart_document_test.moc"

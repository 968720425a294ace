// The 焓湿图 window's design as a document: saved and opened again with every text as it was, the
// title naming the file and marking unsaved changes, a bad file refused with the design untouched,
// a failed save leaving the design unsaved, unsaved work asked about before it is set aside and
// kept in a recovery file until then, and the files last used listed newest first.
#include <QAbstractButton>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "document/disk.h"
#include "document/recovery.h"
#include "support/notices.h"
#include "ui/chart_window.h"
#include "ui/climate_menus.h"
#include "ui/design_files.h"
#include "workspace/file.h"

namespace {

QString recoveryFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

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

// Answers the question the next message box asks with the button of this name.
void answerBox(const char* button) {
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
  void initTestCase() {
    // Recovery files and the recent list go to Qt's test folders, never the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Torvale"), QStringLiteral("torvale")).clear();
    QDir(recoveryFolder()).removeRecursively();
  }
  // Each test starts with no recovery left by another's windows.
  void init() { QDir(recoveryFolder()).removeRecursively(); }

  void savedDesignOpensWithEveryText() {
    QTemporaryDir dir;
    const QString path = dir.filePath("夏季工况.torvale");
    ui::ChartWindow window;
    window.setPressure(89875);
    QVERIFY(!window.document().addPoint(tRh("35", "60")));
    QVERIFY(!window.document().addPoint(tRh("26", "55")));
    const workspace::Flow flow{10000, workspace::FlowUnit::cubicMetresPerHour};
    QVERIFY(!window.document().addProcess({workspace::ProcessKind::heat,
                                           window.workspace().points().points()[1].id,
                                           0,
                                           {},
                                           30,
                                           0,
                                           flow}));
    QVERIFY(window.isWindowModified());
    QVERIFY(window.files().saveTo(path));
    QVERIFY(!window.isWindowModified());
    QCOMPARE(window.windowTitle(), QString("夏季工况.torvale[*]"));

    ui::ChartWindow reopened;
    double chosen = 0;
    connect(&reopened, &ui::ChartWindow::pressureChosen, [&chosen](double pa) { chosen = pa; });
    QVERIFY(reopened.files().openFile(path));
    QCOMPARE(chosen, 89875.0);
    QCOMPARE(cells(reopened.table()), cells(window.table()));
    QCOMPARE(cells(reopened.processTable()), cells(window.processTable()));
    QVERIFY(!reopened.isWindowModified());
    QCOMPARE(reopened.files().filePath(), path);
  }

  // Save (Ctrl+S) onto a disk that fills as it writes: a notice with the reason, the old file
  // byte for byte, the design still unsaved. On a small tmpfs where mounting is allowed, and with
  // a file system whose writes fail under the very save Ctrl+S calls.
  void fullDiskKeepsTheOldFile_data() {
    QTest::addColumn<bool>("tmpfs");
    QTest::newRow("failing writes") << false;
    QTest::newRow("full tmpfs") << true;
  }
  void fullDiskKeepsTheOldFile() {
    QFETCH(bool, tmpfs);
    QTemporaryDir dir;
    const QString folder = dir.filePath("full");
    QVERIFY(QDir().mkpath(folder));
    struct Mount {
      QString at;
      ~Mount() {
        if (!at.isEmpty()) QProcess::execute("umount", {at});
      }
    } mounted;
    if (tmpfs) {
      if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}) != 0)
        QSKIP("mounting a small tmpfs is not allowed here");
      mounted.at = folder;
    }
    const QString path = folder + "/夏季工况.torvale";
    {
      ui::ChartWindow maker;
      QVERIFY(!maker.document().addPoint(tRh("35", "60")));
      QVERIFY(maker.files().saveTo(path));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();
    // Writes that stop after 10 bytes, as a disk that fills.
    struct FillingDisk : document::Disk {
      std::size_t room = SIZE_MAX;
      document::Transfer write(document::Handle h, std::string_view bytes) override {
        const std::size_t n = std::min(bytes.size(), room);
        room -= n;
        return n == bytes.size()
                   ? Disk::write(h, bytes)
                   : document::Transfer{Disk::write(h, bytes.substr(0, n)).bytes, ENOSPC};
      }
    };
    auto disk = std::make_shared<FillingDisk>();
    ui::ChartWindow window(nullptr, disk);
    QVERIFY(window.files().openFile(path));
    QVERIFY(!window.document().addPoint(tRh("26", "55")));
    if (tmpfs) {
      QFile filler(folder + "/filler");
      QVERIFY(filler.open(QIODevice::WriteOnly));
      while (filler.write(QByteArray(1024, '\0')) == 1024 && filler.flush()) {
      }
    } else {
      disk->room = 10;
    }
    const auto said =
        testsupport::answerNotices([&] { window.findChild<QAction*>("SaveDesign")->trigger(); });
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.front().text.contains("空间不足"), qPrintable(said.front().text));
    QVERIFY(window.isWindowModified());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), tmpfs ? 2 : 1);
  }

  // A path that is not a regular file (a device, a pipe) is refused at once, unread.
  void devicesAndPipesAreRefused_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("device") << "/dev/zero";
    QTest::newRow("pipe") << "pipe";
  }
  void devicesAndPipesAreRefused() {
    QFETCH(QString, path);
    QTemporaryDir dir;
    if (path == "pipe") {
      path = dir.filePath("pipe");
      QCOMPARE(QProcess::execute("mkfifo", {path}), 0);
    }
    ui::ChartWindow window;
    const auto said = testsupport::answerNotices([&] { QVERIFY(!window.files().openFile(path)); });
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.front().text.contains("不是普通文件"), qPrintable(said.front().text));
  }

  // Two windows, as two running copies: each keeps its own recovery, and neither is offered to a
  // copy that starts while both run.
  void eachRunningCopyKeepsItsOwnRecovery() {
    auto a = std::make_unique<ui::ChartWindow>();
    ui::ChartWindow b;
    QVERIFY(!a->document().addPoint(tRh("35", "60")));
    QVERIFY(!b.document().addPoint(tRh("26", "55")));
    a->files().writeRecovery();
    b.files().writeRecovery();
    const QString kept = QString::fromStdString(a->document().recovery()->path());
    QVERIFY(kept != QString::fromStdString(b.document().recovery()->path()));
    document::Disk disk;
    document::Recovery start(disk, recoveryFolder().toStdString(), document::instanceName());
    QVERIFY(start.leftOvers().empty());
    a.reset();  // gone without closing, as in a crash
    const auto left = start.leftOvers();
    QCOMPARE(left.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(left.front().path), kept);
    start.remove(left.front());
  }

  void badFileOrFailedSaveChangesNothing() {
    QTemporaryDir dir;
    ui::ChartWindow window;
    QVERIFY(!window.document().addPoint(tRh("25", "50")));
    QVERIFY(window.files().saveTo(dir.filePath("good.torvale")));
    QFile good(dir.filePath("good.torvale"));
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray text = good.readAll();
    QFile bad(dir.filePath("bad.torvale"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(text.left(text.size() / 2));  // cut off mid-file
    bad.close();

    QVERIFY(!window.document().addPoint(tRh("30", "40")));
    const QStringList before = cells(window.table());
    const QList<testsupport::Notice> notices =
        testsupport::answerNotices([&] { QVERIFY(!window.files().openFile(bad.fileName())); });
    QCOMPARE(notices.size(), 1);
    QVERIFY2(notices.front().text.contains("bad.torvale"), qPrintable(notices.front().text));
    QCOMPARE(cells(window.table()), before);

    QString why;
    QVERIFY(!window.files().saveTo(dir.filePath("no-such-folder/x.torvale"), &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(window.isWindowModified());
    QCOMPARE(window.files().filePath(), dir.filePath("good.torvale"));
  }

  void unsavedWorkIsAskedAbout() {
    ui::ChartWindow window;
    window.show();
    QVERIFY(!window.document().addPoint(tRh("25", "50")));
    answerBox("CancelClose");
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    answerBox("DiscardChanges");
    QVERIFY(window.close());
  }

  // Kept a moment after a change, to the same points; gone once saved, or undone back to saved.
  void recoveryKeptUntilClean() {
    QTemporaryDir dir;
    ui::ChartWindow window;
    const QString recovery = QString::fromStdString(window.document().recovery()->path());
    window.files().setRecoveryDelay(10);
    QVERIFY(!window.document().addPoint(tRh("35", "60")));
    QVERIFY(!window.document().addPoint(tRh("26", "55")));
    QTRY_VERIFY(QFile::exists(recovery));
    QFile file(recovery);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto read = workspace::readRecovery(file.readAll().toStdString());
    QVERIFY(std::holds_alternative<workspace::Recovered>(read));
    QCOMPARE(workspace::workspaceText(std::get<workspace::Recovered>(read).design),
             workspace::workspaceText(window.workspace()));
    QVERIFY(window.files().saveTo(dir.filePath("a.torvale")));
    QVERIFY(!QFile::exists(recovery));
    QVERIFY(!window.document().addPoint(tRh("20", "50")));
    QTRY_VERIFY(QFile::exists(recovery));
    window.document().undo();
    QVERIFY(!QFile::exists(recovery));
  }

  void recoveryOfferedAtStart_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("Recover") << "Recover";
    QTest::newRow("DiscardRecovery") << "DiscardRecovery";
  }
  void recoveryOfferedAtStart() {
    QFETCH(QString, button);
    QTemporaryDir dir;
    // A long name, so that an unbroken line needs the name shortened.
    const QString path = dir.filePath("夏季工况-一号楼-三层-会议室-新风与回风混合方案.torvale");
    QStringList before;
    QString left;
    {
      ui::ChartWindow crashed;
      QVERIFY(!crashed.document().addPoint(tRh("35", "60")));
      QVERIFY(crashed.files().saveTo(path));
      QVERIFY(!crashed.document().addPoint(tRh("26", "55")));
      crashed.files().writeRecovery();
      before = cells(crashed.table());
      left = QString::fromStdString(crashed.document().recovery()->path());
    }  // gone without closing, as in a crash
    QString title, text;
    // The program's window where the user left it: the offer stands centred over it, each line of
    // its text whole in the box (no line broken inside a word).
    QWidget program;
    program.setGeometry(160, 120, 500, 300);  // inside the 800 × 600 screen
    program.show();
    QPoint offset;
    int unfit = 0;
    QTimer::singleShot(50, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      title = box->windowTitle();
      text = box->text();
      offset = box->frameGeometry().center() - program.frameGeometry().center();
      const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
      for (const QString& line : text.split('\n'))
        unfit += label->fontMetrics().horizontalAdvance(line) > label->contentsRect().width();
      box->findChild<QAbstractButton*>(button)->click();
    });
    document::Disk disk;
    auto starting = std::make_unique<document::Recovery>(disk, recoveryFolder().toStdString(),
                                                         document::instanceName());
    const auto recovered = ui::DesignFiles::offerRecovery(&program, *starting);
    QCOMPARE(title, QString("恢复未保存的工作区"));
    QVERIFY2(text.contains("夏季工况") && text.contains(".torvale"), qPrintable(text));
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QString("%1, %2").arg(offset.x()).arg(offset.y())));
    QCOMPARE(unfit, 0);
    QCOMPARE(recovered.has_value(), button == "Recover");
    QVERIFY(!QFile::exists(left));  // taken into this copy's own recovery, or declined
    if (!recovered) return;
    ui::ChartWindow window(nullptr, nullptr, std::move(starting));
    window.files().openRecovered(*recovered);
    QCOMPARE(cells(window.table()), before);
    QVERIFY(window.isWindowModified());
    QCOMPARE(window.files().filePath(), path);
    const QString own = QString::fromStdString(window.document().recovery()->path());
    QVERIFY(QFile::exists(own));
    QVERIFY(window.files().saveTo(window.files().filePath()));
    QVERIFY(!QFile::exists(own));
  }

  // Several left: listed newest first; the one chosen opens, the others stay for a later start.
  void severalLeftOversAreListed() {
    int age = 60;  // the first kept a minute before the second
    for (const char* t : {"35", "26"}) {
      ui::ChartWindow crashed;
      QVERIFY(!crashed.document().addPoint(tRh(t, "50")));
      crashed.files().writeRecovery();
      QFile kept(QString::fromStdString(crashed.document().recovery()->path()));
      QVERIFY(kept.open(QIODevice::ReadWrite));
      QVERIFY(kept.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                               QFileDevice::FileModificationTime));
      age = 0;
    }
    QStringList listed;
    QTimer::singleShot(50, [&] {
      auto* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog && dialog->objectName() == "RecoveryList");
      auto* list = dialog->findChild<QListWidget*>("RecoveryFiles");
      for (int i = 0; i < list->count(); ++i) listed << list->item(i)->text().left(3);
      list->setCurrentRow(1);
      dialog->findChild<QAbstractButton*>("Recover")->click();
    });
    document::Disk disk;
    document::Recovery start(disk, recoveryFolder().toStdString(), document::instanceName());
    const auto recovered = ui::DesignFiles::offerRecovery(nullptr, start);
    QCOMPARE(listed, QStringList({"未命名", "未命名"}));
    QVERIFY(recovered);
    QCOMPARE(recovered->design.points().points()[0].result.texts[0],
             QString("35.00").toStdString());
    document::Recovery later(disk, recoveryFolder().toStdString(), document::instanceName());
    QCOMPARE(later.leftOvers().size(), std::size_t{1});
  }

  // Newest first; a file gone is told of and leaves the list.
  void recentFilesNewestFirst() {
    QSettings(QStringLiteral("Torvale"), QStringLiteral("torvale")).clear();
    QTemporaryDir dir;
    ui::ChartWindow window;
    QVERIFY(!window.document().addPoint(tRh("25", "50")));
    for (const char* name : {"a.torvale", "b.torvale", "c.torvale"})
      QVERIFY(window.files().saveTo(dir.filePath(name)));
    QVERIFY(window.files().openFile(dir.filePath("a.torvale")));
    auto* menu = window.findChild<QMenu*>("RecentFiles");
    QVERIFY(menu != nullptr);
    const auto shown = [menu] {
      emit menu->aboutToShow();
      QStringList texts;
      for (QAction* a : menu->actions()) texts << a->text().section(' ', 1);
      return texts;
    };
    const auto native = [&dir](const char* name) {
      return QDir::toNativeSeparators(dir.filePath(name));
    };
    QCOMPARE(shown(), QStringList({native("a.torvale"), native("c.torvale"), native("b.torvale")}));
    QVERIFY(QFile::remove(dir.filePath("c.torvale")));
    const QList<testsupport::Notice> notices =
        testsupport::answerNotices([menu] { menu->actions()[1]->trigger(); });
    QCOMPARE(notices.size(), 1);
    QVERIFY2(notices.front().text.contains("c.torvale"), qPrintable(notices.front().text));
    QCOMPARE(shown(), QStringList({native("a.torvale"), native("b.torvale")}));
  }
};

QTEST_MAIN(ChartDocumentTest)
#include "chart_document_test.moc"

#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "document/document.h"
#include "psychro/air_state.h"

class QAction;
class QLabel;
class QMenu;
class QPagedPaintDevice;
class QPrinter;
class QSplitter;
class QTableView;
class QTimer;

namespace ui {

class ChartWidget;
class PointDialog;
class ZoneDialog;
class ZoneHoursModel;
class PointTableModel;
class ProcessDialog;
class ProcessTableModel;

// The 焓湿图 window: a view of one design (document::Document) — the chart drawn at the design's
// pressure, its read-out line, and the tables of state points, processes and the weather layer's
// hours under it — with the menus and dialogs that send the document its commands and show its
// answers. Points come from the main window's last state (加入当前状态点), from any pair of
// quantities (新建状态点…), from a double-click on the chart, or as the outlet of a process
// (新建过程…); they are renamed, edited, deleted and reordered in the table. Every change of the
// design is a step of the document, which 撤销 undoes and 重做 redoes. The chart is saved as PNG
// or SVG, the tables copied or exported as CSV, and all printed. An unsaved design is kept in this
// running copy's recovery file against a crash; the files last opened or saved are listed under
// 最近打开. A top-level window of its own that never keeps the program running.
class ChartWindow : public QWidget {
  Q_OBJECT

 public:
  // files: where designs, exports and the recovery are read and written (the disk unless given);
  // recovery: this running copy's recovery (one in the user's data folder unless given).
  explicit ChartWindow(QWidget* parent = nullptr,
                       std::shared_ptr<document::FileSystem> files = nullptr,
                       std::unique_ptr<document::Recovery> recovery = nullptr);
  ~ChartWindow() override;

  document::Document& document() { return *document_; }
  const document::Document& document() const { return *document_; }
  const workspace::Workspace& workspace() const { return document_->design(); }

  // The total pressure, Pa, and the arithmetic of the design and the chart: a step of the design
  // while it holds anything (the main window's pressure and arithmetic follow the design's).
  void setPressure(double pa);
  double pressure() const { return workspace().pressure(); }
  void setArithmetic(psychro::Arithmetic m);
  psychro::Arithmetic arithmetic() const { return workspace().arithmetic(); }

  // The main window's last calculated state and how it was given: ringed on the chart, and what
  // 加入当前状态点 adds; whether the main window's results are those of its inputs (while they are
  // not, 加入当前状态点 is disabled, its tooltip saying to calculate first).
  void setState(const psychro::AirState& air, const workspace::TypedPair& given);
  void setStateCurrent(bool current);
  void addCurrentPoint();

  // 文件 → 导入气象数据…: reads the weather file at path, a .epw or, with log, a log's CSV. Where
  // the station's elevation gives a pressure other than the one in force, offers it; records
  // that cannot be used are reported in a notice. A file refused is answered with a notice naming
  // it and why, the design untouched (false).
  bool importWeather(const QString& path,
                     const std::optional<workspace::LogColumns>& log = std::nullopt);

  ChartWidget& chart() const { return *chart_; }
  QTableView& table() const { return *table_; }
  QTableView& processTable() const { return *processTable_; }
  QTableView& hoursTable() const { return *hoursTable_; }

  // The design's workspace file; empty for a design never saved.
  QString filePath() const;
  // Opens the workspace file at path in place of the design (first asking about unsaved changes);
  // a file that cannot be read or is not a whole workspace is answered with a notice naming it and
  // why, the design untouched. True when opened.
  bool openFile(const QString& path);
  // Saves the design to path (document::Document::save); false and why when it cannot be, the old
  // file as it was and the design still unsaved.
  bool saveTo(const QString& path, QString* error = nullptr);
  // Whether the design may be set aside (the window closed, another design opened): yes when
  // nothing is unsaved; else asks 保存 / 不保存 / 取消 about what is to happen (closing, a new
  // design, another file), and yes once saved or not to be.
  enum class SetAside { close, newDesign, open };
  bool maySetDesignAside(SetAside why = SetAside::close);

  // Writes the design to the recovery file now, as the timer does a few seconds after a change;
  // removes the file instead when nothing is unsaved.
  void writeRecovery();
  // How long after a change the recovery is written, ms (3 s unless a test shortens it).
  void setRecoveryDelay(int ms);
  // At start: the recovery files left by copies that are no longer running, offered over parent
  // (恢复 / 不恢复, or a list to choose from where there are several). The design to restore;
  // none when declined (the file then removed) or when there is none.
  static std::optional<workspace::Recovered> offerRecovery(QWidget* parent,
                                                           document::Recovery& recovery);
  // Puts recovered work in place, unsaved, its file (if any) where 保存 writes it, and keeps it in
  // this window's recovery at once.
  void openRecovered(const workspace::Recovered& recovered);
  // The files last opened or saved, newest first, at most 8 (kept with QSettings).
  static QStringList recentFiles();

 signals:
  // The design's pressure, pa, Pa, or its arithmetic, m, is another (a design opened, a step
  // undone): the pressure and arithmetic in force should follow.
  void pressureChosen(double pa);
  void arithmeticChosen(psychro::Arithmetic m);

 protected:
  void showEvent(QShowEvent* event) override;    // opens inside the screen's available area
  void closeEvent(QCloseEvent* event) override;  // asks first about unsaved changes

 private:
  void buildMenus();
  void buildClimateMenus(QMenu* file, QMenu* view);
  void showClimate();  // the zones' and months' checks as the design has them
  QAction* action(const char* name, const char* caption, const QKeySequence& keys,
                  void (ChartWindow::*slot)());
  // Shows the document's change: the chart, the tables' visibility, title, menus.
  void follow(const document::Change& change);
  // Says a refusal in a notice; and the notice a change left (a weather file the design names
  // that cannot be read) once the command that made it is done.
  void say(const document::Refused& why);
  void sayPending();
  void updateActions();
  void updateTitle();
  int selectedRow() const;
  int selectedProcess() const;

  // Points, processes, lines.
  void addAt(double t, double φ);
  void newPoint();
  void editSelectedPoint();
  void newProcess();
  void editSelectedProcess();
  void drawEpsilonLine();
  void listEpsilonLines();

  // Zones and weather.
  void listUserZones();
  void newZone();
  void importWeatherAsked();
  void toggleMonth(int month);  // 0 for 全年

  // Files.
  void newDesign();
  void openDesign();
  bool saveDesign();
  bool saveDesignAs();
  bool askToSetAside(SetAside why);
  void remember(const QString& path);
  void fillRecent();
  void openRecent(const QString& path);

  // What leaves the window: images, the sheet, print.
  void exportImage();
  void exportCsv();
  void exportPdf();
  void print();
  void copyImage();
  void copyTable();

  std::shared_ptr<document::FileSystem> files_;
  std::unique_ptr<document::Document> document_;
  std::size_t listening_ = 0;
  QString pending_;  // a notice a change left, said once its command is done
  ChartWidget* chart_ = nullptr;
  QLabel* readout_ = nullptr;
  QSplitter* split_ = nullptr;
  PointTableModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  ProcessTableModel* processModel_ = nullptr;
  QTableView* processTable_ = nullptr;
  ZoneHoursModel* hoursModel_ = nullptr;
  QTableView* hoursTable_ = nullptr;
  PointDialog* pointDialog_ = nullptr;  // each created on first use
  PointDialog* editPointDialog_ = nullptr;
  ProcessDialog* processDialog_ = nullptr;
  ProcessDialog* editDialog_ = nullptr;
  ZoneDialog* zoneDialog_ = nullptr;
  std::size_t editing_ = 0;            // the point or process an edit dialog was opened for
  std::unique_ptr<QPrinter> printer_;  // keeps the choices of the print dialog this run
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* addCurrent_ = nullptr;
  QAction* rename_ = nullptr;
  QAction* editPoint_ = nullptr;
  QAction* delete_ = nullptr;
  QAction* epsilonLine_ = nullptr;
  QAction* editProcess_ = nullptr;
  QAction* deleteProcess_ = nullptr;
  QMenu* epsilonLines_ = nullptr;
  QMenu* recent_ = nullptr;
  std::array<QAction*, workspace::builtInZoneCount> zoneActions_{};
  std::array<QAction*, 13> monthActions_{};  // 全年, then 1月…12月
  QAction* removeWeather_ = nullptr;
  QMenu* userZones_ = nullptr;
  QMenu* months_ = nullptr;
  QTimer* recoveryTimer_ = nullptr;  // single shot: writes the recovery a while after a change
  QString lastImagePath_, lastCsvPath_, lastPdfPath_;  // where each export went last
};

}  // namespace ui

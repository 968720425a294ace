#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "psychro/air_state.h"
#include "workspace/file.h"
#include "workspace/workspace.h"

class QAction;
class QLabel;
class QMenu;
class QPagedPaintDevice;
class QPrinter;
class QTableView;
class QTimer;
class QUndoStack;

namespace ui {

class ChartWidget;
class PointDialog;
class ZoneDialog;
class ZoneHoursModel;
class PointTableModel;
class ProcessDialog;
class ProcessTableModel;

// The 焓湿图 window: the chart drawn at the pressure in force, its read-out line, and the tables of
// named state points and of processes under it. Points come from the main window's last state
// (加入当前状态点), from any pair of quantities (新建状态点…), from a double-click on the chart, or
// as the outlet of a process (新建过程…); they are renamed, deleted and reordered in the table. An
// ε line can be drawn through any point, and removed again; a process edited or removed. Every
// change of the design is a step that 撤销 undoes and 重做 redoes. The chart is saved as PNG or
// SVG, the tables copied or exported as CSV, and all printed on one page. An unsaved design is
// kept in a recovery file against a crash; the files last opened or saved are listed under
// 最近打开. Comfort zones are drawn as shaded regions (查看 → 舒适区) and a year of hourly weather
// as a density layer under the lines (文件 → 导入气象数据…), with the 逐时统计 table of the hours
// in each zone. A top-level window of its own that never keeps the program running. It owns the
// workspace all of it shows; the tables and the chart read it, and every change goes through it.
class ChartWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWindow(QWidget* parent = nullptr);
  ~ChartWindow() override;

  // The total pressure, Pa, the chart is drawn at and the points computed at.
  void setPressure(double pa);
  double pressure() const;
  // The arithmetic the chart is drawn with and the points computed with.
  void setArithmetic(psychro::Arithmetic m);
  psychro::Arithmetic arithmetic() const;

  // The main window's last calculated state and how it was given: ringed on the chart, and what
  // 加入当前状态点 adds.
  void setState(const psychro::AirState& air, const workspace::TypedPair& given);

  // Adds the state of the pair as a new point; the message when there is none (no notice shown).
  std::string_view addPoint(const workspace::TypedPair& given);
  // 加入当前状态点: adds the main window's last state, answering a fault with a notice.
  void addCurrentPoint();
  // Whether the main window's results are those of its inputs. While they are not (greyed),
  // 加入当前状态点 is disabled, its tooltip saying to calculate first.
  void setStateCurrent(bool current);

  const workspace::Workspace& workspace() const { return workspace_; }
  const workspace::PointList& points() const { return workspace_.points(); }
  const workspace::ProcessList& processes() const { return workspace_.processes(); }
  // Runs a process, adding its outlet as a point; the message when it cannot happen.
  std::string_view addProcess(const workspace::ProcessRequest& request);
  // Draws the ε line through the point with this id; false when there is no such point.
  bool addEpsilonLine(unsigned id, double ε);
  // Asks process i for r instead; the message when it cannot happen (nothing changed).
  std::string_view editProcess(std::size_t i, const workspace::ProcessRequest& r);
  // Removes process i; its outlet stays as a point given by its t and d.
  void removeProcess(std::size_t i);
  // Removes line i of those drawn through 热湿比线… (ProcessList::drawnLines); false for none.
  bool removeEpsilonLine(std::size_t i);
  // 查看 → 舒适区: turns built-in zone i (in the order of workspace::builtInZones) on or off; adds
  // a zone of the user's, or says why not (a name taken or too long, too many zones); removes the
  // user's zone i. Each change is a step.
  void setBuiltInZone(std::size_t i, bool on);
  QString addZone(const workspace::Zone& zone);
  void removeZone(std::size_t i);
  // 文件 → 导入气象数据…: reads the weather file at path, a .epw or, with log, a log's CSV. Where
  // the station's elevation gives a pressure other than the one in force, offers it; records
  // that cannot be used are reported in a notice. A file refused is answered with a notice naming
  // it and why, the design untouched (false). Importing and removing are steps.
  bool importWeather(const QString& path,
                     const std::optional<workspace::LogColumns>& log = std::nullopt);
  void removeWeather();
  // 查看 → 月份: the months whose hours the layer and the 逐时统计 table show; a step.
  void setMonths(const workspace::MonthSet& months);
  // The states of the weather layer shown, at the pressure and arithmetic in force; null without
  // one.
  const workspace::WeatherStates* weatherStates() const;
  QTableView& hoursTable() const { return *hoursTable_; }

  // The steps of the design, for 撤销 and 重做; clean where the design was last saved.
  QUndoStack& undoStack() const { return *undo_; }
  ChartWidget& chart() const { return *chart_; }
  QTableView& table() const { return *table_; }
  QTableView& processTable() const { return *processTable_; }

  // Paints the chart with the table under it onto one page of printer.
  // Prints the title block, the chart and the tables to a printer or PDF writer (printSheets);
  // pages, when given, receives the number of pages.
  bool printTo(QPagedPaintDevice& device, int* pages = nullptr) const;
  // Writes the same sheets as a PDF file at path, A4 landscape; false and why when it cannot.
  bool exportPdf(const QString& path, QString* error = nullptr) const;
  // The table as a CSV file (UTF-8 with a byte-order mark); false, with the reason, when it
  // cannot be written.
  bool exportCsv(const QString& path, QString* error = nullptr) const;

  // The workspace file the design was last opened from or saved to; empty for a new design.
  const QString& filePath() const { return filePath_; }
  // Opens the workspace file at path in place of the design, at the file's pressure (which the
  // main window then takes, pressureChosen): first asks about unsaved changes; a file that cannot
  // be read or is not a whole workspace is answered with a notice naming it and why, the design
  // untouched. True when opened.
  bool openFile(const QString& path);
  // Saves the design to path, written beside it and renamed over it only when whole (QSaveFile);
  // false and why when it cannot be, the old file intact and the design still unsaved.
  bool saveTo(const QString& path, QString* error = nullptr);
  // Whether the design may be set aside (the window closed, another design opened): yes when
  // nothing is unsaved; else asks 保存 / 不保存 / 取消, and yes once saved or not to be.
  bool maySetDesignAside();

  // The recovery file in the user's data folder: the unsaved design and its file (recoveryText).
  static QString recoveryPath();
  // Writes the design to the recovery file now, as the timer does a few seconds after a change;
  // removes the file instead when nothing is unsaved.
  void writeRecovery();
  // How long after a change the recovery is written, ms (3 s unless a test shortens it).
  void setRecoveryDelay(int ms);
  // At start: when a recovery file is left from a run that did not end cleanly, asks 恢复 / 不恢复
  // with the file's name and the time it was kept. The design to restore for 恢复; otherwise none,
  // the recovery file removed.
  static std::optional<workspace::Recovered> offerRecovery(QWidget* parent);
  // Puts a recovered design in place as unsaved work, its file (if any) where 保存 writes it.
  void openRecovered(const workspace::Recovered& recovered);
  // The files last opened or saved, newest first, at most 8 (kept with QSettings).
  static QStringList recentFiles();

 signals:
  // A design was opened at its own pressure, pa, Pa: the pressure in force should follow.
  void pressureChosen(double pa);
  // A design was opened with its own arithmetic, m: the arithmetic in force should follow.
  void arithmeticChosen(psychro::Arithmetic m);

 protected:
  void showEvent(QShowEvent* event) override;    // opens inside the screen's available area
  void closeEvent(QCloseEvent* event) override;  // asks first about unsaved changes

 private:
  void buildMenus();
  QAction* action(const char* name, const char* caption, const QKeySequence& keys,
                  void (ChartWindow::*slot)());
  void addAt(double t, double φ);
  void notice(std::string_view message);
  int selectedRow() const;
  void updateActions();
  int selectedProcess() const;
  // Records the change just made to the workspace as a step named text.
  void record(const QString& text);
  // Brings back a design a step recorded (undo, redo) and shows it.
  void restore(const std::shared_ptr<const workspace::Workspace>& design);
  QString processName(std::size_t i) const;  // "C→L", as its row in the 过程 table names it
  void listEpsilonLines();                   // fills the 删除热湿比线 menu
  void buildClimateMenus(QMenu* file, QMenu* view);  // the zones', months' and weather's items
  void listUserZones();                              // fills the 删除自定义舒适区 menu
  void newZone();                                    // 自定义舒适区…
  void importWeatherAsked();    // 导入气象数据…: the file, a log's columns
  void toggleMonth(int month);  // 0 for 全年
  // Brings the weather layer, the 逐时统计 table and the zones' and months' checks in line with
  // the design: the file its settings name read (a notice where it cannot be), its states computed
  // again at a new pressure or arithmetic.
  void syncClimate();
  // The 逐时统计 rows while a weather layer is shown; null otherwise.
  const std::vector<workspace::ZoneHourRow>* shownHours() const;

  void saveAs();
  void newDesign();
  void openDesign();
  bool saveDesign();
  bool saveDesignAs();
  bool askToSetAside();                  // 保存 / 不保存 / 取消, for maySetDesignAside
  void removeRecovery();                 // stops the timer and removes the recovery file
  void remember(const QString& path);    // puts path first among the recent files
  void fillRecent();                     // fills the 最近打开 menu
  void openRecent(const QString& path);  // opens it; a file gone is dropped from the list
  void updateTitle();  // the file's name (or 焓湿图), with [*] for unsaved changes
  // Puts design in place of the present one, as a fresh document: its pressure, no steps to undo.
  // Holds back the notice of a weather file that cannot be read until sayHeldNotice, which every
  // caller calls once the design is wholly in place.
  void replaceDesign(const workspace::Workspace& design);
  void sayHeldNotice();
  void copyImage();
  void copyTable();
  void exportCsvAs();
  void exportPdfAs();
  void print();
  void newPoint();
  void newProcess();
  void drawEpsilonLine();
  void renameSelected();
  void deleteSelected();
  void editSelectedProcess();
  void deleteSelectedProcess();
  void resetView();
  void zoomIn();
  void zoomOut();

  workspace::Workspace workspace_;
  QString filePath_;  // the design's workspace file; empty until opened or saved
  // The design as the last step left it: what the next step will undo to. Shared with the step
  // that made it, as the one copy of that design.
  std::shared_ptr<const workspace::Workspace> recorded_ = std::make_shared<workspace::Workspace>();
  QUndoStack* undo_ = nullptr;
  ChartWidget* chart_ = nullptr;
  QLabel* readout_ = nullptr;
  ZoneHoursModel* hoursModel_ = nullptr;
  QTableView* hoursTable_ = nullptr;
  ZoneDialog* zoneDialog_ = nullptr;  // created on first use
  std::array<QAction*, workspace::builtInZoneCount> zoneActions_{};
  std::array<QAction*, 13> monthActions_{};  // 全年, then 1月…12月
  QAction* removeWeather_ = nullptr;
  QMenu* userZones_ = nullptr;
  QMenu* months_ = nullptr;
  // The weather file last read: what it was read as, its records, and their states at the pressure
  // and arithmetic given. Kept while an undo hides it, so that redo needs no new reading.
  struct LoadedWeather {
    std::string file;
    std::optional<workspace::LogColumns> log;
    workspace::WeatherFile data;
    workspace::WeatherStates states;
    double pa = 0;
    psychro::Arithmetic m = psychro::Arithmetic::classic;
  };
  std::optional<LoadedWeather> weather_;
  bool weatherShown_ = false;
  // A file the settings name that could not be read: said once each time a design is opened.
  std::string unreadable_;
  // While a design is being put in place, the notice its weather file gave, held back so that it
  // shows over the whole design (title, tables, the main window's pressure) rather than a mix.
  bool opening_ = false;
  QString heldNotice_;
  std::vector<workspace::ZoneHourRow> hours_;  // the 逐时统计 rows while the layer is shown
  PointTableModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  ProcessTableModel* processModel_ = nullptr;
  QTableView* processTable_ = nullptr;
  PointDialog* dialog_ = nullptr;           // created on first use
  ProcessDialog* processDialog_ = nullptr;  // likewise
  ProcessDialog* editDialog_ = nullptr;     // likewise, for 编辑过程
  std::size_t editing_ = 0;                 // the process editDialog_ was opened for
  std::unique_ptr<QPrinter> printer_;       // keeps the choices of the print dialog this run
  QAction* addCurrent_ = nullptr;
  QAction* rename_ = nullptr;
  QAction* delete_ = nullptr;
  QAction* epsilonLine_ = nullptr;
  QAction* editProcess_ = nullptr;
  QAction* deleteProcess_ = nullptr;
  QMenu* epsilonLines_ = nullptr;
  QMenu* recent_ = nullptr;
  QTimer* recoveryTimer_ = nullptr;  // single shot: writes the recovery a while after a change
  QString lastPath_;                 // where the last image went; the dialog opens there
  QString lastCsvPath_;              // likewise for CSV
  QString lastPdfPath_;              // likewise for PDF
};

}  // namespace ui

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
class QSplitter;
class QTableView;

namespace ui {

class ChartWidget;
class ClimateMenus;
class DesignFiles;
class DesignOutput;
class PointDialog;
class ZoneHoursModel;
class PointTableModel;
class ProcessDialog;
class DesignTextModel;
class TableSplit;

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

  ChartWidget& chart() const { return *chart_; }
  QTableView& table() const { return *table_; }
  QTableView& processTable() const { return *processTable_; }
  QTableView& summaryTable() const { return *summaryTable_; }
  QTableView& hoursTable() const { return *hoursTable_; }

  // The window's files (new, open, save, recovery) and its climate menus (zones, weather).
  DesignFiles& files() const { return *designFiles_; }
  ClimateMenus& climate() const { return *climate_; }

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
  void addAt(double t, double φ);
  void newPoint();
  void editSelectedPoint();
  void newProcess();
  void editSelectedProcess();
  void drawEpsilonLine();
  void listEpsilonLines();

  std::shared_ptr<document::FileSystem> files_;
  std::unique_ptr<document::Document> document_;
  std::size_t listening_ = 0;
  QString pending_;  // a notice a change left, said once its command is done
  ChartWidget* chart_ = nullptr;
  QLabel* readout_ = nullptr;
  QSplitter* split_ = nullptr;
  TableSplit* tableSplit_ = nullptr;  // the tables' room under the chart
  PointTableModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  DesignTextModel* processModel_ = nullptr;
  QTableView* processTable_ = nullptr;
  QSplitter* processRow_ = nullptr;  // 过程 and, beside it, 机组汇总
  DesignTextModel* summaryModel_ = nullptr;
  QTableView* summaryTable_ = nullptr;
  ZoneHoursModel* hoursModel_ = nullptr;
  QTableView* hoursTable_ = nullptr;
  PointDialog* pointDialog_ = nullptr;  // each created on first use
  PointDialog* editPointDialog_ = nullptr;
  ProcessDialog* processDialog_ = nullptr;
  ProcessDialog* editDialog_ = nullptr;
  std::size_t editing_ = 0;  // the point or process an edit dialog was opened for
  DesignOutput* output_ = nullptr;
  DesignFiles* designFiles_ = nullptr;
  ClimateMenus* climate_ = nullptr;
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
};

}  // namespace ui

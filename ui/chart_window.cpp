#include "ui/chart_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "calc/field.h"
#include "calc/messages.h"
#include "calc/number_text.h"
#include "document/disk.h"
#include "ui/captions.h"
#include "ui/chart_export.h"
#include "ui/chart_widget.h"
#include "ui/climate_menus.h"
#include "ui/design_files.h"
#include "ui/design_output.h"
#include "ui/design_text_tables.h"
#include "ui/guide_viewer.h"
#include "ui/notice.h"
#include "ui/on_screen.h"
#include "ui/page_menus.h"
#include "ui/point_dialog.h"
#include "ui/point_table_model.h"
#include "ui/process_dialog.h"
#include "ui/program_icon.h"
#include "ui/step_names.h"
#include "ui/system_menus.h"
#include "ui/table_split.h"
#include "ui/utf8.h"
#include "ui/zone_hours_table.h"
#include "workspace/process_list.h"

namespace ui {
namespace {

// An ε line as 删除热湿比线 lists it: "A ε=8000".
QString lineName(const workspace::PointList& points, const workspace::EpsilonLine& line) {
  const workspace::StatePoint* p = points.find(line.point);
  return QString::fromUtf8(captions::epsilonLineName)
      .arg(p ? fromUtf8(p->name) : QString(), fromUtf8(workspace::epsilonText(line.ε)));
}

}  // namespace

ChartWindow::ChartWindow(QWidget* parent, std::shared_ptr<document::FileSystem> files,
                         std::unique_ptr<document::Recovery> recovery)
    : QWidget(parent, Qt::Window),
      files_(files ? std::move(files) : std::make_shared<document::Disk>()),
      document_(std::make_unique<document::Document>(*files_)) {
  setObjectName(QStringLiteral("ChartWindow"));
  setWindowIcon(programIcon());
  setAttribute(Qt::WA_QuitOnClose, false);
  if (!recovery)
    recovery = std::make_unique<document::Recovery>(
        *files_, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString(),
        document::instanceName());
  document_->setRecovery(std::move(recovery));

  designFiles_ = new DesignFiles(this, *document_);
  // Another design in place is seen whole, and what its opening left to say is said.
  connect(designFiles_, &DesignFiles::replaced, this, [this] {
    chart_->resetView();
    sayPending();
  });
  model_ = new PointTableModel(*document_, this);
  chart_ = new ChartWidget(this);
  chart_->setWorkspace(&document_->design());
  readout_ = new QLabel(this);
  readout_->setObjectName(QStringLiteral("readout"));
  readout_->setTextFormat(Qt::PlainText);
  readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // One line always, so that the chart does not jump as the text comes and goes.
  readout_->setMinimumHeight(readout_->fontMetrics().height() + 6);
  readout_->setContentsMargins(8, 2, 8, 4);
  table_ = makePointTable(model_, this);
  processModel_ = makeProcessModel(*document_, this);
  processTable_ = makeProcessTable(processModel_, this);
  summaryModel_ = makeUnitSummaryModel(*document_, this);
  summaryTable_ = makeUnitSummaryTable(summaryModel_, this);
  hoursModel_ = new ZoneHoursModel(this);
  hoursTable_ = makeZoneHoursTable(hoursModel_, this);

  auto* upper = new QWidget(this);
  auto* upperLayout = new QVBoxLayout(upper);
  upperLayout->setContentsMargins(0, 0, 0, 0);
  upperLayout->setSpacing(0);
  upperLayout->addWidget(chart_, 1);
  upperLayout->addWidget(readout_);
  // The unit's summary sits beside 过程, so that the processes keep their rows' height.
  processRow_ = new QSplitter(Qt::Horizontal, this);
  processRow_->setObjectName(QStringLiteral("processRow"));
  processRow_->addWidget(processTable_);
  processRow_->addWidget(summaryTable_);
  processRow_->setStretchFactor(0, 3);
  processRow_->setStretchFactor(1, 2);
  processRow_->setChildrenCollapsible(false);
  split_ = new QSplitter(Qt::Vertical, this);
  split_->setObjectName(QStringLiteral("chartSplitter"));
  for (QWidget* part : {upper, static_cast<QWidget*>(table_), static_cast<QWidget*>(processRow_),
                        static_cast<QWidget*>(hoursTable_)})
    split_->addWidget(part);
  split_->setStretchFactor(0, 1);
  split_->setChildrenCollapsible(false);
  tableSplit_ = new TableSplit(*split_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(split_);
  buildMenus();

  connect(chart_, &ChartWidget::readoutChanged, readout_, &QLabel::setText);
  connect(chart_, &ChartWidget::stateRequested, this, &ChartWindow::addAt);
  // A refused rename says why once the name's editor has closed: a notice over an open editor
  // would take its focus, and the editor would hand in the name again.
  connect(
      model_, &PointTableModel::renameRefused, this,
      [this](const QString& why) { showNotice(this, fromUtf8(calc::messages::title), why); },
      Qt::QueuedConnection);
  for (QTableView* t : {table_, processTable_})
    connect(t->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ChartWindow::updateActions);
  connect(processTable_, &QAbstractItemView::doubleClicked, this,
          &ChartWindow::editSelectedProcess);
  // A double-click on a point's name renames it (the table's own editing); on any other cell it
  // edits the point.
  connect(table_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& at) {
    if (at.column() != 0) editSelectedPoint();
  });
  listening_ = document_->listen([this](const document::Change& c) { follow(c); });
  follow({});
  // Wide enough for every column of 过程 with the unit's summary beside it.
  resize(1100, 640 + 14 * (table_->fontMetrics().height() + 8));
}

// The views read the document: they go before it does.
ChartWindow::~ChartWindow() {
  document_->stopListening(listening_);
  chart_->setWorkspace(nullptr);
  chart_->setWeather(nullptr);
  delete table_;
  delete processTable_;
  delete summaryTable_;
  delete model_;
  delete processModel_;
  delete summaryModel_;
}

void ChartWindow::showEvent(QShowEvent* event) {
  keepOnScreen(*this);
  QWidget::showEvent(event);
}

void ChartWindow::closeEvent(QCloseEvent* event) {
  if (designFiles_->maySetDesignAside())
    event->accept();
  else
    event->ignore();
}

QAction* ChartWindow::action(const char* name, const char* caption, const QKeySequence& keys,
                             void (ChartWindow::*slot)()) {
  auto* a = new QAction(QString::fromUtf8(caption), this);
  a->setObjectName(QString::fromUtf8(name));
  a->setShortcut(keys);
  connect(a, &QAction::triggered, this, slot);
  return a;
}

void ChartWindow::buildMenus() {
  auto* bar = new QMenuBar(this);
  bar->setObjectName(QStringLiteral("ChartMenus"));
  layout()->setMenuBar(bar);

  output_ = new DesignOutput(this, *document_, *chart_);
  QAction* image = output_->imageAction();
  QAction* newDesign = designFiles_->newAction();
  QAction* open = designFiles_->openAction();
  QAction* save = designFiles_->saveAction();
  QAction* saveAs = designFiles_->saveAsAction();
  QAction* csv = output_->csvAction();
  QAction* print = output_->printAction();
  QAction* pdf = output_->pdfAction();
  auto* close = new QAction(QString::fromUtf8(captions::chartCloseItem), this);
  close->setObjectName(QStringLiteral("CloseChart"));
  close->setShortcut(QKeySequence::Close);
  connect(close, &QAction::triggered, this, &QWidget::close);
  QMenu* file = bar->addMenu(QString::fromUtf8(captions::chartFileMenu));
  file->addActions({newDesign, open});
  file->addMenu(designFiles_->recentMenu());
  file->addActions({save, saveAs});
  file->addSeparator();
  file->addActions({image, csv, pdf, print});
  file->addSeparator();
  file->addAction(close);

  QAction* copy = output_->copyImageAction();
  QAction* copyTable = output_->copyTableAction();
  undo_ = new QAction(this);
  undo_->setObjectName(QStringLiteral("Undo"));
  undo_->setShortcuts(QKeySequence::Undo);
  connect(undo_, &QAction::triggered, this, [this] {
    document_->undo();
    sayPending();
  });
  redo_ = new QAction(this);
  redo_->setObjectName(QStringLiteral("Redo"));
  redo_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(redo_, &QAction::triggered, this, [this] {
    document_->redo();
    sayPending();
  });
  QMenu* edit = bar->addMenu(QString::fromUtf8(captions::chartEditMenu));
  edit->addActions({undo_, redo_});
  edit->addSeparator();
  edit->addActions({copy, copyTable});

  QAction* add = action("NewPoint", captions::newPointItem, QKeySequence(Qt::Key_Insert),
                        &ChartWindow::newPoint);
  addCurrent_ = action("AddCurrentPoint", captions::addCurrentItem,
                       QKeySequence(Qt::CTRL | Qt::Key_D), &ChartWindow::addCurrentPoint);
  rename_ = new QAction(QString::fromUtf8(captions::renameItem), this);
  rename_->setObjectName(QStringLiteral("RenamePoint"));
  rename_->setShortcut(QKeySequence(Qt::Key_F2));
  connect(rename_, &QAction::triggered, this, [this] {
    if (const int row = selectedRow(); row >= 0) table_->edit(model_->index(row, 0));
  });
  editPoint_ = action("EditPoint", captions::editPointItem, QKeySequence(Qt::Key_F4),
                      &ChartWindow::editSelectedPoint);
  delete_ = new QAction(QString::fromUtf8(captions::deleteItem), this);
  delete_->setObjectName(QStringLiteral("DeletePoint"));
  delete_->setShortcut(QKeySequence::Delete);
  connect(delete_, &QAction::triggered, this, [this] {
    if (const int row = selectedRow(); row >= 0)
      say(document_->deletePoint(static_cast<std::size_t>(row)));
  });
  // Rename, edit and delete act on the table's row, and their keys only there: Delete in a text
  // box deletes text.
  for (QAction* a : {rename_, editPoint_, delete_})
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  table_->addActions({rename_, editPoint_, delete_, copyTable});
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);
  QAction* process =
      action("NewProcess", captions::newProcessItem, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
             &ChartWindow::newProcess);
  epsilonLine_ =
      action("EpsilonLine", captions::epsilonLineItem, {}, &ChartWindow::drawEpsilonLine);
  editProcess_ =
      action("EditProcess", captions::editProcessItem, {}, &ChartWindow::editSelectedProcess);
  deleteProcess_ = new QAction(QString::fromUtf8(captions::deleteProcessItem), this);
  deleteProcess_->setObjectName(QStringLiteral("DeleteProcess"));
  deleteProcess_->setShortcut(QKeySequence::Delete);
  deleteProcess_->setShortcutContext(Qt::WidgetWithChildrenShortcut);  // as for the points
  connect(deleteProcess_, &QAction::triggered, this, [this] {
    if (const int row = selectedProcess(); row >= 0)
      say(document_->deleteProcess(static_cast<std::size_t>(row)));
  });
  processTable_->addActions({editProcess_, deleteProcess_});
  processTable_->setContextMenuPolicy(Qt::ActionsContextMenu);
  QMenu* points = bar->addMenu(QString::fromUtf8(captions::pointMenu));
  points->addActions({add, addCurrent_, editPoint_, rename_, delete_});
  points->addSeparator();
  points->addActions({process, editProcess_, deleteProcess_});
  points->addSeparator();
  new SystemMenus(this, *document_, points);
  points->addSeparator();
  points->addAction(epsilonLine_);
  epsilonLines_ = points->addMenu(QString::fromUtf8(captions::deleteEpsilonLineMenu));
  epsilonLines_->setObjectName(QStringLiteral("DeleteEpsilonLine"));
  connect(epsilonLines_, &QMenu::aboutToShow, this, &ChartWindow::listEpsilonLines);
  points->setToolTipsVisible(true);  // why 加入当前状态点 is disabled
  table_->addAction(epsilonLine_);

  auto* reset = new QAction(QString::fromUtf8(captions::resetViewItem), this);
  reset->setObjectName(QStringLiteral("ResetView"));
  reset->setShortcut(QKeySequence(Qt::Key_Home));
  connect(reset, &QAction::triggered, chart_, &ChartWidget::resetView);
  auto* zoomIn = new QAction(QString::fromUtf8(captions::zoomInItem), this);
  zoomIn->setObjectName(QStringLiteral("ZoomIn"));
  // Ctrl+= too: "+" is a shifted key on many keyboards.
  zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  connect(zoomIn, &QAction::triggered, this, [this] { chart_->zoomBy(0.8); });
  auto* zoomOut = new QAction(QString::fromUtf8(captions::zoomOutItem), this);
  zoomOut->setObjectName(QStringLiteral("ZoomOut"));
  zoomOut->setShortcuts(QKeySequence::ZoomOut);
  connect(zoomOut, &QAction::triggered, this, [this] { chart_->zoomBy(1 / 0.8); });
  QMenu* view = bar->addMenu(QString::fromUtf8(captions::chartViewMenu));
  view->addActions({zoomIn, zoomOut, reset});
  QMenu* help = bar->addMenu(QString::fromUtf8(captions::helpMenu));
  help->addAction(guideAction(*this));

  // The chart's context menu offers the same.
  chart_->addActions({image, copy, reset, add, process});
  chart_->setContextMenuPolicy(Qt::ActionsContextMenu);
  // Window-wide keys, whichever part has the focus.
  addActions({newDesign, open, save, saveAs, csv, print, close, undo_, redo_, copy, copyTable, add,
              addCurrent_, reset, zoomIn, zoomOut, process});
  climate_ = new ClimateMenus(this, *document_, view, file, close);
  new PageMenus(this, *document_, file, image, print);
  connect(climate_, &ClimateMenus::pressureChosen, this, &ChartWindow::pressureChosen);
}

void ChartWindow::follow(const document::Change& change) {
  const workspace::Workspace& design = document_->design();
  if (chart_->pressure() != design.pressure()) chart_->setPressure(design.pressure());
  chart_->setArithmetic(design.arithmetic());
  chart_->setWeather(document_->weatherStates());
  chart_->update();
  const std::vector<workspace::ZoneHourRow>* hours = document_->zoneHours();
  if (!hours || hours->empty())
    hoursModel_->setRows({});
  else if (*hours != hoursModel_->rows())
    hoursModel_->setRows(*hours);
  hoursTable_->setVisible(hours != nullptr);
  // The 过程 table shows once there is a process, so that until then the points have the room.
  const bool processes = !design.processes().processes().empty();
  processTable_->setVisible(processes);
  summaryTable_->setVisible(summaryModel_->rowCount() > 0);  // where some process has loads
  processRow_->setVisible(processes);
  updateActions();
  updateTitle();
  climate_->show();
  tableSplit_->fit();
  if (change.settings) {
    emit pressureChosen(design.pressure());
    emit arithmeticChosen(design.arithmetic());
  }
  // A system one of whose members was edited alone is said to be dissolved once the command is done
  // (the dialog that sent it closed).
  if (!document_->dissolved().empty()) {
    pending_ = QString::fromUtf8(captions::systemDissolved).arg(fromUtf8(document_->dissolved()));
    QMetaObject::invokeMethod(this, &ChartWindow::sayPending, Qt::QueuedConnection);
  }
  if (change.notice)
    pending_ = QString::fromUtf8(captions::weatherMissing).arg(fromUtf8(design.weather().file)) +
               '\n' + refusalText(*change.notice);
  designFiles_->changed();
}

void ChartWindow::say(const document::Refused& why) {
  if (why) showNotice(this, fromUtf8(calc::messages::title), refusalText(*why));
  sayPending();
}

void ChartWindow::sayPending() {
  if (pending_.isEmpty()) return;
  showNotice(this, fromUtf8(calc::messages::title), std::exchange(pending_, {}));
}

void ChartWindow::updateTitle() {
  const QString name = document_->path().empty() ? QString::fromUtf8(captions::chartTitle)
                                                 : QFileInfo(designFiles_->filePath()).fileName();
  setWindowTitle(name + QStringLiteral("[*]"));
  setWindowModified(document_->modified());
}

void ChartWindow::updateActions() {
  const document::Step* undo = document_->undoStep();
  const document::Step* redo = document_->redoStep();
  undo_->setEnabled(undo != nullptr);
  redo_->setEnabled(redo != nullptr);
  undo_->setText(QString::fromUtf8(captions::undoItem) +
                 (undo ? ' ' + stepName(*undo) : QString()));
  redo_->setText(QString::fromUtf8(captions::redoItem) +
                 (redo ? ' ' + stepName(*redo) : QString()));
  const workspace::Workspace& design = document_->design();
  const bool stale = design.current() && !design.currentAddable();
  addCurrent_->setEnabled(design.currentAddable());
  addCurrent_->setToolTip(stale ? QString::fromUtf8(captions::staleAddCurrent) : QString());
  const int row = selectedRow();
  for (QAction* a : {rename_, delete_, epsilonLine_}) a->setEnabled(row >= 0);
  editPoint_->setEnabled(row >= 0 &&
                         !design.points().points()[static_cast<std::size_t>(row)].derived);
  const bool process = selectedProcess() >= 0;
  editProcess_->setEnabled(process);
  deleteProcess_->setEnabled(process);
  epsilonLines_->setEnabled(!design.processes().drawnLines().empty());
}

int ChartWindow::selectedRow() const {
  const QModelIndexList rows = table_->selectionModel()->selectedRows();
  return rows.isEmpty() || rows.front().row() >= static_cast<int>(workspace().points().size())
             ? -1
             : rows.front().row();
}

int ChartWindow::selectedProcess() const {
  const QModelIndexList rows = processTable_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

void ChartWindow::setPressure(double pa) {
  document_->setPressure(pa);
}

void ChartWindow::setArithmetic(psychro::Arithmetic m) {
  document_->setArithmetic(m);
}

void ChartWindow::setState(const psychro::AirState& air, const workspace::TypedPair& given) {
  document_->setCurrent(air, given);
}

void ChartWindow::setStateCurrent(bool current) {
  document_->setCurrentFresh(current);
}

void ChartWindow::addCurrentPoint() {
  if (!workspace().currentAddable()) return;
  say(document_->addPoint(workspace().current()->given));
  table_->selectRow(static_cast<int>(workspace().points().size()) - 1);
}

void ChartWindow::addAt(double t, double φ) {
  // At the resolution the main window shows t and φ in its result boxes.
  say(document_->addPoint(
      {{psychro::Quantity::t, psychro::Quantity::rh},
       calc::formatFixed(t, calc::info(calc::Output::dryBulb).decimals),
       calc::formatFixed(100 * φ, calc::info(calc::Output::humidity).decimals)}));
}

void ChartWindow::newPoint() {
  if (!pointDialog_)
    pointDialog_ = new PointDialog(
        [this](const workspace::TypedPair& given, const QString& name) {
          const document::Refused why = document_->addPoint(given, name.toStdString());
          if (!why) table_->selectRow(static_cast<int>(workspace().points().size()) - 1);
          return why ? refusalText(*why) : QString();
        },
        this);
  pointDialog_->setName(fromUtf8(workspace().points().nextName()));
  pointDialog_->open();
}

void ChartWindow::editSelectedPoint() {
  const int row = selectedRow();
  if (row < 0) return;
  const workspace::StatePoint& p = workspace().points().points()[static_cast<std::size_t>(row)];
  if (p.derived) {
    say(document::byDesign({workspace::Rule::outletOfProcess, {}, p.name}));
    return;
  }
  if (!editPointDialog_) {
    editPointDialog_ = new PointDialog(
        [this](const workspace::TypedPair& given, const QString&) {
          const document::Refused why = document_->editPoint(editing_, given);
          return why ? refusalText(*why) : QString();
        },
        this);
    editPointDialog_->setObjectName(QStringLiteral("EditPointDialog"));
    editPointDialog_->setWindowTitle(
        QString::fromUtf8(captions::editPointTitle).arg(fromUtf8(p.name)));
  }
  editing_ = static_cast<std::size_t>(row);
  editPointDialog_->setWindowTitle(
      QString::fromUtf8(captions::editPointTitle).arg(fromUtf8(p.name)));
  editPointDialog_->setName({});
  editPointDialog_->setGiven(p);
  editPointDialog_->open();
}

void ChartWindow::newProcess() {
  if (!processDialog_)
    processDialog_ = new ProcessDialog(
        [this](const workspace::ProcessRequest& r, const QString& outlet) {
          const document::Refused why = document_->addProcess(r, outlet.toStdString());
          if (!why) table_->selectRow(static_cast<int>(workspace().points().size()) - 1);
          return why ? refusalText(*why) : QString();
        },
        this);
  const int row = selectedRow();
  processDialog_->setPoints(
      workspace().points().points(),
      row < 0 ? 0 : workspace().points().points()[static_cast<std::size_t>(row)].id);
  processDialog_->setOutletName(fromUtf8(workspace().points().nextName()));
  processDialog_->clearFlow();
  processDialog_->open();
}

void ChartWindow::editSelectedProcess() {
  const int row = selectedProcess();
  if (row < 0) return;
  if (!editDialog_) {
    editDialog_ = new ProcessDialog(
        [this](const workspace::ProcessRequest& r, const QString&) {
          const document::Refused why = document_->editProcess(editing_, r);
          return why ? refusalText(*why) : QString();
        },
        this);
    editDialog_->setObjectName(QStringLiteral("EditProcessDialog"));
    editDialog_->setWindowTitle(QString::fromUtf8(captions::editProcessTitle));
  }
  editing_ = static_cast<std::size_t>(row);
  // The points it may start at: any but those it runs before (workspace::Workspace::mayUse).
  std::vector<workspace::StatePoint> offered;
  for (const workspace::StatePoint& p : workspace().points().points())
    if (workspace().mayUse(editing_, p.id)) offered.push_back(p);
  const workspace::ProcessRequest& r = workspace().processes().processes()[editing_].request;
  editDialog_->setPoints(offered, r.from);
  editDialog_->setRequest(r);
  editDialog_->setOutletName({});
  editDialog_->open();
}

void ChartWindow::drawEpsilonLine() {
  const int row = selectedRow();
  if (row < 0) return;
  const workspace::StatePoint& p = workspace().points().points()[static_cast<std::size_t>(row)];
  bool ok = false;
  const QString text =
      QInputDialog::getText(this, QString::fromUtf8(captions::epsilonLineTitle),
                            QString::fromUtf8(captions::epsilonLinePrompt).arg(fromUtf8(p.name)),
                            QLineEdit::Normal, QString(), &ok);
  if (!ok) return;
  double ε = 0;
  if (const std::optional<double> infinite = workspace::readEpsilon(text.toStdString());
      infinite && std::isinf(*infinite)) {
    ε = *infinite;
  } else {
    const auto read = calc::readField(text.toStdString());
    if (const auto* problem = std::get_if<calc::FieldProblem>(&read)) {
      showNotice(this, fromUtf8(calc::messages::title),
                 fromUtf8(calc::fieldWords(*problem, captions::epsilonCaption)));
      return;
    }
    ε = std::get<double>(read);
  }
  say(document_->addEpsilonLine(p.id, ε));
}

void ChartWindow::listEpsilonLines() {
  epsilonLines_->clear();
  const std::vector<workspace::EpsilonLine> lines = workspace().processes().drawnLines();
  for (std::size_t i = 0; i < lines.size(); ++i)
    connect(epsilonLines_->addAction(lineName(workspace().points(), lines[i])), &QAction::triggered,
            this, [this, i] { say(document_->deleteEpsilonLine(i)); });
}

}  // namespace ui
